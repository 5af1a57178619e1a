#include "samples.h"

#include <algorithm>

double Samples::median() const
{
    if (m_values.isEmpty())
        return 0.0;
    QVector<double> sorted = m_values;
    std::sort(sorted.begin(), sorted.end());
    const int middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted.at(middle) : (sorted.at(middle - 1) + sorted.at(middle)) / 2;
}

double Samples::minimum() const
{
    return m_values.isEmpty() ? 0.0 : *std::min_element(m_values.cbegin(), m_values.cend());
}

double Samples::maximum() const
{
    return m_values.isEmpty() ? 0.0 : *std::max_element(m_values.cbegin(), m_values.cend());
}
