#pragma once

#include "model/readnote.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

class Group;
class Macro;
struct QJsonParseError;

// Reads an .mcx document into a group: structure check, version, header and
// one macro per element. It never writes: the rewrite that follows a load in
// the editor is the caller's business, and commands that only read (convert)
// leave their input as it was. A document as this program writes it is read
// in one pass over its bytes (McxFastReader); any other through the
// toolkit's JSON document, with the same result.
class McxReader
{
    Q_DECLARE_TR_FUNCTIONS(McxReader)

public:
    enum class Result { Ok, CannotOpen, InvalidStructure };

    // Whether reindented() is wanted: only the rewrite after a load in the
    // editor writes it. On by default.
    void setReindenting(bool on) { m_reindenting = on; }

    // Stores the path in the group once the file is open.
    Result readFile(const QString& path, Group& group);
    // On InvalidStructure the group is unchanged; errorKey() names the key
    // and, when the text is no JSON at all, errorString() says where and why
    // the parser stopped. A header version that is no number is told and
    // the file is read in the current format.
    Result read(const QByteArray& data, Group& group);

    QString errorKey() const { return m_errorKey; }
    // The reason of a file that could not be read, or of a syntax error.
    QString errorString() const { return m_errorString; }
    // The document as read, for the rewrite; built on demand after a read
    // in one pass.
    QJsonObject root() const;
    // The bytes it was read from.
    QByteArray data() const { return m_data; }
    // After a read in one pass, when reindenting: the indented text of the
    // document, which the rewrite writes unless it drops a timer; empty
    // otherwise.
    QByteArray reindented() const { return m_reindented; }
    // After a read in one pass: whether a violation has a timer of 1, which
    // the rewrite may drop.
    bool hasTimerOfOne() const { return m_hasTimerOfOne; }

    // The header version as a number: a text such as "2.1.0.0" loses its
    // dots (2100). False for a value that gives no int: another type, a
    // fraction, a number out of range or a text of other characters.
    static bool versionOf(const QJsonValue& value, int* version);
    // The note of a value of this macro that did not fit where it is kept.
    static ReadNote valueNote(const Macro& macro, const QString& text);

private:
    bool readPlain(const QByteArray& data, Group& group);
    static QString syntaxError(const QByteArray& data, const QJsonParseError& error);
    static void showUnreadableVersion(const QJsonValue& value);

    QByteArray m_data;
    mutable QJsonObject m_root;
    mutable bool m_hasRoot = false;
    QByteArray m_reindented;
    bool m_reindenting = true;
    bool m_hasTimerOfOne = false;
    QString m_errorKey;
    QString m_errorString;
};
