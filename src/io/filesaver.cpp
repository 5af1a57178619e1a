#include "filesaver.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

bool fail(QString* errorString, const QString& reason)
{
    if (errorString)
        *errorString = reason;
    return false;
}

} // namespace

bool FileSaver::save(const QString& path, const QByteArray& data, QString* errorString)
{
    const QFileInfo existing(path);
    if (existing.exists() && !(existing.permissions() & QFileDevice::WriteOwner))
        return fail(errorString, QStringLiteral("%1 is read-only").arg(path));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(errorString, file.errorString());
    if (file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(errorString, reason);
    }
    if (!file.commit())
        return fail(errorString, file.errorString());
    return true;
}
