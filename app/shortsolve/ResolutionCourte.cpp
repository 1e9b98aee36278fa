#include "ResolutionCourte.h"

#include "Avis.h"
#include "Contexte.h"
#include "Historique.h"
#include "JouerNotation.h"
#include "ModeleSession.h"
#include "PositionCube.h"

#include <QAction>
#include <QCoreApplication>
#include <QThread>

QAction* CreerActionResoudreCourt(QObject* parent)
{
    auto* a = new QAction(QCoreApplication::translate("ResolutionCourte", "Solve in few moves"), parent);
    a->setObjectName(QStringLiteral("ResoudreCourt"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    a->setShortcutContext(Qt::WindowShortcut);
    a->setToolTip(QCoreApplication::translate("ResolutionCourte", "Solve in few moves (Ctrl+Shift+S)"));
    a->setStatusTip(QCoreApplication::translate("ResolutionCourte", "Finds a solution of at most 20 moves for the cube as it stands and plays it"));
    return a;
}

ResolutionCourte::ResolutionCourte(const Contexte& c) : QObject(&c.fenetre), m_C(c) {}

ResolutionCourte::~ResolutionCourte()
{
    // A window closed in the middle of a search: stop it and wait, so that nothing outlives us.
    m_Annuler = true;
    if (m_Fil) {
        m_Fil->wait();
        delete m_Fil;
    }
}

void ResolutionCourte::Lancer()
{
    if (m_EnCours)
        return;
    m_Depart = LirePosition(m_C.session.CUBE());
    m_Tenu = shortsolve::Hold(m_Depart);
    if (!m_Tenu) {
        m_C.avis.Montrer(QCoreApplication::translate("ResolutionCourte", "This cube cannot be solved: its pieces are not those of a real cube."));
        return;
    }
    if (shortsolve::IsSolved(m_Tenu->pieces)) {
        m_C.avis.Montrer(QCoreApplication::translate("ResolutionCourte", "The cube is already solved."));
        return;
    }
    m_EnCours = true;
    m_Annuler = false;
    m_C.cube->setCursor(Qt::WaitCursor);
    m_C.avis.Montrer(shortsolve::TablesReady() ? QCoreApplication::translate("ResolutionCourte", "Looking for a short solution\u2026")
                                             : QCoreApplication::translate("ResolutionCourte", "Preparing the solver's tables (the first time only), then looking for a short solution\u2026"));
    const notation::Pieces pieces = m_Tenu->pieces;
    m_Fil = QThread::create([this, pieces] {
        shortsolve::PrepareTables();
        shortsolve::Options o;
        o.cancel = &m_Annuler;
        o.untilFirst = true; // 100 ms for a shorter one, but never without an answer
        const shortsolve::Result r = shortsolve::Solve(pieces, o);
        if (!m_Annuler)
            QMetaObject::invokeMethod(this, [this, r] { Trouve(r); }, Qt::QueuedConnection);
    });
    m_Fil->start();
}

void ResolutionCourte::Trouve(const shortsolve::Result& r)
{
    m_Fil->wait();
    delete m_Fil;
    m_Fil = nullptr;
    QString remarque;
    const shortsolve::TablesInfo& info = shortsolve::PrepareTables();
    if (info.source == shortsolve::TablesInfo::MemoryOnly)
        remarque = QLatin1Char(' ')
                   + QCoreApplication::translate("ResolutionCourte", "The solver's tables could not be saved in %1 (%2); they are kept in memory only.")
                         .arg(QString::fromStdString(info.file), QString::fromStdString(info.reason));
    if (r.status != shortsolve::Result::Solved) {
        m_C.avis.Montrer(QCoreApplication::translate("ResolutionCourte", "No short solution was found.") + remarque);
        Finir();
        return;
    }
    if (LirePosition(m_C.session.CUBE()) != m_Depart) {
        m_C.avis.Montrer(QCoreApplication::translate("ResolutionCourte", "The cube was turned during the search, so nothing was played. Press again to solve it as it is now."));
        Finir();
        return;
    }
    const std::vector<shortsolve::Move> coups = shortsolve::AsHeld(r.moves, *m_Tenu);
    // One step of Undo, its lines marked as this command's.
    const std::vector<notation::Turn> tours = shortsolve::Turns(coups);
    m_C.histoire.Executer(QStringLiteral("Court"), QCoreApplication::translate("ResolutionCourte", "Solve in few moves"),
                          [&] { JouerTours(m_C.session, tours, m_C.ceder); });
    const int n = int(coups.size());
    m_C.avis.Montrer((r.optimal ? QCoreApplication::translate("ResolutionCourte", "Solved in %n move(s), the fewest possible.", nullptr, n) : QCoreApplication::translate("ResolutionCourte", "Solved in %n move(s).", nullptr, n)) + remarque);
    Finir();
}

void ResolutionCourte::Finir()
{
    m_C.cube->unsetCursor();
    m_EnCours = false;
}
