#include "datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString DataFiles::locate(const QString& fileName)
{
    QStringList candidates{QDir::current().filePath(fileName)};
    if (QCoreApplication::instance()) {
        const QDir executableDir(QCoreApplication::applicationDirPath());
        candidates.append(executableDir.filePath(QStringLiteral("data/") + fileName));
        candidates.append(executableDir.filePath(QStringLiteral("../share/zor/") + fileName));
    }
    for (const QString& candidate : qAsConst(candidates)) {
        const QFileInfo info(candidate);
        if (info.exists() && info.isFile())
            return info.filePath();
    }
    return QString();
}
