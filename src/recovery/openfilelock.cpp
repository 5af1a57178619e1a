#include "openfilelock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

OpenFileLock::OpenFileLock() = default;

OpenFileLock::~OpenFileLock() = default;

bool OpenFileLock::isHeldElsewhere(const QString& path)
{
    std::unique_ptr<QLockFile> probe = lockFor(keyOf(path));
    if (!probe || probe->tryLock(0))
        return false;
    return probe->error() == QLockFile::LockFailedError;
}

bool OpenFileLock::lock(const QString& path)
{
    const QString key = keyOf(path);
    if (m_lock && key == m_key)
        return true;
    unlock();
    std::unique_ptr<QLockFile> lock = lockFor(key);
    if (!lock || !lock->tryLock(0))
        return false;
    m_lock = std::move(lock);
    m_key = key;
    return true;
}

void OpenFileLock::unlock()
{
    m_lock.reset();
    m_key.clear();
}

bool OpenFileLock::holds(const QString& path) const
{
    return m_lock && keyOf(path) == m_key;
}

QString OpenFileLock::keyOf(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

std::unique_ptr<QLockFile> OpenFileLock::lockFor(const QString& key)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString folder = data + QStringLiteral("/locks");
    if (data.isEmpty() || !QDir().mkpath(folder))
        return nullptr;
    const QByteArray name = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1);
    auto lock = std::make_unique<QLockFile>(
        folder + QLatin1Char('/') + QString::fromLatin1(name.toHex()) + QStringLiteral(".lock"));
    // A file may stay open for days: only a dead owner makes a lock stale.
    lock->setStaleLockTime(0);
    return lock;
}
