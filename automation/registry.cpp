#include "registry.h"

#include "userhome.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryFile>
#include <QThread>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>

QString RegistryGuidString(const GUID& g)
{
    return QString::asprintf("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1, g.Data2,
                             g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4],
                             g.Data4[5], g.Data4[6], g.Data4[7]);
}

namespace {

// An exclusive lock on a file beside the registry, held for one whole read or change. flock() and
// not QLockFile: the kernel drops it when its holder dies, and there is no guessing whether a lock
// left behind is stale (QLockFile compares application names, which a tool without a
// QCoreApplication does not have, and would break a live lock).
class UpdateLock {
public:
    explicit UpdateLock(const QString& registryPath)
    {
        const QByteArray name = QFile::encodeName(registryPath + QStringLiteral(".update.lock"));
        m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd < 0)
            m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC); // a reader without write access
        if (m_fd < 0)
            m_errno = errno;
    }
    ~UpdateLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // also releases the lock
    }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

    bool opened() const { return m_fd >= 0; }
    int openErrno() const { return m_errno; }

    bool lock(int timeoutMs)
    {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
                return true;
            if (errno != EWOULDBLOCK && errno != EINTR)
                return false;
            if (Clock::now() >= deadline)
                return false;
            QThread::msleep(2);
        }
    }

private:
    int m_fd = -1;
    int m_errno = 0;
};

// Values are always written as strings; anything else in the file was put there by someone else
// and is kept distinct in the seal so it cannot pass for a string.
QString valueText(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    if (v.typeId() == QMetaType::QStringList)
        return QStringLiteral("list:") + v.toStringList().join(QChar(0x1F));
    return QStringLiteral("type%1:").arg(v.typeId()) + v.toString();
}

Registry::Entries entriesOf(const QSettings& s)
{
    Registry::Entries entries;
    for (const QString& key : s.allKeys())
        if (key != QLatin1String(Registry::SealKey))
            entries.insert(key, valueText(s.value(key)));
    return entries;
}

QString sealOf(const Registry::Entries& entries)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) { // QMap: sorted by key
        const QByteArray key = it.key().toUtf8();
        const QByteArray value = it.value().toUtf8();
        h.addData(QByteArray::number(key.size()) + ':' + key + QByteArray::number(value.size()) + ':' + value);
    }
    return QString::fromLatin1(h.result().toHex());
}

// What QSettings would store under another name, or what this file reserves, is refused.
bool validKey(const QString& key)
{
    return !key.isEmpty() && key != QLatin1String(Registry::SealKey) && !key.startsWith(u'/') &&
           !key.endsWith(u'/') && !key.contains(QLatin1String("//")) && !key.contains(u'\\');
}

} // namespace

QString Registry::defaultPath()
{
    const QString base = XdgBaseDir("XDG_DATA_HOME", ".local/share");
    return base.isEmpty() ? QString() : QDir::cleanPath(base + QStringLiteral("/merlo-registry/registry.ini"));
}

Registry::Registry(QString path)
    : m_path(std::move(path))
{
}

HRESULT Registry::fail(HRESULT hr, const QString& why)
{
    if (m_path.isEmpty()) {
        m_error = QStringLiteral("the registry is not kept: HOME is not set and the account has no home folder");
        return hr;
    }
    m_error = QStringLiteral("the registry file %1 %2").arg(m_path, why);
    return hr;
}

// Parses `bytes` with QSettings. QSettings keeps one parsed copy per file name for the whole
// process and reuses it while the file's size and modification time (in milliseconds) stay the
// same; the file system's timestamps are coarser than that (a few milliseconds), so a change by
// another writer within one tick would go unseen and be written over. The bytes therefore go
// through a private copy whose name this process never used before, which QSettings cannot have
// parsed yet.
static std::unique_ptr<QSettings> parse(const QByteArray& bytes, QTemporaryFile* copy)
{
    static std::atomic<quint64> serial{0};
    copy->setFileTemplate(QDir::tempPath() + QStringLiteral("/merlo-registry-%1-%2-XXXXXX.ini")
                                                 .arg(::getpid()).arg(serial++));
    if (!copy->open() || copy->write(bytes) != bytes.size() || !copy->flush())
        return nullptr;
    return std::make_unique<QSettings>(copy->fileName(), QSettings::IniFormat);
}

