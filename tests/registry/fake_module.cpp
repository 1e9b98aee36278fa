// A shared library posing as a control module. Without FAKE_MODULE_ENTRY_POINTS it exports no entry
// point at all; with it, registering fails and unregistering crashes.
#ifdef FAKE_MODULE_ENTRY_POINTS
#include "com.h"

#include <csignal>

AUTOMATION_EXPORT HRESULT DllRegisterServer() { return E_FAIL; }
AUTOMATION_EXPORT HRESULT DllUnregisterServer()
{
    std::raise(SIGSEGV);
    return S_OK;
}
#else
extern "C" __attribute__((visibility("default"))) int fake_module_marker() { return 42; }
#endif
