#include "flowprinter.h"

#include "flowdrawing.h"
#include "graphwidget.h"
#include "groupdiagram.h"
#include "model/group.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr int HeaderPointSize = 10;
// Between the header line and the flow, in header line heights.
constexpr qreal HeaderGap = 0.5;

} // namespace

void FlowPrinter::setUp(QPrinter& printer, const Group& group)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(title(group));
}

QString FlowPrinter::title(const Group& group)
{
    if (!group.name().isEmpty())
        return group.name();
    if (!group.filePath().isEmpty())
        return QFileInfo(group.filePath()).fileName();
    return tr("Sem nome");
}

bool FlowPrinter::print(QPrinter& printer, const Group& group, const QDate& date)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0),
                      printer.pageLayout().paintRectPixels(printer.resolution()).size());
    paint(painter, page, group, date);
    return painter.end();
}

void FlowPrinter::paint(QPainter& painter, const QRectF& page, const Group& group,
                        const QDate& date)
{
    QFont font = painter.font();
    font.setPointSize(HeaderPointSize);
    painter.setFont(font);
    const qreal lineHeight = QFontMetricsF(font, painter.device()).height();
    const QRectF header(page.left(), page.top(), page.width(), lineHeight);
    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, title(group));
    painter.drawText(header, Qt::AlignRight | Qt::AlignVCenter,
                     QLocale().toString(date, QLocale::ShortFormat));
    painter.drawLine(header.bottomLeft(), header.bottomRight());

    GraphWidget graph;
    graph.showGrid(false);
    GroupDiagram::build(graph, group);
    const QRectF bounds = FlowDrawing::flowBounds(*graph.scene());
    if (bounds.isEmpty())
        return;
    const qreal top = header.bottom() + HeaderGap * lineHeight;
    const QRectF area(page.left(), top, page.width(), page.bottom() - top);
    const qreal margin = FlowDrawing::Margin;
    const QRectF source = bounds.adjusted(-margin, -margin, margin, margin);
    const qreal scale = qMin(area.width() / source.width(), area.height() / source.height());
    FlowDrawing::preparePainter(painter, graph);
    graph.scene()->render(&painter, QRectF(area.topLeft(), source.size() * scale), source,
                          Qt::KeepAspectRatio);
}
