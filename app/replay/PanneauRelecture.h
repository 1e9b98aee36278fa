// The replay's widgets over the cube: the next move in large letters with its words and count,
// a bar along the cube's lower edge with where the replay stands, its buttons and its speed, and a
// frame over the button that makes the next move. They show a CurseurRelecture; their buttons
// only ask (the signals), the replay decides.
#pragma once

#include <QObject>
#include <QPointer>

class CurseurRelecture;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

class PanneauRelecture : public QObject {
    Q_OBJECT

public:
    // Over `cube`, a child of `fenetre`; a move interval of `intervalle` ms shown on the slider.
    PanneauRelecture(QWidget& fenetre, QWidget* cube, int intervalle);

    // Fits the panel to the cube's place and size.
    void Placer();
    void Montrer(const CurseurRelecture& c);
    void Cacher();
    void MontrerLecture(bool enLecture);
    void MontrerIntervalle(int ms);
    // Whether `w` is one of the panel's widgets (clicks on them are the replay's own).
    bool Contient(const QWidget* w) const;
    QWidget* Barre() const;

signals:
    void Debut();
    void Recule();
    void Lecture();
    void Avance();
    void Fin();
    void Quitter();
    void Intervalle(int ms);

private:
    void CreerBarre(const QString& fond, int intervalle);
    void PlacerBarre();

    QWidget& m_Fenetre;
    QPointer<QWidget> m_Cube;
    QPointer<QFrame> m_Prochain, m_Barre;
    QLabel *m_Nom = nullptr, *m_Mots = nullptr, *m_Compte = nullptr, *m_Etape = nullptr, *m_Vitesse = nullptr;
    QPushButton* m_Jouer = nullptr;
    QSlider* m_Curseurs = nullptr;
    QPointer<QWidget> m_Cadre;
};
