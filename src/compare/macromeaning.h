#pragma once

#include <QByteArray>
#include <QMap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVector>

class Macro;
struct CompareOptions;

// A macro as the terminal sees it, with what the file formats and the
// editor add or change on the way taken out, so that two versions of a macro
// compare equal when they mean the same thing:
// - the number and the shortcut are the integers the .mcx writer stores
//   ("007" is 7, an empty shortcut is 0);
// - identifier 0 is an empty slot of a legacy record, not an automation,
//   sensor, actuator or violation, and a set does not depend on its order;
// - a timer of 1 second on a violation that the reference data does not give
//   an analysis time is the placeholder of the legacy reader, which the next
//   .mcx load drops: no time at all;
// - the radius belongs to the anchor violation and means nothing without it;
// - a next macro counts when it has an acronym and a number, as the writer
//   keeps it, under its function key;
// - the screens are 800 blanks where the form grid leaves NUL bytes, where
//   the writer drops trailing white space and where the reader blanks "<" of
//   a form.
struct MacroMeaning
{
    struct Violation
    {
        quint8 reactions = 0;
        quint16 time = 0;
        // -1 for any violation other than the anchor violation.
        int radius = -1;
    };

    static MacroMeaning of(const Macro& macro, const CompareOptions& options);

    // The normalised number: the key that pairs the versions of a macro.
    int number = 0;
    QString num;
    QString name;
    QString sigla;
    int shortcut = 0;
    int type = 0;
    bool isSecurity = true;
    quint16 validations = 0;
    // Sorted, without repeats.
    QVector<int> automation;
    QVector<int> secureSensors;
    QVector<int> secureActuators;
    // By identifier; the first entry of a repeated identifier counts.
    QMap<int, Violation> violations;
    // Acronym by function-key slot; the first entry of a slot counts.
    QMap<int, QString> next;
    QPoint position;
    QSize size;
    QByteArray form;
    QByteArray confirmation;
};
