// The program as a whole: start-up starts the registration tool, a missing part is a clear fatal
// error, and closing the real window ends the program cleanly even in the middle of a stage.
#include "window_support.h"

#include "CUBEIds.h"
#include "registry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

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
    Merlo w;
    QElapsedTimer t;
    t.start();
    w.Form_Load();
    EXPECT_LT(t.elapsed(), 2000);
    EXPECT_EQ(w.List1->count(), 0);
    EXPECT_EQ(w.Message->text(), "");
    // The tool registers the module in this user's registry. Waiting for that also keeps the folder
    // alive until the tool is done with it.
    while (!Registered(data.path()) && t.elapsed() < 30000)
        QThread::msleep(50);
    EXPECT_TRUE(Registered(data.path())) << "nothing registered under " << data.path().toStdString();
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
class OnXvfb : public testing::Test {
protected:
    void SetUp() override
    {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
#ifdef MERLO_HAVE_XMERLO
        m_Helper = QDir(binDir).filePath("xmerlo");
#endif
        if (xvfb.isEmpty() || m_Helper.isEmpty() || !QFile::exists(m_Helper))
            GTEST_SKIP() << "needs Xvfb and xmerlo";
        // Xvfb picks a free display and says which on the descriptor we give it.
        m_Xvfb.start(xvfb, {"-displayfd", "1", "-screen", "0", "640x800x24", "-nolisten", "tcp"});
        ASSERT_TRUE(m_Xvfb.waitForStarted(10000));
        QElapsedTimer t;
        t.start();
        while (!m_Xvfb.canReadLine() && t.elapsed() < 15000)
            m_Xvfb.waitForReadyRead(200);
        const QByteArray number = m_Xvfb.readLine().trimmed();
        ASSERT_FALSE(number.isEmpty()) << "Xvfb did not start";
        m_Display = ":" + QString::fromLatin1(number);
    }
    void TearDown() override
    {
        if (m_Xvfb.state() != QProcess::NotRunning) {
            m_Xvfb.terminate();
            if (!m_Xvfb.waitForFinished(5000))
                m_Xvfb.kill();
            m_Xvfb.waitForFinished();
        }
    }
    QProcessEnvironment Env() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", m_Display);
        env.insert("QT_QPA_PLATFORM", "xcb");
        return env;
    }
    // Starts the program, runs xmerlo with `actions` on its window, and waits for the program's end.
    void Drive(const QStringList& actions, int* exitCode, QString* errors)
    {
        QProcess merlos;
        merlos.setProcessEnvironment(Env());
        merlos.start(QDir(binDir).filePath("Merlos"), {});
        ASSERT_TRUE(merlos.waitForStarted(10000));
        QProcess helper;
        helper.setProcessEnvironment(Env());
        helper.start(m_Helper, QStringList{"MERLO's"} + actions);
        ASSERT_TRUE(helper.waitForFinished(30000));
        EXPECT_EQ(helper.exitCode(), 0) << helper.readAllStandardError().toStdString();
        const bool ended = merlos.waitForFinished(20000);
        if (!ended) {
            merlos.kill();
            merlos.waitForFinished();
        }
        ASSERT_TRUE(ended) << "the program did not end when its window was closed";
        ASSERT_EQ(merlos.exitStatus(), QProcess::NormalExit);
        *exitCode = merlos.exitCode();
        *errors = QString::fromLocal8Bit(merlos.readAllStandardError());
    }

    QString m_Helper;
    QProcess m_Xvfb;
    QString m_Display;
};

// Centre of a control, in window pixels, from its frame's and its own place in twips.
QStringList At(int frameL, int frameT, int l, int t, int wd, int h)
{
    const int x = (frameL + l + wd / 2) / 15, y = (frameT + t + h / 2) / 15;
    return {QString::number(x), QString::number(y)};
}

bool Clean(const QString& errors)
{
    return !errors.contains("Sanitizer") && !errors.contains("runtime error") && !errors.contains("QObject::")
           && !errors.contains("Segmentation");
}

TEST_F(OnXvfb, ClosingTheIdleWindowEndsTheProgram)
{
    int code = -1;
    QString errors;
    Drive({"wait", "sleep", "300", "close"}, &code, &errors);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(Clean(errors)) << errors.toStdString();
}

TEST_F(OnXvfb, ClosingTheWindowWhileAStageRunsEndsTheProgram)
{
    const QStringList melange = At(120, 0, 3000, 120, 855, 255);
    // The stage buttons: FaceH, Arretes, Coins, Zone M, Face B, T.
    const QList<QStringList> stages = {At(0, 5040, 120, 240, 612, 252), At(0, 5040, 120, 600, 612, 252),
                                       At(0, 5040, 120, 960, 612, 252), At(0, 5040, 120, 1320, 732, 252),
                                       At(0, 5040, 120, 1680, 732, 252), At(0, 5040, 480, 2040, 252, 252)};
    for (const QStringList& stage : stages) {
        SCOPED_TRACE(stage.join(',').toStdString());
        int code = -1;
        QString errors;
        // The click and the close leave in one flush: the close waits in the queue while the stage
        // starts, and the stage's first yield hands it to the window.
        Drive(QStringList{"wait", "sleep", "300", "click"} + melange + QStringList{"sleep", "200", "click"} + stage
                  + QStringList{"close"},
              &code, &errors);
        EXPECT_EQ(code, 0);
        EXPECT_TRUE(Clean(errors)) << errors.toStdString();
    }
}

// The desktop's view of the real window: its class is the desktop entry's name, it offers its icon,
// F1 opens one help window however often it is pressed, and Ctrl+Q ends the program as a close does.
TEST_F(OnXvfb, TheRealWindowNamesItsEntryShowsItsIconOpensOneHelpAndQuitsWithCtrlQ)
{
    QProcess merlos;
    merlos.setProcessEnvironment(Env());
    merlos.start(QDir(binDir).filePath("Merlos"), {});
    ASSERT_TRUE(merlos.waitForStarted(10000));
    auto xmerlo = [this](const QString& title, const QStringList& actions) {
        QProcess helper;
        helper.setProcessEnvironment(Env());
        helper.start(m_Helper, QStringList{title} + actions);
        EXPECT_TRUE(helper.waitForFinished(30000));
        EXPECT_EQ(helper.exitCode(), 0) << helper.readAllStandardError().toStdString();
        return QString::fromLatin1(helper.readAllStandardOutput()).trimmed();
    };
    const QString facts = xmerlo("MERLO's", {"wait", "class", "icon"});
    const QStringList lines = facts.split('\n');
    ASSERT_EQ(lines.size(), 2) << facts.toStdString();
    EXPECT_EQ(lines[0].section(' ', 1), "io.github.merlos.Merlos") << "WM_CLASS " << lines[0].toStdString();
    EXPECT_GE(lines[1].toInt(), 4) << "icon sizes";
    EXPECT_EQ(xmerlo("Merlos Help", {"count"}), "0");
    xmerlo("MERLO's", {"key", "F1"});
    EXPECT_EQ(xmerlo("Merlos Help", {"wait", "count"}), "1");
    xmerlo("MERLO's", {"key", "F1", "sleep", "300", "key", "F1", "sleep", "300"});
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
    EXPECT_TRUE(Clean(QString::fromLocal8Bit(merlos.readAllStandardError())));
    EXPECT_EQ(xmerlo("Merlos Help", {"count"}), "0") << "the help went with the program";
}

} // namespace
