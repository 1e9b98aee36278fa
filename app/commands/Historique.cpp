#include "Historique.h"

#include "Marques.h"
#include "Merlo.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QUndoCommand>

#include <algorithm>
#include <limits>

namespace {

// The hidden layer selection, in a fixed order.
std::array<QRadioButton*, 9> Options(const Merlo& w)
{
    return {w.OptGauche, w.OptM, w.OptDroit, w.OptArr, w.OptMi, w.OptFront, w.OptHaut, w.OptMil, w.OptBas};
}

std::size_t Taille(const std::vector<Historique::Ligne>& lignes)
{
    // The texts themselves are shared with the log's items (or with each other) and counted there.
    return lignes.capacity() * sizeof(Historique::Ligne);
}

} // namespace

// One command: the log's lines it replaced at `debut`, and the state on each side.
class Historique::Etape : public QUndoCommand {
public:
    Etape(Historique& h, const QString& texte, Etat avant, Etat apres, int debut, std::vector<Ligne> retirees,
          std::vector<Ligne> ajoutees)
        : QUndoCommand(texte), m_H(h), m_Avant(std::move(avant)), m_Apres(std::move(apres)), m_Debut(debut),
          m_Retirees(std::move(retirees)), m_Ajoutees(std::move(ajoutees))
    {
    }
    // The command has run already when its step is pushed.
    void redo() override
    {
        if (m_Fait) {
            m_Fait = false;
            return;
        }
        m_H.Remplacer(m_Debut, m_Retirees.size(), m_Ajoutees);
        m_H.Poser(m_Apres);
    }
    void undo() override
    {
        m_H.Remplacer(m_Debut, m_Ajoutees.size(), m_Retirees);
        m_H.Poser(m_Avant);
    }
    std::size_t Octets() const { return sizeof(*this) + Taille(m_Retirees) + Taille(m_Ajoutees); }

private:
    Historique& m_H;
    Etat m_Avant, m_Apres;
    int m_Debut;
    std::vector<Ligne> m_Retirees, m_Ajoutees;
    bool m_Fait = true;
};

Historique::Historique(Merlo& w) : QObject(&w), m_W(w)
{
    m_Annuler = new QAction(tr("&Undo"), this);
    m_Annuler->setObjectName(QStringLiteral("Annuler"));
    m_Annuler->setShortcut(QKeySequence::Undo);
    m_Annuler->setStatusTip(tr("Take back the last command: the cube, the log and its counter as they were"));
    m_Refaire = new QAction(tr("&Redo"), this);
    m_Refaire->setObjectName(QStringLiteral("Refaire"));
    m_Refaire->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_Refaire->setStatusTip(tr("Make again the command last taken back"));
    connect(m_Annuler, &QAction::triggered, this, &Historique::Annuler);
    connect(m_Refaire, &QAction::triggered, this, &Historique::Refaire);
    connect(&m_Pile, &QUndoStack::indexChanged, this, &Historique::MajActions);
    MajActions();

    // Where the log changes, so that only the lines from there on are compared after a command.
    const QAbstractItemModel* modele = m_W.List1->model();
    connect(modele, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int d, int) { Touche(d); });
    connect(modele, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int d, int) { Touche(d); });
    connect(modele, &QAbstractItemModel::rowsMoved, this, [this] { Touche(0); });
    connect(modele, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& d) { Touche(d.row()); });
    connect(modele, &QAbstractItemModel::modelReset, this, [this] { Touche(0); });
    connect(modele, &QAbstractItemModel::layoutChanged, this, [this] { Touche(0); });
    m_Miroir = Lignes();
    m_Bas = std::numeric_limits<int>::max();
}

void Historique::Touche(int ligne)
{
    m_Bas = std::min(m_Bas, std::max(0, ligne));
    if (m_Profondeur == 0 && !m_Applique)
        m_Hors = true;
}

