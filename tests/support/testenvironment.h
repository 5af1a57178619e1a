#pragma once

#include <QString>
#include <QTemporaryDir>

namespace ZorTest {

// A private working folder for one test program: settings, temporary files
// and the working directory all point into it, and it holds a copy of the
// reference data files, so that code reading "zor.ini" from the working
// directory finds the sample data. Create it in initTestCase, before anything
// reads the anchor settings.
class TestEnvironment
{
public:
    explicit TestEnvironment(bool withDataFiles = true);
    ~TestEnvironment();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    bool isValid() const { return m_dir.isValid(); }

    static QString dataDir() { return QStringLiteral(ZOR_DATA_DIR); }
    static QString sourceDir() { return QStringLiteral(ZOR_SOURCE_DIR); }
    static QString testDataDir() { return QStringLiteral(ZOR_TEST_DATA_DIR); }
    static QString executable() { return QStringLiteral(ZOR_EXECUTABLE); }

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

} // namespace ZorTest
