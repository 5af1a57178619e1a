#pragma once

#include <QRectF>
#include <QSizeF>

class GraphWidget;
class QGraphicsScene;
class QPainter;

// What a picture or a printed page of the flow shares with the other: the
// part of the scene that is drawn, and the painter the boxes are drawn with.
class FlowDrawing
{
public:
    // Scene units of blank beyond the lowest and rightmost item.
    static constexpr int Margin = 20;
    // The boxes' text at the size the editor shows it on a common desktop
    // (10 points at 96 dots per inch), whatever the platform of the run.
    static constexpr int FontPixelSize = 13;

    // What the boxes and the arrows cover, wherever they lie.
    static QRectF flowBounds(const QGraphicsScene& scene);
    // From the scene's origin to a margin beyond the lowest and rightmost
    // item, so that a box stored at (x, y) is drawn at (x, y).
    static QSizeF sceneArea(const QGraphicsScene& scene);
    // The painter's hints and font, for the diagram to look as it does on
    // the canvas.
    static void preparePainter(QPainter& painter, const GraphWidget& graph);
};