void Historique::Executer(const QString& marque, const QString& texte, const std::function<void()>& faire)
{
    emit AvantCommande();
    const bool dehors = m_Profondeur == 0;
    if (dehors) {
        if (m_Hors)
            m_Miroir = Lignes();
        m_Hors = false;
        m_Bas = std::numeric_limits<int>::max();
        m_Avant = Lire();
    }
    ++m_Profondeur;
    MajActions();
    const int debut = m_W.List1->count();
    const qint64 serie = marque.isEmpty() ? 0 : ++m_Serie;
    faire();
    if (!marque.isEmpty())
        Marquer(debut, marque, serie);
    --m_Profondeur;
    if (dehors)
        Enregistrer(texte);
    MajActions();
}

void Historique::Marquer(int debut, const QString& marque, qint64 serie)
{
    // A line the command removed (Clear inside a stage) moves the start back.
    for (int i = std::min(debut, m_W.List1->count()); i < m_W.List1->count(); ++i) {
        QListWidgetItem* item = m_W.List1->item(i);
        if (item->data(marques::RoleCommande).isValid())
            continue;
        item->setData(marques::RoleCommande, marque);
        item->setData(marques::RoleSerie, serie);
    }
}

void Historique::Enregistrer(const QString& texte)
{
    Etat apres = Lire();
    QListWidget* liste = m_W.List1;
    const std::size_t n0 = m_Miroir.size(), n1 = static_cast<std::size_t>(liste->count());
    // Lines above the lowest one touched are as they were; of the rest, only what lies between
    // them and the common end is kept.
    const std::size_t debut = std::min({static_cast<std::size_t>(m_Bas), n0, n1});
    std::size_t fin = 0;
    while (fin < std::min(n0, n1) - debut && m_Miroir[n0 - 1 - fin] == LigneDe(liste->item(static_cast<int>(n1 - 1 - fin))))
        ++fin;
    std::vector<Ligne> retirees(m_Miroir.begin() + static_cast<std::ptrdiff_t>(debut), m_Miroir.begin() + static_cast<std::ptrdiff_t>(n0 - fin));
    std::vector<Ligne> ajoutees;
    ajoutees.reserve(n1 - fin - debut);
    for (std::size_t i = debut; i < n1 - fin; ++i)
        ajoutees.push_back(LigneDe(liste->item(static_cast<int>(i))));
    m_Miroir.erase(m_Miroir.begin() + static_cast<std::ptrdiff_t>(debut), m_Miroir.begin() + static_cast<std::ptrdiff_t>(n0 - fin));
    m_Miroir.insert(m_Miroir.begin() + static_cast<std::ptrdiff_t>(debut), ajoutees.begin(), ajoutees.end());
    m_Bas = std::numeric_limits<int>::max();
    if (retirees.empty() && ajoutees.empty() && apres == m_Avant)
        return; // nothing changed: nothing to take back
    m_Pile.push(new Etape(*this, texte, std::move(m_Avant), std::move(apres), static_cast<int>(debut), std::move(retirees),
                          std::move(ajoutees)));
}

void Historique::Annuler()
{
    if (EnCours() || !m_Pile.canUndo())
        return;
    emit AvantCommande();
    m_Pile.undo();
}

void Historique::Refaire()
{
    if (EnCours() || !m_Pile.canRedo())
        return;
    emit AvantCommande();
    m_Pile.redo();
}

void Historique::MajActions()
{
    m_Annuler->setEnabled(!EnCours() && m_Pile.canUndo());
    m_Refaire->setEnabled(!EnCours() && m_Pile.canRedo());
    m_Annuler->setText(m_Pile.canUndo() ? tr("&Undo %1").arg(m_Pile.undoText()) : tr("&Undo"));
    m_Refaire->setText(m_Pile.canRedo() ? tr("&Redo %1").arg(m_Pile.redoText()) : tr("&Redo"));
}

std::size_t Historique::Octets() const
{
    std::size_t n = sizeof(*this) + Taille(m_Miroir);
    for (int i = 0; i < m_Pile.count(); ++i)
        n += static_cast<const Etape*>(m_Pile.command(i))->Octets();
    return n;
}

