// StageLoop: keeps every loop of a stage finite.
//
// A stage is deterministic: what a pass does depends only on the cube (its 54 colours and which face
// stands where) and on what the loop carries from one pass to the next. A pass that would start from a
// state an earlier pass of the same loop started from would therefore repeat forever, so the loop ends
// there; after MaxPasses passes it ends in any case. A run that ends by itself never repeats a state,
// so it is not affected. Each stop counts in Resolveur::LimitsReached().
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

class Resolveur;

class StageLoop {
public:
    static constexpr int MaxPasses = 1000;
    // Quarter turns a loop may make while waiting for a square to match: four bring it back.
    static constexpr int MaxTurns = 4;

    explicit StageLoop(Resolveur& r) : m_R(r) {}

    // Called at the start of each pass with what the loop carries into it. False when the loop must
    // end instead (the stop is already counted).
    bool Pass(const int16_t* carried = nullptr, std::size_t count = 0);

    // Guards a loop that turns one layer or the whole cube until a square matches.
    class Turns {
    public:
        explicit Turns(Resolveur& r) : m_R(r) {}
        // Called before each turn. False, with the stop counted, once MaxTurns turns found no match.
        bool Turn();

    private:
        Resolveur& m_R;
        int m_Count = 0;
    };

private:
    static void Stopped(Resolveur& r);

    Resolveur& m_R;
    int m_Passes = 0;
    std::unordered_set<std::string> m_Seen;
};
