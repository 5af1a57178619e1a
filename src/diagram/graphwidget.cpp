#include "graphwidget.h"

#include "edge.h"
#include "model/macro.h"
#include "node.h"
#include "rectresizer.h"
#include "sizegripitem.h"

#include <QGraphicsScene>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace {

// Where the first box of an empty diagram goes.
const QPoint FirstBoxPosition(180, 40);
// Zoom-out stops before the factor falls to this many steps.
constexpr double MinimumZoomSteps = 3.0;

} // namespace

GraphWidget::GraphWidget(QWidget* parent) : QGraphicsView(parent)
{
    logConstruction();
    m_scene = new QGraphicsScene(this);
    // The canvas finds its boxes through its own index, never through
    // QGraphicsScene::items(), so the scene needs none.
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    m_scene->setSceneRect(0, 0, SceneSize, SceneSize);
    setScene(m_scene);

    setCacheMode(CacheNone);
    setRenderHint(QPainter::Antialiasing);
    setViewportUpdateMode(BoundingRectViewportUpdate);
    setMinimumSize(700, 450);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setMinimum(0);
        bar->setMaximum(SceneSize);
        bar->setTracking(true);
        bar->setValue(1);
    }
    m_newNodeShape.addRect(0, 0, 121, 81);
}

GraphWidget::~GraphWidget()
{
    // The boxes report their destruction to the canvas: they must go while
    // it still exists, not with the scene after it.
    clearScene();
}

QPointF GraphWidget::snapToGrid(const QPointF& point)
{
    return QPointF(point.x() - std::fmod(std::trunc(point.x()), double(GridStep)),
                   point.y() - std::fmod(std::trunc(point.y()), double(GridStep)));
}

QPoint GraphWidget::createNewSquare(QString l1, QString l2, QString l3, eType tipo)
{
    QPoint position = FirstBoxPosition;
    if (!m_nodes.isEmpty()) {
        const QPointF last = m_nodes.last()->pos();
        position = QPoint(int(last.x()) + NewBoxSpacing, int(last.y()));
    }
    placeBox(l1, l2, l3, tipo, position, m_newNodeShape.boundingRect());
    return position;
}

void GraphWidget::addMacroBox(Macro* macro)
{
    if (!macro)
        return;
    macro->setPosition(createNewSquare(macro->sigla(), macro->num(), macro->name(), macro->type()));
}

void GraphWidget::loadSquare(const QString& sigla, const QString& num, const QString& name,
                             int type, const QPoint& pos, int width, int height)
{
    placeBox(sigla, num, name, type, pos, QRectF(0, 0, width, height));
}

Node* GraphWidget::placeBox(const QString& sigla, const QString& num, const QString& name, int type,
                            const QPointF& pos, const QRectF& rect)
{
    // The scene owns the box from addItem on; the canvas deletes it.
    auto* node = new Node(this, rect);
    node->setSigla(sigla);
    node->setNum(num);
    node->setName(name);
    // Not yet in the scene: the stored position is taken as it is.
    node->setPos(pos);
    const QColor color = Macro::typeColor(type);
    node->setColor(color);
    node->setBrush(QBrush(color, Qt::SolidPattern));
    node->setGrip(new SizeGripItem(std::make_unique<RectResizer>(), node));

    m_nodes.append(node);
    m_nodesBySigla[sigla].append(node);
    m_scene->addItem(node);
    viewport()->update();
    return node;
}

bool GraphWidget::isRegistered(const Node* node) const
{
    const auto bucket = m_nodesBySigla.constFind(node->sigla());
    return bucket != m_nodesBySigla.constEnd() && bucket->contains(const_cast<Node*>(node));
}

void GraphWidget::nodeSiglaChanged(Node* node, const QString& oldSigla)
{
    const auto bucket = m_nodesBySigla.find(oldSigla);
    if (bucket == m_nodesBySigla.end() || !bucket->removeOne(node))
        return;
    if (bucket->isEmpty())
        m_nodesBySigla.erase(bucket);
    m_nodesBySigla[node->sigla()].append(node);
}

void GraphWidget::nodeDestroyed(Node* node)
{
    forgetNode(node);
}

void GraphWidget::forgetNode(Node* node)
{
    if (node == m_currentNode)
        m_currentNode = nullptr;
    const auto bucket = m_nodesBySigla.find(node->sigla());
    if (bucket == m_nodesBySigla.end() || !bucket->removeOne(node))
        return;
    if (bucket->isEmpty())
        m_nodesBySigla.erase(bucket);
    m_nodes.removeOne(node);
}

