#include "node.h"

#include "edge.h"
#include "graphwidget.h"
#include "model/macro.h"
#include "sizegripitem.h"

#include <QCursor>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

namespace {

const QColor MarkedEdgeColor(255, 0, 0, 255);
const QColor EdgeColor(0, 0, 0, 255);
// Room between the box's border and its text.
constexpr qreal TextMargin = 3.0;

quint64 nextCreationOrder()
{
    static quint64 counter = 0;
    return ++counter;
}

} // namespace

Node::Node(GraphWidget* graph, const QRectF& rect)
    : QGraphicsRectItem(rect), m_graph(graph), m_creationOrder(nextCreationOrder())
{
    logConstruction();
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
}

Node::~Node()
{
    if (m_graph)
        m_graph->nodeDestroyed(this);
}

void Node::setSigla(const QString& sigla)
{
    if (sigla == m_sigla)
        return;
    const QString old = m_sigla;
    m_sigla = sigla;
    updateToolTip();
    if (m_graph)
        m_graph->nodeSiglaChanged(this, old);
}

void Node::setNum(const QString& num)
{
    m_num = num;
    updateToolTip();
}

void Node::setName(const QString& name)
{
    m_name = name;
    m_shownWidth = -1;
    updateToolTip();
}

void Node::updateToolTip()
{
    setToolTip(QStringLiteral("%1 %2 - %3").arg(m_num, m_sigla, m_name));
}

QString Node::text() const
{
    return m_sigla + QLatin1Char('\n') + m_num + QLatin1Char('\n') + m_name;
}

QString Node::shownName(const QFont& font) const
{
    const qreal width = rect().width() - 2 * TextMargin;
    if (width != m_shownWidth || font != m_shownFont) {
        m_shownName = QFontMetricsF(font).elidedText(m_name, Qt::ElideRight, width);
        m_shownWidth = width;
        m_shownFont = font;
    }
    return m_shownName;
}

void Node::addEdge(Edge* edge)
{
    m_edges.append(edge);
    edge->adjust();
}

void Node::removeEdge(Edge* edge)
{
    m_edges.removeAll(edge);
}

Edge* Node::edgeTo(const QString& sigla) const
{
    for (Edge* edge : m_edges) {
        if (edge->destNode() && edge->destNode()->sigla() == sigla)
            return edge;
    }
    return nullptr;
}

void Node::adjustEdges()
{
    // The canvas first, so that the arrows see the box where it now is.
    if (m_graph)
        m_graph->nodeMoved(this);
    for (Edge* edge : qAsConst(m_edges))
        edge->adjust();
}

void Node::syncWithMacro()
{
    if (!m_macro)
        return;
    setSigla(m_macro->sigla());
    setNum(m_macro->num());
    setName(m_macro->name());
    m_color = Macro::typeColor(m_macro->type());
    setBrush(QBrush(m_color, Qt::SolidPattern));
    const QRect box = m_macro->dimensions();
    setGeometry(m_macro->position(), QRectF(0, 0, box.width(), box.height()));
    update();
}

void Node::setGeometry(const QPointF& position, const QRectF& rect)
{
    m_placing = true;
    if (rect != this->rect())
        setRect(rect);
    setPos(position);
    m_placing = false;
    if (m_grip)
        m_grip->updateHandleItemPositions();
    adjustEdges();
}

void Node::setMarked(bool on)
{
    // Off the scene there is no selection to keep the mark in.
    if (scene())
        setSelected(on);
    else
        showMark(on);
}

void Node::showMark(bool on)
{
    if (on == m_marked)
        return;
    m_marked = on;
    // The handles show the mark at once rather than at some later repaint.
    if (m_grip)
        m_grip->updateHandleItemPositions();
    update();
}

void Node::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option)
    Q_UNUSED(widget)
    // No selection frame: the mark shows through the handles and the arrows.
    painter->setBackgroundMode(Qt::OpaqueMode);
    painter->setBrush(QBrush(m_color, Qt::SolidPattern));
    painter->drawRect(rect());
    painter->setBackground(QBrush(m_color, Qt::SolidPattern));
    m_boxText.draw(painter, rect(),
                   m_sigla + QLatin1Char('\n') + m_num + QLatin1Char('\n') +
                       shownName(painter->font()));

    // Catches up with a rectangle set from outside the handles.
    if (m_grip && m_paintCount % 2 == 0) {
        m_grip->updateHandleItemPositions();
        m_paintCount = 0;
    }
    ++m_paintCount;

    updateEdgeColors();
}

void Node::updateEdgeColors()
{
    // Set only what differs: a change schedules another repaint.
    for (Edge* edge : qAsConst(m_edges)) {
        const Node* source = edge->sourceNode();
        if (m_marked && source == this) {
            edge->setColor(MarkedEdgeColor);
            edge->setRaised(true);
        } else if (source && !source->isMarked()) {
            edge->setColor(EdgeColor);
            edge->setRaised(false);
        }
    }
}

QVariant Node::itemChange(GraphicsItemChange change, const QVariant& value)
{
    switch (change) {
    case ItemPositionHasChanged:
    case ItemTransformHasChanged:
    case ItemScaleHasChanged:
        adjustEdges();
        break;
    case ItemPositionChange:
        if (!m_placing && m_graph && m_graph->gridOn() && scene())
            return GraphWidget::snapToGrid(value.toPointF());
        break;
    case ItemSelectedHasChanged:
        showMark(value.toBool());
        break;
    default:
        break;
    }
    return QGraphicsRectItem::itemChange(change, value);
}

void Node::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    // The toolkit's selection: a click selects the box alone, Ctrl+click
    // toggles it. Shift+click adds it: taken as a Ctrl+click, the others stay
    // selected, and the release must not toggle a box that already was.
    m_keepSelected = false;
    if (event->modifiers() & Qt::ShiftModifier) {
        m_keepSelected = isSelected();
        event->setModifiers(event->modifiers() | Qt::ControlModifier);
    }
    setCursor(Qt::SizeAllCursor);
    QGraphicsRectItem::mousePressEvent(event);
}

void Node::mouseReleaseEvent(QGraphicsSceneMouseEvent* event)
{
    setCursor(Qt::ArrowCursor);
    if (event->modifiers() & Qt::ShiftModifier)
        event->setModifiers(event->modifiers() | Qt::ControlModifier);
    QGraphicsRectItem::mouseReleaseEvent(event);
    if (m_keepSelected)
        setSelected(true);
    m_keepSelected = false;
}

void Node::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    // The canvas handles double clicks.
    Q_UNUSED(event)
}
