// The replay's widgets: a panel in a column of its own right of the drawn layout, which the window
// makes room for while a replay runs, so nothing covers the cube. It shows the part and its step,
// how to hold the cube, the next move in large letters with its words and count, the replay's
// buttons and its speed; and a frame round the button that makes the next move, outside the cube's
// picture. They show a CurseurRelecture; their buttons only ask (the signals), the replay decides.
#pragma once

#include <QObject>
#include <QPointer>

class CurseurRelecture;
class Disposition;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

class PanneauRelecture : public QObject {
    Q_OBJECT

public:
    // The column's width, in twips of the drawn layout.
    static constexpr int Largeur = 3300;

    // Beside `cube`, a child of `fenetre`, in the room `disposition` makes; a move interval of
    // `intervalle` ms shown on the slider.
    PanneauRelecture(QWidget& fenetre, QWidget* cube, Disposition& disposition, int intervalle);

    // The panel's fonts for its size, and the frame round the next move's button where it now is.
    void Placer();
    void Montrer(const CurseurRelecture& c);
    // Hides the panel and gives its room back.
    void Cacher();
    void MontrerLecture(bool enLecture);
    void MontrerIntervalle(int ms);
    // Whether `w` is one of the panel's widgets (clicks on them are the replay's own).
    bool Contient(const QWidget* w) const;

signals:
    void Debut();
    void Recule();
    void Lecture();
    void Avance();
    void Fin();
    void Quitter();
    void Intervalle(int ms);

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void CreerBoutons(int intervalle);
    void Encadrer(const QString& bouton);

    QWidget& m_Fenetre;
    QPointer<QWidget> m_Cube;
    Disposition& m_Disposition;
    QPointer<QFrame> m_Panneau;
    QLabel *m_Etape = nullptr, *m_Tenue = nullptr, *m_Nom = nullptr, *m_Mots = nullptr, *m_Compte = nullptr,
           *m_Vitesse = nullptr;
    QPushButton* m_Jouer = nullptr;
    QSlider* m_Curseurs = nullptr;
    QPointer<QWidget> m_Cadre;
    QString m_Bouton; // the button framed, while one is
};
