#include "diagram/graphwidget.h"
#include "commands/groupdocument.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/fakefiledialogs.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"
#include "support/windowedits.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using ZorTest::answerBox;
using ZorTest::answerNextModal;
using ZorTest::SeenBox;

namespace {

QByteArray screen(const QByteArray& start, char fill = ' ')
{
    QByteArray bytes = start;
    bytes.append(QByteArray(Macro::ScreenSize - start.size(), fill));
    return bytes;
}

} // namespace

class TestPreSaveChecks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanGroupShowsNothing();
    void correctionAccepted_data();
    void correctionAccepted();
    void twoMacrosEachWithItsLine();
    void declinedCorrectionStopsTheSave();
    void markerFaultNamesTheLastMacro();

private:
    Macro* addMacro(const QString& num, const QString& name, const QByteArray& form,
                    const QByteArray& confirmation = screen(""));

    std::unique_ptr<ZorTest::TestEnvironment> env;
    std::unique_ptr<MessageRecorder> recorder;
    std::unique_ptr<MainWindow> window;
};

void TestPreSaveChecks::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    // The tests answer the program's own (Portuguese) texts.
    QSettings().setValue(QStringLiteral("MainWindow/locale"), QStringLiteral("pt"));
}

void TestPreSaveChecks::init()
{
    recorder = std::make_unique<MessageRecorder>();
    window = std::make_unique<MainWindow>();
    window->show();
    answerNextModal([](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("qleName"))->setText(QStringLiteral("Frota"));
        modal->findChild<QPushButton*>(QStringLiteral("qpbOk"))->click();
    });
    window->findChild<QAction*>(QStringLiteral("actionNewGroup"))->trigger();
    QVERIFY(window->currentGroup());
}

void TestPreSaveChecks::cleanup()
{
    ZorTest::closeAllModals();
    if (window && window->currentGroup())
        window->currentGroup()->setModified(false);
    window.reset();
    recorder.reset();
}

Macro* TestPreSaveChecks::addMacro(const QString& num, const QString& name,
                                   const QByteArray& form, const QByteArray& confirmation)
{
    auto macro =
        std::make_unique<Macro>(num, name, QStringLiteral("0"), QStringLiteral("S") + num, 2, false);
    macro->setForm(form);
    macro->setConfirmationText(confirmation);
    return ZorTest::addMacro(*window, std::move(macro));
}

void TestPreSaveChecks::cleanGroupShowsNothing()
{
    QVERIFY(window->isMacroFormValid()); // no macros
    addMacro("1", "ENTREGA", screen("NOTA [nnnnnn] PESO 10,5 KG"));
    // A box opening here would block the test.
    QVERIFY(window->isMacroFormValid());
}

void TestPreSaveChecks::correctionAccepted_data()
{
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<QByteArray>("corrected");

    QTest::newRow("ampersand") << screen("R$ 10,00 & 5%") << "&" << screen("R$ 10,00 E 5%");
    QTest::newRow("latin-1 word") << screen("A\xc7\xc3O") << QString::fromUtf8("Ç, Ã")
                                  << screen("A--O");
}

void TestPreSaveChecks::correctionAccepted()
{
    QFETCH(QByteArray, form);
    QFETCH(QString, characters);
    QFETCH(QByteArray, corrected);

    Macro* macro = addMacro("1", "ENTREGA", form);
    ZorTest::markSaved(*window);

    SeenBox question;
    SeenBox done;
    answerBox(QStringLiteral("Sim"), &question,
              [&done] { answerBox(QStringLiteral("OK"), &done); });
    QVERIFY(window->isMacroFormValid());

    QCOMPARE(question.title, QStringLiteral("Caracteres Incompatíveis"));
    QCOMPARE(question.text,
             QStringLiteral("Foram encontrados os seguintes caracteres não autorizados:\n\n") +
                 characters + QStringLiteral("\n\nnas seguintes macros:\n\nENTREGA ( ") +
                 QString(characters).replace(QStringLiteral(", "), QStringLiteral(" ,  ")) +
                 QStringLiteral(" )"));
    QCOMPARE(question.informative, QStringLiteral("Deseja realizar a correção automática?"));
    QCOMPARE(question.buttons.size(), 2);
    QVERIFY(question.buttons.contains(QStringLiteral("Sim")));
    QVERIFY(question.buttons.contains(QStringLiteral("Não")));
    QCOMPARE(done.title, QStringLiteral("Sucesso"));
    QCOMPARE(done.text, QStringLiteral("Ajustes concluídos com sucesso"));
    QCOMPARE(macro->form(), corrected);
    // The correction changed bytes of the group: an edit like any other.
    QVERIFY(window->currentGroup()->isModified());
    window->currentDocument()->undoStack()->undo();
    QCOMPARE(macro->form(), form);
    QVERIFY(!window->currentGroup()->isModified());
}

void TestPreSaveChecks::twoMacrosEachWithItsLine()
{
    addMacro("1", "COLETA", screen("A@B"));
    // A configured macro's form holds NUL bytes in its empty cells; the
    // confirmation text after them is checked too.
    addMacro("2", "ENTREGA", screen("OK", '\0'), screen("NOTA #1"));
    SeenBox question;
    answerBox(QStringLiteral("Não"), &question);
    QVERIFY(!window->isMacroFormValid());
    QVERIFY(question.text.contains(QStringLiteral("não autorizados:\n\n@, #\n\n")));
    QVERIFY(question.text.endsWith(
        QStringLiteral("nas seguintes macros:\n\nCOLETA ( @ )\nENTREGA ( # )")));
}

void TestPreSaveChecks::declinedCorrectionStopsTheSave()
{
    FakeFileDialogs dialogs;
    dialogs.answers << env->filePath(QStringLiteral("never.mcx"));
    Macro* macro = addMacro("1", "COLETA", screen("A&B"));
    window->currentGroup()->setModified(true);

    SeenBox question;
    answerBox(QStringLiteral("Não"), &question);
    window->findChild<QAction*>(QStringLiteral("actionSaveGroup"))->trigger();
    QCOMPARE(question.title, QStringLiteral("Caracteres Incompatíveis"));
    QVERIFY(dialogs.requests.isEmpty());
    QCOMPARE(macro->form(), screen("A&B"));
    QVERIFY(window->currentGroup()->isModified());
    QVERIFY(!QFile::exists(env->filePath(QStringLiteral("never.mcx"))));
}

void TestPreSaveChecks::markerFaultNamesTheLastMacro()
{
    QByteArray badRow2 = screen("");
    badRow2.replace(40, 4, "[ab ");
    QByteArray badRow3 = screen("");
    badRow3.replace(80, 3, "]x[");
    addMacro("1", "PRIMEIRA", badRow2);
    addMacro("2", "BOA", screen("[LLLLL]"));
    addMacro("3", "ULTIMA", badRow3);

    SeenBox error;
    answerBox(QStringLiteral("OK"), &error);
    QVERIFY(!window->isMacroFormValid());
    QCOMPARE(error.title, QStringLiteral("Erro!"));
    QCOMPARE(error.text,
             QStringLiteral("Arquivo inválido, necessário ajuste da tag na linha\n3 - ULTIMA"));
}

QTEST_MAIN(TestPreSaveChecks)
#include "tst_presavechecks.moc"
