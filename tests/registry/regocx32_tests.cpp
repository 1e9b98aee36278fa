// The real regocx32.exe on the real cube.ocx, each run with a registry of its own.
#include "registry_test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <iostream>
#include <memory>
#include <random>
#include <thread>
#include <vector>

using namespace regtest;

namespace {

class Regocx32 : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo::exists(toolPath())) << "build regocx32 first";
        ASSERT_TRUE(QFileInfo::exists(modulePath())) << "build cube first";
        ASSERT_TRUE(xdg.isValid());
    }
    void TearDown() override
    {
        // Give back what a test took away, so the folder can be removed.
        chmodPath(xdg.path() + QStringLiteral("/merlo-registry"), 0755);
        if (QFileInfo(regPath).isFile())
            chmodPath(regPath, 0644);
    }

    ToolRun run(const QStringList& args, const QString& cwd = {}, As as = As::Me)
    {
        return runTool(args, xdg.path(), cwd, as);
    }
    Registry::Entries readAll()
    {
        Registry reg(regPath);
        Registry::Entries e;
        const HRESULT hr = reg.read(&e);
        EXPECT_EQ(hr, S_OK) << reg.errorString().toStdString();
        return e;
    }
    void write(const Registry::Entries& e, const QStringList& remove = {})
    {
        Registry reg(regPath);
        ASSERT_EQ(reg.update(e, remove), S_OK) << reg.errorString().toStdString();
    }
    // Lets "nobody" reach the registry folder and take the update lock, so that what stops it is
    // the registry file itself.
    void openFolderToOthers()
    {
        chmodPath(xdg.path(), 0755);
        chmodPath(xdg.path() + QStringLiteral("/merlo-registry"), 0755);
        chmodPath(regPath + QStringLiteral(".update.lock"), 0666);
    }

    QTemporaryDir xdg;
    QString regPath = registryIn(xdg.path());
};

QString succeeded(const char* entry, const QString& module)
{
    return QStringLiteral("regocx32: %1 in %2 succeeded.\n").arg(QLatin1String(entry), module);
}

TEST_F(Regocx32, RegisteringWritesEveryEntry)
{
    const ToolRun r = run({modulePath()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, succeeded("DllRegisterServer", modulePath()));
    EXPECT_EQ(readAll(), expectedEntries(modulePath()));

    // Registering again changes nothing.
    const QByteArray bytes = fileBytes(regPath);
    ASSERT_EQ(run({modulePath()}).exitCode, 0);
    EXPECT_EQ(fileBytes(regPath), bytes);
}

TEST_F(Regocx32, ARelativeNameIsTakenInTheCurrentFolder)
{
    // A folder whose name an INI file must escape.
    QTemporaryDir place;
    const QString folder = place.path() + QStringLiteral("/mod dir, é [1] = %20");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString copy = folder + QStringLiteral("/cube.ocx");
    ASSERT_TRUE(QFile::copy(modulePath(), copy));

    const ToolRun r = run({QStringLiteral("cube.ocx")}, folder);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, succeeded("DllRegisterServer", copy));
    EXPECT_EQ(readAll(), expectedEntries(copy));

    const ToolRun u = run({QStringLiteral("/u"), QStringLiteral("./cube.ocx")}, folder);
    ASSERT_EQ(u.exitCode, 0) << u.err.toStdString();
    EXPECT_EQ(u.out, succeeded("DllUnregisterServer", copy));
    EXPECT_TRUE(readAll().isEmpty());
}

