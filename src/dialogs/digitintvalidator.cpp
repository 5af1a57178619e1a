#include "digitintvalidator.h"

DigitIntValidator::DigitIntValidator(int bottom, int top, QObject* parent)
    : QIntValidator(bottom, top, parent)
{
}

QValidator::State DigitIntValidator::validate(QString& input, int& pos) const
{
    for (const QChar c : qAsConst(input)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    // More digits only make a number above the top larger.
    bool isNumber = false;
    if (!input.isEmpty() && (input.toLongLong(&isNumber) > top() || !isNumber))
        return Invalid;
    return QIntValidator::validate(input, pos);
}
