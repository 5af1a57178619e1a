#include "sizegripitem.h"

#include "graphwidget.h"
#include "node.h"

#include <QBrush>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPen>

namespace {

// No side of a box gets shorter than this.
constexpr qreal MinimumSize = 40.0;

// The edited rectangle of a rectangle item is its own rectangle; its
// bounding rectangle also holds half the pen and would grow the box by a
// unit at every drag.
QRectF editedRect(const QGraphicsItem* item)
{
    if (!item)
        return {};
    if (const auto* rectItem = dynamic_cast<const QGraphicsRectItem*>(item))
        return rectItem->rect();
    return item->boundingRect();
}

// Corner handles on the corners, side handles one unit short of the middle
// of their side.
QPointF handlePosition(int flags, const QRectF& rect)
{
    using Handle = SizeGripItem::HandleItem;
    qreal x = rect.left() + rect.width() / 2 - 1;
    qreal y = rect.top() + rect.height() / 2 - 1;
    if (flags & Handle::Left)
        x = rect.left();
    else if (flags & Handle::Right)
        x = rect.right();
    if (flags & Handle::Top)
        y = rect.top();
    else if (flags & Handle::Bottom)
        y = rect.bottom();
    return {x, y};
}

} // namespace

SizeGripItem::HandleItem::HandleItem(int positionFlags, SizeGripItem* parent)
    : QGraphicsRectItem(-3, -3, 5, 5, parent), m_positionFlags(positionFlags), m_grip(parent)
{
    setPen(Qt::NoPen);
    setFlags(ItemIsMovable | ItemSendsGeometryChanges);
}

QVariant SizeGripItem::HandleItem::itemChange(GraphicsItemChange change, const QVariant& value)
{
    if (change == ItemPositionChange)
        return restrictPosition(value.toPointF());
    if (change == ItemPositionHasChanged) {
        QPointF p = value.toPointF();
        if (m_grip->gridOn())
            p = GraphWidget::snapToGrid(p);
        if (m_positionFlags & Top)
            m_grip->setTop(p.y());
        if (m_positionFlags & Bottom)
            m_grip->setBottom(p.y());
        if (m_positionFlags & Left)
            m_grip->setLeft(p.x());
        if (m_positionFlags & Right)
            m_grip->setRight(p.x());
        m_grip->resizeOwner();
        m_grip->updateHandleItemPositions();
    }
    return value;
}

void SizeGripItem::HandleItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressPos = pos();
    event->accept();
}

void SizeGripItem::HandleItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event)
{
    // Only the handle moves. The toolkit's own drag would move the selected
    // items instead, and a marked box is selected, so its visible handles
    // would carry the whole box away rather than resize it.
    if (!(event->buttons() & Qt::LeftButton) || !parentItem()) {
        event->ignore();
        return;
    }
    const QGraphicsItem* parent = parentItem();
    const QPointF offset = parent->mapFromScene(event->scenePos()) -
                           parent->mapFromScene(event->buttonDownScenePos(Qt::LeftButton));
    setPos(m_pressPos + offset);
}

QPointF SizeGripItem::HandleItem::restrictPosition(const QPointF& newPos) const
{
    QPointF result = pos();
    if (m_positionFlags & (Top | Bottom))
        result.setY(newPos.y());
    if (m_positionFlags & (Left | Right))
        result.setX(newPos.x());

    const QRectF rect = m_grip->rect();
    if (m_positionFlags & Top)
        result.setY(qMin(result.y(), rect.bottom() - MinimumSize));
    else if (m_positionFlags & Bottom)
        result.setY(qMax(result.y(), rect.top() + MinimumSize));
    if (m_positionFlags & Left)
        result.setX(qMin(result.x(), rect.right() - MinimumSize));
    else if (m_positionFlags & Right)
        result.setX(qMax(result.x(), rect.left() + MinimumSize));
    return result;
}

