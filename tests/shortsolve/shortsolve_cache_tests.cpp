// The tables' cache under faults: every kind of damaged or foreign file is refused with its true
// reason before anything in it is trusted; what dead processes left is removed; two short runs
// leave the full tables; tables that lie still give an answer; no cache is ever shared.
#include "CacheFile.h"
#include "Prepared.h"
#include "ShortSolve.h"
#include "random_pieces.h"
#include "shortsolve_support.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace shortsolve::detail;
using namespace shortsolvetest;

// The suite's complete tables, as the file holds them.
const QByteArray& GoodFile()
{
    static const QByteArray bytes = [] {
        WaitFullTables();
        QFile f(QString::fromUtf8(SuiteCache) + QStringLiteral("/merlos/") + QString::fromStdString(TablesFileName()));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }();
    return bytes;
}

uint8_t* At(QByteArray& b, Section s) { return reinterpret_cast<uint8_t*>(b.data()) + Offset(s); }
void Reseal(QByteArray& b, int pass = -1) { Seal(reinterpret_cast<uint8_t*>(b.data()), pass); }

bool Write(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

struct Damage {
    const char* family;
    // Makes the file at `path` from the good bytes; false when this machine cannot.
    std::function<bool(const QString& path, QByteArray bytes)> make;
    QString reason; // exactly, or as a pattern when it starts with '^'
    bool unfinished = false;
};

// Every family of damage, from the good file of `n` bytes.
std::vector<Damage> Damages(qint64 n)
{
    const auto as = [](QByteArray b, const QString& path) { return Write(path, b); };
    return {
        {"a FIFO", [](const QString& p, QByteArray) { return mkfifo(QFile::encodeName(p), 0600) == 0; }, "not a regular file"},
        {"a folder", [](const QString& p, QByteArray) { return QDir().mkpath(p); }, "not a regular file"},
        {"a symbolic link", [=](const QString& p, QByteArray b) { return as(b, p + ".real") && QFile::link(p + ".real", p); },
         "a symbolic link"},
        {"another user's",
         [=](const QString& p, QByteArray b) { return geteuid() == 0 && as(b, p) && chown(QFile::encodeName(p), 4242, gid_t(-1)) == 0; },
         "owned by uid 4242"},
        {"writable by others", [=](const QString& p, QByteArray b) { return as(b, p) && chmod(QFile::encodeName(p), 0666) == 0; },
         "writable by others"},
        {"truncated", [=](const QString& p, QByteArray b) { return as(b.left(n - 1), p); },
         QStringLiteral("size %1, expected %2").arg(n - 1).arg(n)},
        {"empty", [=](const QString& p, QByteArray) { return as({}, p); }, QStringLiteral("size 0, expected %1").arg(n)},
        {"a byte too many", [=](const QString& p, QByteArray b) { return as(b + 'x', p); },
         QStringLiteral("size %1, expected %2").arg(n + 1).arg(n)},
        {"a size that lies",
         [=](const QString& p, QByteArray b) {
             const uint64_t huge = uint64_t(1) << 30;
             std::memcpy(b.data() + offsetof(FileHeader, size), &huge, 8);
             SealHeader(reinterpret_cast<uint8_t*>(b.data()));
             return as(b, p);
         },
         QStringLiteral("size field 1073741824, expected %1").arg(n)},
        {"another format",
         [=](const QString& p, QByteArray b) {
             b[int(offsetof(FileHeader, version))] = char(TablesVersion - 1);
             SealHeader(reinterpret_cast<uint8_t*>(b.data()));
             return as(b, p);
         },
         QStringLiteral("format version %1, expected %2").arg(TablesVersion - 1).arg(TablesVersion)},
        {"another program's", [=](const QString& p, QByteArray b) { return as(b.replace(0, 8, "NOTOURS!"), p); },
         "not a tables file of this program"},
        {"a byte damaged",
         [=](const QString& p, QByteArray b) {
             At(b, P2EdgeComb)[1000] ^= 0x10;
             return as(b, p);
         },
         "the checksum of the edge x top corner table is wrong"},
        {"moves that lie under a right checksum",
         [=](const QString& p, QByteArray b) {
             auto* moves = reinterpret_cast<uint16_t*>(At(b, FlipMove));
             for (int i = 0; i < Flips * 18; i += 8)
                 moves[i] = uint16_t((moves[i] + 1) % Flips);
             Reseal(b);
             return as(b, p);
         },
         R"(^flip move table: entry \d+ is \d+, expected \d+$)"},
        {"distances that lie under a right checksum: the last 1 % of the first phase's zeroed",
         [=](const QString& p, QByteArray b) {
             const std::size_t bytes = Info(P1Distance).bytes;
             std::memset(At(b, P1Distance) + bytes - bytes / 100, 0, bytes / 100);
             Reseal(b);
             return as(b, p);
         },
         R"(^first phase's table: entry \d+ is -?\d+, expected \d+$)"},
        {"the same in the second phase's table",
         [=](const QString& p, QByteArray b) {
             const std::size_t bytes = Info(P2Distance).bytes;
             std::memset(At(b, P2Distance) + bytes - bytes / 100, 0, bytes / 100);
             Reseal(b);
             return as(b, p);
         },
         R"(^second phase's table: entry \d+ is -?\d+, expected \d+$)"},
        {"an unfinished build damaged where only a full check looks",
         [=](const QString& p, QByteArray b) {
             Reseal(b, 4);
             At(b, P1Distance)[12345] ^= 1;
             return as(b, p);
         },
         "the checksum of the first phase's table is wrong", true},
    };
}

TEST(ShortSolveCache, EveryDamagedFileIsRefusedWithItsTrueReason)
{
    const QByteArray& good = GoodFile();
    ASSERT_EQ(std::size_t(good.size()), BlockBytes());
    for (const Damage& d : Damages(good.size())) {
        SCOPED_TRACE(d.family);
        QTemporaryDir dir;
        const auto folder = OpenFolder(QFile::encodeName(dir.filePath(QStringLiteral("merlos"))).toStdString());
        ASSERT_GE(folder->fd, 0) << folder->why;
        const std::string name = d.unfinished ? PartialFileName() : TablesFileName();
        const QString path = QString::fromStdString(folder->path + "/" + name);
        if (!d.make(path, good)) {
            EXPECT_NE(geteuid(), 0u) << "only another user's file needs root to be made";
            continue;
        }
        const Checked c = CheckCacheFile(*folder, name, d.unfinished);
        EXPECT_FALSE(c.block);
        EXPECT_FALSE(c.absent);
        const QString reason = QString::fromStdString(c.reason);
        if (d.reason.startsWith(QLatin1Char('^'))) {
            EXPECT_TRUE(QRegularExpression(d.reason).match(reason).hasMatch()) << reason.toStdString();
        } else {
            EXPECT_EQ(reason, d.reason);
        }
    }
    // And the good file is taken, whole or as an unfinished build's.
    QTemporaryDir dir;
    const auto folder = OpenFolder(QFile::encodeName(dir.filePath(QStringLiteral("merlos"))).toStdString());
    ASSERT_TRUE(Write(QString::fromStdString(folder->path + "/" + TablesFileName()), good));
    EXPECT_TRUE(CheckCacheFile(*folder, TablesFileName(), false).block);
    QByteArray unfinished = good;
    Reseal(unfinished, 7);
    ASSERT_TRUE(Write(QString::fromStdString(folder->path + "/" + PartialFileName()), unfinished));
    const Checked u = CheckCacheFile(*folder, PartialFileName(), true);
    EXPECT_TRUE(u.block);
    EXPECT_EQ(u.pass, 7);
    EXPECT_TRUE(CheckCacheFile(*folder, "missing", false).absent);
}

TEST(ShortSolveCache, WhatDeadProcessesLeftIsRemovedAndNothingElse)
{
    QProcess dead;
    dead.start(QStringLiteral("true"));
    ASSERT_TRUE(dead.waitForStarted());
    const QString gone = QString::number(dead.processId());
    ASSERT_TRUE(dead.waitForFinished());
    const QString host = QString::fromStdString(ThisHost()), tables = QString::fromStdString(TablesFileName());
    const QStringList removed{tables + ".tmp-" + gone + "-" + host, QString::fromStdString(PartialFileName()) + ".tmp-" + gone + "-" + host,
                              "shortsolve-2.tables", "shortsolve-2-phase1.tables"};
    const QStringList kept{tables + ".tmp-" + QString::number(getpid()) + "-" + host, tables + ".tmp-1-" + host,
                           tables + ".tmp-" + gone + "-another-machine", "shortsolve-99.tables", "notes.txt", tables};
    QTemporaryDir dir;
    const auto folder = OpenFolder(QFile::encodeName(dir.filePath(QStringLiteral("merlos"))).toStdString());
    for (const QString& f : removed + kept)
        ASSERT_TRUE(Write(QString::fromStdString(folder->path) + "/" + f, "x"));
    RemoveLeftovers(*folder);
    QStringList left = QDir(QString::fromStdString(folder->path)).entryList(QDir::Files);
    QStringList expected = kept;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
}

TEST(ShortSolveCache, ItsFolderIsTheUsersOwnOrThereIsNone)
{
    const QByteArray xdg = qgetenv("XDG_CACHE_HOME"), home = qgetenv("HOME");
    std::string why;
    qputenv("XDG_CACHE_HOME", "relative/is/not/taken");
    qputenv("HOME", "/home/someone");
    EXPECT_EQ(CacheFolderPath(why), "/home/someone/.cache/merlos");
    // Neither set (or a home at the root): the account's home as the system has it, never a folder
    // every user shares.
    qunsetenv("XDG_CACHE_HOME");
    qputenv("HOME", "/");
    const std::string rootHome = CacheFolderPath(why);
    qunsetenv("HOME");
    EXPECT_EQ(CacheFolderPath(why), rootHome);
    const passwd* pw = getpwuid(geteuid());
    const std::string path = CacheFolderPath(why);
    if (pw && pw->pw_dir[0] == '/' && std::string(pw->pw_dir) != "/")
        EXPECT_EQ(path, std::string(pw->pw_dir) + "/.cache/merlos");
    else
        EXPECT_TRUE(path.empty() && !why.empty());
    qputenv("XDG_CACHE_HOME", xdg);
    qputenv("HOME", home);
    // A folder of someone else's is not used; one of ours that others may write becomes ours alone.
    QTemporaryDir dir;
    const QString theirs = dir.filePath(QStringLiteral("theirs")), shared = dir.filePath(QStringLiteral("shared"));
    ASSERT_TRUE(QDir().mkpath(theirs) && QDir().mkpath(shared));
    ASSERT_EQ(chmod(QFile::encodeName(shared), 0777), 0);
    EXPECT_GE(OpenFolder(QFile::encodeName(shared).toStdString())->fd, 0);
    struct stat st;
    ASSERT_EQ(stat(QFile::encodeName(shared), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(QFile::encodeName(theirs), 4242, gid_t(-1)), 0);
        const auto f = OpenFolder(QFile::encodeName(theirs).toStdString());
        EXPECT_LT(f->fd, 0);
        EXPECT_EQ(f->why, QFile::encodeName(theirs).toStdString() + ": owned by uid 4242");
    }
}

// The tool on a cache that holds a FIFO: it neither waits on it nor trusts it, answers, and says why.
TEST(ShortSolveTool, AFifoForTheCacheIsNeverWaitedOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("merlos"))));
    const QString fifo = dir.filePath(QStringLiteral("merlos/") + QString::fromStdString(TablesFileName()));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo), 0600), 0);
    const ToolRun r = Tool({QStringLiteral("R U F2")}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, QStringList{QStringLiteral("F2 U' R'")});
    ASSERT_FALSE(r.err.isEmpty());
    EXPECT_EQ(r.err[0], QStringLiteral("merlos-solve: the tables' cache %1 was not used (not a regular file); building the tables again").arg(fifo));
}

