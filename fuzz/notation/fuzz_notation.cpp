// Any bytes, as UTF-8, read as cube notation: never a crash or a hang, an error always has its
// message, and what reads is written back and read again as the same turns.
#include "Notation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Small limits, so that the fuzzer reaches them with short inputs.
    const notation::Limits small{4096, 8, 2000};
    const notation::Parsed p = notation::Parse(text, small);
    if (!p) {
        if (p.error->message.isEmpty() || !p.turns.empty())
            std::abort();
        return 0;
    }
    if (p.turns.size() > 2000)
        std::abort();
    QStringList log;
    for (notation::Turn t : p.turns)
        log << QString::fromUtf16(notation::Info(t).log) + (t >= notation::Turn::Haut ? QStringLiteral(" 0") : QString());
    const notation::Parsed back = notation::Parse(notation::WriteLog(log));
    if (!back || back.turns != p.turns)
        std::abort();
    const notation::Simplified s = notation::Simplify(p.turns);
    const notation::Parsed simple = notation::Parse(s.text);
    if (!simple || static_cast<int>(simple.turns.size()) != s.quarters)
        std::abort();
    return 0;
}
