#include "groupcomparer.h"

#include "macrocomparer.h"
#include "macromeaning.h"
#include "model/group.h"
#include "model/macro.h"

#include <QHash>

#include <algorithm>
#include <functional>

namespace {

constexpr int Unpaired = -1;

MacroDifference differenceOf(MacroDifference::Kind kind, const MacroMeaning& macro)
{
    MacroDifference difference;
    difference.kind = kind;
    difference.num = macro.num;
    difference.sigla = macro.sigla;
    difference.name = macro.name;
    return difference;
}

// For each macro after, the index of its version before, or Unpaired: the
// first macro before with the same key that is not paired yet.
void pair(const QVector<MacroMeaning>& before, const QVector<MacroMeaning>& after,
          const std::function<QString(const MacroMeaning&)>& keyOf, QVector<int>* pairOfAfter,
          QVector<bool>* pairedBefore)
{
    QHash<QString, QVector<int>> waiting;
    for (int i = before.size() - 1; i >= 0; --i) {
        if (!pairedBefore->at(i))
            waiting[keyOf(before.at(i))].append(i);
    }
    for (int i = 0; i < after.size(); ++i) {
        if (pairOfAfter->at(i) != Unpaired)
            continue;
        const auto found = waiting.find(keyOf(after.at(i)));
        if (found == waiting.end() || found->isEmpty())
            continue;
        const int index = found->takeLast();
        (*pairOfAfter)[i] = index;
        (*pairedBefore)[index] = true;
    }
}

} // namespace

GroupDifference GroupComparer::compare(const Group& before, const Group& after,
                                       const CompareOptions& options)
{
    GroupDifference difference;
    difference.header = compareHeader(before, after);
    difference.macros =
        compareMacros(meaningsOf(before, options), meaningsOf(after, options), options.layout);
    return difference;
}

QList<FieldChange> GroupComparer::compareHeader(const Group& before, const Group& after)
{
    QList<FieldChange> changes;
    const auto compare = [&](FieldChange::Field field, const QString& old, const QString& now) {
        if (old == now)
            return;
        FieldChange change;
        change.field = field;
        change.before = old;
        change.after = now;
        changes.append(change);
    };
    compare(FieldChange::Field::GroupName, before.name(), after.name());
    compare(FieldChange::Field::GroupDescription, before.description(), after.description());
    return changes;
}

QVector<MacroMeaning> GroupComparer::meaningsOf(const Group& group, const CompareOptions& options)
{
    const QList<Macro*> macros = group.macros();
    QVector<MacroMeaning> meanings;
    meanings.reserve(macros.size());
    for (const Macro* macro : macros) {
        if (macro)
            meanings.append(MacroMeaning::of(*macro, options));
    }
    return meanings;
}

QList<MacroDifference> GroupComparer::compareMacros(const QVector<MacroMeaning>& before,
                                                    const QVector<MacroMeaning>& after, bool layout)
{
    QVector<int> pairOfAfter(after.size(), Unpaired);
    QVector<bool> pairedBefore(before.size(), false);
    pair(
        before, after, [](const MacroMeaning& m) { return QString::number(m.number); },
        &pairOfAfter, &pairedBefore);
    const QVector<int> pairedByNumber = pairOfAfter;
    pair(
        before, after, [](const MacroMeaning& m) { return m.sigla; }, &pairOfAfter, &pairedBefore);

    // Each difference with the number it is listed under.
    QVector<QPair<int, MacroDifference>> listed;
    for (int i = 0; i < after.size(); ++i) {
        const MacroMeaning& now = after.at(i);
        const int index = pairOfAfter.at(i);
        if (index == Unpaired) {
            listed.append({now.number, differenceOf(MacroDifference::Kind::Added, now)});
            continue;
        }
        const MacroMeaning& old = before.at(index);
        const bool renumbered = pairedByNumber.at(i) == Unpaired;
        MacroDifference difference = differenceOf(
            renumbered ? MacroDifference::Kind::Renumbered : MacroDifference::Kind::Changed, now);
        difference.changes = MacroComparer::changes(old, now, layout);
        if (renumbered)
            difference.oldNum = old.num;
        if (renumbered || !difference.changes.isEmpty())
            listed.append({now.number, difference});
    }
    for (int i = 0; i < before.size(); ++i) {
        if (!pairedBefore.at(i))
            listed.append(
                {before.at(i).number, differenceOf(MacroDifference::Kind::Removed, before.at(i))});
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<MacroDifference> macros;
    macros.reserve(listed.size());
    for (const auto& entry : qAsConst(listed))
        macros.append(entry.second);
    return macros;
}