TEST_F(Regocx32, UnregisteringTakesOutWhatRegisteringWroteAndNothingElse)
{
    const QString ctl = QStringLiteral("CLSID/{8F27743C-7D6D-4575-8D54-90426BE22F94}");
    const QString lib = QStringLiteral("TypeLib/{87125B66-52F5-4A59-8F29-DF150FED8F7B}");
    // Entries of others, some beside ours and some below or above our keys.
    const Registry::Entries foreignPool{
        {QStringLiteral("CLSID/{00000000-1111-2222-3333-444444444444}"), QStringLiteral("Other Control")},
        {QStringLiteral("CLSID/{00000000-1111-2222-3333-444444444444}/InprocServer32"), QStringLiteral("/x/other.ocx")},
        {ctl + QStringLiteral("/Implemented Categories/{0DE86A52-2BAA-11CF-A229-00AA003D7352}"), QString()},
        {ctl + QStringLiteral("/InprocServer32/Extra"), QStringLiteral("kept")},
        {lib + QStringLiteral("/2.0"), QStringLiteral("a later version")},
        {lib + QStringLiteral("/2.0/0/win32"), QStringLiteral("/y/cube2.ocx")},
        {QStringLiteral("Interface/{11111111-2222-3333-4444-555555555555}"), QStringLiteral("IOther")},
        {QStringLiteral("Other.Thing.1"), QStringLiteral("Other Thing")},
        {QStringLiteral("CUBE.CUBECtrl"), QStringLiteral("version-independent ProgID of someone else")},
    };
    std::mt19937 rng(17);
    for (int round = 0; round < 4; ++round) {
        Registry::Entries foreign;
        for (auto it = foreignPool.cbegin(); it != foreignPool.cend(); ++it)
            if (round == 0 || rng() % 2)
                foreign.insert(it.key(), it.value());
        write({}, readAll().keys());
        write(foreign);

        ASSERT_EQ(run({modulePath()}).exitCode, 0);
        Registry::Entries both = foreign;
        both.insert(expectedEntries(modulePath()));
        ASSERT_EQ(readAll(), both) << "round " << round;

        const ToolRun u = run({QStringLiteral("/u"), modulePath()});
        ASSERT_EQ(u.exitCode, 0) << u.err.toStdString();
        EXPECT_EQ(u.out, succeeded("DllUnregisterServer", modulePath()));
        ASSERT_EQ(readAll(), foreign) << "round " << round;
    }
}

TEST_F(Regocx32, UnregisteringWhatIsNotThereSucceedsAndWritesNothing)
{
    const ToolRun u = run({QStringLiteral("/U"), modulePath()});
    EXPECT_EQ(u.exitCode, 0) << u.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(regPath));
}

