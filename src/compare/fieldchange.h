#pragma once

#include <QVariant>

// One difference in a field of a group or of one of its macros, between the
// version before and the version after.
//
// Texts, numbers and geometry carry their two values in before and after.
// Entries of a set (a validation, an automation, a secure-mode sensor or
// actuator, a watched violation, a reaction of one) carry whether the entry
// is in each version, as two bools: before false means it was added.
struct FieldChange
{
    enum class Field {
        GroupName,
        GroupDescription,
        Name,
        Sigla,
        Shortcut,
        Type,
        // Security (true) or information (false) macro.
        Kind,
        Validation,
        Automation,
        SecureSensor,
        SecureActuator,
        Violation,
        Reaction,
        Time,
        Radius,
        Next,
        Position,
        Size,
        Form,
        Confirmation
    };

    // What an added or removed violation holds in the version that has it.
    struct ViolationSetting
    {
        quint8 reactions = 0;
        // Seconds; 0 when the violation has none.
        quint16 time = 0;
        // Metres, only for the anchor violation; -1 for any other.
        int radius = -1;
    };

    Field field = Field::Name;
    // The validation or reaction bit, the identifier of an automation,
    // sensor, actuator or violation, the function-key slot of a next macro,
    // or the 1-based row of a screen.
    int id = 0;
    // The violation that a reaction, time or radius belongs to.
    int violation = 0;
    QVariant before;
    QVariant after;
    ViolationSetting setting;

    bool isAddition() const { return !before.toBool() && after.toBool(); }
};
