#include "visiblecopy.h"

#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "model/group.h"
#include "model/macro.h"

#include <QGraphicsScene>
#include <QSet>

namespace {

void copyBox(GraphWidget& copy, const Node& node, const Group& group)
{
    const Macro* macro = group.findBySigla(node.sigla());
    const QRectF rect = node.rect();
    copy.loadSquare(node.sigla(), node.num(), node.name(), macro ? macro->type() : 0,
                    node.pos().toPoint(), int(rect.width()), int(rect.height()));
}

} // namespace

VisibleCopy::VisibleCopy(const GraphWidget& canvas, const Group& group)
    : m_widget(std::make_unique<GraphWidget>())
{
    const QRectF visible = canvas.mapToScene(canvas.viewport()->rect()).boundingRect();
    QList<const Node*> boxes;
    QList<const Edge*> arrows;
    for (const Node* node : canvas.nodes()) {
        if (node->sceneBoundingRect().intersects(visible))
            boxes.append(node);
        const QList<Edge*> edges = node->edges();
        for (const Edge* edge : edges) {
            if (edge->sourceNode() == node && edge->sceneBoundingRect().intersects(visible))
                arrows.append(edge);
        }
    }

    QSet<QString> placed;
    for (const Node* node : qAsConst(boxes)) {
        copyBox(*m_widget, *node, group);
        placed.insert(node->sigla());
    }
    QSet<QString> outside;
    for (const Edge* edge : qAsConst(arrows)) {
        for (const Node* end : {edge->sourceNode(), edge->destNode()}) {
            if (placed.contains(end->sigla()))
                continue;
            copyBox(*m_widget, *end, group);
            placed.insert(end->sigla());
            outside.insert(end->sigla());
        }
        m_widget->addEdge(edge->sourceNode()->sigla(), edge->destNode()->sigla());
    }
    for (const QString& sigla : qAsConst(outside)) {
        Node* node = m_widget->findNode(sigla);
        m_widget->scene()->removeItem(node);
        m_outsideBoxes.append(node);
    }
    m_boxCount = boxes.size();
    m_arrowCount = arrows.size();
}

VisibleCopy::~VisibleCopy()
{
    // The boxes out of the scene report to the canvas when they go: before it.
    qDeleteAll(m_outsideBoxes);
    m_widget.reset();
}
