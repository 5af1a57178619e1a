#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class Group;

// Reads an .mcx document into a group: structure check, version, header and
// one macro per element. It never writes: the rewrite that follows a load in
// the editor is the caller's business, and commands that only read (convert)
// leave their input as it was. A document as this program writes it is read
// in one pass over its bytes (McxFastReader); any other through the
// toolkit's JSON document, with the same result.
class McxReader
{
public:
    enum class Result { Ok, CannotOpen, InvalidStructure };

    // Stores the path in the group once the file is open.
    Result readFile(const QString& path, Group& group);
    // On InvalidStructure the group is unchanged; errorKey() names the key.
    Result read(const QByteArray& data, Group& group);

    QString errorKey() const { return m_errorKey; }
    QString errorString() const { return m_errorString; }
    // The document as read, for the rewrite; built on demand after a read
    // in one pass.
    QJsonObject root() const;
    // The bytes it was read from.
    QByteArray data() const { return m_data; }
    // After a read in one pass: the indented text of the document, which
    // the rewrite writes unless it drops a timer; empty otherwise.
    QByteArray reindented() const { return m_reindented; }
    // After a read in one pass: whether a violation has a timer of 1, which
    // the rewrite may drop.
    bool hasTimerOfOne() const { return m_hasTimerOfOne; }

    // The header version as a number: a text such as "2.1.0.0" loses its
    // dots (2100).
    static int versionOf(const QJsonValue& value);

private:
    bool readPlain(const QByteArray& data, Group& group);

    QByteArray m_data;
    mutable QJsonObject m_root;
    mutable bool m_hasRoot = false;
    QByteArray m_reindented;
    bool m_hasTimerOfOne = false;
    QString m_errorKey;
    QString m_errorString;
};
