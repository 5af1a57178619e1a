#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class Group;
class Macro;

// Everything in a group that the terminal would refuse or that stops the
// editor from saving it, found without asking anyone: the checks of a
// headless run over many files. Each finding names a stable rule, in
// English, and carries a message in the current language.
class GroupCheck
{
    Q_DECLARE_TR_FUNCTIONS(GroupCheck)

public:
    struct Finding
    {
        QString rule;
        QString sigla;
        QString num;
        QString message;
        // The macro found at fault, for a view that shows it; not compared.
        const Macro* macro = nullptr;

        bool operator==(const Finding& other) const
        {
            return rule == other.rule && sigla == other.sigla && num == other.num &&
                   message == other.message;
        }
    };

    // The limits of the terminal.
    static constexpr int MaxSiglaLength = 3;
    static constexpr int MaxFlowEntries = 10;
    static constexpr int MaxViolations = 20;

    // The rule names, as scripts read them.
    static const QString Characters;
    static const QString FieldMarkers;
    static const QString NameCharacters;
    static const QString Sigla;
    static const QString DuplicateNumber;
    static const QString DuplicateSigla;
    static const QString DuplicateShortcut;
    static const QString UnknownFlow;
    static const QString FlowCount;
    static const QString AnchorSequence;
    static const QString RadiusRange;
    static const QString ViolationCount;

    explicit GroupCheck(const Group& group);

    // Macro by macro in list order, the rules in the order above. The anchor
    // rules are left out when the anchor settings name no anchor violation.
    QList<Finding> findings() const;

private:
    void checkScreens(const Macro& macro, QList<Finding>& found) const;
    void checkIdentity(const Macro& macro, QList<Finding>& found) const;
    void checkDuplicates(const Macro& macro, QList<Finding>& found) const;
    void checkFlow(const Macro& macro, QList<Finding>& found) const;
    void checkAnchor(const Macro& macro, QList<Finding>& found) const;
    void checkViolationCount(const Macro& macro, QList<Finding>& found) const;

    static Finding finding(const QString& rule, const Macro& macro, const QString& message);
    static QString refusedIdentityCharacters(const QString& text);

    // The first macro of each number, acronym and shortcut, as the group's
    // own searches find them: one pass over the group, not one per macro.
    const Macro* firstByNumber(const QString& num) const { return byNumber.value(num); }
    const Macro* firstBySigla(const QString& sigla) const { return bySigla.value(sigla); }
    const Macro* firstByShortcut(const QString& shortcut) const
    {
        return byShortcut.value(shortcut);
    }

    const Group& group;
    QHash<QString, const Macro*> byNumber;
    QHash<QString, const Macro*> bySigla;
    QHash<QString, const Macro*> byShortcut;
    QList<QPair<const Macro*, const Macro*>> anchorPairs;
};
