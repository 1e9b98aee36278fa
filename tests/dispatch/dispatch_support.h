// Shared pieces of the dispatch tests: the real cube.ocx, loaded once, and small helpers that build
// DISPPARAMS the way a host does (arguments last first).
#pragma once

#include "CUBEIds.h"
#include "control.h"
#include "module.h"
#include "typeinfo.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dispatch_test {

inline ControlModule& Module()
{
    static ControlModule module;
    if (!module.IsLoaded()) {
        const bool loaded = module.Load(std::string(MERLO_BIN_DIR) + "/cube.ocx");
        EXPECT_TRUE(loaded) << module.ErrorString();
    }
    return module;
}

inline VARIANT I2(int16_t v)
{
    VARIANT r{};
    r.vt = VT_I2;
    r.iVal = v;
    return r;
}

inline VARIANT I4(int32_t v)
{
    VARIANT r{};
    r.vt = VT_I4;
    r.lVal = v;
    return r;
}

inline VARIANT I2Ref(int16_t* p)
{
    VARIANT r{};
    r.vt = VT_I2 | VT_BYREF;
    r.piVal = p;
    return r;
}

inline VARIANT Bool(bool v)
{
    VARIANT r{};
    r.vt = VT_BOOL;
    r.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
    return r;
}

struct CallResult {
    HRESULT hr = E_FAIL;
    VARIANT value{};
    uint32_t argErr = 0xFFFFFFFFu;
};

// Calls `id` with `args` in parameter order; a put names its last argument DISPID_PROPERTYPUT.
inline CallResult Call(IDispatch* d, DISPID id, uint16_t flags, std::vector<VARIANT> args)
{
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS dp{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<uint32_t>(reversed.size()), 0};
    if (flags == DISPATCH_PROPERTYPUT && !reversed.empty()) {
        dp.rgdispidNamedArgs = &put;
        dp.cNamedArgs = 1;
    }
    CallResult r;
    r.hr = d->Invoke(id, IID_NULL, 0, flags, &dp, &r.value, nullptr, &r.argErr);
    return r;
}

// The state a host can see: the nine squares of every face, then the face at every position.
using CubeState = std::array<int16_t, 6 * 9 + 6>;

inline CubeState StateOf(IDispatch* d)
{
    CubeState s{};
    for (int16_t f = 0; f < 6; ++f) {
        int16_t squares[9] = {};
        EXPECT_EQ(Call(d, 9, DISPATCH_METHOD, {I2(f), I2Ref(squares)}).hr, S_OK);
        std::copy(squares, squares + 9, s.begin() + 9 * f);
    }
    for (int16_t p = 0; p < 6; ++p)
        s[54 + p] = Call(d, 7, DISPATCH_METHOD, {I2(p)}).value.iVal;
    return s;
}

// A control made through the module's class object, released at the end of the test.
class ControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Module().IsLoaded());
        ASSERT_EQ(Module().CreateInstance(CLSID_CUBE, IID_IDispatch, reinterpret_cast<void**>(&disp)), S_OK);
        ASSERT_NE(disp, nullptr);
    }
    void TearDown() override
    {
        if (disp)
            disp->Release();
    }

    IControl* Control()
    {
        IControl* c = nullptr;
        EXPECT_EQ(disp->QueryInterface(IID_IControl, reinterpret_cast<void**>(&c)), S_OK);
        if (c)
            c->Release(); // disp keeps the object alive
        return c;
    }

    IDispatch* disp = nullptr;
};

} // namespace dispatch_test
