#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

class Group;
class Macro;
struct ReadNote;

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
        // The macro found at fault, for a view that shows it; null for what
        // the reading of the file noted. Not compared.
        const Macro* macro = nullptr;

        bool operator==(const Finding& other) const
        {
            return rule == other.rule && sigla == other.sigla && num == other.num &&
                   message == other.message;
        }
    };

    // The limits of the terminal.
    static constexpr int MinNumber = 1;
    static constexpr int MaxNumber = 999;
    static constexpr int MaxShortcut = 249;
    static constexpr int MaxSiglaLength = 3;
    static constexpr int MaxFlowEntries = 10;
    static constexpr int MaxViolations = 20;

    // The rule names, as scripts read them.
    static const QString Characters;
    static const QString FieldMarkers;
    static const QString NameCharacters;
    static const QString Sigla;
    static const QString NumberRange;
    static const QString ShortcutRange;
    static const QString DuplicateNumber;
    static const QString DuplicateSigla;
    static const QString DuplicateShortcut;
    static const QString UnknownFlow;
    static const QString FlowCount;
    static const QString AnchorSequence;
    static const QString RadiusRange;
    static const QString AnchorShortcut;
    static const QString ViolationCount;
    // What the reading of the file found odd (the group's read notes).
    static const QString LegacyDamage;
    static const QString ValueRange;

    explicit GroupCheck(const Group& group);

    // The read notes of the group first, then macro by macro in list order,
    // the rules in the order above. The anchor rules are left out when the
    // anchor settings name no anchor violation. Linear in the number of
    // macros and flow entries.
    QList<Finding> findings() const;

private:
    static Finding fromNote(const ReadNote& note);
    void checkScreens(const Macro& macro, QList<Finding>& found) const;
    void checkIdentity(const Macro& macro, QList<Finding>& found) const;
    void checkRanges(const Macro& macro, QList<Finding>& found) const;
    void checkDuplicates(const Macro& macro, QList<Finding>& found) const;
    void checkFlow(const Macro& macro, QList<Finding>& found) const;
    void checkAnchor(const Macro& macro, QList<Finding>& found) const;
    void checkViolationCount(const Macro& macro, QList<Finding>& found) const;

    static Finding finding(const QString& rule, const Macro& macro, const QString& message);
    static QString refusedIdentityCharacters(const QString& text);

    const Group& group;
    // The first macro of each number, acronym and shortcut, as the group's
    // lookups find it, and the macros with anchor analysis that follow each
    // one with anchor analysis.
    QHash<QString, const Macro*> firstByNumber;
    QHash<QString, const Macro*> firstBySigla;
    QHash<QString, const Macro*> firstByShortcut;
    QHash<const Macro*, QList<const Macro*>> anchorNext;
};
