#include "LineReader.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace lines {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

bool StartsWithBom(std::string_view s) { return s.substr(0, Bom.size()) == Bom; }

} // namespace

std::optional<BadByte> FirstBadByte(std::string_view s)
{
    int column = 1;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        // The length the lead byte announces, and the range its first continuation byte must be in
        // so that the character is neither overlong, a surrogate, nor past U+10FFFF.
        std::size_t n = 1;
        unsigned char lo = 0x80, hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            n = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            n = 3;
            lo = b == 0xE0 ? 0xA0 : 0x80;
            hi = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            n = 4;
            lo = b == 0xF0 ? 0x90 : 0x80;
            hi = b == 0xF4 ? 0x8F : 0xBF;
        } else if (b >= 0x80) {
            return BadByte{i, column};
        }
        for (std::size_t k = 1; k < n; ++k) {
            if (i + k >= s.size())
                return BadByte{i, column};
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF))
                return BadByte{i, column};
        }
        i += n;
        ++column;
    }
    return std::nullopt;
}

QString Decode(std::string_view bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    return utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

Line Classify(std::string_view bytes, std::size_t limit)
{
    Line line;
    line.bytes = static_cast<int64_t>(bytes.size());
    if (bytes.size() > limit) {
        line.kind = Line::TooLong;
    } else if (const auto bad = FirstBadByte(bytes)) {
        line.kind = Line::Undecodable;
        line.column = bad->column;
    } else {
        line.text = Decode(bytes);
    }
    return line;
}

// --- Splitter --------------------------------------------------------------------------------------

// Below a few bytes the byte order mark could not be told from a line's start.
Splitter::Splitter(std::size_t limit) : m_Limit(std::max<std::size_t>(limit, 4)) {}

// The bytes the line so far may hold and still fit: its CR may wait for an LF, and the first line
// may start with a byte order mark. Only asked once the line holds more than the limit and one.
std::size_t Splitter::Allowed() const
{
    return m_Limit + 1 + (m_First && StartsWithBom(m_Partial) ? Bom.size() : 0);
}

void Splitter::Append(std::string_view part)
{
    if (part.empty())
        return;
    if (!m_Skipping) {
        m_Partial.append(part);
        if (m_Partial.size() <= m_Limit + 1 || m_Partial.size() <= Allowed())
            return;
        // Too long to be a cube: from here only the length is kept.
        m_Skipping = true;
        const std::size_t bom = m_First && StartsWithBom(m_Partial) ? Bom.size() : 0;
        m_Skipped = static_cast<int64_t>(m_Partial.size() - bom);
        m_SkippedCr = m_Partial.back() == '\r';
        std::string().swap(m_Partial);
        return;
    }
    m_Skipped += static_cast<int64_t>(part.size());
    m_SkippedCr = part.back() == '\r';
}

void Splitter::EndLine()
{
    Line line;
    if (m_Skipping) {
        line.kind = Line::TooLong;
        line.bytes = m_Skipped - (m_SkippedCr ? 1 : 0);
    } else {
        std::string_view bytes = m_Partial;
        if (m_First && StartsWithBom(bytes))
            bytes.remove_prefix(Bom.size());
        if (!bytes.empty() && bytes.back() == '\r')
            bytes.remove_suffix(1);
        line = Classify(bytes, m_Limit);
    }
    m_Ready.push_back(std::move(line));
    m_Partial.clear();
    m_Skipping = false;
    m_Skipped = 0;
    m_SkippedCr = false;
    m_First = false;
}

void Splitter::Feed(std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        if (lf == std::string_view::npos) {
            Append(bytes);
            return;
        }
        Append(bytes.substr(0, lf));
        EndLine();
        bytes.remove_prefix(lf + 1);
    }
}

void Splitter::Finish()
{
    // Bytes after the last end of line make a line; a byte order mark alone makes none.
    if (m_Skipping || !(m_Partial.empty() || (m_First && m_Partial == Bom)))
        EndLine();
}

Line Splitter::Take()
{
    Line line = std::move(m_Ready.front());
    m_Ready.pop_front();
    return line;
}

// --- FileReader ------------------------------------------------------------------------------------

FileReader::FileReader(int fd, std::size_t limit) : m_Fd(fd), m_Splitter(limit) {}

// Reads what is there (waiting for it), and false at the end or on an error.
bool FileReader::Fill()
{
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(m_Fd, buffer, sizeof buffer);
        if (n > 0) {
            m_Splitter.Feed(std::string_view(buffer, static_cast<std::size_t>(n)));
            return true;
        }
        if (n == 0)
            return false;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A descriptor left non-blocking by whoever passed it: wait for it rather than spin.
            pollfd p{m_Fd, POLLIN, 0};
            if (::poll(&p, 1, -1) >= 0 || errno == EINTR)
                continue;
        }
        m_Error = qt_error_string(errno);
        return false;
    }
}

std::optional<Line> FileReader::Next()
{
    while (!m_Splitter.HasLine() && !m_Ended)
        if (!Fill()) {
            m_Ended = true;
            // What came before a read error is not a whole line: it is not answered.
            if (m_Error.isEmpty())
                m_Splitter.Finish();
        }
    if (!m_Splitter.HasLine())
        return std::nullopt;
    return m_Splitter.Take();
}

} // namespace lines
