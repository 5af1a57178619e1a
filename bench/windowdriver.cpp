#include "windowdriver.h"

#include "diagram/graphwidget.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"

#include <QApplication>
#include <QScrollBar>

#include <cmath>

WindowDriver::WindowDriver() : m_window(std::make_unique<MainWindow>()) {}

WindowDriver::~WindowDriver()
{
    if (group())
        group()->setModified(false);
    m_window->close();
}

GraphWidget& WindowDriver::canvas() const
{
    return *m_window->canvas();
}

Group* WindowDriver::group() const
{
    return m_window->currentGroup();
}

void WindowDriver::show(const QSize& viewportSize)
{
    m_window->show();
    // The docks and the scroll bars take their share: grow the window until
    // the canvas's viewport has the size asked for.
    for (int attempt = 0; attempt < 10; ++attempt) {
        settle();
        const QSize current = canvas().viewport()->size();
        if (current == viewportSize)
            return;
        m_window->resize(m_window->size() + (viewportSize - current));
    }
    qWarning("zor-bench: the canvas viewport is %dx%d, not %dx%d", canvas().viewport()->width(),
             canvas().viewport()->height(), viewportSize.width(), viewportSize.height());
}

void WindowDriver::trigger(const char* slot)
{
    // The slot of the action, also when the action is disabled at this
    // moment (Save is enabled by the next refresh of the actions only).
    if (!QMetaObject::invokeMethod(m_window.get(), slot, Qt::DirectConnection))
        qFatal("zor-bench: MainWindow has no slot %s", slot);
}

void WindowDriver::open(const QString& path)
{
    m_dialogs.setAnswer(path);
    trigger("on_actionLoadGroup_triggered");
}

void WindowDriver::save()
{
    trigger("on_actionSaveGroup_triggered");
}

void WindowDriver::closeGroup()
{
    // The user answers "Descartar" to the unsaved-changes prompt.
    if (group())
        group()->setModified(false);
    trigger("on_actionCloseGroup_triggered");
}

void WindowDriver::selectAll()
{
    trigger("on_actionSelectAll_triggered");
}

void WindowDriver::deleteSelected()
{
    trigger("on_actionDelete_triggered");
}

void WindowDriver::undo()
{
    trigger("on_actionUndo_triggered");
}

void WindowDriver::arrange()
{
    trigger("on_actionArrange_triggered");
}

void WindowDriver::zoomOutFully()
{
    double previous = -1;
    while (canvas().scaleFactor() != previous) {
        previous = canvas().scaleFactor();
        trigger("on_actionZoomMinus_triggered");
    }
}

void WindowDriver::zoomToOne()
{
    while (canvas().scaleFactor() < 0.95)
        trigger("on_actionZoomPlus_triggered");
    while (canvas().scaleFactor() > 1.05)
        trigger("on_actionZoomMinus_triggered");
}

void WindowDriver::zoomStep(bool in)
{
    trigger(in ? "on_actionZoomPlus_triggered" : "on_actionZoomMinus_triggered");
}

void WindowDriver::markModified()
{
    if (group())
        group()->setModified(true);
}

void WindowDriver::settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}
