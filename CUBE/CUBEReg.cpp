// DllRegisterServer and DllUnregisterServer: the type library first, then the two classes, the way
// in-process control registration lays them out under HKEY_CLASSES_ROOT.
#include "CUBEReg.h"

#include "CUBEIds.h"
#include "CUBEStrings.h"
#include "CUBETypeLib.h"
#include "typeinfo.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <dlfcn.h>

namespace {

// Dispatch interfaces are marshalled by the platform's automation proxy.
constexpr GUID CLSID_PSDispatch = {0x00020420, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// A type library's version as the platform spells it in the registry: hexadecimal "major.minor".
QString versionKey(uint16_t major, uint16_t minor) { return QString::asprintf("%x.%x", major, minor); }

// Releases a COM-style interface at the end of a scope.
template <class T> struct Releaser {
    T* p = nullptr;
    ~Releaser()
    {
        if (p)
            p->Release();
    }
};

QString text(const char* s) { return s ? QString::fromUtf8(s) : QString(); }

QString loadString(int id) { return text(CUBE_LoadString(id)); }

void warn(const Registry& registry) { qWarning("%s: %s.", CUBE_ModuleName, qPrintable(registry.errorString())); }

HRESULT typeLibEntries(const QString& modulePath, Registry::Entries* entries)
{
    Releaser<ITypeLib> lib;
    if (const HRESULT hr = CreateTypeLibFromTable(CUBE_TypeLib(), &lib.p); FAILED(hr))
        return hr;
    return CUBE_TypeLibEntries(lib.p, modulePath, entries);
}

} // namespace

QString CUBE_ModulePath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<const void*>(&CUBE_ModulePath), &info) || !info.dli_fname || !*info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absoluteFilePath();
}

HRESULT CUBE_TypeLibEntries(ITypeLib* typeLib, const QString& modulePath, Registry::Entries* entries)
{
    if (!typeLib || !entries)
        return E_POINTER;
    if (modulePath.isEmpty())
        return E_INVALIDARG;
    const TLIBATTR* attr = nullptr;
    if (const HRESULT hr = typeLib->GetLibAttr(&attr); FAILED(hr))
        return hr;
    const char* name = nullptr;
    const char* doc = nullptr;
    const char* helpFile = nullptr;
    if (const HRESULT hr = typeLib->GetDocumentation(-1, &name, &doc, nullptr, &helpFile); FAILED(hr))
        return hr;

    const QString libid = RegistryGuidString(attr->guid);
    const QString version = versionKey(attr->wMajorVerNum, attr->wMinorVerNum);
    const QString lib = QStringLiteral("TypeLib/") + libid + u'/' + version;
    Registry::Entries e;
    e.insert(lib, doc ? text(doc) : text(name));
    e.insert(lib + QStringLiteral("/%1/win32").arg(attr->lcid, 0, 16), modulePath);
    e.insert(lib + QStringLiteral("/FLAGS"), QStringLiteral("0"));
    e.insert(lib + QStringLiteral("/HELPDIR"), QFileInfo(modulePath).absolutePath());
    if (helpFile)
        e.insert(lib + QStringLiteral("/HELPFILE"), text(helpFile));

    for (uint32_t i = 0; i < typeLib->GetTypeInfoCount(); ++i) {
        TYPEKIND kind{};
        if (const HRESULT hr = typeLib->GetTypeInfoType(i, &kind); FAILED(hr))
            return hr;
        if (kind != TKIND_DISPATCH)
            continue;
        Releaser<ITypeInfo> info;
        if (const HRESULT hr = typeLib->GetTypeInfo(i, &info.p); FAILED(hr))
            return hr;
        const TYPEATTR* typeAttr = nullptr;
        if (const HRESULT hr = info.p->GetTypeAttr(&typeAttr); FAILED(hr))
            return hr;
        const char* typeName = nullptr;
        if (const HRESULT hr = typeLib->GetDocumentation(static_cast<int32_t>(i), &typeName, nullptr, nullptr, nullptr);
            FAILED(hr))
            return hr;
        const QString key = QStringLiteral("Interface/") + RegistryGuidString(typeAttr->guid);
        e.insert(key, text(typeName));
        e.insert(key + QStringLiteral("/ProxyStubClsid"), RegistryGuidString(CLSID_PSDispatch));
        e.insert(key + QStringLiteral("/ProxyStubClsid32"), RegistryGuidString(CLSID_PSDispatch));
        e.insert(key + QStringLiteral("/TypeLib"), libid);
        e.insert(key + QStringLiteral("/TypeLib/Version"), version);
    }
    *entries = std::move(e);
    return S_OK;
}

