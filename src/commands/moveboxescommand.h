#pragma once

#include "groupdocument.h"

#include <QCoreApplication>
#include <QList>
#include <QUndoCommand>

// Boxes moved or resized by one drag, by a run of arrow keys or by an
// automatic arrangement: the place and size of each box before and after.
// Key presses that go on moving the same boxes add to the command instead of
// stacking one command each.
class MoveBoxesCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(MoveBoxesCommand)

public:
    enum class Source { Drag, Keyboard, Arrange };

    // before and after hold the same macros in the same order.
    MoveBoxesCommand(GroupDocument& document, const QList<BoxPlacement>& before,
                     const QList<BoxPlacement>& after, Source source);

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    void updateText();
    bool sameBoxes(const MoveBoxesCommand& other) const;

    GroupDocument& m_document;
    const QList<BoxPlacement> m_before;
    QList<BoxPlacement> m_after;
    Source m_source;
};
