// The window's 22 turns, their moves in cube notation and in words: one table for the parser, the
// writers, the window's menus and tooltips, and the replay.
#include "Notation.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace notation {

namespace {

using T = Turn;

constexpr TurnInfo Table[TurnCount] = {
    {"HHD", 'U', true, u"Horiz Haut Droite", T::HGH, 'H', 0, 1,
     QT_TRANSLATE_NOOP("notation", "top face, anticlockwise")},
    {"HGH", 'U', false, u"Horiz Haut Gauche", T::HHD, 'H', 0, 0,
     QT_TRANSLATE_NOOP("notation", "top face, clockwise")},
    {"HMD", 'E', false, u"Horiz Milieu Droite", T::HGM, 'H', 2, 1,
     QT_TRANSLATE_NOOP("notation", "middle layer, front to the right")},
    {"HGM", 'E', true, u"Horiz Milieu Gauche", T::HMD, 'H', 2, 0,
     QT_TRANSLATE_NOOP("notation", "middle layer, front to the left")},
    {"HBD", 'D', false, u"Horiz Bas Droite", T::HGB, 'H', 1, 1,
     QT_TRANSLATE_NOOP("notation", "bottom face, clockwise")},
    {"HGB", 'D', true, u"Horiz Bas Gauche", T::HBD, 'H', 1, 0,
     QT_TRANSLATE_NOOP("notation", "bottom face, anticlockwise")},
    {"VHG", 'L', true, u"Vert Gauche Haut", T::VBG, 'V', 0, 1,
     QT_TRANSLATE_NOOP("notation", "left face, anticlockwise")},
    {"VBG", 'L', false, u"Vert Gauche Bas", T::VHG, 'V', 0, 0,
     QT_TRANSLATE_NOOP("notation", "left face, clockwise")},
    {"VHM", 'M', true, u"Vert Milieu Haut", T::VBM, 'V', 2, 1,
     QT_TRANSLATE_NOOP("notation", "middle column, front up")},
    {"VBM", 'M', false, u"Vert Milieu Bas", T::VHM, 'V', 2, 0,
     QT_TRANSLATE_NOOP("notation", "middle column, front down")},
    {"VHD", 'R', false, u"Vert Droite Haut", T::VBD, 'V', 1, 1,
     QT_TRANSLATE_NOOP("notation", "right face, clockwise")},
    {"VBD", 'R', true, u"Vert Droite Bas", T::VHD, 'V', 1, 0,
     QT_TRANSLATE_NOOP("notation", "right face, anticlockwise")},
    {"TDF", 'F', false, u"Trans Front Droite", T::TGF, 'T', 0, 0,
     QT_TRANSLATE_NOOP("notation", "front face, clockwise")},
    {"TGF", 'F', true, u"Trans Front Gauche", T::TDF, 'T', 0, 1,
     QT_TRANSLATE_NOOP("notation", "front face, anticlockwise")},
    {"TDM", 'S', false, u"Trans Milieu Droite", T::TGM, 'T', 2, 0,
     QT_TRANSLATE_NOOP("notation", "middle slice, clockwise seen from the front")},
    {"TGM", 'S', true, u"Trans Milieu Gauche", T::TDM, 'T', 2, 1,
     QT_TRANSLATE_NOOP("notation", "middle slice, anticlockwise seen from the front")},
    {"TDA", 'B', true, u"Trans Arri\u00e8re Droite", T::TGA, 'T', 1, 0,
     QT_TRANSLATE_NOOP("notation", "back face, anticlockwise")},
    {"TGA", 'B', false, u"Trans Arri\u00e8re Gauche", T::TDA, 'T', 1, 1,
     QT_TRANSLATE_NOOP("notation", "back face, clockwise")},
    {"Haut", 'x', false, u"En haut ", T::Bas, 'C', 5, 0,
     QT_TRANSLATE_NOOP("notation", "whole cube, front to the top")},
    {"Bas", 'x', true, u"En bas ", T::Haut, 'C', 0, 0,
     QT_TRANSLATE_NOOP("notation", "whole cube, front to the bottom")},
    {"Gauche", 'y', false, u"A gauche ", T::Droite, 'C', 3, 0,
     QT_TRANSLATE_NOOP("notation", "whole cube, front to the left")},
    {"Droite", 'y', true, u"A droite ", T::Gauche, 'C', 1, 0,
     QT_TRANSLATE_NOOP("notation", "whole cube, front to the right")},
};

bool IsCubeTurn(Turn t) { return t >= T::Haut; }

} // namespace

