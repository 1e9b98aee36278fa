#include "Historique.h"

#include "ModeleSession.h"

#include <QAction>
#include <QUndoCommand>

#include <algorithm>
#include <limits>

namespace {

std::size_t Taille(const std::vector<LigneJournal>& lignes) { return lignes.capacity() * sizeof(LigneJournal); }

} // namespace

// One command: the log's lines it replaced at `debut`, and the session on each side.
class Historique::Etape : public QUndoCommand {
public:
    Etape(Historique& h, const QString& texte, EtatSession avant, EtatSession apres, int debut,
          std::vector<LigneJournal> retirees, std::vector<LigneJournal> ajoutees)
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
        m_H.Remplacer(m_Debut, static_cast<int>(m_Retirees.size()), m_Ajoutees);
        m_H.Poser(m_Apres);
    }
    void undo() override
    {
        m_H.Remplacer(m_Debut, static_cast<int>(m_Ajoutees.size()), m_Retirees);
        m_H.Poser(m_Avant);
    }
    std::size_t Octets() const { return sizeof(*this) + Taille(m_Retirees) + Taille(m_Ajoutees); }

private:
    Historique& m_H;
    EtatSession m_Avant, m_Apres;
    int m_Debut;
    std::vector<LigneJournal> m_Retirees, m_Ajoutees;
    bool m_Fait = true;
};

Historique::Historique(ModeleSession& session, QObject* parent) : QObject(parent), m_S(session)
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
    connect(&m_Pile, &QUndoStack::indexChanged, this, &Historique::Change);
    connect(&m_Pile, &QUndoStack::cleanChanged, this, &Historique::PropreChange);
    MajActions();

    // Where the log changes, so that only the lines from there on are compared after a command.
    connect(&m_S, &ModeleSession::LignesAjoutees, this, &Historique::Touche);
    connect(&m_S, &ModeleSession::LignesRetirees, this, &Historique::Touche);
    connect(&m_S, &ModeleSession::MarquesChangees, this, &Historique::Touche);
    m_Miroir.Remplacer(0, 0, m_S.LeJournal().Lignes());
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
            m_Miroir.Remplacer(0, m_Miroir.Nombre(), m_S.LeJournal().Lignes());
        m_Hors = false;
        m_Bas = std::numeric_limits<int>::max();
        m_Avant = m_S.InstantaneSansLignes();
    }
    ++m_Profondeur;
    MajActions();
    const int debut = m_S.Nombre();
    const qint64 serie = marque.isEmpty() ? 0 : ++m_Serie;
    faire();
    // A line the command removed (Clear inside a stage) moves the start back.
    if (!marque.isEmpty())
        m_S.Marquer(std::min(debut, m_S.Nombre()), marque, serie);
    --m_Profondeur;
    if (dehors)
        Enregistrer(texte);
    MajActions();
}

void Historique::Enregistrer(const QString& texte)
{
    EtatSession apres = m_S.InstantaneSansLignes();
    const Journal& journal = m_S.LeJournal();
    const int n0 = m_Miroir.Nombre(), n1 = journal.Nombre();
    // Lines above the lowest one touched are as they were; of the rest, only what lies between
    // them and the common end is kept.
    const int debut = std::min({m_Bas, n0, n1});
    int fin = 0;
    while (fin < std::min(n0, n1) - debut && m_Miroir[n0 - 1 - fin] == journal[n1 - 1 - fin])
        ++fin;
    std::vector<LigneJournal> retirees = m_Miroir.Copie(debut, n0 - fin);
    std::vector<LigneJournal> ajoutees = journal.Copie(debut, n1 - fin);
    m_Miroir.Remplacer(debut, n0 - fin - debut, ajoutees);
    m_Bas = std::numeric_limits<int>::max();
    if (retirees.empty() && ajoutees.empty() && apres == m_Avant)
        return; // nothing changed: nothing to take back
    m_Pile.push(new Etape(*this, texte, std::move(m_Avant), std::move(apres), debut, std::move(retirees),
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

void Historique::Recommencer(const std::function<void()>& faire)
{
    emit AvantCommande();
    faire();
    m_Pile.clear();
    m_Miroir.Remplacer(0, m_Miroir.Nombre(), m_S.LeJournal().Lignes());
    m_Hors = false;
    m_Bas = std::numeric_limits<int>::max();
    for (const LigneJournal& l : m_S.LeJournal().Lignes())
        m_Serie = std::max(m_Serie, l.serie);
    MajActions();
    emit Change();
}

void Historique::DefinirPropre(bool propre)
{
    if (propre)
        m_Pile.setClean();
    else
        m_Pile.resetClean();
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
    std::size_t n = sizeof(*this) + m_Miroir.Octets();
    for (int i = 0; i < m_Pile.count(); ++i)
        n += static_cast<const Etape*>(m_Pile.command(i))->Octets();
    return n;
}

std::size_t Historique::OctetsMiroir() const { return m_Miroir.Octets(); }

void Historique::Poser(const EtatSession& e) { m_S.RestaurerSansLignes(e); }

void Historique::Remplacer(int debut, int enlever, const std::vector<LigneJournal>& mettre)
{
    if (m_Hors) {
        m_Miroir.Remplacer(0, m_Miroir.Nombre(), m_S.LeJournal().Lignes());
        m_Hors = false;
    }
    m_Applique = true;
    // A log changed behind the history's back (never by a command) is mended as far as it goes.
    m_S.Remplacer(debut, enlever, mettre);
    m_Applique = false;
    debut = std::clamp(debut, 0, m_Miroir.Nombre());
    m_Miroir.Remplacer(debut, std::clamp(enlever, 0, m_Miroir.Nombre() - debut), mettre);
    m_Bas = std::numeric_limits<int>::max();
}
