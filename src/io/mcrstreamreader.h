#pragma once

#include <QString>

#include <memory>
#include <vector>

class Group;
class Macro;
class QByteArray;
class StreamCursor;

// Reads the data-stream layout that McrWriter writes under an .mcr name.
// The layout holds neither the reactions, nor the radius, nor the flow
// slots: violations come back without reactions, the radius is the default
// one and flow entries take the slots in list order.
class McrStreamReader
{
public:
    // The version is the first 4 bytes, as in the legacy layout.
    static constexpr int HeaderOffset = 4;

    // Whether data holds this layout rather than the legacy one: three
    // header strings that fit in the bytes there, and a macro count. The
    // legacy header has a date of digits where the first string's length
    // would be, which no file is long enough to hold.
    static bool recognises(const QByteArray& data);

    // Fills the group's header and macros, or leaves the group as it was
    // and says why in errorString().
    bool read(const QByteArray& data, Group& group);
    QString errorString() const { return m_errorString; }

private:
    static std::unique_ptr<Macro> readMacro(StreamCursor& cursor);

    QString m_errorString;
};
