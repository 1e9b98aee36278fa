#include "Cubie.h"

#include <bit>
#include <numeric>

namespace shortsolve::detail {

namespace {

// The six quarter turns, U R F D L B: which piece each place takes, and how it comes turned.
Cubie Quarter(int face)
{
    static constexpr int8_t cp[6][8] = {
        {3, 0, 1, 2, 4, 5, 6, 7}, {4, 1, 2, 0, 7, 5, 6, 3}, {1, 5, 2, 3, 0, 4, 6, 7},
        {0, 1, 2, 3, 5, 6, 7, 4}, {0, 2, 6, 3, 4, 1, 5, 7}, {0, 1, 3, 7, 4, 5, 2, 6},
    };
    static constexpr int8_t co[6][8] = {
        {0, 0, 0, 0, 0, 0, 0, 0}, {2, 0, 0, 1, 1, 0, 0, 2}, {1, 2, 0, 0, 2, 1, 0, 0},
        {0, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 2, 0, 0, 2, 1, 0}, {0, 0, 1, 2, 0, 0, 2, 1},
    };
    static constexpr int8_t ep[6][12] = {
        {3, 0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}, {8, 1, 2, 3, 11, 5, 6, 7, 4, 9, 10, 0},
        {0, 9, 2, 3, 4, 8, 6, 7, 1, 5, 10, 11}, {0, 1, 2, 3, 5, 6, 7, 4, 8, 9, 10, 11},
        {0, 1, 10, 3, 4, 5, 9, 7, 8, 2, 6, 11}, {0, 1, 2, 11, 4, 5, 6, 10, 8, 9, 3, 7},
    };
    static constexpr int8_t eo[6][12] = {
        {0}, {0}, {0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0}, {0}, {0}, {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1},
    };
    Cubie c;
    for (int i = 0; i < 8; ++i)
        c.cp[i] = cp[face][i], c.co[i] = co[face][i];
    for (int i = 0; i < 12; ++i)
        c.ep[i] = ep[face][i], c.eo[i] = eo[face][i];
    return c;
}

constexpr int Factorial(int n) { return n <= 1 ? 1 : n * Factorial(n - 1); }

// n choose k for n up to 12, from a table: the search ranks sets of places at every leaf.
int Choose(int n, int k)
{
    static constexpr auto table = [] {
        std::array<std::array<int, 13>, 13> t{};
        for (int a = 0; a <= 12; ++a)
            for (int b = 0; b <= a; ++b)
                t[a][b] = b == 0 ? 1 : t[a - 1][b - 1] + (b <= a - 1 ? t[a - 1][b] : 0);
        return t;
    }();
    return k < 0 || k > n ? 0 : table[std::size_t(n)][std::size_t(k)];
}

// How many of the (at most 12) pieces in a set of places are there.
int Bits(unsigned v)
{
    static constexpr auto count = [] {
        std::array<uint8_t, 256> c{};
        for (int i = 0; i < 256; ++i)
            c[i] = uint8_t(std::popcount(unsigned(i)));
        return c;
    }();
    return count[v & 255] + count[v >> 8 & 255];
}

// The rank of an order of the pieces `first` to `first` + N - 1: each piece counts the smaller ones
// after it, which are the smaller ones less those already seen.
template <std::size_t N>
int Lehmer(const int8_t* p, int first = 0)
{
    int v = 0;
    unsigned seen = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const unsigned bit = 1u << p[i];
        v = v * int(N - i) + p[i] - first - Bits(seen & (bit - 1));
        seen |= bit;
    }
    return v;
}

template <std::size_t N>
void Unlehmer(int v, int8_t* p, int8_t first)
{
    std::array<int8_t, N> left;
    std::iota(left.begin(), left.end(), first);
    int n = N;
    for (std::size_t i = 0; i < N; ++i) {
        const int f = Factorial(int(N - 1 - i));
        const int k = v / f;
        v %= f;
        p[i] = left[k];
        for (int j = k; j + 1 < n; ++j)
            left[j] = left[j + 1];
        --n;
    }
}

} // namespace

const int SliceHome = 0;

Cubie Cubie::Solved()
{
    Cubie c;
    std::iota(c.cp.begin(), c.cp.end(), int8_t(0));
    std::iota(c.ep.begin(), c.ep.end(), int8_t(0));
    c.co.fill(0);
    c.eo.fill(0);
    return c;
}

