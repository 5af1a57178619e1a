#pragma once

#include <QList>
#include <QString>

class Group;
class Macro;

// Finds the macros of a group by a piece of their number, acronym or name,
// as a user types it: case and accents do not count ("refeição" finds
// "PARADA PARA REFEICAO").
class MacroSearch
{
public:
    explicit MacroSearch(const QString& text);

    bool isEmpty() const { return m_key.isEmpty(); }
    bool matches(const Macro& macro) const;
    // The whole number or the whole acronym: what a user who typed it most
    // likely looks for.
    bool isExactMatch(const Macro& macro) const;
    // The matching macros, in the order of the group.
    QList<Macro*> matchesIn(const Group& group) const;

    // The text as the search compares it: without accents, case folded,
    // without surrounding blanks.
    static QString folded(const QString& text);

private:
    QString m_key;
};
