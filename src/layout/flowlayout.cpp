#include "flowlayout.h"

#include "graphvizlayout.h"
#include "layeredlayout.h"
#include "passingpolish.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

qreal snapped(qreal value, int step)
{
    return step > 0 ? std::round(value / step) * step : std::round(value);
}

} // namespace

FlowLayout::Engine FlowLayout::engineFor(const LayoutGraph& graph)
{
    const int links = graph.distinctLinks().size();
    if (links <= FullEffortLinks)
        return Engine::Graphviz;
    if (links <= LimitedEffortLinks && links <= LimitedEffortLinksPerBox * graph.boxCount())
        return Engine::GraphvizLimited;
    return Engine::Layered;
}

QString FlowLayout::engineName(Engine engine)
{
    switch (engine) {
    case Engine::Graphviz:
        return QStringLiteral("graphviz");
    case Engine::GraphvizLimited:
        return QStringLiteral("graphviz-limited");
    case Engine::Layered:
        break;
    }
    return QStringLiteral("layered");
}

bool FlowLayout::run(const LayoutGraph& graph, int gridStep, Result* result,
                     const std::atomic_bool* cancel)
{
    Engine engine = engineFor(graph);
    QVector<QPointF> centres;
    if (!runEngine(graph, engine, &centres, cancel)) {
        if (engine == Engine::Layered || (cancel && *cancel))
            return false;
        engine = Engine::Layered;
        if (!runEngine(graph, engine, &centres, cancel))
            return false;
    }
    QVector<QPointF> topLefts = topLeftsFrom(graph, centres, gridStep);
    // Graphviz never overlaps its boxes; should it ever, the placement of
    // our own, which can't, takes over.
    if (engine != Engine::Layered && anyOverlap(rectsOf(graph, topLefts))) {
        engine = Engine::Layered;
        if (!runEngine(graph, engine, &centres, cancel))
            return false;
        topLefts = topLeftsFrom(graph, centres, gridStep);
    }
    PassingPolish polish(graph, topLefts, gridStep);
    polish.run(cancel);
    if (cancel && *cancel)
        return false;
    result->topLefts = atOrigin(polish.topLefts());
    result->engine = engine;
    return true;
}

bool FlowLayout::runEngine(const LayoutGraph& graph, Engine engine, QVector<QPointF>* centres,
                           const std::atomic_bool* cancel)
{
    const LayoutSpacing spacing;
    switch (engine) {
    case Engine::Graphviz:
        return GraphvizLayout::run(graph, GraphvizLayout::Effort::Full, spacing, centres, cancel);
    case Engine::GraphvizLimited:
        return GraphvizLayout::run(graph, GraphvizLayout::Effort::Limited, spacing, centres,
                                   cancel);
    case Engine::Layered:
        break;
    }
    return LayeredLayout(graph, spacing).run(centres, cancel);
}

QVector<QPointF> FlowLayout::topLeftsFrom(const LayoutGraph& graph, const QVector<QPointF>& centres,
                                          int gridStep)
{
    const int count = graph.boxCount();
    QVector<QPointF> corners(count);
    qreal left = std::numeric_limits<qreal>::max();
    qreal top = std::numeric_limits<qreal>::max();
    for (int i = 0; i < count; ++i) {
        const QSizeF size = graph.sizes.at(i);
        corners[i] = centres.at(i) - QPointF(size.width() / 2, size.height() / 2);
        left = qMin(left, corners.at(i).x());
        top = qMin(top, corners.at(i).y());
    }
    // Each corner moves by at most half a step, two boxes toward each other
    // by at most one: less than the spacing the engines leave, so snapping
    // never makes two boxes meet.
    for (QPointF& corner : corners)
        corner = QPointF(snapped(corner.x() - left, gridStep), snapped(corner.y() - top, gridStep));
    return corners;
}

QVector<QPointF> FlowLayout::atOrigin(QVector<QPointF> topLefts)
{
    // The sideways moves may have taken a box past the left edge; the
    // moves are whole grid steps, so the corners stay on the grid.
    qreal left = std::numeric_limits<qreal>::max();
    qreal top = std::numeric_limits<qreal>::max();
    for (const QPointF& corner : qAsConst(topLefts)) {
        left = qMin(left, corner.x());
        top = qMin(top, corner.y());
    }
    for (QPointF& corner : topLefts)
        corner -= QPointF(left, top);
    return topLefts;
}

QVector<QRectF> FlowLayout::rectsOf(const LayoutGraph& graph, const QVector<QPointF>& topLefts)
{
    QVector<QRectF> rects;
    rects.reserve(topLefts.size());
    for (int i = 0; i < topLefts.size(); ++i)
        rects.append(QRectF(topLefts.at(i), graph.sizes.at(i)));
    return rects;
}

bool FlowLayout::anyOverlap(const QVector<QRectF>& rects)
{
    // By left edge: each rectangle meets only those that start before it
    // ends.
    QVector<int> order(rects.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&rects](int a, int b) { return rects.at(a).left() < rects.at(b).left(); });
    for (int i = 0; i < order.size(); ++i) {
        const QRectF& a = rects.at(order.at(i));
        for (int j = i + 1; j < order.size(); ++j) {
            const QRectF& b = rects.at(order.at(j));
            if (b.left() >= a.right())
                break;
            if (b.top() < a.bottom() && a.top() < b.bottom())
                return true;
        }
    }
    return false;
}
