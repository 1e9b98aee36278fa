// The line reader of merlos-solve against bytes cut at every place: random bytes in random chunks
// give the lines a plain split gives, UTF-8 is judged as Qt's strict decoder judges it, and a pipe
// that makes it wait is read the same way.
#include "lines_support.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <random>
#include <string>
#include <thread>

namespace {

using lines::Line;

// Bytes that make every case likely: ends of line, CR, a byte order mark, pieces of UTF-8 that
// are whole, cut, overlong, surrogates or past U+10FFFF, and any byte at all.
std::string RandomBytes(std::mt19937& rng, std::size_t most)
{
    static const std::vector<std::string> pieces = {
        "R", "U'", " ", "\n", "\r", "\r\n", "\xEF\xBB\xBF", "\xC3\xA9", "\xC3", "\xE2\x80\xB2", "\xE2\x80", "\xF0\x9F\x98\x80",
        "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8", "\xFF", "\x80", std::string(1, '\0')};
    std::string s;
    const std::size_t n = rng() % (most + 1);
    while (s.size() < n)
        s += rng() % 5 == 0 ? std::string(1, char(rng())) : pieces[rng() % pieces.size()];
    return s;
}

TEST(LineReader, RandomBytesInRandomChunksGiveTheLinesOfAPlainSplit)
{
    std::mt19937 rng(27);
    for (int round = 0; round < 3000; ++round) {
        const std::string input = RandomBytes(rng, round % 10 == 0 ? 400 : 60);
        const std::size_t limit = 4 + rng() % 40;
        const auto expected = linestest::Split(input, limit);
        SCOPED_TRACE(testing::PrintToString(input) + " limit " + std::to_string(limit));
        std::size_t most = 1 + rng() % 24;
        ASSERT_EQ(linestest::Fed(input, limit, [&] { return 1 + rng() % most; }), expected);
        ASSERT_EQ(linestest::Fed(input, limit, [] { return std::size_t(1); }), expected);
        // Every line is its bytes, whole: a text line is them decoded, and nothing merges.
        std::size_t ends = 0;
        for (char c : input)
            ends += c == '\n';
        EXPECT_GE(expected.size(), ends);
        EXPECT_LE(expected.size(), ends + 1);
        for (const Line& l : expected) {
            EXPECT_EQ(l.kind == Line::TooLong, std::size_t(l.bytes) > limit);
            if (l.kind == Line::Text) {
                EXPECT_EQ(l.text.toUtf8().size(), l.bytes);
            }
        }
    }
}

TEST(LineReader, UTF8IsJudgedAsQtsStrictDecoderJudgesIt)
{
    std::mt19937 rng(8);
    for (int round = 0; round < 20000; ++round) {
        const std::string s = RandomBytes(rng, 12);
        QStringDecoder strict(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        const QString decoded = strict.decode(QByteArrayView(s.data(), qsizetype(s.size())));  // converts only when kept
        const auto bad = lines::FirstBadByte(s);
        ASSERT_EQ(bad.has_value(), strict.hasError()) << testing::PrintToString(s);
        if (!bad)
            continue;
        // Before the bad byte all is UTF-8, and the column counts its characters.
        const std::string_view before(s.data(), bad->offset);
        EXPECT_FALSE(lines::FirstBadByte(before)) << testing::PrintToString(s);
        QStringDecoder again(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        EXPECT_EQ(bad->column, QString(again.decode(QByteArrayView(before.data(), qsizetype(before.size())))).toUcs4().size() + 1);
        EXPECT_EQ(lines::Classify(s, 100).column, bad->column);
    }
}

// A pipe written a little at a time, its reading end non-blocking: the reader waits, never spins
// out nor loses a byte.
TEST(LineReader, ANonBlockingPipeIsReadAsItComes)
{
    std::mt19937 rng(3);
    std::string input;
    for (int i = 0; i < 40; ++i)
        input += RandomBytes(rng, 3000);
    int p[2];
    ASSERT_EQ(::pipe(p), 0);
    ASSERT_EQ(::fcntl(p[0], F_SETFL, O_NONBLOCK), 0);
    std::thread writer([&] {
        std::minstd_rand r(5);
        for (std::size_t at = 0; at < input.size();) {
            const std::size_t n = std::min<std::size_t>(input.size() - at, 1 + r() % 5000);
            const ssize_t w = ::write(p[1], input.data() + at, n);
            if (w <= 0)
                break;
            at += std::size_t(w);
            if (r() % 8 == 0)
                std::this_thread::yield();
        }
        ::close(p[1]);
    });
    lines::FileReader reader(p[0], 64);
    std::vector<Line> got;
    while (auto l = reader.Next())
        got.push_back(*l);
    writer.join();
    ::close(p[0]);
    EXPECT_TRUE(reader.Error().isEmpty()) << reader.Error().toStdString();
    EXPECT_EQ(got, linestest::Split(input, 64));
}

// Every input the fuzzer of the reader keeps, its seeds and any crash it found.
TEST(LineReader, EveryInputTheFuzzerKeptAgrees)
{
    const QString dir = QStringLiteral(MERLO_SOURCE_DIR "/fuzz/lines/");
    QFileInfoList inputs = QDir(dir + QStringLiteral("corpus")).entryInfoList(QDir::Files, QDir::Name);
    ASSERT_GE(inputs.size(), 10) << "seed corpus missing under " << dir.toStdString();
    inputs += QDir(dir + QStringLiteral("crashes")).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo& f : inputs) {
        QFile file(f.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        const auto in = linestest::ReadFuzzInput(std::string_view(data.constData(), std::size_t(data.size())));
        if (in) {
            EXPECT_TRUE(linestest::Agrees(*in)) << f.fileName().toStdString();
        }
    }
}

} // namespace
