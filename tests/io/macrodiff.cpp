#include "macrodiff.h"

#include "model/group.h"
#include "model/macro.h"

#include <QDebug>

namespace {

// The anchor violation and the default radius of the sample reference data.
constexpr quint8 Anchor = 23;
constexpr quint16 DefaultRadius = 100;

template <typename T> QString describe(const T& value)
{
    QString text;
    QDebug(&text).nospace() << value;
    return text;
}

class Comparison
{
public:
    template <typename T> void field(const char* name, const T& expected, const T& actual)
    {
        if (m_difference.isEmpty() && !(expected == actual)) {
            m_difference = QStringLiteral("%1: expected %2, got %3")
                               .arg(QLatin1String(name), describe(expected), describe(actual));
        }
    }

    QString difference() const { return m_difference; }

private:
    QString m_difference;
};

// NUL cells and the white space at the end of a screen become blanks; so
// does "<" in a form.
QByteArray screenThroughMcx(QByteArray screen, bool isForm)
{
    screen.replace('\0', ' ');
    int end = screen.size();
    while (end > 0 && QChar(uchar(screen.at(end - 1))).isSpace())
        --end;
    screen.truncate(end);
    if (isForm)
        screen.replace('<', ' ');
    return screen.leftJustified(Macro::ScreenSize, ' ');
}

void keepWhatMcxHolds(Macro& macro)
{
    macro.setNum(QString::number(macro.num().toInt()));
    macro.setShortcut(QString::number(macro.shortcut().toInt()));
    macro.setForm(screenThroughMcx(macro.form(), true));
    macro.setConfirmationText(screenThroughMcx(macro.confirmationText(), false));
    macro.setFormFields(QByteArray());
    // No element for an unused slot; the radius goes with the anchor violation.
    QList<quint8> ids, reactions;
    QList<quint16> timers;
    for (int i = 0; i < macro.violation().size(); ++i) {
        if (macro.violation().at(i) == 0)
            continue;
        ids.append(macro.violation().at(i));
        reactions.append(macro.violationReactions().value(i));
        timers.append(macro.violationTimers().value(i));
    }
    macro.setViolation(ids);
    macro.setViolationReactions(reactions);
    macro.setViolationTimers(timers);
    if (!ids.contains(Anchor))
        macro.setRaio(DefaultRadius);
    // Only the entries that name their macro by acronym and number.
    QStringList flow;
    QList<quint16> numbers, positions;
    for (int i = 0; i < macro.flow().size(); ++i) {
        if (macro.flow().at(i).isEmpty() || macro.flowNum().value(i) == 0)
            continue;
        flow.append(macro.flow().at(i));
        numbers.append(macro.flowNum().value(i));
        positions.append(macro.flowPos().value(i));
    }
    macro.setFlow(flow);
    macro.setFlowNum(numbers);
    macro.setFlowPos(positions);
}

// Neither reactions, nor radius, nor function-key slots.
void keepWhatStreamHolds(Macro& macro)
{
    macro.setViolationReactions(QVector<quint8>(macro.violation().size(), 0).toList());
    macro.setRaio(DefaultRadius);
    QList<quint16> positions;
    for (int i = 0; i < macro.flow().size(); ++i)
        positions.append(quint16(i));
    macro.setFlowPos(positions);
}

} // namespace

QString macroDifference(const Macro& e, const Macro& a)
{
    Comparison c;
    c.field("num", e.num(), a.num());
    c.field("name", e.name(), a.name());
    c.field("shortcut", e.shortcut(), a.shortcut());
    c.field("sigla", e.sigla(), a.sigla());
    c.field("type", e.type(), a.type());
    c.field("isSecurity", e.isSecurity(), a.isSecurity());
    c.field("form", e.form(), a.form());
    c.field("formFields", e.formFields(), a.formFields());
    c.field("confirmationText", e.confirmationText(), a.confirmationText());
    c.field("validationInt", e.validationInt(), a.validationInt());
    c.field("automation", e.automation(), a.automation());
    c.field("violation", e.violation(), a.violation());
    c.field("violationReactions", e.violationReactions(), a.violationReactions());
    c.field("violationTimers", e.violationTimers(), a.violationTimers());
    c.field("secureSensors", e.secureSensors(), a.secureSensors());
    c.field("secureActuators", e.secureActuators(), a.secureActuators());
    c.field("raio", e.raio(), a.raio());
    c.field("flow", e.flow(), a.flow());
    c.field("flowNum", e.flowNum(), a.flowNum());
    c.field("flowPos", e.flowPos(), a.flowPos());
    c.field("dimensions", e.dimensions(), a.dimensions());
    c.field("position", e.position(), a.position());
    return c.difference();
}

QString groupDifference(const Group& e, const Group& a)
{
    Comparison c;
    c.field("group name", e.name(), a.name());
    c.field("group description", e.description(), a.description());
    c.field("group creationDate", e.creationDate(), a.creationDate());
    c.field("macro count", e.macroCount(), a.macroCount());
    for (int i = 0; c.difference().isEmpty() && i < e.macroCount(); ++i) {
        const QString difference = macroDifference(*e.macros().at(i), *a.macros().at(i));
        if (!difference.isEmpty())
            return QStringLiteral("macro %1: %2").arg(i).arg(difference);
    }
    return c.difference();
}

void keepWhatMcxHolds(Group& group)
{
    for (Macro* macro : group.macros())
        keepWhatMcxHolds(*macro);
}

void keepWhatStreamHolds(Group& group)
{
    for (Macro* macro : group.macros())
        keepWhatStreamHolds(*macro);
}

void dropUnusedTimers(Group& group, const QStringList& timerFlags)
{
    for (Macro* macro : group.macros()) {
        QList<quint16> timers = macro->violationTimers();
        for (int i = 0; i < timers.size(); ++i) {
            if (timers.at(i) == 1 && timerFlags.value(macro->violation().at(i) - 1) == "0")
                timers[i] = 0;
        }
        macro->setViolationTimers(timers);
    }
}