// Reads the file's bytes once and checks that they are whole: they parse and their seal matches
// every entry. Must be called under the update lock, so the file cannot change in between.
static HRESULT readChecked(const QString& path, Registry::Entries* out, QString* why)
{
    out->clear();
    const QFileInfo info(path);
    if (!info.exists())
        return S_OK;
    if (!info.isFile()) {
        *why = QStringLiteral("is not a file");
        return REGDB_E_READREGDB;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("cannot be read");
        return REGDB_E_READREGDB;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *why = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return REGDB_E_READREGDB;
    }
    if (bytes.isEmpty())
        return S_OK;
    QTemporaryFile copy;
    const std::unique_ptr<QSettings> s = parse(bytes, &copy);
    if (!s) {
        *why = QStringLiteral("cannot be read: no private copy can be made in %1 (%2)")
                   .arg(QDir::tempPath(), copy.errorString());
        return REGDB_E_READREGDB;
    }
    switch (s->status()) {
    case QSettings::NoError:
        break;
    case QSettings::AccessError:
        *why = QStringLiteral("cannot be read");
        return REGDB_E_READREGDB;
    case QSettings::FormatError:
        *why = QStringLiteral("is damaged: it is not a valid INI file");
        return REGDB_E_CORRUPT;
    }
    // Every file written here carries its seal; a file with content and no seal, or a seal that does
    // not match, was cut short or changed by something else.
    const QVariant seal = s->value(QLatin1String(Registry::SealKey));
    if (!seal.isValid()) {
        *why = QStringLiteral("is damaged: it carries no seal");
        return REGDB_E_CORRUPT;
    }
    const Registry::Entries entries = entriesOf(*s);
    if (valueText(seal) != sealOf(entries)) {
        *why = QStringLiteral("is damaged: its seal does not match its contents");
        return REGDB_E_CORRUPT;
    }
    *out = entries;
    return S_OK;
}

HRESULT Registry::read(Entries* entries)
{
    m_error.clear();
    if (!entries)
        return E_POINTER;
    entries->clear();
    if (m_path.isEmpty())
        return S_OK; // nothing kept, nothing to read
    UpdateLock lock(m_path);
    // Without the lock file (a folder we may not write) the read still sees a whole file, since
    // writers replace it by a rename.
    if (lock.opened() && !lock.lock(LockTimeoutMs))
        return fail(REGDB_E_READREGDB, QStringLiteral("stayed locked by another process"));
    QString why;
    if (const HRESULT hr = readChecked(m_path, entries, &why); FAILED(hr))
        return fail(hr, why);
    return S_OK;
}

HRESULT Registry::update(const Entries& set, const QStringList& remove)
{
    m_error.clear();
    for (auto it = set.cbegin(); it != set.cend(); ++it)
        if (!validKey(it.key()))
            return fail(E_INVALIDARG, QStringLiteral("cannot hold an entry named \"%1\"").arg(it.key()));
    for (const QString& key : remove)
        if (!validKey(key))
            return fail(E_INVALIDARG, QStringLiteral("cannot hold an entry named \"%1\"").arg(key));
    if (m_path.isEmpty())
        return fail(REGDB_E_WRITEREGDB, {});

    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(REGDB_E_WRITEREGDB, QStringLiteral("cannot be created: its folder cannot be made"));
    UpdateLock lock(m_path);
    if (!lock.opened())
        return fail(REGDB_E_WRITEREGDB, QStringLiteral("cannot be locked for writing (%1)")
                                            .arg(QString::fromLocal8Bit(std::strerror(lock.openErrno()))));
    if (!lock.lock(LockTimeoutMs))
        return fail(REGDB_E_WRITEREGDB, QStringLiteral("stayed locked by another process"));

    Entries before;
    QString why;
    if (const HRESULT hr = readChecked(m_path, &before, &why); FAILED(hr))
        return fail(hr, why + QStringLiteral("; it was left as it is"));

    Entries after = before;
    after.insert(set);
    for (const QString& key : remove)
        after.remove(key); // exactly this entry: whatever lies below it stays
    if (after == before)
        return S_OK; // nothing to write, and a missing file stays missing
    if (const QFileInfo now(m_path); now.exists() && !now.isWritable())
        return fail(REGDB_E_WRITEREGDB, QStringLiteral("cannot be written: it is read-only"));
    if (const HRESULT hr = replaceFile(after); FAILED(hr))
        return hr;
    return S_OK;
}

// The new contents go into a file of their own, written by QSettings, which then replaces the
// registry in one rename. QSettings is never asked to write the registry file itself: it keeps
// unsaved changes in a cache for the whole process, and a write that failed would come back with
// the next QSettings opened on the same file.
HRESULT Registry::replaceFile(const Entries& entries)
{
    // New files are made only under the lock, so any found now were left by a writer that died.
    const QFileInfo reg(m_path);
    QDir folder = reg.absoluteDir();
    for (const QString& left : folder.entryList({reg.fileName() + QStringLiteral(".new-*")}, QDir::Files | QDir::Hidden))
        folder.remove(left);

    static std::atomic<unsigned> serial{0};
    const QString temp = m_path + QStringLiteral(".new-%1-%2").arg(::getpid()).arg(serial++);
    {
        QSettings out(temp, QSettings::IniFormat);
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            out.setValue(it.key(), it.value());
        out.setValue(QLatin1String(SealKey), sealOf(entries));
        out.sync();
        if (out.status() != QSettings::NoError) {
            QFile::remove(temp);
            return fail(REGDB_E_WRITEREGDB, QStringLiteral("cannot be written: no new file can be made beside it"));
        }
    }
    // Keep the permissions the file was given.
    const QFileInfo old(m_path);
    QFile::setPermissions(temp, old.exists() ? old.permissions()
                                             : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(m_path).constData()) != 0) {
        const int err = errno;
        QFile::remove(temp);
        return fail(REGDB_E_WRITEREGDB,
                    QStringLiteral("cannot be written (%1)").arg(QString::fromLocal8Bit(std::strerror(err))));
    }
    return S_OK;
}