Cubie Cubie::Then(const Cubie& b) const
{
    Cubie r;
    for (int i = 0; i < 8; ++i) {
        r.cp[i] = cp[b.cp[i]];
        r.co[i] = int8_t((co[b.cp[i]] + b.co[i]) % 3);
    }
    for (int i = 0; i < 12; ++i) {
        r.ep[i] = ep[b.ep[i]];
        r.eo[i] = int8_t((eo[b.ep[i]] + b.eo[i]) % 2);
    }
    return r;
}

Cubie Cubie::Inverse() const
{
    Cubie r;
    for (int i = 0; i < 8; ++i) {
        r.cp[cp[i]] = int8_t(i);
        r.co[cp[i]] = int8_t((3 - co[i]) % 3);
    }
    for (int i = 0; i < 12; ++i) {
        r.ep[ep[i]] = int8_t(i);
        r.eo[ep[i]] = eo[i];
    }
    return r;
}

Cubie FromPieces(const notation::Pieces& p) { return {p.corner, p.twist, p.edge, p.flip}; }
notation::Pieces ToPieces(const Cubie& c) { return {c.cp, c.co, c.ep, c.eo}; }

const std::array<Cubie, 18>& MoveCubes()
{
    static const std::array<Cubie, 18> moves = [] {
        std::array<Cubie, 18> m;
        for (int f = 0; f < 6; ++f) {
            const Cubie q = Quarter(f);
            m[3 * f] = q;
            m[3 * f + 1] = q.Then(q);
            m[3 * f + 2] = m[3 * f + 1].Then(q);
        }
        return m;
    }();
    return moves;
}

const Cubie& TurnURF()
{
    static const Cubie s{{0, 4, 5, 1, 3, 7, 6, 2}, {1, 2, 1, 2, 2, 1, 2, 1},
                         {1, 8, 5, 9, 3, 11, 7, 10, 0, 4, 6, 2}, {1, 0, 1, 0, 1, 0, 1, 0, 1, 1, 1, 1}};
    return s;
}

int Twist(const Cubie& c)
{
    int v = 0;
    for (int i = 0; i < 7; ++i)
        v = 3 * v + c.co[i];
    return v;
}

int Flip(const Cubie& c)
{
    int v = 0;
    for (int i = 0; i < 11; ++i)
        v = 2 * v + c.eo[i];
    return v;
}

int Slice(const Cubie& c)
{
    int v = 0, x = 0;
    for (int j = 11; j >= 0; --j)
        if (c.ep[j] >= 8)
            v += Choose(11 - j, ++x);
    return v;
}

int CornerPerm(const Cubie& c) { return Lehmer<8>(c.cp.data()); }
int EdgePerm8(const Cubie& c) { return Lehmer<8>(c.ep.data()); }
int SlicePerm(const Cubie& c) { return Lehmer<4>(c.ep.data() + 8, 8); }
int Order8(const int8_t* p) { return Lehmer<8>(p); }
int Order4(const int8_t* p) { return Lehmer<4>(p, 8); }

void SetTwist(Cubie& c, int v)
{
    int sum = 0;
    for (int i = 6; i >= 0; --i) {
        c.co[i] = int8_t(v % 3);
        sum += v % 3;
        v /= 3;
    }
    c.co[7] = int8_t((3 - sum % 3) % 3);
}

void SetFlip(Cubie& c, int v)
{
    int sum = 0;
    for (int i = 10; i >= 0; --i) {
        c.eo[i] = int8_t(v % 2);
        sum += v % 2;
        v /= 2;
    }
    c.eo[11] = int8_t(sum % 2);
}

void SetSlice(Cubie& c, int v)
{
    // The inverse of Slice(): from the highest place down, a middle edge wherever the count allows.
    std::array<bool, 12> middle{};
    int x = 4;
    for (int j = 0; j < 12 && x > 0; ++j) {
        const int k = Choose(11 - j, x);
        if (v >= k) {
            middle[j] = true;
            v -= k;
            --x;
        }
    }
    int8_t m = 8, o = 0;
    for (int j = 0; j < 12; ++j)
        c.ep[j] = middle[j] ? m++ : o++;
}

void SetCornerPerm(Cubie& c, int v) { Unlehmer<8>(v, c.cp.data(), 0); }
void SetEdgePerm8(Cubie& c, int v) { Unlehmer<8>(v, c.ep.data(), 0); }
void SetSlicePerm(Cubie& c, int v) { Unlehmer<4>(v, c.ep.data() + 8, 8); }

