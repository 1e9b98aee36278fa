// The module: its class objects and the entry points DllGetClassObject and DllCanUnloadNow.
// (DllRegisterServer and DllUnregisterServer live in CUBEReg.cpp.)
#include "CUBE.h"

#include "CUBECtlDispatch.h"
#include "CUBEIds.h"
#include "CUBEPpg.h"
#include "com.h"
#include "unknown.h"

#include <atomic>
#include <new>

namespace {

// Live objects (controls, pages, class objects) and server locks. The host calls on one thread,
// but counting atomically costs nothing and keeps a stray call from another thread honest.
std::atomic<long> g_Objects{0};
std::atomic<long> g_Locks{0};

using CreateFn = HRESULT (*)(IUnknown* pUnkOuter, REFIID riid, void** ppv);

class ClassFactory final : public UnknownImpl<IClassFactory, IID_IClassFactory> {
public:
    explicit ClassFactory(CreateFn create) : m_Create(create) { CUBE_ObjectCreated(); }

    HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppv) override
    {
        return m_Create(pUnkOuter, riid, ppv);
    }

    HRESULT LockServer(int32_t fLock) override
    {
        if (fLock)
            ++g_Locks;
        else if (g_Locks.load() > 0) // an unbalanced unlock never drives the count below zero
            --g_Locks;
        return S_OK;
    }

private:
    ~ClassFactory() override { CUBE_ObjectDestroyed(); }

    CreateFn m_Create;
};

} // namespace

void CUBE_ObjectCreated() { ++g_Objects; }
void CUBE_ObjectDestroyed() { --g_Objects; }

AUTOMATION_EXPORT HRESULT DllGetClassObject(const GUID* clsid, const GUID* iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!clsid || !iid)
        return E_INVALIDARG;
    CreateFn create = nullptr;
    if (*clsid == CLSID_CUBE)
        create = &CCUBECtrlDispatch::Create;
    else if (*clsid == CLSID_CUBEPropPage)
        create = &CCUBEPropPageObject::Create;
    else
        return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new (std::nothrow) ClassFactory(create);
    if (!factory)
        return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(*iid, out);
    factory->Release();
    return hr;
}

AUTOMATION_EXPORT HRESULT DllCanUnloadNow() { return g_Objects.load() == 0 && g_Locks.load() == 0 ? S_OK : S_FALSE; }
