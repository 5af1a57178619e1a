#include "cli/exportimagecommand.h"
#include "diagram/flowprinter.h"
#include "cli/convertcommand.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
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

QString describe(const QImage& image, const QPoint& point)
{
    return QStringLiteral("(%1, %2) is #%3")
        .arg(point.x())
        .arg(point.y())
        .arg(image.pixel(point) & 0xffffff, 6, 16, QLatin1Char('0'));
}

bool anyDark(const QImage& image, int x, int fromY, int toY)
{
    for (int y = fromY; y <= toY; ++y) {
        if (isDark(image.pixel(x, y)))
            return true;
    }
    return false;
}

// INI -> REF passes under REI: dashed, so dark somewhere within every few
// pixels where it crosses the gap between INI and REI at the boxes' middle
// height (80.5).
bool iniToRefDrawn(const QImage& image)
{
    for (int x = 264; x < 274; ++x) {
        if (anyDark(image, x, 78, 83))
            return true;
    }
    return false;
}

} // namespace

class TestExportImage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void boxesAtTheirPlaces_data();
    void boxesAtTheirPlaces();
    void svgReadsBack();
    void emptyGroup();
    void arrangedAsConverted();
    void refused_data();
    void refused();
    void executable_data();
    void executable();
    void printsOnePage();

private:
    QString input(const QString& name) const { return env->filePath("in/" + name); }
    QString output(const QString& name) const { return env->filePath("out/" + name); }
    void verifyBoxes(const QImage& image, double scale);
    void verifyArrowsAndBlanks(const QImage& image);
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<Group> sample;
};

void TestExportImage::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
    QVERIFY(QDir(env->path()).mkpath("in"));
    QVERIFY(
        QFile::copy(TestEnvironment::sourceDir() + "/examples/sample.mcx", input("sample.mcx")));
    sample = std::make_unique<Group>(QString(), QString());
    QVERIFY(sample->readFile(input("sample.mcx")));
    QCOMPARE(sample->macroCount(), 12);
    QVERIFY(QFile::link(input("sample.mcx"), input("link.png")));
    // One box far from the origin: a square picture.
    Group square{QStringLiteral("Q"), QString()};
    auto* box = new Macro("1", "A", "0", "A", 0, false);
    box->setPosition(QPoint(1000, 1000));
    square.addMacro(box);
    QVERIFY(square.saveAs(input("square.mcx")));
}

void TestExportImage::init()
{
    QDir(env->filePath("out")).removeRecursively();
    QVERIFY(QDir(env->path()).mkpath("out"));
}

// Inside each box, clear of its outline and of its centred text, lies the
// colour of its macro type; its outline lies on its stored rectangle.
void TestExportImage::verifyBoxes(const QImage& image, double scale)
{
    const QList<Macro*> macros = sample->macros();
    for (const Macro* macro : macros) {
        const QRect box(macro->position(), macro->dimensions().size());
        const QColor color = Macro::typeColor(macro->type());
        const QPoint offset(4, 4);
        for (const QPoint& corner : {box.topLeft() + offset, box.bottomRight() - offset,
                                     QPoint(box.left(), box.bottom()) + QPoint(4, -4)}) {
            const QPoint pixel = corner * scale;
            QVERIFY2(image.pixelColor(pixel) == color,
                     qPrintable(macro->sigla() + ": " + describe(image, pixel)));
        }
        // The outline, half on the pixel before the left edge.
        const QPoint edge = QPoint(box.left(), box.center().y()) * scale;
        QVERIFY2(qGray(image.pixel(edge - QPoint(1, 0))) < 200 || qGray(image.pixel(edge)) < 200,
                 qPrintable(macro->sigla() + ": " + describe(image, edge)));
    }
}

void TestExportImage::boxesAtTheirPlaces_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QSize>("size");

    QTest::newRow("one pixel per unit") << "" << 1.0 << SampleSize;
    QTest::newRow("scale 1") << "1" << 1.0 << SampleSize;
    QTest::newRow("scale 2") << "2" << 2.0 << QSize(2083, 1003);
    QTest::newRow("scale 0.5") << "0.5" << 0.5 << QSize(521, 251);
}

void TestExportImage::boxesAtTheirPlaces()
{
    QFETCH(QString, scale);
    QFETCH(double, factor);
    QFETCH(QSize, size);

    const QByteArray before = contentsOf(input("sample.mcx"));
    MessageRecorder recorder;
    QCOMPARE(ExportImageCommand::run(input("sample.mcx"), output("sample.png"), scale), 0);
    QCOMPARE(recorder.texts(), QStringList());
    // The group file is read, never rewritten.
    QCOMPARE(contentsOf(input("sample.mcx")), before);
    const QImage image(output("sample.png"));
    QCOMPARE(image.size(), size);
    verifyBoxes(image, factor);
    // Beyond the last box: the blank margin.
    QVERIFY(isWhite(image.pixel(size.width() - 1, size.height() - 1)));
    if (factor == 1.0)
        verifyArrowsAndBlanks(image);
}

