#include "canvassteps.h"

#include "paintwatch.h"
#include "windowdriver.h"

#include "diagram/graphwidget.h"
#include "diagram/node.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

// One grid step at zoom 1.
constexpr int StepPixels = GraphWidget::GridStep;

void sendMouse(GraphWidget& canvas, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QWidget* viewport = canvas.viewport();
    QMouseEvent event(type, pos, viewport->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

} // namespace

CanvasSteps::CanvasSteps(WindowDriver& driver, int steps) : m_driver(driver), m_steps(steps) {}

void CanvasSteps::measureDrag(const Macro& macro, Samples* steps)
{
    GraphWidget& canvas = m_driver.canvas();
    Node* node = canvas.nodeFor(&macro);
    if (!node)
        qFatal("zor-bench: the box to drag is not on the canvas");
    const QPointF start = node->pos();
    const QPoint grab = canvas.mapFromScene(node->sceneBoundingRect().center());
    if (!canvas.viewport()->rect().contains(grab))
        qFatal("zor-bench: the box to drag is out of the view");
    PaintWatch watch(canvas.viewport());
    sendMouse(canvas, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    WindowDriver::settle();

    // The first step warms up and is not counted.
    for (int step = 0; step <= m_steps; ++step) {
        const int offset = step % 2 == 0 ? StepPixels : 0;
        const int before = watch.count();
        const Stopwatch clock;
        sendMouse(canvas, QEvent::MouseMove, grab + QPoint(offset, 0), Qt::NoButton,
                  Qt::LeftButton);
        watch.waitBeyond(before);
        const double ms = clock.elapsedMs();
        if (node->pos() != start + QPointF(offset, 0))
            qFatal("zor-bench: the dragged box is not where the mouse took it");
        if (step > 0)
            steps->add(ms);
    }
    sendMouse(canvas, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
    WindowDriver::settle();
}

void CanvasSteps::measureZoom(Samples* steps)
{
    GraphWidget& canvas = m_driver.canvas();
    canvas.unselectAll();
    WindowDriver::settle();
    PaintWatch watch(canvas.viewport());
    for (int step = 0; step <= m_steps; ++step) {
        const bool in = step % 2 == 1;
        const double factor = canvas.scaleFactor();
        const int before = watch.count();
        const Stopwatch clock;
        m_driver.zoomStep(in);
        watch.waitBeyond(before);
        const double ms = clock.elapsedMs();
        if (in ? canvas.scaleFactor() <= factor : canvas.scaleFactor() >= factor)
            qFatal("zor-bench: a zoom step did not zoom");
        if (step > 0)
            steps->add(ms);
    }
    m_driver.zoomToOne();
    WindowDriver::settle();
}
