// The real program on a virtual X display of the test's own, driven by xmerlo: one way of starting
// Xvfb, of running the program on it and of telling what went wrong, for every test that needs it.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace xdisplay {

// Why the real program cannot be shown here (no Xvfb, xmerlo not built); empty when it can.
QString Missing();

// An Xvfb on a display number it picks itself, so tests running at once never share one. It keeps
// its state across clients (-noreset): by default it resets when its last client leaves and drops
// a connection being set up at that moment, such as the next program's.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Why the display did not start, with Xvfb's own words; empty when it runs.
    const QString& error() const { return m_Error; }
    // ":N"
    const QString& name() const { return m_Name; }
    // This environment with DISPLAY set to the display and Qt told to use it.
    QProcessEnvironment environment() const;

private:
    QTemporaryDir m_Dir;
    QProcess m_Xvfb;
    QString m_Name;
    QString m_Error;
};

// One run of the program.
struct Run {
    // What went wrong, in the words of whoever failed (xmerlo's standard error and exit code, the
    // program's), or empty when xmerlo did everything it was asked and the program ended.
    QString failure;
    int exitCode = -1;
    bool crashed = false;
    // The program's standard error.
    QString errors;
    // From the close (or the answer to its question) to the program's end.
    qint64 endMs = -1;
};

// Starts Merlos on `display` with a registry and recovery folder of its own, has xmerlo do
// `actions` on its window and then close it, and waits for the program's end and for the
// registration it started. `answer`, when given, is done by a second xmerlo once the first is done:
// the answer to the question the close asks over unsaved work (DiscardOnClose()). When xmerlo
// fails, or the program ends before xmerlo is done, the run stops at once and ends the program.
// `whileDriving` is called every few milliseconds with the program's process id while the first
// xmerlo runs.
Run RunProgram(const VirtualDisplay& display, const QStringList& actions,
               const std::function<void(qint64 pid)>& whileDriving = {}, const QStringList& answer = {});

// Presses Discard in the question a close asks over unsaved work.
QStringList DiscardOnClose();

// One run of xmerlo with `env` (the display's environment, and the program's folders): its exit
// code (-1 when it did not end within a minute) and what it wrote.
struct XmerloRun {
    int exitCode = -1;
    QString out, errors;
};
XmerloRun Xmerlo(const QProcessEnvironment& env, const QString& title, const QStringList& actions);

// xmerlo's first actions: wait for the window, then measure the clicks' places from the top of the
// drawn layout, below the menu bar.
QStringList WaitForWindow();

// The centre of a control in the drawn layout's pixels, from its frame's place and its own, in twips.
QStringList At(int frameL, int frameT, int l, int t, int w, int h);

// Where to click for "Melange" and for the stages, from top to bottom.
struct Button {
    const char* name;
    QStringList at;
};
Button Melange();
const std::vector<Button>& Stages();

// What a sanitizer, a crash, Qt or the program's own fatal error leaves on standard error.
bool Clean(const QString& errors);

// A test that runs the real program: skipped where it cannot be shown, failed at once when the
// display does not start.
class OnDisplay : public testing::Test {
protected:
    void SetUp() override
    {
        if (const QString why = Missing(); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        m_Display = std::make_unique<VirtualDisplay>();
        ASSERT_TRUE(m_Display->error().isEmpty()) << m_Display->error().toStdString();
    }
    void TearDown() override { m_Display.reset(); }

    const VirtualDisplay& display() const { return *m_Display; }

private:
    std::unique_ptr<VirtualDisplay> m_Display;
};

} // namespace xdisplay
