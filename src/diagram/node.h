#pragma once

#include "app/zorobject.h"
#include "boxtext.h"

#include <QColor>
#include <QFont>
#include <QGraphicsRectItem>
#include <QList>
#include <QString>

class Edge;
class GraphWidget;
class Macro;
class SizeGripItem;

// One macro's box in the flow diagram: a rectangle in the macro type's
// colour showing its acronym, number and name. It keeps the arrows that
// touch it and makes them follow when it moves; with the grid on it snaps to
// the grid when dragged. A marked box is a selected one: it shows its resize
// handles and paints the arrows that leave it red, above the boxes.
class Node : public QGraphicsRectItem, private ZorObject
{
public:
    enum { Type = UserType + 1 };

    Node(GraphWidget* graph, const QRectF& rect);
    ~Node() override;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    int type() const override { return Type; }

    QString sigla() const { return m_sigla; }
    void setSigla(const QString& sigla);
    QString num() const { return m_num; }
    void setNum(const QString& num);
    QString name() const { return m_name; }
    void setName(const QString& name);
    QColor color() const { return m_color; }
    void setColor(const QColor& color) { m_color = color; }
    SizeGripItem* grip() const { return m_grip; }
    void setGrip(SizeGripItem* grip) { m_grip = grip; }
    GraphWidget* graphWidget() const { return m_graph; }
    // The macro the box shows; null for a box drawn without one.
    Macro* macro() const { return m_macro; }
    void setMacro(Macro* macro) { m_macro = macro; }
    // Texts, colour, place and size from the macro.
    void syncWithMacro();
    // Places the box exactly, without the grid's snapping: the group's
    // values are the truth, wherever they lie.
    void setGeometry(const QPointF& position, const QRectF& rect);
    // The three lines of the box, the name whole.
    QString text() const;
    // The name as it fits the box's width in that font: cut short with "…"
    // when it does not.
    QString shownName(const QFont& font) const;

    QList<Edge*> edges() const { return m_edges; }
    void addEdge(Edge* edge);
    // Lists the arrow without recomputing its end points: for a new arrow,
    // which computes them itself once both of its boxes list it.
    void attachEdge(Edge* edge) { m_edges.append(edge); }
    // Removes every occurrence (an arrow to the box itself is listed twice).
    void removeEdge(Edge* edge);
    Edge* edgeTo(const QString& sigla) const;
    // Tells the canvas where the box now is, and makes every arrow of the
    // box recompute its end points.
    void adjustEdges();

    bool isMarked() const { return m_marked; }
    // Selects or unselects the box.
    void setMarked(bool on);

    // Stacking among boxes of equal z: a later-created box lies above.
    quint64 creationOrder() const { return m_creationOrder; }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;

private:
    void updateEdgeColors();
    void updateToolTip();
    void showMark(bool on);

    GraphWidget* m_graph;
    Macro* m_macro = nullptr;
    SizeGripItem* m_grip = nullptr;
    QColor m_color;
    QString m_sigla;
    QString m_num;
    QString m_name;
    // The last name cut to fit, for the width and font it was cut for.
    mutable QString m_shownName;
    mutable qreal m_shownWidth = -1;
    mutable QFont m_shownFont;
    BoxText m_boxText;
    QList<Edge*> m_edges;
    bool m_marked = false;
    bool m_placing = false;
    // Shift+click adds a box to the selection and never takes it out.
    bool m_keepSelected = false;
    int m_paintCount = 1;
    quint64 m_creationOrder;
};
