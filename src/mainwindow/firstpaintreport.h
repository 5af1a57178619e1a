#pragma once

#include <QElapsedTimer>
#include <QObject>

class GraphWidget;

// For measuring the start-up: once the canvas has painted the boxes of the
// group named on the command line, prints the milliseconds since the clock
// started (at the construction of the application object) on standard
// output and ends the event loop. Asked for with ZOR_REPORT_FIRST_PAINT.
class FirstPaintReport : public QObject
{
public:
    FirstPaintReport(const QElapsedTimer& clock, GraphWidget* canvas);

    static bool requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void report();

    QElapsedTimer m_clock;
    GraphWidget* m_canvas;
    bool m_painted = false;
};