SizeGripItem::SizeGripItem(std::unique_ptr<Resizer> resizer, QGraphicsItem* parent)
    : QGraphicsItem(parent), m_rect(editedRect(parent)), m_resizer(std::move(resizer)),
      m_owner(dynamic_cast<Node*>(parent))
{
    logConstruction();
    // The grip only holds the handles, and they all lie within its bounds:
    // the view then skips the handles of every box it does not show, and
    // finds them wherever they are.
    setFlag(ItemContainsChildrenInShape);
    const int flags[] = {HandleItem::TopLeft,    HandleItem::Top,         HandleItem::TopRight,
                         HandleItem::Right,      HandleItem::BottomRight, HandleItem::Bottom,
                         HandleItem::BottomLeft, HandleItem::Left};
    for (int positionFlags : flags)
        m_handleItems.append(new HandleItem(positionFlags, this));
    updateHandleItemPositions();
}

SizeGripItem::~SizeGripItem() = default;

QRectF SizeGripItem::boundingRect() const
{
    // A handle is the square (-3, -3, 5, 5) around its place on the rect;
    // its outline, antialiased, reaches half a unit beyond.
    return m_rect.adjusted(-4, -4, 3, 3);
}

void SizeGripItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(painter)
    Q_UNUSED(option)
    Q_UNUSED(widget)
}

void SizeGripItem::updateHandleItemPositions()
{
    // With a resizer the parent's rectangle is the edited one; it may also
    // have been set from outside (a loaded size).
    if (m_resizer && parentItem()) {
        const QRectF current = editedRect(parentItem());
        if (current != m_rect) {
            prepareGeometryChange();
            m_rect = current;
        }
    }
    const bool marked = m_owner && m_owner->isMarked();
    // Once without contents a handle no longer marks its area for repainting:
    // the handles that stick out of the box would stay on the screen.
    const bool shown = !m_handleItems.isEmpty() &&
                       !m_handleItems.constFirst()->flags().testFlag(ItemHasNoContents);
    if (shown && !marked && scene())
        scene()->update(sceneBoundingRect());
    const QBrush brush = marked ? QBrush(Qt::lightGray, Qt::SolidPattern) : QBrush(Qt::NoBrush);
    const QPen pen = marked ? QPen(Qt::SolidLine) : QPen(Qt::NoPen);
    for (HandleItem* handle : qAsConst(m_handleItems)) {
        // An invisible handle still takes drags, but paints nothing: said
        // so, the view skips it when it paints (a large diagram has
        // thousands). Its area is repainted while it still counts.
        if (marked)
            handle->setFlag(ItemHasNoContents, false);
        handle->setBrush(brush);
        handle->setPen(pen);
        if (!marked)
            handle->setFlag(ItemHasNoContents, true);
        const QPointF position = handlePosition(handle->positionFlags(), m_rect);
        // The boxes refresh their handles at every second paint: most of the
        // time nothing moves, and the flags need not change either.
        if (handle->pos() == position)
            continue;
        // Placing a handle must not count as a drag.
        handle->setFlag(ItemSendsGeometryChanges, false);
        handle->setPos(position);
        handle->setFlag(ItemSendsGeometryChanges, true);
    }
}

bool SizeGripItem::gridOn() const
{
    return m_owner && m_owner->graphWidget() && m_owner->graphWidget()->gridOn();
}

void SizeGripItem::setTop(qreal y)
{
    prepareGeometryChange();
    m_rect.setTop(y);
}

void SizeGripItem::setBottom(qreal y)
{
    prepareGeometryChange();
    m_rect.setBottom(y);
}

void SizeGripItem::setLeft(qreal x)
{
    prepareGeometryChange();
    m_rect.setLeft(x);
}

void SizeGripItem::setRight(qreal x)
{
    prepareGeometryChange();
    m_rect.setRight(x);
}

void SizeGripItem::resizeOwner()
{
    if (!m_resizer)
        return;
    (*m_resizer)(parentItem(), m_rect);
    // The arrows keep touching the box's border.
    if (m_owner)
        m_owner->adjustEdges();
}
