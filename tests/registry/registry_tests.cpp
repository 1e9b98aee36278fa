// The per-user registry file on its own: round trips, exact removal, the seal, damaged files and
// concurrent writers.
#include "registry_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <random>
#include <thread>
#include <vector>

using namespace regtest;

namespace {

constexpr GUID SomeGuid = {0x0123ABCD, 0x4567, 0x89EF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};

TEST(RegistryNames, GuidIsSpelledLikeThePlatform)
{
    EXPECT_EQ(RegistryGuidString(SomeGuid), QStringLiteral("{0123ABCD-4567-89EF-0123-456789ABCDEF}"));
    EXPECT_EQ(RegistryGuidString(IID_IDispatch), QStringLiteral("{00020400-0000-0000-C000-000000000046}"));
}

// Restores an environment variable when the test ends.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : m_name(name)
    {
        if (const char* v = std::getenv(name))
            m_old = v;
        m_had = std::getenv(name) != nullptr;
    }
    ~EnvGuard()
    {
        if (m_had)
            setenv(m_name, m_old.c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

TEST(RegistryNames, DefaultPathFollowsXdgDataHome)
{
    EnvGuard guard("XDG_DATA_HOME");
    const QString home = QDir::homePath();
    setenv("XDG_DATA_HOME", "/some/where/", 1);
    EXPECT_EQ(Registry::defaultPath(), QStringLiteral("/some/where/merlo-registry/registry.ini"));
    // Unset, empty and relative all mean the default folder; relative values are invalid for XDG.
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Registry::defaultPath(), home + QStringLiteral("/.local/share/merlo-registry/registry.ini"));
    setenv("XDG_DATA_HOME", "", 1);
    EXPECT_EQ(Registry::defaultPath(), home + QStringLiteral("/.local/share/merlo-registry/registry.ini"));
    setenv("XDG_DATA_HOME", "relative/dir", 1);
    EXPECT_EQ(Registry::defaultPath(), home + QStringLiteral("/.local/share/merlo-registry/registry.ini"));
}

class RegistryFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.path() + QStringLiteral("/merlo-registry/registry.ini");
    Registry reg{path};

    Registry::Entries readAll()
    {
        Registry::Entries e;
        const HRESULT hr = reg.read(&e);
        EXPECT_EQ(hr, S_OK) << reg.errorString().toStdString();
        return e;
    }
};

// Names and texts with everything an INI file treats specially.
QString randomText(std::mt19937& rng, bool forKey)
{
    static const QString alphabet = QStringLiteral("abcXYZ019 {}-_.,;:=#%@\"'[]()!?&$~^é€ü\t");
    std::uniform_int_distribution<int> len(forKey ? 1 : 0, 12);
    std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
    QString s;
    for (int n = len(rng); n > 0; --n)
        s += alphabet.at(pick(rng));
    if (!forKey && rng() % 5 == 0)
        s += QStringLiteral(", 1\nsecond line");
    return s;
}

QString randomKey(std::mt19937& rng)
{
    QStringList parts;
    for (int n = 1 + static_cast<int>(rng() % 4); n > 0; --n)
        parts << randomText(rng, true);
    QString key = parts.join(u'/');
    return key == QLatin1String(Registry::SealKey) ? key + u'x' : key;
}

TEST_F(RegistryFile, MissingFileIsAnEmptyRegistryAndStaysMissing)
{
    EXPECT_TRUE(readAll().isEmpty());
    EXPECT_EQ(reg.update({}, {QStringLiteral("CLSID/{x}")}), S_OK);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(RegistryFile, EveryEntryReadsBackAsWritten)
{
    std::mt19937 rng(7);
    Registry::Entries all;
    for (int round = 0; round < 20; ++round) {
        Registry::Entries batch;
        for (int i = 0; i < 10; ++i)
            batch.insert(randomKey(rng), randomText(rng, false));
        ASSERT_EQ(reg.update(batch), S_OK) << reg.errorString().toStdString();
        all.insert(batch);
        ASSERT_EQ(readAll(), all) << "round " << round;
    }
}

TEST_F(RegistryFile, RemovalTakesExactlyTheNamedEntries)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 30; ++round) {
        // A small tree, so that removed entries often have entries below and above them.
        Registry::Entries tree;
        const QStringList names{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("{c}")};
        for (int i = 0; i < 12; ++i) {
            QStringList parts;
            for (int depth = 1 + static_cast<int>(rng() % 3); depth > 0; --depth)
                parts << names.at(static_cast<qsizetype>(rng() % 3));
            tree.insert(parts.join(u'/'), randomText(rng, false));
        }
        ASSERT_EQ(reg.update(tree), S_OK);
        const Registry::Entries before = readAll();
        QStringList remove;
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            if (rng() % 3 == 0)
                remove << it.key();
        remove << QStringLiteral("not/there");
        ASSERT_EQ(reg.update({}, remove), S_OK);
        Registry::Entries expected = before;
        for (const QString& k : remove)
            expected.remove(k);
        ASSERT_EQ(readAll(), expected) << "round " << round;
        ASSERT_EQ(reg.update({}, before.keys()), S_OK);
        ASSERT_TRUE(readAll().isEmpty());
    }
}

