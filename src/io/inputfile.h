#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads a group file whole, refusing what no group file is before it reads a
// byte: a FIFO would block the reader until a writer comes, a device such as
// /dev/zero never ends, and a file far larger than the largest group (999
// macros take a few megabytes) would only fill the memory.
class InputFile
{
    Q_DECLARE_TR_FUNCTIONS(InputFile)

public:
    static constexpr qint64 MaxSize = 64 * 1024 * 1024;

    // False with the reason, in the user's language, when the file can't be
    // read or is refused.
    static bool read(const QString& path, QByteArray* data, QString* errorString);
};
