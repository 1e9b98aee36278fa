// The per-user registry: what in-process control registration writes under HKEY_CLASSES_ROOT,
// kept in one INI file of this user, $XDG_DATA_HOME/merlo-registry/registry.ini.
//
// Keys are registry paths with '/' for '\': "CLSID/{…}/InprocServer32" stands for
// HKEY_CLASSES_ROOT\CLSID\{…}\InprocServer32 and holds that key's default value. A named value
// (ThreadingModel of InprocServer32) is an entry one level below its key. Every value is a string.
//
// The file is read and written through QSettings. Every read or change holds a lock of the
// registry (flock on a file beside it) from start to end, so concurrent registrations never lose
// each other's entries; under it the file's bytes are read afresh and parsed from a private copy,
// never taken from what QSettings remembers of the file in this process. A change writes a
// complete new file beside the registry and renames it into place, so a reader never sees half a
// file. Each write stores a seal (a hash of every entry): a file that does not parse, or whose
// seal is missing or does not match, was damaged outside this code. It is reported and never
// written over.
#pragma once

#include "com.h"

#include <QMap>
#include <QString>
#include <QStringList>

// Why a registry call failed; COM's codes where it has one.
constexpr HRESULT REGDB_E_READREGDB = static_cast<HRESULT>(0x80040150u);  // cannot be read
constexpr HRESULT REGDB_E_WRITEREGDB = static_cast<HRESULT>(0x80040151u); // cannot be written
constexpr HRESULT REGDB_E_CORRUPT = static_cast<HRESULT>(0x800703F1u);    // ERROR_BADDB: damaged

// "{8F27743C-7D6D-4575-8D54-90426BE22F94}", as the platform spells a GUID in the registry.
QString RegistryGuidString(const GUID& guid);

class Registry {
public:
    using Entries = QMap<QString, QString>;

    // The entry that holds the seal; no registration may use this name.
    static constexpr const char* SealKey = "Seal";
    // How long update() waits for another process's change before giving up.
    static constexpr int LockTimeoutMs = 30000;

    // $XDG_DATA_HOME/merlo-registry/registry.ini; ~/.local/share when XDG_DATA_HOME is unset,
    // empty or relative (relative values are invalid by the XDG rules).
    static QString defaultPath();

    explicit Registry(QString path = defaultPath());
    const QString& path() const { return m_path; }

    // Every entry but the seal. A missing or empty file is an empty registry. On failure *entries is
    // left empty and errorString() says why.
    HRESULT read(Entries* entries);

    // Writes `set` and then removes exactly the entries named in `remove`, as one step: all of it
    // or nothing. Removing an entry leaves the entries below it alone, and removing an absent one is
    // no error. A damaged or unreadable file is left exactly as it was.
    HRESULT update(const Entries& set, const QStringList& remove = {});

    // Why the last call failed, one sentence naming the file; empty after a success.
    const QString& errorString() const { return m_error; }

private:
    HRESULT fail(HRESULT hr, const QString& why);
    HRESULT replaceFile(const Entries& entries);

    QString m_path;
    QString m_error;
};
