#pragma once

#include "layoutgraph.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

#include <atomic>

// Lays a flow out top to bottom with the engine that finishes in time for
// its size: Graphviz with its own settings for small flows, Graphviz with
// tight limits for middle-sized ones, our own layered placement for large or
// dense ones (and whenever Graphviz fails). The result never has two boxes
// overlapping.
class FlowLayout
{
public:
    enum class Engine { Graphviz, GraphvizLimited, Layered };

    struct Result
    {
        // The top-left corner of each box; the drawing's top-left corner is
        // at (0, 0).
        QVector<QPointF> topLefts;
        Engine engine = Engine::Layered;
    };

    // Graphviz's time grows much faster than the flow and varies with its
    // shape; measured here on flows of many shapes, these limits keep it
    // around a second at worst. Up to this many links Graphviz runs with its
    // own settings (40 macros with 3 next macros each: about 0.1 s).
    static constexpr int FullEffortLinks = 120;
    // Up to this many links, and this many per box on average, with tight
    // limits (150 macros with 3 each: 0.2 s to 0.4 s; random flows of 500
    // links up to 1.7 s); beyond either, the layered placement of our own,
    // which takes milliseconds where Graphviz would take minutes.
    static constexpr int LimitedEffortLinks = 500;
    static constexpr double LimitedEffortLinksPerBox = 4.0;

    static Engine engineFor(const LayoutGraph& graph);
    static QString engineName(Engine engine);

    // gridStep > 0 puts every corner on a multiple of it. False only when
    // cancelled.
    static bool run(const LayoutGraph& graph, int gridStep, Result* result,
                    const std::atomic_bool* cancel = nullptr);

    // Whether two of the rectangles share more than a border.
    static bool anyOverlap(const QVector<QRectF>& rects);

private:
    static bool runEngine(const LayoutGraph& graph, Engine engine, QVector<QPointF>* centres,
                          const std::atomic_bool* cancel);
    static QVector<QPointF> topLeftsFrom(const LayoutGraph& graph, const QVector<QPointF>& centres,
                                         int gridStep);
    static QVector<QPointF> atOrigin(QVector<QPointF> topLefts);
    static QVector<QRectF> rectsOf(const LayoutGraph& graph, const QVector<QPointF>& topLefts);
};
