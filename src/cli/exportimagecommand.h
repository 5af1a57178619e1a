#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QSizeF>
#include <QString>

class GraphWidget;
class Group;
class QPainter;

// "zor --export-image IN OUT [--scale F] [--arrange]": draws the flow
// diagram of the group in IN (its boxes laid out by their flow first, when
// asked to) with the canvas's own boxes and arrows, without the grid and
// the resize handles, into the picture OUT: PNG or SVG by its suffix. One
// pixel per scene unit unless scaled, from the scene's origin to a margin
// beyond the lowest and rightmost item, so that a box stored at (x, y) has
// its top-left corner at pixel (x, y). IN is never modified and OUT is
// written whole or not at all, never over IN itself. Needs a QApplication
// (the canvas is a widget), never a display.
class ExportImageCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportImageCommand)

public:
    enum ExitCode { Success = 0, Failure = 1 };

    // Largest side of a picture, in pixels.
    static constexpr int MaxSide = 32767;
    // Largest picture, in pixels: 400 MB of colour, far beyond the whole
    // scene at three pixels per unit.
    static constexpr qint64 MaxPixels = 100000000;
    // The resolution the pictures declare: a document places them at their
    // size in pixels, as a screen shows them.
    static constexpr int DotsPerInch = 96;

    // scale: a positive number as text; empty for 1.
    static int run(const QString& input, const QString& output, const QString& scale = QString(),
                   bool arrange = false);
    // The picture of a group that is already read, as run draws it; false,
    // after saying why, when it can't be written.
    static bool write(const Group& group, const QString& output, double scale = 1.0);

    // The picture's size in pixels for that area and scale.
    static QSize pixelSize(const QSizeF& area, double scale);

private:
    static bool parseScale(const QString& text, double* scale);
    static bool isSupported(const QString& output);
    static bool isSvg(const QString& output);
    static void draw(QPainter& painter, const GraphWidget& graph, const QSizeF& area, double scale);
    static QString checkSize(const QSize& pixels);
    static QByteArray png(const GraphWidget& graph, const QSizeF& area, double scale);
    static QByteArray svg(const GraphWidget& graph, const QSizeF& area, double scale,
                          const QString& title);
    static QByteArray sizeInPixels(const QByteArray& svg, const QSize& pixels);
};
