// What the stage tests stand on: the real cube control, loaded from cube.ocx and called by its
// dispatch numbers, and the log kept as the program keeps it, reached through the stages' surface.
// Nothing here names the window: only surface_fixture.cpp knows what answers for the program.
#pragma once

#include "Position.h"
#include "SurfaceEtapes.h"

#include <QStringList>

#include <cstdint>
#include <memory>
#include <string_view>

namespace solver_test {

class Programme;

class SurfaceFixture {
public:
    // A solved cube, white on top and green in front, and an empty log.
    SurfaceFixture();
    ~SurfaceFixture();
    SurfaceFixture(const SurfaceFixture&) = delete;
    SurfaceFixture& operator=(const SurfaceFixture&) = delete;

    SurfaceEtapes& Surface();
    // The log's lines, oldest first.
    QStringList Log() const;

    // What a button that turns the cube does: an arrow ("VHD"), a whole-cube turn ("Gauche") or a
    // macro ("PA"). False for any other name.
    bool Press(std::string_view name);
    // "Melange", drawing from `seed`.
    void Scramble(uint64_t seed);
    // A position set up as a person enters it: white on top, green in front, the log empty.
    void SetPosition(const notation::Position& p);

private:
    std::unique_ptr<Programme> m_P;
};

} // namespace solver_test
