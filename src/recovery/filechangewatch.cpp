#include "filechangewatch.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {

// A program that writes a file in pieces sends a notification for each.
constexpr int SettleMs = 300;
// How often a file that is gone is looked for again.
constexpr int MissingRetryMs = 2000;

} // namespace

FileChangeWatch::FileChangeWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FileChangeWatch::notified);
    connect(&m_settle, &QTimer::timeout, this, &FileChangeWatch::check);
}

void FileChangeWatch::watch(const QString& path)
{
    watch(path, stateOf(path));
}

void FileChangeWatch::watch(const QString& path, const QByteArray& knownState)
{
    stop();
    m_path = path;
    m_known = knownState;
    if (!startWatching())
        m_settle.start(MissingRetryMs);
}

void FileChangeWatch::stop()
{
    m_settle.stop();
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    m_path.clear();
    m_known.clear();
}

bool FileChangeWatch::isChangedElsewhere() const
{
    if (m_path.isEmpty() || !QFile::exists(m_path))
        return false;
    return stateOf(m_path) != m_known;
}

QByteArray FileChangeWatch::stateOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QByteArray();
    return QByteArray::number(info.size()) + ' ' +
           QByteArray::number(info.lastModified().toMSecsSinceEpoch());
}

bool FileChangeWatch::startWatching()
{
    if (m_watcher.files().contains(m_path))
        return true;
    return QFile::exists(m_path) && m_watcher.addPath(m_path);
}

void FileChangeWatch::notified()
{
    m_settle.start(SettleMs);
}

void FileChangeWatch::check()
{
    if (m_path.isEmpty())
        return;
    // A file replaced by a rename (as every safe save does) is no longer the
    // one watched.
    if (!startWatching()) {
        m_settle.start(MissingRetryMs);
        return;
    }
    emit checked(isChangedElsewhere());
}
