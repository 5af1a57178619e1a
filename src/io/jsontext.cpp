#include "jsontext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

char hexDigit(uint value)
{
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

// A character below 0x80: as it is, or escaped when a JSON string can't
// hold it as it is.
char* writeAscii(char* p, ushort c)
{
    if (c >= 0x20 && c != '"' && c != '\\') {
        *p++ = char(c);
        return p;
    }
    *p++ = '\\';
    switch (c) {
    case '"':
        *p++ = '"';
        break;
    case '\\':
        *p++ = '\\';
        break;
    case '\b':
        *p++ = 'b';
        break;
    case '\f':
        *p++ = 'f';
        break;
    case '\n':
        *p++ = 'n';
        break;
    case '\r':
        *p++ = 'r';
        break;
    case '\t':
        *p++ = 't';
        break;
    default:
        *p++ = 'u';
        *p++ = '0';
        *p++ = '0';
        *p++ = hexDigit(c >> 4);
        *p++ = hexDigit(c & 0xf);
        break;
    }
    return p;
}

char* writeEscapedUnit(char* p, ushort unit)
{
    *p++ = '\\';
    *p++ = 'u';
    *p++ = hexDigit((unit >> 12) & 0xf);
    *p++ = hexDigit((unit >> 8) & 0xf);
    *p++ = hexDigit((unit >> 4) & 0xf);
    *p++ = hexDigit(unit & 0xf);
    return p;
}

char* writeUtf8(char* p, uint codePoint)
{
    if (codePoint < 0x800) {
        *p++ = char(0xc0 | (codePoint >> 6));
    } else if (codePoint < 0x10000) {
        *p++ = char(0xe0 | (codePoint >> 12));
        *p++ = char(0x80 | ((codePoint >> 6) & 0x3f));
    } else {
        *p++ = char(0xf0 | (codePoint >> 18));
        *p++ = char(0x80 | ((codePoint >> 12) & 0x3f));
        *p++ = char(0x80 | ((codePoint >> 6) & 0x3f));
    }
    *p++ = char(0x80 | (codePoint & 0x3f));
    return p;
}

} // namespace

char* JsonText::grow(QByteArray& out, int count)
{
    const int start = out.size();
    out.resize(start + count);
    return out.data() + start;
}

void JsonText::finish(QByteArray& out, const char* end)
{
    out.resize(int(end - out.constData()));
}

void JsonText::appendString(QByteArray& out, const QString& text)
{
    const int length = text.size();
    // At worst six bytes a unit (\u00xx), and the quotes.
    char* p = grow(out, 6 * length + 2);
    *p++ = '"';
    const ushort* unit = text.utf16();
    const ushort* const end = unit + length;
    while (unit != end) {
        const ushort c = *unit++;
        if (c < 0x80) {
            p = writeAscii(p, c);
        } else if (QChar::isHighSurrogate(c) && unit != end && QChar::isLowSurrogate(*unit)) {
            p = writeUtf8(p, QChar::surrogateToUcs4(c, *unit++));
        } else if (QChar::isSurrogate(c)) {
            p = writeEscapedUnit(p, c);
        } else {
            p = writeUtf8(p, c);
        }
    }
    *p++ = '"';
    finish(out, p);
}

void JsonText::appendString(QByteArray& out, QLatin1String text)
{
    char* p = grow(out, 6 * text.size() + 2);
    *p++ = '"';
    for (const char byte : text) {
        const auto c = static_cast<uchar>(byte);
        p = c < 0x80 ? writeAscii(p, c) : writeUtf8(p, c);
    }
    *p++ = '"';
    finish(out, p);
}

void JsonText::appendInteger(QByteArray& out, int value)
{
    char buffer[12];
    char* p = buffer + sizeof buffer;
    // Through unsigned arithmetic, so that the smallest int has a magnitude.
    uint magnitude = value < 0 ? 0u - uint(value) : uint(value);
    do {
        *--p = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--p = '-';
    out.append(p, int(buffer + sizeof buffer - p));
}

QString JsonText::ofValue(const QJsonValue& value)
{
    // The toolkit writes documents only: the value alone inside an array.
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}
