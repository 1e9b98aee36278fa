#include "GuideEtapes.h"

#include "Avis.h"
#include "Historique.h"
#include "Merlo.h"
#include "PositionCube.h"
#include "Resolveur.h"

#include <QListWidget>
#include <QPushButton>

GuideEtapes::GuideEtapes(Merlo& w, Avis& avis) : QObject(&w), m_W(w), m_Avis(avis)
{
    const struct {
        QPushButton* bouton;
        Etape etape;
        void (Resolveur::*lancer)();
    } etapes[] = {
        {w.RangerHaut, Etape::FaceH, &Resolveur::RangerHaut_Click}, {w.IdM, Etape::Arretes, &Resolveur::IdM_Click},
        {w.IdC, Etape::Coins, &Resolveur::IdC_Click},               {w.RangerM, Etape::ZoneM, &Resolveur::RangerM_Click},
        {w.FaceB, Etape::FaceB, &Resolveur::FaceB_Click},           {w.UneFace, Etape::T, &Resolveur::UneFace_Click},
    };
    for (const auto& e : etapes) {
        // The button runs its stage through here, with a look before and after: one step of Undo,
        // its lines marked with the stage's caption.
        connect(e.bouton, &QPushButton::clicked, this, [this, etape = e.etape, lancer = e.lancer, nom = e.bouton->text()] {
            m_W.Histoire().Executer(nom, nom, [&] { Lancer(etape, lancer); });
        });
    }
}

Avancement GuideEtapes::Lire()
{
    CUBEDriver& c = m_W.CUBE();
    const auto rel = [&](int16_t p, int16_t r, int16_t col) { return c.Relatif(c.WichFace(p), r, col); };
    Avancement a;
    std::array<int16_t, 9> haut{};
    c.GetFace(c.WichFace(0), haut.data());
    for (int16_t v : haut)
        a.fautesHaut += v != haut[4];
    a.faceHaut = a.fautesHaut == 0;
    a.aretes = a.milieu = true;
    bool rangHaut = true;
    for (int16_t p = 1; p <= 4; ++p) {
        const int16_t centre = rel(p, 1, 1);
        a.aretes = a.aretes && rel(p, 0, 1) == centre;
        for (int16_t j = 0; j < 3; ++j) {
            rangHaut = rangHaut && rel(p, 0, j) == centre;
            a.milieu = a.milieu && rel(p, 1, j) == centre;
        }
    }
    a.couronne = a.faceHaut && rangHaut;
    a.resolu = true;
    for (int16_t p = 0; p < 6; ++p) {
        std::array<int16_t, 9> f{};
        c.GetFace(c.WichFace(p), f.data());
        for (int16_t v : f)
            a.resolu = a.resolu && v == f[4];
    }
    return a;
}

void GuideEtapes::Lancer(Etape e, void (Resolveur::*etape)())
{
    const Avancement avant = Lire();
    const int lignes = m_W.List1->count();
    const notation::Position cube = LirePosition(m_W);
    (m_W.Etapes().*etape)();
    if (m_W.List1->count() != lignes || !(LirePosition(m_W) == cube))
        return;
    const QString conseil = Conseil(e, avant);
    if (!conseil.isEmpty())
        m_Avis.Montrer(conseil);
}
