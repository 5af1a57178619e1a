#include "terminalfield.h"

#include "model/screentext.h"

#include <QDate>
#include <QRegularExpression>

namespace {

// The value of a Data/Hora field: the date, one blank, the time.
constexpr int DateLength = 8;
constexpr int TimeLength = 5;
constexpr int DateTimeLength = DateLength + 1 + TimeLength;

bool isAsciiDigit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

bool isAsciiLetterOrDigit(QChar character)
{
    return character.unicode() < 128 && character.isLetterOrNumber();
}

bool isDate(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d\\d)/(\\d\\d)/(\\d\\d)$"));
    const QRegularExpressionMatch match = shape.match(text);
    return match.hasMatch() && QDate(2000 + match.captured(3).toInt(), match.captured(2).toInt(),
                                     match.captured(1).toInt())
                                   .isValid();
}

bool isTime(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d\\d):(\\d\\d)$"));
    const QRegularExpressionMatch match = shape.match(text);
    return match.hasMatch() && match.captured(1).toInt() < 24 && match.captured(2).toInt() < 60;
}

// text cut or filled with blanks to length.
QString fitted(const QString& text, int length)
{
    return text.left(length).leftJustified(length, QLatin1Char(' '));
}

} // namespace

TerminalField::TerminalField(Kind kind, int row, int column, int width, bool obligatory)
    : m_kind(kind), m_row(row), m_column(column), m_width(width), m_obligatory(obligatory)
{
}

std::optional<TerminalField::Kind> TerminalField::kindOfLetter(char letter)
{
    switch (QChar::toLower(uint(uchar(letter)))) {
    case 'l':
        return Kind::Login;
    case 's':
        return Kind::Senha;
    case 'e':
        return Kind::Checagem;
    case 'r':
        return Kind::Selecao;
    case 'c':
        return Kind::Texto;
    case 'n':
        return Kind::Numerico;
    case 'f':
        return Kind::Decimal;
    default:
        return std::nullopt;
    }
}

std::optional<TerminalField> TerminalField::fromMarker(const QByteArray& marker, int row,
                                                       int column)
{
    if (marker.size() < 3 || !marker.startsWith('[') || !marker.endsWith(']'))
        return std::nullopt;
    const QByteArray inside = marker.mid(1, marker.size() - 2);
    const bool obligatory = QChar::isUpper(uint(uchar(inside.at(0))));
    const QByteArray lower = inside.toLower();
    std::optional<Kind> kind;
    if (lower == "dd/mm/aa")
        kind = Kind::Data;
    else if (lower == "hh:mm")
        kind = Kind::Hora;
    else if (inside.count(inside.at(0)) == inside.size())
        kind = kindOfLetter(inside.at(0));
    if (!kind)
        return std::nullopt;
    return TerminalField(*kind, row, column, marker.size(), obligatory);
}

std::optional<TerminalField> TerminalField::joined(const TerminalField& date,
                                                   const TerminalField& time)
{
    if (date.kind() != Kind::Data || time.kind() != Kind::Hora || date.row() != time.row() ||
        date.column() + date.width() != time.column())
        return std::nullopt;
    return TerminalField(Kind::DataHora, date.row(), date.column(), date.width() + time.width(),
                         date.isObligatory());
}

int TerminalField::capacity() const
{
    if (m_kind == Kind::DataHora)
        return DateTimeLength;
    return isMark() ? 0 : m_width - 2;
}

bool TerminalField::isEmpty(const QString& value) const
{
    return isMark() ? value != markValue(true) : value.isEmpty();
}

