#pragma once

#include <QElapsedTimer>
#include <QVector>

// The times of the runs of one figure, in milliseconds.
class Samples
{
public:
    void add(double milliseconds) { m_values.append(milliseconds); }
    int count() const { return m_values.size(); }
    double median() const;
    double minimum() const;
    double maximum() const;

private:
    QVector<double> m_values;
};

// Milliseconds since construction, with the resolution of the monotonic clock.
class Stopwatch
{
public:
    Stopwatch() { m_timer.start(); }
    void restart() { m_timer.start(); }
    double elapsedMs() const { return double(m_timer.nsecsElapsed()) / 1.0e6; }

private:
    QElapsedTimer m_timer;
};
