#pragma once

#include <QHash>
#include <QLineF>
#include <QRectF>
#include <QVector>

#include <cmath>

// Rectangles (or segments) by key on a uniform grid of square cells, so that
// the ones near a line or an area are found without visiting all of them.
// Each is listed in every cell it touches.
template <typename Key> class BoxGrid
{
public:
    static constexpr qreal CellSize = 200;
    // A rectangle over more cells than this (only a file's wild sizes make
    // one) is listed apart and seen by every search instead.
    static constexpr qint64 MaximumCells = 4096;

    void clear()
    {
        m_cells.clear();
        m_listed.clear();
    }

    // Adds the rectangle, or moves it when the key is there already.
    void insert(const Key& key, const QRectF& rect)
    {
        QVector<quint64> cells;
        if (cellCount(rect) > MaximumCells) {
            cells.append(LargeCell);
        } else {
            forCellsIn(rect, [&cells](quint64 cell) {
                cells.append(cell);
                return false;
            });
        }
        list(key, rect, cells);
    }

    // Adds the segment, listed only in the cells it passes through; the
    // visits see its bounding rectangle.
    void insertLine(const Key& key, const QLineF& line)
    {
        QVector<quint64> cells;
        forCellsAlong(line, [&cells](quint64 cell) {
            cells.append(cell);
            return false;
        });
        list(key, QRectF(line.p1(), line.p2()).normalized(), cells);
    }

    void remove(const Key& key)
    {
        const auto found = m_listed.constFind(key);
        if (found == m_listed.constEnd())
            return;
        unlist(key, *found);
        m_listed.erase(found);
    }

    bool contains(const Key& key) const { return m_listed.contains(key); }
    int size() const { return m_listed.size(); }

    // Calls visit(key, rect) for the entries in the cells the segment passes
    // through, until it returns true; an entry in several of those cells may
    // be visited more than once. True when a visit returned true.
    template <typename Visit> bool anyAlong(const QLineF& line, const Visit& visit) const
    {
        return visitCell(LargeCell, visit) ||
               forCellsAlong(line, [&](quint64 cell) { return visitCell(cell, visit); });
    }

    // The same for the entries in the cells the rectangle touches.
    template <typename Visit> bool anyNear(const QRectF& area, const Visit& visit) const
    {
        if (visitCell(LargeCell, visit))
            return true;
        if (cellCount(area) <= MaximumCells)
            return forCellsIn(area, [&](quint64 cell) { return visitCell(cell, visit); });
        for (auto cell = m_cells.cbegin(); cell != m_cells.cend(); ++cell) {
            if (visitCell(cell.key(), visit))
                return true;
        }
        return false;
    }

private:
    struct Item
    {
        Key key;
        QRectF rect;
    };

    static int cell(qreal coordinate)
    {
        // Far beyond any diagram: bounded, so that the conversion is defined.
        return int(qBound(-1.0e6, std::floor(coordinate / CellSize), 1.0e6));
    }

    static quint64 keyOf(int column, int row)
    {
        return (quint64(quint32(column)) << 32) | quint32(row);
    }

    static qint64 cellCount(const QRectF& rect)
    {
        return qint64(cell(rect.right()) - cell(rect.left()) + 1) *
               (cell(rect.bottom()) - cell(rect.top()) + 1);
    }

    // Outside the bounded cell range.
    static constexpr quint64 LargeCell = (quint64(0x7fffffff) << 32) | 0x7fffffff;

    template <typename Step> static bool forCellsIn(const QRectF& rect, const Step& step)
    {
        for (int row = cell(rect.top()); row <= cell(rect.bottom()); ++row) {
            for (int column = cell(rect.left()); column <= cell(rect.right()); ++column) {
                if (step(keyOf(column, row)))
                    return true;
            }
        }
        return false;
    }

    template <typename Step> static bool forCellsAlong(const QLineF& line, const Step& step)
    {
        const qreal top = qMin(line.y1(), line.y2());
        const qreal bottom = qMax(line.y1(), line.y2());
        for (int row = cell(top); row <= cell(bottom); ++row) {
            // The part of the segment within this row of cells.
            qreal left = qMin(line.x1(), line.x2());
            qreal right = qMax(line.x1(), line.x2());
            if (line.dy() != 0) {
                const qreal from = qMax(top, row * CellSize);
                const qreal to = qMin(bottom, (row + 1) * CellSize);
                const qreal x1 = line.x1() + line.dx() * (from - line.y1()) / line.dy();
                const qreal x2 = line.x1() + line.dx() * (to - line.y1()) / line.dy();
                left = qMax(left, qMin(x1, x2));
                right = qMin(right, qMax(x1, x2));
            }
            for (int column = cell(left); column <= cell(right); ++column) {
                if (step(keyOf(column, row)))
                    return true;
            }
        }
        return false;
    }

    void list(const Key& key, const QRectF& rect, const QVector<quint64>& cells)
    {
        const auto found = m_listed.find(key);
        if (found != m_listed.end()) {
            unlist(key, *found);
            *found = cells;
        } else {
            m_listed.insert(key, cells);
        }
        for (quint64 cell : cells)
            m_cells[cell].append({key, rect});
    }

    void unlist(const Key& key, const QVector<quint64>& cells)
    {
        for (quint64 cell : cells) {
            const auto found = m_cells.find(cell);
            if (found == m_cells.end())
                continue;
            for (int i = 0; i < found->size(); ++i) {
                if (found->at(i).key == key) {
                    found->remove(i);
                    break;
                }
            }
            if (found->isEmpty())
                m_cells.erase(found);
        }
    }

    template <typename Visit> bool visitCell(quint64 cell, const Visit& visit) const
    {
        const auto found = m_cells.constFind(cell);
        if (found == m_cells.constEnd())
            return false;
        for (const Item& item : *found) {
            if (visit(item.key, item.rect))
                return true;
        }
        return false;
    }

    // Each cell lists its entries with their rectangles, so that a search
    // reads no other table.
    QHash<quint64, QVector<Item>> m_cells;
    // The cells each entry is listed in.
    QHash<Key, QVector<quint64>> m_listed;
};
