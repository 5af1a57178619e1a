#include "deletemacroscommand.h"

#include "model/group.h"

#include <QSet>

DeleteMacrosCommand::DeleteMacrosCommand(GroupDocument& document, const QList<Macro*>& macros)
    : m_document(document), m_macros(macros)
{
    if (macros.size() == 1)
        setText(tr("Deletar macro %1").arg(macros.constFirst()->sigla()));
    else
        setText(tr("Deletar %1 macros").arg(macros.size()));
    findFlowEdits();
}

DeleteMacrosCommand::~DeleteMacrosCommand()
{
    for (const PlacedMacro& placed : qAsConst(m_taken))
        delete placed.macro;
}

void DeleteMacrosCommand::findFlowEdits()
{
    const QSet<Macro*> deleted(m_macros.cbegin(), m_macros.cend());
    const QList<Macro*> all = m_document.group().macros();
    // An acronym that a remaining macro still carries keeps its entries.
    QSet<QString> kept;
    for (const Macro* macro : all) {
        if (!deleted.contains(const_cast<Macro*>(macro)))
            kept.insert(macro->sigla());
    }
    QSet<QString> gone;
    for (const Macro* macro : qAsConst(m_macros)) {
        if (!kept.contains(macro->sigla()))
            gone.insert(macro->sigla());
    }
    if (gone.isEmpty())
        return;

    for (Macro* macro : all) {
        if (deleted.contains(macro))
            continue;
        const QStringList flow = macro->flow();
        const QList<quint16> numbers = macro->flowNum();
        const QList<quint16> positions = macro->flowPos();
        QStringList keptFlow;
        QList<quint16> keptNumbers;
        QList<quint16> keptSlots;
        for (int i = 0; i < flow.size(); ++i) {
            if (gone.contains(flow.at(i)))
                continue;
            keptFlow.append(flow.at(i));
            if (i < numbers.size())
                keptNumbers.append(numbers.at(i));
            if (i < positions.size())
                keptSlots.append(positions.at(i));
        }
        if (keptFlow.size() == flow.size())
            continue;
        Macro after(*macro);
        after.setFlow(keptFlow);
        after.setFlowNum(keptNumbers);
        after.setFlowPos(keptSlots);
        m_flowEdits.append({macro, *macro, after});
    }
}

void DeleteMacrosCommand::redo()
{
    m_taken = m_document.takeMacros(m_macros);
    for (const FlowEdit& edit : qAsConst(m_flowEdits))
        m_document.assignMacro(edit.macro, edit.after);
}

void DeleteMacrosCommand::undo()
{
    m_document.insertMacros(m_taken);
    m_taken.clear();
    for (const FlowEdit& edit : qAsConst(m_flowEdits))
        m_document.assignMacro(edit.macro, edit.before);
}
