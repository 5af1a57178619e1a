#include "groupcheck.h"

#include "app/anchorsettings.h"
#include "characterscan.h"
#include "group.h"
#include "identitytext.h"
#include "macro.h"
#include "readnote.h"
#include "screentext.h"

#include <QRegularExpression>
#include <QStringList>

const QString GroupCheck::Characters = QStringLiteral("characters");
const QString GroupCheck::FieldMarkers = QStringLiteral("field-markers");
const QString GroupCheck::NameCharacters = QStringLiteral("name-characters");
const QString GroupCheck::Sigla = QStringLiteral("sigla");
const QString GroupCheck::NumberRange = QStringLiteral("number-range");
const QString GroupCheck::ShortcutRange = QStringLiteral("shortcut-range");
const QString GroupCheck::DuplicateNumber = QStringLiteral("duplicate-number");
const QString GroupCheck::DuplicateSigla = QStringLiteral("duplicate-sigla");
const QString GroupCheck::DuplicateShortcut = QStringLiteral("duplicate-shortcut");
const QString GroupCheck::UnknownFlow = QStringLiteral("unknown-flow");
const QString GroupCheck::FlowCount = QStringLiteral("flow-count");
const QString GroupCheck::AnchorSequence = QStringLiteral("anchor-sequence");
const QString GroupCheck::RadiusRange = QStringLiteral("radius-range");
const QString GroupCheck::AnchorShortcut = QStringLiteral("anchor-shortcut");
const QString GroupCheck::ViolationCount = QStringLiteral("violation-count");
const QString GroupCheck::LegacyDamage = QStringLiteral("legacy-damage");
const QString GroupCheck::ValueRange = QStringLiteral("value-range");

namespace {

// Identifier 0 is an unused violation slot of the legacy formats: without an
// anchor violation in the settings, no macro has anchor analysis.
bool anchorRulesApply()
{
    return Group::anchorSettings().anchorViolationId() != 0;
}

// "0" and an empty text mean that the macro has no shortcut.
bool hasShortcut(const Macro& macro)
{
    const QString shortcut = macro.shortcut();
    return !shortcut.isEmpty() && shortcut != QLatin1String("0");
}

bool inRange(const QString& text, int minimum, int maximum)
{
    bool isNumber = false;
    const int value = text.toInt(&isNumber, 10);
    return isNumber && value >= minimum && value <= maximum;
}

} // namespace

GroupCheck::GroupCheck(const Group& group) : group(group)
{
    const auto keepFirst = [](QHash<QString, const Macro*>& index, const QString& key,
                              const Macro* macro) {
        if (!index.contains(key))
            index.insert(key, macro);
    };
    const QList<Macro*> macros = group.macros();
    for (const Macro* macro : macros) {
        if (!macro)
            continue;
        keepFirst(firstByNumber, macro->num(), macro);
        keepFirst(firstBySigla, macro->sigla(), macro);
        if (hasShortcut(*macro))
            keepFirst(firstByShortcut, macro->shortcut(), macro);
    }
    if (anchorRulesApply()) {
        const auto pairs = group.anchorSequences();
        for (const auto& pair : pairs)
            anchorNext[pair.first].append(pair.second);
    }
}

QList<GroupCheck::Finding> GroupCheck::findings() const
{
    QList<Finding> found;
    const QList<ReadNote> notes = group.readNotes();
    for (const ReadNote& note : notes)
        found.append(fromNote(note));
    const QList<Macro*> macros = group.macros();
    for (const Macro* macro : macros) {
        if (!macro)
            continue;
        checkScreens(*macro, found);
        checkIdentity(*macro, found);
        checkRanges(*macro, found);
        checkDuplicates(*macro, found);
        checkFlow(*macro, found);
        checkAnchor(*macro, found);
        checkViolationCount(*macro, found);
    }
    return found;
}

GroupCheck::Finding GroupCheck::finding(const QString& rule, const Macro& macro,
                                        const QString& message)
{
    return {rule, macro.sigla(), macro.num(), message, &macro};
}

GroupCheck::Finding GroupCheck::fromNote(const ReadNote& note)
{
    const QString& rule = note.kind == ReadNote::Kind::LegacyDamage ? LegacyDamage : ValueRange;
    return {rule, note.sigla, note.num, note.message};
}

void GroupCheck::checkScreens(const Macro& macro, QList<Finding>& found) const
{
    const QStringList characters = CharacterScan::refusedCharacters(macro);
    if (!characters.isEmpty()) {
        found.append(finding(Characters, macro,
                             tr("Caracteres não aceitos pelo terminal no formulário ou no texto "
                                "de confirmação: %1")
                                 .arg(characters.join(QStringLiteral(", ")))));
    }
    const QByteArray form = macro.form();
    if (const int row = ScreenText::checkFields(form.constData(), form.size())) {
        found.append(finding(FieldMarkers, macro,
                             tr("Marcador de campo malformado no formulário, linha %1.").arg(row)));
    }
}

QString GroupCheck::refusedIdentityCharacters(const QString& text)
{
    QStringList characters;
    QRegularExpressionMatchIterator matches = IdentityText::refusedCharacter().globalMatch(text);
    while (matches.hasNext()) {
        const QString character = matches.next().captured(0);
        if (!characters.contains(character))
            characters.append(character);
    }
    return characters.join(QStringLiteral(", "));
}

