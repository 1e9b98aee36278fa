// The program as a whole: start-up starts the registration tool, a missing part is a clear fatal
// error, and closing the real window ends the program cleanly even in the middle of a stage.
#include "window_support.h"

#include "CUBEIds.h"
#include "registry.h"
#include "xdisplay.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <poll.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <csignal>
#include <cstdlib>

namespace {

const QString binDir = QStringLiteral(MERLO_BIN_DIR);

// True once the registry under `dataHome` names the cube's class: the tool has done its work.
bool Registered(const QString& dataHome)
{
    Registry registry(QDir(dataHome).filePath("merlo-registry/registry.ini"));
    Registry::Entries entries;
    if (registry.read(&entries) != S_OK)
        return false;
    const QString clsid = "CLSID/" + RegistryGuidString(CLSID_CUBE);
    for (auto it = entries.begin(); it != entries.end(); ++it)
        if (it.key().startsWith(clsid))
            return true;
    return false;
}

// Sets an environment variable for one scope.
class EnvVar {
public:
    EnvVar(const char* name, const QByteArray& value) : m_Name(name), m_Had(qEnvironmentVariableIsSet(name)),
                                                        m_Old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~EnvVar()
    {
        if (m_Had)
            qputenv(m_Name, m_Old);
        else
            qunsetenv(m_Name);
    }

private:
    const char* m_Name;
    bool m_Had;
    QByteArray m_Old;
};

TEST(Program, StartUpStartsTheRegistrationToolWithoutWaiting)
{
    QTemporaryDir data;
    ASSERT_TRUE(data.isValid());
    EnvVar xdg("XDG_DATA_HOME", QFile::encodeName(data.path()));
    // While this test holds the registry's lock, the tool cannot finish: a start-up that waited
    // for it would return only when the tool gives up on the lock.
    const QString registry = QDir(data.path()).filePath("merlo-registry/registry.ini");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(registry).absolutePath()));
    const int lock = ::open(QFile::encodeName(registry + ".update.lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    Merlo w;
    QElapsedTimer t;
    t.start();
    w.Form_Load();
    EXPECT_LT(t.elapsed(), Registry::LockTimeoutMs / 2);
    EXPECT_EQ(LogCount(w), 0);
    EXPECT_EQ(w.Message->text(), "");
    ::close(lock);
    // Then the tool registers the module in this user's registry. Waiting for that also keeps the
    // folder alive until the tool is done with it.
    t.restart();
    while (!Registered(data.path()) && t.elapsed() < 60000)
        QThread::msleep(20);
    EXPECT_TRUE(Registered(data.path())) << "nothing registered under " << data.path().toStdString();
}

// Reads `fd` until every process that holds it has closed it, for a minute at most.
QByteArray ReadToEnd(int fd)
{
    QByteArray all;
    QElapsedTimer t;
    t.start();
    pollfd p{fd, POLLIN, 0};
    char buffer[4096];
    for (ssize_t n = 1; n > 0 && t.elapsed() < 60000;)
        if (::poll(&p, 1, 1000) > 0 && (n = ::read(fd, buffer, sizeof buffer)) > 0)
            all.append(buffer, n);
    ::close(fd);
    return all;
}

// What this process and every process it starts write to standard output and error while `f` runs.
std::pair<QByteArray, QByteArray> Capture(const std::function<void()>& f)
{
    std::fflush(nullptr);
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        return {};
    const int kept[2] = {::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0), ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)};
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    ::close(out[1]);
    ::close(err[1]);
    f();
    std::fflush(nullptr);
    for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        ::dup2(kept[fd - 1], fd);
        ::close(kept[fd - 1]);
    }
    return {ReadToEnd(out[0]), ReadToEnd(err[0])};
}

// The registration tool started with the window says nothing when it succeeds, and its failure
// on standard error.
TEST(Program, TheRegistrationToolIsQuietUnlessItFails)
{
    QTemporaryDir good, bad;
    ASSERT_TRUE(QDir().mkpath(bad.filePath("merlo-registry/registry.ini"))); // a folder where the file goes
    for (const QTemporaryDir* data : {&good, &bad}) {
        EnvVar xdg("XDG_DATA_HOME", QFile::encodeName(data->path()));
        Merlo w;
        const auto [out, err] = Capture([&] { w.Form_Load(); });
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        EXPECT_EQ(Registered(data->path()), data == &good);
        EXPECT_EQ(err.contains("regocx32: DllRegisterServer in "), data == &bad) << err.toStdString();
        EXPECT_EQ(err.contains("failed"), data == &bad) << err.toStdString();
    }
}

