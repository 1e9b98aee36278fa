#include "StageLoop.h"

#include "Resolveur.h"

#include <array>

void StageLoop::Stopped(Resolveur& r) { r.LimitReached(); }

bool StageLoop::Pass(const int16_t* carried, std::size_t count)
{
    if (m_Passes >= MaxPasses) {
        Stopped(m_R);
        return false;
    }
    ++m_Passes;

    // The whole state, by face number and by position, plus what the loop carries.
    std::array<int16_t, 6 * 9 + 6> cube{};
    SurfaceEtapes& s = m_R.Surface();
    for (int16_t f = 0; f < 6; ++f)
        s.GetFace(f, cube.data() + 9 * f);
    for (int16_t p = 0; p < 6; ++p)
        cube[6 * 9 + p] = s.WichFace(p);

    std::string key(reinterpret_cast<const char*>(cube.data()), sizeof(cube));
    if (carried && count)
        key.append(reinterpret_cast<const char*>(carried), count * sizeof(int16_t));
    if (!m_Seen.insert(std::move(key)).second) {
        Stopped(m_R);
        return false;
    }
    return true;
}

bool StageLoop::Turns::Turn()
{
    if (m_Count >= MaxTurns) {
        Stopped(m_R);
        return false;
    }
    ++m_Count;
    return true;
}
