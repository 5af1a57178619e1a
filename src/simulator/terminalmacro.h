#pragma once

#include "model/macro.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

class Group;

// What the terminal knows of one macro, copied out of the group so that a
// session never reaches back into the document it was made from.
struct TerminalMacro
{
    explicit TerminalMacro(const Macro& macro);

    // The macros of a group, in its order.
    static QList<TerminalMacro> fromGroup(const Group& group);

    bool hasShortcut() const;

    // The number as the message carries it; 0 when the text is not one.
    int number = 0;
    QString num;
    QString name;
    QString shortcut;
    QString sigla;
    bool isSecurity = true;
    QByteArray form;
    QByteArray confirmationText;
    // The acronym on each function key F0 to F9; empty for none. A key named
    // twice keeps its first entry.
    std::array<QString, Macro::FlowSlots> keys;
};