// --help and --version answer on standard output and end, before any window, display or
// registration; bad usage is said on standard error.
TEST(Program, AnswersHelpAndVersionWithoutAWindow)
{
    struct Case {
        QStringList args;
        const char* lang;
        const char* out;
        const char* err;
        int status;
    };
    const Case cases[] = {
        {{"--help"}, "C.UTF-8", "^Usage: Merlos \\[options\\] \\[FILE\\]\\n.*-h, --help .*-v, --version .*FILE +A saved session to open\\.\\n$", "^$", 0},
        {{"-h"}, "fr_FR.UTF-8", "FILE +Une session enregistr\u00e9e \u00e0 ouvrir\\.\\n$", "^$", 0},
        {{"--version"}, "C.UTF-8", "^Merlos " MERLO_CMAKE_VERSION "\\n$", "^$", 0},
        {{"-v", "--", "-h"}, "C.UTF-8", "^Merlos " MERLO_CMAKE_VERSION "\\n$", "^$", 0},
        {{"--bogus"}, "C.UTF-8", "^$", "Merlos: Unknown option 'bogus'\\.\\nusage: Merlos \\[-h\\] \\[-v\\] \\[FILE\\]\\n$", 2},
        {{"one", "two"}, "C.UTF-8", "^$", "Merlos: only one FILE can be opened\\n", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QTemporaryDir data;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            env.remove(v);
        // Help and version need no display at all; the rest is read once Qt has its own options.
        env.insert("QT_QPA_PLATFORM", c.status == 0 ? "xcb" : "offscreen");
        env.insert("LANG", c.lang);
        env.insert("XDG_DATA_HOME", data.path());
        p.setProcessEnvironment(env);
        p.start(QDir(binDir).filePath("Merlos"), c.args);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), c.status);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QString err = QString::fromUtf8(p.readAllStandardError()).remove(QRegularExpression("QStandardPaths: [^\\n]*\\n"));
        const auto dotAll = QRegularExpression::DotMatchesEverythingOption;
        EXPECT_TRUE(QRegularExpression(c.out, dotAll).match(out).hasMatch()) << out.toStdString();
        EXPECT_TRUE(QRegularExpression(c.err, dotAll).match(err).hasMatch()) << err.toStdString();
        EXPECT_FALSE(QDir(data.filePath("merlo-registry")).exists()) << "the registration tool ran";
    }
}

