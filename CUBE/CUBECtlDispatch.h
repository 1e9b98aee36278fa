// The COM object of the control: _DCUBE (IDispatch) and IControl over one CCUBECtrl widget.
//
// The host reparents the widget into its window, so two owners can end it: the last Release
// deletes the widget if it still exists, and if the host's window deletes it first, every later
// call answers E_FAIL instead of touching it.
#pragma once

#include "control.h"
#include "dispatch.h"

#include <QPointer>

#include <atomic>

class CCUBECtrl;
class QObject;

class CCUBECtrlDispatch final : public IDispatch, public IControl {
public:
    // Creates a control (pUnkOuter must be null: no aggregation) and answers `riid` on it.
    static HRESULT Create(IUnknown* pUnkOuter, REFIID riid, void** ppv);

    // IUnknown
    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    // IDispatch
    HRESULT GetTypeInfoCount(uint32_t* pctinfo) override;
    HRESULT GetTypeInfo(uint32_t iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT GetIDsOfNames(REFIID riid, char16_t** rgszNames, uint32_t cNames, LCID lcid,
                          DISPID* rgDispId) override;
    HRESULT Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, uint16_t wFlags, DISPPARAMS* pDispParams,
                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, uint32_t* puArgErr) override;

    // IControl
    HRESULT SetClientSite(IControlSite* site) override;
    HRESULT GetWidget(QWidget** widget) override;
    HRESULT DoVerb(int32_t verb, QWidget* parent) override;
    HRESULT Save(IPropertyBag* bag) override;
    HRESULT Load(IPropertyBag* bag) override;

    // Asks the site for its ambient user mode; the widget calls this before every paint.
    void RefreshAmbientUserMode();

private:
    CCUBECtrlDispatch();
    ~CCUBECtrlDispatch();

    std::atomic<uint32_t> m_Refs{1};
    QPointer<CCUBECtrl> m_Ctrl;
    IControlSite* m_Site = nullptr;
};

// Names of the values the control saves into a property bag.
constexpr const char16_t* CUBE_PropVersion = u"_Version";
constexpr const char16_t* CUBE_PropExtentX = u"_ExtentX";
constexpr const char16_t* CUBE_PropExtentY = u"_ExtentY";
