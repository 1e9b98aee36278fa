// Reading cube notation. The whole text is read before anything is played; the first fault ends the
// reading with its place, and no turn is returned.
#include "Notation.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cstdint>

namespace notation {

namespace {

using T = Turn;

// A move's quarter turns, one way and the other. A wide turn is its outer layer, then its slice;
// z is made of the whole-cube turns the window has (y' x y).
struct Letter {
    char32_t letter;
    std::array<T, 3> cw, ccw;
    int count;
};

constexpr Letter Letters[] = {
    {U'U', {T::HGH}, {T::HHD}, 1},
    {U'D', {T::HBD}, {T::HGB}, 1},
    {U'E', {T::HMD}, {T::HGM}, 1},
    {U'R', {T::VHD}, {T::VBD}, 1},
    {U'L', {T::VBG}, {T::VHG}, 1},
    {U'M', {T::VBM}, {T::VHM}, 1},
    {U'F', {T::TDF}, {T::TGF}, 1},
    {U'S', {T::TDM}, {T::TGM}, 1},
    {U'B', {T::TGA}, {T::TDA}, 1},
    {U'x', {T::Haut}, {T::Bas}, 1},
    {U'y', {T::Gauche}, {T::Droite}, 1},
    {U'z', {T::Droite, T::Haut, T::Gauche}, {T::Droite, T::Bas, T::Gauche}, 3},
    {U'u', {T::HGH, T::HGM}, {T::HHD, T::HMD}, 2},
    {U'd', {T::HBD, T::HMD}, {T::HGB, T::HGM}, 2},
    {U'r', {T::VHD, T::VHM}, {T::VBD, T::VBM}, 2},
    {U'l', {T::VBG, T::VBM}, {T::VHG, T::VHM}, 2},
    {U'f', {T::TDF, T::TDM}, {T::TGF, T::TGM}, 2},
    {U'b', {T::TGA, T::TGM}, {T::TDA, T::TDM}, 2},
};

const Letter* Find(char32_t c)
{
    for (const Letter& l : Letters)
        if (l.letter == c)
            return &l;
    return nullptr;
}

bool IsFace(char32_t c) { return c == U'U' || c == U'D' || c == U'L' || c == U'R' || c == U'F' || c == U'B'; }
bool IsPrime(char32_t c) { return c == U'\'' || c == U'\u2019' || c == U'\u2032'; }
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsBlank(char32_t c) { return c <= 0xFFFF ? QChar(char16_t(c)).isSpace() : false; }

QString Number(long long n) { return QLocale(QLocale::English).toString(n); }

// A character as a message shows it: itself, or its code where it would not show.
QString Show(char32_t c)
{
    // Beyond the basic plane (emoji, rare scripts) the window's font has no glyph: the code says it.
    if (c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF) || !QChar(char16_t(c)).isPrint())
        return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
    return QString::fromUcs4(&c, 1);
}

class Reader {
public:
    Reader(const QList<uint>& text, const Limits& limits) : c(text), limits(limits) {}

    bool Sequence(std::vector<T>& out, int depth)
    {
        for (;;) {
            Skip();
            if (i >= c.size())
                return true;
            const char32_t ch = c[i];
            if (ch == U')' || ch == U']' || ch == U',' || ch == U':')
                return true;
            const bool ok = ch == U'(' ? Group(out, depth) : ch == U'[' ? Bracket(out, depth) : Move(out);
            if (!ok)
                return false;
        }
    }

    // After the outermost sequence: what stopped it, if anything, has no opening to belong to.
    bool End()
    {
        if (i >= c.size())
            return true;
        const char32_t ch = c[i];
        if (ch == U')')
            return Fail(i, QCoreApplication::translate("notation", "')' has no '(' to close"));
        if (ch == U']')
            return Fail(i, QCoreApplication::translate("notation", "']' has no '[' to close"));
        return Fail(i, QCoreApplication::translate("notation", "'%1' belongs inside '[ ]'").arg(Show(ch)));
    }

    std::optional<Error> error;

private:
    void Skip()
    {
        while (i < c.size()) {
            if (IsBlank(c[i])) {
                ++i;
            } else if (c[i] == U'/' && i + 1 < c.size() && c[i + 1] == U'/') {
                while (i < c.size() && c[i] != U'\n')
                    ++i;
            } else {
                return;
            }
        }
    }

    bool Fail(qsizetype at, const QString& what)
    {
        int line = 1;
        qsizetype lineStart = 0;
        for (qsizetype k = 0; k < at && k < c.size(); ++k)
            if (c[k] == U'\n') {
                ++line;
                lineStart = k + 1;
            }
        const int column = static_cast<int>(at - lineStart) + 1;
        error = Error{line, column, QCoreApplication::translate("notation", "line %1, column %2: %3").arg(line).arg(column).arg(what), what};
        return false;
    }

    bool TooMany(qsizetype at)
    {
        return Fail(at, QCoreApplication::translate("notation", "the moves make more than %1 quarter turns").arg(Number(limits.turns)));
    }

