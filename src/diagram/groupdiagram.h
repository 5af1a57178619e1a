#pragma once

class Group;
class GraphWidget;

// How a group becomes a flow diagram: one box per macro at its stored place
// and size, then one arrow per flow entry. The editor and the picture
// export draw the same diagram this way.
class GroupDiagram
{
public:
    static void build(GraphWidget& graph, const Group& group);
};
