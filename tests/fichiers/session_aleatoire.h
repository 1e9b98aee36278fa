// Random sessions for the document's tests: a cube turned at random by the real control (layers and
// whole-cube turns, so held in any orientation), lines of every kind the window writes, marks of
// random runs of commands, and a counter, layers and chosen line to match.
#pragma once

#include "CUBECtl.h"
#include "EtatSession.h"
#include "Notation.h"

#include <random>

namespace fichierstest {

inline EtatCube CubeAleatoire(std::mt19937& rng)
{
    CCUBECtrl c;
    for (int i = int(rng() % 60); i > 0; --i) {
        const auto couche = int16_t(rng() % 3), sens = int16_t(rng() % 2);
        switch (rng() % 4) {
        case 0: c.MvtV(couche, sens, 1); break;
        case 1: c.MvtH(couche, sens, 1); break;
        case 2: c.MvtT(couche, sens, 1); break;
        default: c.AfficherFace(c.WichFace(int16_t(rng() % 6)));
        }
    }
    EtatCube e;
    for (int16_t p = 0; p < 6; ++p) {
        e.faceA[std::size_t(p)] = c.WichFace(p);
        c.GetFace(p, e.cases[std::size_t(p)].data());
    }
    e.faceVue = int16_t(rng() % 6);
    return e;
}

inline EtatSession SessionAleatoire(std::mt19937& rng, int lignesMax = 300)
{
    static const QString commandes[] = {"FaceH", "Melange", "Coller", "Court", "Ar", "Zone M"};
    EtatSession e;
    e.cube = CubeAleatoire(rng);
    const int n = int(rng() % std::uint32_t(lignesMax + 1));
    for (int i = 0; i < n;) {
        // A run of lines from one command, or lines of single turns.
        const bool marque = rng() % 2;
        const QString commande = marque ? commandes[rng() % 6] : QString();
        const qint64 serie = marque ? qint64(rng() % 1000) : 0;
        for (int k = int(rng() % 12) + 1; k > 0 && i < n; --k, ++i) {
            const auto t = notation::Turn(rng() % (notation::TurnCount + 1));
            QString texte = int(t) == notation::TurnCount ? QString::fromUtf16(notation::Separator)
                                                          : QString::fromUtf16(notation::Info(t).log);
            if (t >= notation::Turn::Haut && int(t) < notation::TurnCount)
                texte += QLatin1Char(' ') + QString::number(rng() % 6);
            e.lignes.push_back({texte, commande, serie});
        }
    }
    if (n > 0 || rng() % 2)
        e.compteur = n;
    e.couches = {int8_t(rng() % 3), int8_t(rng() % 3), int8_t(rng() % 3)};
    e.selection = int(rng() % std::uint32_t(n + 1)) - 1;
    return e;
}

} // namespace fichierstest
