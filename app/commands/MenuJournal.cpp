#include "MenuJournal.h"

#include "APropos.h"
#include "Aide.h"
#include "Avis.h"
#include "EditeurCouleurs.h"
#include "JouerNotation.h"
#include "Legendes.h"
#include "ModeleSession.h"
#include "Notation.h"
#include "PositionCube.h"
#include "ResolutionCourte.h"
#include "SaisieMouvements.h"
#include "SuiviJournal.h"
#include "TableCommandes.h"
#include "Historique.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QAbstractItemView>
#include <QMenu>
#include <QMouseEvent>

namespace {

QString Coups(int n) { return QCoreApplication::translate("MenuJournal", "%n move(s)", nullptr, n); }

int Tours(const QStringList& lignes)
{
    int n = 0;
    for (const QString& l : lignes)
        n += notation::FromLog(l).has_value();
    return n;
}

} // namespace

namespace {

// The right button opens the log's menu without choosing a line: "I" reads the selection.
class ClicDroit final : public QObject {
public:
    explicit ClicDroit(QWidget* vue) : QObject(vue) { vue->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        const auto t = e->type();
        if (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonRelease && t != QEvent::MouseButtonDblClick)
            return false;
        return static_cast<QMouseEvent*>(e)->button() == Qt::RightButton;
    }
};

} // namespace

MenuJournal::MenuJournal(const Contexte& c) : QObject(&c.fenetre), m_C(c)
{
    new SuiviJournal(c.journal);
    new ClicDroit(c.journal->viewport());
    MenuCube();
    MenuEdition();
    MenuResolution();

    auto trait = new QAction(this);
    trait->setSeparator(true);
    c.journal->addAction(trait);
    using T = TableCommandes;
    TableCommandes& t = c.commandes;
    t.Ajouter(T::AideMenu, "Aide", tr("&Help"), QKeySequence::HelpContents, tr("How to use Merlos"), Ici(&MenuJournal::Aide), true);
    t.Ajouter(T::AideMenu, "APropos", tr("&About Merlos"), QKeySequence(), tr("Version, licence and the cube control loaded"),
              Ici(&MenuJournal::APropos), true);
}

std::function<void()> MenuJournal::Ici(void (MenuJournal::*faire)())
{
    return [this, faire] { (this->*faire)(); };
}

// A button's command is in a menu as itself: the entry presses the button, its lines are the button's.
void MenuJournal::Bouton(TableCommandes::Menu menu, const char* nom)
{
    m_C.commandes.Ajouter(menu, m_C.commandes.ActionBouton(QLatin1String(nom)));
}

void MenuJournal::MenuCube()
{
    using T = TableCommandes;
    TableCommandes& t = m_C.commandes;
    Bouton(T::Cube, "Melange");
    Bouton(T::Cube, "Init");
    QAction* couleurs = t.Ajouter(T::Cube, "EntrerCouleurs", tr("&Enter cube colours\u2026"), QKeySequence(Qt::CTRL | Qt::Key_E),
                                  tr("Paint the squares of your own cube and set it up"), Ici(&MenuJournal::EntrerCouleurs));
    m_Couleurs = couleurs;
    t.Separer(T::Cube);
    // Every arrow and whole-cube button, as cube notation reads them: each face clockwise then the
    // other way, the layers of one axis together.
    QMenu* tours = t.SousMenu(T::Cube, "MenuTours", tr("&Turns"));
    for (const char* lettres : {"UED", "RML", "FSB", "xy"}) {
        if (!tours->isEmpty())
            tours->addSeparator();
        for (const char* l = lettres; *l; ++l)
            for (const bool prime : {false, true})
                for (int k = 0; k < notation::TurnCount; ++k) {
                    const notation::TurnInfo& i = notation::Info(static_cast<notation::Turn>(k));
                    if (i.letter == *l && i.prime == prime)
                        t.Ajouter(tours, t.ActionBouton(QLatin1String(i.button)));
                }
    }
    QMenu* macros = t.SousMenu(T::Cube, "MenuMacros", tr("&Macros"));
    for (const legendes::Legende& l : legendes::Toutes())
        if (l.sorte == legendes::Sorte::Macro)
            t.Ajouter(macros, t.ActionBouton(QLatin1String(l.nom)));
}

