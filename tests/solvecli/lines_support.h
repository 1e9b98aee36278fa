// What the line reader is held to, shared by its tests and its fuzzer: a plain split of the whole
// input at LF, and the layout of a fuzzer's input.
#pragma once

#include "LineReader.h"

#include <functional>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

namespace linestest {

// The lines of the whole input, cut at every LF: a byte order mark at its start dropped, one CR
// before each LF (or at the very end) taken as part of the end of line.
inline std::vector<lines::Line> Split(std::string_view s, std::size_t limit)
{
    if (s.substr(0, 3) == "\xEF\xBB\xBF")
        s.remove_prefix(3);
    std::vector<lines::Line> out;
    while (!s.empty()) {
        const std::size_t lf = s.find('\n');
        std::string_view line = s.substr(0, lf);
        s.remove_prefix(lf == std::string_view::npos ? s.size() : lf + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        out.push_back(lines::Classify(line, limit));
    }
    return out;
}

// The lines a Splitter gives when the input comes in chunks of the sizes `chunk` returns in turn.
inline std::vector<lines::Line> Fed(std::string_view s, std::size_t limit, const std::function<std::size_t()>& chunk)
{
    lines::Splitter splitter(limit);
    std::vector<lines::Line> out;
    while (!s.empty()) {
        const std::size_t n = std::min(s.size(), std::max<std::size_t>(1, chunk()));
        splitter.Feed(s.substr(0, n));
        s.remove_prefix(n);
        while (splitter.HasLine())
            out.push_back(splitter.Take());
    }
    splitter.Finish();
    while (splitter.HasLine())
        out.push_back(splitter.Take());
    return out;
}

// A fuzzer's input: its first byte sets the limit (4 to 64 bytes), its second seeds the chunk
// sizes (1 to 17 bytes), the rest is what is read.
struct FuzzInput {
    std::size_t limit;
    unsigned seed;
    std::string_view bytes;
};

inline std::optional<FuzzInput> ReadFuzzInput(std::string_view data)
{
    if (data.size() < 2)
        return std::nullopt;
    return FuzzInput{4 + static_cast<unsigned char>(data[0]) % 61u, static_cast<unsigned char>(data[1]), data.substr(2)};
}

// The same lines, whole or in the input's chunks, as the plain split gives them.
inline bool Agrees(const FuzzInput& in)
{
    std::minstd_rand rng(in.seed + 1);
    const auto expected = Split(in.bytes, in.limit);
    return Fed(in.bytes, in.limit, [&] { return std::size_t(1 + rng() % 17); }) == expected
           && Fed(in.bytes, in.limit, [&] { return in.bytes.size(); }) == expected;
}

} // namespace linestest
