#pragma once

#include <QByteArray>
#include <QString>

class Group;
class Macro;
class QDataStream;

// Writes a group saved under a name ending in "mcr": not the legacy record
// layout but a Qt data stream (stream version 11) that begins, like the
// legacy header, with the version in little-endian order. McrStreamReader
// reads it back.
class McrWriter
{
public:
    static constexpr int StreamVersion = 11;

    // False when the file can't be written; the old file is then left as
    // it was. The group's version is written as it is.
    static bool write(const Group& group, const QString& path, QString* errorString = nullptr);
    // The bytes write() stores. Each macro first takes its box's position
    // and size from the diagram.
    static QByteArray toBytes(const Group& group);
    // One macro record of the stream.
    static void writeMacro(QDataStream& stream, const Macro& macro);
};
