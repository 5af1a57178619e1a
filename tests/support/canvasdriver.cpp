#include "canvasdriver.h"

#include "diagram/graphwidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <QtTest>

namespace ZorTest {

CanvasDriver::CanvasDriver() : m_own(std::make_unique<GraphWidget>()), m_canvas(m_own.get()) {}

CanvasDriver::CanvasDriver(GraphWidget* canvas) : m_canvas(canvas) {}

CanvasDriver::~CanvasDriver() = default;

bool CanvasDriver::show()
{
    m_canvas->resize(800, 600);
    m_canvas->show();
    if (!QTest::qWaitForWindowExposed(m_canvas))
        return false;
    m_canvas->horizontalScrollBar()->setValue(0);
    m_canvas->verticalScrollBar()->setValue(0);
    return true;
}

QPoint CanvasDriver::toView(const QPointF& scenePos) const
{
    return m_canvas->mapFromScene(scenePos);
}

void CanvasDriver::press(const QPointF& scenePos, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(m_canvas->viewport(), Qt::LeftButton, modifiers, toView(scenePos));
}

void CanvasDriver::moveTo(const QPointF& scenePos, Qt::KeyboardModifiers modifiers)
{
    // QTest moves the real cursor for widgets; a move with a held button is
    // sent directly.
    const QPoint pos = toView(scenePos);
    QMouseEvent event(QEvent::MouseMove, pos, m_canvas->viewport()->mapToGlobal(pos), Qt::NoButton,
                      Qt::LeftButton, modifiers);
    QApplication::sendEvent(m_canvas->viewport(), &event);
}

void CanvasDriver::release(const QPointF& scenePos, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseRelease(m_canvas->viewport(), Qt::LeftButton, modifiers, toView(scenePos));
}

void CanvasDriver::click(const QPointF& scenePos, Qt::KeyboardModifiers modifiers)
{
    press(scenePos, modifiers);
    release(scenePos, modifiers);
}

void CanvasDriver::drag(const QPointF& from, const QPointF& to, Qt::KeyboardModifiers modifiers)
{
    press(from, modifiers);
    moveTo(to, modifiers);
    release(to, modifiers);
}

void CanvasDriver::doubleClick(const QPointF& scenePos)
{
    click(scenePos);
    QTest::mouseDClick(m_canvas->viewport(), Qt::LeftButton, Qt::NoModifier, toView(scenePos));
    release(scenePos);
}

void CanvasDriver::doubleClickEvent(const QPointF& scenePos, Qt::MouseButtons buttons)
{
    const QPoint pos = toView(scenePos);
    QMouseEvent event(QEvent::MouseButtonDblClick, pos, m_canvas->viewport()->mapToGlobal(pos),
                      Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(m_canvas->viewport(), &event);
}

void CanvasDriver::paint()
{
    m_canvas->viewport()->repaint();
}

QImage CanvasDriver::shown() const
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QRect area = m_canvas->viewport()->geometry();
    return m_canvas->windowHandle()
        ->screen()
        ->grabWindow(m_canvas->winId(), area.x(), area.y(), area.width(), area.height())
        .toImage();
}

} // namespace ZorTest
