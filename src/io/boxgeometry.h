#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>

// The box geometry read from a file, kept within bounds that no diagram
// reaches (the scene is 3000 units wide) but where QRect's arithmetic
// (right = left + width - 1) can't overflow, whatever the file holds.
namespace BoxGeometry {

constexpr qint64 Limit = 1000000;

inline int bounded(qint64 value)
{
    return int(qBound(-Limit, value, Limit));
}

inline QRect rect(qint64 x, qint64 y, qint64 width, qint64 height)
{
    return QRect(bounded(x), bounded(y), bounded(width), bounded(height));
}

inline QPoint point(qint64 x, qint64 y)
{
    return QPoint(bounded(x), bounded(y));
}

} // namespace BoxGeometry
