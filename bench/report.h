#pragma once

#include "samples.h"

#include <QList>
#include <QString>

class QTextStream;

// The figures of a run, in the order they were taken: the ratios and values
// with their goals first, then the raw times.
class Report
{
public:
    void addRatio(const QString& name, double value, double goal, const QString& meaning);
    void addValue(const QString& name, double value, double goal, const QString& meaning);
    // A figure whose goal is a floor: met when the value is at least the goal.
    void addMinimum(const QString& name, double value, double goal, const QString& meaning);
    // A goal of 0: the time has none.
    void addTime(const QString& name, const Samples& samples, const QString& meaning,
                 double goal = 0);
    void addNote(const QString& name, double value, const QString& meaning);

    // One "figure<TAB>value" line each.
    void writeTsv(QTextStream& out) const;
    // A table for people, with the spread of each time and the goals.
    void writeTable(QTextStream& out, int runs) const;
    bool meetsGoals() const;

private:
    struct Figure
    {
        QString name;
        double value = 0;
        // 0 when the figure has no goal.
        double goal = 0;
        QString meaning;
        bool isTime = false;
        double minimum = 0;
        double maximum = 0;
        int decimals = 2;
        bool atLeast = false;

        bool meetsGoal() const { return goal <= 0 || (atLeast ? value >= goal : value <= goal); }
    };

    QList<Figure> m_figures;
};