void MenuJournal::MenuEdition()
{
    using T = TableCommandes;
    TableCommandes& t = m_C.commandes;
    constexpr bool journal = true;
    t.Ajouter(T::Edition, m_C.histoire.ActionAnnuler());
    t.Ajouter(T::Edition, m_C.histoire.ActionRefaire());
    t.Separer(T::Edition);
    // The log's buttons.
    Bouton(T::Edition, "Clear");
    Bouton(T::Edition, "Inv");
    Bouton(T::Edition, "InvD");
    t.Separer(T::Edition);
    t.Ajouter(T::Edition, "CopierMouvements", tr("&Copy moves"), QKeySequence::Copy, tr("Copy the log as moves in cube notation"),
              Ici(&MenuJournal::CopierMouvements), journal);
    // Ctrl+Shift+C copies the solution since the last scramble (the replay's "Copy solution").
    t.Ajouter(T::Edition, "CopierSimplifie", tr("Copy moves, &simplified"), QKeySequence(),
              tr("Copy the moves without whole-cube turns, merged and cancelled"), Ici(&MenuJournal::CopierSimplifie), journal);
    t.Ajouter(T::Edition, "CopierLignes", tr("Copy log &lines"), QKeySequence(), tr("Copy the log's lines as they stand"),
              Ici(&MenuJournal::CopierLignes), journal);
    t.Separer(T::Edition, journal);
    t.Ajouter(T::Edition, "CollerMouvements", tr("&Paste moves"), QKeySequence::Paste,
              tr("Play the moves on the clipboard, or set up the position it holds"), Ici(&MenuJournal::Coller), journal);
    t.Ajouter(T::Edition, "SaisirMouvements", tr("P&lay moves\u2026"), QKeySequence(Qt::CTRL | Qt::Key_L),
              tr("Type moves in cube notation and play them"), Ici(&MenuJournal::Saisir), journal);
    t.Separer(T::Edition, journal);
    t.Ajouter(T::Edition, "CopierPosition", tr("Copy p&osition"), QKeySequence(), tr("Copy the cube as 54 letters"),
              Ici(&MenuJournal::CopierPosition), journal);
    m_C.journal->addAction(m_Couleurs); // beside the position, in the log's menu
}

void MenuJournal::MenuResolution()
{
    using T = TableCommandes;
    TableCommandes& t = m_C.commandes;
    // The stages in the order they are pressed, each named by its caption and what it does.
    for (const legendes::Legende& l : legendes::Etapes())
        Bouton(T::Resolution, l.nom);
    t.Separer(T::Resolution, true);
    // The search runs on a worker thread; the step of Undo is the playing of its moves, when found.
    auto* court = new ResolutionCourte(m_C);
    QAction* resoudre = CreerActionResoudreCourt(this);
    connect(resoudre, &QAction::triggered, court, &ResolutionCourte::Lancer);
    t.Ajouter(T::Resolution, resoudre, true);
}

void MenuJournal::Aide() { MontrerAide(&m_C.fenetre); }

void MenuJournal::APropos() { MontrerAPropos(&m_C.fenetre); }

void MenuJournal::Annoncer(const QString& texte) { m_C.avis.Montrer(texte); }

void MenuJournal::CopierMouvements()
{
    const QStringList lignes = m_C.session.Lignes();
    const QString texte = notation::WriteLog(lignes);
    if (texte.isEmpty()) {
        Annoncer(QCoreApplication::translate("MenuJournal", "The log holds no moves to copy."));
        return;
    }
    QGuiApplication::clipboard()->setText(texte);
    Annoncer(QCoreApplication::translate("MenuJournal", "Copied the log as %1.").arg(Coups(static_cast<int>(texte.count(QLatin1Char(' '))) + 1)));
}

