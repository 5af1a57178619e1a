#pragma once

#include <QLineF>
#include <QRectF>

class Group;

// Where an arrow of the flow diagram runs, and whether it passes under a box
// that is neither of its ends: such an arrow seems to start or end at that
// box.
namespace FlowCrossings {

// The part of the line between the centres of the two boxes that lies
// outside both: where the canvas draws the arrow. Null when the boxes
// overlap so much that nothing is left.
QLineF visibleSegment(const QRectF& source, const QRectF& dest);

// Whether the segment runs through the inside of the rectangle; touching
// its border, or running along it, does not count.
bool passesThrough(const QLineF& segment, const QRectF& rect);

// How many arrows of the group (one per flow entry naming a macro of the
// group, arrows of a macro to itself aside) pass under a box that is
// neither of their ends.
int countPassingArrows(const Group& group);

} // namespace FlowCrossings