Node* GraphWidget::findNode(const QString& sigla) const
{
    const auto bucket = m_nodesBySigla.constFind(sigla);
    if (bucket == m_nodesBySigla.constEnd())
        return nullptr;
    // Topmost: the higher z, and among equals the later-created box, as the
    // scene stacks them.
    Node* top = nullptr;
    for (Node* node : *bucket) {
        if (!top || node->zValue() > top->zValue() ||
            (node->zValue() == top->zValue() && node->creationOrder() > top->creationOrder()))
            top = node;
    }
    return top;
}

bool GraphWidget::boxGeometry(const QString& sigla, QPointF* position, QRectF* rect) const
{
    const Node* node = findNode(sigla);
    if (!node)
        return false;
    if (position)
        *position = node->pos();
    if (rect)
        *rect = node->rect();
    return true;
}

void GraphWidget::addEdge(const QString& fromSigla, const QString& toSigla)
{
    Node* from = findNode(fromSigla);
    Node* to = findNode(toSigla);
    if (!from || !to)
        return;
    // The arrow attaches itself to both boxes; the scene owns it.
    m_scene->addItem(new Edge(from, to));
}

void GraphWidget::removeEdge(const QString& fromSigla, const QString& toSigla)
{
    Node* from = findNode(fromSigla);
    if (!from)
        return;
    if (Edge* edge = from->edgeTo(toSigla))
        destroyEdge(edge);
}

void GraphWidget::destroyEdge(Edge* edge)
{
    // Only its two boxes list an arrow.
    if (edge->sourceNode())
        edge->sourceNode()->removeEdge(edge);
    if (edge->destNode())
        edge->destNode()->removeEdge(edge);
    m_scene->removeItem(edge);
    delete edge;
}

void GraphWidget::removeBox(Node* node)
{
    // An arrow leaves both lists at once, so the list shrinks every turn.
    while (!node->edges().isEmpty())
        destroyEdge(node->edges().constFirst());
    emit deletedItem(node->sigla());
    m_scene->removeItem(node);
    delete node;
}

QList<QString> GraphWidget::deleteSelectedItems()
{
    QList<QString> removed;
    QList<Node*> boxes;
    int registered = 0;
    const QList<QGraphicsItem*> selection = m_scene->selectedItems();
    for (QGraphicsItem* item : selection) {
        if (auto* node = qgraphicsitem_cast<Node*>(item)) {
            boxes.append(node);
            registered += isRegistered(node) ? 1 : 0;
        }
    }

    if (registered > 0 && registered == boxes.size() && registered == m_nodes.size()) {
        removeEverything(&removed);
    } else {
        for (Node* node : qAsConst(boxes)) {
            if (isRegistered(node)) {
                removed.append(node->sigla());
                forgetNode(node);
            }
            removeBox(node);
        }
    }
    emit selectedItems(m_scene->selectedItems().size());
    return removed;
}

void GraphWidget::removeEverything(QList<QString>* removed)
{
    // Every box is selected, so every arrow goes too and the scene holds
    // nothing else of the canvas's. Taking items out of a large scene one by
    // one costs time in proportion to its size each; clearing it does not.
    // The boxes go in the order they were made, which is the group's: each
    // macro the window removes is then the first of its list.
    for (const Node* node : qAsConst(m_nodes))
        removed->append(node->sigla());
    for (const Node* node : qAsConst(m_nodes))
        emit deletedItem(node->sigla());
    clearScene();
}

void GraphWidget::clearScene()
{
    m_currentNode = nullptr;
    m_nodes.clear();
    m_nodesBySigla.clear();
    // As for selecting them all: the whole view repaints once. Unselected
    // in one go first, the items leave the scene faster.
    m_scene->update();
    m_scene->clearSelection();
    m_scene->clear();
}

void GraphWidget::clearAll()
{
    // The scene deletes the boxes with their grips and the arrows; the
    // registries are emptied first so that the boxes find nothing to report.
    m_currentNode = nullptr;
    m_nodes.clear();
    m_nodesBySigla.clear();
    m_scene->clear();
    m_allSelected = false;
    viewport()->update();
}

void GraphWidget::unmarkAll()
{
    for (Node* node : qAsConst(m_nodes))
        node->setMarked(false);
    m_scene->clearSelection();
}