// The suite's tables, made before its other tests (each test is a process of its own) by the tool as
// a person runs it: a first short run on a fresh cache saves what it has built, the second finishes
// it, the third reads it. Each answers one of the hardest cubes known, the first two while their
// tables are being built. Once made, the tables are only read again.
TEST(ShortSolveTables, TwoShortRunsLeaveTheFullTables)
{
    QDir folder(QString::fromUtf8(SuiteCache) + QStringLiteral("/merlos"));
    const QString tables = QString::fromStdString(TablesFileName()), unfinished = QString::fromStdString(PartialFileName());
    const QString hard = QStringLiteral("UFRRURBFFLDFLRBLUDLRUDFFBUDRLFBDRBBBRBDFLLLUUDDFLBURDU");
    const QStringList args{QStringLiteral("--stats"), QStringLiteral("--time-limit"), QStringLiteral("0"), hard};
    const auto solves = [&](const ToolRun& r) {
        const notation::Parsed moves = notation::Parse(r.out.value(0));
        const notation::Position start = notation::ReadPosition(hard).position;
        return r.status == 0 && r.out.size() == 1 && moves && moves.turns.size() <= 40
               && notation::HeldStandard(notation::Played(start, moves.turns)) == notation::Position::Solved();
    };
    if (!folder.exists(tables)) {
        folder.removeRecursively();
        const ToolRun first = Tool(args, QString::fromUtf8(SuiteCache));
        EXPECT_TRUE(solves(first)) << first.err.join('\n').toStdString();
        EXPECT_EQ(folder.entryList(QDir::Files), QStringList{unfinished});
        const ToolRun second = Tool(args, QString::fromUtf8(SuiteCache), {}, {}, 570'000);
        EXPECT_TRUE(solves(second)) << second.err.join('\n').toStdString();
        EXPECT_EQ(folder.entryList(QDir::Files), QStringList{tables}) << second.err.join('\n').toStdString();
    }
    const ToolRun third = Tool(args, QString::fromUtf8(SuiteCache));
    EXPECT_TRUE(solves(third));
    EXPECT_TRUE(third.err.join('\n').contains(QStringLiteral("tables: loaded from"))) << third.err.join('\n').toStdString();
    EXPECT_TRUE(shortsolve::detail::WaitFullTables()->full);
}

// Tables whose lie only a search finds (the second phase's last step made to look far): the search
// gives up on them, they are built again, and the answer is right all the same.
TEST(ShortSolveTool, TablesThatLieStillGiveAnAnswer)
{
    QByteArray b = GoodFile();
    const auto* cornerMove = reinterpret_cast<const uint16_t*>(At(b, CornerMove2));
    const auto* classOf = reinterpret_cast<const uint16_t*>(At(b, P2Classes));
    for (int k = 0; k < 10; ++k) {
        const uint16_t cs = classOf[cornerMove[k]];
        At(b, P2CornerSlice)[(cs >> 4) * SlicePerms + At(b, P2SliceConj)[At(b, SliceMove2)[k] * Syms + (cs & 15)]] = 30;
    }
    Reseal(b);
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("merlos"))));
    const QString file = dir.filePath(QStringLiteral("merlos/") + QString::fromStdString(TablesFileName()));
    ASSERT_TRUE(Write(file, b));
    std::mt19937 rng(29);
    const notation::Pieces p = notationtest::RandomPieces(rng);
    const QString position = notation::WritePosition(notation::PositionOf(p));
    const ToolRun r = Tool({QStringLiteral("--time-limit"), QStringLiteral("0"), position}, dir.path());
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.out.size(), 1);
    const notation::Parsed moves = notation::Parse(r.out[0]);
    ASSERT_TRUE(moves);
    EXPECT_EQ(notation::HeldStandard(notation::Played(notation::PositionOf(p), moves.turns)), notation::Position::Solved());
    // Its spot checks may see the lie first (one time in a hundred or so); either way it is said,
    // once, between the search's reports of how far it has got.
    const QString failed = QStringLiteral("merlos-solve: the tables from %1 failed a search (").arg(file);
    const QString refused = QStringLiteral("merlos-solve: the tables' cache %1 was not used (corner x middle edge table: entry ").arg(file);
    EXPECT_EQ(r.err.filter(QRegularExpression(QStringLiteral("^(%1|%2)").arg(QRegularExpression::escape(failed), QRegularExpression::escape(refused)))).size(), 1)
        << r.err.join('\n').toStdString();
}

