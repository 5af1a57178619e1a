#include "cli/convertcommand.h"
#include "cli/exportimagecommand.h"
#include "diagram/flowprinter.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/headlessrun.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>
#include <QtTest>

#include <sys/stat.h>

using ZorTest::contentsOf;
using ZorTest::TestEnvironment;

namespace {

// The sample's boxes end at (820 + 201, 400 + 81); the outline's half pen
// and the margin of 20 follow, rounded up to whole pixels.
const QSize SampleSize(1042, 502);

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 100;
}

bool isWhite(QRgb pixel)
{
    return (pixel & 0xffffff) == 0xffffff;
}

int count(const QImage& image, const QRect& rect, bool (*test)(QRgb))
{
    int found = 0;
    for (int i = 0; i < rect.width() * rect.height(); ++i)
        found += test(image.pixel(rect.x() + i % rect.width(), rect.y() + i / rect.width()));
    return found;
}

// The picture as drawn; an SVG rendered over a transparent ground.
QImage picture(const QString& path)
{
    if (!path.endsWith(QLatin1String(".svg")))
        return QImage(path);
    QSvgRenderer renderer(path);
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Inside each box, clear of its outline and of its centred text, lies the
// colour of its macro type; its outline lies on its stored rectangle, half on
// the pixel before the left edge.
void verifyBoxes(const QImage& image, const Group& group, double scale)
{
    for (const Macro* macro : group.macros()) {
        const QRect box(macro->position(), macro->dimensions().size());
        for (const QPoint& inside : {box.topLeft() + QPoint(4, 4), box.bottomRight() - QPoint(4, 4),
                                     box.bottomLeft() + QPoint(4, -4)}) {
            QVERIFY2(image.pixelColor(inside * scale) == Macro::typeColor(macro->type()),
                     qPrintable(macro->sigla()));
        }
        const QPoint edge = QPoint(box.left(), box.center().y()) * scale;
        QVERIFY2(qGray(image.pixel(edge - QPoint(1, 0))) < 200 || qGray(image.pixel(edge)) < 200,
                 qPrintable(macro->sigla()));
    }
}

// The sample at one pixel per unit: the arrows, and no grid dots.
void verifyArrowsAndBlanks(const QImage& image)
{
    // INI -> REF passes under REI: dashed, so dark somewhere within every few
    // pixels where it crosses the gap between them at the middle height 80.5.
    QVERIFY(count(image, QRect(264, 78, 10, 6), isDark) > 0);
    // ABS -> ENT ends at ENT's left side (300, 260.5) with its head: dark
    // above and below the line just before the tip, where a bare line is not.
    QVERIFY(count(image, QRect(270, 258, 1, 6), isDark) > 0);
    QVERIFY(isDark(image.pixel(294, 258)) && isDark(image.pixel(294, 263)));
    QVERIFY(!isDark(image.pixel(280, 256)));
    // Between MAN and ROT, on the multiples of 10 the canvas shows its grid.
    QCOMPARE(count(image, QRect(250, 405, 41, 71), isWhite), 41 * 71);
}

} // namespace

class TestExportImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>();
        QVERIFY(QDir(env->path()).mkpath("in"));
        QVERIFY(QFile::copy(TestEnvironment::sourceDir() + "/examples/sample.mcx",
                            input("sample.mcx")));
        sample = std::make_unique<Group>(QString(), QString());
        QVERIFY(sample->readFile(input("sample.mcx")));
        QVERIFY(QFile::link(input("sample.mcx"), input("link.png")));
        // Only the margin; a name that XML must escape in the SVG title.
        QVERIFY(Group(QStringLiteral("VAZIO & <NOVO>"), QString()).saveAs(input("empty.mcx")));
    }

    void init()
    {
        QDir(env->filePath("out")).removeRecursively();
        QVERIFY(QDir(env->path()).mkpath("out"));
    }

    void exports_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QSize>("size");      // empty when refused
        QTest::addColumn<QString>("message"); // "%in" and "%out" stand for the paths
        QTest::addColumn<bool>("byZor");      // run by the executable, where no display is

        const auto row = [](const char* name, const char* in, const char* out, const char* scale,
                            const QSize& size, const QString& message = QString(),
                            bool byZor = false) {
            QTest::newRow(name) << in << out << scale << size << message << byZor;
        };
        const char* const sample = "sample.mcx";
        const char* const png = "sample.png";
        row("one pixel per unit", sample, png, "", SampleSize);
        row("scale 0.5", sample, png, "0.5", QSize(521, 251));
        row("svg", sample, "sample.svg", "", SampleSize);
        row("empty group, svg", "empty.mcx", "empty.svg", "", QSize(20, 20));
        row("zor, svg, scaled", sample, "sample.svg", "2", QSize(2083, 1003), "", true);
        row("zor, one file", sample, "", "", QSize(), "zor --export-image IN OUT [--scale F]",
            true);

        const QString badFormat = "Formato de imagem não suportado (use .png ou .svg): %out";
        const QString unsaved = "Não foi possível salvar o arquivo %out";
        const QString noSuchFile = "\nNo such file or directory";
        const QString itself = "O arquivo de saída não pode ser o próprio arquivo de entrada: %out";
        const QString badScale = "Escala inválida (use um número maior que zero): ";
        row("jpeg", sample, "sample.jpg", "", QSize(), badFormat);
        row("missing group", "absent.mcx", png, "", QSize(),
            "Não foi possível abrir o arquivo %in" + noSuchFile);
        row("missing folder", sample, "missing/sample.png", "", QSize(), unsaved + noSuchFile);
        row("a link to the group", sample, "../in/link.png", "", QSize(), itself);
        row("a FIFO", sample, "fifo.png", "", QSize(),
            unsaved + "\nNão é um arquivo comum (é uma pasta, um dispositivo ou um pipe) e não "
                      "será substituído.");
        row("scale 0", sample, png, "0", QSize(), badScale + "0");
        row("scale not a number", sample, png, "big", QSize(), badScale + "big");
        row("infinite scale", sample, png, "inf", QSize(), badScale + "inf");
        row("too large", sample, png, "40", QSize(),
            "A imagem teria 41660 x 20060 pixels; o máximo é 32767 de cada lado.");
        row("too many pixels", sample, png, "20", QSize(),
            "A imagem teria 20830 x 10030 pixels; o máximo é 100000000 pixels ao todo.");
    }

    void exports()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QFETCH(QString, scale);
        QFETCH(QSize, size);
        QFETCH(QString, message);
        QFETCH(bool, byZor);
        const QString inPath = input(in);
        const QString outPath = output(out);
        message.replace("%in", inPath).replace("%out", outPath);
        const QByteArray before = contentsOf(input("sample.mcx"));
        if (out == "fifo.png")
            QCOMPARE(mkfifo(QFile::encodeName(outPath).constData(), 0600), 0);

        if (byZor) {
            // Options after the files.
            QStringList arguments{inPath, outPath, "--export-image"};
            if (out.isEmpty())
                arguments.removeAt(1);
            if (!scale.isEmpty())
                arguments << "--scale" << scale;
            const ZorTest::HeadlessRun zor(arguments, env->path());
            QVERIFY2(zor.finished && zor.exitCode == (size.isEmpty() ? 1 : 0),
                     qPrintable(zor.errors));
            QVERIFY2(zor.says(message), qPrintable(zor.errors));
        } else {
            MessageRecorder recorder;
            QCOMPARE(ExportImageCommand::run(inPath, outPath, scale), size.isEmpty() ? 1 : 0);
            QCOMPARE(recorder.texts(), message.isEmpty() ? QStringList() : QStringList{message});
            if (size.isEmpty())
                QCOMPARE(recorder.messages.first().icon, UserMessage::Icon::Critical);
        }
        // The group file is read, never rewritten.
        QCOMPARE(contentsOf(input("sample.mcx")), before);
        const QStringList written =
            QDir(env->filePath("out")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(written.size(), size.isEmpty() ? 0 : 1);
        if (size.isEmpty())
            return;
        Group group{QString(), QString()};
        QVERIFY(group.readFile(inPath));
        if (out.endsWith(".svg")) {
            QCOMPARE(QSvgRenderer(outPath).viewBox(), QRect(QPoint(), size));
            QVERIFY(contentsOf(outPath).contains("<title>" + group.name().toHtmlEscaped().toUtf8() +
                                                 "</title>"));
        }
        const QImage image = picture(outPath);
        QCOMPARE(image.size(), size);
        const double factor = scale.isEmpty() ? 1.0 : scale.toDouble();
        verifyBoxes(image, group, factor);
        // The white ground is part of the picture, the margin beyond the boxes blank.
        QCOMPARE(image.pixel(5, 5), qRgba(255, 255, 255, 255));
        QVERIFY(isWhite(image.pixel(size.width() - 1, size.height() - 1)));
        if (group.macroCount() == 0)
            QCOMPARE(count(image, image.rect(), isWhite), 20 * 20);
        else if (factor == 1.0)
            verifyArrowsAndBlanks(image);
    }

    void arrangedAsConverted()
    {
        // The picture of the group arranged in memory is the picture of the
        // group arranged into a file; the group's own file stays as it was.
        const QByteArray before = contentsOf(input("sample.mcx"));
        MessageRecorder recorder;
        QCOMPARE(ExportImageCommand::run(input("sample.mcx"), output("arranged.png"), "", true), 0);
        QCOMPARE(contentsOf(input("sample.mcx")), before);
        QCOMPARE(ConvertCommand::run(input("sample.mcx"), output("arranged.mcx"), true), 0);
        QCOMPARE(ExportImageCommand::run(output("arranged.mcx"), output("converted.png")), 0);
        QCOMPARE(recorder.texts(), QStringList());

        const QImage arranged(output("arranged.png"));
        QVERIFY(!arranged.isNull());
        QVERIFY(arranged.size() != SampleSize);
        QCOMPARE(arranged, QImage(output("converted.png")));
    }

    // The PDF printer of the print dialog: one page, with the flow drawn on it.
    void printsOnePage()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(output("flow.pdf"));
        FlowPrinter::setUp(printer, *sample);
        QVERIFY(FlowPrinter::print(printer, *sample, QDate(2024, 5, 13)));
        const QByteArray pdf = contentsOf(output("flow.pdf"));
        QCOMPARE(
            pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/"), 1);

        // The sample, wider than the page, fills it across below the header.
        QImage page(1188, 840, QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            FlowPrinter::paint(painter, page.rect(), *sample, QDate(2024, 5, 13));
        }
        QRect flow;
        for (int y = page.height() / 4; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (!isWhite(page.pixel(x, y)))
                    flow |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY2(flow.width() > 0.9 * page.width(), qPrintable(QString::number(flow.width())));
    }

private:
    QString input(const QString& name) const { return env->filePath("in/" + name); }
    QString output(const QString& name) const { return env->filePath("out/" + name); }
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Group> sample;
};

QTEST_MAIN(TestExportImage)
#include "tst_exportimage.moc"