void GraphWidget::unselectAll()
{
    unmarkAll();
    emit selectedItems(m_scene->selectedItems().size());
}

bool GraphWidget::showBox(const QString& sigla)
{
    Node* node = findNode(sigla);
    if (!node)
        return false;
    unmarkAll();
    node->setMarked(true);
    m_currentNode = node;
    centerOn(node);
    emit selectedItems(m_scene->selectedItems().size());
    return true;
}

void GraphWidget::toggleSelectAll()
{
    // Every box changes: one repaint of the whole view, rather than the
    // scene keeping the area of each box and handle that changed.
    m_scene->update();
    m_allSelected = !m_allSelected;
    for (Node* node : qAsConst(m_nodes))
        node->setMarked(m_allSelected);
    emit selectedItems(m_scene->selectedItems().size());
}

void GraphWidget::showGrid(bool on)
{
    setBackgroundBrush(Qt::NoBrush);
    m_gridOn = on;
}

void GraphWidget::zoomIn()
{
    zoomBy(float(m_zoomStep));
}

void GraphWidget::zoomOut()
{
    if (m_scaleFactor > MinimumZoomSteps * m_zoomStep)
        zoomBy(-float(m_zoomStep));
}

void GraphWidget::zoomBy(float delta)
{
    // The step is single precision (0.1 adds 0.10000000149...): seven steps
    // out of 1.0 reach 0.2999999895..., where zooming out stops.
    m_scaleFactor += delta;
    setTransformationAnchor(NoAnchor);
    resetTransform();
    scale(m_scaleFactor, m_scaleFactor);
    const QList<QGraphicsItem*> selection = m_scene->selectedItems();
    if (selection.size() == 1)
        centerOn(selection.constFirst());
    emit zoom(qRound(m_scaleFactor * 100));
}

void GraphWidget::updateCurrentSquare(const QString& num, const QString& name, const QString& sigla,
                                      int type)
{
    if (!m_currentNode)
        return;
    m_currentNode->setNum(num);
    m_currentNode->setName(name);
    m_currentNode->setSigla(sigla);
    const QColor color = Macro::typeColor(type);
    m_currentNode->setColor(color);
    m_currentNode->setBrush(QBrush(color, Qt::SolidPattern));
    m_currentNode->update();
}

void GraphWidget::mousePressEvent(QMouseEvent* event)
{
    if (!(event->modifiers() & Qt::ShiftModifier) && m_pressSelectionCount == 1) {
        unmarkAll();
        emit selectedItems(m_scene->selectedItems().size());
    }
    QGraphicsView::mousePressEvent(event);
    m_pressSelectionCount = m_scene->selectedItems().size();
    emit newMouseClick(event->pos());
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QGraphicsView::mouseReleaseEvent(event);
    const QList<QGraphicsItem*> selection = m_scene->selectedItems();
    if (selection.isEmpty())
        return;
    // Only boxes are selectable.
    auto* node = qgraphicsitem_cast<Node*>(selection.constFirst());
    if (!node)
        return;
    m_currentNode = node;
    // The release position in the viewport, taken as a scene point.
    emit newPosition(mapFromScene(QPointF(event->pos())), node->boundingRect(), node->sigla(),
                     node->name(), node->num());
}

void GraphWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::LeftButton)
        return;
    const QList<QGraphicsItem*> selection = m_scene->selectedItems();
    if (selection.size() != 1)
        return;
    auto* node = qgraphicsitem_cast<Node*>(selection.constFirst());
    if (!node)
        return;
    m_currentNode = node;
    emit editShape(node->num());
}

void GraphWidget::drawBackground(QPainter* painter, const QRectF& rect)
{
    if (!m_gridOn)
        return;
    // The points on multiples of the step around the exposed area, drawn in
    // one call.
    const QRect r = rect.toRect();
    const int left = r.left() - GridStep - r.left() % GridStep;
    const int top = r.top() - GridStep - r.top() % GridStep;
    const int right = r.right() + GridStep;
    const int bottom = r.bottom() + GridStep;
    m_gridPoints.clear();
    m_gridPoints.reserve(((right - left) / GridStep + 1) * ((bottom - top) / GridStep + 1));
    for (int y = top; y < bottom; y += GridStep) {
        for (int x = left; x < right; x += GridStep)
            m_gridPoints.append(QPoint(x, y));
    }
    painter->setPen(QPen(Qt::black));
    painter->drawPoints(m_gridPoints.constData(), m_gridPoints.size());
}
