// The module: its class objects and the entry points DllGetClassObject and DllCanUnloadNow.
// (DllRegisterServer and DllUnregisterServer live in CUBEReg.cpp.)
#include "CUBECtlDispatch.h"
#include "CUBEIds.h"
#include "CUBEPpg.h"
#include "CUBEVie.h"
#include "com.h"
#include "unknown.h"

#include <new>

namespace {

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
        CUBE_LockServer(fLock != 0);
        return S_OK;
    }

private:
    ~ClassFactory() override { CUBE_ObjectDestroyed(); }

    CreateFn m_Create;
};

} // namespace

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

AUTOMATION_EXPORT HRESULT DllCanUnloadNow() { return CUBE_CanUnload() ? S_OK : S_FALSE; }
