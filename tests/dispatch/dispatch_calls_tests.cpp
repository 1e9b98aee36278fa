// Every member of _DCUBE called through Invoke does what the control's own method does.
#include "dispatch_support.h"

#include "CUBECtl.h"

#include <random>

using namespace dispatch_test;

namespace {

class DispatchCalls : public ControlTest {};

int16_t Short(const CallResult& r)
{
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.vt, VT_I2);
    return r.value.iVal;
}

int16_t WichFace(IDispatch* d, int16_t p) { return Short(Call(d, 7, DISPATCH_METHOD, {I2(p)})); }
int16_t Relatif(IDispatch* d, int16_t f, int16_t r, int16_t c)
{
    return Short(Call(d, 21, DISPATCH_PROPERTYGET, {I2(f), I2(r), I2(c)}));
}
std::array<int16_t, 9> GetFace(IDispatch* d, int16_t f)
{
    std::array<int16_t, 9> squares{};
    EXPECT_EQ(Call(d, 9, DISPATCH_METHOD, {I2(f), I2Ref(squares.data())}).hr, S_OK);
    return squares;
}

TEST_F(DispatchCalls, NewControlHoldsTheInitialCube)
{
    for (int16_t f = 0; f < 6; ++f)
        for (int16_t s = 0; s < 9; ++s)
            EXPECT_EQ(Short(Call(disp, 16, DISPATCH_METHOD, {I2(f), I2(s)})), f) << f << "/" << s;
    for (int16_t p = 0; p < 6; ++p)
        EXPECT_EQ(WichFace(disp, p), p);
    EXPECT_EQ(WichFace(disp, 6), -1);
    EXPECT_EQ(WichFace(disp, -1), -1);
    for (int16_t f = 0; f < 6; ++f)
        for (int16_t r = 0; r < 3; ++r)
            for (int16_t c = 0; c < 3; ++c)
                EXPECT_EQ(Relatif(disp, f, r, c), f);
}

TEST_F(DispatchCalls, MvtVCarriesTheTopColumnToTheFront)
{
    ASSERT_EQ(Call(disp, 10, DISPATCH_METHOD, {I2(0), I2(0), I2(1)}).hr, S_OK);
    const auto front = GetFace(disp, 2);
    for (int k : {0, 3, 6})
        EXPECT_EQ(front[k], 0);
    for (int k : {1, 2, 4, 5, 7, 8})
        EXPECT_EQ(front[k], 2);
    // Four quarter turns, or a turn and its inverse, give the cube back.
    const CubeState turned = StateOf(disp);
    ASSERT_EQ(Call(disp, 10, DISPATCH_METHOD, {I2(0), I2(1), I2(1)}).hr, S_OK);
    const CubeState back = StateOf(disp);
    ASSERT_EQ(Call(disp, 10, DISPATCH_METHOD, {I2(0), I2(0), I2(4)}).hr, S_OK);
    EXPECT_EQ(StateOf(disp), back);
    EXPECT_NE(turned, back);
    for (int16_t f = 0; f < 6; ++f)
        EXPECT_EQ(GetFace(disp, f), (std::array<int16_t, 9>{f, f, f, f, f, f, f, f, f}));
}

TEST_F(DispatchCalls, MvtHMovesTheRightColourToTheFrontTopRow)
{
    ASSERT_EQ(Call(disp, 11, DISPATCH_METHOD, {I2(0), I2(0), I2(1)}).hr, S_OK);
    for (int16_t c = 0; c < 3; ++c)
        EXPECT_EQ(Relatif(disp, WichFace(disp, 2), 0, c), 3);
    for (int16_t p = 0; p < 6; ++p)
        EXPECT_EQ(WichFace(disp, p), p) << "a layer turn leaves the positions";
}