// At one pixel per unit: the arrows, and nothing drawn where no box or
// arrow is, neither grid dots nor the handles of a marked box.
void TestExportImage::verifyArrowsAndBlanks(const QImage& image)
{
    QVERIFY(iniToRefDrawn(image));
    // ABS -> ENT ends at ENT's left side (300, 260.5) with its head: dark
    // above and below the line just before the tip, where a bare line is not.
    QVERIFY(anyDark(image, 270, 258, 263));
    QVERIFY2(isDark(image.pixel(294, 258)), qPrintable(describe(image, QPoint(294, 258))));
    QVERIFY2(isDark(image.pixel(294, 263)), qPrintable(describe(image, QPoint(294, 263))));
    QVERIFY(!isDark(image.pixel(280, 256)));
    // Between MAN and ROT, on the multiples of 10 the canvas shows its grid.
    for (int x = 250; x <= 290; ++x) {
        for (int y = 405; y <= 475; ++y)
            QVERIFY2(isWhite(image.pixel(x, y)), qPrintable(describe(image, QPoint(x, y))));
    }
    // Around ROT, which no arrow touches, two pixels out from its corners
    // and the middles of its sides.
    const QRect rot(300, 400, 201, 81);
    const int xs[] = {rot.left() - 2, rot.center().x(), rot.left() + rot.width() + 2};
    const int ys[] = {rot.top() - 2, rot.center().y(), rot.top() + rot.height() + 2};
    for (int i = 0; i < 9; ++i) {
        const QPoint point(xs[i / 3], ys[i % 3]);
        if (i != 4)
            QVERIFY2(isWhite(image.pixel(point)), qPrintable(describe(image, point)));
    }
}

void TestExportImage::svgReadsBack()
{
    MessageRecorder recorder;
    QCOMPARE(ExportImageCommand::run(input("sample.mcx"), output("sample.svg")), 0);
    QCOMPARE(recorder.texts(), QStringList());

    QSvgRenderer renderer(output("sample.svg"));
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), SampleSize);
    QCOMPARE(renderer.viewBox(), QRect(QPoint(0, 0), SampleSize));
    QVERIFY(contentsOf(output("sample.svg")).contains("<title>FROTA SUL - DISTRIBUICAO</title>"));

    QImage image(SampleSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    // The white background is part of the picture.
    QVERIFY(isWhite(image.pixel(5, 5)));
    QCOMPARE(qAlpha(image.pixel(5, 5)), 255);
    verifyBoxes(image, 1.0);
    verifyArrowsAndBlanks(image);
}

void TestExportImage::emptyGroup()
{
    // Only the margin, blank; a name that XML must escape in the SVG title.
    Group empty{QStringLiteral("VAZIO & <NOVO>"), QString()};
    QVERIFY(empty.saveAs(input("empty.mcx")));
    MessageRecorder recorder;
    QCOMPARE(ExportImageCommand::run(input("empty.mcx"), output("empty.png")), 0);
    const QImage image(output("empty.png"));
    QCOMPARE(image.size(), QSize(20, 20));
    for (int x = 0; x < 20; ++x) {
        for (int y = 0; y < 20; ++y)
            QVERIFY(isWhite(image.pixel(x, y)));
    }
    QCOMPARE(ExportImageCommand::run(input("empty.mcx"), output("empty.svg")), 0);
    QSvgRenderer renderer(output("empty.svg"));
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), QSize(20, 20));
    QCOMPARE(recorder.texts(), QStringList());
}

void TestExportImage::arrangedAsConverted()
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

void TestExportImage::refused_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("message"); // "%in" and "%out" stand for the paths

    const QString sample = "sample.mcx";
    const QString png = "sample.png";
    const QString badFormat = "Formato de imagem não suportado (use .png ou .svg): %out";
    const QString unsaved = "Não foi possível salvar o arquivo %out";
    const QString badScale = "Escala inválida (use um número maior que zero): ";
    const QString unscaled;
    QTest::newRow("jpeg") << sample << "sample.jpg" << unscaled << badFormat;
    QTest::newRow("no suffix") << sample << "sample" << unscaled << badFormat;
    const QString noSuchFile = "\nNo such file or directory";
    QTest::newRow("missing group")
        << "absent.mcx" << png << unscaled << "Não foi possível abrir o arquivo %in" + noSuchFile;
    QTest::newRow("missing folder")
        << sample << "missing/sample.png" << unscaled << unsaved + noSuchFile;
    QTest::newRow("missing folder, svg")
        << sample << "missing/sample.svg" << unscaled << unsaved + noSuchFile;
    const QString itself = "O arquivo de saída não pode ser o próprio arquivo de entrada: %out";
    QTest::newRow("the group itself") << sample << "../in/sample.mcx" << unscaled << itself;
    QTest::newRow("a link to the group") << sample << "../in/link.png" << unscaled << itself;
    QTest::newRow("a FIFO") << sample << "fifo.png" << unscaled
                            << unsaved +
                                   "\nNão é um arquivo comum (é uma pasta, um dispositivo ou um "
                                   "pipe) e não será substituído.";
    QTest::newRow("scale 0") << sample << png << "0" << badScale + "0";
    QTest::newRow("negative scale") << sample << png << "-1" << badScale + "-1";
    QTest::newRow("scale not a number") << sample << png << "big" << badScale + "big";
    QTest::newRow("infinite scale") << sample << png << "inf" << badScale + "inf";
    QTest::newRow("too large")
        << sample << png << "40"
        << "A imagem teria 41660 x 20060 pixels; o máximo é 32767 de cada lado.";
    QTest::newRow("too many pixels")
        << "square.mcx" << png << "29"
        << "A imagem teria 32495 x 31915 pixels; o máximo é 100000000 pixels ao todo.";
}

