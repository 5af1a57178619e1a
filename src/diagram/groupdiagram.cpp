#include "groupdiagram.h"

#include "graphwidget.h"
#include "model/group.h"
#include "model/macro.h"

void GroupDiagram::build(GraphWidget& graph, const Group& group)
{
    // Every box first: an arrow needs both of its boxes.
    const QList<Macro*> macros = group.macros();
    for (const Macro* macro : macros) {
        const QRect box = macro->dimensions();
        graph.loadSquare(macro->sigla(), macro->num(), macro->name(), macro->type(),
                         macro->position(), box.width(), box.height());
    }
    for (const Macro* macro : macros) {
        const QStringList flow = macro->flow();
        for (const QString& next : flow)
            graph.addEdge(macro->sigla(), next);
    }
}