    // Appends `part` `times` times, within the limit on quarter turns.
    bool Append(std::vector<T>& out, const std::vector<T>& part, long long times, qsizetype at)
    {
        if (part.empty())
            return true;
        const long long total = static_cast<long long>(out.size()) + static_cast<long long>(part.size()) * times;
        if (total > limits.turns)
            return TooMany(at);
        for (long long k = 0; k < times; ++k)
            out.insert(out.end(), part.begin(), part.end());
        return true;
    }

    bool Move(std::vector<T>& out)
    {
        const qsizetype start = i;
        const char32_t ch = c[i];
        const Letter* l = Find(ch);
        if (!l) {
            qsizetype end = i + 1;
            while (end < c.size() && (IsDigit(c[end]) || IsPrime(c[end]) || c[end] == U'w'))
                ++end;
            QString token;
            for (qsizetype k = i; k < end; ++k)
                token += Show(c[k]);
            return Fail(start, QCoreApplication::translate("notation", "'%1' is not a move").arg(token));
        }
        ++i;
        if (IsFace(ch) && i < c.size() && c[i] == U'w') {
            l = Find(ch - U'A' + U'a');
            ++i;
        }
        int times = 1;
        if (i < c.size() && c[i] == U'2') {
            times = 2;
            ++i;
        }
        bool prime = false;
        if (i < c.size() && IsPrime(c[i])) {
            prime = true;
            ++i;
        }
        const std::array<T, 3>& seq = prime ? l->ccw : l->cw;
        return Append(out, std::vector<T>(seq.begin(), seq.begin() + l->count), times, start);
    }

    // What may follow a closing bracket: a repeat count, then a prime that turns it all back.
    bool Suffix(std::vector<T>& out, std::vector<T> inner, qsizetype start)
    {
        const qsizetype save = i;
        Skip();
        long long times = 1;
        if (i < c.size() && IsDigit(c[i])) {
            const qsizetype at = i;
            times = 0;
            while (i < c.size() && IsDigit(c[i])) {
                times = std::min<long long>(times * 10 + (c[i] - U'0'), 1'000'000'000LL);
                ++i;
            }
            if (times == 0)
                return Fail(at, QCoreApplication::translate("notation", "a repeat count starts at 1"));
        } else {
            i = save;
        }
        if (i < c.size() && IsPrime(c[i])) {
            inner = Inverse(inner);
            ++i;
        }
        return Append(out, inner, times, start);
    }

    bool Deeper(int depth, qsizetype at)
    {
        if (depth < limits.depth)
            return true;
        return Fail(at, QCoreApplication::translate("notation", "more than %1 brackets inside one another").arg(limits.depth));
    }

    bool Group(std::vector<T>& out, int depth)
    {
        const qsizetype start = i++;
        if (!Deeper(depth, start))
            return false;
        std::vector<T> inner;
        if (!Sequence(inner, depth + 1))
            return false;
        if (i >= c.size())
            return Fail(start, QCoreApplication::translate("notation", "'(' is never closed"));
        if (c[i] != U')')
            return Fail(i, QCoreApplication::translate("notation", "'%1' where ')' should close the '('").arg(Show(c[i])));
        ++i;
        return Suffix(out, std::move(inner), start);
    }

    // [A, B] is A B A' B'; [A: B] is A B A'.
    bool Bracket(std::vector<T>& out, int depth)
    {
        const qsizetype start = i++;
        if (!Deeper(depth, start))
            return false;
        std::vector<T> a, b;
        if (!Sequence(a, depth + 1))
            return false;
        if (i >= c.size())
            return Fail(start, QCoreApplication::translate("notation", "'[' is never closed"));
        const char32_t sep = c[i];
        if (sep != U',' && sep != U':')
            return Fail(i, QCoreApplication::translate("notation", "'%1' where '[' needs ',' (a commutator) or ':' (a conjugate)").arg(Show(sep)));
        ++i;
        if (!Sequence(b, depth + 1))
            return false;
        if (i >= c.size())
            return Fail(start, QCoreApplication::translate("notation", "'[' is never closed"));
        if (c[i] != U']')
            return Fail(i, QCoreApplication::translate("notation", "'%1' where ']' should close the '['").arg(Show(c[i])));
        ++i;
        if (static_cast<long long>(a.size()) * 2 + static_cast<long long>(b.size()) * 2 > limits.turns)
            return TooMany(start);
        std::vector<T> whole = a;
        whole.insert(whole.end(), b.begin(), b.end());
        const std::vector<T> undoA = Inverse(a);
        whole.insert(whole.end(), undoA.begin(), undoA.end());
        if (sep == U',') {
            const std::vector<T> undoB = Inverse(b);
            whole.insert(whole.end(), undoB.begin(), undoB.end());
        }
        return Suffix(out, std::move(whole), start);
    }

    const QList<uint>& c;
    const Limits& limits;
    qsizetype i = 0;
};

} // namespace

Parsed Parse(QStringView text, const Limits& limits)
{
    Parsed p;
    if (text.size() > limits.length) {
        const QString what = QCoreApplication::translate("notation", "the text is longer than %1 characters").arg(Number(limits.length));
        p.error = Error{0, 0, what, what};
        return p;
    }
    const QList<uint> c = text.toUcs4();
    Reader r(c, limits);
    if (!r.Sequence(p.turns, 0) || !r.End()) {
        p.turns.clear();
        p.error = r.error;
    }
    return p;
}

} // namespace notation
