// Dispatch by DISPID over a member table: the checks every Invoke makes before it calls anything.
#pragma once

#include "typeinfo.h"

#include <array>
#include <cstdint>
#include <span>

// The arguments of one call, in parameter order, converted from the caller's variants.
struct INVOKEARGS {
    std::array<int16_t, MAX_PARAMS> i2{};   // parameters of type VT_I2
    std::array<int16_t*, MAX_PARAMS> pi2{}; // parameters of type VT_I2 | VT_BYREF, never null
};

// Finds the member and converts its arguments, checking in this order:
//   riid is IID_NULL                         else DISP_E_UNKNOWNINTERFACE
//   the DISPID is in the table               else DISP_E_MEMBERNOTFOUND
//   the flags fit one of its rows            else DISP_E_MEMBERNOTFOUND
//     (a method needs DISPATCH_METHOD; a property get DISPATCH_PROPERTYGET or DISPATCH_METHOD;
//      a put exactly DISPATCH_PROPERTYPUT)
//   DISPPARAMS is consistent                 else E_INVALIDARG (null arrays, more names than args)
//   named arguments: a put names its value DISPID_PROPERTYPUT (else DISP_E_PARAMNOTFOUND), and
//     nothing else is named                  else DISP_E_NONAMEDARGS
//   the argument count                       else DISP_E_BADPARAMCOUNT
//   each argument's type                     else DISP_E_TYPEMISMATCH, or DISP_E_OVERFLOW for a
//     VT_I4 outside 16 bits; *puArgErr is then the argument's index in rgvarg.
// A short is taken as VT_I2 or VT_I4, by value or by (non-null) reference; a by-reference short
// only as VT_I2 | VT_BYREF with a non-null pointer. A null pDispParams counts as no arguments.
HRESULT PrepareInvoke(std::span<const FUNCDESC> funcs, DISPID dispIdMember, REFIID riid, uint16_t wFlags,
                      const DISPPARAMS* pDispParams, uint32_t* puArgErr, const FUNCDESC** ppFunc,
                      INVOKEARGS* args);

// Gives the caller the member's result (VT_I2), or VT_EMPTY for a member without one. A null
// pVarResult is allowed: the caller does not want it.
void SetInvokeResult(const FUNCDESC& func, int16_t value, VARIANT* pVarResult);
