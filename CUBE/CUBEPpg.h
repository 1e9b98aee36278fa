// CCUBEPropPage: the control's one property page. It holds a single line of text, has no controls
// and exchanges no data, so closing it changes nothing.
#pragma once

#include "control.h"

#include <QPointer>
#include <QSize>
#include <QWidget>

#include <atomic>

class QDialog;
class QFont;
class QLabel;

// The page is laid out in dialog units of its font, as a dialog template is: x units are a quarter
// of the font's average character width (of "A".."Z" and "a".."z"), y units an eighth of its
// height, and every conversion rounds (MulDiv).
struct DialogUnits {
    int baseX; // average character width in pixels
    int baseY; // character height in pixels
    static DialogUnits ForFont(const QFont& font);
    int X(int du) const;
    int Y(int du) const;
};

class CCUBEPropPage : public QWidget {
public:
    explicit CCUBEPropPage(QWidget* parent = nullptr);

    // Dialog 200: 250 x 62 dialog units, one static text at (7, 25), 229 x 16.
    static constexpr int WidthDU = 250, HeightDU = 62;
    static constexpr int TextXDU = 7, TextYDU = 25, TextWidthDU = 229, TextHeightDU = 16;

    // The page's size in pixels, for its font.
    static QSize PageSize();
    QLabel* Text() const { return m_Text; }

private:
    QLabel* m_Text;
};

// Opens the property frame (a dialog with the page under its caption "General", OK and Cancel)
// without blocking; it deletes itself when closed.
QDialog* CUBE_OpenPropertyFrame(QWidget* parent);

// The page's COM object, created by the class object of CLSID_CUBEPropPage.
class CCUBEPropPageObject final : public IPropertyPage {
public:
    static HRESULT Create(IUnknown* pUnkOuter, REFIID riid, void** ppv);

    HRESULT QueryInterface(REFIID riid, void** ppv) override;
    uint32_t AddRef() override;
    uint32_t Release() override;

    HRESULT Activate(QWidget* parent, QWidget** page) override;
    HRESULT Deactivate() override;
    HRESULT GetPageInfo(PROPPAGEINFO* info) override;
    HRESULT IsPageDirty() override;
    HRESULT Apply() override;

private:
    CCUBEPropPageObject();
    ~CCUBEPropPageObject();

    std::atomic<uint32_t> m_Refs{1};
    QPointer<CCUBEPropPage> m_Page;
};
