#include "module.h"
#include "registry.h"

#include <dlfcn.h>

#include <cstdio>

namespace {

std::string DlError(const char* fallback)
{
    const char* e = dlerror();
    return e ? std::string(e) : std::string(fallback);
}

template <class Fn> Fn Resolve(void* handle, const char* name)
{
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

} // namespace

ControlModule::~ControlModule() { Unload(); }

bool ControlModule::Load(const std::string& path)
{
    if (m_Handle && !Unload()) {
        m_Error = "the module " + m_Path + " still has live objects and cannot be replaced";
        return false;
    }
    m_Error.clear();
    m_Path = path;
    if (path.empty()) {
        m_Error = "no module file named";
        return false;
    }
    dlerror();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        m_Error = "cannot load " + path + ": " + DlError("unknown error");
        return false;
    }
    auto getClassObject = Resolve<PFN_DllGetClassObject>(handle, "DllGetClassObject");
    auto canUnloadNow = Resolve<PFN_DllCanUnloadNow>(handle, "DllCanUnloadNow");
    if (!getClassObject || !canUnloadNow) {
        m_Error = path + " is not a control module: it lacks";
        if (!getClassObject)
            m_Error += " DllGetClassObject";
        if (!canUnloadNow)
            m_Error += std::string(getClassObject ? "" : " and") + " DllCanUnloadNow";
        dlclose(handle);
        dlerror();
        return false;
    }
    m_Handle = handle;
    m_GetClassObject = getClassObject;
    m_CanUnloadNow = canUnloadNow;
    m_RegisterServer = Resolve<PFN_DllRegisterServer>(handle, "DllRegisterServer");
    m_UnregisterServer = Resolve<PFN_DllUnregisterServer>(handle, "DllUnregisterServer");
    dlerror();
    return true;
}

HRESULT ControlModule::GetClassObject(REFCLSID clsid, REFIID iid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (!m_GetClassObject)
        return E_FAIL;
    return m_GetClassObject(&clsid, &iid, ppv);
}

HRESULT ControlModule::CreateInstance(REFCLSID clsid, REFIID iid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    IClassFactory* factory = nullptr;
    HRESULT hr = GetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (FAILED(hr))
        return hr;
    if (!factory)
        return E_FAIL;
    hr = factory->CreateInstance(nullptr, iid, ppv);
    factory->Release();
    return hr;
}

HRESULT ControlModule::CanUnloadNow() { return m_CanUnloadNow ? m_CanUnloadNow() : S_OK; }

bool ControlModule::Unload()
{
    if (!m_Handle)
        return true;
    if (CanUnloadNow() != S_OK)
        return false;
    dlclose(m_Handle);
    m_Handle = nullptr;
    m_GetClassObject = nullptr;
    m_CanUnloadNow = nullptr;
    m_RegisterServer = nullptr;
    m_UnregisterServer = nullptr;
    return true;
}

const char* HResultName(HRESULT hr)
{
    struct Name {
        HRESULT hr;
        const char* name;
    };
    static constexpr Name Names[] = {
        {S_OK, "S_OK"},
        {S_FALSE, "S_FALSE"},
        {E_NOTIMPL, "E_NOTIMPL"},
        {E_NOINTERFACE, "E_NOINTERFACE"},
        {E_POINTER, "E_POINTER"},
        {E_FAIL, "E_FAIL"},
        {E_OUTOFMEMORY, "E_OUTOFMEMORY"},
        {E_INVALIDARG, "E_INVALIDARG"},
        {CLASS_E_NOAGGREGATION, "CLASS_E_NOAGGREGATION"},
        {CLASS_E_CLASSNOTAVAILABLE, "CLASS_E_CLASSNOTAVAILABLE"},
        {DISP_E_UNKNOWNINTERFACE, "DISP_E_UNKNOWNINTERFACE"},
        {DISP_E_MEMBERNOTFOUND, "DISP_E_MEMBERNOTFOUND"},
        {DISP_E_PARAMNOTFOUND, "DISP_E_PARAMNOTFOUND"},
        {DISP_E_TYPEMISMATCH, "DISP_E_TYPEMISMATCH"},
        {DISP_E_UNKNOWNNAME, "DISP_E_UNKNOWNNAME"},
        {DISP_E_NONAMEDARGS, "DISP_E_NONAMEDARGS"},
        {DISP_E_OVERFLOW, "DISP_E_OVERFLOW"},
        {DISP_E_BADINDEX, "DISP_E_BADINDEX"},
        {DISP_E_BADPARAMCOUNT, "DISP_E_BADPARAMCOUNT"},
        {DISP_E_PARAMNOTOPTIONAL, "DISP_E_PARAMNOTOPTIONAL"},
        {TYPE_E_ELEMENTNOTFOUND, "TYPE_E_ELEMENTNOTFOUND"},
        {SELFREG_E_TYPELIB, "SELFREG_E_TYPELIB"},
        {SELFREG_E_CLASS, "SELFREG_E_CLASS"},
        {REGDB_E_READREGDB, "REGDB_E_READREGDB"},
        {REGDB_E_WRITEREGDB, "REGDB_E_WRITEREGDB"},
        {REGDB_E_CORRUPT, "HRESULT_FROM_WIN32(ERROR_BADDB)"},
    };
    for (const Name& n : Names)
        if (n.hr == hr)
            return n.name;
    return nullptr;
}

std::string HResultToString(HRESULT hr)
{
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(hr));
    const char* name = HResultName(hr);
    return name ? std::string(name) + " (" + hex + ")" : std::string(hex);
}
