#include "graphwidget.h"

#include "commands/groupdocument.h"
#include "commands/moveboxescommand.h"
#include "edge.h"
#include "layout/flowcrossings.h"
#include "model/group.h"
#include "model/macro.h"
#include "node.h"
#include "rectresizer.h"
#include "sizegripitem.h"

#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QWheelEvent>

#include <cmath>

namespace {

// Where the first box of an empty diagram goes.
const QPoint FirstBoxPosition(180, 40);
// Zoom-out stops before the factor falls to this many steps.
constexpr double MinimumZoomSteps = 3.0;
// Fitting the flow to the window never magnifies it.
constexpr double MaximumFitZoom = 1.0;
// Scene units kept free around the boxes: room for the handles and for the
// arrows that loop back.
constexpr qreal BoxMargin = 40;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int WheelStep = 120;

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
    connect(m_scene, &QGraphicsScene::selectionChanged, this, &GraphWidget::countSelection);
    // Rubber-band selection on the empty canvas.
    setDragMode(RubberBandDrag);

    setCacheMode(CacheNone);
    setRenderHint(QPainter::Antialiasing);
    // A dragged box moves with twenty arrows that reach across half the
    // view: repainting the rectangle around them all would draw hundreds of
    // items that did not change, the areas they cover only a few.
    setViewportUpdateMode(SmartViewportUpdate);
    setMinimumSize(700, 450);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setMinimum(0);
        bar->setMaximum(SceneSize);
        bar->setTracking(true);
        bar->setValue(1);
    }
    m_newNodeShape.addRect(newBoxRect());
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

QPoint GraphWidget::newBoxPosition(const Group& group)
{
    if (group.macroCount() == 0)
        return FirstBoxPosition;
    const QPoint last = group.macros().constLast()->position();
    return QPoint(last.x() + NewBoxSpacing, last.y());
}

QRect GraphWidget::newBoxRect()
{
    return QRect(0, 0, 121, 81);
}

void GraphWidget::setDocument(GroupDocument* document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    m_pressedBoxes.clear();
    if (!document)
        return;
    connect(document, &GroupDocument::macrosInserted, this, &GraphWidget::showInsertedMacros);
    connect(document, &GroupDocument::macrosRemoved, this, &GraphWidget::removeBoxes);
    connect(document, &GroupDocument::macroChanged, this, &GraphWidget::showChangedMacro);
    connect(document, &GroupDocument::boxesPlaced, this, &GraphWidget::showPlacedBoxes);
}

