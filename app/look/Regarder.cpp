#include "Regarder.h"

#include "AnimationTours.h"
#include "Historique.h"
#include "JouerNotation.h"
#include "Merlo.h"
#include "Notation.h"
#include "SixFaces.h"
#include "RegardCube.h"
#include "TableCommandes.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

// z turns the whole cube as the front face turns; the window has no button for it, so it is made
// of the whole-cube buttons' commands, as a pasted z is: its log lines are theirs.
void AjouterZ(Merlo& w, bool prime)
{
    const QString nom = prime ? QStringLiteral("z'") : QStringLiteral("z");
    auto* a = new QAction(prime ? QCoreApplication::translate("RegardCube", "Turn the cube anticlockwise (z\u2032)")
                                : QCoreApplication::translate("RegardCube", "Turn the cube clockwise (&z)"),
                          &w.Commandes());
    a->setObjectName(prime ? QStringLiteral("TourZPrime") : QStringLiteral("TourZ"));
    a->setShortcut(prime ? QKeySequence(Qt::SHIFT | Qt::Key_Z) : QKeySequence(Qt::Key_Z));
    a->setStatusTip(prime ? QCoreApplication::translate("RegardCube", "The whole cube a quarter turn anticlockwise as you look at its front, logged as three whole-cube turns")
                          : QCoreApplication::translate("RegardCube", "The whole cube a quarter turn clockwise as you look at its front, logged as three whole-cube turns"));
    QObject::connect(a, &QAction::triggered, &w, [&w, nom, prime] {
        const std::vector<notation::Turn> tours = notation::Parse(nom).turns;
        w.Histoire().Executer(QString(), nom, [&w, &tours] { JouerTours(w, tours); });
        if (w.Animation().Animer())
            w.Animation().Montrer(animation::MouvementZ(prime));
    });
    w.Commandes().Ajouter(TableCommandes::Cube, a);
    // With the other ways of turning the cube, before Quit.
    QMenu* menu = w.Commandes().MenuDe(TableCommandes::Cube);
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = 0; i < actions.size(); ++i)
        if (actions[i]->objectName() == QLatin1String("Quitter")) {
            QAction* avant = i > 0 && actions[i - 1]->isSeparator() ? actions[i - 1] : actions[i];
            menu->removeAction(a);
            menu->insertAction(avant, a);
            break;
        }
}

} // namespace

void InstallerRegard(Merlo& w)
{
    w.Commandes().Separer(TableCommandes::Affichage);
    new RegardCube(w);
    w.Commandes().Separer(TableCommandes::Affichage);
    new SixFaces(w);
    AjouterZ(w, false);
    AjouterZ(w, true);
}