void TestExportImage::refused()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QFETCH(QString, scale);
    QFETCH(QString, message);

    const QString inPath = input(in);
    const QString outPath = output(out);
    message.replace("%in", inPath).replace("%out", outPath);
    const QByteArray before = contentsOf(input("sample.mcx"));
    if (out == "fifo.png")
        QCOMPARE(mkfifo(QFile::encodeName(outPath).constData(), 0600), 0);

    MessageRecorder recorder;
    QCOMPARE(ExportImageCommand::run(inPath, outPath, scale), 1);
    QCOMPARE(recorder.texts(), QStringList{message});
    QCOMPARE(recorder.messages.first().icon, UserMessage::Icon::Critical);
    QCOMPARE(QDir(env->filePath("out")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(contentsOf(input("sample.mcx")), before);
}

void TestExportImage::executable_data()
{
    QTest::addColumn<QStringList>("arguments"); // "%in/" and "%out/" stand for the folders
    QTest::addColumn<int>("status");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("errors");

    QTest::newRow("png") << QStringList{"--export-image", "%in/sample.mcx", "%out/flow.png"} << 0
                         << SampleSize << "";
    QTest::newRow("svg, options after the files")
        << QStringList{"%in/sample.mcx", "%out/flow.svg", "--export-image"} << 0 << SampleSize
        << "";
    QTest::newRow("scaled") << QStringList{"--export-image", "%in/sample.mcx", "%out/flow.png",
                                           "--scale", "2"}
                            << 0 << QSize(2083, 1003) << "";
    QTest::newRow("one file") << QStringList{"--export-image", "%in/sample.mcx"} << 1 << QSize()
                              << "zor --export-image IN OUT [--scale F]";
    QTest::newRow("unsupported") << QStringList{"--export-image", "%in/sample.mcx", "%out/f.gif"}
                                 << 1 << QSize() << "(use .png ou .svg)";
}

void TestExportImage::executable()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QSize, size);
    QFETCH(QString, errors);

    for (QString& argument : arguments) {
        argument.replace("%in/", env->filePath("in") + "/")
            .replace("%out/", env->filePath("out") + "/");
    }
    const QByteArray before = contentsOf(input("sample.mcx"));

    // No display at all.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    QProcess zor;
    zor.setProcessEnvironment(environment);
    zor.setWorkingDirectory(env->path());
    zor.start(TestEnvironment::executable(), arguments);
    QVERIFY(zor.waitForFinished(60000));
    const QString standardError = QString::fromLocal8Bit(zor.readAllStandardError());
    QCOMPARE(zor.exitStatus(), QProcess::NormalExit);
    QVERIFY2(zor.exitCode() == status, qPrintable(standardError));
    QVERIFY2(standardError.contains(errors), qPrintable(standardError));

    const QStringList files = QDir(env->filePath("out")).entryList(QDir::Files);
    QCOMPARE(files.size(), status == 0 ? 1 : 0);
    if (status == 0) {
        const QString file = env->filePath("out/" + files.first());
        if (file.endsWith(".svg"))
            QCOMPARE(QSvgRenderer(file).defaultSize(), size);
        else
            QCOMPARE(QImage(file).size(), size);
    }
    QCOMPARE(contentsOf(input("sample.mcx")), before);
}

// The PDF printer of the print dialog: one page, with the flow drawn on it.
void TestExportImage::printsOnePage()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(output("flow.pdf"));
    FlowPrinter::setUp(printer, *sample);
    QVERIFY(FlowPrinter::print(printer, *sample, QDate(2024, 5, 13)));
    const QByteArray pdf = contentsOf(output("flow.pdf"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/"),
             1);

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

QTEST_MAIN(TestExportImage)
#include "tst_exportimage.moc"
