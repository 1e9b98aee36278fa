// The control as a COM object: its class objects, interfaces, reference counts, its widget's
// lifetime and its client site; and what keeps the module loaded.
#include "dispatch_support.h"

#include <QPointer>
#include <QWidget>

using namespace dispatch_test;

namespace {

template <class T> T* As(IUnknown* u, REFIID iid)
{
    void* p = nullptr;
    return SUCCEEDED(u->QueryInterface(iid, &p)) ? static_cast<T*>(p) : nullptr;
}

TEST(ClassObjects, DllGetClassObjectChecksItsArguments)
{
    auto get = Module().GetClassObjectEntry();
    ASSERT_NE(get, nullptr);
    void* out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(get(&CLSID_CUBE, &IID_IClassFactory, nullptr), E_POINTER);
    EXPECT_EQ(get(nullptr, &IID_IClassFactory, &out), E_INVALIDARG);
    EXPECT_EQ(out, nullptr);
    out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(get(&CLSID_CUBE, nullptr, &out), E_INVALIDARG);
    EXPECT_EQ(out, nullptr);
    for (const GUID& other : {IID_IUnknown, IID_IDispatch, DIID__DCUBE, LIBID_CUBELib, DIID__DCUBEEvents}) {
        out = reinterpret_cast<void*>(0x1);
        EXPECT_EQ(get(&other, &IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
        EXPECT_EQ(out, nullptr);
    }
    out = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(get(&CLSID_CUBE, &IID_IDispatch, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}

TEST(ClassObjects, EachClassObjectCreatesItsClass)
{
    for (const CLSID& clsid : {CLSID_CUBE, CLSID_CUBEPropPage}) {
        IUnknown* unknown = nullptr;
        ASSERT_EQ(Module().GetClassObject(clsid, IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
        auto* factory = As<IClassFactory>(unknown, IID_IClassFactory);
        ASSERT_NE(factory, nullptr);
        IUnknown* object = nullptr;
        EXPECT_EQ(factory->CreateInstance(unknown, IID_IUnknown, reinterpret_cast<void**>(&object)),
                  CLASS_E_NOAGGREGATION);
        EXPECT_EQ(object, nullptr);
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, reinterpret_cast<void**>(&object)),
                  E_NOINTERFACE);
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object)), S_OK);
        const bool isControl = clsid == CLSID_CUBE;
        void* p = nullptr;
        EXPECT_EQ(object->QueryInterface(IID_IDispatch, &p) == S_OK, isControl);
        if (p)
            static_cast<IUnknown*>(p)->Release();
        p = nullptr;
        EXPECT_EQ(object->QueryInterface(IID_IPropertyPage, &p) == S_OK, !isControl);
        if (p)
            static_cast<IUnknown*>(p)->Release();
        EXPECT_EQ(object->Release(), 0u);
        factory->Release();
        EXPECT_EQ(unknown->Release(), 0u);
    }
}

// The module may go only when no object and no lock is alive.
TEST(ClassObjects, DllCanUnloadNowCountsObjectsAndLocks)
{
    auto canUnload = Module().CanUnloadNowEntry();
    ASSERT_EQ(canUnload(), S_OK);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(Module().GetClassObject(CLSID_CUBE, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    EXPECT_EQ(canUnload(), S_FALSE) << "a class object is alive";
    IDispatch* control = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&control)), S_OK);
    EXPECT_EQ(factory->LockServer(1), S_OK);
    EXPECT_EQ(factory->Release(), 0u);
    EXPECT_EQ(canUnload(), S_FALSE) << "a control and a lock are alive";
    control->Release();
    EXPECT_EQ(canUnload(), S_FALSE) << "a lock is alive";

    IClassFactory* pages = nullptr;
    ASSERT_EQ(Module().GetClassObject(CLSID_CUBEPropPage, IID_IClassFactory, reinterpret_cast<void**>(&pages)), S_OK);
    EXPECT_EQ(pages->LockServer(0), S_OK);
    IUnknown* page = nullptr;
    ASSERT_EQ(pages->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&page)), S_OK);
    pages->Release();
    EXPECT_EQ(canUnload(), S_FALSE) << "a page is alive";
    page->Release();
    EXPECT_EQ(canUnload(), S_OK);

    // More unlocks than locks never leave the count below zero.
    ASSERT_EQ(Module().GetClassObject(CLSID_CUBE, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    factory->LockServer(0);
    factory->LockServer(1);
    factory->Release();
    EXPECT_EQ(canUnload(), S_FALSE);
    ASSERT_EQ(Module().GetClassObject(CLSID_CUBE, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    factory->LockServer(0);
    factory->Release();
    EXPECT_EQ(canUnload(), S_OK);
}

class ControlObject : public ControlTest {};

TEST_F(ControlObject, QueryInterfaceKeepsOneIdentity)
{
    auto* unknown = As<IUnknown>(disp, IID_IUnknown);
    auto* dcube = As<IDispatch>(disp, DIID__DCUBE);
    auto* control = As<IControl>(disp, IID_IControl);
    ASSERT_NE(unknown, nullptr);
    ASSERT_NE(dcube, nullptr);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(static_cast<void*>(dcube), static_cast<void*>(disp)) << "_DCUBE is the control's IDispatch";
    auto* unknownAgain = As<IUnknown>(control, IID_IUnknown);
    EXPECT_EQ(unknownAgain, unknown);
    auto* dispAgain = As<IDispatch>(control, IID_IDispatch);
    EXPECT_EQ(dispAgain, disp);
    for (const GUID& iid : {IID_IClassFactory, DIID__DCUBEEvents, CLSID_CUBE, IID_IPropertyPage, IID_NULL}) {
        void* p = reinterpret_cast<void*>(0x1);
        EXPECT_EQ(disp->QueryInterface(iid, &p), E_NOINTERFACE);
        EXPECT_EQ(p, nullptr);
    }
    EXPECT_EQ(disp->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    // Six references now: ours, and the five interfaces asked for above that we still hold.
    EXPECT_EQ(disp->AddRef(), 7u);
    EXPECT_EQ(disp->Release(), 6u);
    for (IUnknown* u : {static_cast<IUnknown*>(dcube), static_cast<IUnknown*>(control), unknownAgain,
                        static_cast<IUnknown*>(dispAgain)})
        u->Release();
    EXPECT_EQ(unknown->Release(), 1u);
}

TEST_F(ControlObject, LastReleaseDeletesTheWidget)
{
    QWidget window;
    QWidget* widget = nullptr;
    ASSERT_EQ(Control()->GetWidget(&widget), S_OK);
    ASSERT_NE(widget, nullptr);
    widget->setParent(&window);
    QPointer<QWidget> watch(widget);
    EXPECT_EQ(Control()->GetWidget(nullptr), E_POINTER);
    disp->Release();
    disp = nullptr;
    EXPECT_TRUE(watch.isNull());
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
}

TEST_F(ControlObject, CallsAfterTheHostDeletedTheWidgetFail)
{
    auto* window = new QWidget;
    QWidget* widget = nullptr;
    IControl* control = Control();
    ASSERT_EQ(control->GetWidget(&widget), S_OK);
    widget->setParent(window);
    delete window;
    EXPECT_EQ(Call(disp, 10, DISPATCH_METHOD, {I2(0), I2(0), I2(1)}).hr, E_FAIL);
    EXPECT_EQ(Call(disp, 7, DISPATCH_METHOD, {I2(0)}).hr, E_FAIL);
    // Bad input is still told apart from a lost widget.
    EXPECT_EQ(Call(disp, 7, DISPATCH_METHOD, {}).hr, DISP_E_BADPARAMCOUNT);
    widget = reinterpret_cast<QWidget*>(0x1);
    EXPECT_EQ(control->GetWidget(&widget), E_FAIL);
    EXPECT_EQ(widget, nullptr);
    EXPECT_EQ(control->DoVerb(OLEIVERB_PROPERTIES, nullptr), E_FAIL);
    uint32_t n = 0;
    EXPECT_EQ(disp->GetTypeInfoCount(&n), S_OK) << "type information needs no widget";
}

TEST_F(ControlObject, TwoControlsHoldTwoCubes)
{
    IDispatch* other = nullptr;
    ASSERT_EQ(Module().CreateInstance(CLSID_CUBE, IID_IDispatch, reinterpret_cast<void**>(&other)), S_OK);
    const CubeState fresh = StateOf(other);
    ASSERT_EQ(Call(disp, 12, DISPATCH_METHOD, {I2(0), I2(0), I2(1)}).hr, S_OK);
    EXPECT_EQ(StateOf(other), fresh);
    EXPECT_NE(StateOf(disp), fresh);
    other->Release();
}

// A client site that counts how often it is asked.
class Site final : public IControlSite {
public:
    HRESULT QueryInterface(REFIID iid, void** ppv) override
    {
        if (iid == IID_IUnknown || iid == IID_IControlSite) {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return ++refs; }
    uint32_t Release() override { return --refs; }
    HRESULT GetAmbientUserMode(VARIANT_BOOL* userMode) override
    {
        ++asked;
        *userMode = userModeAnswer;
        return S_OK;
    }
    uint32_t refs = 1;
    int asked = 0;
    VARIANT_BOOL userModeAnswer = VARIANT_FALSE;
};

TEST_F(ControlObject, TheSiteIsAskedForItsUserModeAtEveryPaint)
{
    Site site;
    IControl* control = Control();
    ASSERT_EQ(control->SetClientSite(&site), S_OK);
    EXPECT_EQ(site.refs, 2u) << "the control holds its site";
    QWidget* widget = nullptr;
    ASSERT_EQ(control->GetWidget(&widget), S_OK);
    widget->resize(171, 201);
    const int before = site.asked;
    widget->grab();
    EXPECT_EQ(site.asked, before + 1);
    site.userModeAnswer = VARIANT_TRUE;
    widget->grab();
    EXPECT_EQ(site.asked, before + 2);
    ASSERT_EQ(control->SetClientSite(nullptr), S_OK);
    EXPECT_EQ(site.refs, 1u) << "a replaced site is released";
    widget->grab();
    EXPECT_EQ(site.asked, before + 2);
}

TEST_F(ControlObject, OtherVerbsAreNotImplemented)
{
    for (int32_t verb : {0, -1, -2, -3, -4, -5, -6, 1, 100})
        EXPECT_EQ(Control()->DoVerb(verb, nullptr), E_NOTIMPL) << verb;
}

} // namespace
