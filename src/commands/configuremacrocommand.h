#pragma once

#include "model/macro.h"

#include <QCoreApplication>
#include <QUndoCommand>

class GroupDocument;

// One accepted configuration of a macro: every value it had before and after.
class ConfigureMacroCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(ConfigureMacroCommand)

public:
    ConfigureMacroCommand(GroupDocument& document, Macro* macro, const Macro& before,
                          const Macro& after);

    void redo() override;
    void undo() override;

private:
    GroupDocument& m_document;
    Macro* m_macro;
    const Macro m_before;
    const Macro m_after;
};
