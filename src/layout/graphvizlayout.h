#pragma once

#include "layoutgraph.h"

#include <QPointF>
#include <QVector>

#include <atomic>

// The layered engine of Graphviz ("dot", through its library), top to
// bottom. It has no way to stop half-way, and its library keeps global
// state: one layout runs at a time in the whole process, whatever thread
// asks; the others wait for it.
class GraphvizLayout
{
public:
    enum class Effort {
        // Graphviz's own settings: the fewest crossings it can find.
        Full,
        // Tight iteration limits, and the links that lead back left out: a
        // little less tidy, many times faster on flows of a few hundred
        // links.
        Limited,
    };

    // The centre of each box, or false when Graphviz failed or cancel was
    // set before it started.
    static bool run(const LayoutGraph& graph, Effort effort, const LayoutSpacing& spacing,
                    QVector<QPointF>* centres, const std::atomic_bool* cancel = nullptr);
};
