// An editor to be killed: opens the group FILE in a real window and, when
// given SAVED, edits it through commands, waits until its recovery copy
// holds the edits and writes what it holds to SAVED. Then it prints "ready"
// and waits for its end.

#include "commands/groupdocument.h"
#include "commands/groupheadercommand.h"
#include "commands/moveboxescommand.h"
#include "io/mcxwriter.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "recovery/recoverycopy.h"
#include "support/testfiles.h"
#include "support/windowedits.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QtTest>

#include <cstdio>

namespace {

void edit(MainWindow& window)
{
    GroupDocument& document = *window.currentDocument();
    ZorTest::addMacro(window, std::make_unique<Macro>("77", "QUEDA", "0", "QDA", 1, false));
    document.push(new GroupHeaderCommand(
        document, {"Antes da queda", "sem salvar", document.group().creationDate()}));
    Macro* first = document.group().macros().first();
    document.push(
        new MoveBoxesCommand(document, {{first, first->position(), first->dimensions()}},
                             {{first, first->position() + QPoint(40, 20), first->dimensions()}},
                             MoveBoxesCommand::Source::Drag));
}

bool copyHolds(const QByteArray& group)
{
    const QDir folder(RecoveryCopy::folder());
    const QStringList copies = folder.entryList({QStringLiteral("*.mcx")}, QDir::Files);
    return copies.size() == 1 && ZorTest::contentsOf(folder.filePath(copies.first())) == group;
}

} // namespace

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
    if (arguments.size() > 2) {
        edit(window);
        const QByteArray held = McxWriter::snapshot(*window.currentGroup());
        QElapsedTimer clock;
        clock.start();
        while (!copyHolds(held)) {
            if (clock.elapsed() > 120000)
                return 2;
            QTest::qWait(50);
        }
        if (!window.currentGroup()->saveAs(arguments.at(2)))
            return 3;
    }
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
