#pragma once

#include "app/zorobject.h"
#include "model/flowdiagram.h"

#include <QGraphicsView>
#include <QHash>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QRectF>
#include <QString>
#include <QVector>

class Macro;
class Node;
class Edge;

// The flow canvas: one box (Node) per macro of the open group and one arrow
// (Edge) per permitted next macro, on a 3000 x 3000 scene with a dot grid.
// It places, links, unlinks and deletes boxes by acronym, zooms, and reports
// the user's clicks through its signals. The group reads box geometry back
// through the FlowDiagram interface.
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

    // Places a box for a new macro and stores its place in the macro.
    void addMacroBox(Macro* macro);
    // Places the box of a stored macro with its stored position and size.
    void loadSquare(const QString& sigla, const QString& num, const QString& name, int type,
                    const QPoint& pos, int width, int height);
    void addEdge(const QString& fromSigla, const QString& toSigla);
    void removeEdge(const QString& fromSigla, const QString& toSigla);
    // The topmost box with exactly this acronym, or null.
    Node* findNode(const QString& sigla) const;

    bool boxGeometry(const QString& sigla, QPointF* position, QRectF* rect) const override;
    QList<QString> deleteSelectedItems() override;

    void clearAll();
    void unselectAll();
    // Marks the box with this acronym alone, as a click does, and brings it
    // into the middle of the view; false when there is none.
    bool showBox(const QString& sigla);
    void toggleSelectAll();
    void showGrid(bool on);
    bool gridOn() const { return m_gridOn; }
    void zoomIn();
    void zoomOut();
    void updateCurrentSquare(const QString& num, const QString& name, const QString& sigla,
                             int type);

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
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private slots:
    QPoint createNewSquare(QString l1, QString l2, QString l3, eType tipo);

private:
    // The boxes report their own renaming and destruction, so that the
    // acronym index and the current box never point at a stale box.
    friend class Node;
    void nodeSiglaChanged(Node* node, const QString& oldSigla);
    void nodeDestroyed(Node* node);

    Node* placeBox(const QString& sigla, const QString& num, const QString& name, int type,
                   const QPointF& pos, const QRectF& rect);
    void forgetNode(Node* node);
    // Every item out of the scene, with no box left in the indexes.
    void clearScene();
    bool isRegistered(const Node* node) const;
    // Takes the arrow out of the edge lists of its two boxes and deletes it.
    void destroyEdge(Edge* edge);
    void removeBox(Node* node);
    // Removes every box and arrow at once, after announcing the boxes.
    void removeEverything(QList<QString>* removed);
    void unmarkAll();
    void zoomBy(float delta);

    QGraphicsScene* m_scene = nullptr;
    bool m_gridOn = true;
    double m_scaleFactor = 1.0;
    double m_zoomStep = 0.1;
    QList<Node*> m_nodes;
    // Boxes by acronym; two boxes may share one while the user edits.
    QHash<QString, QVector<Node*>> m_nodesBySigla;
    QPainterPath m_newNodeShape;
    bool m_allSelected = false;
    Node* m_currentNode = nullptr;
    int m_pressSelectionCount = 0;
    // Reused by every background paint.
    QVector<QPoint> m_gridPoints;
};
