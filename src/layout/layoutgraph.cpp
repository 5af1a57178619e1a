#include "layoutgraph.h"

#include <QSet>

#include <algorithm>

QVector<QPair<int, int>> LayoutGraph::distinctLinks() const
{
    QVector<QPair<int, int>> distinct;
    QSet<QPair<int, int>> seen;
    for (const auto& link : links) {
        if (link.first == link.second || seen.contains(link))
            continue;
        seen.insert(link);
        distinct.append(link);
    }
    return distinct;
}

QVector<int> LayoutGraph::flowOrder() const
{
    // Eades, Lin and Smyth's greedy order: boxes nothing leads to go first
    // and boxes that lead nowhere last, as they come; when neither is left,
    // the box that leads to the most boxes more than boxes lead to it. Few
    // links then point backwards. Among equals the group's own order wins.
    const int count = boxCount();
    const QVector<QPair<int, int>> distinct = distinctLinks();
    QVector<QVector<int>> next(count);
    QVector<QVector<int>> previous(count);
    for (const auto& link : distinct) {
        next[link.first].append(link.second);
        previous[link.second].append(link.first);
    }
    QVector<int> in(count);
    QVector<int> out(count);
    for (int box = 0; box < count; ++box) {
        in[box] = previous.at(box).size();
        out[box] = next.at(box).size();
    }
    QVector<bool> placed(count, false);
    QVector<int> front;
    QVector<int> back;
    const auto take = [&](int box, bool toFront) {
        placed[box] = true;
        (toFront ? front : back).append(box);
        for (int to : next.at(box))
            --in[to];
        for (int from : previous.at(box))
            --out[from];
    };
    for (int left = count; left > 0;) {
        bool took = false;
        for (int box = 0; box < count; ++box) {
            if (!placed.at(box) && out.at(box) == 0) {
                take(box, false);
                --left;
                took = true;
            }
        }
        for (int box = 0; box < count; ++box) {
            if (!placed.at(box) && in.at(box) == 0) {
                take(box, true);
                --left;
                took = true;
            }
        }
        if (took || left == 0)
            continue;
        int best = -1;
        for (int box = 0; box < count; ++box) {
            if (!placed.at(box) &&
                (best < 0 || out.at(box) - in.at(box) > out.at(best) - in.at(best)))
                best = box;
        }
        take(best, true);
        --left;
    }
    QVector<int> order = front;
    for (int i = back.size() - 1; i >= 0; --i)
        order.append(back.at(i));
    return order;
}

namespace {

QVector<int> ranksOf(const QVector<int>& order)
{
    QVector<int> rank(order.size());
    for (int i = 0; i < order.size(); ++i)
        rank[order.at(i)] = i;
    return rank;
}

} // namespace

QVector<QPair<int, int>> LayoutGraph::forwardLinks() const
{
    const QVector<int> rank = ranksOf(flowOrder());
    QVector<QPair<int, int>> forward;
    const QVector<QPair<int, int>> distinct = distinctLinks();
    for (const auto& link : distinct) {
        if (rank.at(link.first) < rank.at(link.second))
            forward.append(link);
    }
    return forward;
}

QVector<QPair<int, int>> LayoutGraph::acyclicLinks() const
{
    return turnedForward(ranksOf(flowOrder()));
}

QVector<QPair<int, int>> LayoutGraph::depthFirstAcyclicLinks() const
{
    // The order in which the walk finishes the boxes, last first: a link
    // points backwards in it exactly when it closes a cycle.
    const int count = boxCount();
    QVector<QVector<int>> next(count);
    const QVector<QPair<int, int>> distinct = distinctLinks();
    for (const auto& link : distinct)
        next[link.first].append(link.second);
    QVector<bool> seen(count, false);
    QVector<int> finished;
    QVector<QPair<int, int>> stack;
    for (int start = 0; start < count; ++start) {
        if (seen.at(start))
            continue;
        seen[start] = true;
        stack.append({start, 0});
        while (!stack.isEmpty()) {
            const int box = stack.last().first;
            if (stack.last().second == next.at(box).size()) {
                finished.append(box);
                stack.removeLast();
                continue;
            }
            const int to = next.at(box).at(stack.last().second++);
            if (!seen.at(to)) {
                seen[to] = true;
                stack.append({to, 0});
            }
        }
    }
    std::reverse(finished.begin(), finished.end());
    return turnedForward(ranksOf(finished));
}

QVector<QPair<int, int>> LayoutGraph::turnedForward(const QVector<int>& rank) const
{
    QVector<QPair<int, int>> acyclic;
    QSet<QPair<int, int>> seen;
    const QVector<QPair<int, int>> distinct = distinctLinks();
    for (const auto& link : distinct) {
        const QPair<int, int> forward =
            rank.at(link.first) < rank.at(link.second) ? link : qMakePair(link.second, link.first);
        if (!seen.contains(forward)) {
            seen.insert(forward);
            acyclic.append(forward);
        }
    }
    return acyclic;
}