namespace {
// Which four of the first eight places hold the pieces 0 to 3 (the top layer's), in any order.
int Comb(const int8_t* p)
{
    int v = 0, x = 0;
    for (int j = 7; j >= 0; --j)
        if (p[j] < 4)
            v += Choose(7 - j, ++x);
    return v;
}

void SetComb(int8_t* p, int v)
{
    std::array<bool, 8> top{};
    int x = 4;
    for (int j = 0; j < 8 && x > 0; ++j) {
        const int k = Choose(7 - j, x);
        if (v >= k) {
            top[j] = true;
            v -= k;
            --x;
        }
    }
    int8_t t = 0, o = 4;
    for (int j = 0; j < 8; ++j)
        p[j] = top[j] ? t++ : o++;
}
} // namespace

int CombOf(const int8_t* p) { return Comb(p); }
int CornerComb(const Cubie& c) { return Comb(c.cp.data()); }
int EdgeComb(const Cubie& c) { return Comb(c.ep.data()); }
void SetCornerComb(Cubie& c, int v) { SetComb(c.cp.data(), v); }
void SetEdgeComb(Cubie& c, int v) { SetComb(c.ep.data(), v); }
const int CombHome = CornerComb(Cubie::Solved());

namespace {

// A quarter turn of the whole cube about the U-D axis, as U turns.
Cubie TurnY()
{
    Cubie y = MoveCubes()[0].Then(MoveCubes()[11]);
    y.ep[8] = 11, y.ep[9] = 8, y.ep[10] = 9, y.ep[11] = 10;
    for (int i = 8; i < 12; ++i)
        y.eo[i] = 1;
    return y;
}

// A half turn about the F-B axis.
const Cubie& TurnZ2()
{
    static const Cubie z{{5, 4, 7, 6, 1, 0, 3, 2}, {0, 0, 0, 0, 0, 0, 0, 0},
                         {6, 5, 4, 7, 2, 1, 0, 3, 9, 8, 11, 10}, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    return z;
}

// The cube seen in a mirror between left and right: places and pieces swap, twists turn the other way.
Cubie Mirror(const Cubie& x)
{
    static constexpr int8_t c[8] = {1, 0, 3, 2, 5, 4, 7, 6};
    static constexpr int8_t e[12] = {2, 1, 0, 3, 6, 5, 4, 7, 9, 8, 11, 10};
    Cubie r;
    for (int i = 0; i < 8; ++i) {
        r.cp[i] = c[x.cp[c[i]]];
        r.co[i] = int8_t((3 - x.co[c[i]]) % 3);
    }
    for (int i = 0; i < 12; ++i) {
        r.ep[i] = e[x.ep[e[i]]];
        r.eo[i] = x.eo[e[i]];
    }
    return r;
}

} // namespace

Cubie Symmetric(const Cubie& x, int s)
{
    // The turns of symmetry s, and their inverse, made once: a conjugation is then two products.
    // Symmetry s turns a quarter turn about U-D (s & 3) times, then a half turn about F-B (s & 4).
    static const auto turns = [] {
        std::array<std::pair<Cubie, Cubie>, 8> t;
        for (int k = 0; k < 8; ++k) {
            Cubie after = Cubie::Solved();
            for (int q = 0; q < (k & 3); ++q)
                after = after.Then(TurnY());
            if (k & 4)
                after = after.Then(TurnZ2());
            t[k] = {after.Inverse(), after};
        }
        return t;
    }();
    const auto& [before, after] = turns[s & 7];
    const Cubie r = before.Then(x).Then(after);
    return s & 8 ? Mirror(r) : r;
}

const std::array<int8_t, Syms>& UndoSym()
{
    static const std::array<int8_t, Syms> undo = [] {
        std::array<int8_t, Syms> u{};
        Cubie probe = Cubie::Solved();
        for (Move m : {0, 4, 7, 10, 14, 17, 2, 5})
            probe = probe.Then(MoveCubes()[m]);
        for (int s = 0; s < Syms; ++s)
            for (int v = 0; v < Syms; ++v)
                if (Symmetric(Symmetric(probe, s), v) == probe)
                    u[s] = int8_t(v);
        return u;
    }();
    return undo;
}

} // namespace shortsolve::detail
