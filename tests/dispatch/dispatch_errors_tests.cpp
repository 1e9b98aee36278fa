// Bad input to Invoke is answered with an error code, never a crash, and changes nothing.
#include "dispatch_support.h"

#include <climits>

using namespace dispatch_test;

namespace {

// Each member as a host sees it: DISPID, how it is invoked, its parameters (true: by reference).
struct Member {
    DISPID id;
    uint16_t flags;
    std::vector<bool> byRef;
};

const std::vector<Member>& Members()
{
    static const std::vector<Member> members = {
        {1, DISPATCH_METHOD, {false}},
        {2, DISPATCH_METHOD, {}},
        {3, DISPATCH_METHOD, {}},
        {4, DISPATCH_METHOD, {false}},
        {5, DISPATCH_METHOD, {false}},
        {6, DISPATCH_METHOD, {false}},
        {7, DISPATCH_METHOD, {false}},
        {8, DISPATCH_METHOD, {false, true}},
        {9, DISPATCH_METHOD, {false, true}},
        {10, DISPATCH_METHOD, {false, false, false}},
        {11, DISPATCH_METHOD, {false, false, false}},
        {12, DISPATCH_METHOD, {false, false, false}},
        {13, DISPATCH_METHOD, {false, false}},
        {14, DISPATCH_METHOD, {false, false}},
        {15, DISPATCH_METHOD, {false, false}},
        {16, DISPATCH_METHOD, {false, false}},
        {17, DISPATCH_METHOD, {}},
        {18, DISPATCH_METHOD, {}},
        {19, DISPATCH_METHOD, {}},
        {20, DISPATCH_METHOD, {false}},
        {21, DISPATCH_PROPERTYGET, {false, false, false}},
        {21, DISPATCH_PROPERTYPUT, {false, false, false, false}},
    };
    return members;
}

class DispatchErrors : public ControlTest {
protected:
    // Valid arguments for a member: small shorts, and a nine-short buffer for a reference.
    std::vector<VARIANT> ValidArgs(const Member& m)
    {
        std::vector<VARIANT> args;
        for (bool ref : m.byRef)
            args.push_back(ref ? I2Ref(buffer.data()) : I2(1));
        return args;
    }
    std::array<int16_t, 9> buffer{1, 1, 1, 1, 1, 1, 1, 1, 1};
};

TEST_F(DispatchErrors, UnknownDispidsAreNotFound)
{
    const CubeState before = StateOf(disp);
    for (DISPID id : {0, 22, 23, 100, -1, -3, -4, INT_MIN, INT_MAX})
        for (uint16_t flags : {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT}) {
            EXPECT_EQ(Call(disp, id, flags, {}).hr, DISP_E_MEMBERNOTFOUND) << id;
            EXPECT_EQ(Call(disp, id, flags, {I2(1), I2(2)}).hr, DISP_E_MEMBERNOTFOUND) << id;
        }
    EXPECT_EQ(StateOf(disp), before);
}

TEST_F(DispatchErrors, WrongFlagsAreNotFound)
{
    for (const Member& m : Members()) {
        std::vector<uint16_t> wrong = {0, DISPATCH_PROPERTYPUTREF, 0x10, 0xFFFF,
                                       DISPATCH_METHOD | DISPATCH_PROPERTYPUT};
        if (m.flags == DISPATCH_METHOD)
            wrong.insert(wrong.end(), {DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT});
        if (m.flags == DISPATCH_PROPERTYPUT)
            continue; // DISPID 21 has a get: the get's flags find it
        for (uint16_t flags : wrong) {
            if (m.id != 21 || flags != DISPATCH_PROPERTYPUT) {
                EXPECT_EQ(Call(disp, m.id, flags, ValidArgs(m)).hr, DISP_E_MEMBERNOTFOUND)
                    << "DISPID " << m.id << " flags " << flags;
            }
        }
    }
}

TEST_F(DispatchErrors, WrongArgumentCounts)
{
    const CubeState before = StateOf(disp);
    for (const Member& m : Members()) {
        std::vector<VARIANT> args = ValidArgs(m);
        std::vector<VARIANT> more = args;
        more.push_back(I2(0));
        EXPECT_EQ(Call(disp, m.id, m.flags, more).hr, DISP_E_BADPARAMCOUNT) << m.id;
        more.push_back(I2(0));
        more.push_back(I2(0));
        EXPECT_EQ(Call(disp, m.id, m.flags, more).hr, DISP_E_BADPARAMCOUNT) << m.id;
        if (args.size() > 1 || (!args.empty() && m.flags != DISPATCH_PROPERTYPUT)) {
            std::vector<VARIANT> fewer(args.begin(), args.end() - 1);
            EXPECT_EQ(Call(disp, m.id, m.flags, fewer).hr, DISP_E_BADPARAMCOUNT) << m.id;
        }
        if (!args.empty() && m.flags != DISPATCH_PROPERTYPUT) {
            EXPECT_EQ(Call(disp, m.id, m.flags, {}).hr, DISP_E_BADPARAMCOUNT) << m.id;
        }
    }
    EXPECT_EQ(StateOf(disp), before);
}

// Each argument in turn is of a wrong type: the error names its index in rgvarg.
TEST_F(DispatchErrors, WrongArgumentTypesNameTheArgument)
{
    const CubeState before = StateOf(disp);
    for (const Member& m : Members()) {
        const std::vector<VARIANT> valid = ValidArgs(m);
        for (size_t p = 0; p < valid.size(); ++p) {
            const uint32_t expectedIndex = static_cast<uint32_t>(valid.size() - 1 - p);
            std::vector<VARIANT> bad = {Bool(true), VARIANT{}, I2Ref(nullptr)};
            VARIANT unknownType{};
            unknownType.vt = 8; // a string type the control does not take
            bad.push_back(unknownType);
            if (m.byRef[p]) {
                bad.push_back(I2(1)); // the array goes by reference only
                bad.push_back(I4(1));
                VARIANT i4Ref{};
                int32_t i4 = 0;
                i4Ref.vt = VT_I4 | VT_BYREF;
                i4Ref.plVal = &i4;
                bad.push_back(i4Ref);
            }
            for (const VARIANT& b : bad) {
                std::vector<VARIANT> args = valid;
                args[p] = b;
                const CallResult r = Call(disp, m.id, m.flags, args);
                EXPECT_EQ(r.hr, DISP_E_TYPEMISMATCH) << "DISPID " << m.id << " arg " << p << " vt " << b.vt;
                EXPECT_EQ(r.argErr, expectedIndex) << "DISPID " << m.id << " arg " << p;
            }
            if (!m.byRef[p]) {
                for (int32_t big : {32768, -32769, INT_MAX, INT_MIN}) {
                    std::vector<VARIANT> args = valid;
                    args[p] = I4(big);
                    const CallResult r = Call(disp, m.id, m.flags, args);
                    EXPECT_EQ(r.hr, DISP_E_OVERFLOW) << "DISPID " << m.id << " arg " << p;
                    EXPECT_EQ(r.argErr, expectedIndex);
                }
            }
        }
    }
    EXPECT_EQ(StateOf(disp), before);
}

TEST_F(DispatchErrors, TheFirstWrongArgumentIsNamedFromTheLastParameter)
{
    // Arguments are checked in parameter order: Face (rgvarg[2]) before n (rgvarg[0]).
    const CallResult r = Call(disp, 10, DISPATCH_METHOD, {Bool(true), I2(0), Bool(true)});
    EXPECT_EQ(r.hr, DISP_E_TYPEMISMATCH);
    EXPECT_EQ(r.argErr, 2u);
}

TEST_F(DispatchErrors, ChecksComeInTheirFixedOrder)
{
    // Flags before count, count before types, named arguments before count.
    EXPECT_EQ(Call(disp, 10, DISPATCH_PROPERTYPUT, {Bool(true)}).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(Call(disp, 10, DISPATCH_METHOD, {Bool(true)}).hr, DISP_E_BADPARAMCOUNT);
    VARIANT v = I2(0);
    DISPID name = 0;
    DISPPARAMS dp{&v, &name, 1, 1};
    uint32_t argErr = 1234;
    EXPECT_EQ(disp->Invoke(10, IID_NULL, 0, DISPATCH_METHOD, &dp, nullptr, nullptr, &argErr), DISP_E_NONAMEDARGS);
    EXPECT_EQ(argErr, 1234u) << "argErr is only set for an argument's own error";
    // An interface other than IID_NULL is refused before anything else.
    VARIANT arg = I2(0);
    DISPPARAMS one{&arg, nullptr, 1, 0};
    EXPECT_EQ(disp->Invoke(7, IID_IDispatch, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(disp->Invoke(99, DIID__DCUBE, 0, 0, nullptr, nullptr, nullptr, nullptr), DISP_E_UNKNOWNINTERFACE);
}

TEST_F(DispatchErrors, NamedArguments)
{
    VARIANT args[4] = {I2(4), I2(0), I2(0), I2(5)}; // reverse order: value first
    DISPID put = DISPID_PROPERTYPUT, other = 1, two[2] = {DISPID_PROPERTYPUT, 0};
    uint32_t argErr = 99;
    DISPPARAMS unnamed{args, nullptr, 4, 0};
    EXPECT_EQ(disp->Invoke(21, IID_NULL, 0, DISPATCH_PROPERTYPUT, &unnamed, nullptr, nullptr, &argErr),
              DISP_E_PARAMNOTFOUND);
    DISPPARAMS wrongName{args, &other, 4, 1};
    EXPECT_EQ(disp->Invoke(21, IID_NULL, 0, DISPATCH_PROPERTYPUT, &wrongName, nullptr, nullptr, &argErr),
              DISP_E_NONAMEDARGS);
    DISPPARAMS twoNames{args, two, 4, 2};
    EXPECT_EQ(disp->Invoke(21, IID_NULL, 0, DISPATCH_PROPERTYPUT, &twoNames, nullptr, nullptr, &argErr),
              DISP_E_NONAMEDARGS);
    DISPPARAMS namedGet{args + 1, &put, 3, 1};
    EXPECT_EQ(disp->Invoke(21, IID_NULL, 0, DISPATCH_PROPERTYGET, &namedGet, nullptr, nullptr, &argErr),
              DISP_E_NONAMEDARGS);
    DISPPARAMS named{args, &put, 4, 1};
    EXPECT_EQ(disp->Invoke(21, IID_NULL, 0, DISPATCH_PROPERTYPUT, &named, nullptr, nullptr, &argErr), S_OK);
}

TEST_F(DispatchErrors, NullAndInconsistentParameters)
{
    // No DISPPARAMS at all is fine for a member without arguments, and an error otherwise.
    EXPECT_EQ(disp->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), S_OK);
    for (const Member& m : Members()) {
        if (!m.byRef.empty()) {
            EXPECT_TRUE(FAILED(disp->Invoke(m.id, IID_NULL, 0, m.flags, nullptr, nullptr, nullptr, nullptr)))
                << m.id;
        }
    }
    DISPPARAMS noArray{nullptr, nullptr, 3, 0};
    EXPECT_EQ(disp->Invoke(10, IID_NULL, 0, DISPATCH_METHOD, &noArray, nullptr, nullptr, nullptr), E_INVALIDARG);
    VARIANT v[2] = {I2(0), I2(0)};
    DISPPARAMS noNames{v, nullptr, 2, 1};
    EXPECT_EQ(disp->Invoke(13, IID_NULL, 0, DISPATCH_METHOD, &noNames, nullptr, nullptr, nullptr), E_INVALIDARG);
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS tooManyNames{v, &put, 1, 2};
    EXPECT_EQ(disp->Invoke(13, IID_NULL, 0, DISPATCH_METHOD, &tooManyNames, nullptr, nullptr, nullptr), E_INVALIDARG);
    // A wrong type with no place for argErr is still only an error.
    VARIANT b = Bool(true);
    DISPPARAMS one{&b, nullptr, 1, 0};
    EXPECT_EQ(disp->Invoke(7, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr), DISP_E_TYPEMISMATCH);
}

} // namespace