TEST_F(RegistryFile, AChangeThatChangesNothingDoesNotWrite)
{
    ASSERT_EQ(reg.update({{QStringLiteral("k"), QStringLiteral("v")}}), S_OK);
    const QByteArray bytes = fileBytes(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    EXPECT_EQ(reg.update({{QStringLiteral("k"), QStringLiteral("v")}}, {QStringLiteral("absent")}), S_OK);
    EXPECT_EQ(fileBytes(path), bytes);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
}

TEST_F(RegistryFile, NewFilesLeftByADeadWriterAreCleared)
{
    ASSERT_EQ(reg.update({{QStringLiteral("k"), QStringLiteral("v")}}), S_OK);
    const QString left = path + QStringLiteral(".new-99999-0");
    ASSERT_TRUE(writeBytes(left, "half a file"));
    ASSERT_TRUE(writeBytes(left + QStringLiteral(".lock"), "99999\n"));
    ASSERT_EQ(reg.update({{QStringLiteral("k2"), QStringLiteral("v")}}), S_OK);
    EXPECT_FALSE(QFileInfo::exists(left));
    EXPECT_FALSE(QFileInfo::exists(left + QStringLiteral(".lock")));
    // Only the registry and its lock remain.
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral("registry.ini"), QStringLiteral("registry.ini.update.lock")}));
    EXPECT_EQ(readAll().size(), 2);
}

TEST_F(RegistryFile, NamesItCannotHoldAreRefusedAndNothingIsWritten)
{
    ASSERT_EQ(reg.update({{QStringLiteral("k"), QStringLiteral("v")}}), S_OK);
    const QByteArray bytes = fileBytes(path);
    for (const QString& bad : {QString(), QStringLiteral("Seal"), QStringLiteral("/a"), QStringLiteral("a/"),
                               QStringLiteral("a//b"), QStringLiteral("a\\b")}) {
        EXPECT_EQ(reg.update({{QStringLiteral("ok"), QString()}, {bad, QStringLiteral("v")}}), E_INVALIDARG) << bad.toStdString();
        EXPECT_EQ(reg.update({}, {bad}), E_INVALIDARG) << bad.toStdString();
        EXPECT_FALSE(reg.errorString().isEmpty());
    }
    EXPECT_EQ(fileBytes(path), bytes);
}

// A file that was damaged must fail to read and must come out of an update exactly as it went in.
// Returns the error message.
QString expectDamagedAndUntouched(const QString& path, HRESULT expected, const char* what)
{
    const QByteArray bytes = fileBytes(path);
    Registry reg(path);
    Registry::Entries e{{QStringLiteral("stale"), QStringLiteral("x")}};
    EXPECT_EQ(reg.read(&e), expected) << what;
    EXPECT_TRUE(e.isEmpty()) << what;
    EXPECT_TRUE(reg.errorString().contains(path)) << what;
    EXPECT_EQ(reg.update({{QStringLiteral("CLSID/{new}"), QStringLiteral("v")}}, {QStringLiteral("a")}), expected) << what;
    EXPECT_TRUE(reg.errorString().contains(QStringLiteral("left as it is"))) << reg.errorString().toStdString();
    EXPECT_EQ(fileBytes(path), bytes) << what;
    return reg.errorString();
}

