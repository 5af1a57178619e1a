#pragma once

#include "commands/groupdocument.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"
#include "support/windowedits.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace ZorTest {

// A private working folder with the reference data, the window's settings in
// Portuguese (the program's own texts), the message boxes of the layers below
// recorded, the file dialogs answered from a queue, and a shown window.
class WindowFixture
{
public:
    void setUpOnce(); // from initTestCase
    // From init: a fresh recorder, dialogs and window, over the settings below.
    void start();
    // The window closed, its settings written, and a new one shown.
    void restart();
    void finish(); // from cleanup: the window goes without asking

    template <class T> T* child(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    // "Novo grupo" with that name (and description).
    void newGroup(const QString& name, const QString& description = QString());
    // A macro through the new-macro command, its next macros given.
    Macro* addMacro(const QString& num, const QString& sigla, const QStringList& flow = {},
                    const QString& shortcut = QStringLiteral("0"));
    // "Carregar grupo" answering path.
    void open(const QString& path);
    // A copy of a file of examples/ in the working folder, writable.
    QString copyExample(const QString& name,
                        const QString& example = QStringLiteral("sample.mcx")) const;
    // A copy of the sample group, opened.
    QString openCopy(const QString& name);
    QStringList infoLines() const; // the information list's texts
    QList<QLabel*> statusLabels() const;
    // A copy of the open group as the writer saves it.
    QByteArray savedCopy() const;

    QVariantMap settings{{QStringLiteral("MainWindow/locale"), QStringLiteral("pt")}};
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<FakeFileDialogs> dialogs;
    std::unique_ptr<MainWindow> window;
};

// The base of the window's test classes: the fixture around each test. A
// test class may replace a slot, and then calls the fixture itself.
class WindowTest : public QObject
{
    Q_OBJECT

protected slots:
    void initTestCase() { f.setUpOnce(); }
    void init() { f.start(); }
    void cleanup() { f.finish(); }

protected:
    WindowFixture f;
};

// Answers the group dialog: accepts it with that name (and description), or
// rejects it when name is null; records the name it offered; then, when
// given, queues the answer of what follows.
void answerGroupDialog(const QString& name, QString* offered = nullptr,
                       std::function<void()> next = {}, const QString& description = QString());

// Answers the new-macro dialog with its fields and OK; when a report box
// comes, records it and cancels the dialog.
void answerNewMacro(const QString& number, const QString& name, const QString& shortcut,
                    const QString& sigla, int typeIndex, SeenBox* report = nullptr);

} // namespace ZorTest
