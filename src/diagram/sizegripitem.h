#pragma once

#include "app/zorobject.h"

#include <QGraphicsItem>
#include <QGraphicsRectItem>
#include <QList>
#include <QRectF>

#include <memory>

class Node;

// Eight small square handles on the corners and side midpoints of a box.
// Dragging a handle changes the box's rectangle, never below 40 units in
// either direction and, with the grid on, with the dragged edge on the grid.
// The handles are visible only while their box is marked.
class SizeGripItem : public QGraphicsItem, private ZorObject
{
public:
    enum { Type = UserType + 3 };

    // Applies an edited rectangle to the item the grip belongs to.
    class Resizer
    {
    public:
        virtual ~Resizer() = default;
        virtual void operator()(QGraphicsItem* item, const QRectF& rect) = 0;
    };

    class HandleItem : public QGraphicsRectItem
    {
    public:
        enum { Type = UserType + 4 };
        enum PositionFlags {
            Top = 0x1,
            Bottom = 0x2,
            Left = 0x4,
            Right = 0x8,
            TopLeft = Top | Left,
            TopRight = Top | Right,
            BottomLeft = Bottom | Left,
            BottomRight = Bottom | Right,
        };

        HandleItem(int positionFlags, SizeGripItem* parent);

        int type() const override { return Type; }
        int positionFlags() const { return m_positionFlags; }

    protected:
        QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
        void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
        void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;

    private:
        QPointF restrictPosition(const QPointF& newPos) const;

        int m_positionFlags;
        SizeGripItem* m_grip;
        QPointF m_pressPos;
    };

    // The grip becomes a child of parent and owns resizer.
    SizeGripItem(std::unique_ptr<Resizer> resizer, QGraphicsItem* parent);
    ~SizeGripItem() override;
    SizeGripItem(const SizeGripItem&) = delete;
    SizeGripItem& operator=(const SizeGripItem&) = delete;

    int type() const override { return Type; }
    // The edited rectangle with the handles that stick out of it.
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left.
    const QList<HandleItem*>& handleItems() const { return m_handleItems; }
    QRectF rect() const { return m_rect; }
    Node* owner() const { return m_owner; }
    // Places the handles on the edited rectangle and shows them when the box
    // is marked.
    void updateHandleItemPositions();

private:
    bool gridOn() const;
    void setTop(qreal y);
    void setBottom(qreal y);
    void setLeft(qreal x);
    void setRight(qreal x);
    void resizeOwner();

    QList<HandleItem*> m_handleItems;
    QRectF m_rect;
    std::unique_ptr<Resizer> m_resizer;
    Node* m_owner;
};
