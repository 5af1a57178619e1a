#include "jsonreindenter.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// Deeper documents go the toolkit's way, which keeps the recursion here
// shallow.
constexpr int MaximumLevel = 512;
// Integers of at most this many digits are written back exactly by the
// toolkit, which keeps numbers as doubles.
constexpr int MaximumDigits = 15;
constexpr int IndentWidth = 4;

// The bytes a string holds as they are, needing no check: printable ASCII
// but the quote and the backslash.
struct PlainBytes
{
    bool table[256] = {};
    PlainBytes()
    {
        for (int c = 0x20; c < 0x80; ++c)
            table[c] = c != '"' && c != '\\';
    }
};

const PlainBytes plainBytes;

// The first byte from p on that a string does not hold as it is, or end.
const char* skipPlain(const char* p, const char* end)
{
#ifdef __SSE2__
    // Sixteen bytes at a time: as signed bytes, those below 0x20 and those
    // from 0x80 on are both below 0x20.
    const __m128i control = _mm_set1_epi8(0x20);
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    while (end - p >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i special = _mm_or_si128(
            _mm_cmplt_epi8(bytes, control),
            _mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, backslash)));
        const int mask = _mm_movemask_epi8(special);
        if (mask != 0)
            return p + __builtin_ctz(unsigned(mask));
        p += 16;
    }
#endif
    while (p != end && plainBytes.table[static_cast<uchar>(*p)])
        ++p;
    return p;
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLowerHex(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f');
}

int hexValue(char c)
{
    return isDigit(c) ? c - '0' : c - 'a' + 10;
}

} // namespace

bool JsonReindenter::reindent(const QByteArray& json, QByteArray* out, Handler* handler)
{
    if (out)
        out->clear();
    JsonReindenter reindenter(json, out, handler);
    const bool ok = reindenter.document();
    if (ok && out)
        out->resize(int(reindenter.m_write - out->constData()));
    return ok;
}

JsonReindenter::JsonReindenter(const QByteArray& json, QByteArray* out, Handler* handler)
    : m_p(json.constData()), m_end(json.constData() + json.size()), m_out(out), m_handler(handler)
{
    // A compact file nearly doubles; an indented one stays as it is.
    if (m_out)
        reserve(json.size() * 2 + 64);
}

void JsonReindenter::grow(int count)
{
    const int used = int(m_write ? m_write - m_out->constData() : 0);
    const int size = qMax(used + count, m_out->size() * 2);
    m_out->resize(size);
    m_write = m_out->data() + used;
    m_writeEnd = m_out->data() + size;
}

void JsonReindenter::put(char c)
{
    if (!m_out)
        return;
    if (m_write == m_writeEnd)
        reserve(1);
    *m_write++ = c;
}

void JsonReindenter::put(const char* bytes, int length)
{
    if (!m_out)
        return;
    reserve(length);
    std::memcpy(m_write, bytes, size_t(length));
    m_write += length;
}

void JsonReindenter::indent(int level)
{
    if (!m_out)
        return;
    const int count = IndentWidth * level;
    reserve(count);
    std::memset(m_write, ' ', size_t(count));
    m_write += count;
}

void JsonReindenter::skipSpace()
{
    while (m_p != m_end && isSpace(*m_p))
        ++m_p;
}

bool JsonReindenter::document()
{
    skipSpace();
    if (m_p == m_end || *m_p != '{' || !object(0))
        return false;
    skipSpace();
    if (m_p != m_end)
        return false;
    put('\n');
    return true;
}

bool JsonReindenter::value(int level)
{
    if (m_p == m_end)
        return false;
    switch (*m_p) {
    case '{':
        return object(level);
    case '[':
        return array(level);
    case '"':
        return string(false);
    case 't':
        return literal("true", 4);
    case 'f':
        return literal("false", 5);
    case 'n':
        return literal("null", 4);
    default:
        return number();
    }
}

bool JsonReindenter::object(int level)
{
    if (level >= MaximumLevel)
        return false;
    ++m_p; // '{'
    if (m_handler && !m_handler->beginObject())
        return false;
    put("{\n", 2);
    skipSpace();
    const char* previousKey = nullptr;
    int previousLength = 0;
    if (m_p != m_end && *m_p == '}') {
        ++m_p;
        indent(level);
        put('}');
        return !m_handler || m_handler->endObject();
    }
    while (true) {
        if (m_p == m_end || *m_p != '"')
            return false;
        indent(level + 1);
        const char* key = m_p + 1;
        if (!string(true))
            return false;
        const int length = int(m_p - 1 - key);
        // Strictly after the previous key: the toolkit sorts the keys and
        // keeps the last of equal ones, which this text would not show.
        if (previousKey) {
            const int common = qMin(previousLength, length);
            const int order = std::memcmp(previousKey, key, size_t(common));
            if (order > 0 || (order == 0 && previousLength >= length))
                return false;
        }
        previousKey = key;
        previousLength = length;
        if (m_handler && !m_handler->key(key, length))
            return false;
        skipSpace();
        if (m_p == m_end || *m_p != ':')
            return false;
        ++m_p;
        put(": ", 2);
        skipSpace();
        if (!value(level + 1))
            return false;
        skipSpace();
        if (m_p == m_end)
            return false;
        if (*m_p == ',') {
            ++m_p;
            put(",\n", 2);
            skipSpace();
            continue;
        }
        if (*m_p != '}')
            return false;
        ++m_p;
        put('\n');
        indent(level);
        put('}');
        return !m_handler || m_handler->endObject();
    }
}

