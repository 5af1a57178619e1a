#include "correctcharacterscommand.h"

#include "groupdocument.h"
#include "model/characterscan.h"
#include "model/group.h"

CorrectCharactersCommand::CorrectCharactersCommand(GroupDocument& document) : m_document(document)
{
    setText(tr("Corrigir caracteres"));
    const QList<Macro*> macros = document.group().macros();
    for (Macro* macro : macros) {
        Macro corrected(*macro);
        CharacterScan::correct(corrected);
        if (corrected.form() != macro->form() ||
            corrected.confirmationText() != macro->confirmationText())
            m_edits.append({macro, *macro, corrected});
    }
}

void CorrectCharactersCommand::redo()
{
    for (const Edit& edit : qAsConst(m_edits))
        m_document.assignMacro(edit.macro, edit.after);
}

void CorrectCharactersCommand::undo()
{
    for (const Edit& edit : qAsConst(m_edits))
        m_document.assignMacro(edit.macro, edit.before);
}
