// What a container needs from an in-process control beyond IDispatch, and what the control may
// ask of its container. Same conventions as com.h: pure virtual interfaces in COM's layout.
#pragma once

#include "com.h"

class QWidget;

// The standard verb that opens a control's property pages.
constexpr int32_t OLEIVERB_PROPERTIES = -7;

// {5B0F3C51-8E2A-4C9B-9D6E-0A7B1C2D3E41}
constexpr IID IID_IControlSite = {0x5B0F3C51, 0x8E2A, 0x4C9B, {0x9D, 0x6E, 0x0A, 0x7B, 0x1C, 0x2D, 0x3E, 0x41}};
// {5B0F3C52-8E2A-4C9B-9D6E-0A7B1C2D3E41}
constexpr IID IID_IControl = {0x5B0F3C52, 0x8E2A, 0x4C9B, {0x9D, 0x6E, 0x0A, 0x7B, 0x1C, 0x2D, 0x3E, 0x41}};
// {5B0F3C53-8E2A-4C9B-9D6E-0A7B1C2D3E41}
constexpr IID IID_IPropertyBag = {0x5B0F3C53, 0x8E2A, 0x4C9B, {0x9D, 0x6E, 0x0A, 0x7B, 0x1C, 0x2D, 0x3E, 0x41}};

// The container's side: ambient properties.
struct IControlSite : IUnknown {
    // VARIANT_TRUE while the container runs, VARIANT_FALSE while it is being designed.
    virtual HRESULT GetAmbientUserMode(VARIANT_BOOL* userMode) = 0;
};

// Named values a control saves into and loads from its container's document.
struct IPropertyBag : IUnknown {
    virtual HRESULT Read(const char16_t* name, VARIANT* value) = 0;
    virtual HRESULT Write(const char16_t* name, const VARIANT* value) = 0;
};

// The control's side.
struct IControl : IUnknown {
    virtual HRESULT SetClientSite(IControlSite* site) = 0;
    // The control's widget, for in-place display: the container reparents it and sets its geometry.
    virtual HRESULT GetWidget(QWidget** widget) = 0;
    virtual HRESULT DoVerb(int32_t verb, QWidget* parent) = 0;
    virtual HRESULT Save(IPropertyBag* bag) = 0;
    virtual HRESULT Load(IPropertyBag* bag) = 0;
};

// {5B0F3C54-8E2A-4C9B-9D6E-0A7B1C2D3E41}
constexpr IID IID_IPropertyPage = {0x5B0F3C54, 0x8E2A, 0x4C9B, {0x9D, 0x6E, 0x0A, 0x7B, 0x1C, 0x2D, 0x3E, 0x41}};

struct PROPPAGEINFO {
    const char* pszTitle; // the caption of the page's tab
    int32_t cx;           // size in logical pixels
    int32_t cy;
};

// A property page, as a property frame hosts it (COM's IPropertyPage, reduced to what a page
// without data exchange needs).
struct IPropertyPage : IUnknown {
    // Creates the page's widget inside `parent`; the page stays owned by this object.
    virtual HRESULT Activate(QWidget* parent, QWidget** page) = 0;
    virtual HRESULT Deactivate() = 0;
    virtual HRESULT GetPageInfo(PROPPAGEINFO* info) = 0;
    // S_OK when the page holds changes not yet applied, S_FALSE otherwise.
    virtual HRESULT IsPageDirty() = 0;
    virtual HRESULT Apply() = 0;
};
