#include "xdisplay.h"

#include "registry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace xdisplay {

namespace {

const QString binDir = QStringLiteral(MERLO_BIN_DIR);

// Generous for a loaded machine, where a start under the sanitizers takes seconds; nothing waits
// for them to run out unless something is wrong.
constexpr int kStartMs = 30000;
constexpr int kHelperMs = 120000;
constexpr int kEndMs = 20000;
constexpr int kRegisteredMs = 30000;

QString helperPath()
{
#ifdef MERLO_HAVE_XMERLO
    return QDir(binDir).filePath(QStringLiteral("xmerlo"));
#else
    return {};
#endif
}

QString fileText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
}

// Ends a process that is still running and waits for it.
void End(QProcess& p)
{
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(kEndMs);
    }
}

// True once the registry under `dataHome` holds the cube's class, which the registration tool
// writes last: the tool the program started at start-up is done.
bool Registered(const QString& dataHome)
{
    Registry registry(QDir(dataHome).filePath(QStringLiteral("merlo-registry/registry.ini")));
    Registry::Entries entries;
    return registry.read(&entries) == S_OK
           && entries.contains(QStringLiteral("CLSID/{8F27743C-7D6D-4575-8D54-90426BE22F94}/InprocServer32"));
}

bool WaitRegistered(const QString& dataHome, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!Registered(dataHome)) {
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(20);
    }
    return true;
}

QString Said(const char* who, const QString& text)
{
    const QString t = text.trimmed();
    return t.isEmpty() ? QString() : QStringLiteral("; %1 said: %2").arg(QLatin1String(who), t);
}

} // namespace

QString Missing()
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        return QStringLiteral("Xvfb is not installed (Debian package xvfb): the real window cannot be shown");
    if (helperPath().isEmpty() || !QFile::exists(helperPath()))
        return QStringLiteral("xmerlo was not built (it needs the X11 headers, Debian package libx11-dev)");
    return {};
}

VirtualDisplay::VirtualDisplay()
{
    if (!m_Dir.isValid()) {
        m_Error = QStringLiteral("no temporary folder for Xvfb's messages: ") + m_Dir.errorString();
        return;
    }
    const QString log = m_Dir.filePath(QStringLiteral("xvfb.log"));
    // Its messages go to a file, so that nothing it writes can ever block it.
    m_Xvfb.setStandardErrorFile(log);
    // It picks a free display and writes the number to the descriptor we give it once it accepts
    // connections.
    m_Xvfb.start(QStandardPaths::findExecutable(QStringLiteral("Xvfb")),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("640x800x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_Xvfb.waitForStarted(kStartMs)) {
        m_Error = QStringLiteral("Xvfb did not start: ") + m_Xvfb.errorString();
        return;
    }
    QElapsedTimer t;
    t.start();
    while (!m_Xvfb.canReadLine() && m_Xvfb.state() == QProcess::Running && t.elapsed() < kStartMs)
        m_Xvfb.waitForReadyRead(200);
    const QByteArray number = m_Xvfb.canReadLine() ? m_Xvfb.readLine().trimmed() : QByteArray();
    if (number.isEmpty()) {
        m_Error = m_Xvfb.state() == QProcess::Running
                      ? QStringLiteral("Xvfb named no display within %1 s").arg(kStartMs / 1000)
                      : QStringLiteral("Xvfb ended at start (exit code %1)").arg(m_Xvfb.exitCode());
        End(m_Xvfb);
        m_Error += Said("Xvfb", fileText(log));
        return;
    }
    m_Name = QStringLiteral(":") + QString::fromLatin1(number);
}

VirtualDisplay::~VirtualDisplay()
{
    if (m_Xvfb.state() != QProcess::NotRunning) {
        m_Xvfb.terminate();
        if (!m_Xvfb.waitForFinished(5000))
            End(m_Xvfb);
    }
}

QProcessEnvironment VirtualDisplay::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_Name);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

QStringList DiscardOnClose() { return {QStringLiteral("dialog"), QStringLiteral("key"), QStringLiteral("d")}; }

