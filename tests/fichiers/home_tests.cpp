// The real program started with HOME and every XDG base folder unset: its settings and the
// registration tool's registry go to the account's home from the system's user database (a passwd
// file of the test's, through nss_wrapper), said once; an account whose home is "/" keeps nothing.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct Lancement {
    QString erreurs;  // standard error once `fait` held, or the deadline passed
    bool fait = false;
};

// Runs Merlos as an account whose home is `home`, until `fait` holds, then kills it.
Lancement Lancer(const QString& racine, const QString& home, const std::function<bool(const QString&)>& fait)
{
    const QStringList nss = QDir(QStringLiteral("/usr/lib")).entryList({QStringLiteral("*")}, QDir::Dirs);
    QString wrapper;
    for (const QString& d : nss)
        if (QFile::exists(QStringLiteral("/usr/lib/%1/libnss_wrapper.so").arg(d)))
            wrapper = QStringLiteral("/usr/lib/%1/libnss_wrapper.so").arg(d);
    Lancement l;
    if (wrapper.isEmpty())
        return l;
    QFile passwd(racine + "/passwd"), group(racine + "/group");
    passwd.open(QIODevice::WriteOnly);
    passwd.write(QStringLiteral("merlo:x:%1:%2:Merlo:%3:/bin/sh\n").arg(getuid()).arg(getgid()).arg(home).toUtf8());
    group.open(QIODevice::WriteOnly);
    group.write(QStringLiteral("merlo:x:%1:\n").arg(getgid()).toUtf8());
    passwd.close();
    group.close();
    QDir().mkpath(racine + "/run");
    QFile::setPermissions(racine + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(racine + "/tmp");
    QProcessEnvironment env;
    for (const char* v : {"PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS"})
        if (qEnvironmentVariableIsSet(v))
            env.insert(v, qEnvironmentVariable(v));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", racine + "/run");
    env.insert("TMPDIR", racine + "/tmp");
    env.insert("LD_PRELOAD", wrapper);
    env.insert("NSS_WRAPPER_PASSWD", passwd.fileName());
    env.insert("NSS_WRAPPER_GROUP", group.fileName());
    // A sanitized build's runtime does not come first once nss_wrapper is preloaded.
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
    QProcess merlos;
    merlos.setProcessEnvironment(env);
    merlos.start(QStringLiteral(MERLO_BIN_DIR "/Merlos"), {});
    merlos.waitForStarted(30000);
    QElapsedTimer t;
    t.start();
    while (!(l.fait = fait(l.erreurs)) && t.elapsed() < 60000 && merlos.state() == QProcess::Running) {
        merlos.waitForReadyRead(50);
        l.erreurs += QString::fromLocal8Bit(merlos.readAllStandardError());
    }
    merlos.kill();
    merlos.waitForFinished();
    l.erreurs += QString::fromLocal8Bit(merlos.readAllStandardError());
    return l;
}

} // namespace

TEST(WithoutHome, FilesGoToTheAccountsHomeOrNowhereNeverToTheRoot)
{
    QTemporaryDir dir;
    const QString home = dir.filePath("home");
    const QString ancien = home + "/.config/Unknown Organization/io.github.merlos.Merlos.conf";
    QSettings(ancien, QSettings::IniFormat).setValue("relecture/intervalle", 900);
    const QString un = home + "/.config/merlos/io.github.merlos.Merlos.conf";
    const QString registre = home + "/.local/share/merlo-registry/registry.ini";
    const Lancement l = Lancer(dir.path(), home, [&](const QString&) {
        return QFile::exists(registre) && QSettings(un, QSettings::IniFormat).value("relecture/intervalle").toInt() == 900;
    });
    if (l.erreurs.isEmpty() && !l.fait)
        GTEST_SKIP() << "nss_wrapper is not installed";
    EXPECT_TRUE(l.fait) << "nothing kept under the account's home: " << l.erreurs.toStdString();
    EXPECT_EQ(l.erreurs.count("HOME"), 1) << "said once: " << l.erreurs.toStdString();
    EXPECT_TRUE(l.erreurs.contains("HOME is not set; settings and recovered work are kept under " + home)) << l.erreurs.toStdString();

    const bool racineAvant = QFileInfo::exists("/.config") || QFileInfo::exists("/.local");
    const Lancement aucun = Lancer(dir.path(), "/", [](const QString& e) { return e.contains("nothing", Qt::CaseInsensitive) || e.contains("no work is kept"); });
    EXPECT_TRUE(aucun.fait) << aucun.erreurs.toStdString();
    EXPECT_EQ(aucun.erreurs.count("Merlos: HOME"), 1) << aucun.erreurs.toStdString();
    if (!racineAvant) {
        EXPECT_FALSE(QFileInfo::exists("/.config") || QFileInfo::exists("/.local"));
    }
}
