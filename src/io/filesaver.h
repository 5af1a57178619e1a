#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file or nothing: the bytes go to a temporary file beside the
// target, which replaces the old file only once everything is on disk. A
// failed write (full disk, no permission) leaves the old file as it was.
class FileSaver
{
public:
    // A file whose owner may not write it is never replaced, not even by a
    // user (root) whom the system would let through: the user marked it
    // read-only. errorString, when given, receives the reason of a failure.
    static bool save(const QString& path, const QByteArray& data, QString* errorString = nullptr);
};
