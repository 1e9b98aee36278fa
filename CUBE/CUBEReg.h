// Registration of the module: what DllRegisterServer writes into the registry and
// DllUnregisterServer takes out again.
#pragma once

#include "com.h"
#include "registry.h"

#include <QString>

struct ITypeLib;

// The absolute path of this module as it was loaded; empty if it cannot be found.
QString CUBE_ModulePath();

// The entries registering a type library writes for the module at `modulePath`: the library under
// TypeLib\{libid}\<version>, and each of its dispatch interfaces under Interface\{iid}.
HRESULT CUBE_TypeLibEntries(ITypeLib* typeLib, const QString& modulePath, Registry::Entries* entries);
// The entries of the control class, the property page class and their ProgIDs.
Registry::Entries CUBE_ClassEntries(const QString& modulePath);

// The two steps of DllRegisterServer and DllUnregisterServer against `registry`:
// S_OK, SELFREG_E_TYPELIB or SELFREG_E_CLASS.
HRESULT CUBE_RegisterServer(Registry& registry, const QString& modulePath);
HRESULT CUBE_UnregisterServer(Registry& registry);
