#pragma once

#include <QIntValidator>

// An integer validator for non-negative numbers typed as plain ASCII digits.
// QIntValidator alone lets through a sign and the locale's group separator
// ("+5", "1,0"), which would reach the macro as a text that differs from the
// number, and it takes a number above the top with as many digits as the top
// (250 for 249) as intermediate input, which a line edit lets the user type.
class DigitIntValidator : public QIntValidator
{
    Q_OBJECT

public:
    DigitIntValidator(int bottom, int top, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};
