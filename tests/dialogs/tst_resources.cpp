#include "support/testenvironment.h"

#include <QImage>
#include <QtTest>

// The compiled-in images: every name the window, its style sheet and the
// dialogs refer to must load, at the size the forms are laid out for.
class TestResources : public QObject
{
    Q_OBJECT
    std::unique_ptr<ZorTest::TestEnvironment> env;

private slots:
    void initTestCase() { env = std::make_unique<ZorTest::TestEnvironment>(false); }

    void imageLoads_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");

        const char* const icons[] = {"new",        "filenew",   "fileopen", "filesave",
                                     "folder",     "encrypted", "exit",     "delete",
                                     "sendtoback", "pointer",   "zoomin",   "zoomout",
                                     "tile",       "ok",        "undo",     "redo"};
        for (const char* icon : icons) {
            const QString path = QStringLiteral(":/png/%1.png").arg(QLatin1String(icon));
            QTest::newRow(qPrintable(path)) << path << QSize(32, 32);
        }
        QTest::newRow(":/png/logo.png") << QStringLiteral(":/png/logo.png") << QSize(191, 41);

        for (const char* kind : {"checkbox", "radiobutton"}) {
            for (const char* state : {"unchecked", "unchecked_hover", "checked", "checked_hover"}) {
                const QString path = QStringLiteral(":/images/%1_%2.png")
                                         .arg(QLatin1String(kind), QLatin1String(state));
                QTest::newRow(qPrintable(path)) << path << QSize(13, 13);
            }
        }
    }

    void imageLoads()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
        QVERIFY(image.hasAlphaChannel());
    }

    void zoomIconsDiffer()
    {
        QVERIFY(QImage(QStringLiteral(":/png/zoomin.png")) !=
                QImage(QStringLiteral(":/png/zoomout.png")));
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
