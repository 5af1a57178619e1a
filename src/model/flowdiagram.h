#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// What the group needs from the flow diagram that shows it: where a macro's
// box stands, and the removal of the boxes the user selected. The canvas
// implements it; the model stays free of widgets.
class FlowDiagram
{
public:
    virtual ~FlowDiagram() = default;

    // The scene position and the rectangle (in the box's own coordinates) of
    // the box with this acronym; false when there is none.
    virtual bool boxGeometry(const QString& sigla, QPointF* position, QRectF* rect) const = 0;
    // Removes the selected boxes with their arrows; returns their acronyms.
    virtual QList<QString> deleteSelectedItems() = 0;
};
