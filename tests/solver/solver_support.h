// What the solver tests share: the stages on a real cube with its log, run by their buttons' names
// without a window, and ways to look at the cube and the log.
#pragma once

#include "Resolveur.h"
#include "surface_fixture.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace solver_test {

class Cube {
public:
    Cube() : m_Stages(m_F.Surface()) {}

    Resolveur& Stages() { return m_Stages; }
    SurfaceEtapes& Surface() { return m_F.Surface(); }
    // How often a stage loop of these stages was stopped by its limit.
    int Limits() const { return m_Stages.LimitsReached(); }

    // A stage by its button's name ("IdM"), or a button that turns the cube ("VHD", "Gauche", "PA").
    void Press(std::string_view name)
    {
        static const std::pair<std::string_view, void (Resolveur::*)()> stages[] = {
            {"RangerHaut", &Resolveur::RangerHaut_Click}, {"IdM", &Resolveur::IdM_Click},
            {"IdC", &Resolveur::IdC_Click},               {"RangerM", &Resolveur::RangerM_Click},
            {"FaceB", &Resolveur::FaceB_Click},           {"UneFace", &Resolveur::UneFace_Click},
        };
        for (const auto& [n, stage] : stages) {
            if (n == name) {
                (m_Stages.*stage)();
                return;
            }
        }
        ASSERT_TRUE(m_F.Press(name)) << "no button " << name;
    }
    void Press(std::initializer_list<const char*> names)
    {
        for (const char* n : names)
            Press(n);
    }
    void Scramble(uint64_t seed) { m_F.Scramble(seed); }
    void SetPosition(const notation::Position& p) { m_F.SetPosition(p); }

    QStringList Log() const { return m_F.Log(); }
    int Lines() const { return int(m_F.Log().size()); }
    QStringList LogFrom(int first) const { return Log().mid(first); }

    int16_t Face(int16_t p) { return Surface().WichFace(p); }
    int16_t Rel(int16_t p, int16_t r, int16_t c) { return Surface().Relatif(Face(p), r, c); }
    std::array<int16_t, 9> Read(int16_t p)
    {
        std::array<int16_t, 9> c{};
        Surface().GetFace(Face(p), c.data());
        return c;
    }

    // The 54 colours by face number and the six positions: two equal snapshots are the same cube.
    std::array<int16_t, 60> Snapshot()
    {
        std::array<int16_t, 60> s{};
        for (int16_t f = 0; f < 6; ++f)
            Surface().GetFace(f, s.data() + 9 * f);
        for (int16_t p = 0; p < 6; ++p)
            s[54 + p] = Face(p);
        return s;
    }

    bool FaceOneColour(int16_t p)
    {
        const auto c = Read(p);
        for (int16_t v : c)
            if (v != c[4])
                return false;
        return true;
    }

    // The goals of the stages.
    bool TopOneColour() { return FaceOneColour(0); }
    bool TopEdgesOverCentres()
    {
        for (int16_t p = 1; p <= 4; ++p)
            if (Rel(p, 0, 1) != Rel(p, 1, 1))
                return false;
        return true;
    }
    bool TopLayerComplete()
    {
        if (!TopOneColour())
            return false;
        for (int16_t p = 1; p <= 4; ++p)
            for (int16_t j = 0; j < 3; ++j)
                if (Rel(p, 0, j) != Rel(p, 1, 1))
                    return false;
        return true;
    }
    // Every middle row one colour, and the middle layer lined up with the top layer at the right side.
    bool MiddleLayerComplete()
    {
        for (int16_t p = 1; p <= 4; ++p)
            for (int16_t j = 0; j < 3; ++j)
                if (Rel(p, 1, j) != Rel(p, 1, 1))
                    return false;
        return Rel(3, 0, 1) == Rel(3, 1, 1);
    }
    bool Solved()
    {
        for (int16_t p = 0; p < 6; ++p)
            if (!FaceOneColour(p))
                return false;
        return true;
    }

private:
    SurfaceFixture m_F;
    Resolveur m_Stages;
};

