#include "paintwatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace {

constexpr qint64 PaintTimeoutMs = 5000;

} // namespace

PaintWatch::PaintWatch(QWidget* widget) : m_widget(widget)
{
    widget->installEventFilter(this);
}

PaintWatch::~PaintWatch()
{
    if (m_widget)
        m_widget->removeEventFilter(this);
}

void PaintWatch::waitBeyond(int since) const
{
    QElapsedTimer clock;
    clock.start();
    while (m_count <= since) {
        QCoreApplication::processEvents();
        if (clock.elapsed() > PaintTimeoutMs)
            qFatal("zor-bench: the canvas did not paint after a step");
    }
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        ++m_count;
    return QObject::eventFilter(watched, event);
}
