#pragma once

#include <QString>

class QRegularExpression;

// The characters the terminal accepts in a macro's name and acronym:
// underscore, hyphen, parentheses, slash, full stop, ASCII digits and letters
// and white space. The macro dialogs check and correct typed text with it,
// and a headless check of a group file uses the same rule.
class IdentityText
{
public:
    // Matches one refused character. Compiled once for the process.
    static const QRegularExpression& refusedCharacter();

    // Whether every character of the text is accepted.
    static bool isAccepted(const QString& text);

    // The text as the terminal takes it: in upper case and, when it holds
    // refused characters, without them; an accented letter keeps its base
    // letter ("ação" gives "ACAO").
    static QString corrected(const QString& text);
};
