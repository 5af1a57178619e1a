#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// Counts the paints of a widget, to be sure that a repaint painted once, and
// runs the event loop until the widget has painted, as a user sees the
// result of a step only then.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget* widget);
    ~PaintWatch() override;
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    int count() const { return m_count; }
    void reset() { m_count = 0; }
    // Processes events until the count passes `since`; the run is void
    // (fatal) when nothing paints within a few seconds.
    void waitBeyond(int since) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_widget;
    int m_count = 0;
};
