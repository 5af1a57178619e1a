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

    // Up to this many links Graphviz runs with its own settings.
    static constexpr int FullEffortLinks = 120;
    // Up to this many links, and this many per box on average, with tight
    // limits; beyond either, the layered placement of our own.
    static constexpr int LimitedEffortLinks = 700;
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
