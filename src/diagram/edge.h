#pragma once

#include "app/zorobject.h"

#include <QColor>
#include <QGraphicsItem>
#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

class Node;

// One arrow of the flow diagram: the destination macro may follow the source
// macro. A straight line from border to border of the two boxes with a
// filled head at the destination. It takes no mouse input and lies behind
// the boxes unless its source box is marked.
class Edge : public QGraphicsItem, private ZorObject
{
public:
    enum { Type = UserType + 2 };

    // Attaches itself to both boxes. The scene it is added to owns it.
    Edge(Node* sourceNode, Node* destNode);
    Edge(const Edge&) = delete;
    Edge& operator=(const Edge&) = delete;

    int type() const override { return Type; }

    Node* sourceNode() const { return m_source; }
    Node* destNode() const { return m_dest; }
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    QPointF sourcePoint() const { return m_sourcePoint; }
    QPointF destPoint() const { return m_destPoint; }
    // The head's three corners: the tip at the destination point, then the
    // two back corners. Empty when nothing is drawn.
    QPolygonF arrowHead() const;

    // Recomputes the end points from the boxes' present geometry.
    void adjust();

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    // Where the centre line crosses the border of the box; false when it
    // crosses none of the four sides (one centre inside the other box).
    bool borderPoint(const QLineF& line, const Node* box, QPointF* point) const;
    bool isDrawn() const;
    void updateBounds();

    Node* m_source;
    Node* m_dest;
    QPointF m_sourcePoint;
    QPointF m_destPoint;
    qreal m_arrowSize = 10.0;
    QColor m_color{0, 0, 0, 255};
    QRectF m_bounds;
};
