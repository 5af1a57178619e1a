#include "groupvalues.h"

#include "model/group.h"
#include "model/macro.h"
#include "support/messagerecorder.h"

#include <QDebug>

namespace {

// The anchor violation and the default radius of the sample reference data.
constexpr quint8 Anchor = 23;
constexpr quint16 DefaultRadius = 100;

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

// Neither reactions, nor radius, nor function-key slots; screens of 800
// bytes.
void keepWhatStreamHolds(Macro& macro)
{
    macro.setForm(macro.form().leftJustified(Macro::ScreenSize, ' '));
    macro.setConfirmationText(macro.confirmationText().leftJustified(Macro::ScreenSize, ' '));
    macro.setViolationReactions(QVector<quint8>(macro.violation().size(), 0).toList());
    macro.setRaio(DefaultRadius);
    QList<quint16> positions;
    for (int i = 0; i < macro.flow().size(); ++i)
        positions.append(quint16(i));
    macro.setFlowPos(positions);
}

} // namespace

QStringList valuesOf(const Macro& m)
{
    QStringList values;
    const auto add = [&](const char* name, const auto& value) {
        QString text;
        QDebug(&text).nospace() << value;
        values.append(QLatin1String(name) + QStringLiteral(": ") + text);
    };
    add("num", m.num());
    add("name", m.name());
    add("shortcut", m.shortcut());
    add("sigla", m.sigla());
    add("type", m.type());
    add("isSecurity", m.isSecurity());
    add("form", m.form());
    add("formFields", m.formFields());
    add("confirmationText", m.confirmationText());
    add("validationInt", m.validationInt());
    add("automation", m.automation());
    add("violation", m.violation());
    add("violationReactions", m.violationReactions());
    add("violationTimers", m.violationTimers());
    add("secureSensors", m.secureSensors());
    add("secureActuators", m.secureActuators());
    add("raio", m.raio());
    add("flow", m.flow());
    add("flowNum", m.flowNum());
    add("flowPos", m.flowPos());
    add("dimensions", m.dimensions());
    add("position", m.position());
    return values;
}

QStringList valuesOf(const Group& group)
{
    QStringList values{"name: " + group.name(), "description: " + group.description(),
                       "creationDate: " + group.creationDate()};
    for (int i = 0; i < group.macroCount(); ++i) {
        for (const QString& value : valuesOf(*group.macros().at(i)))
            values.append(QStringLiteral("macro %1 ").arg(i) + value);
    }
    return values;
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

QString versionMessage(int version)
{
    MessageRecorder recorder;
    Group{QString(), QString()}.checkVersion(version);
    return recorder.texts().value(0);
}