Node* GraphWidget::addBox(Macro* macro)
{
    const QRect box = macro->dimensions();
    Node* node = placeBox(macro->sigla(), macro->num(), macro->name(), macro->type(),
                          macro->position(), QRectF(0, 0, box.width(), box.height()));
    node->setMacro(macro);
    m_nodeByMacro.insert(macro, node);
    return node;
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
    m_boxGrid.insert(node, node->mapRectToScene(node->rect()));
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

void GraphWidget::nodeMoved(Node* node)
{
    // Boxes taken out of the canvas's lists stay out of the grid.
    if (node->macro() ? m_nodeByMacro.value(node->macro()) == node : isRegistered(node))
        m_boxGrid.insert(node, node->mapRectToScene(node->rect()));
}

bool GraphWidget::passesUnderBox(const QLineF& segment, const Node* source, const Node* dest) const
{
    return m_boxGrid.anyAlong(segment, [&](const Node* node, const QRectF& rect) {
        return node != source && node != dest && FlowCrossings::passesThrough(segment, rect);
    });
}

void GraphWidget::updatePassingArrows()
{
    for (const Node* node : qAsConst(m_nodes)) {
        const QList<Edge*> edges = node->edges();
        for (Edge* edge : edges) {
            if (edge->sourceNode() == node)
                edge->updatePassing();
        }
    }
}

void GraphWidget::forgetNode(Node* node)
{
    m_boxGrid.remove(node);
    if (node == m_currentNode)
        m_currentNode = nullptr;
    if (node->macro() && m_nodeByMacro.value(node->macro()) == node)
        m_nodeByMacro.remove(node->macro());
    m_pressedBoxes.clear();
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

bool GraphWidget::boxGeometry(const Macro* macro, QPointF* position, QRectF* rect) const
{
    const Node* node = nodeFor(macro);
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

QList<Macro*> GraphWidget::selectedMacros() const
{
    QSet<const Macro*> selected;
    const QList<QGraphicsItem*> selection = m_scene->selectedItems();
    for (QGraphicsItem* item : selection) {
        if (const auto* node = qgraphicsitem_cast<Node*>(item)) {
            if (node->macro())
                selected.insert(node->macro());
        }
    }
    QList<Macro*> macros;
    if (selected.isEmpty() || !m_document)
        return macros;
    const QList<Macro*> all = m_document->group().macros();
    for (Macro* macro : all) {
        if (selected.contains(macro))
            macros.append(macro);
    }
    return macros;
}

void GraphWidget::showInsertedMacros(const QList<Macro*>& macros)
{
    const bool wasEmpty = m_nodes.isEmpty();
    QSet<QString> inserted;
    QVector<Node*> nodes;
    nodes.reserve(macros.size());
    for (Macro* macro : macros) {
        nodes.append(addBox(macro));
        inserted.insert(macro->sigla());
    }
    // Every box first: an arrow needs both of its boxes.
    for (Node* node : qAsConst(nodes)) {
        const QStringList flow = node->macro()->flow();
        for (const QString& next : flow)
            addEdge(node, next);
    }
    fitSceneToBoxes();
    if (wasEmpty || !m_document)
        return;
    // The arrows into the new boxes from the boxes that were there.
    const QSet<const Macro*> added(macros.cbegin(), macros.cend());
    const QList<Macro*> all = m_document->group().macros();
    for (Macro* macro : all) {
        if (added.contains(macro))
            continue;
        const QStringList flow = macro->flow();
        for (const QString& next : flow) {
            if (inserted.contains(next))
                addEdge(nodeFor(macro), next);
        }
    }
    updatePassingArrows();
}

void GraphWidget::removeBoxes(const QList<Macro*>& macros)
{
    if (!m_nodes.isEmpty() && macros.size() >= m_nodes.size()) {
        // Taking items out of a large scene one by one costs time in
        // proportion to its size each; clearing it does not.
        const QSet<const Macro*> removed(macros.cbegin(), macros.cend());
        bool everyBox = true;
        for (const Node* node : qAsConst(m_nodes))
            everyBox = everyBox && removed.contains(node->macro());
        if (everyBox) {
            for (const Node* node : qAsConst(m_nodes))
                emit deletedItem(node->sigla());
            clearScene();
            return;
        }
    }
    for (const Macro* macro : macros) {
        if (Node* node = nodeFor(macro)) {
            forgetNode(node);
            removeBox(node);
        }
    }
    fitSceneToBoxes();
    updatePassingArrows();
}

void GraphWidget::showChangedMacro(Macro* macro, const QString& oldSigla)
{
    Node* node = nodeFor(macro);
    if (!node)
        return;
    node->syncWithMacro();
    relinkOutgoing(node);
    if (oldSigla == macro->sigla())
        return;
    relinkIncoming(node);
    // A box that shares the old acronym now takes the arrows that name it.
    if (Node* other = findNode(oldSigla))
        relinkIncoming(other);
}

void GraphWidget::showPlacedBoxes(const QList<Macro*>& macros)
{
    // An arrow between two moved boxes would ask twice what it passes under,
    // the first time with one end not yet in its place: all are asked once,
    // at the end.
    m_passingDeferred = true;
    for (const Macro* macro : macros) {
        if (Node* node = nodeFor(macro)) {
            const QRect box = macro->dimensions();
            node->setGeometry(macro->position(), QRectF(0, 0, box.width(), box.height()));
        }
    }
    fitSceneToBoxes();
    m_passingDeferred = false;
    updatePassingArrows();
    m_scene->update();
}

void GraphWidget::relinkOutgoing(Node* node)
{
    const QList<Edge*> edges = node->edges();
    for (Edge* edge : edges) {
        // An arrow to the box itself is listed twice: gone at its first turn.
        if (node->edges().contains(edge) && edge->sourceNode() == node)
            destroyEdge(edge);
    }
    const QStringList flow = node->macro()->flow();
    for (const QString& next : flow)
        addEdge(node, next);
}

void GraphWidget::relinkIncoming(Node* node)
{
    const QList<Edge*> edges = node->edges();
    for (Edge* edge : edges) {
        if (edge->sourceNode() != node && edge->destNode() == node)
            destroyEdge(edge);
    }
    if (!m_document || findNode(node->sigla()) != node)
        return;
    const QList<Macro*> all = m_document->group().macros();
    for (Macro* macro : all) {
        Node* from = nodeFor(macro);
        if (!from || from == node)
            continue;
        const QStringList flow = macro->flow();
        for (const QString& next : flow) {
            if (next == node->sigla())
                m_scene->addItem(new Edge(from, node));
        }
    }
}

void GraphWidget::addEdge(Node* from, const QString& toSigla)
{
    Node* to = findNode(toSigla);
    if (from && to)
        m_scene->addItem(new Edge(from, to));
}

void GraphWidget::clearScene()
{
    m_currentNode = nullptr;
    m_nodes.clear();
    m_nodesBySigla.clear();
    m_nodeByMacro.clear();
    m_boxGrid.clear();
    m_pressedBoxes.clear();
    // As for selecting them all: the whole view repaints once. Unselected
    // in one go first, the items leave the scene faster.
    m_scene->update();
    m_scene->clearSelection();
    m_scene->clear();
    fitSceneToBoxes();
}

void GraphWidget::clearAll()
{
    // The scene deletes the boxes with their grips and the arrows; the
    // registries are emptied first so that the boxes find nothing to report.
    m_currentNode = nullptr;
    m_nodes.clear();
    m_nodesBySigla.clear();
    m_nodeByMacro.clear();
    m_boxGrid.clear();
    m_pressedBoxes.clear();
    m_scene->clear();
    fitSceneToBoxes();
    m_allSelected = false;
    viewport()->update();
}

void GraphWidget::unmarkAll()
{
    m_bulkSelecting = true;
    for (Node* node : qAsConst(m_nodes))
        node->setMarked(false);
    m_scene->clearSelection();
    m_bulkSelecting = false;
}

void GraphWidget::unselectAll()
{
    unmarkAll();
    countSelection();
}

bool GraphWidget::showBox(const QString& sigla)
{
    Node* node = findNode(sigla);
    if (!node)
        return false;
    showNode(node);
    centerOn(node);
    return true;
}

bool GraphWidget::showMacro(const Macro* macro)
{
    Node* node = macro ? nodeFor(macro) : nullptr;
    if (!node)
        return false;
    showNode(node);
    centerOn(node);
    return true;
}

void GraphWidget::showNode(Node* node)
{
    unmarkAll();
    node->setMarked(true);
    m_currentNode = node;
}

void GraphWidget::selectNextBox(bool forward)
{
    if (!m_document)
        return;
    const QList<Macro*> macros = m_document->group().macros();
    const QList<Macro*> selected = selectedMacros();
    const int count = macros.size();
    int index = forward ? -1 : count;
    if (!selected.isEmpty())
        index = macros.indexOf(forward ? selected.constLast() : selected.constFirst());
    // Round the list, past any macro that has no box.
    for (int step = 0; step < count; ++step) {
        index = ((forward ? index + 1 : index - 1) % count + count) % count;
        if (Node* node = nodeFor(macros.at(index))) {
            showNode(node);
            ensureVisible(node);
            return;
        }
    }
}

void GraphWidget::toggleSelectAll()
{
    // Every box changes: one repaint of the whole view, rather than the
    // scene keeping the area of each box and handle that changed.
    m_scene->update();
    m_allSelected = !m_allSelected;
    m_bulkSelecting = true;
    for (Node* node : qAsConst(m_nodes))
        node->setMarked(m_allSelected);
    m_bulkSelecting = false;
    countSelection();
}

void GraphWidget::countSelection()
{
    if (!m_bulkSelecting)
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
    if (m_scaleFactor > minimumZoom())
        zoomBy(-float(m_zoomStep));
}

void GraphWidget::zoomBy(float delta)
{
    // The step is single precision (0.1 adds 0.10000000149...): seven steps
    // out of 1.0 reach 0.2999999895..., where zooming out stops.
    applyZoom(m_scaleFactor + delta);
    const QList<QGraphicsItem*> selection = m_scene->selectedItems();
    if (selection.size() == 1)
        centerOn(selection.constFirst());
}

void GraphWidget::applyZoom(double factor)
{
    m_scaleFactor = factor;
    setTransformationAnchor(NoAnchor);
    resetTransform();
    scale(m_scaleFactor, m_scaleFactor);
    emit zoom(qRound(m_scaleFactor * 100));
}

double GraphWidget::minimumZoom() const
{
    return MinimumZoomSteps * m_zoomStep;
}

void GraphWidget::zoomAround(const QPoint& viewPos, bool in)
{
    if (!in && m_scaleFactor <= minimumZoom())
        return;
    const QPointF scenePos = mapToScene(viewPos);
    applyZoom(m_scaleFactor + (in ? float(m_zoomStep) : -float(m_zoomStep)));
    // Scrolled so that the point under the mouse stays under it.
    const QPoint moved = mapFromScene(scenePos) - viewPos;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + moved.y());
}

void GraphWidget::fitToWindow()
{
    QRectF bounds;
    for (const Node* node : qAsConst(m_nodes))
        bounds |= node->sceneBoundingRect();
    if (bounds.isEmpty())
        return;
    bounds.adjust(-GridStep, -GridStep, GridStep, GridStep);
    const QSize view = viewport()->size();
    const double factor = qMin(view.width() / bounds.width(), view.height() / bounds.height());
    applyZoom(qBound(minimumZoom(), factor, MaximumFitZoom));
    centerOn(bounds.center());
}

void GraphWidget::zoomToActualSize()
{
    const QPointF middle = mapToScene(viewport()->rect().center());
    applyZoom(1.0);
    centerOn(middle);
}

void GraphWidget::showTopLeft()
{
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void GraphWidget::fitSceneToBoxes()
{
    QRectF area(0, 0, SceneSize, SceneSize);
    for (const Node* node : qAsConst(m_nodes))
        area |= node->sceneBoundingRect().adjusted(-BoxMargin, -BoxMargin, BoxMargin, BoxMargin);
    if (area != m_scene->sceneRect())
        m_scene->setSceneRect(area);
}

void GraphWidget::mousePressEvent(QMouseEvent* event)
{
    QGraphicsView::mousePressEvent(event);
    m_pressedBoxes.clear();
    if (m_document && (event->buttons() & Qt::LeftButton)) {
        m_pressedBoxes.reserve(m_nodes.size());
        for (Node* node : qAsConst(m_nodes))
            m_pressedBoxes.append({node, node->pos(), node->rect()});
    }
    emit newMouseClick(event->pos());
}

void GraphWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QGraphicsView::mouseReleaseEvent(event);
    if (!(event->buttons() & Qt::LeftButton))
        commitDrag();
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

void GraphWidget::commitDrag()
{
    const QVector<PressedBox> pressed = m_pressedBoxes;
    m_pressedBoxes.clear();
    QList<BoxPlacement> before;
    QList<BoxPlacement> after;
    for (const PressedBox& box : pressed) {
        Node* node = box.node;
        Macro* macro = node->macro();
        if (!macro || (node->pos() == box.position && node->rect() == box.rect))
            continue;
        // A box resized at its top or left edge keeps its place in the
        // scene; the group stores it as its corner and its size.
        const QRectF rect = node->rect();
        const QPoint position = (node->pos() + rect.topLeft()).toPoint();
        const QRect dimensions(0, 0, qRound(rect.width()), qRound(rect.height()));
        before.append({macro, macro->position(), macro->dimensions()});
        after.append({macro, position, dimensions});
    }
    if (after.isEmpty())
        return;
    m_document->push(
        new MoveBoxesCommand(*m_document, before, after, MoveBoxesCommand::Source::Drag));
}

void GraphWidget::keyPressEvent(QKeyEvent* event)
{
    const qreal step = (event->modifiers() & Qt::ShiftModifier) ? 1 : GridStep;
    QPointF delta;
    switch (event->key()) {
    case Qt::Key_Left:
        delta = QPointF(-step, 0);
        break;
    case Qt::Key_Right:
        delta = QPointF(step, 0);
        break;
    case Qt::Key_Up:
        delta = QPointF(0, -step);
        break;
    case Qt::Key_Down:
        delta = QPointF(0, step);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (openSelectedBox())
            return;
        break;
    default:
        break;
    }
    if (delta.isNull() || !moveSelectionBy(delta))
        QGraphicsView::keyPressEvent(event);
}

bool GraphWidget::openSelectedBox()
{
    const QList<QGraphicsItem*> selection = m_scene->selectedItems();
    auto* node =
        selection.size() == 1 ? qgraphicsitem_cast<Node*>(selection.constFirst()) : nullptr;
    if (!node)
        return false;
    m_currentNode = node;
    emit editShape(node->num());
    return true;
}

bool GraphWidget::event(QEvent* event)
{
    // Tab walks the boxes rather than leaving the canvas: the view would
    // hand it to the scene, then to the focus chain.
    if (event->type() == QEvent::KeyPress && m_document && !m_nodes.isEmpty()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            selectNextBox(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    return QGraphicsView::event(event);
}

void GraphWidget::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        m_wheelZoom = 0;
        QGraphicsView::wheelEvent(event);
        return;
    }
    // A touchpad sends a notch in many small parts.
    m_wheelZoom += event->angleDelta().y();
    while (qAbs(m_wheelZoom) >= WheelStep) {
        const bool in = m_wheelZoom > 0;
        m_wheelZoom += in ? -WheelStep : WheelStep;
        zoomAround(event->position().toPoint(), in);
    }
    event->accept();
}

bool GraphWidget::moveSelectionBy(const QPointF& delta)
{
    const QList<Macro*> macros = selectedMacros();
    if (macros.isEmpty())
        return false;
    QList<BoxPlacement> before;
    QList<BoxPlacement> after;
    for (Macro* macro : macros) {
        before.append({macro, macro->position(), macro->dimensions()});
        after.append({macro, macro->position() + delta.toPoint(), macro->dimensions()});
    }
    m_document->push(
        new MoveBoxesCommand(*m_document, before, after, MoveBoxesCommand::Source::Keyboard));
    return true;
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
