// Feeds the control's IDispatch whatever a careless or hostile host could pass: any DISPID, flags,
// interface, argument count, named arguments, variant types and values, null pointers. Byref
// arguments point at real buffers or are null, as a host's pointers are; everything else is free.
// Every answer must be a defined result: S_OK with a short or nothing, or an error whose argErr
// names an argument that exists.
#include "CUBEIds.h"
#include "control.h"
#include "module.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

IDispatch* g_Control = nullptr;

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_Data(data), m_Size(size) {}
    template <class T> T Take()
    {
        T v{};
        const size_t n = m_Size - m_Pos < sizeof(T) ? m_Size - m_Pos : sizeof(T);
        std::memcpy(&v, m_Data + m_Pos, n);
        m_Pos += n;
        return v;
    }
    bool Empty() const { return m_Pos >= m_Size; }

private:
    const uint8_t* m_Data;
    size_t m_Size;
    size_t m_Pos = 0;
};

constexpr VARTYPE Types[] = {VT_I2, VT_I4, VT_I2 | VT_BYREF, VT_I4 | VT_BYREF, VT_EMPTY, VT_BOOL, 8, 0x2002};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    static ControlModule module;
    if (!module.Load(std::string(MERLO_BIN_DIR) + "/cube.ocx") ||
        FAILED(module.CreateInstance(CLSID_CUBE, IID_IDispatch, reinterpret_cast<void**>(&g_Control))))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in(data, size);
    while (!in.Empty()) {
        const uint8_t shape = in.Take<uint8_t>();
        // Mostly DISPIDs near the table, sometimes any 32-bit value.
        DISPID id = (shape & 1) ? in.Take<int32_t>() : DISPID(in.Take<uint8_t>() % 26) - 2;
        uint16_t flags = (shape & 2) ? in.Take<uint16_t>() : uint16_t(1u << (in.Take<uint8_t>() % 4));
        const GUID riid = (shape & 4) ? DIID__DCUBE : IID_NULL;
        const uint8_t counts = in.Take<uint8_t>();
        const uint32_t cArgs = counts % 7;
        const uint32_t cNamed = (counts >> 3) % 3;

        std::vector<int16_t> squares(9, 0);
        int32_t wide = in.Take<int32_t>();
        std::vector<VARIANT> args(cArgs);
        for (VARIANT& v : args) {
            const uint8_t t = in.Take<uint8_t>();
            v.vt = (t & 0x80) ? in.Take<uint16_t>() : Types[t % std::size(Types)];
            // A reference is null or points at storage of its own type: nine shorts (what
            // Contenu needs) for a short, one long for a long.
            const bool null = in.Take<uint8_t>() & 1;
            if (v.vt & VT_BYREF)
                v.byref = null ? nullptr : v.vt == (VT_I4 | VT_BYREF) ? static_cast<void*>(&wide) : squares.data();
            else
                v.lVal = in.Take<int32_t>();
        }
        std::vector<DISPID> named(cNamed);
        for (DISPID& n : named)
            n = (in.Take<uint8_t>() & 1) ? DISPID_PROPERTYPUT : in.Take<int8_t>();

        DISPPARAMS dp{args.empty() ? nullptr : args.data(), named.empty() ? nullptr : named.data(), cArgs, cNamed};
        // Counts larger than the arrays are only ever passed with null arrays.
        if (shape & 8)
            dp.cNamedArgs = cArgs;
        if ((shape & 16) && dp.cNamedArgs > named.size())
            dp.rgdispidNamedArgs = nullptr;
        if (dp.cNamedArgs > named.size() && dp.rgdispidNamedArgs)
            dp.rgdispidNamedArgs = nullptr;
        VARIANT result{};
        uint32_t argErr = 0xFFFFFFFFu;
        const HRESULT hr = g_Control->Invoke(id, riid, 0, flags, (shape & 32) ? nullptr : &dp,
                                             (shape & 64) ? nullptr : &result, nullptr,
                                             (shape & 128) ? nullptr : &argErr);
        if (SUCCEEDED(hr) && hr != S_OK)
            std::abort();
        if (hr == S_OK && !(shape & 64) && result.vt != VT_I2 && result.vt != VT_EMPTY)
            std::abort();
        if ((hr == DISP_E_TYPEMISMATCH || hr == DISP_E_OVERFLOW) && !(shape & 128) && argErr >= cArgs)
            std::abort();
    }
    return 0;
}
