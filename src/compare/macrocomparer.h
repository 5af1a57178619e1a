#pragma once

#include "fieldchange.h"

#include <QList>

struct MacroMeaning;

// The fields in which two versions of one macro differ, in the order of the
// macro dialog: name, acronym, shortcut, type, kind, validations,
// automations, secure-mode sensors and actuators, violations (each with its
// reactions, time and radius), next macros by function key, the box (only
// when the layout counts) and the rows of the form and of the confirmation
// text.
class MacroComparer
{
public:
    static QList<FieldChange> changes(const MacroMeaning& before, const MacroMeaning& after,
                                      bool layout);

private:
    static void compareIdentity(const MacroMeaning& before, const MacroMeaning& after,
                                QList<FieldChange>* changes);
    static void compareBits(FieldChange::Field field, quint32 before, quint32 after, int violation,
                            QList<FieldChange>* changes);
    static void compareSets(FieldChange::Field field, const QVector<int>& before,
                            const QVector<int>& after, QList<FieldChange>* changes);
    static void compareViolations(const MacroMeaning& before, const MacroMeaning& after,
                                  QList<FieldChange>* changes);
    static void compareNext(const MacroMeaning& before, const MacroMeaning& after,
                            QList<FieldChange>* changes);
    static void compareLayout(const MacroMeaning& before, const MacroMeaning& after,
                              QList<FieldChange>* changes);
    static void compareRows(FieldChange::Field field, const QByteArray& before,
                            const QByteArray& after, QList<FieldChange>* changes);
};
