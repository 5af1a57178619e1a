#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QFileDevice;

// Writes a whole file or nothing: the bytes go to a temporary file beside the
// target, which replaces the old file only once everything is on disk. A
// failed write (full disk, no permission) leaves the old file as it was.
class FileSaver
{
    Q_DECLARE_TR_FUNCTIONS(FileSaver)

public:
    // A file whose owner may not write it is never replaced, not even by a
    // user (root) whom the system would let through: the user marked it
    // read-only. Nor is anything that is not a regular file (a FIFO, a
    // device, a folder): the temporary file would take its place. errorString,
    // when given, receives the reason of a failure in the user's language
    // where the toolkit or the program has one.
    static bool save(const QString& path, const QByteArray& data, QString* errorString = nullptr);

    // Whether both paths name one existing file, through links as well: a
    // command must not write its output over its input.
    static bool isSameFile(const QString& first, const QString& second);

    // Why an operation on the file failed, as the toolkit says it, in the
    // user's language where the program carries its translation.
    static QString reasonOf(const QFileDevice& file);
};
