#pragma once

#include <QCoreApplication>
#include <QString>
#include <QUndoCommand>

class GroupDocument;

// The group's name, description and creation date, before and after.
class GroupHeaderCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(GroupHeaderCommand)

public:
    struct Header
    {
        QString name;
        QString description;
        QString creationDate;
    };

    GroupHeaderCommand(GroupDocument& document, const Header& after);

    void redo() override;
    void undo() override;

    // The group's header as it stands.
    static Header current(const GroupDocument& document);

private:
    GroupDocument& m_document;
    const Header m_before;
    const Header m_after;
};