TEST_F(DispatchCalls, PlacerFaceAndAfficherFaceTurnTheWholeCube)
{
    for (DISPID id : {4, 6}) {
        ASSERT_EQ(Call(disp, 2, DISPATCH_METHOD, {}).hr, S_OK);
        for (int16_t p = 0; p < 6; ++p)
            Call(disp, 15, DISPATCH_METHOD, {I2(p), I2(p)});
        ASSERT_EQ(Call(disp, id, DISPATCH_METHOD, {I2(WichFace(disp, 0))}).hr, S_OK);
        const int16_t expected[6] = {4, 1, 0, 3, 5, 2};
        for (int16_t p = 0; p < 6; ++p)
            EXPECT_EQ(WichFace(disp, p), expected[p]) << "DISPID " << id << " position " << p;
    }
}

TEST_F(DispatchCalls, SetFaceThenGetFaceGivesTheValuesBack)
{
    std::array<int16_t, 9> values{0, 1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(Call(disp, 8, DISPATCH_METHOD, {I2(4), I2Ref(values.data())}).hr, S_OK);
    EXPECT_EQ(GetFace(disp, 4), values);
    EXPECT_EQ(Relatif(disp, 4, 0, 0), 8);
    EXPECT_EQ(Relatif(disp, 4, 1, 1), 4);
    EXPECT_EQ(Relatif(disp, 4, 2, 2), 0);
    // GetFace writes exactly nine shorts.
    std::array<int16_t, 11> guarded;
    guarded.fill(77);
    ASSERT_EQ(Call(disp, 9, DISPATCH_METHOD, {I2(4), I2Ref(guarded.data() + 1)}).hr, S_OK);
    EXPECT_EQ(guarded[0], 77);
    EXPECT_EQ(guarded[10], 77);
    EXPECT_TRUE(std::equal(values.begin(), values.end(), guarded.begin() + 1));
}

TEST_F(DispatchCalls, RelatifPutWritesWhereItsRuleSays)
{
    ASSERT_EQ(Call(disp, 21, DISPATCH_PROPERTYPUT, {I2(5), I2(0), I2(0), I2(3)}).hr, S_OK);
    EXPECT_EQ(GetFace(disp, 5)[6], 3);
    EXPECT_EQ(Relatif(disp, 5, 2, 0), 3);
    EXPECT_EQ(Relatif(disp, 5, 0, 0), 5);
}

TEST_F(DispatchCalls, ResultsAreShortsAndMethodsWithoutOneGiveEmpty)
{
    CallResult r = Call(disp, 1, DISPATCH_METHOD, {I2(0)});
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.vt, VT_I2);
    EXPECT_EQ(r.value.iVal, 1);
    r.value = I2(99);
    r.hr = disp->Invoke(17, IID_NULL, 0, DISPATCH_METHOD, nullptr, &r.value, nullptr, nullptr);
    EXPECT_EQ(r.hr, S_OK);
    EXPECT_EQ(r.value.vt, VT_EMPTY);
    // A caller that wants no result may pass no place for it.
    int16_t arg = 2;
    VARIANT v = I2(arg);
    DISPPARAMS dp{&v, nullptr, 1, 0};
    EXPECT_EQ(disp->Invoke(7, IID_NULL, 0, DISPATCH_METHOD, &dp, nullptr, nullptr, nullptr), S_OK);
    // Methods with a result answer a property get as well as a method call.
    EXPECT_EQ(Short(Call(disp, 7, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {I2(3)})), 3);
    EXPECT_EQ(Short(Call(disp, 21, DISPATCH_METHOD, {I2(1), I2(1), I2(1)})), 1);
}

TEST_F(DispatchCalls, ShortsArriveAsI2I4OrByReference)
{
    int16_t face = 0, dir = 0;
    int32_t n = 1;
    VARIANT byRefI4{};
    byRefI4.vt = VT_I4 | VT_BYREF;
    byRefI4.plVal = &n;
    ASSERT_EQ(Call(disp, 10, DISPATCH_METHOD, {I2Ref(&face), I4(dir), byRefI4}).hr, S_OK);
    EXPECT_EQ(GetFace(disp, 2)[0], 0);
    EXPECT_EQ(Short(Call(disp, 7, DISPATCH_METHOD, {I4(5)})), 5);
    EXPECT_EQ(Short(Call(disp, 7, DISPATCH_METHOD, {I4(-32768)})), -1);
}

