#include "CUBEPpg.h"

#include "CUBEIds.h"
#include "CUBEStrings.h"
#include "CUBEVie.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <new>

namespace {

const char* const PageText = "TODO: Place controls to manipulate properties of CUBE Control on this dialog.";

// The page's font: "MS Sans Serif" 8 point; where it is missing the platform picks its nearest.
QFont PageFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}

int MulDiv(int a, int b, int c) { return static_cast<int>(std::lround(double(a) * b / c)); }

} // namespace

DialogUnits DialogUnits::ForFont(const QFont& font)
{
    const QFontMetrics fm(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (fm.horizontalAdvance(letters) / 26 + 1) / 2; // rounded average of 52 letters
    return {baseX > 0 ? baseX : 1, fm.height() > 0 ? fm.height() : 1};
}

int DialogUnits::X(int du) const { return MulDiv(du, baseX, 4); }
int DialogUnits::Y(int du) const { return MulDiv(du, baseY, 8); }

CCUBEPropPage::CCUBEPropPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CCUBEPropPage"));
    setFont(PageFont());
    const DialogUnits du = DialogUnits::ForFont(font());
    setFixedSize(du.X(WidthDU), du.Y(HeightDU));
    m_Text = new QLabel(QString::fromLatin1(PageText), this);
    m_Text->setObjectName(QStringLiteral("IDC_STATIC"));
    m_Text->setWordWrap(true);
    m_Text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Text->setGeometry(du.X(TextXDU), du.Y(TextYDU), du.X(TextWidthDU), du.Y(TextHeightDU));
}

QSize CCUBEPropPage::PageSize()
{
    const DialogUnits du = DialogUnits::ForFont(PageFont());
    return {du.X(WidthDU), du.Y(HeightDU)};
}

QDialog* CUBE_OpenPropertyFrame(QWidget* parent)
{
    auto* frame = new QDialog(parent ? parent->window() : nullptr);
    frame->setObjectName(QStringLiteral("CUBEPropertyFrame"));
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle(QString::fromLatin1(CUBE_LoadString(IDS_CUBE)) + QStringLiteral(" Properties"));
    auto* tabs = new QTabWidget(frame);
    tabs->setObjectName(QStringLiteral("PropertyTabs"));
    tabs->addTab(new CCUBEPropPage, QString::fromLatin1(CUBE_LoadString(IDS_CUBE_PPG_CAPTION)));
    // The page exchanges no data: OK and Cancel both just close.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, frame);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, frame, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, frame, &QDialog::reject);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    frame->open();
    return frame;
}

// --- the page's COM object ---------------------------------------------------------------------

CCUBEPropPageObject::CCUBEPropPageObject() { CUBE_ObjectCreated(); }

CCUBEPropPageObject::~CCUBEPropPageObject()
{
    delete m_Page.data();
    CUBE_ObjectDestroyed();
}

HRESULT CCUBEPropPageObject::Create(IUnknown* pUnkOuter, REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (pUnkOuter)
        return CLASS_E_NOAGGREGATION;
    auto* object = new (std::nothrow) CCUBEPropPageObject;
    if (!object)
        return E_OUTOFMEMORY;
    const HRESULT hr = object->QueryInterface(riid, ppv);
    object->Release();
    return hr;
}

HRESULT CCUBEPropPageObject::QueryInterface(REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IPropertyPage) {
        *ppv = static_cast<IPropertyPage*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

uint32_t CCUBEPropPageObject::AddRef() { return ++m_Refs; }

uint32_t CCUBEPropPageObject::Release()
{
    const uint32_t refs = --m_Refs;
    if (refs == 0)
        delete this;
    return refs;
}

HRESULT CCUBEPropPageObject::Activate(QWidget* parent, QWidget** page)
{
    if (!page)
        return E_POINTER;
    delete m_Page.data();
    m_Page = new CCUBEPropPage(parent);
    *page = m_Page.data();
    return S_OK;
}

HRESULT CCUBEPropPageObject::Deactivate()
{
    delete m_Page.data();
    return S_OK;
}

HRESULT CCUBEPropPageObject::GetPageInfo(PROPPAGEINFO* info)
{
    if (!info)
        return E_POINTER;
    const QSize size = CCUBEPropPage::PageSize();
    info->pszTitle = CUBE_LoadString(IDS_CUBE_PPG_CAPTION);
    info->cx = size.width();
    info->cy = size.height();
    return S_OK;
}

HRESULT CCUBEPropPageObject::IsPageDirty() { return S_FALSE; }

HRESULT CCUBEPropPageObject::Apply() { return S_OK; }