namespace {

// What every in-process class registers: its type name, module, threading model and ProgID, and
// the ProgID pointing back at the class. Returns the class key for what only one class adds.
QString insertClass(Registry::Entries& e, const CLSID& clsid, const QString& name, const char* progId,
                    const QString& modulePath)
{
    const QString key = QStringLiteral("CLSID/") + RegistryGuidString(clsid);
    const QString progIdKey = QString::fromUtf8(progId);
    e.insert(key, name);
    e.insert(key + QStringLiteral("/InprocServer32"), modulePath);
    e.insert(key + QStringLiteral("/InprocServer32/ThreadingModel"), QStringLiteral("Apartment"));
    e.insert(key + QStringLiteral("/ProgID"), progIdKey);
    e.insert(progIdKey, name);
    e.insert(progIdKey + QStringLiteral("/CLSID"), RegistryGuidString(clsid));
    return key;
}

} // namespace

Registry::Entries CUBE_ClassEntries(const QString& modulePath)
{
    Registry::Entries e;
    const QString ctl = insertClass(e, CLSID_CUBE, loadString(IDS_CUBE), CUBE_ProgID, modulePath);
    e.insert(ctl + QStringLiteral("/Control"), QString());
    // The platform keeps the status bits in decimal, per drawing aspect; 1 is DVASPECT_CONTENT.
    e.insert(ctl + QStringLiteral("/MiscStatus"), QStringLiteral("0"));
    e.insert(ctl + QStringLiteral("/MiscStatus/1"), QString::number(CUBE_MiscStatus));
    e.insert(ctl + QStringLiteral("/ToolboxBitmap32"), modulePath + QStringLiteral(", 1"));
    e.insert(ctl + QStringLiteral("/TypeLib"), RegistryGuidString(LIBID_CUBELib));
    e.insert(ctl + QStringLiteral("/Version"), versionKey(CUBELib_VerMajor, CUBELib_VerMinor));

    insertClass(e, CLSID_CUBEPropPage, loadString(IDS_CUBE_PPG), CUBEPropPage_ProgID, modulePath);
    return e;
}

HRESULT CUBE_RegisterServer(Registry& registry, const QString& modulePath)
{
    Registry::Entries lib;
    if (FAILED(typeLibEntries(modulePath, &lib))) {
        qWarning("%s: cannot find its own file or its type library.", CUBE_ModuleName);
        return SELFREG_E_TYPELIB;
    }
    if (FAILED(registry.update(lib))) {
        warn(registry);
        return SELFREG_E_TYPELIB;
    }
    if (FAILED(registry.update(CUBE_ClassEntries(modulePath)))) {
        warn(registry);
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

HRESULT CUBE_UnregisterServer(Registry& registry)
{
    // Which entries there are does not depend on where the module lies; only their values do.
    const QString anyPath = QStringLiteral("/");
    Registry::Entries lib;
    if (FAILED(typeLibEntries(anyPath, &lib))) {
        qWarning("%s: cannot read its type library.", CUBE_ModuleName);
        return SELFREG_E_TYPELIB;
    }
    if (FAILED(registry.update({}, lib.keys()))) {
        warn(registry);
        return SELFREG_E_TYPELIB;
    }
    if (FAILED(registry.update({}, CUBE_ClassEntries(anyPath).keys()))) {
        warn(registry);
        return SELFREG_E_CLASS;
    }
    return S_OK;
}

AUTOMATION_EXPORT HRESULT DllRegisterServer()
{
    Registry registry;
    return CUBE_RegisterServer(registry, CUBE_ModulePath());
}

AUTOMATION_EXPORT HRESULT DllUnregisterServer()
{
    Registry registry;
    return CUBE_UnregisterServer(registry);
}
