#pragma once

#include "app/zorobject.h"
#include "layout/boxgrid.h"
#include "model/flowdiagram.h"

#include <QGraphicsView>
#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QVector>

class Edge;
class Group;
class GroupDocument;
class Macro;
class Node;

// The flow canvas: one box (Node) per macro of the open group and one arrow
// (Edge) per permitted next macro, on a 3000 x 3000 scene with a dot grid.
// It shows what the group document holds and follows its changes; the
// user's drags and arrow keys become move commands on the document. It
// zooms, selects, and reports the user's clicks through its signals.
class GraphWidget : public QGraphicsView, public FlowDiagram, private ZorObject
{
    Q_OBJECT

public:
    // The macro type code of Macro::typeColor.
    using eType = int;

    static constexpr int SceneSize = 3000;
    static constexpr int GridStep = 10;
    // Horizontal distance from the last box to a new one.
    static constexpr int NewBoxSpacing = 180;

    explicit GraphWidget(QWidget* parent = nullptr);
    ~GraphWidget() override;

    // Follows the document from now on; null detaches the canvas. The
    // canvas does not draw what the group already holds: see GroupDiagram.
    void setDocument(GroupDocument* document);
    GroupDocument* document() const { return m_document; }

    // Places the box of a macro at its stored position and size.
    Node* addBox(Macro* macro);
    // Places a box that stands for no macro.
    void loadSquare(const QString& sigla, const QString& num, const QString& name, int type,
                    const QPoint& pos, int width, int height);
    void addEdge(const QString& fromSigla, const QString& toSigla);
    // An arrow from this box to the box of that acronym, when there is one.
    void addEdge(Node* from, const QString& toSigla);
    void removeEdge(const QString& fromSigla, const QString& toSigla);
    // The topmost box with exactly this acronym, or null.
    Node* findNode(const QString& sigla) const;
    Node* nodeFor(const Macro* macro) const { return m_nodeByMacro.value(macro); }

    bool boxGeometry(const Macro* macro, QPointF* position, QRectF* rect) const override;
    // Whether the segment runs under a box other than the two given.
    bool passesUnderBox(const QLineF& segment, const Node* source, const Node* dest) const;
    // While many boxes move at once the arrows are asked only at the end.
    bool isPassingDeferred() const { return m_passingDeferred; }
    // The macros of the selected boxes, in the order of the group.
    QList<Macro*> selectedMacros() const;
    // Where the box of a new macro goes: to the right of the group's last box.
    static QPoint newBoxPosition(const Group& group);
    // The size of the box of a new macro.
    static QRect newBoxRect();

    void clearAll();
    void unselectAll();
    // Marks the box with this acronym alone, as a click does, and brings it
    // into the middle of the view; false when there is none.
    bool showBox(const QString& sigla);
    // The same for the box of a macro.
    bool showMacro(const Macro* macro);
    // Marks the next box of the group's list after the selected one (the
    // first when none is), or the previous one, and brings it into view.
    void selectNextBox(bool forward);
    void toggleSelectAll();
    void showGrid(bool on);
    bool gridOn() const { return m_gridOn; }
    void zoomIn();
    void zoomOut();
    // The whole flow in the view, never above zoom 1 nor below the smallest
    // zoom.
    void fitToWindow();
    // Zoom 1, around the middle of the view.
    void zoomToActualSize();
    // Scrolls to the top-left corner of the scene.
    void showTopLeft();
    // The scene holds the 3000 x 3000 area and every box with room around
    // it, wherever the boxes were put.
    void fitSceneToBoxes();

    double scaleFactor() const { return m_scaleFactor; }
    // Every box, in creation order.
    const QList<Node*>& nodes() const { return m_nodes; }
    Node* currentNode() const { return m_currentNode; }

    // Removes the integer remainder of each coordinate modulo the grid step,
    // rounding toward zero: 27 becomes 20, -13 becomes -10, 12.5 becomes 10.5.
    static QPointF snapToGrid(const QPointF& point);

signals:
    void newMouseClick(QPoint);
    void newPosition(QPoint, QRectF, QString, QString, QString);
    void editShape(QString);
    void deletedItem(QString);
    void selectedItems(int n);
    void zoom(int zoom);
    void deleteAllItems();
    void clickOnShape(QString, QString, QString);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    // Where a box stood when the mouse went down.
    struct PressedBox
    {
        Node* node;
        QPointF position;
        QRectF rect;
    };

    // The document's changes, shown.
    void showInsertedMacros(const QList<Macro*>& macros);
    void removeBoxes(const QList<Macro*>& macros);
    void showChangedMacro(Macro* macro, const QString& oldSigla);
    void showPlacedBoxes(const QList<Macro*>& macros);
    // Draws again every arrow that leaves the box, from its macro's flow.
    void relinkOutgoing(Node* node);
    // Draws again every arrow into the box, from the flows that name it.
    void relinkIncoming(Node* node);

    // A drag that moved or resized boxes becomes one command.
    void commitDrag();
    bool moveSelectionBy(const QPointF& delta);
    void countSelection();

    // The boxes report their own renaming and destruction, so that the
    // acronym index and the current box never point at a stale box.
    friend class Node;
    void nodeSiglaChanged(Node* node, const QString& oldSigla);
    void nodeDestroyed(Node* node);
    void nodeMoved(Node* node);
    // After boxes came, went or moved: whether each arrow passes under a
    // box may have changed for arrows of other boxes too.
    void updatePassingArrows();

    Node* placeBox(const QString& sigla, const QString& num, const QString& name, int type,
                   const QPointF& pos, const QRectF& rect);
    void forgetNode(Node* node);
    // Every item out of the scene, with no box left in the indexes.
    void clearScene();
    bool isRegistered(const Node* node) const;
    // Takes the arrow out of the edge lists of its two boxes and deletes it.
    void destroyEdge(Edge* edge);
    void removeBox(Node* node);
    void unmarkAll();
    void showNode(Node* node);
    void zoomBy(float delta);
    void applyZoom(double factor);
    // Zooms one step in or out keeping the scene point under viewPos there.
    void zoomAround(const QPoint& viewPos, bool in);
    bool openSelectedBox();
    double minimumZoom() const;

    GroupDocument* m_document = nullptr;
    QGraphicsScene* m_scene = nullptr;
    bool m_gridOn = true;
    double m_scaleFactor = 1.0;
    double m_zoomStep = 0.1;
    QList<Node*> m_nodes;
    // Boxes by acronym; two boxes may share one while the user edits.
    QHash<QString, QVector<Node*>> m_nodesBySigla;
    QHash<const Macro*, Node*> m_nodeByMacro;
    // Where each box stands, for the arrows that ask what they pass under.
    BoxGrid<Node*> m_boxGrid;
    bool m_passingDeferred = false;
    QVector<PressedBox> m_pressedBoxes;
    // Set while many boxes change their selection at once: the count is
    // reported once at the end.
    bool m_bulkSelecting = false;
    QPainterPath m_newNodeShape;
    bool m_allSelected = false;
    Node* m_currentNode = nullptr;
    // Wheel turns with Ctrl held, in eighths of a degree, not yet a step.
    int m_wheelZoom = 0;
    // Reused by every background paint.
    QVector<QPoint> m_gridPoints;
};
