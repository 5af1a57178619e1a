#include "groupdiagram.h"

#include "graphwidget.h"
#include "model/group.h"
#include "model/macro.h"
#include "node.h"

void GroupDiagram::build(GraphWidget& graph, const Group& group)
{
    // Every box first: an arrow needs both of its boxes.
    const QList<Macro*> macros = group.macros();
    for (Macro* macro : macros)
        graph.addBox(macro);
    for (const Macro* macro : macros) {
        Node* from = graph.nodeFor(macro);
        const QStringList flow = macro->flow();
        for (const QString& next : flow)
            graph.addEdge(from, next);
    }
    graph.fitSceneToBoxes();
}
