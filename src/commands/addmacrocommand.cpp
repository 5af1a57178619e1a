#include "addmacrocommand.h"

#include "groupdocument.h"
#include "model/group.h"
#include "model/macro.h"

AddMacroCommand::AddMacroCommand(GroupDocument& document, std::unique_ptr<Macro> macro)
    : m_document(document), m_macro(macro.get()), m_held(std::move(macro))
{
    setText(tr("Nova macro %1").arg(m_macro->sigla()));
}

AddMacroCommand::~AddMacroCommand() = default;

void AddMacroCommand::redo()
{
    if (m_index < 0)
        m_index = m_document.group().macroCount();
    m_document.insertMacros({{m_index, m_held.release()}});
}

void AddMacroCommand::undo()
{
    m_document.takeMacros({m_macro});
    m_held.reset(m_macro);
}
