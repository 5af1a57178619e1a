#pragma once

#include "flowlayout.h"
#include "layoutgraph.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QVector>

#include <atomic>

class Group;
class Macro;

// Boxes of a group laid out by their flow: prepared from the group, computed
// from that copy alone (on any thread, while the group goes on living on its
// own), then applied. The boxes keep their sizes; the arranged ones keep
// their top-left corner where the top-left corner of all of them was, unless
// boxes that stay are in the way: then they go to the nearest place clear
// of those.
class GroupArrangement
{
public:
    // The canvas's grid, on unless the user turns it off: where the command
    // line puts the boxes.
    static constexpr int GridStep = 10;
    // Room kept between the arranged boxes and the boxes that stay.
    static constexpr int Clearance = 40;

    // Arranges the boxes of macros (of the group, in any order); the other
    // boxes stay. gridStep > 0 puts every corner on the grid.
    GroupArrangement(const Group& group, const QList<Macro*>& macros, int gridStep);

    // The macros arranged, in the group's order.
    const QList<Macro*>& macros() const { return m_macros; }
    const LayoutGraph& graph() const { return m_graph; }

    // False only when cancelled. Reads neither the group nor its macros.
    bool compute(const std::atomic_bool* cancel = nullptr);
    // After compute: the new corner of each macro's box, in macros() order.
    const QVector<QPoint>& positions() const { return m_positions; }
    FlowLayout::Engine engine() const { return m_engine; }

    // Moves the boxes in the group itself, outside any undo: for the
    // command line.
    void apply() const;
    // Every box of the group, computed and applied at once.
    static FlowLayout::Engine arrangeAll(Group& group, int gridStep);

private:
    QPointF placeBlock(const QVector<QRectF>& block) const;
    QPointF onGrid(const QPointF& point) const;

    QList<Macro*> m_macros;
    LayoutGraph m_graph;
    QVector<QRectF> m_staying;
    QPointF m_anchor;
    int m_gridStep;
    QVector<QPoint> m_positions;
    FlowLayout::Engine m_engine = FlowLayout::Engine::Layered;
};
