#pragma once

#include "sizegripitem.h"

// Gives a rectangle item the rectangle edited through its grip.
class RectResizer : public SizeGripItem::Resizer
{
public:
    void operator()(QGraphicsItem* item, const QRectF& rect) override;
};
