#include "groupcheck.h"

#include "app/anchorsettings.h"
#include "characterscan.h"
#include "group.h"
#include "identitytext.h"
#include "macro.h"
#include "screentext.h"

#include <QRegularExpression>
#include <QStringList>

const QString GroupCheck::Characters = QStringLiteral("characters");
const QString GroupCheck::FieldMarkers = QStringLiteral("field-markers");
const QString GroupCheck::NameCharacters = QStringLiteral("name-characters");
const QString GroupCheck::Sigla = QStringLiteral("sigla");
const QString GroupCheck::DuplicateNumber = QStringLiteral("duplicate-number");
const QString GroupCheck::DuplicateSigla = QStringLiteral("duplicate-sigla");
const QString GroupCheck::DuplicateShortcut = QStringLiteral("duplicate-shortcut");
const QString GroupCheck::UnknownFlow = QStringLiteral("unknown-flow");
const QString GroupCheck::FlowCount = QStringLiteral("flow-count");
const QString GroupCheck::AnchorSequence = QStringLiteral("anchor-sequence");
const QString GroupCheck::RadiusRange = QStringLiteral("radius-range");
const QString GroupCheck::ViolationCount = QStringLiteral("violation-count");

namespace {

// Identifier 0 is an unused violation slot of the legacy formats: without an
// anchor violation in the settings, no macro has anchor analysis.
bool anchorRulesApply()
{
    return Group::anchorSettings().anchorViolationId() != 0;
}

} // namespace

GroupCheck::GroupCheck(const Group& group) : group(group)
{
    const QList<Macro*> macros = group.macros();
    for (const Macro* macro : macros) {
        if (!macro)
            continue;
        byNumber.insert(macro->num(), byNumber.value(macro->num(), macro));
        bySigla.insert(macro->sigla(), bySigla.value(macro->sigla(), macro));
        byShortcut.insert(macro->shortcut(), byShortcut.value(macro->shortcut(), macro));
    }
    if (anchorRulesApply())
        anchorPairs = group.anchorSequences();
}

QList<GroupCheck::Finding> GroupCheck::findings() const
{
    QList<Finding> found;
    const QList<Macro*> macros = group.macros();
    for (const Macro* macro : macros) {
        if (!macro)
            continue;
        checkScreens(*macro, found);
        checkIdentity(*macro, found);
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

// Each repetition is told once, at the later macro, naming the first one.
void GroupCheck::checkDuplicates(const Macro& macro, QList<Finding>& found) const
{
    const Macro* first = firstByNumber(macro.num());
    if (first && first != &macro) {
        found.append(
            finding(DuplicateNumber, macro,
                    tr("O número %1 já é usado pela macro %2.").arg(macro.num(), first->sigla())));
    }
    // An empty acronym is a fault of its own, told above.
    first = macro.sigla().isEmpty() ? nullptr : firstBySigla(macro.sigla());
    if (first && first != &macro) {
        found.append(finding(
            DuplicateSigla, macro,
            tr("A sigla %1 já é usada pela macro de número %2.").arg(macro.sigla(), first->num())));
    }
    // "0" and an empty text mean that the macro has no shortcut.
    const QString shortcut = macro.shortcut();
    const bool hasShortcut = !shortcut.isEmpty() && shortcut != QLatin1String("0");
    first = hasShortcut ? firstByShortcut(shortcut) : nullptr;
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
        if (flow.at(i).isEmpty() || firstBySigla(flow.at(i)))
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
    for (const auto& pair : anchorPairs) {
        if (pair.first != &macro)
            continue;
        found.append(finding(AnchorSequence, macro,
                             tr("Macros com análise de âncora em sequência: %1 -> %2.")
                                 .arg(macro.sigla(), pair.second->sigla())));
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
