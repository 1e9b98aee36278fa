// The program's side of the stage tests. Until the session model answers for it, that is the
// window's own commands, on a window that is never shown, through the stages' adapter: every turn
// goes to the control by DISPID and writes its line to the window's log, exactly as in the program.
#include "surface_fixture.h"

#include "Merlo.h"
#include "Notation.h"
#include "PositionCube.h"
#include "SurfaceFenetre.h"

#include <QListWidget>

#include <string>
#include <utility>

namespace solver_test {

struct SurfaceFixture::Programme {
    Merlo w;
    SurfaceFenetre surface{w};
};

SurfaceFixture::SurfaceFixture() : m_P(std::make_unique<Programme>()) {}
SurfaceFixture::~SurfaceFixture() = default;

SurfaceEtapes& SurfaceFixture::Surface() { return m_P->surface; }

QStringList SurfaceFixture::Log() const
{
    QStringList lines;
    const QListWidget* list = m_P->w.List1;
    lines.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

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
    // An arrow: its layer chosen, then its primitive, from the window's table of arrows.
    if (!notation::FromButton(QString::fromLatin1(name.data(), qsizetype(name.size()))))
        return false;
    m_P->w.Jouer(std::string(name).c_str());
    return true;
}

void SurfaceFixture::Scramble(uint64_t seed)
{
    m_P->w.SeedMelange(seed);
    m_P->w.Melange_Click();
}

void SurfaceFixture::SetPosition(const notation::Position& p) { PoserPosition(m_P->w, p); }

} // namespace solver_test
