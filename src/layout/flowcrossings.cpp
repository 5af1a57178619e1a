#include "flowcrossings.h"

#include "boxgrid.h"
#include "model/group.h"
#include "model/macro.h"

#include <QHash>

namespace {

// A line closer than this to a border is taken as touching it.
constexpr qreal Tolerance = 0.5;

// The parameters t0 <= t1 (t from 0 at p1 to 1 at p2) of the line's points
// inside the rectangle, clipped to the segment; false when there are none.
bool clip(const QLineF& line, const QRectF& rect, qreal* t0, qreal* t1)
{
    const qreal p[] = {-line.dx(), line.dx(), -line.dy(), line.dy()};
    const qreal q[] = {line.x1() - rect.left(), rect.right() - line.x1(), line.y1() - rect.top(),
                       rect.bottom() - line.y1()};
    qreal from = 0;
    qreal to = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const qreal t = q[i] / p[i];
        if (p[i] < 0)
            from = qMax(from, t);
        else
            to = qMin(to, t);
    }
    *t0 = from;
    *t1 = to;
    return from < to;
}

QRectF boxOf(const Macro& macro)
{
    return QRectF(macro.position(), macro.dimensions().size());
}

} // namespace

namespace FlowCrossings {

QLineF visibleSegment(const QRectF& source, const QRectF& dest)
{
    const QLineF centres(source.center(), dest.center());
    qreal t0 = 0;
    qreal leaves = 0;
    qreal enters = 1;
    qreal t1 = 1;
    if (centres.length() == 0 || !clip(centres, source, &t0, &leaves) ||
        !clip(centres, dest, &enters, &t1) || leaves >= enters)
        return QLineF();
    return QLineF(centres.pointAt(leaves), centres.pointAt(enters));
}

bool passesThrough(const QLineF& segment, const QRectF& rect)
{
    const QRectF inside = rect.adjusted(Tolerance, Tolerance, -Tolerance, -Tolerance);
    qreal t0 = 0;
    qreal t1 = 0;
    return inside.isValid() && clip(segment, inside, &t0, &t1);
}

int countPassingArrows(const Group& group)
{
    const QList<Macro*> macros = group.macros();
    BoxGrid<int> grid;
    QHash<QString, int> bySigla;
    for (int i = 0; i < macros.size(); ++i) {
        grid.insert(i, boxOf(*macros.at(i)));
        if (!bySigla.contains(macros.at(i)->sigla()))
            bySigla.insert(macros.at(i)->sigla(), i);
    }
    int passing = 0;
    for (int from = 0; from < macros.size(); ++from) {
        const QStringList flow = macros.at(from)->flow();
        for (const QString& next : flow) {
            const int to = next.isEmpty() ? -1 : bySigla.value(next, -1);
            if (to < 0 || to == from)
                continue;
            const QLineF segment = visibleSegment(boxOf(*macros.at(from)), boxOf(*macros.at(to)));
            if (segment.isNull())
                continue;
            passing += grid.anyAlong(segment, [&](int box, const QRectF& rect) {
                return box != from && box != to && passesThrough(segment, rect);
            });
        }
    }
    return passing;
}

} // namespace FlowCrossings
