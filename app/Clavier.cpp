#include "Clavier.h"

#include "Aide.h"
#include "Merlo.h"

#include <QKeySequence>
#include <QListWidget>
#include <QShortcut>

QStringList OrdreTabulation()
{
    return {
        // Reset and scramble, above the cube.
        QStringLiteral("Init"), QStringLiteral("Melange"),
        // Round the cube clockwise from the top left: the slices above, the columns at the right,
        // the layers below, the whole-cube buttons where the round passes them.
        QStringLiteral("TGA"), QStringLiteral("TGM"), QStringLiteral("TGF"), QStringLiteral("Haut"),
        QStringLiteral("TDF"), QStringLiteral("TDM"), QStringLiteral("TDA"),
        QStringLiteral("VHD"), QStringLiteral("VHM"), QStringLiteral("VHG"), QStringLiteral("Droite"),
        QStringLiteral("VBG"), QStringLiteral("VBM"), QStringLiteral("VBD"),
        QStringLiteral("HBD"), QStringLiteral("HMD"), QStringLiteral("HHD"), QStringLiteral("Bas"),
        QStringLiteral("HGH"), QStringLiteral("HGM"), QStringLiteral("HGB"), QStringLiteral("Gauche"),
        // The stages, from top to bottom, in the order they are used.
        QStringLiteral("RangerHaut"), QStringLiteral("IdM"), QStringLiteral("IdC"), QStringLiteral("RangerM"),
        QStringLiteral("FaceB"), QStringLiteral("UneFace"),
        // The log and its buttons, then the macros.
        QStringLiteral("List1"), QStringLiteral("Clear"), QStringLiteral("InvD"), QStringLiteral("Inv"),
        QStringLiteral("Ar"), QStringLiteral("CG"), QStringLiteral("CD"), QStringLiteral("A"), QStringLiteral("B"),
        QStringLiteral("PA"), QStringLiteral("PC"),
    };
}

void InstallerClavier(Merlo& fenetre)
{
    auto touche = [&fenetre](const QKeySequence& k, QWidget* ou, Qt::ShortcutContext contexte, auto action) {
        auto* s = new QShortcut(k, ou);
        s->setContext(contexte);
        QObject::connect(s, &QShortcut::activated, &fenetre, action);
    };
    touche(QKeySequence::HelpContents, &fenetre, Qt::WindowShortcut, [&fenetre] { MontrerAide(&fenetre); });
    // The same close as the window's close button: the close event, then the end of the program.
    touche(QKeySequence::Quit, &fenetre, Qt::WindowShortcut, [&fenetre] { fenetre.close(); });
    // On the log only: the double-click's command, for the keyboard.
    for (const QKeySequence& k : {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace)})
        touche(k, fenetre.List1, Qt::WidgetShortcut, [&fenetre] { fenetre.List1_DblClick(); });

    QWidget* avant = nullptr;
    for (const QString& nom : OrdreTabulation()) {
        auto* w = fenetre.findChild<QWidget*>(nom);
        if (!w)
            continue;
        if (avant)
            QWidget::setTabOrder(avant, w);
        avant = w;
    }
}
