// Closing the window of the real program at a random moment while a stage runs asks about the
// unsaved work; Discard ends the program at once and cleanly: exit code 0, within seconds, nothing
// reported on standard error by a sanitizer.
//
// MERLO_CLOSE_REPEATS and MERLO_CLOSE_SEED change the number of closes and their moments.
#include "xdisplay.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <vector>

namespace {

long EnvNumber(const char* name, long fallback)
{
    const char* v = std::getenv(name);
    char* end = nullptr;
    const long n = v ? std::strtol(v, &end, 10) : 0;
    return v && *v && end && *end == '\0' && n > 0 ? n : fallback;
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

using CloseAtRandom = xdisplay::OnDisplay;

TEST_F(CloseAtRandom, ClosingDuringAStageEndsTheProgramCleanly)
{
    const long repeats = EnvNumber("MERLO_CLOSE_REPEATS", 10);
    const auto seed = static_cast<uint64_t>(EnvNumber("MERLO_CLOSE_SEED", 4242));
    std::mt19937_64 rng(seed);
    std::cout << "close: seed " << seed << ", " << repeats << " closes\n";
    const auto& stages = xdisplay::Stages();
    qint64 slowest = 0;
    int busyAtClose = 0;
    for (long i = 0; i < repeats; ++i) {
        // Mostly "FaceH", the stage that works longest on a scrambled cube; now and then any other.
        const xdisplay::Button& stage = i % 2 == 0 ? stages[0] : stages[rng() % stages.size()];
        const int delay = static_cast<int>(rng() % 501);
        SCOPED_TRACE(testing::Message() << "close " << i << ": " << stage.name << ", closed " << delay << " ms after");

        // A stage on a fresh scramble ends within milliseconds, so every 40 ms "Melange", the stage
        // and then every stage in order are pressed: a whole solve, about as long as the pause, so
        // whatever the delay the close mostly finds a stage running (presses that come during a
        // stage land in its yields).
        QStringList actions = xdisplay::WaitForWindow();
        int at = 0;
        do {
            actions << "click" << xdisplay::Melange().at << "click" << stage.at;
            for (const xdisplay::Button& next : stages)
                actions << "click" << next.at;
            const int step = std::min(40, delay - at);
            if (step > 0)
                actions << "sleep" << QString::number(step);
            at += 40;
        } while (at < delay);

        // The program's processor time, sampled while xmerlo drives it: did it still rise in the
        // last 100 ms before the close?
        std::vector<long> cpu;
        const xdisplay::Run run = xdisplay::RunProgram(display(), actions, [&](qint64 pid) {
            if (const long ticks = CpuTicks(pid); ticks >= 0)
                cpu.push_back(ticks);
        }, xdisplay::DiscardOnClose());
        ASSERT_TRUE(run.failure.isEmpty()) << run.failure.toStdString();
        const bool busy = cpu.size() > 10 && cpu.back() > cpu[cpu.size() - 11];
        busyAtClose += busy;
        slowest = std::max(slowest, run.endMs);
        EXPECT_FALSE(run.crashed) << run.errors.toStdString();
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_TRUE(xdisplay::Clean(run.errors)) << run.errors.toStdString();
        std::cout << "close " << i << ": " << stage.name << " closed after " << delay << " ms"
                  << (busy ? " while it ran" : "") << ", ended " << run.endMs << " ms after Discard, exit "
                  << run.exitCode << "\n";
    }
    std::cout << "close: " << busyAtClose << " of " << repeats << " closes came while the program was busy; slowest end "
              << slowest << " ms after Discard\n";
    // The presses keep a stage running, so the closes must (mostly) have found one at work.
    EXPECT_GT(busyAtClose, 0);
}

} // namespace