void GroupCheck::checkIdentity(const Macro& macro, QList<Finding>& found) const
{
    if (!IdentityText::isAccepted(macro.name())) {
        found.append(finding(NameCharacters, macro,
                             tr("O nome contém caracteres não aceitos: %1")
                                 .arg(refusedIdentityCharacters(macro.name()))));
    }
    if (!IdentityText::isAccepted(macro.sigla())) {
        found.append(finding(NameCharacters, macro,
                             tr("A sigla contém caracteres não aceitos: %1")
                                 .arg(refusedIdentityCharacters(macro.sigla()))));
    }
    if (macro.sigla().isEmpty()) {
        found.append(finding(Sigla, macro, tr("A sigla está vazia.")));
    } else if (macro.sigla().size() > MaxSiglaLength) {
        found.append(finding(
            Sigla, macro,
            tr("A sigla %1 tem mais de %2 caracteres.").arg(macro.sigla()).arg(MaxSiglaLength)));
    }
}

void GroupCheck::checkRanges(const Macro& macro, QList<Finding>& found) const
{
    if (!inRange(macro.num(), MinNumber, MaxNumber)) {
        found.append(finding(NumberRange, macro,
                             tr("O número %1 está fora do intervalo de %2 a %3.")
                                 .arg(macro.num())
                                 .arg(MinNumber)
                                 .arg(MaxNumber)));
    }
    if (!macro.shortcut().isEmpty() && !inRange(macro.shortcut(), 0, MaxShortcut)) {
        found.append(finding(ShortcutRange, macro,
                             tr("O atalho %1 está fora do intervalo de 0 a %2.")
                                 .arg(macro.shortcut())
                                 .arg(MaxShortcut)));
    }
}

// Each repetition is told once, at the later macro, naming the first one.
void GroupCheck::checkDuplicates(const Macro& macro, QList<Finding>& found) const
{
    const Macro* first = firstByNumber.value(macro.num());
    if (first && first != &macro) {
        found.append(
            finding(DuplicateNumber, macro,
                    tr("O número %1 já é usado pela macro %2.").arg(macro.num(), first->sigla())));
    }
    // An empty acronym is a fault of its own, told above.
    first = macro.sigla().isEmpty() ? nullptr : firstBySigla.value(macro.sigla());
    if (first && first != &macro) {
        found.append(finding(
            DuplicateSigla, macro,
            tr("A sigla %1 já é usada pela macro de número %2.").arg(macro.sigla(), first->num())));
    }
    const QString shortcut = macro.shortcut();
    first = hasShortcut(macro) ? firstByShortcut.value(shortcut) : nullptr;
    if (first && first != &macro) {
        found.append(
            finding(DuplicateShortcut, macro,
                    tr("O atalho %1 já é usado pela macro %2.").arg(shortcut, first->sigla())));
    }
}

void GroupCheck::checkFlow(const Macro& macro, QList<Finding>& found) const
{
    const QStringList flow = macro.flow();
    const QList<quint16> positions = macro.flowPos();
    for (int i = 0; i < flow.size(); ++i) {
        if (flow.at(i).isEmpty() || firstBySigla.contains(flow.at(i)))
            continue;
        found.append(finding(UnknownFlow, macro,
                             tr("A sigla %1 da função F%2 não existe no grupo.")
                                 .arg(flow.at(i))
                                 .arg(positions.value(i, quint16(i)))));
    }
    if (flow.size() > MaxFlowEntries) {
        found.append(finding(FlowCount, macro,
                             tr("%1 macros seguintes; o terminal aceita no máximo %2.")
                                 .arg(flow.size())
                                 .arg(MaxFlowEntries)));
    }
}

void GroupCheck::checkAnchor(const Macro& macro, QList<Finding>& found) const
{
    if (!anchorRulesApply())
        return;
    const QList<const Macro*> next = anchorNext.value(&macro);
    for (const Macro* second : next) {
        found.append(finding(AnchorSequence, macro,
                             tr("Macros com análise de âncora em sequência: %1 -> %2.")
                                 .arg(macro.sigla(), second->sigla())));
    }
    if (!group.hasAnchor(&macro))
        return;
    const AnchorSettings& settings = Group::anchorSettings();
    const int radius = macro.raio();
    if (radius < settings.minRadius() || radius > settings.maxRadius) {
        found.append(finding(RadiusRange, macro,
                             tr("O raio de âncora de %1 m está fora dos limites permitidos "
                                "(%2 a %3 m).")
                                 .arg(radius)
                                 .arg(settings.minRadius())
                                 .arg(settings.maxRadius)));
    }
    if (hasShortcut(macro)) {
        found.append(finding(AnchorShortcut, macro,
                             tr("Macro com análise de âncora e atalho %1: uma macro com a "
                                "violação de âncora não tem atalho.")
                                 .arg(macro.shortcut())));
    }
}

void GroupCheck::checkViolationCount(const Macro& macro, QList<Finding>& found) const
{
    // The legacy formats fill their unused slots with identifier 0.
    const QList<quint8> violations = macro.violation();
    const int count = violations.size() - violations.count(quint8(0));
    if (count > MaxViolations) {
        found.append(finding(
            ViolationCount, macro,
            tr("%1 violações; o terminal aceita no máximo %2.").arg(count).arg(MaxViolations)));
    }
}