void MenuJournal::CopierSimplifie()
{
    const QStringList lignes = m_C.session.Lignes();
    const int tours = Tours(lignes);
    // Nothing to copy empties the clipboard: pasting the last text would play moves of another cube.
    if (tours == 0) {
        QGuiApplication::clipboard()->clear();
        Annoncer(tr("The log holds no moves to copy; the clipboard is empty."));
        return;
    }
    const notation::Simplified s = notation::WriteSimplified(lignes);
    if (s.moves == 0) {
        QGuiApplication::clipboard()->clear();
        Annoncer(tr("The log's turns cancel out: the cube is as it was, only held another way. The clipboard is empty."));
        return;
    }
    QGuiApplication::clipboard()->setText(s.text);
    Annoncer(QCoreApplication::translate("MenuJournal", "Copied %1, without turning the whole cube (the log has %n turn(s)).", nullptr, tours).arg(Coups(s.moves)));
}

void MenuJournal::CopierLignes()
{
    const QStringList lignes = m_C.session.Lignes();
    if (lignes.isEmpty()) {
        Annoncer(QCoreApplication::translate("MenuJournal", "The log is empty."));
        return;
    }
    QGuiApplication::clipboard()->setText(lignes.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    const int n = static_cast<int>(lignes.size());
    Annoncer(QCoreApplication::translate("MenuJournal", "Copied %n log line(s).", nullptr, n));
}

void MenuJournal::Coller()
{
    const QString texte = QGuiApplication::clipboard()->text();
    if (texte.trimmed().isEmpty()) {
        Annoncer(QCoreApplication::translate("MenuJournal", "The clipboard holds no text to play."));
        return;
    }
    if (notation::LooksLikePosition(texte)) {
        const notation::PositionText lu = notation::ReadPosition(texte);
        if (!lu) {
            const int n = static_cast<int>(lu.faults.size()), autres = n - 1;
            Annoncer(n > 1 ? QCoreApplication::translate("MenuJournal", "Not set up: %1 (and %n more)", nullptr, autres).arg(lu.faults.front().message)
                           : QCoreApplication::translate("MenuJournal", "Not set up: %1").arg(lu.faults.front().message));
            return;
        }
        const bool journal = m_C.session.Nombre() > 0;
        m_C.histoire.Executer(QString(), tr("Paste position"), [&] { PoserPosition(m_C.session, lu.position); });
        Annoncer(tr("The position is set up, white on top and green in front; the log starts afresh.")
                 + (journal ? QLatin1Char(' ') + tr("Undo (Ctrl+Z) brings the log back.") : QString()));
        return;
    }
    const notation::Parsed lu = notation::Parse(texte);
    if (!lu) {
        Annoncer(QCoreApplication::translate("MenuJournal", "Nothing played: %1").arg(lu.error->message));
        return;
    }
    if (lu.turns.empty()) {
        Annoncer(QCoreApplication::translate("MenuJournal", "The clipboard holds no moves to play."));
        return;
    }
    m_C.histoire.Executer(QStringLiteral("Coller"), tr("Paste moves"), [&] { JouerTours(m_C.session, lu.turns, m_C.ceder); });
}

void MenuJournal::Saisir()
{
    if (!m_Saisie)
        m_Saisie = new SaisieMouvements(m_C);
    m_Saisie->Ouvrir();
}

void MenuJournal::CopierPosition()
{
    const QString texte = notation::WritePosition(LirePosition(m_C.session.CUBE()));
    QGuiApplication::clipboard()->setText(texte);
    Annoncer(QCoreApplication::translate("MenuJournal", "Copied the position: %1").arg(texte));
}

void MenuJournal::EntrerCouleurs()
{
    if (!m_Editeur)
        m_Editeur = new EditeurCouleurs(&m_C.fenetre, m_C.session, m_C.histoire);
    m_Editeur->Ouvrir();
}
