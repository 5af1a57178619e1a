#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class Group;
class QLockFile;

// A copy of a group with unsaved changes, kept in the program's own data
// folder so that a crash or a power cut costs at most the edits of the last
// interval. A copy is three files named by its identifier: the group as the
// .mcx writer writes it, a small description (the group's name, its file and
// how that file stood), and the lock of the process that owns the copy. A
// copy whose lock can be taken belongs to a process that is no longer
// running; the user's own files are never touched.
class RecoveryCopy
{
public:
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    // The folder that holds the copies; empty when the system has no data
    // folder for the program.
    static QString folder();
    // A new copy, owned by this process, with nothing written yet; null when
    // the folder can't be made or the lock can't be taken.
    static std::unique_ptr<RecoveryCopy> create();
    // The copies left by processes that are no longer running, newest
    // first, each owned by this process from now on. Leftovers of a copy
    // that was never completely written are removed.
    static std::vector<std::unique_ptr<RecoveryCopy>> takeOrphans();

    // Writes the group as it is, the group left untouched. filePath: the
    // group's file, empty for a group never saved; fileState: how that file
    // stood (FileChangeWatch::stateOf) when the group was last read from it
    // or written to it.
    bool write(const Group& group, const QString& filePath, const QByteArray& fileState);
    // Reads the copy into an empty group, whose file becomes filePath().
    bool read(Group& group) const;
    // Removes the copy and gives up its lock.
    void remove();

    QString id() const { return m_id; }
    QString groupPath() const;
    QString groupName() const { return m_groupName; }
    QString filePath() const { return m_filePath; }
    QByteArray fileState() const { return m_fileState; }
    QDateTime writtenAt() const;

private:
    RecoveryCopy(const QString& id, std::unique_ptr<QLockFile> lock);
    static std::unique_ptr<QLockFile> tryLock(const QString& id);
    bool readInfo();
    QString pathOf(const QString& suffix) const;

    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
    QString m_groupName;
    QString m_filePath;
    QByteArray m_fileState;
};
