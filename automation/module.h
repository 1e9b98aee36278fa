// ControlModule: the host's side of an in-process control module. Loads the module file by path,
// looks up its entry points and creates objects through its class objects.
#pragma once

#include "com.h"

#include <string>

class ControlModule {
public:
    ControlModule() = default;
    // Unloads the module only when it says it may (DllCanUnloadNow); a module with live objects
    // stays loaded, since unmapping their code would leave them pointing nowhere.
    ~ControlModule();
    ControlModule(const ControlModule&) = delete;
    ControlModule& operator=(const ControlModule&) = delete;

    // Loads the module; false with ErrorString() set when the file cannot be loaded or lacks
    // DllGetClassObject or DllCanUnloadNow.
    bool Load(const std::string& path);
    bool IsLoaded() const { return m_Handle != nullptr; }
    const std::string& Path() const { return m_Path; }
    const std::string& ErrorString() const { return m_Error; }

    // The entry points; null when not loaded (registration ones also when the module has none).
    PFN_DllGetClassObject GetClassObjectEntry() const { return m_GetClassObject; }
    PFN_DllCanUnloadNow CanUnloadNowEntry() const { return m_CanUnloadNow; }
    PFN_DllRegisterServer RegisterServerEntry() const { return m_RegisterServer; }
    PFN_DllUnregisterServer UnregisterServerEntry() const { return m_UnregisterServer; }

    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** ppv);
    // Class object, CreateInstance, class object released: what CoCreateInstance does.
    HRESULT CreateInstance(REFCLSID clsid, REFIID iid, void** ppv);
    HRESULT CanUnloadNow();

    // Unloads the module if it may be unloaded; true when it is no longer loaded.
    bool Unload();

private:
    void* m_Handle = nullptr;
    std::string m_Path;
    std::string m_Error;
    PFN_DllGetClassObject m_GetClassObject = nullptr;
    PFN_DllCanUnloadNow m_CanUnloadNow = nullptr;
    PFN_DllRegisterServer m_RegisterServer = nullptr;
    PFN_DllUnregisterServer m_UnregisterServer = nullptr;
};

// The symbolic name of an HRESULT of ours, or null for an unknown code.
const char* HResultName(HRESULT hr);
// A name for an HRESULT, such as "DISP_E_TYPEMISMATCH (0x80020005)"; unknown codes as hex only.
std::string HResultToString(HRESULT hr);
