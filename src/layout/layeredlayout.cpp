#include "layeredlayout.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <queue>

namespace {

// Passes of ordering and of pulling boxes toward their neighbours, each
// one down and one up.
constexpr int OrderingPasses = 4;
constexpr int PlacingPasses = 4;
// Width over height of the drawing the row limit aims at.
constexpr double Aspect = 1.5;

qreal mean(const QVector<qreal>& values)
{
    return std::accumulate(values.cbegin(), values.cend(), 0.0) / values.size();
}

} // namespace

LayeredLayout::LayeredLayout(const LayoutGraph& graph, const LayoutSpacing& spacing)
    : m_graph(graph), m_spacing(spacing)
{
}

int LayeredLayout::rowLimit() const
{
    const int count = m_graph.boxCount();
    if (count == 0)
        return 1;
    qreal width = 0;
    qreal height = 0;
    for (const QSizeF& size : m_graph.sizes) {
        width += size.width();
        height += size.height();
    }
    const qreal pitchAcross = width / count + m_spacing.across;
    const qreal pitchDown = height / count + m_spacing.between;
    return qMax(1, int(std::ceil(std::sqrt(count * Aspect * pitchDown / pitchAcross))));
}

bool LayeredLayout::run(QVector<QPointF>* centres, const std::atomic_bool* cancel)
{
    m_cancel = cancel;
    breakCycles();
    if (cancelled())
        return false;
    assignRows();
    for (int pass = 0; pass < OrderingPasses && !cancelled(); ++pass) {
        orderRows(true);
        orderRows(false);
    }
    m_x.fill(0, m_graph.boxCount());
    for (int pass = 0; pass < PlacingPasses && !cancelled(); ++pass) {
        placeAcross(true);
        placeAcross(false);
    }
    if (cancelled())
        return false;
    *centres = this->centres();
    return true;
}

void LayeredLayout::breakCycles()
{
    // Along an order in which few links point backwards, those few are
    // turned round: the flow then runs down.
    const int count = m_graph.boxCount();
    m_above = QVector<QVector<int>>(count);
    m_below = QVector<QVector<int>>(count);
    const QVector<QPair<int, int>> links = m_graph.acyclicLinks();
    for (const auto& link : links) {
        m_below[link.first].append(link.second);
        m_above[link.second].append(link.first);
    }
}

void LayeredLayout::assignRows()
{
    // In topological order, each box in the first row below all the boxes
    // above it that has room; boxes without links last, into the gaps.
    const int count = m_graph.boxCount();
    const int limit = rowLimit();
    m_row.fill(-1, count);
    QVector<int> waiting(count);
    std::priority_queue<int, std::vector<int>, std::greater<int>> ready;
    QVector<int> loose;
    for (int box = 0; box < count; ++box) {
        waiting[box] = m_above.at(box).size();
        if (waiting.at(box) == 0) {
            if (m_below.at(box).isEmpty())
                loose.append(box);
            else
                ready.push(box);
        }
    }
    // Boxes in each row; a full row points at a later one that may have
    // room, the pointers shortened as they are followed.
    QVector<int> used;
    QVector<int> skip;
    const auto ensureRow = [&](int row) {
        while (used.size() <= row) {
            skip.append(used.size());
            used.append(0);
        }
    };
    const auto firstFree = [&](int row) {
        ensureRow(row);
        int free = row;
        while (skip.at(free) != free) {
            free = skip.at(free);
            ensureRow(free);
        }
        for (int r = row; r != free;) {
            const int next = skip.at(r);
            skip[r] = free;
            r = next;
        }
        return free;
    };
    const auto place = [&](int box, int lowest) {
        const int row = firstFree(lowest);
        m_row[box] = row;
        if (++used[row] == limit) {
            ensureRow(row + 1);
            skip[row] = row + 1;
        }
    };
    while (!ready.empty()) {
        const int box = ready.top();
        ready.pop();
        int lowest = 0;
        for (int above : m_above.at(box))
            lowest = qMax(lowest, m_row.at(above) + 1);
        place(box, lowest);
        for (int below : m_below.at(box)) {
            if (--waiting[below] == 0)
                ready.push(below);
        }
    }
    for (int box : qAsConst(loose))
        place(box, 0);

    m_rows = QVector<QVector<int>>(used.size());
    for (int box = 0; box < count; ++box)
        m_rows[m_row.at(box)].append(box);
    // Only the row opened after the last full one can be empty.
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(),
                                [](const QVector<int>& row) { return row.isEmpty(); }),
                 m_rows.end());
    for (int row = 0; row < m_rows.size(); ++row) {
        for (int box : qAsConst(m_rows.at(row)))
            m_row[box] = row;
    }
}

