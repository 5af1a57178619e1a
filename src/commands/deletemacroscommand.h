#pragma once

#include "groupdocument.h"
#include "model/macro.h"

#include <QCoreApplication>
#include <QList>
#include <QUndoCommand>

// Deletes macros with their boxes and arrows, and takes out of the other
// macros' next macros every entry that named one of them: a saved group
// never names a macro it does not hold. Undo puts each macro back at its
// place in the list and gives the other macros their entries back.
class DeleteMacrosCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(DeleteMacrosCommand)

public:
    DeleteMacrosCommand(GroupDocument& document, const QList<Macro*>& macros);
    ~DeleteMacrosCommand() override;

    void redo() override;
    void undo() override;

private:
    // A macro whose next macros lose the deleted ones.
    struct FlowEdit
    {
        Macro* macro;
        Macro before;
        Macro after;
    };

    void findFlowEdits();

    GroupDocument& m_document;
    QList<Macro*> m_macros;
    QList<FlowEdit> m_flowEdits;
    // The macros with their places while they are out of the group: the
    // command owns them then.
    QList<PlacedMacro> m_taken;
};
