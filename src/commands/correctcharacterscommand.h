#pragma once

#include "model/macro.h"

#include <QCoreApplication>
#include <QList>
#include <QUndoCommand>

class GroupDocument;

// The automatic correction of the characters the terminal screen can't
// show, over the forms and confirmation texts of the whole group.
class CorrectCharactersCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(CorrectCharactersCommand)

public:
    explicit CorrectCharactersCommand(GroupDocument& document);

    // Whether the correction changes any byte of the group.
    bool changesAnything() const { return !m_edits.isEmpty(); }

    void redo() override;
    void undo() override;

private:
    struct Edit
    {
        Macro* macro;
        Macro before;
        Macro after;
    };

    GroupDocument& m_document;
    QList<Edit> m_edits;
};
