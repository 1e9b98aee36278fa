#include "CUBEHost.h"

#include "CUBEIds.h"
#include "Fatal.h"
#include "control.h"
#include "module.h"
#include "unknown.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <dlfcn.h>

// The ambient properties the window offers its control: it always runs, never designs.
class CUBESite final : public UnknownImpl<IControlSite, IID_IControlSite> {
public:
    HRESULT GetAmbientUserMode(VARIANT_BOOL* userMode) override
    {
        if (!userMode)
            return E_POINTER;
        *userMode = VARIANT_TRUE;
        return S_OK;
    }
};

namespace {

[[noreturn]] void Echec(HRESULT hr, const char* step)
{
    Fatal(QCoreApplication::translate("CUBEHost", "Automation error %1 in %2").arg(HResultText(hr), QLatin1String(step)));
}

// One module for the whole program, loaded on first use and kept: the control's widget class and
// pictures live in it, and Qt may hold on to them after the last control is gone.
ControlModule& Module()
{
    static ControlModule module;
    return module;
}

} // namespace

QString CUBEHost::LoadedModulePath()
{
    // The file the dynamic loader really mapped, links resolved, rather than the name asked for.
    Dl_info info{};
    const auto entry = Module().GetClassObjectEntry();
    if (!entry || !dladdr(reinterpret_cast<void*>(entry), &info) || !info.dli_fname)
        return {};
    const QString file = QFile::decodeName(info.dli_fname);
    const QString canonical = QFileInfo(file).canonicalFilePath();
    return canonical.isEmpty() ? file : canonical;
}

QString CUBEHost::ModulePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("cube.ocx"));
}

CUBEHost::CUBEHost(const QString& modulePath)
{
    ControlModule& module = Module();
    if (!module.IsLoaded() && !module.Load(QFile::encodeName(modulePath).toStdString()))
        Fatal(QCoreApplication::translate("CUBEHost", "Cannot load the cube control %1: %2")
                  .arg(QDir::toNativeSeparators(modulePath), QString::fromStdString(module.ErrorString())));

    IUnknown* unknown = nullptr;
    HRESULT hr = module.CreateInstance(CLSID_CUBE, IID_IUnknown, reinterpret_cast<void**>(&unknown));
    if (FAILED(hr) || !unknown)
        Echec(FAILED(hr) ? hr : E_POINTER, "CreateInstance");

    hr = unknown->QueryInterface(IID_IControl, reinterpret_cast<void**>(&m_Control));
    if (FAILED(hr) || !m_Control) {
        unknown->Release();
        Echec(FAILED(hr) ? hr : E_POINTER, "QueryInterface(IControl)");
    }
    // The control asks for its site before anything else.
    m_Site = new CUBESite;
    hr = m_Control->SetClientSite(m_Site);
    if (FAILED(hr))
        Echec(hr, "SetClientSite");

    hr = unknown->QueryInterface(DIID__DCUBE, reinterpret_cast<void**>(&m_Dispatch));
    unknown->Release();
    if (FAILED(hr) || !m_Dispatch)
        Echec(FAILED(hr) ? hr : E_POINTER, "QueryInterface(_DCUBE)");

    QWidget* widget = nullptr;
    hr = m_Control->GetWidget(&widget);
    if (FAILED(hr) || !widget)
        Echec(FAILED(hr) ? hr : E_POINTER, "GetWidget");
    m_Widget = widget;
}

CUBEHost::~CUBEHost()
{
    if (m_Dispatch)
        m_Dispatch->Release();
    if (m_Control) {
        m_Control->SetClientSite(nullptr);
        m_Control->Release();
    }
    if (m_Site)
        m_Site->Release();
    delete m_Widget.data();
}