// Without a time limit, the tool says on standard error how far a long search has got.
TEST(ShortSolveTool, ALongSearchIsNeverSilent)
{
    std::mt19937 rng(30);
    const QString position = notation::WritePosition(notation::PositionOf(notationtest::RandomPieces(rng)));
    QProcess p;
    auto e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("XDG_CACHE_HOME"), QString::fromUtf8(SuiteCache));
    p.setProcessEnvironment(e);
    p.start(QStringLiteral(MERLO_BIN_DIR "/merlos-solve"), {QStringLiteral("--max-moves"), QStringLiteral("15"), QStringLiteral("--time-limit"),
                                                            QStringLiteral("0"), position});
    ASSERT_TRUE(p.waitForStarted());
    QByteArray err;
    const QRegularExpression line(QStringLiteral("^merlos-solve: argument 1: still searching for at most 15 moves, first phase of \\d+, \\d+ s$"),
                                  QRegularExpression::MultilineOption);
    for (int i = 0; i < 300 && !line.match(QString::fromUtf8(err)).hasMatch(); ++i) {
        p.waitForReadyRead(100);
        err += p.readAllStandardError();
    }
    p.kill();
    p.waitForFinished();
    EXPECT_TRUE(line.match(QString::fromUtf8(err)).hasMatch()) << err.toStdString();
}

} // namespace
