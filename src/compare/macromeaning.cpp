#include "macromeaning.h"

#include "compareoptions.h"
#include "model/macro.h"

#include <algorithm>

namespace {

// The legacy reader's timer of every violation.
constexpr quint16 PlaceholderTime = 1;

QVector<int> identifierSet(const QList<quint8>& identifiers)
{
    QVector<int> set;
    set.reserve(identifiers.size());
    for (const quint8 id : identifiers) {
        if (id != 0)
            set.append(id);
    }
    std::sort(set.begin(), set.end());
    set.erase(std::unique(set.begin(), set.end()), set.end());
    return set;
}

bool hasAnalysisTime(int id, const CompareOptions& options)
{
    return options.timerFlags.value(id - 1).toInt() != 0;
}

// 800 bytes as the file keeps them and reads them back.
QByteArray screen(QByteArray bytes, bool isForm)
{
    bytes = bytes.leftJustified(Macro::ScreenSize, ' ', true);
    char* data = bytes.data();
    int end = Macro::ScreenSize;
    for (int i = 0; i < Macro::ScreenSize; ++i) {
        if (data[i] == '\0' || (isForm && data[i] == '<'))
            data[i] = ' ';
    }
    // Trailing white space of any kind is dropped by the writer.
    while (end > 0 && QChar::fromLatin1(data[end - 1]).isSpace())
        data[--end] = ' ';
    return bytes;
}

QMap<int, MacroMeaning::Violation> violationsOf(const Macro& macro, const CompareOptions& options)
{
    const QList<quint8> ids = macro.violation();
    const QList<quint8> reactions = macro.violationReactions();
    const QList<quint16> timers = macro.violationTimers();
    QMap<int, MacroMeaning::Violation> violations;
    for (int i = 0; i < ids.size(); ++i) {
        const int id = ids.at(i);
        if (id == 0 || violations.contains(id))
            continue;
        MacroMeaning::Violation violation;
        violation.reactions = reactions.value(i);
        violation.time = timers.value(i);
        if (violation.time == PlaceholderTime && !hasAnalysisTime(id, options))
            violation.time = 0;
        if (id == options.anchorViolationId)
            violation.radius = macro.raio();
        violations.insert(id, violation);
    }
    return violations;
}

QMap<int, QString> nextOf(const Macro& macro)
{
    const QStringList flow = macro.flow();
    const QList<quint16> flowNum = macro.flowNum();
    const QList<quint16> flowPos = macro.flowPos();
    QMap<int, QString> next;
    for (int i = 0; i < flow.size(); ++i) {
        const int slot = flowPos.value(i);
        if (!flow.at(i).isEmpty() && flowNum.value(i) != 0 && !next.contains(slot))
            next.insert(slot, flow.at(i));
    }
    return next;
}

} // namespace

MacroMeaning MacroMeaning::of(const Macro& macro, const CompareOptions& options)
{
    MacroMeaning meaning;
    meaning.num = macro.num();
    meaning.number = meaning.num.toInt();
    meaning.name = macro.name();
    meaning.sigla = macro.sigla();
    meaning.shortcut = macro.shortcut().toInt();
    meaning.type = macro.type();
    meaning.isSecurity = macro.isSecurity();
    meaning.validations = macro.validationInt();
    meaning.automation = identifierSet(macro.automation());
    meaning.secureSensors = identifierSet(macro.secureSensors());
    meaning.secureActuators = identifierSet(macro.secureActuators());
    meaning.violations = violationsOf(macro, options);
    meaning.next = nextOf(macro);
    meaning.position = macro.position();
    meaning.size = macro.dimensions().size();
    meaning.form = screen(macro.form(), true);
    meaning.confirmation = screen(macro.confirmationText(), false);
    return meaning;
}
