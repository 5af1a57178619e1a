#pragma once

#include <QByteArray>
#include <QString>

// Turns the text of a JSON document into the indented text that
// QJsonDocument::toJson(Indented) gives for that document, in one pass over
// the bytes, when every token is already written the way the toolkit writes
// it (the program's own compact and indented files are): strings with the
// toolkit's escapes, integers below 10^15, the keys of each object in the
// toolkit's order and each once. White space between tokens does not
// matter. For anything else it declines, and the caller serialises the
// parsed document instead; so the output is the toolkit's whenever there is
// one.
class JsonReindenter
{
public:
    // What a reader sees of the document during the pass, token by token;
    // a member that returns false ends the pass, and reindent() fails.
    class Handler
    {
    public:
        virtual ~Handler() = default;
        virtual bool beginObject() = 0;
        // A key: plain ASCII, no escapes.
        virtual bool key(const char* name, int length) = 0;
        virtual bool endObject() = 0;
        virtual bool beginArray() = 0;
        virtual bool endArray() = 0;
        // The bytes between the quotes, escapes as written; decodeString()
        // gives the text.
        virtual bool string(const char* text, int length) = 0;
        virtual bool integer(qint64 value) = 0;
        virtual bool boolean(bool value) = 0;
        virtual bool null() = 0;
    };

    // False, with out unspecified, when the text is not in that form or its
    // root is not an object. Without out, the pass only reads, for the
    // handler.
    static bool reindent(const QByteArray& json, QByteArray* out, Handler* handler = nullptr);
    // The text of a string the pass accepted, as the toolkit's parser reads
    // it.
    static QString decodeString(const char* text, int length);

private:
    JsonReindenter(const QByteArray& json, QByteArray* out, Handler* handler);

    bool document();
    bool value(int level);
    bool object(int level);
    bool array(int level);
    // Copies a string token as it is, after checking that the toolkit would
    // write it the same; key strings must be plain ASCII.
    bool string(bool isKey);
    bool escape();
    bool utf8Sequence();
    bool number();
    bool literal(const char* word, int length);

    void skipSpace();
    void put(char c);
    void put(const char* bytes, int length);
    void indent(int level);
    // Room for count more bytes of output.
    void reserve(int count)
    {
        if (m_writeEnd - m_write < count)
            grow(count);
    }
    void grow(int count);

    const char* m_p;
    const char* const m_end;
    QByteArray* m_out;
    Handler* m_handler;
    char* m_write = nullptr;
    char* m_writeEnd = nullptr;
};
