#include "passingpolish.h"

#include "flowcrossings.h"

#include <QElapsedTimer>

#include <cmath>

namespace {

// Passes over all boxes; each pass only keeps moves that help, so the
// count falls at every one until none helps.
constexpr int MaximumPasses = 3;
// The shifts tried, in fractions of the box's width, each way.
constexpr qreal ShiftFractions[] = {0.25, 0.5, 0.75, 1.0};

} // namespace

PassingPolish::PassingPolish(const LayoutGraph& graph, const QVector<QPointF>& topLefts,
                             int gridStep)
    : m_graph(graph), m_topLefts(topLefts), m_gridStep(gridStep), m_links(graph.distinctLinks()),
      m_linksOf(graph.boxCount())
{
    for (int link = 0; link < m_links.size(); ++link) {
        m_linksOf[m_links.at(link).first].append(link);
        m_linksOf[m_links.at(link).second].append(link);
    }
    for (int box = 0; box < graph.boxCount(); ++box)
        m_grid.insert(box, rectOf(box));
    m_segments.reserve(m_links.size());
    m_passing.reserve(m_links.size());
    for (int link = 0; link < m_links.size(); ++link) {
        m_segments.append(segmentOf(link, -1, QRectF()));
        m_passing.append(isPassing(link, m_segments.at(link), -1, QRectF()));
        m_segmentGrid.insertLine(link, m_segments.at(link));
    }
    m_seenIn.fill(0, m_links.size());
}

QRectF PassingPolish::rectOf(int box) const
{
    return QRectF(m_topLefts.at(box), m_graph.sizes.at(box));
}

int PassingPolish::passingCount() const
{
    return int(m_passing.count(true));
}

void PassingPolish::run(const std::atomic_bool* cancel)
{
    QElapsedTimer clock;
    clock.start();
    for (int pass = 0; pass < MaximumPasses && passingCount() > 0; ++pass) {
        bool improved = false;
        for (int box = 0; box < m_graph.boxCount(); ++box) {
            if ((cancel && *cancel) || clock.elapsed() > TimeLimitMs)
                return;
            improved = tryShifts(box) || improved;
        }
        if (!improved)
            return;
    }
}

bool PassingPolish::tryShifts(int box)
{
    const QRectF rect = rectOf(box);
    const qreal step = m_gridStep > 0 ? m_gridStep : 1;
    int bestGain = 0;
    QRectF best;
    for (const qreal fraction : ShiftFractions) {
        const qreal shift = qMax(step, std::round(rect.width() * fraction / step) * step);
        for (const qreal dx : {-shift, shift}) {
            const QRectF moved = rect.translated(dx, 0);
            if (!hasRoom(box, moved))
                continue;
            const int gain = gainOfMove(box, moved);
            if (gain < bestGain) {
                bestGain = gain;
                best = moved;
            }
        }
    }
    if (bestGain >= 0)
        return false;
    applyMove(box, best);
    return true;
}

bool PassingPolish::hasRoom(int box, const QRectF& rect) const
{
    const QRectF kept = rect.adjusted(-MinimumGap, -MinimumGap, MinimumGap, MinimumGap);
    return !m_grid.anyNear(kept, [&](int other, const QRectF& otherRect) {
        return other != box && kept.intersects(otherRect);
    });
}

QLineF PassingPolish::segmentOf(int link, int movedBox, const QRectF& movedRect) const
{
    const int from = m_links.at(link).first;
    const int to = m_links.at(link).second;
    return FlowCrossings::visibleSegment(from == movedBox ? movedRect : rectOf(from),
                                         to == movedBox ? movedRect : rectOf(to));
}

bool PassingPolish::isPassing(int link, const QLineF& segment, int movedBox,
                              const QRectF& movedRect) const
{
    if (segment.isNull())
        return false;
    const int from = m_links.at(link).first;
    const int to = m_links.at(link).second;
    const bool movedIsEnd = movedBox == from || movedBox == to;
    if (movedBox >= 0 && !movedIsEnd && FlowCrossings::passesThrough(segment, movedRect))
        return true;
    return m_grid.anyAlong(segment, [&](int box, const QRectF& rect) {
        return box != from && box != to && box != movedBox &&
               FlowCrossings::passesThrough(segment, rect);
    });
}

template <typename Visit>
void PassingPolish::forEachAffected(int box, const QRectF& rect, const Visit& visit) const
{
    // Its own links run elsewhere; the others change only where they pass
    // through the place it leaves or the place it takes.
    const QRectF old = rectOf(box);
    const int search = ++m_search;
    for (int link : m_linksOf.at(box)) {
        m_seenIn[link] = search;
        visit(link, segmentOf(link, box, rect));
    }
    const auto near = [&](int link, const QRectF&) {
        if (m_seenIn.at(link) == search)
            return false;
        m_seenIn[link] = search;
        const QLineF& segment = m_segments.at(link);
        if (FlowCrossings::passesThrough(segment, old) ||
            FlowCrossings::passesThrough(segment, rect))
            visit(link, segment);
        return false;
    };
    m_segmentGrid.anyNear(old, near);
    m_segmentGrid.anyNear(rect, near);
}

int PassingPolish::gainOfMove(int box, const QRectF& rect) const
{
    int gain = 0;
    forEachAffected(box, rect, [&](int link, const QLineF& segment) {
        gain += int(isPassing(link, segment, box, rect)) - int(m_passing.at(link));
    });
    return gain;
}

void PassingPolish::applyMove(int box, const QRectF& rect)
{
    // Worked out with the box still in its old place, then stored.
    QVector<QPair<int, QLineF>> changed;
    QVector<bool> passing;
    forEachAffected(box, rect, [&](int link, const QLineF& segment) {
        changed.append({link, segment});
        passing.append(isPassing(link, segment, box, rect));
    });
    m_topLefts[box] = rect.topLeft();
    m_grid.insert(box, rect);
    for (int i = 0; i < changed.size(); ++i) {
        const int link = changed.at(i).first;
        if (m_segments.at(link) != changed.at(i).second) {
            m_segments[link] = changed.at(i).second;
            m_segmentGrid.insertLine(link, m_segments.at(link));
        }
        m_passing[link] = passing.at(i);
    }
}
