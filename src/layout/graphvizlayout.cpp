#include "graphvizlayout.h"

#include <QByteArray>
#include <QMutex>
#include <QMutexLocker>

#include <gvc.h>

namespace {

// Graphviz measures sizes in inches and places in points; one scene unit is
// taken as one point.
constexpr double PointsPerInch = 72.0;

QMutex& graphvizMutex()
{
    static QMutex mutex;
    return mutex;
}

// One context for the process, made at the first layout and kept, as the
// plugins it loads are: making one reads the plugin configuration again
// (and loses a copy of it).
GVC_t* sharedContext()
{
    static GVC_t* context = gvContext();
    return context;
}

// The library prints its warnings on standard error; a failure shows in
// the result instead.
int ignoreMessage(char* /*message*/)
{
    return 0;
}

QByteArray inches(qreal units)
{
    return QByteArray::number(units / PointsPerInch, 'f', 4);
}

void setGraphAttribute(Agraph_t* graph, const char* name, const QByteArray& value)
{
    agattr(graph, AGRAPH, const_cast<char*>(name), const_cast<char*>(value.constData()));
}

void setGraphAttributes(Agraph_t* graph, GraphvizLayout::Effort effort,
                        const LayoutSpacing& spacing)
{
    setGraphAttribute(graph, "rankdir", "TB");
    setGraphAttribute(graph, "nodesep", inches(spacing.across));
    setGraphAttribute(graph, "ranksep", inches(spacing.between));
    // The canvas draws its own arrows: no routes to compute.
    setGraphAttribute(graph, "splines", "false");
    if (effort == GraphvizLayout::Effort::Limited) {
        setGraphAttribute(graph, "mclimit", "0.01");
        setGraphAttribute(graph, "nslimit", "0.5");
        setGraphAttribute(graph, "nslimit1", "0.5");
        setGraphAttribute(graph, "remincross", "false");
        setGraphAttribute(graph, "searchsize", "10");
    }
    agattr(graph, AGNODE, const_cast<char*>("shape"), const_cast<char*>("box"));
    agattr(graph, AGNODE, const_cast<char*>("fixedsize"), const_cast<char*>("true"));
    agattr(graph, AGNODE, const_cast<char*>("label"), const_cast<char*>(""));
}

// Builds the graph; the nodes in box order.
QVector<Agnode_t*> addBoxes(Agraph_t* graph, const LayoutGraph& flow, GraphvizLayout::Effort effort)
{
    Agsym_t* width = agattr(graph, AGNODE, const_cast<char*>("width"), const_cast<char*>("1"));
    Agsym_t* height = agattr(graph, AGNODE, const_cast<char*>("height"), const_cast<char*>("1"));
    QVector<Agnode_t*> nodes;
    nodes.reserve(flow.boxCount());
    for (int i = 0; i < flow.boxCount(); ++i) {
        QByteArray name = QByteArray::number(i);
        Agnode_t* node = agnode(graph, name.data(), 1);
        QByteArray w = inches(flow.sizes.at(i).width());
        QByteArray h = inches(flow.sizes.at(i).height());
        agxset(node, width, w.data());
        agxset(node, height, h.data());
        nodes.append(node);
    }
    // A link back to an earlier stage, turned round, is threaded through
    // every row between its ends: thousands of hidden nodes on a long flow,
    // which make the layout many times slower. In a hurry, the flow's shape
    // comes from the links forward alone. The links reach Graphviz without
    // cycles in any case: its own cycle breaking loses memory.
    const QVector<QPair<int, int>> links = effort == GraphvizLayout::Effort::Limited
                                               ? flow.forwardLinks()
                                               : flow.depthFirstAcyclicLinks();
    for (const auto& link : links)
        agedge(graph, nodes.at(link.first), nodes.at(link.second), nullptr, 1);
    return nodes;
}

} // namespace

bool GraphvizLayout::run(const LayoutGraph& flow, Effort effort, const LayoutSpacing& spacing,
                         QVector<QPointF>* centres, const std::atomic_bool* cancel)
{
    const QMutexLocker lock(&graphvizMutex());
    if (cancel && *cancel)
        return false;
    agseterr(AGERR);
    agseterrf(ignoreMessage);

    GVC_t* context = sharedContext();
    Agraph_t* graph = agopen(const_cast<char*>("flow"), Agdirected, nullptr);
    setGraphAttributes(graph, effort, spacing);
    const QVector<Agnode_t*> nodes = addBoxes(graph, flow, effort);

    const bool laidOut = gvLayout(context, graph, "dot") == 0;
    if (laidOut) {
        centres->resize(nodes.size());
        // Graphviz's y grows upwards.
        for (int i = 0; i < nodes.size(); ++i) {
            const pointf at = ND_coord(nodes.at(i));
            (*centres)[i] = QPointF(at.x, -at.y);
        }
        gvFreeLayout(context, graph);
    }
    agclose(graph);
    return laidOut;
}
