// The help window: the text of app/help/Aide.md in a window of its own, beside the main window, with a
// find field. One per main window: F1 again brings the same one to the front.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

class Aide : public QWidget {
    Q_OBJECT

public:
    // A window of its own that belongs to `fenetre`: it goes when `fenetre` closes or goes.
    explicit Aide(QWidget* fenetre);

    // Finds the next (or previous) place of the find field's text, from the cursor, starting
    // again at the other end when it runs out; false when the text is nowhere.
    bool Suivant(bool arriere = false);

    // The help text, as the resource holds it (Markdown).
    static QString Texte();

    QTextBrowser* Page = nullptr;
    QLineEdit* Recherche = nullptr;
    QLabel* Etat = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
};

// Shows the help of `fenetre`'s window: makes it the first time, raises it afterwards.
Aide* MontrerAide(QWidget* fenetre);
