#include "characterscan.h"

#include "macro.h"
#include "screentext.h"

#include <QRegularExpression>

QStringList CharacterScan::refusedCharacters(const Macro& macro)
{
    QByteArray bytes = macro.form() + macro.confirmationText();
    bytes.replace('\0', ' ');
    const QString text = QString::fromUtf8(bytes);

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
