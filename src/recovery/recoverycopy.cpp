#include "recoverycopy.h"

#include "io/filesaver.h"
#include "io/mcxreader.h"
#include "io/mcxwriter.h"
#include "model/group.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {

const QString GroupSuffix = QStringLiteral(".mcx");
const QString InfoSuffix = QStringLiteral(".json");
const QString LockSuffix = QStringLiteral(".lock");

const QLatin1String NameKey("name");
const QLatin1String FileKey("file");
const QLatin1String StateKey("fileState");

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

RecoveryCopy::RecoveryCopy(const QString& id, std::unique_ptr<QLockFile> lock)
    : m_id(id), m_lock(std::move(lock))
{
}

RecoveryCopy::~RecoveryCopy() = default;

QString RecoveryCopy::folder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

std::unique_ptr<QLockFile> RecoveryCopy::tryLock(const QString& id)
{
    auto lock = std::make_unique<QLockFile>(folder() + QLatin1Char('/') + id + LockSuffix);
    // A copy may stay open for hours: only a dead owner makes a lock stale.
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

std::unique_ptr<RecoveryCopy> RecoveryCopy::create()
{
    if (folder().isEmpty() || !QDir().mkpath(folder()))
        return nullptr;
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    std::unique_ptr<QLockFile> lock = tryLock(id);
    if (!lock)
        return nullptr;
    return std::unique_ptr<RecoveryCopy>(new RecoveryCopy(id, std::move(lock)));
}

std::vector<std::unique_ptr<RecoveryCopy>> RecoveryCopy::takeOrphans()
{
    std::vector<std::unique_ptr<RecoveryCopy>> orphans;
    if (folder().isEmpty())
        return orphans;
    const QDir dir(folder());
    QSet<QString> ids;
    const QStringList files =
        dir.entryList({QLatin1Char('*') + GroupSuffix, QLatin1Char('*') + InfoSuffix,
                       QLatin1Char('*') + LockSuffix},
                      QDir::Files);
    for (const QString& file : files)
        ids.insert(QFileInfo(file).completeBaseName());

    for (const QString& id : qAsConst(ids)) {
        std::unique_ptr<QLockFile> lock = tryLock(id);
        if (!lock)
            continue;
        std::unique_ptr<RecoveryCopy> copy(new RecoveryCopy(id, std::move(lock)));
        if (!QFile::exists(copy->groupPath())) {
            copy->remove();
            continue;
        }
        // Without its description the group itself is still worth offering.
        copy->readInfo();
        orphans.push_back(std::move(copy));
    }
    std::sort(orphans.begin(), orphans.end(),
              [](const auto& a, const auto& b) { return a->writtenAt() > b->writtenAt(); });
    return orphans;
}

bool RecoveryCopy::write(const Group& group, const QString& filePath, const QByteArray& fileState)
{
    const QJsonObject info{{NameKey, group.name()},
                           {FileKey, filePath},
                           {StateKey, QString::fromLatin1(fileState)}};
    // The description first: a copy is whole once its group is there.
    QString error;
    if (!FileSaver::save(pathOf(InfoSuffix), QJsonDocument(info).toJson(), &error) ||
        !FileSaver::save(groupPath(), McxWriter::snapshot(group), &error)) {
        qWarning().noquote() << "recovery copy" << m_id << error;
        return false;
    }
    m_groupName = group.name();
    m_filePath = filePath;
    m_fileState = fileState;
    return true;
}

bool RecoveryCopy::readInfo()
{
    const QJsonObject info = QJsonDocument::fromJson(readFile(pathOf(InfoSuffix))).object();
    if (info.isEmpty())
        return false;
    m_groupName = info.value(NameKey).toString();
    m_filePath = info.value(FileKey).toString();
    m_fileState = info.value(StateKey).toString().toLatin1();
    return true;
}

bool RecoveryCopy::read(Group& group) const
{
    McxReader reader;
    if (reader.readFile(groupPath(), group) != McxReader::Result::Ok)
        return false;
    group.setFilePath(m_filePath);
    return true;
}

void RecoveryCopy::remove()
{
    // With whatever a write cut short left behind; the lock goes last.
    const QDir dir(folder());
    const QStringList files = dir.entryList({m_id + QStringLiteral(".*")}, QDir::Files);
    for (const QString& file : files) {
        if (file != m_id + LockSuffix)
            QFile::remove(dir.filePath(file));
    }
    m_lock.reset();
}

QString RecoveryCopy::groupPath() const
{
    return pathOf(GroupSuffix);
}

QDateTime RecoveryCopy::writtenAt() const
{
    return QFileInfo(groupPath()).lastModified();
}

QString RecoveryCopy::pathOf(const QString& suffix) const
{
    return folder() + QLatin1Char('/') + m_id + suffix;
}
