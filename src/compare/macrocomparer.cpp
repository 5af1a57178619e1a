#include "macrocomparer.h"

#include "macromeaning.h"
#include "model/macro.h"

#include <algorithm>
#include <cstring>

namespace {

using Field = FieldChange::Field;

FieldChange change(Field field, const QVariant& before, const QVariant& after, int id = 0)
{
    FieldChange change;
    change.field = field;
    change.id = id;
    change.before = before;
    change.after = after;
    return change;
}

template <typename T>
void compareValue(Field field, const T& before, const T& after, QList<FieldChange>* changes)
{
    if (!(before == after))
        changes->append(change(field, QVariant::fromValue(before), QVariant::fromValue(after)));
}

// A row as the user reads it: the blanks at its end are not seen.
QString rowText(const QByteArray& screen, int row)
{
    const char* start = screen.constData() + row * Macro::ScreenColumns;
    int length = Macro::ScreenColumns;
    while (length > 0 && start[length - 1] == ' ')
        --length;
    return QString::fromLatin1(start, length);
}

FieldChange::ViolationSetting settingOf(const MacroMeaning::Violation& violation)
{
    FieldChange::ViolationSetting setting;
    setting.reactions = violation.reactions;
    setting.time = violation.time;
    setting.radius = violation.radius;
    return setting;
}

} // namespace

QList<FieldChange> MacroComparer::changes(const MacroMeaning& before, const MacroMeaning& after,
                                          bool layout)
{
    QList<FieldChange> changes;
    compareIdentity(before, after, &changes);
    compareBits(Field::Validation, before.validations, after.validations, 0, &changes);
    compareSets(Field::Automation, before.automation, after.automation, &changes);
    compareSets(Field::SecureSensor, before.secureSensors, after.secureSensors, &changes);
    compareSets(Field::SecureActuator, before.secureActuators, after.secureActuators, &changes);
    compareViolations(before, after, &changes);
    compareNext(before, after, &changes);
    if (layout)
        compareLayout(before, after, &changes);
    compareRows(Field::Form, before.form, after.form, &changes);
    compareRows(Field::Confirmation, before.confirmation, after.confirmation, &changes);
    return changes;
}

void MacroComparer::compareIdentity(const MacroMeaning& before, const MacroMeaning& after,
                                    QList<FieldChange>* changes)
{
    compareValue(Field::Name, before.name, after.name, changes);
    compareValue(Field::Sigla, before.sigla, after.sigla, changes);
    compareValue(Field::Shortcut, before.shortcut, after.shortcut, changes);
    compareValue(Field::Type, before.type, after.type, changes);
    compareValue(Field::Kind, before.isSecurity, after.isSecurity, changes);
}

void MacroComparer::compareBits(Field field, quint32 before, quint32 after, int violation,
                                QList<FieldChange>* changes)
{
    const quint32 differing = before ^ after;
    for (int bit = 0; bit < 32; ++bit) {
        const quint32 mask = quint32(1) << bit;
        if (!(differing & mask))
            continue;
        FieldChange entry = change(field, bool(before & mask), bool(after & mask), bit);
        entry.violation = violation;
        changes->append(entry);
    }
}

void MacroComparer::compareSets(Field field, const QVector<int>& before, const QVector<int>& after,
                                QList<FieldChange>* changes)
{
    // Both sorted: one walk in identifier order.
    auto b = before.cbegin();
    auto a = after.cbegin();
    while (b != before.cend() || a != after.cend()) {
        if (a == after.cend() || (b != before.cend() && *b < *a)) {
            changes->append(change(field, true, false, *b++));
        } else if (b == before.cend() || *a < *b) {
            changes->append(change(field, false, true, *a++));
        } else {
            ++a;
            ++b;
        }
    }
}

void MacroComparer::compareViolations(const MacroMeaning& before, const MacroMeaning& after,
                                      QList<FieldChange>* changes)
{
    QList<int> ids = before.violations.keys() + after.violations.keys();
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    for (const int id : qAsConst(ids)) {
        const auto old = before.violations.constFind(id);
        const auto now = after.violations.constFind(id);
        const bool had = old != before.violations.constEnd();
        const bool has = now != after.violations.constEnd();
        if (had != has) {
            FieldChange entry = change(Field::Violation, had, has, id);
            entry.setting = settingOf(had ? *old : *now);
            changes->append(entry);
            continue;
        }
        compareBits(Field::Reaction, old->reactions, now->reactions, id, changes);
        if (old->time != now->time) {
            FieldChange entry = change(Field::Time, int(old->time), int(now->time));
            entry.violation = id;
            changes->append(entry);
        }
        if (old->radius != now->radius) {
            FieldChange entry = change(Field::Radius, old->radius, now->radius);
            entry.violation = id;
            changes->append(entry);
        }
    }
}

void MacroComparer::compareNext(const MacroMeaning& before, const MacroMeaning& after,
                                QList<FieldChange>* changes)
{
    QList<int> keys = before.next.keys() + after.next.keys();
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const int slot : qAsConst(keys)) {
        const QString old = before.next.value(slot);
        const QString now = after.next.value(slot);
        if (old != now)
            changes->append(change(Field::Next, old, now, slot));
    }
}

void MacroComparer::compareLayout(const MacroMeaning& before, const MacroMeaning& after,
                                  QList<FieldChange>* changes)
{
    compareValue(Field::Position, before.position, after.position, changes);
    compareValue(Field::Size, before.size, after.size, changes);
}

void MacroComparer::compareRows(Field field, const QByteArray& before, const QByteArray& after,
                                QList<FieldChange>* changes)
{
    // Most screens are equal: one comparison of the whole screen first.
    if (before == after)
        return;
    for (int row = 0; row < Macro::ScreenRows; ++row) {
        const int offset = row * Macro::ScreenColumns;
        if (std::memcmp(before.constData() + offset, after.constData() + offset,
                        Macro::ScreenColumns) == 0)
            continue;
        changes->append(change(field, rowText(before, row), rowText(after, row), row + 1));
    }
}