// Log lines as the program writes them, from move names: arrow buttons ("VHD"), "*" for the separator,
// and whole-cube turns written "<" (left), ">" (right), "^" (up), "v" (down) with the face number
// they bring to the front checked only by kind.
inline QString LayerLine(const std::string& m)
{
    const auto word = [](char axis, char l) -> QString {
        if (axis == 'V')
            return l == 'G' ? "Gauche" : l == 'D' ? "Droite" : "Milieu";
        if (axis == 'T')
            return l == 'F' ? "Front" : l == 'A' ? QString::fromUtf8("Arri\u00e8re") : "Milieu";
        return l == 'H' ? "Haut" : l == 'B' ? "Bas" : "Milieu";
    };
    if (m[0] == 'V')
        return "Vert " + word('V', m[2]) + (m[1] == 'H' ? " Haut" : " Bas");
    if (m[0] == 'T')
        return "Trans " + word('T', m[2]) + (m[1] == 'D' ? " Droite" : " Gauche");
    if (m[1] == 'G')
        return "Horiz " + word('H', m[2]) + " Gauche";
    return "Horiz " + word('H', m[1]) + " Droite";
}

// Macro sequences, in arrow notation.
inline const char* const SeqA = "VHD HGH HGH VBD HHD VHD HHD VBD *";
inline const char* const SeqB = "VHG HHD HHD VBG HGH VHG HGH VBG *";
inline const char* const SeqAr = "TDF HGH VHD HHD VBD TGF *";
inline const char* const SeqCD = "VBD HGB VBD HGB VBD HBD VHD HBD VHD *";
inline const char* const SeqCG = "VHD HBD VHD HBD VHD HGB VBD HGB VBD *";
inline const char* const SeqPA = "VBD HGH VBD HHD VBD HHD VBD HGH VHD HGH VHD VHD *";
inline const char* const SeqPC = "VBD TDF VBD TDA TDA VHD TGF VBD TDA TDA VHD VHD *";
inline const char* const SeqT1 = "VBD HHD HHD VHD HGH VBD HGH VHD *";
inline const char* const SeqT2 = "VBD HHD VHD HHD VBD HGH HGH VHD *";
inline const char* const SeqH1 = "VBD HGB VHD HGB TDF HGB HGB TGF";
inline const char* const SeqH2 = "VBD HGM VHD VHD HMD HMD VBD";

// Expected lines for a sequence of tokens; whole-cube turns become a prefix to match.
inline QStringList Expected(std::initializer_list<const char*> parts)
{
    QStringList out;
    for (const char* part : parts) {
        const QStringList tokens = QString::fromLatin1(part).split(' ', Qt::SkipEmptyParts);
        for (const QString& t : tokens) {
            if (t == "*")
                out << "*--------";
            else if (t == "<")
                out << "A gauche  ";
            else if (t == ">")
                out << "A droite  ";
            else if (t == "^")
                out << "En haut  ";
            else if (t == "v")
                out << "En bas  ";
            else
                out << LayerLine(t.toStdString());
        }
    }
    return out;
}

// Whole-cube lines are compared up to their face digit, which must be one digit 0 to 5.
inline ::testing::AssertionResult LogMatches(const QStringList& actual, const QStringList& expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "got " << actual.size() << " lines, expected " << expected.size()
                                             << "\n got: " << actual.join(" | ").toStdString()
                                             << "\n exp: " << expected.join(" | ").toStdString();
    for (int i = 0; i < actual.size(); ++i) {
        const QString& e = expected[i];
        const bool whole = e.endsWith("  ");
        const bool ok = whole ? actual[i].size() == e.size() + 1 && actual[i].startsWith(e) && actual[i].back() >= '0' &&
                                    actual[i].back() <= '5'
                              : actual[i] == e;
        if (!ok)
            return ::testing::AssertionFailure() << "line " << i << ": got \"" << actual[i].toStdString()
                                                 << "\", expected \"" << e.toStdString() << "\"";
    }
    return ::testing::AssertionSuccess();
}

inline bool IsLayerTurn(const QString& l)
{
    return l.startsWith("Trans ") || l.startsWith("Horiz ") || l.startsWith("Vert ");
}

} // namespace solver_test