TEST_F(Regocx32, UsageErrors)
{
    struct Case {
        QStringList args;
        const char* says;
    };
    const Case cases[] = {
        {{}, "no FILE given"},
        {{QStringLiteral("/u")}, "no FILE given"},
        {{QStringLiteral("a.ocx"), QStringLiteral("b.ocx")}, "only one FILE"},
        {{QStringLiteral("-x"), modulePath()}, "unknown option \"-x\""},
        {{QString()}, "unknown option"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("usage: regocx32.exe [/u] FILE"))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const ToolRun help = run({QStringLiteral("/?")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage: regocx32.exe [/u] FILE")));
    EXPECT_FALSE(QFileInfo::exists(regPath));
}

TEST_F(Regocx32, FilesThatAreNoModule)
{
    QTemporaryDir place;
    const QString text = place.path() + QStringLiteral("/notes.ocx");
    ASSERT_TRUE(writeBytes(text, "this is no module\n"));
    const QString missing = place.path() + QStringLiteral("/missing.ocx");
    struct Case {
        QStringList args;
        int exit;
        QString says;
    };
    const Case cases[] = {
        {{missing}, 3, QStringLiteral("regocx32: cannot find %1.\n").arg(missing)},
        {{QStringLiteral("/u"), QStringLiteral("missing.ocx")}, 3,
         QStringLiteral("regocx32: cannot find %1.\n").arg(missing)},
        {{text}, 4, QStringLiteral("regocx32: %1 is not a loadable module: ").arg(text)},
        {{place.path()}, 4, QStringLiteral("regocx32: %1 is not a loadable module: ").arg(place.path())},
        {{QStringLiteral(REGTEST_NOENTRY_MODULE)}, 5,
         QStringLiteral("regocx32: %1 has no entry point DllRegisterServer.\n").arg(QStringLiteral(REGTEST_NOENTRY_MODULE))},
        {{QStringLiteral("/u"), QStringLiteral(REGTEST_NOENTRY_MODULE)}, 5,
         QStringLiteral("regocx32: %1 has no entry point DllUnregisterServer.\n").arg(QStringLiteral(REGTEST_NOENTRY_MODULE))},
        {{QStringLiteral(REGTEST_FAILING_MODULE)}, 1,
         QStringLiteral("regocx32: DllRegisterServer in %1 failed: 0x80004005 (E_FAIL).\n").arg(QStringLiteral(REGTEST_FAILING_MODULE))},
        {{QStringLiteral("/u"), QStringLiteral(REGTEST_FAILING_MODULE)}, 6,
         QStringLiteral("regocx32: DllUnregisterServer in %1 crashed.\n").arg(QStringLiteral(REGTEST_FAILING_MODULE))},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.args, place.path());
        EXPECT_FALSE(r.crashed);
        EXPECT_EQ(r.exitCode, c.exit) << c.args.join(u' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(c.says)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(regPath));
}

// A damaged registry: the tool fails naming the type-library step, the module names the file and
// what is wrong with it, and the file is exactly as before.
void expectRefused(const ToolRun& r, const QString& regPath, const char* why)
{
    EXPECT_FALSE(r.crashed);
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("failed: 0x80040200 (SELFREG_E_TYPELIB).\n"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("CUBE.OCX: the registry file %1 %2").arg(regPath, QLatin1String(why))))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
}

TEST_F(Regocx32, ADamagedRegistryIsReportedAndLeftAlone)
{
    ASSERT_EQ(run({modulePath()}).exitCode, 0);
    const QByteArray whole = fileBytes(regPath);
    std::mt19937 rng(23);
    QByteArray garbage(4000, Qt::Uninitialized);
    for (char& c : garbage)
        c = static_cast<char>(rng());
    const QByteArray damaged[] = {garbage, whole.left(whole.size() / 2), whole.left(whole.size() - 7),
                                  whole.left(3), QByteArray(100, '\0')};
    for (const QByteArray& bytes : damaged)
        for (const QString& mode : {QString(), QStringLiteral("/u")}) {
            ASSERT_TRUE(writeBytes(regPath, bytes));
            QStringList args{modulePath()};
            if (!mode.isEmpty())
                args.prepend(mode);
            expectRefused(run(args), regPath, "is damaged");
            EXPECT_EQ(fileBytes(regPath), bytes);
        }
}

TEST_F(Regocx32, ADirectoryInPlaceOfTheRegistryIsReported)
{
    ASSERT_TRUE(QDir().mkpath(regPath));
    expectRefused(run({modulePath()}), regPath, "is not a file");
    expectRefused(run({QStringLiteral("/u"), modulePath()}), regPath, "is not a file");
    EXPECT_TRUE(QFileInfo(regPath).isDir());
}

TEST_F(Regocx32, AnUnreadableRegistryIsReportedAndLeftAlone)
{
    ASSERT_EQ(run({modulePath()}).exitCode, 0);
    const QByteArray bytes = fileBytes(regPath);
    openFolderToOthers();
    ASSERT_TRUE(chmodPath(regPath, 0));
    expectRefused(run({modulePath()}, {}, As::Unprivileged), regPath, "cannot be read");
    expectRefused(run({QStringLiteral("/u"), modulePath()}, {}, As::Unprivileged), regPath, "cannot be read");
    ASSERT_TRUE(chmodPath(regPath, 0644));
    EXPECT_EQ(fileBytes(regPath), bytes);
}

// The type library is already in a registry that cannot be written: the first step has nothing to
// do, and the second one is the step that fails.
TEST_F(Regocx32, AClassStepThatCannotWriteFailsWithTheClassError)
{
    const Registry::Entries all = expectedEntries(modulePath());
    QStringList classKeys;
    QStringList libKeys;
    for (const QString& k : all.keys())
        (isTypeLibEntry(k) ? libKeys : classKeys) << k;

    ASSERT_EQ(run({modulePath()}).exitCode, 0);
    write({}, classKeys); // only the type library is left
    openFolderToOthers();
    const QString folder = xdg.path() + QStringLiteral("/merlo-registry");
    const mode_t readOnly = needsUserSwitch() ? 0755 : 0555; // "nobody" may not write a folder of root's
    ASSERT_TRUE(chmodPath(regPath, 0444));
    ASSERT_TRUE(chmodPath(folder, readOnly));
    const QByteArray bytes = fileBytes(regPath);
    ToolRun r = run({modulePath()}, {}, As::Unprivileged);
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("failed: 0x80040201 (SELFREG_E_CLASS).\n"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("cannot be written"))) << r.err.toStdString();
    EXPECT_EQ(fileBytes(regPath), bytes);

    // And the other way round: only the classes are left, and taking them out cannot be written.
    ASSERT_TRUE(chmodPath(folder, 0755));
    ASSERT_TRUE(chmodPath(regPath, 0644));
    ASSERT_EQ(run({modulePath()}).exitCode, 0);
    write({}, libKeys);
    ASSERT_TRUE(chmodPath(regPath, 0444));
    ASSERT_TRUE(chmodPath(folder, readOnly));
    r = run({QStringLiteral("/u"), modulePath()}, {}, As::Unprivileged);
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("failed: 0x80040201 (SELFREG_E_CLASS).\n"))) << r.err.toStdString();
}

