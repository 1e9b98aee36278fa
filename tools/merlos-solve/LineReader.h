// Input lines read whole, whatever their bytes: a line ends at LF or CR LF and nowhere else, a
// line that is not UTF-8 is refused on its own (never merged with the next), and a line too long
// to be a cube is refused without being held.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace lines {

// No cube is written in a megabyte.
inline constexpr std::size_t DefaultLimit = std::size_t(1) << 20;

struct Line {
    enum Kind { Text, Undecodable, TooLong };
    Kind kind = Text;
    QString text;      // Text: the line, without its end
    int column = 0;    // Undecodable: the character the first bad byte stands at, from 1
    int64_t bytes = 0; // the line's length in bytes, without its end
    friend bool operator==(const Line&, const Line&) = default;
};

// Where the first byte that is not strict UTF-8 stands (overlong forms, surrogates and code points
// past U+10FFFF included): its byte offset and the column of the character it stands at, from 1.
struct BadByte {
    std::size_t offset;
    int column;
};
std::optional<BadByte> FirstBadByte(std::string_view bytes);

// UTF-8 bytes as text, every character kept (QString::fromUtf8 would drop a byte order mark at
// the start).
QString Decode(std::string_view bytes);

// The line these bytes (without their end) make: text, undecodable, or longer than `limit`.
Line Classify(std::string_view bytes, std::size_t limit);

// Cuts bytes into lines as they come, in chunks of any size. A UTF-8 byte order mark at the very
// start is dropped. A line longer than `limit` bytes is dropped as it comes and only counted.
class Splitter {
public:
    explicit Splitter(std::size_t limit = DefaultLimit);

    void Feed(std::string_view bytes);
    // The end of the input: its last line, when that has no end of line.
    void Finish();

    bool HasLine() const { return !m_Ready.empty(); }
    Line Take();

private:
    void Append(std::string_view part);
    void EndLine();
    std::size_t Allowed() const;

    std::size_t m_Limit;
    std::string m_Partial;      // the line so far, while it may still fit
    bool m_Skipping = false;    // the line so far is too long: only its length is kept
    int64_t m_Skipped = 0;      // its length so far
    bool m_SkippedCr = false;   // its last byte was CR, which an LF would make part of the end
    bool m_First = true;        // the first line, which may start with a byte order mark
    std::deque<Line> m_Ready;
};

// Lines from a file descriptor, read with read(2) as they arrive.
class FileReader {
public:
    explicit FileReader(int fd, std::size_t limit = DefaultLimit);

    // The next line, or nothing at the end of the input or on a read error (then Error() says why).
    std::optional<Line> Next();
    // Why reading failed, in the system's words; empty when it did not.
    const QString& Error() const { return m_Error; }

private:
    bool Fill();

    int m_Fd;
    Splitter m_Splitter;
    bool m_Ended = false;
    QString m_Error;
};

} // namespace lines
