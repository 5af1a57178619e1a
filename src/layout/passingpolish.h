#pragma once

#include "boxgrid.h"
#include "layoutgraph.h"

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QVector>

#include <atomic>

// Canvas arrows are straight: a link that a layout engine routed around a
// box may still run straight under it, and seem to start or end there. This
// slides boxes sideways, within the room their neighbours leave, wherever
// that makes fewer arrows pass under a box that is not one of their ends.
// Nothing else about the layout changes; no two boxes come nearer than
// MinimumGap.
class PassingPolish
{
public:
    static constexpr qreal MinimumGap = 20;
    // On the largest, densest flows the passes could take longer than the
    // layout itself: they stop after this long, keeping what they improved.
    static constexpr int TimeLimitMs = 1500;

    PassingPolish(const LayoutGraph& graph, const QVector<QPointF>& topLefts, int gridStep);

    // Stops early, keeping what it improved, when cancel is set or the time
    // limit is reached.
    void run(const std::atomic_bool* cancel = nullptr);

    const QVector<QPointF>& topLefts() const { return m_topLefts; }
    // Arrows that pass under a box that is not one of their ends.
    int passingCount() const;

private:
    bool tryShifts(int box);
    // The change in passing arrows if the box stood at rect instead.
    int gainOfMove(int box, const QRectF& rect) const;
    void applyMove(int box, const QRectF& rect);
    // Calls visit(link, segment) for each link whose status a move of the
    // box to rect may change, with the segment it would have then.
    template <typename Visit>
    void forEachAffected(int box, const QRectF& rect, const Visit& visit) const;
    bool isPassing(int link, const QLineF& segment, int movedBox, const QRectF& movedRect) const;
    bool hasRoom(int box, const QRectF& rect) const;
    QLineF segmentOf(int link, int movedBox, const QRectF& movedRect) const;
    QRectF rectOf(int box) const;

    const LayoutGraph& m_graph;
    QVector<QPointF> m_topLefts;
    int m_gridStep;
    // Links once each, self-links left out.
    QVector<QPair<int, int>> m_links;
    QVector<QVector<int>> m_linksOf;
    BoxGrid<int> m_grid;
    // The links' segments, to find those near a box.
    BoxGrid<int> m_segmentGrid;
    QVector<QLineF> m_segments;
    // Marks the links already seen by one search.
    mutable QVector<int> m_seenIn;
    mutable int m_search = 0;
    QVector<bool> m_passing;
};
