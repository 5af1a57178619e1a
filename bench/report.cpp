#include "report.h"

#include <QTextStream>

void Report::addRatio(const QString& name, double value, double goal, const QString& meaning)
{
    m_figures.append({name, value, goal, meaning, false, 0, 0, 2});
}

void Report::addValue(const QString& name, double value, double goal, const QString& meaning)
{
    m_figures.append({name, value, goal, meaning, false, 0, 0, 1});
}

void Report::addMinimum(const QString& name, double value, double goal, const QString& meaning)
{
    Figure figure{name, value, goal, meaning, false, 0, 0, 2};
    figure.atLeast = true;
    m_figures.append(figure);
}

void Report::addTime(const QString& name, const Samples& samples, const QString& meaning,
                     double goal)
{
    m_figures.append(
        {name, samples.median(), goal, meaning, true, samples.minimum(), samples.maximum(), 2});
}

void Report::addNote(const QString& name, double value, const QString& meaning)
{
    m_figures.append({name, value, 0, meaning, false, 0, 0, 0});
}

void Report::writeTsv(QTextStream& out) const
{
    for (const Figure& figure : m_figures)
        out << figure.name << '\t' << QString::number(figure.value, 'f', figure.decimals) << '\n';
}

void Report::writeTable(QTextStream& out, int runs) const
{
    out << "Figures of a 999-macro group unless named otherwise; times are the median of " << runs
        << " runs after a warm-up, in milliseconds, with [fastest - slowest].\n\n";
    for (const Figure& figure : m_figures) {
        QString value = QString::number(figure.value, 'f', figure.decimals);
        if (figure.isTime) {
            value += QStringLiteral("  [%1 - %2]")
                         .arg(figure.minimum, 0, 'f', 2)
                         .arg(figure.maximum, 0, 'f', 2);
        }
        QString goal;
        if (figure.goal > 0) {
            goal = QStringLiteral("%1 %2 %3")
                       .arg(figure.atLeast ? QStringLiteral(">=") : QStringLiteral("<="))
                       .arg(figure.goal)
                       .arg(figure.meetsGoal() ? QStringLiteral("ok") : QStringLiteral("MISSED"));
        }
        out << figure.name.leftJustified(26) << value.leftJustified(26) << goal.leftJustified(16)
            << figure.meaning << '\n';
    }
    out << '\n' << (meetsGoals() ? "Every goal is met." : "Some goals are missed.") << '\n';
}

bool Report::meetsGoals() const
{
    for (const Figure& figure : m_figures) {
        if (!figure.meetsGoal())
            return false;
    }
    return true;
}
