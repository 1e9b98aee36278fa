// Closing the window of the real program at a random moment while a stage runs ends the program at
// once and cleanly: exit code 0, within seconds, nothing reported on standard error by a sanitizer.
//
// MERLO_CLOSE_REPEATS and MERLO_CLOSE_SEED change the number of closes and their moments.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

namespace {

const QString binDir = QStringLiteral(MERLO_BIN_DIR);

long EnvNumber(const char* name, long fallback)
{
    const char* v = std::getenv(name);
    char* end = nullptr;
    const long n = v ? std::strtol(v, &end, 10) : 0;
    return v && *v && end && *end == '\0' && n > 0 ? n : fallback;
}

// Centre of a control in window pixels (15 twips each), from its frame's place and its own.
QStringList At(int frameL, int frameT, int l, int t, int w, int h)
{
    return {QString::number((frameL + l + w / 2) / 15), QString::number((frameT + t + h / 2) / 15)};
}

struct Stage {
    const char* name;
    QStringList at;
};

// The stage buttons in their frame at (0, 5040).
const Stage kStages[] = {
    {"FaceH", At(0, 5040, 120, 240, 612, 252)},  {"Arretes", At(0, 5040, 120, 600, 612, 252)},
    {"Coins", At(0, 5040, 120, 960, 612, 252)},  {"Zone M", At(0, 5040, 120, 1320, 732, 252)},
    {"Face B", At(0, 5040, 120, 1680, 732, 252)}, {"T", At(0, 5040, 480, 2040, 252, 252)},
};
// "Melange" in its frame at (120, 0).
const QStringList kMelange = At(120, 0, 3000, 120, 855, 255);

// What a sanitizer or a crash leaves on standard error.
bool Clean(const QString& errors)
{
    for (const char* mark : {"Sanitizer", "runtime error", "Segmentation", "Aborted", "Merlos:"})
        if (errors.contains(QLatin1String(mark)))
            return false;
    return true;
}

// Processor time used by a process so far, in clock ticks; -1 where /proc cannot tell.
long CpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The fields after the command's name, which is in parentheses and may hold blanks.
    const QList<QByteArray> f = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return f.size() > 12 ? f[11].toLong() + f[12].toLong() : -1;
}

// One virtual display for every close of the suite.
class CloseAtRandom : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
#ifdef MERLO_HAVE_XMERLO
        s_Helper = QDir(binDir).filePath(QStringLiteral("xmerlo"));
#endif
        if (xvfb.isEmpty() || s_Helper.isEmpty() || !QFile::exists(s_Helper))
            return;
        s_Xvfb = new QProcess;
        // Xvfb picks a free display and writes its number to the descriptor we give it.
        s_Xvfb->start(xvfb, {"-displayfd", "1", "-screen", "0", "640x800x24", "-nolisten", "tcp"});
        if (!s_Xvfb->waitForStarted(10000))
            return;
        QElapsedTimer t;
        t.start();
        while (!s_Xvfb->canReadLine() && t.elapsed() < 15000)
            s_Xvfb->waitForReadyRead(200);
        const QByteArray number = s_Xvfb->readLine().trimmed();
        if (!number.isEmpty())
            s_Display = QStringLiteral(":") + QString::fromLatin1(number);
    }
    static void TearDownTestSuite()
    {
        if (s_Xvfb) {
            s_Xvfb->terminate();
            if (!s_Xvfb->waitForFinished(5000))
                s_Xvfb->kill();
            s_Xvfb->waitForFinished();
            delete s_Xvfb;
            s_Xvfb = nullptr;
        }
    }
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb): the real window cannot be shown";
        if (s_Helper.isEmpty() || !QFile::exists(s_Helper))
            GTEST_SKIP() << "xmerlo was not built (it needs the X11 headers, Debian package libx11-dev)";
        ASSERT_FALSE(s_Display.isEmpty()) << "Xvfb did not start";
    }
    QProcessEnvironment Env() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), s_Display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }

    static QString s_Helper;
    static QProcess* s_Xvfb;
    static QString s_Display;
};

