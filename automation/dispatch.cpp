#include "dispatch.h"

#include <limits>

namespace {

bool FitsShort(int32_t v)
{
    return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max();
}

const FUNCDESC* FindRow(std::span<const FUNCDESC> funcs, DISPID id, INVOKEKIND kind)
{
    for (const FUNCDESC& f : funcs)
        if (f.memid == id && f.invkind == kind)
            return &f;
    return nullptr;
}

HRESULT ConvertShort(const VARIANT& v, int16_t* out)
{
    int32_t value = 0;
    switch (v.vt) {
    case VT_I2:
        *out = v.iVal;
        return S_OK;
    case VT_I4:
        value = v.lVal;
        break;
    case VT_I2 | VT_BYREF:
        if (!v.piVal)
            return DISP_E_TYPEMISMATCH;
        *out = *v.piVal;
        return S_OK;
    case VT_I4 | VT_BYREF:
        if (!v.plVal)
            return DISP_E_TYPEMISMATCH;
        value = *v.plVal;
        break;
    default:
        return DISP_E_TYPEMISMATCH;
    }
    if (!FitsShort(value))
        return DISP_E_OVERFLOW;
    *out = static_cast<int16_t>(value);
    return S_OK;
}

} // namespace

HRESULT PrepareInvoke(std::span<const FUNCDESC> funcs, DISPID dispIdMember, REFIID riid, uint16_t wFlags,
                      const DISPPARAMS* pDispParams, uint32_t* puArgErr, const FUNCDESC** ppFunc,
                      INVOKEARGS* args)
{
    if (!(riid == IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;

    bool known = false;
    for (const FUNCDESC& f : funcs)
        known = known || f.memid == dispIdMember;
    if (!known)
        return DISP_E_MEMBERNOTFOUND;

    constexpr uint16_t Call = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
    const FUNCDESC* func = nullptr;
    if (wFlags == DISPATCH_PROPERTYPUT)
        func = FindRow(funcs, dispIdMember, INVOKE_PROPERTYPUT);
    else if (wFlags != 0 && (wFlags & ~Call) == 0) {
        if (wFlags & DISPATCH_METHOD)
            func = FindRow(funcs, dispIdMember, INVOKE_FUNC);
        if (!func)
            func = FindRow(funcs, dispIdMember, INVOKE_PROPERTYGET);
    }
    if (!func)
        return DISP_E_MEMBERNOTFOUND;

    static const DISPPARAMS NoArgs{nullptr, nullptr, 0, 0};
    const DISPPARAMS& dp = pDispParams ? *pDispParams : NoArgs;
    if (dp.cNamedArgs > dp.cArgs || (dp.cArgs > 0 && !dp.rgvarg) || (dp.cNamedArgs > 0 && !dp.rgdispidNamedArgs))
        return E_INVALIDARG;

    if (func->invkind == INVOKE_PROPERTYPUT) {
        if (dp.cNamedArgs == 0) {
            if (puArgErr)
                *puArgErr = 0;
            return DISP_E_PARAMNOTFOUND;
        }
        if (dp.cNamedArgs > 1 || dp.rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_NONAMEDARGS;
    } else if (dp.cNamedArgs != 0) {
        return DISP_E_NONAMEDARGS;
    }

    if (dp.cArgs != static_cast<uint32_t>(func->cParams))
        return DISP_E_BADPARAMCOUNT;

    // rgvarg holds the arguments last first; a put's value, named, comes first of all, which is
    // the same place since it is the last parameter.
    INVOKEARGS converted;
    for (uint32_t p = 0; p < dp.cArgs; ++p) {
        const uint32_t at = dp.cArgs - 1 - p;
        const VARIANT& v = dp.rgvarg[at];
        HRESULT hr = S_OK;
        if (func->params[p].vt == (VT_I2 | VT_BYREF)) {
            if (v.vt == (VT_I2 | VT_BYREF) && v.piVal)
                converted.pi2[p] = v.piVal;
            else
                hr = DISP_E_TYPEMISMATCH;
        } else {
            hr = ConvertShort(v, &converted.i2[p]);
        }
        if (FAILED(hr)) {
            if (puArgErr)
                *puArgErr = at;
            return hr;
        }
    }

    if (ppFunc)
        *ppFunc = func;
    if (args)
        *args = converted;
    return S_OK;
}

void SetInvokeResult(const FUNCDESC& func, int16_t value, VARIANT* pVarResult)
{
    if (!pVarResult)
        return;
    *pVarResult = VARIANT{};
    if (func.vtResult == VT_I2) {
        pVarResult->vt = VT_I2;
        pVarResult->iVal = value;
    }
}
