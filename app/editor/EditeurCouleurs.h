// The colour editor: the six faces of a real cube unfolded as a net, painted square by square with
// the mouse or the keyboard, checked as it is painted, and set up on the window once such a cube can
// exist.
#pragma once

#include "Position.h"

#include <QDialog>
#include <QWidget>

#include <functional>

#include <vector>

class Historique;
class ModeleSession;
class QButtonGroup;
class QListWidget;
class QPushButton;

// The net: U above, L F R B in a row, D below, each face seen from outside as the position format
// reads it. A click or a drag paints squares; the arrows move the focus square, Space paints it,
// W O G R B Y paint that colour, Delete clears it. The centres stay as they are.
class Patron : public QWidget {
public:
    explicit Patron(QWidget* parent);

    const notation::Position& Position() const { return m_Position; }
    void SetPosition(const notation::Position& p);
    void SetMarques(std::vector<int> squares);
    void SetCouleur(int colour) { m_Couleur = colour; }
    int Couleur() const { return m_Couleur; }
    // Where square s is drawn, in the widget's coordinates.
    QRect RectCase(int s) const;
    int CaseEn(QPoint at) const;

    std::function<void()> changed;
    std::function<void(int)> couleurChoisie;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    int CoteVoulue() const;
    int Cote() const;
    QPoint Origine() const;
    void Peindre(int s, int colour);
    void Decrire();

    notation::Position m_Position = notation::Position::Empty();
    std::vector<int> m_Marques;
    int m_Couleur = 0;
    int m_Curseur = 22; // the front's centre
};

class EditeurCouleurs : public QDialog {
    Q_OBJECT

public:
    // Sets its cube up on `session`, as one step of `histoire`.
    EditeurCouleurs(QWidget* fenetre, ModeleSession& session, Historique& histoire);

    // Opens it on the cube as it stands, held white up and green in front.
    void Ouvrir();

    Patron* Net() const { return m_Patron; }
    // What the checks say now, one line each.
    QStringList Fautes() const;

private:
    void Verifier();
    void Choisir(int colour);

    ModeleSession& m_S;
    Historique& m_Histoire;
    Patron* m_Patron;
    QButtonGroup* m_Palette;
    QListWidget* m_Fautes;
    QPushButton* m_Poser;
};
