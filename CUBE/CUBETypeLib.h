// The type library CUBELib (the module's "resource 1") and the dispatch table of _DCUBE behind it.
#pragma once

#include "dispatch.h"
#include "typeinfo.h"

#include <span>

class CCUBECtrl;

// One call of the control, with its arguments already checked and converted.
using DCUBECall = void (*)(CCUBECtrl& ctrl, const INVOKEARGS& args, int16_t& result);

// The members of _DCUBE, one row per method, property get and property put.
std::span<const FUNCDESC> DCUBE_Funcs();
// The call behind a row of DCUBE_Funcs().
DCUBECall DCUBE_Call(const FUNCDESC& row);

// The library: _DCUBE, _DCUBEEvents and the coclass CUBE, in this order.
const TYPELIBDESC& CUBE_TypeLib();
constexpr uint32_t CUBE_TypeIndex_DCUBE = 0;
constexpr uint32_t CUBE_TypeIndex_DCUBEEvents = 1;
constexpr uint32_t CUBE_TypeIndex_CUBE = 2;
