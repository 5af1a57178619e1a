#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ZorTest {

// The bytes of a file, or nothing when it can't be read.
QByteArray contentsOf(const QString& path);
// Writes bytes to path, failing the running test when it can't.
void writeFile(const QString& path, const QByteArray& bytes);
// Every .mcx file the tests keep: the sample group, the test files and the
// inputs the fuzzer found worth keeping.
QStringList keptMcxFiles();

} // namespace ZorTest