QString CloseAtRandom::s_Helper;
QProcess* CloseAtRandom::s_Xvfb = nullptr;
QString CloseAtRandom::s_Display;

TEST_F(CloseAtRandom, ClosingDuringAStageEndsTheProgramCleanly)
{
    const long repeats = EnvNumber("MERLO_CLOSE_REPEATS", 10);
    const auto seed = static_cast<uint64_t>(EnvNumber("MERLO_CLOSE_SEED", 4242));
    std::mt19937_64 rng(seed);
    std::cout << "close: seed " << seed << ", " << repeats << " closes\n";
    qint64 slowest = 0;
    int busyAtClose = 0;
    for (long i = 0; i < repeats; ++i) {
        // Mostly "FaceH", the stage that works longest on a scrambled cube; now and then any other.
        const Stage& stage = i % 2 == 0 ? kStages[0] : kStages[rng() % std::size(kStages)];
        const int delay = static_cast<int>(rng() % 501);
        SCOPED_TRACE(testing::Message() << "close " << i << ": " << stage.name << ", closed " << delay << " ms after");

        QProcess merlos;
        merlos.setProcessEnvironment(Env());
        merlos.start(QDir(binDir).filePath(QStringLiteral("Merlos")), {});
        ASSERT_TRUE(merlos.waitForStarted(10000));

        // A stage on a fresh scramble ends within a fraction of a second, so "Melange" and the stage
        // are pressed again every 40 ms: whatever the delay, the close finds a stage running (the
        // presses after the first land in the running stage's yields).
        QStringList actions{"MERLO's", "wait", "sleep", "300"};
        int at = 0;
        do {
            actions << "click" << kMelange << "click" << stage.at;
            const int step = std::min(40, delay - at);
            if (step > 0)
                actions << "sleep" << QString::number(step);
            at += 40;
        } while (at < delay);
        actions << "close";

        QProcess helper;
        helper.setProcessEnvironment(Env());
        helper.start(s_Helper, actions);
        // The program's processor time, sampled until the helper is done: did it still rise in the
        // last 100 ms before the close?
        const qint64 pid = merlos.processId();
        std::vector<long> cpu;
        QElapsedTimer sampling;
        sampling.start();
        while (!helper.waitForFinished(10) && sampling.elapsed() < 30000)
            if (const long ticks = CpuTicks(pid); ticks >= 0)
                cpu.push_back(ticks);
        const bool helped = helper.state() == QProcess::NotRunning;
        EXPECT_TRUE(helped && helper.exitCode() == 0) << helper.readAllStandardError().toStdString();
        const bool busy = cpu.size() > 10 && cpu.back() > cpu[cpu.size() - 11];
        busyAtClose += busy;
        QElapsedTimer t;
        t.start();
        const bool ended = merlos.waitForFinished(5000);
        const qint64 ms = t.elapsed();
        if (!ended) {
            merlos.kill();
            merlos.waitForFinished();
        }
        ASSERT_TRUE(ended) << "the program still ran 5 s after its window was closed";
        slowest = std::max(slowest, ms);
        const QString errors = QString::fromLocal8Bit(merlos.readAllStandardError());
        EXPECT_EQ(merlos.exitStatus(), QProcess::NormalExit) << errors.toStdString();
        EXPECT_EQ(merlos.exitCode(), 0) << errors.toStdString();
        EXPECT_TRUE(Clean(errors)) << errors.toStdString();
        std::cout << "close " << i << ": " << stage.name << " closed after " << delay << " ms"
                  << (busy ? " while it ran" : "") << ", ended " << ms << " ms after the close, exit "
                  << merlos.exitCode() << "\n";
    }
    std::cout << "close: " << busyAtClose << " of " << repeats << " closes came while the program was busy; slowest end "
              << slowest << " ms after the close\n";
    // The presses keep a stage running, so the closes must (mostly) have found one at work.
    EXPECT_GT(busyAtClose, 0);
}

} // namespace