TEST_F(RegistryFile, EveryTruncationIsDetectedAndLeftAlone)
{
    // Entries in several sections, so that cuts fall in every kind of line.
    Registry::Entries some;
    for (const QString& key : {QStringLiteral("CUBE.CUBECtrl.1"), QStringLiteral("CUBE.CUBECtrl.1/CLSID"),
                               QStringLiteral("CLSID/{8F27743C-7D6D-4575-8D54-90426BE22F94}/ToolboxBitmap32"),
                               QStringLiteral("CLSID/{8F27743C-7D6D-4575-8D54-90426BE22F94}/Control"),
                               QStringLiteral("TypeLib/{87125B66-52F5-4A59-8F29-DF150FED8F7B}/1.0")})
        some.insert(key, expectedEntries(QStringLiteral("/opt/cube dir/cube.ocx")).value(key));
    ASSERT_EQ(reg.update(some), S_OK);
    const QByteArray whole = fileBytes(path);
    const Registry::Entries entries = readAll();
    ASSERT_GT(whole.size(), 300);
    int detected = 0;
    for (qsizetype cut = 1; cut < whole.size(); ++cut) {
        ASSERT_TRUE(writeBytes(path, whole.left(cut)));
        Registry::Entries e;
        const HRESULT hr = reg.read(&e);
        if (SUCCEEDED(hr)) {
            // Only a cut that loses nothing but the last line break may pass.
            ASSERT_EQ(e, entries) << "cut at " << cut;
            continue;
        }
        ++detected;
        ASSERT_EQ(hr, REGDB_E_CORRUPT) << "cut at " << cut;
        if (cut % 37 == 0)
            expectDamagedAndUntouched(path, REGDB_E_CORRUPT, "truncated");
    }
    EXPECT_GE(detected, whole.size() - 3);
}

TEST_F(RegistryFile, GarbageIsReportedNeverWrittenOver)
{
    std::mt19937 rng(3);
    for (int trial = 0; trial < 60; ++trial) {
        QByteArray junk(1 + static_cast<int>(rng() % 3000), Qt::Uninitialized);
        for (char& c : junk)
            c = static_cast<char>(rng());
        if (trial % 3 == 0) // text-like junk, which an INI parser happily accepts
            for (char& c : junk)
                c = "ab=[]\n;%\\"[static_cast<unsigned char>(c) % 9];
        ASSERT_TRUE(writeBytes(path, junk));
        const QString error = expectDamagedAndUntouched(path, REGDB_E_CORRUPT, "garbage");
        ASSERT_TRUE(error.contains(QStringLiteral("damaged"))) << error.toStdString();
    }
}

TEST_F(RegistryFile, OneChangedByteIsDetectedOrChangesNothing)
{
    ASSERT_EQ(reg.update(expectedEntries(QStringLiteral("/opt/cube.ocx"))), S_OK);
    const QByteArray whole = fileBytes(path);
    const Registry::Entries entries = readAll();
    std::mt19937 rng(5);
    for (int trial = 0; trial < 300; ++trial) {
        QByteArray bytes = whole;
        const auto at = static_cast<qsizetype>(rng() % static_cast<unsigned>(bytes.size()));
        bytes[at] = static_cast<char>(bytes[at] ^ (1 + rng() % 255));
        ASSERT_TRUE(writeBytes(path, bytes));
        Registry::Entries e;
        if (SUCCEEDED(reg.read(&e))) {
            ASSERT_EQ(e, entries) << "byte " << at; // e.g. "%7B" written as "%7b": the same key
        }
    }
}

TEST_F(RegistryFile, AHandWrittenFileWithoutSealIsRefused)
{
    ASSERT_TRUE(writeBytes(path, "[CLSID]\n%7Bx%7D=hand written\n"));
    const QString error = expectDamagedAndUntouched(path, REGDB_E_CORRUPT, "no seal");
    EXPECT_TRUE(error.contains(QStringLiteral("no seal"))) << error.toStdString();
}

