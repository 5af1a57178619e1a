#include "groupheadercommand.h"

#include "groupdocument.h"
#include "model/group.h"

GroupHeaderCommand::GroupHeaderCommand(GroupDocument& document, const Header& after)
    : m_document(document), m_before(current(document)), m_after(after)
{
    const bool renamed = m_before.name != m_after.name;
    const bool described = m_before.description != m_after.description;
    if (renamed && described)
        setText(tr("Alterar nome e descrição do grupo"));
    else if (renamed)
        setText(tr("Alterar nome do grupo"));
    else if (described)
        setText(tr("Alterar descrição do grupo"));
    else
        setText(tr("Alterar data de criação do grupo"));
}

GroupHeaderCommand::Header GroupHeaderCommand::current(const GroupDocument& document)
{
    const Group& group = document.group();
    return {group.name(), group.description(), group.creationDate()};
}

void GroupHeaderCommand::redo()
{
    m_document.setHeader(m_after.name, m_after.description, m_after.creationDate);
}

void GroupHeaderCommand::undo()
{
    m_document.setHeader(m_before.name, m_before.description, m_before.creationDate);
}
