#include "terminalmacro.h"

#include "model/group.h"

TerminalMacro::TerminalMacro(const Macro& macro)
    : number(macro.num().toInt()), num(macro.num()), name(macro.name()), shortcut(macro.shortcut()),
      sigla(macro.sigla()), isSecurity(macro.isSecurity()), form(macro.form()),
      confirmationText(macro.confirmationText())
{
    const QStringList flow = macro.flow();
    const QList<quint16> positions = macro.flowPos();
    for (int i = 0; i < flow.size(); ++i) {
        // A flow read without its slots keeps them in list order.
        const int key = i < positions.size() ? positions.at(i) : i;
        if (key < Macro::FlowSlots && keys[key].isEmpty())
            keys[key] = flow.at(i);
    }
}

QList<TerminalMacro> TerminalMacro::fromGroup(const Group& group)
{
    QList<TerminalMacro> macros;
    for (const Macro* macro : group.macros()) {
        if (macro)
            macros.append(TerminalMacro(*macro));
    }
    return macros;
}

bool TerminalMacro::hasShortcut() const
{
    return !shortcut.isEmpty() && shortcut != QLatin1String("0");
}
