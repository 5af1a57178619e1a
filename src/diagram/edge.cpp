#include "edge.h"

#include "graphwidget.h"
#include "node.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QStyleOptionGraphicsItem>
#include <QtMath>

namespace {

// Centres at most this far apart draw no arrow.
constexpr qreal MinimumLength = 20.0;
// Layers: behind the boxes; over them when passing under one; over them
// and the passing ones when the source is marked; over everything under the
// mouse.
constexpr qreal EdgeZ = -1.0;
constexpr qreal PassingZ = 0.5;
constexpr qreal RaisedZ = 1.0;
constexpr qreal HoveredZ = 2.0;
const QColor HoveredColor(0, 110, 220);
constexpr qreal HoveredWidth = 2.0;
// Below this scale an arrow that passes under a box is drawn solid.
constexpr qreal MinimumDashedDetail = 0.5;
// How near the mouse must come to take the arrow.
constexpr qreal HoverReach = 4.0;
// The loop over a box's top right corner: how far its ends lie from the
// corner, and how far out it reaches.
constexpr qreal LoopEnd = 24.0;
constexpr qreal LoopReach = 40.0;

qreal distanceToSegment(const QPointF& point, const QLineF& segment)
{
    const QPointF d = segment.p2() - segment.p1();
    const qreal length2 = QPointF::dotProduct(d, d);
    qreal t = length2 > 0 ? QPointF::dotProduct(point - segment.p1(), d) / length2 : 0;
    t = qBound(0.0, t, 1.0);
    return QLineF(point, segment.p1() + t * d).length();
}

} // namespace

Edge::Edge(Node* sourceNode, Node* destNode) : m_source(sourceNode), m_dest(destNode)
{
    logConstruction();
    setZValue(EdgeZ);
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(true);
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

void Edge::setRaised(bool raised)
{
    m_raised = raised;
    updateLayer();
}

void Edge::updateLayer()
{
    const qreal z = m_hovered ? HoveredZ : m_raised ? RaisedZ : m_passing ? PassingZ : EdgeZ;
    if (zValue() != z)
        setZValue(z);
}

QString Edge::endsText() const
{
    if (!m_source || !m_dest)
        return QString();
    return m_source->sigla() + QStringLiteral(" \u2192 ") + m_dest->sigla();
}

void Edge::adjust()
{
    if (!m_source || !m_dest)
        return;
    QPointF sourcePoint;
    QPointF destPoint;
    if (isLoop()) {
        const QRectF box = mapRectFromItem(m_source, m_source->boundingRect());
        const qreal end = qMin(LoopEnd, qMin(box.width(), box.height()) / 3);
        sourcePoint = QPointF(box.right() - end, box.top());
        destPoint = QPointF(box.right(), box.top() + end);
    } else {
        const QLineF line(mapFromItem(m_source, m_source->boundingRect().center()),
                          mapFromItem(m_dest, m_dest->boundingRect().center()));
        sourcePoint = line.p1();
        destPoint = line.p1();
        if (line.length() > MinimumLength) {
            // Without a crossing the point keeps what the last side test gave.
            sourcePoint = m_sourcePoint;
            destPoint = m_destPoint;
            borderPoint(line, m_source, &sourcePoint);
            borderPoint(line, m_dest, &destPoint);
        }
    }
    if (sourcePoint != m_sourcePoint || destPoint != m_destPoint) {
        prepareGeometryChange();
        m_sourcePoint = sourcePoint;
        m_destPoint = destPoint;
        updateBounds();
    }
    updatePassing();
}

void Edge::updatePassing()
{
    bool passing = false;
    const GraphWidget* graph = m_source ? m_source->graphWidget() : nullptr;
    if (graph && graph->isPassingDeferred())
        return;
    if (graph && !isLoop() && isDrawn())
        passing = graph->passesUnderBox(QLineF(m_sourcePoint, m_destPoint), m_source, m_dest);
    if (passing == m_passing)
        return;
    m_passing = passing;
    updateLayer();
    update();
}

QPointF Edge::loopControl1() const
{
    return m_sourcePoint + QPointF(0, -LoopReach);
}

QPointF Edge::loopControl2() const
{
    return m_destPoint + QPointF(LoopReach, 0);
}

QPainterPath Edge::loopPath() const
{
    QPainterPath path(m_sourcePoint);
    path.cubicTo(loopControl1(), loopControl2(), m_destPoint);
    return path;
}

QPointF Edge::headBase() const
{
    return isLoop() ? loopControl2() : m_sourcePoint;
}

void Edge::updateBounds()
{
    // Asked for at every paint of every arrow: kept, as it changes only here.
    const qreal extra = (1.0 + m_arrowSize) / 2.0;
    QRectF bounds(m_sourcePoint, m_destPoint);
    if (isLoop())
        bounds = bounds.united(QRectF(loopControl1(), loopControl2()));
    m_bounds = bounds.normalized().adjusted(-extra, -extra, extra, extra);
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
    if (!m_source || !m_dest)
        return false;
    return isLoop() || QLineF(m_sourcePoint, m_destPoint).length() != 0.0;
}

QPolygonF Edge::arrowHead() const
{
    if (!isDrawn())
        return {};
    const QLineF line(headBase(), m_destPoint);
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

QPainterPath Edge::shape() const
{
    // The line and the head, as wide as the mouse's reach.
    QPainterPath path;
    if (!isDrawn())
        return path;
    if (isLoop()) {
        path = loopPath();
    } else {
        path.moveTo(m_sourcePoint);
        path.lineTo(m_destPoint);
    }
    QPainterPathStroker stroker;
    stroker.setWidth(2 * HoverReach);
    path = stroker.createStroke(path);
    path.addPolygon(arrowHead());
    return path;
}

bool Edge::contains(const QPointF& point) const
{
    // Asked at every move of the mouse over the arrow's bounds: measured,
    // without building the shape.
    if (!isDrawn() || !m_bounds.contains(point))
        return false;
    if (isLoop())
        return shape().contains(point);
    return distanceToSegment(point, QLineF(m_sourcePoint, m_destPoint)) <= HoverReach ||
           arrowHead().containsPoint(point, Qt::OddEvenFill);
}

void Edge::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    Q_UNUSED(event)
    m_hovered = true;
    // Set here, so that it names the ends as they are called now.
    setToolTip(endsText());
    updateLayer();
    update();
}

void Edge::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    Q_UNUSED(event)
    m_hovered = false;
    updateLayer();
    update();
}

void Edge::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(widget)
    if (!isDrawn())
        return;
    const QBrush brush(m_hovered ? HoveredColor : m_color, Qt::SolidPattern);
    const qreal width = m_hovered ? HoveredWidth : 1.0;
    QPen pen(brush, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // Dashes shorter than a pixel or two can't be told from a line, and cost
    // many times as much to draw.
    if (m_passing && !m_hovered &&
        option->levelOfDetailFromTransform(painter->worldTransform()) >= MinimumDashedDetail)
        pen.setStyle(Qt::DashLine);
    painter->setPen(pen);
    if (isLoop()) {
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(loopPath());
    } else {
        painter->drawLine(QLineF(m_sourcePoint, m_destPoint));
    }
    if (pen.style() != Qt::SolidLine) {
        pen.setStyle(Qt::SolidLine);
        painter->setPen(pen);
    }
    painter->setBrush(brush);
    painter->drawPolygon(arrowHead(), Qt::OddEvenFill);
}
