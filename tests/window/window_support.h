// What the window tests share: a fresh window, its buttons by name, its log, and the cube read
// through the window's driver or from a cube of the tests' own.
#pragma once

#include "CUBECtl.h"
#include "Merlo.h"

#include <QEvent>
#include <QLabel>
#include "log_support.h"
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <ostream>

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Which face stands at each position, and the nine colours of every face.
struct CubeState {
    std::array<int16_t, 6> faceAt{};
    std::array<std::array<int16_t, 9>, 6> squares{};
    bool operator==(const CubeState&) const = default;

    // The 54 colours as they stand on the cube, position by position.
    std::array<int16_t, 54> ByPosition() const
    {
        std::array<int16_t, 54> out{};
        for (int p = 0; p < 6; ++p)
            for (int k = 0; k < 9; ++k)
                out[static_cast<std::size_t>(9 * p + k)] = squares[static_cast<std::size_t>(faceAt[static_cast<std::size_t>(p)])][static_cast<std::size_t>(k)];
        return out;
    }
};

inline std::ostream& operator<<(std::ostream& os, const CubeState& s)
{
    os << "positions";
    for (int16_t f : s.faceAt)
        os << ' ' << f;
    for (const auto& face : s.squares) {
        os << " |";
        for (int16_t c : face)
            os << c;
    }
    return os;
}

inline CubeState ReadCube(CUBEDriver& d)
{
    CubeState s;
    for (int16_t p = 0; p < 6; ++p)
        s.faceAt[static_cast<std::size_t>(p)] = d.WichFace(p);
    for (int16_t f = 0; f < 6; ++f)
        d.GetFace(f, s.squares[static_cast<std::size_t>(f)].data());
    return s;
}

inline CubeState ReadCube(const CCUBECtrl& c)
{
    CubeState s;
    for (int16_t p = 0; p < 6; ++p)
        s.faceAt[static_cast<std::size_t>(p)] = c.WichFace(p);
    for (int16_t f = 0; f < 6; ++f)
        c.GetFace(f, s.squares[static_cast<std::size_t>(f)].data());
    return s;
}

// Squares whose colour differs between two cubes, compared position by position.
inline int DifferentSquares(const CubeState& a, const CubeState& b)
{
    const auto x = a.ByPosition(), y = b.ByPosition();
    int n = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        n += x[i] != y[i];
    return n;
}

// The menu bar across the top of the window: the drawn layout stands below it.
inline int MenuBarHeight(const QWidget& w)
{
    const auto* b = w.findChild<QMenuBar*>(QStringLiteral("Menus"));
    return b ? b->height() : 0;
}
// A control's place in the drawn area (below the menu bar), for a control of the window itself.
inline QRect InDrawnArea(const QWidget& w, const QWidget& c)
{
    return c.parentWidget() == &w ? c.geometry().translated(0, -MenuBarHeight(w)) : c.geometry();
}

// Swallows the close events of a window, so that a test sees them without the program ending.
class CloseCatcher : public QObject {
public:
    int closes = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::Close)
            return false;
        ++closes;
        e->ignore();
        return true;
    }
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override { w = std::make_unique<Merlo>(); }
    void TearDown() override { w.reset(); }

    template <typename T = QPushButton>
    T* Get(const char* name)
    {
        T* c = w->findChild<T*>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << "no control " << name;
        return c;
    }
    void Press(const char* name)
    {
        QPushButton* b = Get(name);
        ASSERT_NE(b, nullptr);
        b->click();
    }
    QStringList Log() const
    {
        QStringList lines;
        for (int i = 0; i < LogCount(*w); ++i)
            lines << LogLine(*w, i);
        return lines;
    }
    QString LastLine() const { return LogCount(*w) ? LogLine(*w, LogCount(*w) - 1) : QString(); }
    QString Counter() const { return w->Message->text(); }
    CubeState Cube() { return ReadCube(w->CUBE()); }
    QString Checked(const char* a, const char* b, const char* c)
    {
        QString out;
        for (const char* n : {a, b, c})
            if (Get<QRadioButton>(n)->isChecked())
                out += QLatin1String(n);
        return out;
    }

    std::unique_ptr<Merlo> w;
};

inline const QString kArriere = QStringLiteral("Arri\u00e8re");
