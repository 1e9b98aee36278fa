// The program's side of the stage tests. Until the session model answers for it, that is the
// window's own commands, on a window that is never shown, through the stages' adapter: every turn
// goes to the control by DISPID and writes its line to the window's log, exactly as in the program.
#include "surface_fixture.h"

#include "Merlo.h"
#include "Notation.h"
#include "PositionCube.h"
#include "SurfaceFenetre.h"

#include <QListWidget>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace solver_test {

class Programme {
public:
    Programme()
    {
        for (QRadioButton* b : w.findChildren<QRadioButton*>())
            if (b->isChecked())
                choisies.push_back(b);
    }
    // As a new window, for all the stages can see: the cube as it was made, the layers a new window
    // starts with, an empty log.
    void Remettre()
    {
        PoserPosition(w, notation::Position::Solved());
        for (QRadioButton* b : choisies)
            b->setChecked(true);
    }

    Merlo w;
    SurfaceFenetre surface{w};

private:
    std::vector<QRadioButton*> choisies;
};

namespace {

// Windows kept for the next fixture: making one costs more than most stage tests (its controls, the
// settings it writes), and Remettre() leaves one as good as new. They go at the end of the run,
// while the application still exists.
class Fenetres : public testing::Environment {
public:
    std::unique_ptr<Programme> Prendre()
    {
        if (m_Libres.empty())
            return std::make_unique<Programme>();
        std::unique_ptr<Programme> p = std::move(m_Libres.back());
        m_Libres.pop_back();
        p->Remettre();
        return p;
    }
    void Rendre(std::unique_ptr<Programme> p) { m_Libres.push_back(std::move(p)); }
    void TearDown() override { m_Libres.clear(); }

private:
    std::vector<std::unique_ptr<Programme>> m_Libres;
};

Fenetres* const fenetres = static_cast<Fenetres*>(testing::AddGlobalTestEnvironment(new Fenetres));

} // namespace

SurfaceFixture::SurfaceFixture() : m_P(fenetres->Prendre()) {}
SurfaceFixture::~SurfaceFixture() { fenetres->Rendre(std::move(m_P)); }

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
