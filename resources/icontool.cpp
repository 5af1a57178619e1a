// Image tool of render-images.sh, which refreshes the committed images.
//
//   icontool compose <output.png> <base.png> <overlay.png> <x> <y> <size>
//       Draws the overlay, scaled to size x size pixels, at (x, y) over the
//       base image: the zoom icons are composed with it.
//   icontool render <input.svg> <output.png> <width> <height>
//       Renders an SVG drawing at the given pixel size.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "icontool: %s\n", qPrintable(message));
    return 1;
}

bool toInt(const QString& text, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

int save(const QImage& image, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return fail(QStringLiteral("cannot write %1").arg(path));
    return 0;
}

int compose(const QStringList& args)
{
    int x = 0;
    int y = 0;
    int size = 0;
    if (args.size() != 6 || !toInt(args.at(3), &x) || !toInt(args.at(4), &y) ||
        !toInt(args.at(5), &size) || size <= 0)
        return fail(QStringLiteral("usage: compose <output> <base> <overlay> <x> <y> <size>"));

    QImage base(args.at(1));
    const QImage overlay(args.at(2));
    if (base.isNull() || overlay.isNull())
        return fail(QStringLiteral("cannot read %1 or %2").arg(args.at(1), args.at(2)));

    base = base.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&base);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(x, y, size, size), overlay);
    painter.end();
    return save(base.convertToFormat(QImage::Format_ARGB32), args.at(0));
}

int render(const QStringList& args)
{
    int width = 0;
    int height = 0;
    if (args.size() != 4 || !toInt(args.at(2), &width) || !toInt(args.at(3), &height) ||
        width <= 0 || height <= 0)
        return fail(QStringLiteral("usage: render <input.svg> <output.png> <width> <height>"));

    QSvgRenderer svg(args.at(0));
    if (!svg.isValid())
        return fail(QStringLiteral("cannot read %1").arg(args.at(0)));

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    svg.render(&painter);
    painter.end();
    return save(image.convertToFormat(QImage::Format_ARGB32), args.at(1));
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();

    if (mode == QLatin1String("compose"))
        return compose(args);
    if (mode == QLatin1String("render")) {
        // Text in a drawing needs the font database, hence an application
        // object; the offscreen platform lets it run without a display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return render(args);
    }
    return fail(QStringLiteral("usage: icontool compose|render ..."));
}
