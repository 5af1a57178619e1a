#pragma once

#include "model/readnote.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>

class Group;
class Macro;

// Reads an .mcr file into a group. The file is either the legacy layout (a
// 369-byte header, then 2036-byte records, little-endian, Latin-1 text) or
// the data-stream layout that this program writes under an .mcr name; the
// bytes after the version tell which.
class McrReader
{
    Q_DECLARE_TR_FUNCTIONS(McrReader)

public:
    enum class Layout { Legacy, DataStream };
    // Lenient reads a legacy file shorter than its header as an empty group,
    // as the editor always has; Strict refuses it, for the commands that
    // must not turn a damaged file into a valid empty one.
    enum class Mode { Lenient, Strict };

    static constexpr int HeaderSize = 369;
    static constexpr int RecordSize = 2036;

    // Stores the path in the group before anything else.
    bool readFile(const QString& path, Group& group, Mode mode = Mode::Lenient);
    // A legacy file is read whatever its damage: what is missing reads as
    // empty, bytes after the last whole record are ignored and lengths are
    // cut to their field; each of these is added to the group's read notes.
    // A damaged data-stream file fails with the offset in errorString(), the
    // group keeping no macro of it. After a successful read the group is not
    // modified.
    bool read(const QByteArray& data, Group& group, Mode mode = Mode::Lenient);

    Layout layout() const { return m_layout; }
    QString errorString() const { return m_errorString; }

private:
    static void readLegacy(const QByteArray& data, Group& group);
    static void readLegacyHeader(const QByteArray& data, Group& group);
    static std::unique_ptr<Macro> readLegacyRecord(const char* record, QList<ReadNote>* notes);
    static ReadNote damage(const QString& message);

    Layout m_layout = Layout::Legacy;
    QString m_errorString;
};
