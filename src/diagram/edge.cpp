#include "edge.h"

#include "node.h"

#include <QPainter>
#include <QPen>
#include <QtMath>

namespace {

// Centres at most this far apart draw no arrow.
constexpr qreal MinimumLength = 20.0;

} // namespace

Edge::Edge(Node* sourceNode, Node* destNode) : m_source(sourceNode), m_dest(destNode)
{
    logConstruction();
    setZValue(-1.0);
    setAcceptedMouseButtons(Qt::NoButton);
    updateBounds();
    // Once, when both boxes know the arrow, rather than at each attachment:
    // the result is the same.
    m_source->attachEdge(this);
    m_dest->attachEdge(this);
    adjust();
}

void Edge::setColor(const QColor& color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void Edge::adjust()
{
    if (!m_source || !m_dest)
        return;
    const QLineF line(mapFromItem(m_source, m_source->boundingRect().center()),
                      mapFromItem(m_dest, m_dest->boundingRect().center()));

    QPointF sourcePoint = line.p1();
    QPointF destPoint = line.p1();
    if (line.length() > MinimumLength) {
        // Without a crossing the point keeps what the last side test gave.
        sourcePoint = m_sourcePoint;
        destPoint = m_destPoint;
        borderPoint(line, m_source, &sourcePoint);
        borderPoint(line, m_dest, &destPoint);
    }
    if (sourcePoint == m_sourcePoint && destPoint == m_destPoint)
        return;
    prepareGeometryChange();
    m_sourcePoint = sourcePoint;
    m_destPoint = destPoint;
    updateBounds();
}

void Edge::updateBounds()
{
    // Asked for at every paint of every arrow: kept, as it changes only here.
    const qreal extra = (1.0 + m_arrowSize) / 2.0;
    m_bounds = QRectF(m_sourcePoint, QSizeF(m_destPoint.x() - m_sourcePoint.x(),
                                            m_destPoint.y() - m_sourcePoint.y()))
                   .normalized()
                   .adjusted(-extra, -extra, extra, extra);
}

bool Edge::borderPoint(const QLineF& line, const Node* box, QPointF* point) const
{
    const QRectF rect = box->boundingRect();
    // One mapping for the four corners.
    const QTransform toEdge = box->itemTransform(this);
    const QPointF topLeft = toEdge.map(rect.topLeft());
    const QPointF topRight = toEdge.map(rect.topRight());
    const QPointF bottomLeft = toEdge.map(rect.bottomLeft());
    const QPointF bottomRight = toEdge.map(rect.bottomRight());
    const QLineF sides[] = {
        {topLeft, topRight},       // top
        {topLeft, bottomLeft},     // left
        {topRight, bottomRight},   // right
        {bottomLeft, bottomRight}, // bottom
    };
    for (const QLineF& side : sides) {
        if (line.intersects(side, point) == QLineF::BoundedIntersection)
            return true;
    }
    return false;
}

bool Edge::isDrawn() const
{
    return m_source && m_dest && QLineF(m_sourcePoint, m_destPoint).length() != 0.0;
}

QPolygonF Edge::arrowHead() const
{
    if (!isDrawn())
        return {};
    const QLineF line(m_sourcePoint, m_destPoint);
    // The angle grows counter-clockwise on screen, where y points down.
    qreal angle = std::acos(line.dx() / line.length());
    if (line.dy() >= 0)
        angle = 2 * M_PI - angle;
    const QPointF p1 = m_destPoint + QPointF(std::sin(angle - M_PI / 3) * m_arrowSize,
                                             std::cos(angle - M_PI / 3) * m_arrowSize);
    const QPointF p2 = m_destPoint + QPointF(std::sin(angle - M_PI + M_PI / 3) * m_arrowSize,
                                             std::cos(angle - M_PI + M_PI / 3) * m_arrowSize);
    return QPolygonF({m_destPoint, p1, p2});
}

QRectF Edge::boundingRect() const
{
    if (!m_source || !m_dest)
        return {};
    return m_bounds;
}

void Edge::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option)
    Q_UNUSED(widget)
    if (!isDrawn())
        return;
    const QBrush brush(m_color, Qt::SolidPattern);
    painter->setPen(QPen(brush, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawLine(QLineF(m_sourcePoint, m_destPoint));
    painter->setBrush(brush);
    painter->drawPolygon(arrowHead(), Qt::OddEvenFill);
}