std::size_t Historique::OctetsMiroir() const { return Taille(m_Miroir); }

Historique::Etat Historique::Lire() const
{
    Etat e;
    CUBEDriver& c = m_W.CUBE();
    for (int16_t p = 0; p < 6; ++p)
        e.faceA[static_cast<std::size_t>(p)] = c.WichFace(p);
    for (int16_t f = 0; f < 6; ++f)
        c.GetFace(f, e.cases[static_cast<std::size_t>(f)].data());
    e.faceVue = m_W.FaceVue;
    const auto options = Options(m_W);
    for (std::size_t i = 0; i < options.size(); ++i)
        e.options[i] = options[i]->isChecked();
    e.message = m_W.Message->text();
    const QList<QListWidgetItem*> choisies = m_W.List1->selectedItems();
    e.selection = choisies.isEmpty() ? -1 : m_W.List1->row(choisies.first());
    return e;
}

void Historique::Poser(const Etat& e)
{
    // Which face stands where, then every face's squares as stored: the cube exactly, however it
    // was held. The face in front is brought to the front again, which turns nothing and repaints.
    CUBEDriver& c = m_W.CUBE();
    for (int16_t p = 0; p < 6; ++p)
        c.PutFace(p, e.faceA[static_cast<std::size_t>(p)]);
    for (int16_t f = 0; f < 6; ++f) {
        std::array<int16_t, 9> cases = e.cases[static_cast<std::size_t>(f)];
        c.SetFace(f, cases.data());
    }
    c.PointerFaces();
    c.AfficherFace(c.WichFace(2));
    m_W.FaceVue = e.faceVue;
    const auto options = Options(m_W);
    for (std::size_t i = 0; i < options.size(); ++i)
        if (e.options[i])
            options[i]->setChecked(true);
    m_W.Message->setText(e.message);
    if (e.selection < 0 || e.selection >= m_W.List1->count()) {
        m_W.List1->clearSelection();
        m_W.List1->setCurrentItem(nullptr);
    } else {
        m_W.List1->setCurrentRow(e.selection);
    }
}

Historique::Ligne Historique::LigneDe(const QListWidgetItem* item)
{
    const QVariant commande = item->data(marques::RoleCommande);
    if (!commande.isValid())
        return {item->text(), QString(), 0, false};
    return {item->text(), commande.toString(), item->data(marques::RoleSerie).toLongLong(), true};
}

std::vector<Historique::Ligne> Historique::Lignes() const
{
    std::vector<Ligne> lignes;
    const int n = m_W.List1->count();
    lignes.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        lignes.push_back(LigneDe(m_W.List1->item(i)));
    return lignes;
}

void Historique::Remplacer(int debut, std::size_t enlever, const std::vector<Ligne>& mettre)
{
    QListWidget* liste = m_W.List1;
    if (m_Hors) {
        m_Miroir = Lignes();
        m_Hors = false;
    }
    m_Applique = true;
    // A log changed behind the history's back (never by a command) is mended as far as it goes.
    debut = std::clamp(debut, 0, liste->count());
    const int n = std::min(static_cast<int>(enlever), liste->count() - debut);
    for (int i = n; i-- > 0;)
        delete liste->takeItem(debut + i);
    int ici = debut;
    for (const Ligne& l : mettre) {
        auto* item = new QListWidgetItem(l.texte);
        if (l.marquee) {
            item->setData(marques::RoleCommande, l.commande);
            item->setData(marques::RoleSerie, l.serie);
        }
        liste->insertItem(ici++, item);
    }
    m_Applique = false;
    const auto d = m_Miroir.begin() + debut;
    m_Miroir.erase(d, d + std::min<std::ptrdiff_t>(n, m_Miroir.end() - d));
    m_Miroir.insert(m_Miroir.begin() + debut, mettre.begin(), mettre.end());
    m_Bas = std::numeric_limits<int>::max();
}
