// The module: class objects and the four entry points.
#include "CUBECtl.h"
#include "com.h"

AUTOMATION_EXPORT HRESULT DllGetClassObject(const GUID*, const GUID*, void** out)
{
    if (out)
        *out = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}
AUTOMATION_EXPORT HRESULT DllCanUnloadNow() { return S_OK; }
AUTOMATION_EXPORT HRESULT DllRegisterServer() { return E_NOTIMPL; }
AUTOMATION_EXPORT HRESULT DllUnregisterServer() { return E_NOTIMPL; }