const TurnInfo& Info(Turn t) { return Table[static_cast<int>(t)]; }

QString Words(Turn t) { return QCoreApplication::translate("notation", Info(t).words); }

QString Words(const Move& m)
{
    // By the move's letter; a slice as the face its letter follows.
    static constexpr struct {
        char letter;
        const char* words;
    } HalfTurns[] = {
        {'U', QT_TRANSLATE_NOOP("notation", "top face, half turn")},
        {'E', QT_TRANSLATE_NOOP("notation", "middle layer, half turn")},
        {'D', QT_TRANSLATE_NOOP("notation", "bottom face, half turn")},
        {'L', QT_TRANSLATE_NOOP("notation", "left face, half turn")},
        {'M', QT_TRANSLATE_NOOP("notation", "middle column, half turn")},
        {'R', QT_TRANSLATE_NOOP("notation", "right face, half turn")},
        {'F', QT_TRANSLATE_NOOP("notation", "front face, half turn")},
        {'S', QT_TRANSLATE_NOOP("notation", "middle slice, half turn")},
        {'B', QT_TRANSLATE_NOOP("notation", "back face, half turn")},
    };
    if (m.count == 2)
        for (const auto& h : HalfTurns)
            if (h.letter == Info(m.turn).letter)
                return QCoreApplication::translate("notation", h.words);
    return Words(m.turn);
}

QString Name(Turn t)
{
    const TurnInfo& i = Info(t);
    QString n{QLatin1Char(i.letter)};
    if (i.prime)
        n += QLatin1Char('\'');
    return n;
}

Turn Inverse(Turn t) { return Info(t).inverse; }

std::optional<Turn> FromButton(QStringView name)
{
    for (int k = 0; k < TurnCount; ++k)
        if (name == QLatin1String(Table[k].button))
            return static_cast<Turn>(k);
    return std::nullopt;
}

std::optional<Turn> FromLayer(char axis, int layer, int direction)
{
    if (axis == 'C')
        return std::nullopt;
    for (int k = 0; k < TurnCount; ++k)
        if (Table[k].axis == axis && Table[k].layer == layer && Table[k].direction == direction)
            return static_cast<Turn>(k);
    return std::nullopt;
}

std::vector<Turn> Inverse(const std::vector<Turn>& turns)
{
    std::vector<Turn> r(turns.rbegin(), turns.rend());
    std::transform(r.begin(), r.end(), r.begin(), [](Turn t) { return Inverse(t); });
    return r;
}

std::optional<Turn> FromLog(QStringView line)
{
    for (int k = 0; k < TurnCount; ++k) {
        const Turn t = static_cast<Turn>(k);
        const QStringView log(Info(t).log);
        // A whole-cube turn ends with the number of the face it brought forward, which names no move.
        if (IsCubeTurn(t) ? line.startsWith(log) : line == log)
            return t;
    }
    return std::nullopt;
}

bool IsLogLine(QStringView line)
{
    if (line == QStringView(Separator))
        return true;
    const auto t = FromLog(line);
    if (!t || !IsCubeTurn(*t))
        return t.has_value();
    const qsizetype n = QStringView(Info(*t).log).size();
    return line.size() == n + 2 && line[n] == u' ' && line[n + 1] >= u'0' && line[n + 1] <= u'5';
}

QString WriteLog(const QStringList& lines)
{
    std::vector<Turn> turns;
    for (const QString& l : lines)
        if (const auto t = FromLog(l))
            turns.push_back(*t);
    QStringList moves;
    for (std::size_t i = 0; i < turns.size(); ++i) {
        const TurnInfo& info = Info(turns[i]);
        if (i + 1 < turns.size() && turns[i + 1] == turns[i]) {
            // Two of one quarter turn: a half turn, written so that it reads back as the same two.
            moves << QString(QLatin1Char(info.letter)) + (info.prime ? QStringLiteral("2'") : QStringLiteral("2"));
            ++i;
        } else {
            moves << Name(turns[i]);
        }
    }
    return moves.join(QLatin1Char(' '));
}

} // namespace notation
