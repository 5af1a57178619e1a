#include "testfiles.h"

#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace ZorTest {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QStringList keptMcxFiles()
{
    QStringList files{TestEnvironment::sourceDir() + QStringLiteral("/examples/sample.mcx")};
    const QStringList folders{TestEnvironment::testDataDir(),
                              TestEnvironment::testDataDir() + QStringLiteral("/fuzz/mcx")};
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("*.mcx")}, QDir::Files, QDir::Name);
        for (const QString& name : names)
            files << dir.filePath(name);
    }
    return files;
}

} // namespace ZorTest
