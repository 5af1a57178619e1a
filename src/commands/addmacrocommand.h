#pragma once

#include <QCoreApplication>
#include <QUndoCommand>

#include <memory>

class GroupDocument;
class Macro;

// A new macro at the end of the group, with its box.
class AddMacroCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(AddMacroCommand)

public:
    AddMacroCommand(GroupDocument& document, std::unique_ptr<Macro> macro);
    ~AddMacroCommand() override;

    void redo() override;
    void undo() override;

private:
    GroupDocument& m_document;
    Macro* m_macro;
    // Set while the macro is out of the group: the command owns it then.
    std::unique_ptr<Macro> m_held;
    int m_index = -1;
};
