// All six faces at a glance: the cube unfolded beside the drawn layout, each face named, as the
// cube stands. The model reads the cube through the control; the widget shows it; the View menu's
// "All six faces" (remembered) shows it and makes room for it.
#pragma once

#include <QObject>
#include <QRectF>
#include <QWidget>

#include <array>
#include <cstdint>

class CUBEDriver;
class Disposition;
struct Contexte;
class QAction;

// The six faces position by position (0 top, 1 left, 2 front, 3 right, 4 back, 5 bottom), each as
// seen from outside, row by row: the top with its back edge up, the bottom with its front edge up,
// the sides with their top edge up.
using FacesVues = std::array<std::array<int16_t, 9>, 6>;

class FacesCube : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    static FacesVues Lire(CUBEDriver& d);
    // Reads the cube again; Change() when it is not what was shown.
    void Actualiser(CUBEDriver& d);
    const FacesVues& Faces() const { return m_Faces; }

signals:
    void Change();

private:
    FacesVues m_Faces{};
};

class VueFaces : public QWidget {
    Q_OBJECT

public:
    // Its place beside the drawn layout, in twips of the drawn size.
    static constexpr int Largeur = 3300, Hauteur = 2880, Haut = 1080;

    VueFaces(const FacesCube& modele, QWidget* parent);
    // Where a square is drawn, in the widget's coordinates.
    QRectF Carre(int position, int ligne, int colonne) const;
    // Where a face's name is written.
    QRectF Nom(int position) const;
    static QString NomDe(int position);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRectF Face(int position) const;
    const FacesCube& m_Modele;
};

class SixFaces : public QObject {
    Q_OBJECT

public:
    SixFaces(const Contexte& c, Disposition& d);

    // "All six faces" (objectName "SixFaces", checkable, remembered; off at first).
    QAction* Action() const { return m_Action; }
    void Montrer(bool oui);
    const FacesCube& Modele() const { return m_Modele; }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    const Contexte& m_C;
    Disposition& m_D;
    FacesCube m_Modele;
    VueFaces* m_Vue = nullptr;
    QAction* m_Action = nullptr;
};
