// Any bytes, read as UTF-8 text (invalid sequences included), as a log line to invert on a real
// window. Whatever the text, the inversion makes at most one turn and writes at most one line; that
// line is one the program writes, and inverting it turns the cube back. The cube stays whole.
#include "storm_support.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// One window for the whole run; it is never destroyed, like the program's own.
Merlo* g_W = nullptr;

[[noreturn]] void Fail(const char* what, const QString& text)
{
    std::fprintf(stderr, "fuzz_inverser: %s (input \"%s\")\n", what, text.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    g_W = new Merlo();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace storm;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Merlo& w = *g_W;
    const CubeState before = ReadCube(w);
    const int n = LogCount(w);

    w.Session().InverserOrdre(text);

    const CubeState after = ReadCube(w);
    if (!Broken(after).empty())
        Fail(("cube broken: " + Broken(after)).c_str(), text);
    if (!CounterAgrees(w))
        Fail("counter differs from the log", text);
    const int added = LogCount(w) - n;
    if (added == 0) {
        if (after != before)
            Fail("the cube turned without a log line", text);
    } else if (added == 1) {
        const QString line = LogLine(w, n);
        if (!IsLogLine(line))
            Fail("wrote a line the program never writes", text);
        w.Session().InverserOrdre(line);
        if (LogCount(w) != n + 2 || ReadCube(w) != before)
            Fail("inverting the written line did not turn the cube back", text);
    } else {
        Fail("more than one line written", text);
    }

    // The log stays short; the cube goes on from wherever the inputs left it.
    if (LogCount(w) > 1000)
        w.Session().Clear_Click();
    return 0;
}
