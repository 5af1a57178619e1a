#include "configuremacrocommand.h"

#include "groupdocument.h"

ConfigureMacroCommand::ConfigureMacroCommand(GroupDocument& document, Macro* macro,
                                             const Macro& before, const Macro& after)
    : m_document(document), m_macro(macro), m_before(before), m_after(after)
{
    setText(tr("Configurar macro %1").arg(after.sigla()));
}

void ConfigureMacroCommand::redo()
{
    m_document.assignMacro(m_macro, m_after);
}

void ConfigureMacroCommand::undo()
{
    m_document.assignMacro(m_macro, m_before);
}
