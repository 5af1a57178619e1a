#pragma once

#include "app/zorobject.h"

#include <QColor>
#include <QGraphicsItem>
#include <QLineF>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

class Node;

// One arrow of the flow diagram: the destination macro may follow the source
// macro. A straight line from border to border of the two boxes with a
// filled head at the destination; a loop over the box's top right corner for
// a macro that may follow itself. It takes no clicks and lies behind the
// boxes unless its source box is marked. An arrow that passes under a box
// that is neither of its ends would seem to start or end there: it is drawn
// dashed, over that box. Under the mouse an arrow stands out, and its tool
// tip names both ends.
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
    // Raised above the boxes, as the arrows of a marked box are.
    void setRaised(bool raised);
    bool isLoop() const { return m_source == m_dest; }
    // Whether the arrow passes under a box that is neither of its ends.
    bool isPassing() const { return m_passing; }
    // Asks the canvas again, when other boxes moved.
    void updatePassing();
    bool isHovered() const { return m_hovered; }
    // "ENT → AGD".
    QString endsText() const;
    QPointF sourcePoint() const { return m_sourcePoint; }
    QPointF destPoint() const { return m_destPoint; }
    // The head's three corners: the tip at the destination point, then the
    // two back corners. Empty when nothing is drawn.
    QPolygonF arrowHead() const;

    // Recomputes the end points from the boxes' present geometry.
    void adjust();

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF& point) const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;

private:
    // Where the centre line crosses the border of the box; false when it
    // crosses none of the four sides (one centre inside the other box).
    bool borderPoint(const QLineF& line, const Node* box, QPointF* point) const;
    bool isDrawn() const;
    void updateBounds();
    void updateLayer();
    // The loop's two control points.
    QPointF loopControl1() const;
    QPointF loopControl2() const;
    QPainterPath loopPath() const;
    // Where the head's direction comes from.
    QPointF headBase() const;

    Node* m_source;
    Node* m_dest;
    QPointF m_sourcePoint;
    QPointF m_destPoint;
    qreal m_arrowSize = 10.0;
    QColor m_color{0, 0, 0, 255};
    QRectF m_bounds;
    bool m_raised = false;
    bool m_passing = false;
    bool m_hovered = false;
};
