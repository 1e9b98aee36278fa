// What the short solver's tests share: the suite's cache of tables, random moves, and the tool run
// as a user runs it.
#pragma once

#include "ShortSolve.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

namespace shortsolvetest {

// The suite's tables live in one cache, made once for all its processes (each test is one).
inline const char* const SuiteCache = [] {
    setenv("XDG_CACHE_HOME", MERLO_SHORTSOLVE_TEST_CACHE, 1);
    return MERLO_SHORTSOLVE_TEST_CACHE;
}();

inline std::vector<shortsolve::Move> RandomMoves(std::mt19937& rng, int n)
{
    std::vector<shortsolve::Move> m;
    while (int(m.size()) < n) {
        const auto next = shortsolve::Move(rng() % 18);
        if (m.empty() || shortsolve::FaceOf(m.back()) != shortsolve::FaceOf(next))
            m.push_back(next);
    }
    return m;
}

struct ToolRun {
    int status;
    QStringList out, err;
};

// merlos-solve with these arguments and input, its cache in `cache`; `env` adds to or, with an
// empty value, takes from its environment. A run may build the full tables before it ends, which
// takes minutes in a sanitizer build on a busy machine.
inline ToolRun Tool(const QStringList& args, const QString& cache, const QByteArray& input = {},
                    const QList<QPair<QString, QString>>& env = {}, int waitMs = 120'000)
{
    QProcess p;
    auto e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    for (const auto& [name, value] : env) {
        if (value.isEmpty())
            e.remove(name);
        else
            e.insert(name, value);
    }
    p.setProcessEnvironment(e);
    p.start(QStringLiteral(MERLO_BIN_DIR "/merlos-solve"), args);
    EXPECT_TRUE(p.waitForStarted());
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(waitMs));
    const auto lines = [](const QByteArray& b) {
        QStringList l = QString::fromUtf8(b).split(QLatin1Char('\n'));
        if (!l.isEmpty() && l.last().isEmpty())
            l.removeLast();
        return l;
    };
    return {p.exitCode(), lines(p.readAllStandardOutput()), lines(p.readAllStandardError())};
}

} // namespace shortsolvetest
