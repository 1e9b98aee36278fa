#include "CUBECtlDispatch.h"

#include "CUBECtl.h"
#include "CUBEIds.h"
#include "CUBEPpg.h"
#include "CUBETypeLib.h"
#include "CUBEVie.h"

#include <QEvent>
#include <QObject>

#include <new>

namespace {

// Asks the container for its user mode right before each paint, so design and run mode show at
// once without the container having to say it changed.
class AmbientFilter final : public QObject {
public:
    AmbientFilter(CCUBECtrlDispatch* owner, QObject* parent) : QObject(parent), m_Owner(owner) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_Owner->RefreshAmbientUserMode();
        return false;
    }

private:
    CCUBECtrlDispatch* m_Owner;
};

// Extents are saved in HIMETRIC (0.01 mm) at 96 logical pixels per inch, as containers expect.
constexpr int32_t PixelsToHimetric(int px) { return static_cast<int32_t>((int64_t(px) * 2540 + 48) / 96); }
constexpr int HimetricToPixels(int32_t hm) { return static_cast<int>((int64_t(hm) * 96 + 1270) / 2540); }
constexpr int MaxExtentPixels = 32767;

constexpr int32_t SavedVersion = (int32_t(CUBELib_VerMajor) << 16) | CUBELib_VerMinor;

} // namespace

CCUBECtrlDispatch::CCUBECtrlDispatch() : m_Ctrl(new CCUBECtrl)
{
    m_Ctrl->setObjectName(QStringLiteral("CUBECtrl"));
    m_Ctrl->installEventFilter(new AmbientFilter(this, m_Ctrl));
    CUBE_ObjectCreated();
}

CCUBECtrlDispatch::~CCUBECtrlDispatch()
{
    delete m_Ctrl.data(); // null when the host's window has already deleted it
    if (m_Site)
        m_Site->Release();
    CUBE_ObjectDestroyed();
}

HRESULT CCUBECtrlDispatch::Create(IUnknown* pUnkOuter, REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter)
        return CLASS_E_NOAGGREGATION;
    auto* object = new (std::nothrow) CCUBECtrlDispatch;
    if (!object)
        return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

