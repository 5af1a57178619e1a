#include "characterscan.h"

#include "macro.h"
#include "screentext.h"

#include <QRegularExpression>

QStringList CharacterScan::refusedCharacters(const Macro& macro)
{
    // The common case, a clean macro, by a look at each byte; the expression
    // runs only where there is something to report.
    const QByteArray form = macro.form();
    const QByteArray confirmation = macro.confirmationText();
    if (ScreenText::showsAll(form.constData(), form.size()) &&
        ScreenText::showsAll(confirmation.constData(), confirmation.size()))
        return {};

    QByteArray bytes = form + confirmation;
    bytes.replace('\0', ' ');
    // One byte, one character of the terminal: the screens are Latin-1.
    const QString text = QString::fromLatin1(bytes);

    QStringList found;
    QRegularExpressionMatchIterator matches = ScreenText::refusedCharacter().globalMatch(text);
    while (matches.hasNext()) {
        const QString character = matches.next().captured(0);
        if (!found.contains(character))
            found.append(character);
    }
    return found;
}

void CharacterScan::correct(Macro& macro)
{
    QByteArray form = macro.form();
    ScreenText::correctCharacters(form.data(), form.size());
    macro.setForm(form);

    QByteArray confirmation = macro.confirmationText();
    ScreenText::correctCharacters(confirmation.data(), confirmation.size());
    macro.setConfirmationText(confirmation);
}
