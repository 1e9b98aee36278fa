#include "JouerNotation.h"

#include "ModeleSession.h"

#include <QElapsedTimer>

namespace {

// Long enough to play a few hundred turns at a time, short enough that the window never seems stuck.
constexpr int TrancheMs = 30;

} // namespace

void JouerTours(ModeleSession& session, const std::vector<notation::Turn>& tours, const std::function<void()>& ceder)
{
    QElapsedTimer tranche;
    tranche.start();
    for (const notation::Turn t : tours) {
        session.Jouer(t);
        if (ceder && tranche.elapsed() >= TrancheMs) {
            ceder();
            tranche.restart();
        }
    }
}
