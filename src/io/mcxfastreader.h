#pragma once

#include "jsonreindenter.h"
#include "macrofields.h"
#include "model/readnote.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>
#include <vector>

class Macro;

// Reads an .mcx document the way this program writes it (the save and the
// rewrite after a load) in one pass over its bytes, without building a JSON
// document: the header, the macros, and the indented text of the rewrite.
// It takes only the plain case: version 2100; exactly the keys the writer
// writes, each with the type it writes; every token as the toolkit writes it
// (see JsonReindenter). For anything else it declines and the toolkit's
// document is read instead. What it accepts, it reads as that reader does:
// the values go through the same MacroFields and MacroJson::apply.
class McxFastReader : private JsonReindenter::Handler
{
public:
    McxFastReader();
    ~McxFastReader() override;
    McxFastReader(const McxFastReader&) = delete;
    McxFastReader& operator=(const McxFastReader&) = delete;

    // False when the document is not in that form; then nothing is kept.
    // Without indenting, indented() stays empty: a reader that never
    // rewrites the file is spared the writing of its text.
    bool read(const QByteArray& data, bool indenting = true);

    QString name() const { return m_name; }
    QString description() const { return m_description; }
    QString creationDate() const { return m_creationDate; }
    // The macros, in file order; the caller takes them over.
    std::vector<std::unique_ptr<Macro>> takeMacros();
    // The values that did not fit where they are kept, macro by macro.
    QList<ReadNote> notes() const { return m_notes; }
    // The text the rewrite after a load writes when it drops nothing; empty
    // when the read was told not to indent.
    QByteArray indented() const { return m_indented; }
    // A violation with a timer of 1, which the rewrite may drop.
    bool hasTimerOfOne() const { return m_hasTimerOfOne; }

private:
    enum class Context {
        Root,
        Header,
        Macros,
        Macro,
        Dimensions,
        Position,
        Violations,
        Violation,
        FlowEntries,
        FlowEntry,
        Integers,
        // A value the reader does not take: only its nesting is followed.
        Skip,
    };
    struct ExpectedKey
    {
        QLatin1String name;
        bool required;
    };
    struct KeyList
    {
        const ExpectedKey* keys;
        int count;
    };
    struct Frame
    {
        Context context;
        // Objects: the index, in the context's key list, of the key of the
        // value that comes next (-1 before the first key).
        int key = -1;
        QVector<int>* integers = nullptr;
    };

    static KeyList keysOf(Context context);

    bool beginObject() override;
    bool key(const char* name, int length) override;
    bool endObject() override;
    bool beginArray() override;
    bool endArray() override;
    bool string(const char* text, int length) override;
    bool integer(qint64 value) override;
    bool boolean(bool value) override;
    bool null() override;

    // The value of the current key opens a container of this context.
    bool open(Context context, QVector<int>* integers = nullptr);
    bool isSkipping() const
    {
        return !m_stack.isEmpty() && m_stack.last().context == Context::Skip;
    }
    void clear();

    QVector<Frame> m_stack;
    QString m_name;
    QString m_description;
    QString m_creationDate;
    bool m_hasVersion = false;
    bool m_hasTimerOfOne = false;
    MacroFields m_fields;
    MacroFields::Violation m_violation;
    MacroFields::Next m_next;
    std::vector<std::unique_ptr<Macro>> m_macros;
    QList<ReadNote> m_notes;
    QByteArray m_indented;
};
