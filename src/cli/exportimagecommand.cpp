#include "exportimagecommand.h"

#include "commandoutput.h"
#include "diagram/flowdrawing.h"
#include "diagram/graphwidget.h"
#include "diagram/groupdiagram.h"
#include "io/filesaver.h"
#include "layout/grouparrangement.h"
#include "model/group.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFont>
#include <QGraphicsScene>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cmath>
#include <limits>

namespace {

constexpr double MetersPerInch = 0.0254;

} // namespace

int ExportImageCommand::run(const QString& input, const QString& output, const QString& scale,
                            bool arrange)
{
    double factor = 1.0;
    if (!parseScale(scale, &factor))
        return CommandOutput::fail(
            Failure, tr("Escala inválida (use um número maior que zero): %1").arg(scale));
    if (FileSaver::isSameFile(input, output))
        return CommandOutput::fail(
            Failure,
            tr("O arquivo de saída não pode ser o próprio arquivo de entrada: %1").arg(output));
    if (!isSupported(output))
        return CommandOutput::fail(
            Failure, tr("Formato de imagem não suportado (use .png ou .svg): %1").arg(output));

    Group group{QString(), QString()};
    if (!group.readFile(input))
        return CommandOutput::fail(Failure, tr("Não foi possível abrir o arquivo %1").arg(input),
                                   group.errorString());
    // Only the copy in memory moves: IN stays as it is.
    if (arrange)
        GroupArrangement::arrangeAll(group, GroupArrangement::GridStep);
    return write(group, output, factor) ? Success : Failure;
}

bool ExportImageCommand::write(const Group& group, const QString& output, double factor)
{
    if (!isSupported(output)) {
        CommandOutput::fail(
            Failure, tr("Formato de imagem não suportado (use .png ou .svg): %1").arg(output));
        return false;
    }

    GraphWidget graph;
    graph.showGrid(false);
    GroupDiagram::build(graph, group);

    const QSizeF area = FlowDrawing::sceneArea(*graph.scene());
    const QString tooLarge = checkSize(pixelSize(area, factor));
    if (!tooLarge.isEmpty()) {
        CommandOutput::fail(Failure, tooLarge);
        return false;
    }
    const QByteArray picture =
        isSvg(output) ? svg(graph, area, factor, group.name()) : png(graph, area, factor);
    QString reason;
    if (picture.isEmpty() || !FileSaver::save(output, picture, &reason)) {
        CommandOutput::fail(Failure, tr("Não foi possível salvar o arquivo %1").arg(output),
                            reason);
        return false;
    }
    return true;
}

QString ExportImageCommand::checkSize(const QSize& pixels)
{
    if (pixels.width() > MaxSide || pixels.height() > MaxSide) {
        return tr("A imagem teria %1 x %2 pixels; o máximo é %3 de cada lado.")
            .arg(pixels.width())
            .arg(pixels.height())
            .arg(MaxSide);
    }
    if (qint64(pixels.width()) * pixels.height() > MaxPixels) {
        return tr("A imagem teria %1 x %2 pixels; o máximo é %3 pixels ao todo.")
            .arg(pixels.width())
            .arg(pixels.height())
            .arg(MaxPixels);
    }
    return QString();
}

QSize ExportImageCommand::pixelSize(const QSizeF& area, double scale)
{
    // Bounded only so that a huge scale still gives a size to report.
    const auto pixels = [scale](qreal length) {
        return int(qMin(std::ceil(length * scale), double(std::numeric_limits<int>::max())));
    };
    return QSize(qMax(1, pixels(area.width())), qMax(1, pixels(area.height())));
}

bool ExportImageCommand::parseScale(const QString& text, double* scale)
{
    if (text.isEmpty())
        return true;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0)
        return false;
    *scale = value;
    return true;
}

bool ExportImageCommand::isSupported(const QString& output)
{
    const QString suffix = QFileInfo(output).suffix().toLower();
    return suffix == QLatin1String("png") || suffix == QLatin1String("svg");
}

bool ExportImageCommand::isSvg(const QString& output)
{
    return QFileInfo(output).suffix().toLower() == QLatin1String("svg");
}

void ExportImageCommand::draw(QPainter& painter, const GraphWidget& graph, const QSizeF& area,
                              double scale)
{
    FlowDrawing::preparePainter(painter, graph);
    painter.scale(scale, scale);
    const QRectF sceneRect(QPointF(0, 0), area);
    painter.fillRect(sceneRect, Qt::white);
    // The scene alone draws no grid: the canvas paints it as the view's
    // background.
    graph.scene()->render(&painter, sceneRect, sceneRect, Qt::IgnoreAspectRatio);
}

QByteArray ExportImageCommand::png(const GraphWidget& graph, const QSizeF& area, double scale)
{
    QImage image(pixelSize(area, scale), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return QByteArray();
    const int dotsPerMeter = qRound(DotsPerInch / MetersPerInch);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        draw(painter, graph, area, scale);
    }

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return QByteArray();
    return buffer.data();
}

QByteArray ExportImageCommand::svg(const GraphWidget& graph, const QSizeF& area, double scale,
                                   const QString& title)
{
    const QSize pixels = pixelSize(area, scale);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(pixels);
    generator.setViewBox(QRect(QPoint(0, 0), pixels));
    generator.setResolution(DotsPerInch);
    // Written into the document as it is given.
    generator.setTitle(title.toHtmlEscaped());
    QPainter painter;
    if (!painter.begin(&generator))
        return QByteArray();
    draw(painter, graph, area, scale);
    painter.end();
    return sizeInPixels(buffer.data(), pixels);
}

QByteArray ExportImageCommand::sizeInPixels(const QByteArray& svg, const QSize& pixels)
{
    // The generator gives the size in millimetres at its resolution, which
    // readers turn back into pixels at their own (Qt's SVG module at 90 dots
    // per inch, browsers at 96); a size in pixels means the same to all.
    static const QRegularExpression size(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    QString text = QString::fromUtf8(svg);
    const QRegularExpressionMatch match = size.match(text);
    if (!match.hasMatch())
        return svg;
    text.replace(
        match.capturedStart(), match.capturedLength(),
        QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(pixels.width()).arg(pixels.height()));
    return text.toUtf8();
}
