#include "groupdocument.h"

#include "model/group.h"
#include "model/macro.h"

#include <algorithm>

GroupDocument::GroupDocument(std::unique_ptr<Group> group, QObject* parent)
    : QObject(parent), m_group(std::move(group))
{
    m_modified = m_group->isModified();
    connect(&m_undoStack, &QUndoStack::indexChanged, this, &GroupDocument::followStack);
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, &GroupDocument::followStack);
}

GroupDocument::~GroupDocument()
{
    // The commands go first, with the macros they hold.
    m_undoStack.clear();
}

void GroupDocument::push(QUndoCommand* command)
{
    m_undoStack.push(command);
}

bool GroupDocument::pushIf(std::unique_ptr<QUndoCommand> command,
                           const std::function<bool()>& succeeds)
{
    command->redo();
    if (!succeeds()) {
        command->undo();
        followStack();
        return false;
    }
    // Applying it again sets the same values.
    m_undoStack.push(command.release());
    return true;
}

void GroupDocument::markSaved()
{
    m_undoStack.setClean();
    followStack();
}

void GroupDocument::markUnsaved()
{
    m_undoStack.resetClean();
    followStack();
}

bool GroupDocument::isModified() const
{
    return m_group->isModified();
}

void GroupDocument::followStack()
{
    // The group's own setters mark it modified as they go; the stack alone
    // says whether it differs from its file.
    const bool modified = !m_undoStack.isClean();
    m_group->setModified(modified);
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

void GroupDocument::insertMacros(const QList<PlacedMacro>& macros)
{
    QList<PlacedMacro> ordered = macros;
    std::sort(ordered.begin(), ordered.end(),
              [](const PlacedMacro& a, const PlacedMacro& b) { return a.index < b.index; });
    QList<Macro*> inserted;
    inserted.reserve(ordered.size());
    for (const PlacedMacro& placed : qAsConst(ordered)) {
        m_group->insertMacro(placed.index, placed.macro);
        inserted.append(placed.macro);
    }
    emit macrosInserted(inserted);
    emit changed();
}

QList<PlacedMacro> GroupDocument::takeMacros(const QList<Macro*>& macros)
{
    QList<PlacedMacro> taken;
    taken.reserve(macros.size());
    for (Macro* macro : macros) {
        const int index = m_group->indexOf(macro);
        if (index >= 0)
            taken.append({index, macro});
    }
    std::sort(taken.begin(), taken.end(),
              [](const PlacedMacro& a, const PlacedMacro& b) { return a.index < b.index; });
    // From the back, so that every index stays the one the macro had.
    QList<Macro*> removed;
    removed.reserve(taken.size());
    for (auto it = taken.crbegin(); it != taken.crend(); ++it)
        m_group->takeMacro(it->macro);
    for (const PlacedMacro& placed : qAsConst(taken))
        removed.append(placed.macro);
    emit macrosRemoved(removed);
    emit changed();
    return taken;
}

void GroupDocument::assignMacro(Macro* macro, const Macro& values)
{
    const QString oldSigla = macro->sigla();
    *macro = values;
    emit macroChanged(macro, oldSigla);
    emit changed();
}

void GroupDocument::placeBoxes(const QList<BoxPlacement>& placements)
{
    QList<Macro*> placed;
    placed.reserve(placements.size());
    for (const BoxPlacement& placement : placements) {
        placement.macro->setPosition(placement.position);
        placement.macro->setDimensions(placement.dimensions);
        placed.append(placement.macro);
    }
    emit boxesPlaced(placed);
    emit changed();
}

void GroupDocument::setHeader(const QString& name, const QString& description,
                              const QString& creationDate)
{
    m_group->setName(name);
    m_group->setDescription(description);
    m_group->setCreationDate(creationDate);
    emit headerChanged();
    emit changed();
}
