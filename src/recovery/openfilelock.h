#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Tells the other editors running for this user that a file is open here,
// so that a second one warns before it opens the same file. The lock lives
// in the program's data folder, named after the file's canonical path, so a
// file on a read-only share is locked like any other.
class OpenFileLock
{
public:
    OpenFileLock();
    ~OpenFileLock();
    OpenFileLock(const OpenFileLock&) = delete;
    OpenFileLock& operator=(const OpenFileLock&) = delete;

    // Whether another running editor, or another window, holds the lock of
    // path. Unknown (no lock folder can be made) counts as free.
    static bool isHeldElsewhere(const QString& path);
    // Takes the lock of path in place of the one held before; false when
    // another editor holds it, and then none is held.
    bool lock(const QString& path);
    void unlock();
    bool holds(const QString& path) const;

private:
    static QString keyOf(const QString& path);
    // Null when there is no data folder to keep it in.
    static std::unique_ptr<QLockFile> lockFor(const QString& key);

    std::unique_ptr<QLockFile> m_lock;
    QString m_key;
};
