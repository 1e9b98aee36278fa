#include "ModeleJournal.h"

#include "Marques.h"
#include "ModeleSession.h"

#include <QItemSelectionModel>

ModeleJournal::ModeleJournal(ModeleSession& session, QObject* parent)
    : QAbstractListModel(parent), m_S(session), m_Selection(new QItemSelectionModel(this, this))
{
    const QModelIndex racine;
    connect(&m_S, &ModeleSession::LignesAAjouter, this, [this, racine](int d, int f) {
        m_Change = true;
        beginInsertRows(racine, d, f);
    });
    connect(&m_S, &ModeleSession::LignesAjoutees, this, [this](int d, int f) {
        endInsertRows();
        m_Change = false;
        // Lines added at the end move no selected row.
        if (f + 1 < rowCount())
            VersVue();
        (void)d;
    });
    connect(&m_S, &ModeleSession::LignesARetirer, this, [this, racine](int d, int f) {
        m_Change = true;
        beginRemoveRows(racine, d, f);
    });
    connect(&m_S, &ModeleSession::LignesRetirees, this, [this] {
        endRemoveRows();
        m_Change = false;
        VersVue();
    });
    connect(&m_S, &ModeleSession::MarquesChangees, this, [this](int d, int f) {
        emit dataChanged(index(d), index(f), {marques::RoleCommande, marques::RoleSerie});
    });
    connect(&m_S, &ModeleSession::SelectionChangee, this, &ModeleJournal::VersVue);
    connect(m_Selection, &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_Change)
            m_S.ChoisirLigne(LigneVue());
    });
}

int ModeleJournal::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_S.Nombre(); }

QVariant ModeleJournal::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_S.Nombre())
        return {};
    const int i = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return m_S.Ligne(i);
    case marques::RoleCommande:
        return m_S.Commande(i).isEmpty() ? QVariant() : QVariant(m_S.Commande(i));
    case marques::RoleSerie:
        return m_S.Commande(i).isEmpty() ? QVariant() : QVariant(m_S.Serie(i));
    default:
        return {};
    }
}

int ModeleJournal::LigneVue() const
{
    const QModelIndexList choisies = m_Selection->selectedIndexes();
    return choisies.isEmpty() ? -1 : choisies.first().row();
}

void ModeleJournal::VersVue()
{
    const int k = m_S.Selection();
    const QModelIndex courante = m_Selection->currentIndex();
    if (m_Change || (k == LigneVue() && (k < 0 ? !courante.isValid() : courante.row() == k)))
        return;
    m_Change = true;
    if (k < 0) {
        m_Selection->clearSelection();
        m_Selection->clearCurrentIndex();
    } else {
        m_Selection->setCurrentIndex(index(k), QItemSelectionModel::ClearAndSelect);
    }
    m_Change = false;
}
