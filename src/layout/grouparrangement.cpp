#include "grouparrangement.h"

#include "boxgrid.h"
#include "model/group.h"
#include "model/macro.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QRectF boxOf(const Macro& macro)
{
    return QRectF(macro.position(), macro.dimensions().size());
}

// Whether the boxes, moved by offset, keep the clearance from every box
// that stays.
bool isClear(const BoxGrid<int>& staying, const QVector<QRectF>& block, const QPointF& offset,
             qreal clearance)
{
    for (const QRectF& box : block) {
        const QRectF kept =
            box.translated(offset).adjusted(-clearance, -clearance, clearance, clearance);
        if (staying.anyNear(kept,
                            [&kept](int, const QRectF& other) { return kept.intersects(other); }))
            return false;
    }
    return true;
}

} // namespace

GroupArrangement::GroupArrangement(const Group& group, const QList<Macro*>& macros, int gridStep)
    : m_gridStep(gridStep)
{
    const QSet<const Macro*> chosen(macros.cbegin(), macros.cend());
    const QList<Macro*> all = group.macros();
    QHash<QString, const Macro*> bySigla;
    for (const Macro* macro : all) {
        if (!bySigla.contains(macro->sigla()))
            bySigla.insert(macro->sigla(), macro);
    }
    QHash<const Macro*, int> index;
    qreal left = std::numeric_limits<qreal>::max();
    qreal top = std::numeric_limits<qreal>::max();
    for (Macro* macro : all) {
        const QRectF box = boxOf(*macro);
        if (!chosen.contains(macro)) {
            m_staying.append(box);
            continue;
        }
        index.insert(macro, m_macros.size());
        m_macros.append(macro);
        m_graph.sizes.append(
            QSizeF(qMax(1, macro->dimensions().width()), qMax(1, macro->dimensions().height())));
        left = qMin(left, box.left());
        top = qMin(top, box.top());
    }
    for (int from = 0; from < m_macros.size(); ++from) {
        const QStringList flow = m_macros.at(from)->flow();
        for (const QString& next : flow) {
            const int to = index.value(next.isEmpty() ? nullptr : bySigla.value(next), -1);
            if (to >= 0)
                m_graph.links.append({from, to});
        }
    }
    if (!m_macros.isEmpty())
        m_anchor = onGrid(QPointF(left, top));
}

bool GroupArrangement::compute(const std::atomic_bool* cancel)
{
    FlowLayout::Result layout;
    if (!FlowLayout::run(m_graph, m_gridStep, &layout, cancel))
        return false;
    QVector<QRectF> block;
    block.reserve(layout.topLefts.size());
    for (int i = 0; i < layout.topLefts.size(); ++i)
        block.append(QRectF(layout.topLefts.at(i), m_graph.sizes.at(i)));
    const QPointF offset = placeBlock(block);
    m_positions.clear();
    m_positions.reserve(block.size());
    for (const QRectF& box : qAsConst(block))
        m_positions.append((box.topLeft() + offset).toPoint());
    m_engine = layout.engine;
    return true;
}

QPointF GroupArrangement::placeBlock(const QVector<QRectF>& block) const
{
    if (m_staying.isEmpty())
        return m_anchor;
    BoxGrid<int> staying;
    for (int i = 0; i < m_staying.size(); ++i)
        staying.insert(i, m_staying.at(i));
    if (isClear(staying, block, m_anchor, Clearance))
        return m_anchor;
    // Where the arranged boxes may start: below or to the right of a box
    // that stays, nearest first; below all of them is always clear.
    QVector<QPointF> places;
    qreal lowest = m_anchor.y();
    for (const QRectF& box : m_staying) {
        const qreal below = box.bottom() + Clearance;
        const qreal beside = box.right() + Clearance;
        if (below > m_anchor.y())
            places.append(onGrid(QPointF(m_anchor.x(), below)));
        if (beside > m_anchor.x())
            places.append(onGrid(QPointF(beside, m_anchor.y())));
        lowest = qMax(lowest, below);
    }
    std::sort(places.begin(), places.end(), [this](const QPointF& a, const QPointF& b) {
        return (a - m_anchor).manhattanLength() < (b - m_anchor).manhattanLength();
    });
    for (const QPointF& place : qAsConst(places)) {
        if (isClear(staying, block, place, Clearance))
            return place;
    }
    return onGrid(QPointF(m_anchor.x(), lowest));
}

QPointF GroupArrangement::onGrid(const QPointF& point) const
{
    // Upwards, so that a place computed to keep a distance keeps it.
    if (m_gridStep <= 0)
        return QPointF(std::ceil(point.x()), std::ceil(point.y()));
    return QPointF(std::ceil(point.x() / m_gridStep) * m_gridStep,
                   std::ceil(point.y() / m_gridStep) * m_gridStep);
}

void GroupArrangement::apply() const
{
    for (int i = 0; i < m_macros.size() && i < m_positions.size(); ++i)
        m_macros.at(i)->setPosition(m_positions.at(i));
}

FlowLayout::Engine GroupArrangement::arrangeAll(Group& group, int gridStep)
{
    GroupArrangement arrangement(group, group.macros(), gridStep);
    arrangement.compute();
    arrangement.apply();
    return arrangement.engine();
}
