// The property page (through the Properties verb and through its own class) and what a document
// keeps of the control.
#include "dispatch_support.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include <cmath>
#include <map>

using namespace dispatch_test;

namespace {

const char* const PageText = "TODO: Place controls to manipulate properties of CUBE Control on this dialog.";

QDialog* OpenFrame()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("CUBEPropertyFrame") && w->isVisible())
            return qobject_cast<QDialog*>(w);
    return nullptr;
}

// Checks the page against its dialog template: 250 x 62 units, the text at (7, 25), 229 x 16. One
// x unit is a quarter of the font's average letter width, one y unit an eighth of its height.
void ExpectPageLayout(QWidget* page)
{
    ASSERT_NE(page, nullptr);
    const QFontMetrics fm(page->font());
    const double avg = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    const double ux = std::round(avg) / 4.0, uy = fm.height() / 8.0;
    EXPECT_NEAR(page->width(), 250 * ux, 1.0);
    EXPECT_NEAR(page->height(), 62 * uy, 1.0);
    auto* text = page->findChild<QLabel*>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(page->findChildren<QWidget*>().size(), 1) << "the text is the page's only control";
    EXPECT_EQ(text->text(), QString::fromLatin1(PageText));
    EXPECT_NEAR(text->x(), 7 * ux, 1.0);
    EXPECT_NEAR(text->y(), 25 * uy, 1.0);
    EXPECT_NEAR(text->width(), 229 * ux, 1.0);
    EXPECT_NEAR(text->height(), 16 * uy, 1.0);
    EXPECT_LE(text->x() + text->width(), page->width());
    EXPECT_LE(text->y() + text->height(), page->height());
}

class PropertyPage : public ControlTest {};

TEST_F(PropertyPage, PropertiesVerbOpensTheGeneralPageAndClosingChangesNothing)
{
    ASSERT_EQ(Call(disp, 11, DISPATCH_METHOD, {I2(0), I2(0), I2(1)}).hr, S_OK);
    const CubeState before = StateOf(disp);
    QWidget host;
    for (const char* button : {"OK", "Cancel"}) {
        ASSERT_EQ(Control()->DoVerb(OLEIVERB_PROPERTIES, &host), S_OK);
        QDialog* frame = OpenFrame();
        ASSERT_NE(frame, nullptr);
        auto* tabs = frame->findChild<QTabWidget*>();
        ASSERT_NE(tabs, nullptr);
        ASSERT_EQ(tabs->count(), 1);
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("General"));
        ExpectPageLayout(tabs->widget(0));
        auto* press = frame->findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(press, nullptr);
        press->click();
        QApplication::processEvents();
        EXPECT_EQ(OpenFrame(), nullptr) << button;
        EXPECT_EQ(StateOf(disp), before) << button;
    }
}

TEST(PropertyPageClass, PageObjectDescribesAndShowsThePage)
{
    IPropertyPage* page = nullptr;
    ASSERT_EQ(Module().CreateInstance(CLSID_CUBEPropPage, IID_IPropertyPage, reinterpret_cast<void**>(&page)), S_OK);
    PROPPAGEINFO info{};
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_STREQ(info.pszTitle, "General");
    EXPECT_EQ(page->GetPageInfo(nullptr), E_POINTER);
    QWidget frame;
    QWidget* widget = nullptr;
    ASSERT_EQ(page->Activate(&frame, &widget), S_OK);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), &frame);
    EXPECT_EQ(widget->size(), QSize(info.cx, info.cy));
    ExpectPageLayout(widget);
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
    EXPECT_EQ(page->Apply(), S_OK);
    QPointer<QWidget> watch(widget);
    EXPECT_EQ(page->Deactivate(), S_OK);
    EXPECT_TRUE(watch.isNull());
    ASSERT_EQ(page->Activate(&frame, &widget), S_OK);
    watch = widget;
    EXPECT_EQ(page->Release(), 0u);
    EXPECT_TRUE(watch.isNull()) << "the page goes with its object";
}

