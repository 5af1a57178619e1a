#include "identitytext.h"

#include <QRegularExpression>

const QRegularExpression& IdentityText::refusedCharacter()
{
    static const QRegularExpression pattern(QStringLiteral("[^_\\-()/.0-9a-zA-Z\\s]"));
    return pattern;
}

bool IdentityText::isAccepted(const QString& text)
{
    return !text.contains(refusedCharacter());
}

QString IdentityText::corrected(const QString& text)
{
    if (isAccepted(text))
        return text.toUpper();
    // Decomposition splits an accented letter into its base letter and a
    // combining mark; the mark is a refused character and goes with the rest.
    QString decomposed = text.normalized(QString::NormalizationForm_D);
    decomposed.remove(refusedCharacter());
    return decomposed.toUpper();
}