bool TerminalField::takesCharacter(QChar character) const
{
    switch (m_kind) {
    case Kind::Login:
    case Kind::Senha:
        return isAsciiLetterOrDigit(character);
    case Kind::Data:
        return isAsciiDigit(character) || character == QLatin1Char('/');
    case Kind::Hora:
        return isAsciiDigit(character) || character == QLatin1Char(':');
    case Kind::DataHora:
        return isAsciiDigit(character) || character == QLatin1Char('/') ||
               character == QLatin1Char(':') || character == QLatin1Char(' ');
    case Kind::Texto:
        return character.unicode() >= 32 && character.unicode() < 128 &&
               ScreenText::isAllowed(char(character.unicode()));
    case Kind::Numerico:
        return isAsciiDigit(character);
    case Kind::Decimal:
        return isAsciiDigit(character) || character == QLatin1Char(',') ||
               character == QLatin1Char('.');
    case Kind::Checagem:
    case Kind::Selecao:
        break;
    }
    return false;
}

QString TerminalField::typingRefusal(const QString& text) const
{
    if (isMark())
        return tr("é um campo de marcar, sem texto");
    if (text.size() > capacity())
        return tr("\"%1\" é mais longo que o campo (%2 caracteres)").arg(text).arg(capacity());
    for (const QChar character : text) {
        if (!takesCharacter(character))
            return tr("o caractere \"%1\" não é aceito aqui").arg(character);
    }
    if (m_kind == Kind::Decimal && text.count(QRegularExpression(QStringLiteral("[,.]"))) > 1)
        return tr("\"%1\" não é um número decimal").arg(text);
    return QString();
}

bool TerminalField::isDecimal(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d+([,.]\\d+)?$"));
    return shape.match(text).hasMatch();
}

bool TerminalField::isComplete(const QString& text) const
{
    switch (m_kind) {
    case Kind::Data:
        return isDate(text);
    case Kind::Hora:
        return isTime(text);
    case Kind::DataHora:
        return text.size() == DateTimeLength && text.at(DateLength) == QLatin1Char(' ') &&
               isDate(text.left(DateLength)) && isTime(text.mid(DateLength + 1));
    case Kind::Decimal:
        return isDecimal(text);
    default:
        return true;
    }
}

QString TerminalField::refusal(const QString& text) const
{
    if (text.isEmpty())
        return QString();
    const QString typing = typingRefusal(text);
    if (!typing.isEmpty() || isComplete(text))
        return typing;
    switch (m_kind) {
    case Kind::Data:
        return tr("\"%1\" não é uma data válida (dd/mm/aa)").arg(text);
    case Kind::Hora:
        return tr("\"%1\" não é uma hora válida (hh:mm)").arg(text);
    case Kind::DataHora:
        return tr("\"%1\" não é uma data e hora válidas (dd/mm/aa hh:mm)").arg(text);
    default:
        return tr("\"%1\" não é um número decimal").arg(text);
    }
}

QByteArray TerminalField::cells(const QString& value) const
{
    const int inside = m_width - 2;
    QString shown;
    if (isMark()) {
        shown = fitted(value == markValue(true) ? QStringLiteral("X") : QString(), inside);
    } else if (m_kind == Kind::DataHora) {
        const int blank = value.indexOf(QLatin1Char(' '));
        const QString date = blank < 0 ? value.left(DateLength) : value.left(blank);
        const QString time = blank < 0 ? value.mid(DateLength) : value.mid(blank + 1);
        shown = fitted(date, DateLength) + QStringLiteral("][") + fitted(time, TimeLength);
    } else if (m_kind == Kind::Senha) {
        shown = fitted(QString(value.size(), QLatin1Char(MaskCharacter)), inside);
    } else {
        shown = fitted(value, inside);
    }
    return '[' + shown.toLatin1() + ']';
}

QString TerminalField::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Login:
        return tr("Login");
    case Kind::Senha:
        return tr("Senha");
    case Kind::Data:
        return tr("Data");
    case Kind::Hora:
        return tr("Hora");
    case Kind::DataHora:
        return tr("Data/Hora");
    case Kind::Checagem:
        return tr("Checagem");
    case Kind::Selecao:
        return tr("Seleção");
    case Kind::Texto:
        return tr("Texto");
    case Kind::Numerico:
        return tr("Numérico");
    case Kind::Decimal:
        return tr("Decimal");
    }
    return QString();
}