// The same random calls through Invoke and straight into a CCUBECtrl leave the same cube: every
// DISPID reaches its method with its arguments in the right order.
TEST_F(DispatchCalls, RandomCallsMatchTheControlClass)
{
    CCUBECtrl model;
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> arg(-1, 6);
    std::uniform_int_distribution<int> member(1, 22);
    std::uniform_int_distribution<int> colour(0, 5);
    for (int step = 0; step < 3000; ++step) {
        const int m = member(rng);
        const DISPID id = m == 22 ? 21 : m;
        const bool put = m == 22;
        const int16_t a = int16_t(arg(rng)), b = int16_t(arg(rng) % 3), c = int16_t(arg(rng) % 3),
                      d = int16_t(colour(rng));
        std::array<int16_t, 9> squares{};
        for (auto& s : squares)
            s = int16_t(colour(rng));
        std::vector<VARIANT> args;
        int16_t expected = 0;
        switch (id) {
        case 1: args = {I2(a)}; expected = model.Couleur(a); break;
        case 2: model.InitG(); break;
        case 3: model.PointerFaces(); break;
        case 4: args = {I2(a)}; model.PlacerFace(a); break;
        case 5: args = {I2(b)}; model.Vers(b); break;
        case 6: args = {I2(a)}; model.AfficherFace(a); break;
        case 7: args = {I2(a)}; expected = model.WichFace(a); break;
        case 8: args = {I2(a), I2Ref(squares.data())}; model.SetFace(a, squares.data()); break;
        case 9: args = {I2(a), I2Ref(squares.data())}; break;
        case 10: args = {I2(b), I2(c), I2(a)}; model.MvtV(b, c, a); break;
        case 11: args = {I2(b), I2(c), I2(a)}; model.MvtH(b, c, a); break;
        case 12: args = {I2(b), I2(c), I2(a)}; model.MvtT(b, c, a); break;
        case 13: args = {I2(b), I2(c)}; model.Arretes(b, c); break;
        case 14: args = {I2(b), I2(c)}; model.Coins(b, c); break;
        case 15: args = {I2(a), I2(d)}; model.PutFace(a, d); break;
        case 16: args = {I2(a), I2(int16_t(arg(rng) + 3))}; expected = model.GetElmt(a, args[1].iVal); break;
        case 17: model.Equilibre(); break;
        case 18: model.PosFaceR(); break;
        case 19: model.Synchro(); break;
        case 20: args = {I2(a)}; model.HighOrLow(a); break;
        case 21:
            if (put) {
                args = {I2(d), I2(b), I2(c), I2(a)};
                model.SetRelatif(d, b, c, a);
            } else {
                args = {I2(d), I2(b), I2(c)};
                expected = model.GetRelatif(d, b, c);
            }
            break;
        }
        std::array<int16_t, 9> modelSquares = squares;
        if (id == 9)
            model.GetFace(a, modelSquares.data());
        const CallResult r = Call(disp, id, put ? DISPATCH_PROPERTYPUT : DISPATCH_METHOD | DISPATCH_PROPERTYGET, args);
        ASSERT_EQ(r.hr, S_OK) << "DISPID " << id << " step " << step;
        if (id == 1 || id == 7 || id == 16 || (id == 21 && !put)) {
            ASSERT_EQ(r.value.iVal, expected) << "DISPID " << id << " step " << step;
        }
        if (id == 9) {
            ASSERT_EQ(squares, modelSquares) << "step " << step;
        }
        if (step % 50 == 0) {
            CubeState s{};
            for (int16_t f = 0; f < 6; ++f)
                model.GetFace(f, s.data() + 9 * f);
            for (int16_t p = 0; p < 6; ++p)
                s[54 + p] = model.WichFace(p);
            ASSERT_EQ(StateOf(disp), s) << "step " << step;
        }
    }
}

} // namespace
