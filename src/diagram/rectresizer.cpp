#include "rectresizer.h"

#include <QGraphicsRectItem>

void RectResizer::operator()(QGraphicsItem* item, const QRectF& rect)
{
    // Boxes are rectangle items of their own type, so the cast is dynamic.
    if (auto* rectItem = dynamic_cast<QGraphicsRectItem*>(item))
        rectItem->setRect(rect);
}
