#pragma once

#include <QPair>
#include <QPointF>
#include <QSizeF>
#include <QVector>

// A flow as the layout engines see it: boxes by index with their sizes, and
// links between them. Self-links and repeated links may appear; the engines
// ignore them.
struct LayoutGraph
{
    QVector<QSizeF> sizes;
    QVector<QPair<int, int>> links;

    int boxCount() const { return sizes.size(); }

    // The links once each, without self-links.
    QVector<QPair<int, int>> distinctLinks() const;
    // The boxes in an order along which few links point backwards.
    QVector<int> flowOrder() const;
    // The distinct links that point forwards in that order: no cycles.
    QVector<QPair<int, int>> forwardLinks() const;
    // Those and the others turned round, each pair of boxes once: every
    // link points forwards.
    QVector<QPair<int, int>> acyclicLinks() const;
    // The same with the links turned round where a depth-first walk from the
    // boxes in their order finds them closing a cycle, as Graphviz itself
    // would turn them.
    QVector<QPair<int, int>> depthFirstAcyclicLinks() const;

private:
    // The distinct links, each turned to point to the box of higher rank.
    QVector<QPair<int, int>> turnedForward(const QVector<int>& rank) const;
};

// Room left between boxes, in scene units: between neighbours in a row, and
// between rows.
struct LayoutSpacing
{
    qreal across = 60;
    qreal between = 80;
};
