#include "MenuJournal.h"

#include "APropos.h"
#include "Aide.h"
#include "Avis.h"
#include "EditeurCouleurs.h"
#include "JouerNotation.h"
#include "Merlo.h"
#include "Notation.h"
#include "PositionCube.h"
#include "SaisieMouvements.h"
#include "SuiviJournal.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QListWidget>

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

MenuJournal::MenuJournal(Merlo& w, Avis& avis) : QObject(&w), m_W(w), m_Avis(avis)
{
    new SuiviJournal(w.List1);
    w.List1->setContextMenuPolicy(Qt::ActionsContextMenu);
    Action("CopierMouvements", QStringLiteral("Copy moves"), QKeySequence::Copy, &MenuJournal::CopierMouvements);
    Action("CopierSimplifie", QStringLiteral("Copy moves, simplified"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
           &MenuJournal::CopierSimplifie);
    Action("CopierLignes", QStringLiteral("Copy log lines"), QKeySequence(),
           &MenuJournal::CopierLignes);
    Separer();
    Action("CollerMouvements", QStringLiteral("Paste moves"), QKeySequence::Paste, &MenuJournal::Coller);
    Action("SaisirMouvements", QStringLiteral("Play moves\u2026"), QKeySequence(Qt::CTRL | Qt::Key_L), &MenuJournal::Saisir);
    Separer();
    Action("CopierPosition", QStringLiteral("Copy position"), QKeySequence(),
           &MenuJournal::CopierPosition);
    Action("EntrerCouleurs", QStringLiteral("Enter cube colours\u2026"), QKeySequence(Qt::CTRL | Qt::Key_E),
           &MenuJournal::EntrerCouleurs);
    Separer();
    // F1 belongs to the window already; here it is only named.
    QAction* aide = Action("Aide", QStringLiteral("Help"), QKeySequence(), &MenuJournal::Aide);
    aide->setToolTip(QStringLiteral("Help (F1)"));
    Action("APropos", QStringLiteral("About Merlos"), QKeySequence(), &MenuJournal::APropos);
}

void MenuJournal::Aide() { MontrerAide(&m_W); }

void MenuJournal::APropos() { MontrerAPropos(&m_W); }

void MenuJournal::Separer()
{
    auto* trait = new QAction(this);
    trait->setSeparator(true);
    m_W.List1->addAction(trait);
}

QAction* MenuJournal::Action(const char* nom, const QString& texte, const QKeySequence& touche,
                             void (MenuJournal::*faire)())
{
    auto* a = new QAction(texte, this);
    a->setObjectName(QLatin1String(nom));
    a->setShortcut(touche);
    // The keys work wherever the focus is in the window, as the keys of the moves do.
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, faire);
    m_W.List1->addAction(a);
    return a;
}

void MenuJournal::Annoncer(const QString& texte) { m_Avis.Montrer(texte); }

void MenuJournal::CopierMouvements()
{
    const QStringList lignes = LignesJournal(m_W);
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
    const QStringList lignes = LignesJournal(m_W);
    const int tours = Tours(lignes);
    if (tours == 0) {
        Annoncer(QCoreApplication::translate("MenuJournal", "The log holds no moves to copy."));
        return;
    }
    const notation::Simplified s = notation::WriteSimplified(lignes);
    if (s.moves == 0) {
        Annoncer(QCoreApplication::translate("MenuJournal", "The log's turns cancel out: the cube is as it was, only held another way."));
        return;
    }
    QGuiApplication::clipboard()->setText(s.text);
    Annoncer(QCoreApplication::translate("MenuJournal", "Copied %1, without turning the whole cube (the log has %n turn(s)).", nullptr, tours).arg(Coups(s.moves)));
}

void MenuJournal::CopierLignes()
{
    const QStringList lignes = LignesJournal(m_W);
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
        PoserPosition(m_W, lu.position);
        Annoncer(QCoreApplication::translate("MenuJournal", "The position is set up, white on top and green in front; the log starts afresh."));
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
    JouerTours(m_W, lu.turns);
}

void MenuJournal::Saisir()
{
    if (!m_Saisie)
        m_Saisie = new SaisieMouvements(m_W);
    m_Saisie->Ouvrir();
}

void MenuJournal::CopierPosition()
{
    const QString texte = notation::WritePosition(LirePosition(m_W));
    QGuiApplication::clipboard()->setText(texte);
    Annoncer(QCoreApplication::translate("MenuJournal", "Copied the position: %1").arg(texte));
}

void MenuJournal::EntrerCouleurs()
{
    if (!m_Editeur)
        m_Editeur = new EditeurCouleurs(m_W);
    m_Editeur->Ouvrir();
}
