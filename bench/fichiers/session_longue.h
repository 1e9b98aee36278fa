// A long evening's session for the benchmarks: log lines written by stages, macros and scrambles in
// runs of thirteen, each run with its mark, the chosen line half-way.
#pragma once

#include "EtatSession.h"
#include "Notation.h"

#include <random>

inline EtatSession SessionLongue(int lignes)
{
    static const QString commandes[] = {"FaceH", "Arretes", "Coins", "Zone M", "Face B", "PA", "Melange"};
    std::mt19937 rng(3);
    EtatSession e;
    qint64 serie = 0;
    while (static_cast<int>(e.lignes.size()) < lignes) {
        const QString& c = commandes[rng() % std::size(commandes)];
        ++serie;
        for (int k = 0; k < 13 && static_cast<int>(e.lignes.size()) < lignes; ++k) {
            const auto t = static_cast<notation::Turn>(rng() % 18);
            e.lignes.push_back({QString::fromUtf16(notation::Info(t).log), c, serie});
        }
    }
    e.compteur = lignes;
    e.selection = lignes / 2;
    return e;
}