HRESULT CCUBECtrlDispatch::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID__DCUBE)
        *ppv = static_cast<IDispatch*>(this);
    else if (riid == IID_IControl)
        *ppv = static_cast<IControl*>(this);
    else {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

uint32_t CCUBECtrlDispatch::AddRef() { return ++m_Refs; }

uint32_t CCUBECtrlDispatch::Release()
{
    const uint32_t refs = --m_Refs;
    if (refs == 0)
        delete this;
    return refs;
}

// --- IDispatch ---------------------------------------------------------------------------------

HRESULT CCUBECtrlDispatch::GetTypeInfoCount(uint32_t* pctinfo)
{
    if (!pctinfo)
        return E_POINTER;
    *pctinfo = 1;
    return S_OK;
}

HRESULT CCUBECtrlDispatch::GetTypeInfo(uint32_t iTInfo, LCID, ITypeInfo** ppTInfo)
{
    if (!ppTInfo)
        return E_POINTER;
    *ppTInfo = nullptr;
    if (iTInfo != 0)
        return DISP_E_BADINDEX;
    return CreateTypeInfoFromTable(CUBE_TypeLib(), DIID__DCUBE, ppTInfo);
}

HRESULT CCUBECtrlDispatch::GetIDsOfNames(REFIID riid, char16_t** rgszNames, uint32_t cNames, LCID,
                                         DISPID* rgDispId)
{
    if (!(riid == IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    return GetIDsOfNamesFromTable(DCUBE_Funcs(), rgszNames, cNames, rgDispId);
}

HRESULT CCUBECtrlDispatch::Invoke(DISPID dispIdMember, REFIID riid, LCID, uint16_t wFlags,
                                  DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO*, uint32_t* puArgErr)
{
    const FUNCDESC* func = nullptr;
    INVOKEARGS args;
    const HRESULT hr = PrepareInvoke(DCUBE_Funcs(), dispIdMember, riid, wFlags, pDispParams, puArgErr, &func, &args);
    if (FAILED(hr))
        return hr;
    const DCUBECall call = DCUBE_Call(*func);
    if (!m_Ctrl || !call)
        return E_FAIL;
    int16_t result = 0;
    call(*m_Ctrl, args, result);
    SetInvokeResult(*func, result, pVarResult);
    return S_OK;
}

// --- IControl ----------------------------------------------------------------------------------

HRESULT CCUBECtrlDispatch::SetClientSite(IControlSite* site)
{
    if (site)
        site->AddRef();
    if (m_Site)
        m_Site->Release();
    m_Site = site;
    RefreshAmbientUserMode();
    return S_OK;
}

void CCUBECtrlDispatch::RefreshAmbientUserMode()
{
    if (!m_Ctrl)
        return;
    // Without a site, or when the site cannot say, the control runs.
    VARIANT_BOOL userMode = VARIANT_TRUE;
    if (m_Site && FAILED(m_Site->GetAmbientUserMode(&userMode)))
        userMode = VARIANT_TRUE;
    m_Ctrl->SetAmbientUserMode(userMode != VARIANT_FALSE);
}

HRESULT CCUBECtrlDispatch::GetWidget(QWidget** widget)
{
    if (!widget)
        return E_POINTER;
    *widget = m_Ctrl.data();
    return m_Ctrl ? S_OK : E_FAIL;
}

HRESULT CCUBECtrlDispatch::DoVerb(int32_t verb, QWidget* parent)
{
    if (!m_Ctrl)
        return E_FAIL;
    if (verb != OLEIVERB_PROPERTIES)
        return E_NOTIMPL;
    return CUBE_OpenPropertyFrame(parent ? parent : m_Ctrl.data()) ? S_OK : E_FAIL;
}

// Only the version and the extent are saved: the cube is never part of a document.
HRESULT CCUBECtrlDispatch::Save(IPropertyBag* bag)
{
    if (!bag)
        return E_POINTER;
    if (!m_Ctrl)
        return E_FAIL;
    VARIANT v{};
    v.vt = VT_I4;
    v.lVal = SavedVersion;
    HRESULT hr = bag->Write(CUBE_PropVersion, &v);
    if (SUCCEEDED(hr)) {
        v.lVal = PixelsToHimetric(m_Ctrl->width());
        hr = bag->Write(CUBE_PropExtentX, &v);
    }
    if (SUCCEEDED(hr)) {
        v.lVal = PixelsToHimetric(m_Ctrl->height());
        hr = bag->Write(CUBE_PropExtentY, &v);
    }
    if (SUCCEEDED(hr))
        m_Ctrl->SetModified(false);
    return SUCCEEDED(hr) ? S_OK : hr;
}

// Loading restores the extent only. The cube stays what it is: a freshly created control holds a
// new cube whatever the saved control showed.
HRESULT CCUBECtrlDispatch::Load(IPropertyBag* bag)
{
    if (!bag)
        return E_POINTER;
    if (!m_Ctrl)
        return E_FAIL;
    auto readInt = [bag](const char16_t* name, int32_t* out) {
        VARIANT v{};
        if (FAILED(bag->Read(name, &v)))
            return false;
        if (v.vt == VT_I4)
            *out = v.lVal;
        else if (v.vt == VT_I2)
            *out = v.iVal;
        else
            return false;
        return true;
    };
    // Any version of ours reads the same: there is nothing but the extent to read.
    int32_t version = SavedVersion;
    readInt(CUBE_PropVersion, &version);
    if ((version >> 16) > CUBELib_VerMajor)
        return E_FAIL;
    int32_t cx = 0, cy = 0;
    if (readInt(CUBE_PropExtentX, &cx) && readInt(CUBE_PropExtentY, &cy)) {
        const int w = HimetricToPixels(cx), h = HimetricToPixels(cy);
        if (w > 0 && h > 0 && w <= MaxExtentPixels && h <= MaxExtentPixels)
            m_Ctrl->resize(w, h);
    }
    m_Ctrl->SetModified(false);
    return S_OK;
}
