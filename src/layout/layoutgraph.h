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
};

// Room left between boxes, in scene units: between neighbours in a row, and
// between rows.
struct LayoutSpacing
{
    qreal across = 40;
    qreal between = 60;
};
