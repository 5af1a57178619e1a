#include "filesaver.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

// The toolkit's own texts for the commonest system errors, which it leaves
// untranslated and whose translations are not compiled in: the program's
// translations carry them. Other errors come from the C library, in the
// language of the locale.
[[maybe_unused]] const char* const SystemErrorTexts[] = {
    QT_TRANSLATE_NOOP("QIODevice", "Permission denied"),
    QT_TRANSLATE_NOOP("QIODevice", "Too many open files"),
    QT_TRANSLATE_NOOP("QIODevice", "No such file or directory"),
    QT_TRANSLATE_NOOP("QIODevice", "No space left on device"),
};

bool fail(QString* errorString, const QString& reason)
{
    if (errorString)
        *errorString = reason;
    return false;
}

// A write cut short by a full disk or a file size limit returns the bytes
// that fit and sets no error; only the next call fails with the system's
// reason.
bool writeAll(QSaveFile& file, const QByteArray& data)
{
    const char* bytes = data.constData();
    qint64 left = data.size();
    while (left > 0) {
        const qint64 written = file.write(bytes, left);
        if (written <= 0)
            return false;
        bytes += written;
        left -= written;
    }
    return true;
}

} // namespace

bool FileSaver::save(const QString& path, const QByteArray& data, QString* errorString)
{
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) {
        return fail(errorString, tr("Não é um arquivo comum (é uma pasta, um dispositivo ou um "
                                    "pipe) e não será substituído."));
    }
    if (existing.exists() && !(existing.permissions() & QFileDevice::WriteOwner))
        return fail(errorString, tr("O arquivo está protegido contra gravação."));

    QSaveFile file(path);
    // Unbuffered: bytes left in the device's buffer are written at commit,
    // which does not notice when that write fails, and would put a cut file
    // in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(errorString, reasonOf(file));
    if (!writeAll(file, data)) {
        const QString reason = reasonOf(file);
        file.cancelWriting();
        return fail(errorString, reason);
    }
    if (!file.commit())
        return fail(errorString, reasonOf(file));
    return true;
}

bool FileSaver::isSameFile(const QString& first, const QString& second)
{
    const QFileInfo a(first);
    const QFileInfo b(second);
    return a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath();
}

QString FileSaver::reasonOf(const QFileDevice& file)
{
    return QCoreApplication::translate("QIODevice", file.errorString().toUtf8().constData());
}
