#pragma once

#include <QByteArray>
#include <QString>
#include <QVarLengthArray>

// Writes a JSON document as QJsonDocument::toJson(Compact) writes it, value
// by value, without building the document first. The caller gives the keys
// of each object in the order the toolkit keeps them (by their bytes, as
// QJsonObject sorts its keys); the tests hold the result to the toolkit's.
class CompactJsonWriter
{
public:
    explicit CompactJsonWriter(int expectedSize = 0);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(QLatin1String name);

    void value(int number);
    void value(bool flag);
    void value(const QString& text);
    // A literal would otherwise become a bool.
    void value(const char*) = delete;

    QByteArray take();

private:
    // A comma before every element but the first of its container.
    void separate();
    void open(char bracket);
    void close(char bracket);

    QByteArray m_out;
    // One entry per open container: whether it holds an element yet.
    QVarLengthArray<bool, 8> m_hasElement;
    bool m_afterKey = false;
};