TEST_F(RegistryFile, ADirectoryInItsPlaceIsReported)
{
    ASSERT_TRUE(QDir().mkpath(path));
    Registry::Entries e;
    EXPECT_EQ(reg.read(&e), REGDB_E_READREGDB);
    EXPECT_TRUE(reg.errorString().contains(QStringLiteral("is not a file")));
    EXPECT_EQ(reg.update({{QStringLiteral("k"), QStringLiteral("v")}}), REGDB_E_READREGDB);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(RegistryFile, AnUnreadableFileIsReportedAndLeftAlone)
{
    if (needsUserSwitch())
        GTEST_SKIP() << "root reads every file; regocx32's tests cover this as another user";
    ASSERT_EQ(reg.update({{QStringLiteral("k"), QStringLiteral("v")}}), S_OK);
    const QByteArray bytes = fileBytes(path);
    ASSERT_TRUE(chmodPath(path, 0));
    Registry::Entries e;
    EXPECT_EQ(reg.read(&e), REGDB_E_READREGDB);
    EXPECT_TRUE(reg.errorString().contains(QStringLiteral("cannot be read")));
    EXPECT_EQ(reg.update({{QStringLiteral("k2"), QStringLiteral("v")}}), REGDB_E_READREGDB);
    ASSERT_TRUE(chmodPath(path, 0600));
    EXPECT_EQ(fileBytes(path), bytes);
}

TEST_F(RegistryFile, AFolderThatCannotBeMadeIsReported)
{
    ASSERT_TRUE(writeBytes(dir.path() + QStringLiteral("/plainfile"), "x"));
    Registry inside(dir.path() + QStringLiteral("/plainfile/merlo-registry/registry.ini"));
    EXPECT_EQ(inside.update({{QStringLiteral("k"), QStringLiteral("v")}}), REGDB_E_WRITEREGDB);
    EXPECT_TRUE(inside.errorString().contains(QStringLiteral("plainfile")));
}

// The file system stamps files with a coarse clock, so two changes in a row often leave files of
// the same size and the same modification time. Each version must be read as it is, whatever an
// earlier read in this process saw.
TEST_F(RegistryFile, AChangeWithinOneClockTickIsNeverMissed)
{
    ASSERT_EQ(reg.update({{QStringLiteral("k"), QStringLiteral("v0")}}), S_OK);
    Registry other(path);
    for (int round = 1; round <= 10; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        ASSERT_EQ(readAll().value(QStringLiteral("k")), QStringLiteral("v%1").arg(round - 1));
        struct stat before {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        // Another writer changes the value; the file keeps its size, and gets the old time back.
        ASSERT_EQ(other.update({{QStringLiteral("k"), QStringLiteral("v%1").arg(round % 10)}}), S_OK);
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
        ASSERT_EQ(QFileInfo(path).size(), before.st_size);
        ASSERT_EQ(readAll().value(QStringLiteral("k")), QStringLiteral("v%1").arg(round % 10));
        // A change on top of it keeps it.
        ASSERT_EQ(reg.update({{QStringLiteral("n%1").arg(round), QString()}}), S_OK);
        Registry::Entries e;
        ASSERT_EQ(other.read(&e), S_OK);
        ASSERT_EQ(e.value(QStringLiteral("k")), QStringLiteral("v%1").arg(round % 10));
        ASSERT_EQ(e.size(), round + 1);
    }
}

TEST_F(RegistryFile, ConcurrentWritersLoseNothing)
{
    constexpr int Threads = 8;
    constexpr int PerThread = 25;
    std::vector<std::thread> writers;
    std::vector<HRESULT> results(Threads * PerThread, E_FAIL);
    for (int t = 0; t < Threads; ++t)
        writers.emplace_back([&, t] {
            Registry mine(path);
            for (int i = 0; i < PerThread; ++i)
                results[t * PerThread + i] = mine.update(
                    {{QStringLiteral("T%1/k%2").arg(t).arg(i), QStringLiteral("v%1").arg(i)}},
                    i > 0 && i % 5 == 0 ? QStringList{QStringLiteral("T%1/k%2").arg(t).arg(i - 1)} : QStringList{});
        });
    for (std::thread& w : writers)
        w.join();
    for (HRESULT hr : results)
        ASSERT_EQ(hr, S_OK);
    const Registry::Entries e = readAll();
    for (int t = 0; t < Threads; ++t)
        for (int i = 0; i < PerThread; ++i) {
            const bool removed = (i + 1) % 5 == 0 && i + 1 < PerThread;
            EXPECT_EQ(e.contains(QStringLiteral("T%1/k%2").arg(t).arg(i)), !removed) << t << "/" << i;
        }
}

} // namespace
