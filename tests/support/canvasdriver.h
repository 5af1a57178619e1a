#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <Qt>

#include <memory>

class GraphWidget;

namespace ZorTest {

// A shown canvas driven through mouse events on its viewport, as a user
// would, at scene positions.
class CanvasDriver
{
public:
    // A canvas of its own.
    CanvasDriver();
    // The canvas of a window, which the window shows.
    explicit CanvasDriver(GraphWidget* canvas);
    ~CanvasDriver();

    GraphWidget* canvas() const { return m_canvas; }
    // Shows the canvas offscreen and scrolls it to the scene's origin.
    bool show();

    QPoint toView(const QPointF& scenePos) const;
    void press(const QPointF& scenePos, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // A move with the left button held.
    void moveTo(const QPointF& scenePos, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void release(const QPointF& scenePos, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(const QPointF& scenePos, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void drag(const QPointF& from, const QPointF& to,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // What the window system sends for a double click: press, release,
    // double click, release.
    void doubleClick(const QPointF& scenePos);
    // The double-click event alone, with the given buttons held.
    void doubleClickEvent(const QPointF& scenePos, Qt::MouseButtons buttons = Qt::LeftButton);
    // Paints the viewport now, as the event loop would.
    void paint();
    // What the screen shows of the viewport once the pending repaints are
    // done: only what the toolkit chose to repaint is new.
    QImage shown() const;

private:
    std::unique_ptr<GraphWidget> m_own;
    GraphWidget* m_canvas;
};

} // namespace ZorTest
