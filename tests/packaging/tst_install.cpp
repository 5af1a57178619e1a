#include "support/headlessrun.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using ZorTest::TestEnvironment;

// Installs the build into a private prefix, as "cmake --install" does for a
// package, and checks the tree with the tools a desktop and Debian use.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>(false);
        QVERIFY(root.isValid());
        prefix = root.filePath(QStringLiteral("usr"));

        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(ZOR_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(ZOR_BUILD_DIR),
                       QStringLiteral("--prefix"), prefix});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAll().constData());

        // The file types of the tree, before anything asks the database.
        const QString updateMime = tool(QStringLiteral("update-mime-database"));
        if (!updateMime.isEmpty())
            QCOMPARE(QProcess::execute(updateMime, {installed("share/mime")}), 0);
        qputenv("XDG_DATA_DIRS", QFile::encodeName(installed("share")) + ":/usr/share");
    }

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("iconSize");
        for (const char* path :
             {"bin/zor", "share/zor/zor.ini", "share/zor/zor-en.ini", "share/zor/zor-es.ini",
              "share/zor/zor-fr.ini", "share/zor/zor-de.ini",
              "share/applications/com.orvenda.zor.desktop",
              "share/metainfo/com.orvenda.zor.metainfo.xml", "share/mime/packages/zor.xml",
              "share/man/man1/zor.1.gz", "share/bash-completion/completions/zor",
              "share/doc/zor/copyright", "share/doc/zor/changelog.gz"})
            QTest::newRow(path) << QString::fromLatin1(path) << 0;
        for (const char* icon : {"apps/com.orvenda.zor", "mimetypes/application-x-zor-mcx",
                                 "mimetypes/application-x-zor-mcr"}) {
            const QString name = QString::fromLatin1(icon);
            QTest::newRow(icon) << QStringLiteral("share/icons/hicolor/scalable/%1.svg").arg(name)
                                << 0;
            for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
                const QString path =
                    QStringLiteral("share/icons/hicolor/%1x%1/%2.png").arg(size).arg(name);
                QTest::newRow(qPrintable(path)) << path << size;
            }
        }
    }

    void installedFiles()
    {
        QFETCH(QString, path);
        QFETCH(int, iconSize);
        QVERIFY2(QFileInfo(installed(path)).isFile(), qPrintable(path));
        // A theme takes an icon at the size its folder names.
        if (iconSize > 0)
            QCOMPARE(QImage(installed(path)).size(), QSize(iconSize, iconSize));
    }

    void validators_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("silent"); // the tool prints hints on standard output

        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList()
                                       << "share/applications/com.orvenda.zor.desktop" << true;
        QTest::newRow("AppStream")
            << "appstreamcli" << QStringList{"validate", "--no-net", "--no-color"}
            << "share/metainfo/com.orvenda.zor.metainfo.xml" << false;
        QTest::newRow("manual page") << "man" << QStringList{"--warnings", "-E", "UTF-8", "-l"}
                                     << "share/man/man1/zor.1.gz" << false;
    }

    // Each tool accepts its file: exit status 0 and no complaint.
    void validators()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        QFETCH(bool, silent);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        process.setProcessEnvironment(environment);
        const QString path = tool(program);
        if (path.isEmpty())
            QSKIP(qPrintable(program +
                             QStringLiteral(" is not installed (see scripts/packages.txt)")));
        process.start(path, options << installed(file));
        QVERIFY(process.waitForFinished(120000));
        const QByteArray output = process.readAllStandardOutput();
        const QByteArray errors = process.readAllStandardError();
        QVERIFY2(process.exitCode() == 0, (output + errors).constData());
        QVERIFY2(errors.isEmpty(), errors.constData());
        if (silent)
            QVERIFY2(output.isEmpty(), output.constData());
    }

    void fileTypes_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("type");

        const QByteArray indented =
            ZorTest::contentsOf(TestEnvironment::sourceDir() + "/examples/sample.mcx");
        const QByteArray compact =
            R"({"header":{"creationDate":"2024/05/13 08:30:00","description":)"
            R"("","nMacros":0,"name":"G","version":2100},"macros":[]})";
        const QString mcx = QStringLiteral("application/x-zor-mcx");

        QTest::newRow("by suffix .mcx") << "group.mcx" << QByteArray() << mcx;
        QTest::newRow("by suffix .mcr")
            << "group.mcr" << QByteArray() << QStringLiteral("application/x-zor-mcr");
        QTest::newRow("indented content") << "group" << indented << mcx;
        QTest::newRow("compact content") << "group" << compact << mcx;
        // Another document with a header: not a group.
        QTest::newRow("other JSON")
            << "group" << QByteArray(R"({"header":{"a":1},"other":[]})") << QString();
    }

    void fileTypes()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, type);
        if (tool(QStringLiteral("update-mime-database")).isEmpty())
            QSKIP("update-mime-database is not installed (see scripts/packages.txt)");
        const QMimeDatabase database;
        const QMimeType found =
            content.isEmpty() ? database.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension)
                              : database.mimeTypeForData(content);
        if (type.isEmpty()) {
            QVERIFY2(!found.name().startsWith(QLatin1String("application/x-zor")),
                     qPrintable(found.name()));
            return;
        }
        QCOMPARE(found.name(), type);
        QCOMPARE(found.inherits(QStringLiteral("application/json")),
                 type.endsWith(QLatin1String("mcx")));
    }

    void installedCheckFindsData()
    {
        // An empty working folder, and nothing beside the installed executable:
        // the reference data can only come from share/zor.
        QTemporaryDir empty;
        QVERIFY(empty.isValid());
        QVERIFY(!QFileInfo::exists(installed("bin/data")));
        const ZorTest::HeadlessRun zor(
            {QStringLiteral("--check"), TestEnvironment::sourceDir() + "/examples/sample.mcx"},
            empty.path(), installed("bin/zor"));
        QVERIFY2(zor.finished && zor.exitCode == 0, qPrintable(zor.errors));
        QVERIFY2(!zor.errors.contains("zor.ini"), qPrintable(zor.errors));
    }

private:
    QString installed(const QString& path) const { return prefix + QLatin1Char('/') + path; }
    // A tool that may be missing: then the cases that need it are skipped.
    static QString tool(const QString& program) { return QStandardPaths::findExecutable(program); }

    std::unique_ptr<TestEnvironment> env;
    QTemporaryDir root;
    QString prefix;
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
