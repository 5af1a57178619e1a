#include "benchgroups.h"

#include "model/group.h"
#include "model/groupcheck.h"
#include "model/macro.h"

#include <QByteArray>
#include <QPoint>
#include <QStringList>

#include <cmath>

namespace BenchGroups {

namespace {

// The anchor violation of the reference data; every fiftieth macro watches
// it, and no two of those follow one another.
constexpr quint8 AnchorViolation = 23;
constexpr int AnchorEvery = 50;
// Violation identifiers of the reference data other than the anchor and
// the reserved entry.
const QList<quint8> ViolationIds{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                 13, 14, 15, 16, 17, 18, 19, 20, 22, 24, 25, 26};

int gridColumns(int macroCount)
{
    return qMax(1, int(std::ceil(std::sqrt(double(macroCount)))));
}

QByteArray screenFrom(const QStringList& rows)
{
    QByteArray screen;
    for (const QString& row : rows)
        screen += row.toLatin1().leftJustified(Macro::ScreenColumns, ' ', true);
    return screen.leftJustified(Macro::ScreenSize, ' ', true);
}

// Twenty rows, each with a well-formed field marker.
QByteArray formFor(int index)
{
    static const char* const markers[] = {"[nnnn]", "[cccccccc]", "[hh:mm]", "[dd/mm/aa]",
                                          "[e]",    "[ffff]",     "[LLLLL]"};
    QStringList rows;
    for (int row = 0; row < Macro::ScreenRows; ++row) {
        rows.append(QStringLiteral("CAMPO %1 MACRO %2: %3")
                        .arg(row + 1, 2, 10, QLatin1Char('0'))
                        .arg(index + 1)
                        .arg(QLatin1String(markers[(index + row) % 7])));
    }
    return screenFrom(rows);
}

QByteArray confirmationFor(int index)
{
    QStringList rows;
    for (int row = 0; row < Macro::ScreenRows; ++row) {
        rows.append(QStringLiteral("MACRO %1 LINHA %2, CONFIRMADO; OK!")
                        .arg(index + 1)
                        .arg(row + 1, 2, 10, QLatin1Char('0')));
    }
    return screenFrom(rows);
}

void setViolations(Macro& macro, int index)
{
    QList<quint8> ids;
    QList<quint8> reactions;
    QList<quint16> timers;
    for (int v = 0; v < Violations; ++v) {
        ids.append(ViolationIds.at((index + v) % ViolationIds.size()));
        reactions.append(quint8(1 + (index + v) % 255));
        // Multiples of ten seconds up to four minutes; never the timer of 1
        // that the rewrite after a load drops, so that every open reads the
        // same bytes.
        timers.append(quint16(10 * (1 + (index + v) % 24)));
    }
    if (index % AnchorEvery == 0)
        ids[0] = AnchorViolation;
    macro.setViolation(ids);
    macro.setViolationReactions(reactions);
    macro.setViolationTimers(timers);
    macro.setRaio(quint16(100 + index % 400));
}

// Ten neighbours on the grid, the nearest first (left and right, above and
// below, the diagonals, then two steps away), so that the arrows stay short as
// in a diagram laid out by hand.
void setFlow(Macro& macro, int index, int macroCount)
{
    static const QPoint steps[] = {{1, 0},  {-1, 0}, {0, 1},   {0, -1},  {1, 1},  {-1, -1},
                                   {-1, 1}, {1, -1}, {2, 0},   {0, 2},   {-2, 0}, {0, -2},
                                   {2, 1},  {1, 2},  {-2, -1}, {-1, -2}, {2, -1}, {-1, 2},
                                   {-2, 1}, {1, -2}, {2, 2},   {-2, -2}, {3, 0},  {0, 3}};
    const int columns = gridColumns(macroCount);
    const int column = index % columns;
    const int row = index / columns;
    QStringList flow;
    QList<quint16> flowNum;
    QList<quint16> flowPos;
    for (const QPoint& step : steps) {
        if (flow.size() == FlowEntries)
            break;
        const int targetColumn = column + step.x();
        const int target = (row + step.y()) * columns + targetColumn;
        if (targetColumn < 0 || targetColumn >= columns || target < 0 || target >= macroCount)
            continue;
        flowPos.append(quint16(flow.size()));
        flow.append(siglaAt(target));
        flowNum.append(quint16(target + 1));
    }
    macro.setFlow(flow);
    macro.setFlowNum(flowNum);
    macro.setFlowPos(flowPos);
}

Macro* makeMacro(int index, int macroCount)
{
    const QString number = QString::number(index + 1);
    // The terminal's shortcuts end at 249, and a macro with anchor analysis
    // has none.
    const bool hasShortcut = index + 1 <= GroupCheck::MaxShortcut && index % AnchorEvery != 0;
    auto* macro = new Macro(number, QStringLiteral("MACRO %1").arg(index + 1),
                            hasShortcut ? number : QStringLiteral("0"), siglaAt(index), index % 7,
                            index % 2 == 1);
    macro->setForm(formFor(index));
    macro->setConfirmationText(confirmationFor(index));
    macro->setValidationInt(quint16(index % 64));
    macro->setAutomation({quint8(1 + index % 5), quint8(6 + index % 4), quint8(10 + index % 3)});
    macro->setSecureSensors({quint8(1 + index % 3), quint8(4 + index % 2)});
    macro->setSecureActuators({quint8(1 + index % 4)});
    setViolations(*macro, index);
    setFlow(*macro, index, macroCount);
    const int columns = gridColumns(macroCount);
    macro->setPosition(QPoint(GridOrigin + (index % columns) * GridStep,
                              GridOrigin + (index / columns) * GridStep));
    macro->setDimensions(QRect(0, 0, BoxWidth, BoxHeight));
    return macro;
}

} // namespace

QString siglaAt(int index)
{
    QString sigla(3, QLatin1Char('A'));
    for (int i = 2; i >= 0; --i) {
        sigla[i] = QLatin1Char(char('A' + index % 26));
        index /= 26;
    }
    return sigla;
}

std::unique_ptr<Group> generate(int macroCount)
{
    auto group = std::make_unique<Group>(
        QStringLiteral("BENCH %1").arg(macroCount),
        QStringLiteral("Grupo gerado para medir o editor com %1 macros.").arg(macroCount));
    group->setCreationDate(QStringLiteral("2024/06/01 12:00:00"));
    for (int index = 0; index < macroCount; ++index)
        group->addMacro(makeMacro(index, macroCount));
    group->setModified(false);
    return group;
}

std::unique_ptr<Group> generateFlow(int macroCount, int nextCount)
{
    auto group = std::make_unique<Group>(QStringLiteral("FLUXO %1").arg(macroCount), QString());
    group->setCreationDate(QStringLiteral("2024/06/01 12:00:00"));
    for (int index = 0; index < macroCount; ++index) {
        const QString number = QString::number(index + 1);
        auto* macro = new Macro(number, QStringLiteral("MACRO %1").arg(index + 1), number,
                                siglaAt(index), index % 7, false);
        QList<int> next;
        for (int step = 1; next.size() < nextCount && index + step < macroCount; ++step) {
            const int target = qMin(macroCount - 1, index + step + (index + step) % 3);
            if (!next.contains(target))
                next.append(target);
        }
        // Every tenth macro leads back to one about a quarter of the way
        // before it, as a return to an earlier stage does.
        if (index % 10 == 9 && !next.isEmpty() && !next.contains(index / 4))
            next.last() = index / 4;
        QStringList flow;
        QList<quint16> flowNum;
        QList<quint16> flowPos;
        for (int target : qAsConst(next)) {
            flowPos.append(quint16(flow.size()));
            flow.append(siglaAt(target));
            flowNum.append(quint16(target + 1));
        }
        macro->setFlow(flow);
        macro->setFlowNum(flowNum);
        macro->setFlowPos(flowPos);
        macro->setPosition(QPoint(GridOrigin + index * GridStep, GridOrigin));
        macro->setDimensions(QRect(0, 0, BoxWidth, BoxHeight));
        group->addMacro(macro);
    }
    group->setModified(false);
    return group;
}

void revise(Group& group)
{
    const QList<Macro*> macros = group.macros();
    for (int index = 0; index < macros.size(); ++index) {
        Macro& macro = *macros.at(index);
        if (index % 20 == 0)
            macro.setName(macro.name() + QStringLiteral(" REV"));
        if (index % 25 == 0) {
            QList<quint16> timers = macro.violationTimers();
            timers[1] = quint16(timers.at(1) == 240 ? 10 : timers.at(1) + 10);
            macro.setViolationTimers(timers);
            QList<quint8> reactions = macro.violationReactions();
            reactions[2] ^= 0x10;
            macro.setViolationReactions(reactions);
        }
        if (index % 40 == 0) {
            QByteArray form = macro.form();
            form.replace(3 * Macro::ScreenColumns, 9, "REVISADO:");
            macro.setForm(form);
        }
        if (index % 100 == 0) {
            QByteArray text = macro.confirmationText();
            text.replace(0, 5, "REV. ");
            macro.setConfirmationText(text);
        }
        if (index % 50 == 25 && !macro.flow().isEmpty()) {
            // Another macro far away on the grid in the last function key.
            const int target = (index + macros.size() / 2) % macros.size();
            QStringList flow = macro.flow();
            QList<quint16> flowNum = macro.flowNum();
            flow.last() = siglaAt(target);
            flowNum.last() = quint16(target + 1);
            macro.setFlow(flow);
            macro.setFlowNum(flowNum);
        }
        if (index % 10 == 0)
            macro.setPosition(macro.position() + QPoint(GridStep / 2, 0));
    }
    for (const int index : {100, 500, 900}) {
        Macro& macro = *macros.at(index);
        macro.setName(QStringLiteral("NOVA MACRO %1").arg(macro.num()));
        macro.setSigla(siglaAt(macros.size() + index));
        macro.setViolation({});
        macro.setViolationReactions({});
        macro.setViolationTimers({});
        macro.setAutomation({});
    }
}

} // namespace BenchGroups
