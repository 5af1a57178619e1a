#include "flowdrawing.h"

#include "edge.h"
#include "graphwidget.h"
#include "node.h"

#include <QFont>
#include <QGraphicsScene>
#include <QPainter>

QRectF FlowDrawing::flowBounds(const QGraphicsScene& scene)
{
    // Only what is drawn counts: the boxes and the arrows, not the hidden
    // handles of the boxes.
    QRectF bounds;
    const QList<QGraphicsItem*> items = scene.items();
    for (const QGraphicsItem* item : items) {
        if (item->type() == Node::Type || item->type() == Edge::Type)
            bounds |= item->sceneBoundingRect();
    }
    return bounds;
}

QSizeF FlowDrawing::sceneArea(const QGraphicsScene& scene)
{
    const QRectF bounds = flowBounds(scene);
    return QSizeF(qMax(qreal(0), bounds.right()) + Margin,
                  qMax(qreal(0), bounds.bottom()) + Margin);
}

void FlowDrawing::preparePainter(QPainter& painter, const GraphWidget& graph)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // The boxes write their text in the painter's font.
    QFont font = graph.font();
    font.setPixelSize(FontPixelSize);
    painter.setFont(font);
}
