// The program's side of the stage tests: the session model over the real control, with no window.
// Every turn goes to the control by DISPID and writes its line to the session's log, exactly as in
// the program.
#include "surface_fixture.h"

#include "Notation.h"
#include "PositionCube.h"
#include "session_support.h"

#include <string>
#include <utility>

namespace solver_test {

class Programme : public SessionSeule {};

SurfaceFixture::SurfaceFixture() : m_P(std::make_unique<Programme>()) {}
SurfaceFixture::~SurfaceFixture() = default;

SurfaceEtapes& SurfaceFixture::Surface() { return m_P->surface; }

QStringList SurfaceFixture::Log() const { return m_P->session.Lignes(); }

bool SurfaceFixture::Press(std::string_view name)
{
    using S = SurfaceEtapes;
    static const std::pair<std::string_view, void (S::*)()> commands[] = {
        {"Haut", &S::Haut_Click}, {"Bas", &S::Bas_Click}, {"Gauche", &S::Gauche_Click}, {"Droite", &S::Droite_Click},
        {"A", &S::A_Click},       {"B", &S::B_Click},     {"Ar", &S::Ar_Click},         {"CD", &S::CD_Click},
        {"CG", &S::CG_Click},     {"PA", &S::PA_Click},   {"PC", &S::PC_Click},
    };
    for (const auto& [n, command] : commands) {
        if (n == name) {
            (m_P->surface.*command)();
            return true;
        }
    }
    // An arrow: its layer chosen when it is not, then its primitive.
    const auto turn = notation::FromButton(QString::fromLatin1(name.data(), qsizetype(name.size())));
    if (!turn || *turn >= notation::Turn::Haut)
        return false;
    m_P->session.Jouer(*turn);
    return true;
}

void SurfaceFixture::Scramble(uint64_t seed)
{
    m_P->session.SeedMelange(seed);
    m_P->session.Melange_Click();
}

void SurfaceFixture::SetPosition(const notation::Position& p) { PoserPosition(m_P->session, p); }

} // namespace solver_test
