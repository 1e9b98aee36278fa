// merlos-solve run as a user runs it: its options, its streams and its exit codes, case by case in
// one table; then its help against its manual.
#include "Notation.h"
#include "Position.h"
#include "ShortSolve.h"
#include "random_pieces.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <random>
#include <set>

namespace {

const QString Tool = QStringLiteral(MERLO_BIN_DIR "/merlos-solve");

// Where standard input comes from and standard output goes.
enum class Stream { Pipe, Folder, Full, Closed };

struct Case {
    const char* name;
    QStringList args;
    QByteArray in;                    // standard input, through a pipe
    QStringList answers;              // stdout: one line per text, which must solve it ("" when it cannot)
    QString out;                      // or else: a pattern for all of stdout
    QString err;                      // a pattern for all of stderr
    int status = 0;
    Stream stdIn = Stream::Pipe, stdOut = Stream::Pipe;
    QMap<QString, QString> env = {};  // "" removes the variable
    const char* shell = nullptr;      // run by sh -c, the tool as $0
};

QString Lit(const QString& s) { return QRegularExpression::escape(s); }

// What notation says of `text`, without its place.
QString Reason(const QString& text) { return notation::Parse(text).error->reason; }

// Whether `line` is the tool's answer to `text`: moves that solve it, or nothing when it cannot be.
bool Answers(const QString& text, const QString& line)
{
    notation::Position start;
    if (notation::LooksLikePosition(text)) {
        const notation::PositionText read = notation::ReadPosition(text);
        if (!read)
            return line.isEmpty();
        start = read.position;
    } else {
        const notation::Parsed p = notation::Parse(text);
        if (!p)
            return line.isEmpty();
        start = notation::Played(notation::Position::Solved(), p.turns);
    }
    const notation::Parsed m = notation::Parse(line);
    return m && notation::HeldStandard(notation::Played(start, m.turns)) == notation::Position::Solved() && !line.contains(QLatin1Char('w'))
           && line.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() <= 20;
}

struct Outcome {
    int status = -1;
    QByteArray out, err;
};

// A descriptor the child gets as standard input or output, opened here, set up in the child.
int Open(Stream s, bool input)
{
    if (s == Stream::Folder)
        return ::open("/", O_RDONLY | O_CLOEXEC);
    if (s == Stream::Full)
        return ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (s == Stream::Closed) {
        int p[2];
        if (::pipe2(p, O_CLOEXEC) != 0)
            return -1;
        ::close(p[0]); // nobody will ever read it
        return p[1];
    }
    (void)input;
    return -1;
}

Outcome RunTool(const Case& c, const QString& cache)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LC_NUMERIC"})
        env.remove(QLatin1String(v));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    for (auto it = c.env.begin(); it != c.env.end(); ++it)
        it.value().isEmpty() ? env.remove(it.key()) : env.insert(it.key(), it.value());
    p.setProcessEnvironment(env);
    const int in = Open(c.stdIn, true), out = Open(c.stdOut, false);
    p.setChildProcessModifier([in, out] {
        if (in >= 0)
            ::dup2(in, STDIN_FILENO);
        if (out >= 0)
            ::dup2(out, STDOUT_FILENO);
    });
    if (c.shell)
        p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromUtf8(c.shell), Tool});
    else
        p.start(Tool, c.args);
    const bool started = p.waitForStarted(30'000);
    for (int fd : {in, out})
        if (fd >= 0)
            ::close(fd);
    if (!started)
        return {};
    p.write(c.in);
    p.closeWriteChannel();
    if (!p.waitForFinished(300'000)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, p.readAllStandardOutput(), p.readAllStandardError()};
}

QStringList Lines(const QByteArray& b)
{
    QStringList l = QString::fromUtf8(b).split(QLatin1Char('\n'));
    if (!l.isEmpty() && l.last().isEmpty())
        l.removeLast();
    return l;
}

std::vector<Case> Cases()
{
    std::mt19937 rng(9);
    const QString scramble = QStringLiteral("F2 D' L2 B R' U2 F2 D L2 U R2 F' L U2 R B2 D' F2 U' L'");
    const QString position = notation::WritePosition(notation::PositionOf(notationtest::RandomPieces(rng)));
    QString twisted = notation::WritePosition(notation::Position::Solved());
    std::swap(twisted[8], twisted[9]); // the top front right corner turned in place: cannot be
    const QString twistedWhy = notation::ReadPosition(twisted).faults.front().message;
    QStringList many;
    QByteArray manyLines;
    for (int i = 0; i < 20; ++i) {
        QStringList moves;
        for (int k = 0; k <= i; ++k)
            moves << QString(QLatin1Char("UDLRFB"[rng() % 6])) + QStringList{"", "'", "2"}[int(rng() % 3)];
        many << moves.join(QLatin1Char(' '));
        manyLines += many.last().toUtf8() + (i % 2 ? "\r\n" : "\n");
    }
    QByteArray boundary = QByteArray("R ").repeated(8191) + "R\xC3\nR U\nF\n";
    const QString err = QStringLiteral("merlos-solve: ");
    const QString anyUsage = QStringLiteral("merlos-solve: .+\nusage: merlos-solve \\[-h\\] \\[-V\\] .+\n");
    const QString cannotWrite = QStringLiteral("merlos-solve: cannot write standard output: .+\n");
    return {
        {"arguments, one answer a line, each fault named by its argument",
         {"--time-limit", "0", scramble, "M2 E2 S2 x y", "R Q", "", position, twisted}, {},
         {scramble, "M2 E2 S2 x y", "R Q", "", position, twisted}, {},
         Lit(err + "argument 3, column 3: " + Reason("R Q") + "\n" + err + "argument 6: " + twistedWhy + "\n"), 1},
        {"standard input, LF and CR LF, with --stats", {"--stats", "--time-limit=0"}, manyLines, many, {},
         "(?s)solved 20 of 20\n.*time per solve: min \\d+\\.\\d{3} ms, .*tables: .*\n"},
        {"an invalid byte before a 16 KiB boundary: its line refused alone", {}, boundary, {"R Q", "R U", "F"}, {},
         Lit(err + "line 1, column 16384: not valid UTF-8\n"), 1},
        {"a byte order mark, an empty line, a last line without its end", {}, "\xEF\xBB\xBFR\r\n\r\nU\r\nF", {"R", "", "U", "F"}, {}, {}},
        {"a line of 2 MB refused without being read", {}, QByteArray("R ").repeated(1 << 20) + "\nU\n", {"R Q", "U"}, {},
         Lit(err + "line 1: longer than 1,048,576 bytes; not read\n"), 1},
        {"'-' reads standard input where it stands; lines count from there", {"R", "-", "F"}, "U\nB Q\n", {"R", "U", "B Q", "F"}, {},
         Lit(err + "line 2, column 3: " + Reason("B Q") + "\n"), 1},
        {"'--' ends the options: what follows are texts", {"--", "-R", "--stats"}, {}, {"-R", "--stats"}, {},
         Lit(err + "argument 1, column 1: " + Reason("-R") + "\n" + err + "argument 2, column 1: " + Reason("--stats") + "\n"), 1},
        {"an argument that is not UTF-8", {}, {}, {"R Q", "U"}, {}, Lit(err + "argument 1, column 3: not valid UTF-8\n"), 1,
         Stream::Pipe, Stream::Pipe, {}, "exec \"$0\" \"$(printf 'R \\377')\" U"},
        {"-h: every option, on standard output", {"-h"}, {}, {},
         "(?s)Usage: merlos-solve .*-h, --help .*-V, --version .*--max-moves <N> .*--time-limit <MS> .*--stats .*TEXT .*Exit status.*", {}},
        {"--help to a full disk", {"--help"}, {}, {}, {}, cannotWrite, 1, Stream::Pipe, Stream::Full},
        {"-V", {"-V"}, {}, {}, Lit(QStringLiteral("merlos-solve (Merlos) " MERLO_CMAKE_VERSION "\n")), {}},
        {"an unknown option", {"--fast", "R"}, {}, {}, {}, anyUsage, 2},
        {"a missing value", {"R", "--max-moves"}, {}, {}, {}, anyUsage, 2},
        {"a time limit below 0", {"--time-limit=-1"}, {}, {}, {}, anyUsage, 2},
        {"answers to a full disk", {"R"}, {}, {}, {}, cannotWrite, 1, Stream::Pipe, Stream::Full},
        {"answers to a closed pipe: said once, then the end", {"R", "U", "F"}, {}, {}, {}, cannotWrite, 1, Stream::Pipe, Stream::Closed},
        {"standard input a folder: said once, the arguments after it still answered", {"-", "R", "-"}, {}, {"R"}, {},
         Lit(err) + "cannot read standard input: .+\n", 1, Stream::Folder},
        {"French numbers and messages", {"--stats", "R", "R Q"}, {}, {"R", "R Q"}, {},
         QStringLiteral("(?s)merlos-solve: argument 2, colonne 3\u00a0: .*temps par r\u00e9solution\u00a0: min \\d+,\\d{3} ms, m\u00e9diane \\d+,\\d{3} ms.*"), 1,
         Stream::Pipe, Stream::Pipe, {{"LANG", "fr_FR.UTF-8"}}},
        {"French by LANGUAGE alone", {"--max-moves", "x"}, {}, {}, {},
         QStringLiteral("merlos-solve: --max-moves prend .+\nusage\u00a0: merlos-solve .+\n"), 2, Stream::Pipe, Stream::Pipe, {{"LANGUAGE", "fr"}}},
        {"HOME unset: where the files go, said once", {"R"}, {}, {"R"}, {},
         Lit(err + "HOME is not set: the tables' cache is ") + ".+/merlos\n", 0, Stream::Pipe, Stream::Pipe, {{"HOME", ""}}},
    };
}

TEST(SolveTool, OptionsStreamsAndExitCodes)
{
    QTemporaryDir cache;
    ASSERT_TRUE(cache.isValid());
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const Outcome r = RunTool(c, cache.path());
        const QString err = QString::fromUtf8(r.err);
        EXPECT_EQ(r.status, c.status) << err.toStdString();
        EXPECT_TRUE(QRegularExpression(QStringLiteral("\\A(?:") + c.err + QStringLiteral(")\\z")).match(err).hasMatch())
            << "stderr: " << err.toStdString();
        const QStringList out = Lines(r.out);
        if (!c.answers.isEmpty()) {
            ASSERT_EQ(out.size(), c.answers.size()) << QString::fromUtf8(r.out).toStdString();
            for (qsizetype i = 0; i < out.size(); ++i)
                EXPECT_TRUE(Answers(c.answers[i], out[i])) << c.answers[i].toStdString() << " -> " << out[i].toStdString();
        } else {
            EXPECT_TRUE(QRegularExpression(QStringLiteral("\\A(?:") + c.out + QStringLiteral(")\\z")).match(QString::fromUtf8(r.out)).hasMatch())
                << "stdout: " << QString::fromUtf8(r.out).toStdString();
        }
    }
}

// The options --help lists are the ones the manual documents.
TEST(SolveTool, TheHelpAndTheManualNameTheSameOptions)
{
    const auto options = [](const QString& text) {
        std::set<QString> o;
        auto it = QRegularExpression(QStringLiteral("(?<![\\w-])--?[a-zA-Z][a-z-]*")).globalMatch(text);
        while (it.hasNext())
            o.insert(it.next().captured(0));
        return o;
    };
    QProcess help;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QLatin1String(v));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    help.setProcessEnvironment(env);
    help.start(Tool, {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(60'000));
    const QString text = QString::fromUtf8(help.readAllStandardOutput());
    const qsizetype from = text.indexOf(QStringLiteral("Options:")), to = text.indexOf(QStringLiteral("Arguments:"));
    ASSERT_TRUE(from > 0 && to > from) << text.toStdString();
    QFile man(QStringLiteral(MERLO_SOURCE_DIR "/desktop/merlos-solve.1.in"));
    ASSERT_TRUE(man.open(QIODevice::ReadOnly));
    QString page = QString::fromUtf8(man.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    page = page.mid(page.indexOf(QStringLiteral(".SH OPTIONS")));
    page = page.left(page.indexOf(QStringLiteral("\n.SH"), 1));
    EXPECT_EQ(options(page), options(text.mid(from, to - from)));
    EXPECT_GE(options(page).size(), 7u);
}

} // namespace
