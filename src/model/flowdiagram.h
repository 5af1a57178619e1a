#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class Macro;

// What the group needs from the flow diagram that shows it: where a macro's
// box stands. The canvas implements it; the model stays free of widgets.
class FlowDiagram
{
public:
    virtual ~FlowDiagram() = default;

    // The scene position and the rectangle (in the box's own coordinates) of
    // the macro's box; false when it has none.
    virtual bool boxGeometry(const Macro* macro, QPointF* position, QRectF* rect) const = 0;
};
