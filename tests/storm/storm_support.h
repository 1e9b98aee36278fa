// What the robustness tests share: the whole cube read through the window's driver, the checks that
// must hold after any command, and a watchdog that turns a hang into a failure with a message.
#pragma once

#include "Merlo.h"

#include <QLabel>
#include "log_support.h"
#include <QString>
#include <QStringList>

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace storm {

// Which face stands at each position, and the nine colours of each face by face number: two equal
// states are the same cube in the same orientation.
struct CubeState {
    std::array<int16_t, 6> faceAt{};
    std::array<int16_t, 54> squares{};
    bool operator==(const CubeState&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const CubeState& s)
{
    os << "positions";
    for (int16_t f : s.faceAt)
        os << ' ' << f;
    for (std::size_t i = 0; i < s.squares.size(); ++i)
        os << (i % 9 == 0 ? " |" : "") << s.squares[i];
    return os;
}

inline CubeState ReadCube(Merlo& w)
{
    CubeState s;
    for (int16_t p = 0; p < 6; ++p)
        s.faceAt[static_cast<std::size_t>(p)] = w.CUBE().WichFace(p);
    for (int16_t f = 0; f < 6; ++f)
        w.CUBE().GetFace(f, s.squares.data() + 9 * f);
    return s;
}

// Empty when the cube is whole: nine squares of each colour, and the six faces each at one position.
inline std::string Broken(const CubeState& s)
{
    std::array<int, 6> colours{}, faces{};
    for (int16_t c : s.squares) {
        if (c < 0 || c > 5)
            return "colour " + std::to_string(c) + " out of range";
        ++colours[static_cast<std::size_t>(c)];
    }
    for (std::size_t c = 0; c < 6; ++c)
        if (colours[c] != 9)
            return "colour " + std::to_string(c) + " has " + std::to_string(colours[c]) + " squares";
    for (int16_t f : s.faceAt) {
        if (f < 0 || f > 5)
            return "face " + std::to_string(f) + " out of range";
        ++faces[static_cast<std::size_t>(f)];
    }
    for (std::size_t f = 0; f < 6; ++f)
        if (faces[f] != 1)
            return "face " + std::to_string(f) + " stands at " + std::to_string(faces[f]) + " positions";
    return {};
}

// The lines the program writes: 18 layer turns, four whole-cube turns with the face number, the
// separator.
inline bool IsLogLine(const QString& s)
{
    static const QStringList couches = [] {
        QStringList l;
        for (const char* mot : {"Front", "Arri\u00e8re", "Milieu"})
            for (const char* sens : {"Droite", "Gauche"})
                l << QStringLiteral("Trans %1 %2").arg(QString::fromUtf8(mot), QString::fromUtf8(sens));
        for (const char* mot : {"Haut", "Bas", "Milieu"})
            for (const char* sens : {"Droite", "Gauche"})
                l << QStringLiteral("Horiz %1 %2").arg(QString::fromUtf8(mot), QString::fromUtf8(sens));
        for (const char* mot : {"Gauche", "Droite", "Milieu"})
            for (const char* sens : {"Haut", "Bas"})
                l << QStringLiteral("Vert %1 %2").arg(QString::fromUtf8(mot), QString::fromUtf8(sens));
        l << QStringLiteral("*--------");
        for (const char* tour : {"En haut ", "En bas ", "A gauche ", "A droite "})
            for (int f = 0; f < 6; ++f)
                l << QString::fromUtf8(tour) + QLatin1Char(' ') + QString::number(f);
        return l;
    }();
    return couches.contains(s);
}

inline QStringList Log(const Merlo& w)
{
    QStringList l;
    for (int i = 0; i < LogCount(w); ++i)
        l << LogLine(w, i);
    return l;
}

// The counter shows the number of lines once anything changed the log, and nothing before.
inline bool CounterAgrees(const Merlo& w)
{
    const QString m = w.Message->text();
    return m.isEmpty() ? LogCount(w) == 0 : m == QString::number(LogCount(w));
}

// Aborts the process, with what it was doing, when one command has run longer than `limit`: a test
// that hangs would otherwise say nothing at all.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit) : m_Limit(limit), m_Thread([this] { Run(); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_Stop = true;
        }
        m_Wake.notify_all();
        m_Thread.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // The outermost command starts (`what` must outlive it) or ends (nullptr).
    void Busy(const char* what)
    {
        m_What.store(what);
        m_Since.store(Now());
    }

private:
    static int64_t Now()
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void Run()
    {
        std::unique_lock<std::mutex> lock(m_Mutex);
        while (!m_Wake.wait_for(lock, std::chrono::milliseconds(200), [this] { return m_Stop; })) {
            const char* what = m_What.load();
            if (what && Now() - m_Since.load() > std::chrono::milliseconds(m_Limit).count()) {
                std::fprintf(stderr, "watchdog: \"%s\" has not returned after %lld s\n", what,
                             static_cast<long long>(m_Limit.count()));
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    const std::chrono::seconds m_Limit;
    std::atomic<const char*> m_What{nullptr};
    std::atomic<int64_t> m_Since{0};
    std::mutex m_Mutex;
    std::condition_variable m_Wake;
    bool m_Stop = false;
    std::thread m_Thread;
};

} // namespace storm
