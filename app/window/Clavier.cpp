#include "Clavier.h"

#include "Historique.h"
#include "Merlo.h"
#include "Notation.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace {

// The key of a move: its letter, with Shift for the reverse.
QKeySequence Touche(notation::Turn t)
{
    const notation::TurnInfo& i = notation::Info(t);
    const auto cle = static_cast<Qt::Key>(Qt::Key_A + (QChar(QLatin1Char(i.letter)).toUpper().unicode() - 'A'));
    return i.prime ? QKeySequence(Qt::SHIFT | cle) : QKeySequence(cle);
}

class SupprimerLigne final : public QObject {
public:
    explicit SupprimerLigne(Merlo& fenetre) : QObject(fenetre.List1), m_Fenetre(fenetre)
    {
        fenetre.List1->installEventFilter(this);
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
        m_Fenetre.Histoire().Executer(QString(), QCoreApplication::translate("Merlo", "Remove line"), [this] { m_Fenetre.List1_DblClick(); });
        return true;
    }

private:
    Merlo& m_Fenetre;
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

void InstallerClavier(Merlo& fenetre)
{
    // The keys of cube notation press the buttons themselves, so a key does exactly what a click
    // does. They belong to the window, so they work whichever control has the focus (the list box,
    // for one, would otherwise take letters to search its lines).
    for (QPushButton* bouton : fenetre.findChildren<QPushButton*>())
        if (const auto t = notation::FromButton(bouton->objectName())) {
            auto* raccourci = new QShortcut(Touche(*t), &fenetre);
            raccourci->setContext(Qt::WindowShortcut);
            QObject::connect(raccourci, &QShortcut::activated, bouton, &QPushButton::click);
        }

    // On the log only: the double-click's command, for the keyboard. The list would take Backspace
    // for its search by typing, so the keys are caught before it sees them.
    new SupprimerLigne(fenetre);

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
