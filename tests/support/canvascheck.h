#pragma once

#include <QString>

class GraphWidget;
class Group;

namespace ZorTest {

// Empty when the canvas shows exactly what the group holds: one box per
// macro with its texts, colour, place and size, and one arrow per flow
// entry that names a macro of the group; otherwise what differs.
QString canvasDifference(const GraphWidget& canvas, const Group& group);

} // namespace ZorTest
