#include "JouerNotation.h"

#include "Merlo.h"

#include <QElapsedTimer>
#include <QListWidget>

#include <iterator>

namespace {

// In the order of notation::Turn: the arrow buttons, then the whole-cube buttons.
constexpr void (Merlo::*Commandes[])() = {
    &Merlo::HHD_Click, &Merlo::HGH_Click, &Merlo::HMD_Click, &Merlo::HGM_Click, &Merlo::HBD_Click, &Merlo::HGB_Click,
    &Merlo::VHG_Click, &Merlo::VBG_Click, &Merlo::VHM_Click, &Merlo::VBM_Click, &Merlo::VHD_Click, &Merlo::VBD_Click,
    &Merlo::TDF_Click, &Merlo::TGF_Click, &Merlo::TDM_Click, &Merlo::TGM_Click, &Merlo::TDA_Click, &Merlo::TGA_Click,
    &Merlo::Haut_Click, &Merlo::Bas_Click, &Merlo::Gauche_Click, &Merlo::Droite_Click,
};
static_assert(std::size(Commandes) == notation::TurnCount);

// Long enough to play a few hundred turns at a time, short enough that the window never seems stuck.
constexpr int TrancheMs = 30;

} // namespace

void JouerTours(Merlo& w, const std::vector<notation::Turn>& tours)
{
    QElapsedTimer tranche;
    tranche.start();
    for (const notation::Turn t : tours) {
        (w.*Commandes[static_cast<int>(t)])();
        if (tranche.elapsed() >= TrancheMs) {
            w.DoEvents();
            tranche.restart();
        }
    }
}

QStringList LignesJournal(const Merlo& w)
{
    QStringList lignes;
    lignes.reserve(w.List1->count());
    for (int i = 0; i < w.List1->count(); ++i)
        lignes << w.List1->item(i)->text();
    return lignes;
}
