// Shared by the registry tests: running the real regocx32.exe, and what registering cube.ocx must
// write, spelled out here independently of the module's own code.
#pragma once

#include "registry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <ostream>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

// Readable failures for texts.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace regtest {

inline QString binDir() { return QStringLiteral(MERLO_BIN_DIR); }
inline QString toolPath() { return binDir() + QStringLiteral("/regocx32.exe"); }
inline QString modulePath() { return QFileInfo(binDir() + QStringLiteral("/cube.ocx")).absoluteFilePath(); }

// The registry file regocx32 uses when XDG_DATA_HOME is `xdg`.
inline QString registryIn(const QString& xdg) { return xdg + QStringLiteral("/merlo-registry/registry.ini"); }

struct ToolRun {
    int exitCode = -1;
    bool crashed = false;
    QString out;
    QString err;
};

// Who runs the tool. As root, permissions do not stop anyone, so a test about them runs the tool as
// the unprivileged user "nobody".
enum class As { Me, Unprivileged };

constexpr uid_t NobodyId = 65534;

inline bool needsUserSwitch() { return ::geteuid() == 0; }

inline ToolRun runTool(const QStringList& args, const QString& xdg, const QString& cwd = {}, As as = As::Me)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), xdg);
    p.setProcessEnvironment(env);
    if (!cwd.isEmpty())
        p.setWorkingDirectory(cwd);
    if (as == As::Unprivileged && needsUserSwitch())
        p.setChildProcessModifier([] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(NobodyId) != 0 || ::setuid(NobodyId) != 0)
                ::_exit(99);
        });
    p.start(toolPath(), args);
    ToolRun r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("(timed out)");
        return r;
    }
    r.crashed = p.exitStatus() == QProcess::CrashExit;
    r.exitCode = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline bool chmodPath(const QString& path, mode_t mode) { return ::chmod(QFile::encodeName(path).constData(), mode) == 0; }

// Everything registering the module at `module` writes.
inline Registry::Entries expectedEntries(const QString& module)
{
    const QString dir = QFileInfo(module).absolutePath();
    const QString lib = QStringLiteral("TypeLib/{87125B66-52F5-4A59-8F29-DF150FED8F7B}/1.0");
    const QString dcube = QStringLiteral("Interface/{EE882F4B-2721-43CB-B8E4-B1A52AA52117}");
    const QString events = QStringLiteral("Interface/{AC763121-D210-4046-B585-B3D603222321}");
    const QString ctl = QStringLiteral("CLSID/{8F27743C-7D6D-4575-8D54-90426BE22F94}");
    const QString ppg = QStringLiteral("CLSID/{FEAE6E76-E12B-4C3A-A626-98E19D04CDD1}");
    const QString libid = QStringLiteral("{87125B66-52F5-4A59-8F29-DF150FED8F7B}");
    const QString psDispatch = QStringLiteral("{00020420-0000-0000-C000-000000000046}");
    Registry::Entries e{
        {lib, QStringLiteral("CUBE ActiveX Control module")},
        {lib + QStringLiteral("/0/win32"), module},
        {lib + QStringLiteral("/FLAGS"), QStringLiteral("0")},
        {lib + QStringLiteral("/HELPDIR"), dir},
        {lib + QStringLiteral("/HELPFILE"), QStringLiteral("CUBE.hlp")},
        {ctl, QStringLiteral("CUBE Control")},
        {ctl + QStringLiteral("/InprocServer32"), module},
        {ctl + QStringLiteral("/InprocServer32/ThreadingModel"), QStringLiteral("Apartment")},
        {ctl + QStringLiteral("/ProgID"), QStringLiteral("CUBE.CUBECtrl.1")},
        {ctl + QStringLiteral("/Control"), QString()},
        {ctl + QStringLiteral("/MiscStatus"), QStringLiteral("0")},
        {ctl + QStringLiteral("/MiscStatus/1"), QStringLiteral("197009")}, // 0x30191
        {ctl + QStringLiteral("/ToolboxBitmap32"), module + QStringLiteral(", 1")},
        {ctl + QStringLiteral("/TypeLib"), libid},
        {ctl + QStringLiteral("/Version"), QStringLiteral("1.0")},
        {QStringLiteral("CUBE.CUBECtrl.1"), QStringLiteral("CUBE Control")},
        {QStringLiteral("CUBE.CUBECtrl.1/CLSID"), QStringLiteral("{8F27743C-7D6D-4575-8D54-90426BE22F94}")},
        {ppg, QStringLiteral("CUBE Property Page")},
        {ppg + QStringLiteral("/InprocServer32"), module},
        {ppg + QStringLiteral("/InprocServer32/ThreadingModel"), QStringLiteral("Apartment")},
        {ppg + QStringLiteral("/ProgID"), QStringLiteral("CUBE.CUBEPropPage.1")},
        {QStringLiteral("CUBE.CUBEPropPage.1"), QStringLiteral("CUBE Property Page")},
        {QStringLiteral("CUBE.CUBEPropPage.1/CLSID"), QStringLiteral("{FEAE6E76-E12B-4C3A-A626-98E19D04CDD1}")},
    };
    for (const auto& [key, name] : {std::pair{dcube, QStringLiteral("_DCUBE")}, std::pair{events, QStringLiteral("_DCUBEEvents")}}) {
        e.insert(key, name);
        e.insert(key + QStringLiteral("/ProxyStubClsid"), psDispatch);
        e.insert(key + QStringLiteral("/ProxyStubClsid32"), psDispatch);
        e.insert(key + QStringLiteral("/TypeLib"), libid);
        e.insert(key + QStringLiteral("/TypeLib/Version"), QStringLiteral("1.0"));
    }
    return e;
}

// The part of expectedEntries() written by the type-library step.
inline bool isTypeLibEntry(const QString& key)
{
    return key.startsWith(QLatin1String("TypeLib/")) || key.startsWith(QLatin1String("Interface/"));
}

} // namespace regtest