bool JsonReindenter::array(int level)
{
    if (level >= MaximumLevel)
        return false;
    ++m_p; // '['
    if (m_handler && !m_handler->beginArray())
        return false;
    put("[\n", 2);
    skipSpace();
    if (m_p != m_end && *m_p == ']') {
        ++m_p;
        indent(level);
        put(']');
        return !m_handler || m_handler->endArray();
    }
    while (true) {
        indent(level + 1);
        if (!value(level + 1))
            return false;
        skipSpace();
        if (m_p == m_end)
            return false;
        if (*m_p == ',') {
            ++m_p;
            put(",\n", 2);
            skipSpace();
            continue;
        }
        if (*m_p != ']')
            return false;
        ++m_p;
        put('\n');
        indent(level);
        put(']');
        return !m_handler || m_handler->endArray();
    }
}

bool JsonReindenter::string(bool isKey)
{
    const char* const start = m_p;
    ++m_p; // '"'
    while (true) {
        m_p = skipPlain(m_p, m_end);
        if (m_p == m_end)
            return false;
        const auto c = static_cast<uchar>(*m_p);
        if (c == '"')
            break;
        if (c < 0x20)
            return false;
        if (c == '\\') {
            if (isKey || !escape())
                return false;
        } else if (c >= 0x80) {
            if (isKey || !utf8Sequence())
                return false;
        }
    }
    ++m_p; // '"'
    put(start, int(m_p - start));
    return isKey || !m_handler || m_handler->string(start + 1, int(m_p - start) - 2);
}

bool JsonReindenter::escape()
{
    // The toolkit writes the quote, the backslash, \b \f \n \r \t, and any
    // other control character as \u00xx in lower case; nothing else.
    if (m_end - m_p < 2)
        return false;
    switch (m_p[1]) {
    case '"':
    case '\\':
    case 'b':
    case 'f':
    case 'n':
    case 'r':
    case 't':
        m_p += 2;
        return true;
    case 'u':
        break;
    default:
        return false;
    }
    if (m_end - m_p < 6 || m_p[2] != '0' || m_p[3] != '0' || !isLowerHex(m_p[4]) ||
        !isLowerHex(m_p[5]))
        return false;
    const int code = hexValue(m_p[4]) * 16 + hexValue(m_p[5]);
    if (code >= 0x20 || code == '\b' || code == '\f' || code == '\n' || code == '\r' ||
        code == '\t')
        return false;
    m_p += 6;
    return true;
}

bool JsonReindenter::utf8Sequence()
{
    // Well-formed UTF-8 only (no overlong forms, no surrogates, nothing past
    // U+10FFFF), which the toolkit writes back unchanged.
    const auto lead = static_cast<uchar>(*m_p);
    int length = 0;
    uchar low = 0x80;
    uchar high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0)
            low = 0xa0;
        else if (lead == 0xed)
            high = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0)
            low = 0x90;
        else if (lead == 0xf4)
            high = 0x8f;
    } else {
        return false;
    }
    if (m_end - m_p < length)
        return false;
    const auto second = static_cast<uchar>(m_p[1]);
    if (second < low || second > high)
        return false;
    for (int i = 2; i < length; ++i) {
        const auto next = static_cast<uchar>(m_p[i]);
        if (next < 0x80 || next > 0xbf)
            return false;
    }
    m_p += length;
    return true;
}

bool JsonReindenter::number()
{
    // -?(0|[1-9][0-9]*), short enough to be exact, and not -0: the only
    // numbers the toolkit writes back as they are read.
    const char* const start = m_p;
    if (*m_p == '-')
        ++m_p;
    const char* const digits = m_p;
    while (m_p != m_end && isDigit(*m_p))
        ++m_p;
    const int count = int(m_p - digits);
    if (count == 0 || count > MaximumDigits || (count > 1 && *digits == '0'))
        return false;
    if (*digits == '0' && digits != start)
        return false;
    if (m_p != m_end && (*m_p == '.' || *m_p == 'e' || *m_p == 'E'))
        return false;
    put(start, int(m_p - start));
    if (!m_handler)
        return true;
    qint64 value = 0;
    for (const char* digit = digits; digit != m_p; ++digit)
        value = value * 10 + (*digit - '0');
    return m_handler->integer(digits == start ? value : -value);
}

bool JsonReindenter::literal(const char* word, int length)
{
    if (m_end - m_p < length || std::memcmp(m_p, word, size_t(length)) != 0)
        return false;
    m_p += length;
    put(word, length);
    if (!m_handler)
        return true;
    if (*word == 'n')
        return m_handler->null();
    return m_handler->boolean(*word == 't');
}

QString JsonReindenter::decodeString(const char* text, int length)
{
    // Escapes are rare: the text between them goes through as UTF-8.
    QString result;
    const char* const end = text + length;
    const char* run = text;
    const char* p = text;
    while (p != end) {
        if (*p != '\\') {
            ++p;
            continue;
        }
        result += QString::fromUtf8(run, int(p - run));
        const char kind = p[1];
        switch (kind) {
        case 'b':
            result += QLatin1Char('\b');
            break;
        case 'f':
            result += QLatin1Char('\f');
            break;
        case 'n':
            result += QLatin1Char('\n');
            break;
        case 'r':
            result += QLatin1Char('\r');
            break;
        case 't':
            result += QLatin1Char('\t');
            break;
        case 'u':
            result += QChar(ushort(hexValue(p[4]) * 16 + hexValue(p[5])));
            p += 4;
            break;
        default: // the quote and the backslash
            result += QLatin1Char(kind);
            break;
        }
        p += 2;
        run = p;
    }
    if (run == text)
        return QString::fromUtf8(text, length);
    result += QString::fromUtf8(run, int(end - run));
    return result;
}
