#include "screentext.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <array>

namespace {

// One entry per byte value, derived from the expression once, so that a
// whole screen is checked without building a string per byte.
std::array<bool, 256> buildAllowedTable()
{
    std::array<bool, 256> allowed{};
    const QRegularExpression& refused = ScreenText::refusedCharacter();
    for (int byte = 1; byte < 128; ++byte)
        allowed[byte] = !refused.match(QString(QChar(byte))).hasMatch();
    return allowed;
}

char replacementFor(char byte)
{
    switch (byte) {
    case '&':
        return 'E';
    case '+':
        return ' ';
    case '@':
        return '$';
    case '\\':
        return '/';
    case '|':
        return '!';
    default:
        return '-';
    }
}

} // namespace

const QRegularExpression& ScreenText::refusedCharacter()
{
    static const QRegularExpression expression(
        QStringLiteral("[^0-9a-zA-Z,.;:?!\\[\\]\\s_\\-/$%]"));
    return expression;
}

namespace {

const std::array<bool, 256>& allowedTable()
{
    static const std::array<bool, 256> allowed = buildAllowedTable();
    return allowed;
}

} // namespace

bool ScreenText::isAllowed(char byte)
{
    return allowedTable()[static_cast<unsigned char>(byte)];
}

bool ScreenText::showsAll(const char* text, int length)
{
    const std::array<bool, 256>& allowed = allowedTable();
    for (int i = 0; i < length; ++i) {
        if (text[i] != '\0' && !allowed[static_cast<unsigned char>(text[i])])
            return false;
    }
    return true;
}

int ScreenText::boundedLength(const char* text, int length)
{
    return text ? std::clamp(length, 0, Size) : 0;
}

int ScreenText::checkFields(const char* text, int length)
{
    const int limit = boundedLength(text, length);
    if (const int row = unbalancedRow(text, limit))
        return row;
    return brokenMarkerRow(text, limit);
}

// Every row must open as many markers as it closes.
int ScreenText::unbalancedRow(const char* text, int length)
{
    for (int row = 0; row < Rows; ++row) {
        const int begin = row * Columns;
        const int end = std::min(begin + Columns, length);
        int depth = 0;
        for (int i = begin; i < end; ++i) {
            if (text[i] == '[')
                ++depth;
            else if (text[i] == ']')
                --depth;
        }
        if (depth != 0)
            return row + 1;
    }
    return 0;
}

// From each "[" the marker must close on its own row, without a blank or a
// nested "[" on the way.
int ScreenText::brokenMarkerRow(const char* text, int length)
{
    for (int i = 0; i < length; ++i) {
        if (text[i] != '[')
            continue;
        const int row = i / Columns;
        const int rowEnd = std::min((row + 1) * Columns, length);
        int j = i + 1;
        while (j < rowEnd && text[j] != ']' && text[j] != ' ' && text[j] != '[')
            ++j;
        if (j == rowEnd || text[j] != ']')
            return row + 1;
        i = j;
    }
    return 0;
}

void ScreenText::correctCharacters(char* text, int length)
{
    const int limit = boundedLength(text, length);
    for (int i = 0; i < limit; ++i) {
        if (text[i] != '\0' && !isAllowed(text[i]))
            text[i] = replacementFor(text[i]);
    }
}
