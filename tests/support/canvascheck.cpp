#include "canvascheck.h"

#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "model/group.h"
#include "model/macro.h"

#include <QGraphicsScene>
#include <QSet>

namespace ZorTest {

namespace {

QString boxDifference(const Node* node, const Macro* macro)
{
    if (!node)
        return QStringLiteral("no box for ") + macro->sigla();
    const QRect box = macro->dimensions();
    if (node->text() != macro->sigla() + '\n' + macro->num() + '\n' + macro->name() ||
        node->color() != Macro::typeColor(macro->type()))
        return QStringLiteral("box texts or colour of ") + macro->sigla();
    if (node->pos() != QPointF(macro->position()) ||
        node->rect() != QRectF(0, 0, box.width(), box.height()))
        return QStringLiteral("box geometry of %1: (%2, %3) %4 x %5")
            .arg(macro->sigla())
            .arg(node->pos().x())
            .arg(node->pos().y())
            .arg(node->rect().width())
            .arg(node->rect().height());
    return QString();
}

} // namespace

QString canvasDifference(const GraphWidget& canvas, const Group& group)
{
    const QList<Macro*> macros = group.macros();
    if (canvas.nodes().size() != macros.size())
        return QStringLiteral("%1 boxes for %2 macros")
            .arg(canvas.nodes().size())
            .arg(macros.size());
    QSet<QString> siglas;
    for (const Macro* macro : macros) {
        const QString difference = boxDifference(canvas.nodeFor(macro), macro);
        if (!difference.isEmpty())
            return difference;
        siglas.insert(macro->sigla());
    }
    QStringList expected;
    for (const Macro* macro : macros) {
        const QStringList flow = macro->flow();
        for (const QString& next : flow) {
            if (siglas.contains(next))
                expected.append(macro->sigla() + QStringLiteral(">") + next);
        }
    }
    QStringList shown;
    const QList<QGraphicsItem*> items = canvas.scene()->items();
    for (const QGraphicsItem* item : items) {
        if (const auto* edge = qgraphicsitem_cast<const Edge*>(item))
            shown.append(edge->sourceNode()->sigla() + QStringLiteral(">") +
                         edge->destNode()->sigla());
    }
    expected.sort();
    shown.sort();
    if (expected != shown)
        return QStringLiteral("arrows %1, expected %2").arg(shown.join(' '), expected.join(' '));
    return QString();
}

} // namespace ZorTest
