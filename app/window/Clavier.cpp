#include "Clavier.h"

#include <QAbstractItemView>
#include <QAction>
#include <QKeyEvent>

namespace {

class SupprimerLigne final : public QObject {
public:
    SupprimerLigne(QAbstractItemView* journal, QAction* supprimer) : QObject(journal), m_Supprimer(supprimer)
    {
        journal->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* k = static_cast<QKeyEvent*>(event);
        if ((k->key() != Qt::Key_Delete && k->key() != Qt::Key_Backspace) || k->modifiers() != Qt::NoModifier)
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            // Ours, before any shortcut of the window.
            event->accept();
            return true;
        }
        m_Supprimer->trigger();
        return true;
    }

private:
    QAction* m_Supprimer;
};

} // namespace

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

void InstallerClavier(QWidget& fenetre, QAbstractItemView* journal, QAction* supprimer)
{
    // On the log only: the double-click's command, for the keyboard. The list would take Backspace
    // for its search by typing, so the keys are caught before it sees them.
    new SupprimerLigne(journal, supprimer);

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
