#pragma once

#include "layoutgraph.h"

#include <QPointF>
#include <QVector>

#include <atomic>

// A layered placement of our own, top to bottom, for flows too large or too
// dense for Graphviz to finish in time: the links are turned to point down
// (the few that point backwards in the flow's order reversed), the boxes go into rows of at most a
// given number each, the rows are ordered by the barycentres of the boxes'
// neighbours and the boxes are pulled toward their neighbours without
// overlapping. Linear in the links per pass, with a few passes; it stops
// early when cancel is set.
class LayeredLayout
{
public:
    explicit LayeredLayout(const LayoutGraph& graph, const LayoutSpacing& spacing = {});

    // The centre of each box; false when cancelled.
    bool run(QVector<QPointF>* centres, const std::atomic_bool* cancel = nullptr);

    // The most boxes a row takes: about one and a half times as wide as the
    // drawing is tall.
    int rowLimit() const;

private:
    void breakCycles();
    void assignRows();
    void orderRows(bool downwards);
    void placeAcross(bool downwards);
    QVector<QPointF> centres() const;
    qreal gapBetween(int left, int right) const;
    bool cancelled() const { return m_cancel && *m_cancel; }

    const LayoutGraph& m_graph;
    LayoutSpacing m_spacing;
    const std::atomic_bool* m_cancel = nullptr;
    // Each box's neighbours with the links pointing down, in both directions.
    QVector<QVector<int>> m_above;
    QVector<QVector<int>> m_below;
    QVector<int> m_row;
    QVector<QVector<int>> m_rows;
    QVector<qreal> m_x;
};