// A positive number from the environment, or `fallback`.
int EnvCount(const char* name, int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok && n > 0 ? n : fallback;
}

// Many registrations and unregistrations at once, while this process writes entries of its own:
// the file always reads back whole, each step is all or nothing, and nobody's entries get lost.
// MERLO_REGISTRY_PROCESSES and MERLO_REGISTRY_ROUNDS make it heavier.
TEST_F(Regocx32, ManyAtOnceLeaveAWholeRegistry)
{
    const int Processes = EnvCount("MERLO_REGISTRY_PROCESSES", 16);
    const int Rounds = EnvCount("MERLO_REGISTRY_ROUNDS", 3);
    std::atomic<bool> done{false};
    std::atomic<int> ownWrites{0};
    std::atomic<int> ownFailures{0};
    std::thread own([&] {
        Registry reg(regPath);
        for (int n = 0; !done; ++n) {
            if (FAILED(reg.update({{QStringLiteral("Mine/k%1").arg(n), QString::number(n)}})))
                ++ownFailures;
            ownWrites = n + 1;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });

    std::mt19937 rng(29);
    const Registry::Entries expected = expectedEntries(modulePath());
    for (int round = 0; round < Rounds; ++round) {
        std::vector<std::unique_ptr<QProcess>> procs;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), xdg.path());
        for (int i = 0; i < Processes; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setProcessEnvironment(env);
            p->start(toolPath(), rng() % 2 ? QStringList{modulePath()} : QStringList{QStringLiteral("/u"), modulePath()});
            procs.push_back(std::move(p));
        }
        for (auto& p : procs) {
            ASSERT_TRUE(p->waitForFinished(180000));
            EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        }
        const Registry::Entries now = readAll();
        // Each step went in or out whole.
        int lib = 0, cls = 0, libTotal = 0, clsTotal = 0;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const bool present = now.value(it.key(), QStringLiteral("\x01")) == it.value();
            (isTypeLibEntry(it.key()) ? libTotal : clsTotal)++;
            if (present)
                (isTypeLibEntry(it.key()) ? lib : cls)++;
        }
        EXPECT_TRUE(lib == 0 || lib == libTotal) << "round " << round << ": " << lib << " of " << libTotal;
        EXPECT_TRUE(cls == 0 || cls == clsTotal) << "round " << round << ": " << cls << " of " << clsTotal;
    }
    done = true;
    own.join();
    EXPECT_EQ(ownFailures.load(), 0);

    ASSERT_EQ(run({modulePath()}).exitCode, 0);
    Registry::Entries want = expected;
    for (int n = 0; n < ownWrites.load(); ++n)
        want.insert(QStringLiteral("Mine/k%1").arg(n), QString::number(n));
    EXPECT_EQ(readAll(), want);
    std::cout << "many at once: " << Rounds << " rounds of " << Processes << " processes, "
              << ownWrites.load() << " writes of this process beside them\n";
}

} // namespace
