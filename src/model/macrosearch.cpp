#include "macrosearch.h"

#include "group.h"
#include "macro.h"

MacroSearch::MacroSearch(const QString& text) : m_key(folded(text)) {}

QString MacroSearch::folded(const QString& text)
{
    // Decomposed, an accented letter is its base letter and a combining mark.
    const QString decomposed = text.trimmed().normalized(QString::NormalizationForm_D);
    QString result;
    result.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    }
    return result.toCaseFolded();
}

bool MacroSearch::matches(const Macro& macro) const
{
    if (m_key.isEmpty())
        return false;
    return folded(macro.num()).contains(m_key) || folded(macro.sigla()).contains(m_key) ||
           folded(macro.name()).contains(m_key) || isExactMatch(macro);
}

bool MacroSearch::isExactMatch(const Macro& macro) const
{
    if (m_key.isEmpty())
        return false;
    if (folded(macro.sigla()) == m_key || folded(macro.num()) == m_key)
        return true;
    // "087" is macro 87.
    bool keyIsNumber = false;
    bool numIsNumber = false;
    const int key = m_key.toInt(&keyIsNumber);
    const int num = macro.num().toInt(&numIsNumber);
    return keyIsNumber && numIsNumber && key == num;
}

QList<Macro*> MacroSearch::matchesIn(const Group& group) const
{
    QList<Macro*> found;
    const QList<Macro*> macros = group.macros();
    for (Macro* macro : macros) {
        if (macro && matches(*macro))
            found.append(macro);
    }
    return found;
}
