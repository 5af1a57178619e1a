#pragma once

#include <QList>
#include <QRectF>

#include <memory>

class GraphWidget;
class Group;
class Node;

// A second canvas holding only the boxes (with their handles) and the arrows
// of a canvas that its viewport shows now: the least any repaint of that
// view has to draw. An arrow whose box lies outside the view keeps that box
// alive but out of the scene, so that it draws exactly as on the canvas.
class VisibleCopy
{
public:
    VisibleCopy(const GraphWidget& canvas, const Group& group);
    ~VisibleCopy();
    VisibleCopy(const VisibleCopy&) = delete;
    VisibleCopy& operator=(const VisibleCopy&) = delete;

    GraphWidget& widget() const { return *m_widget; }
    int boxCount() const { return m_boxCount; }
    int arrowCount() const { return m_arrowCount; }

private:
    std::unique_ptr<GraphWidget> m_widget;
    // Boxes outside the view that visible arrows start or end at.
    QList<Node*> m_outsideBoxes;
    int m_boxCount = 0;
    int m_arrowCount = 0;
};
