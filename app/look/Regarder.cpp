#include "Regarder.h"

#include "AnimationTours.h"
#include "Historique.h"
#include "JouerNotation.h"
#include "Contexte.h"
#include "ModeleSession.h"
#include "Notation.h"
#include "SixFaces.h"
#include "RegardCube.h"
#include "TableCommandes.h"

#include <QAction>
#include <QCoreApplication>

namespace {

// z turns the whole cube as the front face turns; the window has no button for it, so it is made
// of the whole-cube buttons' commands, as a pasted z is: its log lines are theirs.
void AjouterZ(const Contexte& c, AnimationTours& animation, bool prime)
{
    const QString nom = prime ? QStringLiteral("z'") : QStringLiteral("z");
    auto* a = new QAction(prime ? QCoreApplication::translate("RegardCube", "Turn the cube anticlockwise (z\u2032)")
                                : QCoreApplication::translate("RegardCube", "Turn the cube clockwise (&z)"),
                          &c.commandes);
    a->setObjectName(prime ? QStringLiteral("TourZPrime") : QStringLiteral("TourZ"));
    a->setShortcut(prime ? QKeySequence(Qt::SHIFT | Qt::Key_Z) : QKeySequence(Qt::Key_Z));
    a->setStatusTip(prime ? QCoreApplication::translate("RegardCube", "The whole cube a quarter turn anticlockwise as you look at its front, logged as three whole-cube turns")
                          : QCoreApplication::translate("RegardCube", "The whole cube a quarter turn clockwise as you look at its front, logged as three whole-cube turns"));
    QObject::connect(a, &QAction::triggered, &c.fenetre, [&c, &animation, nom, prime] {
        const std::vector<notation::Turn> tours = notation::Parse(nom).turns;
        c.histoire.Executer(QString(), nom, [&c, &tours] { JouerTours(c.session, tours, c.ceder); });
        if (animation.Animer())
            animation.Montrer(animation::MouvementZ(prime));
    });
    c.commandes.Ajouter(TableCommandes::Cube, a);
}

} // namespace

void InstallerRegard(const Contexte& c, AnimationTours& animation, Disposition& disposition)
{
    c.commandes.Separer(TableCommandes::Affichage);
    new RegardCube(c, animation);
    c.commandes.Separer(TableCommandes::Affichage);
    new SixFaces(c, disposition);
    AjouterZ(c, animation, false);
    AjouterZ(c, animation, true);
}
