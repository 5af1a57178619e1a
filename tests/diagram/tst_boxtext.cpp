#include "diagram/boxtext.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <functional>

namespace {

QImage drawn(const QRectF& rect, qreal scale, const std::function<void(QPainter&)>& draw)
{
    QImage image(200, 160, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(7.3, 5.6);
    painter.scale(scale, scale);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(255, 255, 0));
    painter.drawRect(rect);
    draw(painter);
    return image;
}

} // namespace

// A box's text, laid out once, must look exactly as the toolkit's centred
// drawText draws it, whatever the box, the text and the zoom.
class TestBoxText : public QObject
{
    Q_OBJECT

private slots:
    void drawsAsTheToolkit_data();
    void drawsAsTheToolkit();
};

void TestBoxText::drawsAsTheToolkit_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("scale");

    const QString lines = QStringLiteral("ABC\n123\nMACRO 123");
    QTest::newRow("box") << QRectF(10, 10, 121, 81) << lines << 1.0;
    QTest::newRow("zoomed out") << QRectF(10, 10, 121, 81) << lines << 0.9;
    QTest::newRow("smallest zoom") << QRectF(10, 10, 121, 81) << lines << 0.3;
    QTest::newRow("zoomed in") << QRectF(10.5, 10, 101, 61) << lines << 1.7;
    QTest::newRow("too low for the lines") << QRectF(10, 10, 121, 25) << lines << 1.0;
    QTest::newRow("too narrow") << QRectF(10, 10, 40, 81) << lines << 1.1;
    QTest::newRow("empty line") << QRectF(10, 10, 121, 81) << QStringLiteral("A\n\nB") << 1.0;
    QTest::newRow("tab and return")
        << QRectF(10, 10, 121, 81) << QStringLiteral("A\tB\nC\rD\n E ") << 1.0;
}

void TestBoxText::drawsAsTheToolkit()
{
    QFETCH(QRectF, rect);
    QFETCH(QString, text);
    QFETCH(qreal, scale);
    const QImage expected = drawn(rect, scale, [&](QPainter& painter) {
        painter.drawText(rect, Qt::AlignCenter, text);
    });
    BoxText boxText;
    for (int paint = 0; paint < 2; ++paint) {
        const QImage actual =
            drawn(rect, scale, [&](QPainter& painter) { boxText.draw(&painter, rect, text); });
        QCOMPARE(actual, expected);
    }
}

QTEST_MAIN(TestBoxText)
#include "tst_boxtext.moc"