// Runs a copy of the program made of `parts` of the output folder, plus `extra` files.
struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome RunCopy(const QStringList& parts, const QMap<QString, QByteArray>& extra = {})
{
    QTemporaryDir dir;
    Outcome r;
    for (const QString& p : parts)
        if (!QFile::copy(QDir(binDir).filePath(p), dir.filePath(p)))
            return r;
    for (auto it = extra.begin(); it != extra.end(); ++it) {
        QFile f(dir.filePath(it.key()));
        if (!f.open(QIODevice::WriteOnly))
            return r;
        f.write(it.value());
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(dir.filePath("Merlos"), {});
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.errors = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

TEST(Program, WithoutItsControlModuleItStopsWithAMessage)
{
    const Outcome r = RunCopy({"Merlos", "regocx32.exe"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errors.contains("Cannot load the cube control")) << r.errors.toStdString();
    EXPECT_TRUE(r.errors.contains("cube.ocx")) << r.errors.toStdString();
}

TEST(Program, WithABrokenControlModuleItStopsWithAMessage)
{
    const Outcome r = RunCopy({"Merlos", "regocx32.exe"}, {{"cube.ocx", "not a module\n"}});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errors.contains("Cannot load the cube control")) << r.errors.toStdString();
}

TEST(Program, WithoutTheRegistrationToolItStopsWithAMessage)
{
    const Outcome r = RunCopy({"Merlos", "cube.ocx"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.errors.contains("Cannot run \"regocx32.exe cube.ocx\"")) << r.errors.toStdString();
}

// The real program on a virtual X display, driven by xmerlo.
using OnXvfb = xdisplay::OnDisplay;

TEST_F(OnXvfb, ClosingTheIdleWindowEndsTheProgram)
{
    const xdisplay::Run run = xdisplay::RunProgram(display(), {"wait"});
    ASSERT_TRUE(run.failure.isEmpty()) << run.failure.toStdString();
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(xdisplay::Clean(run.errors)) << run.errors.toStdString();
}

// When xmerlo fails, the run says so in xmerlo's own words at once and ends the program, rather
// than waiting for a close that was never sent.
TEST_F(OnXvfb, AFailingHelperStopsTheRunWithItsOwnError)
{
    QElapsedTimer t;
    t.start();
    qint64 pid = 0;
    const xdisplay::Run run =
        xdisplay::RunProgram(display(), {"wait", "click", "10", "10", "wobble"}, [&](qint64 id) { pid = id; });
    EXPECT_LT(t.elapsed(), 15000);
    EXPECT_TRUE(run.failure.contains("xmerlo failed (exit code 2)")) << run.failure.toStdString();
    EXPECT_TRUE(run.failure.contains("xmerlo: unknown action wobble")) << run.failure.toStdString();
    // The program whose window was never closed is gone.
    ASSERT_GT(pid, 0);
    EXPECT_NE(::kill(static_cast<pid_t>(pid), 0), 0);
    EXPECT_EQ(errno, ESRCH);
}

TEST_F(OnXvfb, ClosingTheWindowWhileAStageRunsEndsTheProgram)
{
    for (const xdisplay::Button& stage : xdisplay::Stages()) {
        SCOPED_TRACE(stage.name);
        // The clicks and the close leave in one flush once the program's event loop runs: the close
        // waits in the queue while the stage starts, and the stage's first yield hands it to the
        // window, which asks about the scramble's unsaved work.
        const xdisplay::Run run = xdisplay::RunProgram(
            display(), xdisplay::WaitForWindow() + QStringList{"click"} + xdisplay::Melange().at + QStringList{"click"} + stage.at, {},
            xdisplay::DiscardOnClose());
        ASSERT_TRUE(run.failure.isEmpty()) << run.failure.toStdString();
        EXPECT_FALSE(run.crashed);
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_TRUE(xdisplay::Clean(run.errors)) << run.errors.toStdString();
    }
}

// The desktop's view of the real window: its class is the desktop entry's name, it offers its icon,
// F1 opens one help window however often it is pressed, and Ctrl+Q ends the program as a close does.
TEST_F(OnXvfb, TheRealWindowNamesItsEntryShowsItsIconOpensOneHelpAndQuitsWithCtrlQ)
{
    QTemporaryDir dataHome;
    QProcessEnvironment env = display().environment();
    env.insert("XDG_DATA_HOME", dataHome.path());
    QProcess merlos;
    merlos.setProcessEnvironment(env);
    merlos.start(QDir(binDir).filePath("Merlos"), {});
    ASSERT_TRUE(merlos.waitForStarted(10000));
    auto xmerlo = [&](const QString& title, const QStringList& actions) {
        const xdisplay::XmerloRun r = xdisplay::Xmerlo(env, title, actions);
        EXPECT_EQ(r.exitCode, 0) << r.errors.toStdString();
        return r.out;
    };
    const QString facts = xmerlo("MERLO's", {"wait", "class", "icon"});
    const QStringList lines = facts.split('\n');
    ASSERT_EQ(lines.size(), 2) << facts.toStdString();
    EXPECT_EQ(lines[0].section(' ', 1), "io.github.merlos.Merlos") << "WM_CLASS " << lines[0].toStdString();
    EXPECT_GE(lines[1].toInt(), 4) << "icon sizes";
    EXPECT_EQ(xmerlo("Merlos Help", {"count"}), "0");
    xmerlo("MERLO's", {"key", "F1"});
    EXPECT_EQ(xmerlo("Merlos Help", {"wait", "count"}), "1");
    // Each F1 is handled before the ping that follows it is answered.
    xmerlo("MERLO's", {"key", "F1", "wait", "key", "F1", "wait"});
    EXPECT_EQ(xmerlo("Merlos Help", {"count"}), "1");
    xmerlo("MERLO's", {"key", "ctrl+q"});
    const bool ended = merlos.waitForFinished(20000);
    if (!ended) {
        merlos.kill();
        merlos.waitForFinished();
    }
    ASSERT_TRUE(ended) << "Ctrl+Q did not end the program";
    EXPECT_EQ(merlos.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(merlos.exitCode(), 0);
    EXPECT_TRUE(xdisplay::Clean(QString::fromLocal8Bit(merlos.readAllStandardError())));
    EXPECT_EQ(xmerlo("Merlos Help", {"count"}), "0") << "the help went with the program";
    // The registration the program started is done before its folder goes.
    QElapsedTimer t;
    t.start();
    while (!Registered(dataHome.path()) && t.elapsed() < 30000)
        QThread::msleep(20);
    EXPECT_TRUE(Registered(dataHome.path()));
}

} // namespace
