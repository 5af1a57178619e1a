#include "compactjsonwriter.h"

#include "jsontext.h"

CompactJsonWriter::CompactJsonWriter(int expectedSize)
{
    m_out.reserve(expectedSize);
}

void CompactJsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasElement.isEmpty())
        return;
    if (m_hasElement.last())
        m_out.append(',');
    m_hasElement.last() = true;
}

void CompactJsonWriter::open(char bracket)
{
    separate();
    m_out.append(bracket);
    m_hasElement.append(false);
}

void CompactJsonWriter::close(char bracket)
{
    m_hasElement.removeLast();
    m_out.append(bracket);
}

void CompactJsonWriter::beginObject()
{
    open('{');
}

void CompactJsonWriter::endObject()
{
    close('}');
}

void CompactJsonWriter::beginArray()
{
    open('[');
}

void CompactJsonWriter::endArray()
{
    close(']');
}

void CompactJsonWriter::key(QLatin1String name)
{
    separate();
    JsonText::appendString(m_out, name);
    m_out.append(':');
    m_afterKey = true;
}

void CompactJsonWriter::value(int number)
{
    separate();
    JsonText::appendInteger(m_out, number);
}

void CompactJsonWriter::value(bool flag)
{
    separate();
    m_out.append(flag ? "true" : "false");
}

void CompactJsonWriter::value(const QString& text)
{
    separate();
    JsonText::appendString(m_out, text);
}

QByteArray CompactJsonWriter::take()
{
    QByteArray out;
    out.swap(m_out);
    return out;
}
