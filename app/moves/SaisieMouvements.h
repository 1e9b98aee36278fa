// A small window to type moves in cube notation and play them: the text is read as it is typed,
// its first error shown at once, and Enter plays it. It stays open, its text selected, so Enter plays
// it again and typing replaces it.
#pragma once

#include "Contexte.h"
#include "Notation.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class SaisieMouvements : public QDialog {
    Q_OBJECT

public:
    explicit SaisieMouvements(const Contexte& c);

    void Ouvrir();

private:
    void Lire();
    void Jouer();
    void Placer();

    Contexte m_C;
    QLineEdit* m_Texte;
    QLabel* m_Etat;
    QPushButton* m_Jouer;
    notation::Parsed m_Lu;
};
