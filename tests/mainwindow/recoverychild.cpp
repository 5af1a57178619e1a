// An editor to be killed: opens the group FILE in a real window, edits it
// through commands, waits until its recovery copy holds the edits and writes
// what it holds to SAVED; then prints "ready" and waits.

#include "commands/groupdocument.h"
#include "commands/groupheadercommand.h"
#include "io/mcxwriter.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "recovery/recoverycopy.h"
#include "support/testfiles.h"
#include "support/windowedits.h"

#include <QApplication>
#include <QtTest>

#include <cstdio>

int main(int argc, char* argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    const QStringList arguments = app.arguments();
    MainWindow window;
    window.setFileToOpen(arguments.value(1));
    window.show();
    if (!window.currentGroup())
        return 1;
    ZorTest::addMacro(window, std::make_unique<Macro>("77", "QUEDA", "0", "QDA", 1, false));
    GroupDocument& document = *window.currentDocument();
    document.push(new GroupHeaderCommand(document, {"Antes da queda", "", "2024/05/06 07:08:09"}));
    const QByteArray held = McxWriter::snapshot(*window.currentGroup());
    const QDir folder(RecoveryCopy::folder());
    const auto copyHolds = [&] {
        const QStringList copies = folder.entryList({QStringLiteral("*.mcx")}, QDir::Files);
        return copies.size() == 1 && ZorTest::contentsOf(folder.filePath(copies.first())) == held;
    };
    if (!QTest::qWaitFor(copyHolds, 120000) ||
        !window.currentGroup()->saveAs(arguments.value(2)))
        return 2;
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