Run RunProgram(const VirtualDisplay& display, const QStringList& actions,
               const std::function<void(qint64 pid)>& whileDriving, const QStringList& answer)
{
    Run r;
    // The registry the program's start-up registers the control in, and its messages: its own, so
    // no two runs share them, kept until the registration tool it started is done with them.
    QTemporaryDir data;
    if (!data.isValid()) {
        r.failure = QStringLiteral("no temporary folder for the program: ") + data.errorString();
        return r;
    }
    const QString errFile = data.filePath(QStringLiteral("merlos.err"));
    QProcessEnvironment env = display.environment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    // What a run stopped at once leaves for recovery is no other run's to be asked about.
    env.insert(QStringLiteral("XDG_STATE_HOME"), data.filePath(QStringLiteral("state")));

    QProcess merlos;
    merlos.setProcessEnvironment(env);
    // Into files, so that nothing the program writes can block it while no one reads.
    merlos.setStandardOutputFile(data.filePath(QStringLiteral("merlos.out")));
    merlos.setStandardErrorFile(errFile);
    merlos.start(QDir(binDir).filePath(QStringLiteral("Merlos")), {});
    if (!merlos.waitForStarted(kStartMs)) {
        r.failure = QStringLiteral("the program did not start: ") + merlos.errorString();
        return r;
    }
    QProcess helper;
    helper.setProcessEnvironment(env);
    helper.start(helperPath(), QStringList{QStringLiteral("MERLO's")} + actions + QStringList{QStringLiteral("close")});

    // Stops the run: ends both, keeps what the program said, and waits a little for the tool it may
    // have started, so that the folder is not taken away under it.
    auto stop = [&](const QString& why) {
        End(helper);
        End(merlos);
        r.errors = fileText(errFile);
        r.failure = why + Said("the program", r.errors);
        WaitRegistered(data.path(), 2000);
        return r;
    };
    if (!helper.waitForStarted(kStartMs))
        return stop(QStringLiteral("xmerlo did not start: ") + helper.errorString());

    const qint64 pid = merlos.processId();
    // Drives until xmerlo is done; the failure, or empty.
    auto drive = [&](bool sample) -> QString {
        QElapsedTimer driving;
        driving.start();
        for (;;) {
            helper.waitForFinished(10);
            if (helper.state() == QProcess::NotRunning)
                break;
            if (sample && whileDriving)
                whileDriving(pid);
            merlos.waitForFinished(0);
            if (merlos.state() == QProcess::NotRunning) {
                // It may have ended on the close a moment before xmerlo itself did; otherwise
                // xmerlo waits for a window that is gone.
                helper.waitForFinished(5000);
                if (helper.state() != QProcess::NotRunning)
                    return QStringLiteral("the program ended (exit code %1) before xmerlo was done").arg(merlos.exitCode());
                break;
            }
            if (driving.elapsed() > kHelperMs)
                return QStringLiteral("xmerlo was not done within %1 s").arg(kHelperMs / 1000);
        }
        if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0)
            return QStringLiteral("xmerlo failed (%1)%2")
                .arg(helper.exitStatus() == QProcess::NormalExit ? QStringLiteral("exit code %1").arg(helper.exitCode())
                                                                 : QStringLiteral("it crashed"),
                     Said("xmerlo", QString::fromLocal8Bit(helper.readAllStandardError())));
        return {};
    };
    if (const QString failed = drive(true); !failed.isEmpty())
        return stop(failed);
    if (!answer.isEmpty() && merlos.state() != QProcess::NotRunning) {
        helper.start(helperPath(), QStringList{QStringLiteral("MERLO's")} + answer);
        if (!helper.waitForStarted(kStartMs))
            return stop(QStringLiteral("xmerlo did not start: ") + helper.errorString());
        if (const QString failed = drive(false); !failed.isEmpty())
            return stop(failed);
    }
    QElapsedTimer closed;
    closed.start();

    merlos.waitForFinished(kEndMs);
    r.endMs = closed.elapsed();
    if (merlos.state() != QProcess::NotRunning)
        return stop(QStringLiteral("the program still ran %1 s after its window was closed").arg(kEndMs / 1000));
    r.crashed = merlos.exitStatus() != QProcess::NormalExit;
    r.exitCode = merlos.exitCode();
    r.errors = fileText(errFile);
    if (!WaitRegistered(data.path(), kRegisteredMs))
        r.failure = QStringLiteral("the registration the program started did not land within %1 s")
                        .arg(kRegisteredMs / 1000);
    return r;
}

XmerloRun Xmerlo(const QProcessEnvironment& env, const QString& title, const QStringList& actions)
{
    QProcess helper;
    helper.setProcessEnvironment(env);
    helper.start(helperPath(), QStringList{title} + actions);
    XmerloRun r;
    if (!helper.waitForFinished(60000)) {
        End(helper);
        r.errors = QStringLiteral("xmerlo did not end within 60 s");
        return r;
    }
    r.exitCode = helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
    r.out = QString::fromLocal8Bit(helper.readAllStandardOutput()).trimmed();
    r.errors = QString::fromLocal8Bit(helper.readAllStandardError()).trimmed();
    return r;
}

QStringList WaitForWindow()
{
    // The window's drawn height, 7680 twips at 15 twips a pixel.
    return {QStringLiteral("wait"), QStringLiteral("drawn"), QStringLiteral("512")};
}

QStringList At(int frameL, int frameT, int l, int t, int w, int h)
{
    return {QString::number((frameL + l + w / 2) / 15), QString::number((frameT + t + h / 2) / 15)};
}

Button Melange() { return {"Melange", At(120, 0, 3000, 120, 855, 255)}; }

const std::vector<Button>& Stages()
{
    // In their frame at (0, 5040).
    static const std::vector<Button> stages = {
        {"FaceH", At(0, 5040, 120, 240, 612, 252)},   {"Arretes", At(0, 5040, 120, 600, 612, 252)},
        {"Coins", At(0, 5040, 120, 960, 612, 252)},   {"Zone M", At(0, 5040, 120, 1320, 732, 252)},
        {"Face B", At(0, 5040, 120, 1680, 732, 252)}, {"T", At(0, 5040, 480, 2040, 252, 252)},
    };
    return stages;
}

bool Clean(const QString& errors)
{
    for (const char* mark : {"Sanitizer", "runtime error", "Segmentation", "Aborted", "QObject::", "Merlos:"})
        if (errors.contains(QLatin1String(mark)))
            return false;
    return true;
}

} // namespace xdisplay