void LayeredLayout::orderRows(bool downwards)
{
    // Each box's place in its row as a fraction of the row, so that rows of
    // different lengths compare; a box sorts by the mean place of its
    // neighbours on the side the pass comes from.
    const int count = m_graph.boxCount();
    QVector<qreal> place(count);
    for (const QVector<int>& row : qAsConst(m_rows)) {
        for (int i = 0; i < row.size(); ++i)
            place[row.at(i)] = (i + 0.5) / row.size();
    }
    const int rows = m_rows.size();
    for (int step = 1; step < rows; ++step) {
        QVector<int>& row = m_rows[downwards ? step : rows - 1 - step];
        QVector<qreal> key(count);
        for (int box : qAsConst(row)) {
            const QVector<int>& neighbours = downwards ? m_above.at(box) : m_below.at(box);
            QVector<qreal> places;
            for (int other : neighbours)
                places.append(place.at(other));
            key[box] = places.isEmpty() ? place.at(box) : mean(places);
        }
        std::stable_sort(row.begin(), row.end(),
                         [&key](int a, int b) { return key.at(a) < key.at(b); });
        for (int i = 0; i < row.size(); ++i)
            place[row.at(i)] = (i + 0.5) / row.size();
    }
}

qreal LayeredLayout::gapBetween(int left, int right) const
{
    return (m_graph.sizes.at(left).width() + m_graph.sizes.at(right).width()) / 2 +
           m_spacing.across;
}

void LayeredLayout::placeAcross(bool downwards)
{
    // Each box wants to stand at the mean of its neighbours on the side the
    // pass comes from. Packed once from the left and once from the right
    // toward those wishes, the two packings keep the order and the gaps,
    // and so does their mean.
    const int rows = m_rows.size();
    for (int step = 0; step < rows; ++step) {
        const QVector<int>& row = m_rows.at(downwards ? step : rows - 1 - step);
        const int n = row.size();
        QVector<qreal> wish(n);
        for (int i = 0; i < n; ++i) {
            const int box = row.at(i);
            const QVector<int>& neighbours = downwards ? m_above.at(box) : m_below.at(box);
            QVector<qreal> xs;
            for (int other : neighbours)
                xs.append(m_x.at(other));
            wish[i] = xs.isEmpty() ? m_x.at(box) : mean(xs);
        }
        QVector<qreal> fromLeft(n);
        QVector<qreal> fromRight(n);
        for (int i = 0; i < n; ++i) {
            fromLeft[i] = i == 0 ? wish.at(i)
                                 : qMax(wish.at(i),
                                        fromLeft.at(i - 1) + gapBetween(row.at(i - 1), row.at(i)));
        }
        for (int i = n - 1; i >= 0; --i) {
            fromRight[i] =
                i == n - 1
                    ? wish.at(i)
                    : qMin(wish.at(i), fromRight.at(i + 1) - gapBetween(row.at(i), row.at(i + 1)));
        }
        for (int i = 0; i < n; ++i)
            m_x[row.at(i)] = (fromLeft.at(i) + fromRight.at(i)) / 2;
    }
}

QVector<QPointF> LayeredLayout::centres() const
{
    QVector<QPointF> result(m_graph.boxCount());
    qreal top = 0;
    for (const QVector<int>& row : m_rows) {
        qreal height = 0;
        for (int box : row)
            height = qMax(height, m_graph.sizes.at(box).height());
        for (int box : row)
            result[box] = QPointF(m_x.at(box), top + height / 2);
        top += height + m_spacing.between;
    }
    return result;
}