// A property bag as a container keeps it.
class Bag final : public IPropertyBag {
public:
    HRESULT QueryInterface(REFIID iid, void** ppv) override
    {
        if (iid == IID_IUnknown || iid == IID_IPropertyBag) {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return 2; }
    uint32_t Release() override { return 1; }
    HRESULT Read(const char16_t* name, VARIANT* value) override
    {
        auto it = values.find(name);
        if (it == values.end())
            return E_INVALIDARG;
        *value = it->second;
        return S_OK;
    }
    HRESULT Write(const char16_t* name, const VARIANT* value) override
    {
        values[name] = *value;
        return S_OK;
    }
    std::map<std::u16string, VARIANT> values;
};

class Persistence : public ControlTest {};

TEST_F(Persistence, SavesTheVersionAndExtentOnly)
{
    QWidget* widget = nullptr;
    ASSERT_EQ(Control()->GetWidget(&widget), S_OK);
    widget->resize(171, 201);
    ASSERT_EQ(Call(disp, 10, DISPATCH_METHOD, {I2(1), I2(0), I2(1)}).hr, S_OK);
    Bag bag;
    ASSERT_EQ(Control()->Save(&bag), S_OK);
    ASSERT_EQ(bag.values.size(), 3u);
    ASSERT_EQ(bag.values.count(u"_Version"), 1u);
    EXPECT_EQ(bag.values[u"_Version"].vt, VT_I4);
    EXPECT_EQ(bag.values[u"_Version"].lVal, 0x00010000) << "version 1.0";
    EXPECT_EQ(bag.values[u"_ExtentX"].lVal, 4524); // 171 px at 96 dpi in 0.01 mm
    EXPECT_EQ(bag.values[u"_ExtentY"].lVal, 5318);
    EXPECT_EQ(Control()->Save(nullptr), E_POINTER);
}

TEST_F(Persistence, ReloadingGivesANewCubeOfTheSavedSize)
{
    QWidget* widget = nullptr;
    ASSERT_EQ(Control()->GetWidget(&widget), S_OK);
    widget->resize(240, 280);
    ASSERT_EQ(Call(disp, 12, DISPATCH_METHOD, {I2(0), I2(0), I2(1)}).hr, S_OK);
    ASSERT_EQ(Call(disp, 6, DISPATCH_METHOD, {I2(0)}).hr, S_OK);
    const CubeState turned = StateOf(disp);
    Bag bag;
    ASSERT_EQ(Control()->Save(&bag), S_OK);

    IDispatch* reloaded = nullptr;
    ASSERT_EQ(Module().CreateInstance(CLSID_CUBE, IID_IDispatch, reinterpret_cast<void**>(&reloaded)), S_OK);
    const CubeState fresh = StateOf(reloaded);
    IControl* control = nullptr;
    ASSERT_EQ(reloaded->QueryInterface(IID_IControl, reinterpret_cast<void**>(&control)), S_OK);
    ASSERT_EQ(control->Load(&bag), S_OK);
    EXPECT_EQ(StateOf(reloaded), fresh);
    EXPECT_NE(StateOf(reloaded), turned);
    QWidget* reloadedWidget = nullptr;
    ASSERT_EQ(control->GetWidget(&reloadedWidget), S_OK);
    EXPECT_EQ(reloadedWidget->size(), QSize(240, 280));
    control->Release();
    reloaded->Release();

    // Loading into the turned control restores nothing of a cube either.
    ASSERT_EQ(Control()->Load(&bag), S_OK);
    EXPECT_EQ(StateOf(disp), turned);
}

TEST_F(Persistence, LoadToleratesMissingAndOddValues)
{
    QWidget* widget = nullptr;
    ASSERT_EQ(Control()->GetWidget(&widget), S_OK);
    widget->resize(100, 100);
    Bag empty;
    EXPECT_EQ(Control()->Load(&empty), S_OK);
    EXPECT_EQ(widget->size(), QSize(100, 100));
    Bag odd;
    odd.values[u"_Version"] = I4(0x00010000);
    odd.values[u"_ExtentX"] = I4(-5);
    odd.values[u"_ExtentY"] = I4(INT32_MAX);
    EXPECT_EQ(Control()->Load(&odd), S_OK);
    EXPECT_EQ(widget->size(), QSize(100, 100));
    odd.values[u"_ExtentX"] = Bool(true);
    odd.values[u"_ExtentY"] = I4(2000);
    EXPECT_EQ(Control()->Load(&odd), S_OK);
    EXPECT_EQ(widget->size(), QSize(100, 100));
    Bag newer;
    newer.values[u"_Version"] = I4(0x00020000);
    EXPECT_EQ(Control()->Load(&newer), E_FAIL) << "a document of a later major version";
    EXPECT_EQ(Control()->Load(nullptr), E_POINTER);
}

} // namespace
