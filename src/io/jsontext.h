#pragma once

#include <QByteArray>
#include <QString>

class QJsonValue;

// JSON text exactly as QJsonDocument::toJson writes it, produced without
// building a document: the files the program writes stay byte for byte what
// the toolkit would have written, only faster.
class JsonText
{
public:
    // The string with its quotes: UTF-8; the quote, the backslash and the
    // control characters escaped (\b \t \n \f \r, otherwise \u00xx); a lone
    // surrogate as \udxxx. Lower-case hexadecimal throughout.
    static void appendString(QByteArray& out, const QString& text);
    static void appendString(QByteArray& out, QLatin1String text);
    // Integers the toolkit writes exactly: those of int.
    static void appendInteger(QByteArray& out, int value);

    // Room for count more bytes at the end of out, whose size grows by
    // count; the caller writes them and then trims with finish().
    static char* grow(QByteArray& out, int count);
    static void finish(QByteArray& out, const char* end);

    // A value as compact JSON text ("12" with its quotes, 1.5, null), to
    // show the user what a file held.
    static QString ofValue(const QJsonValue& value);
};
