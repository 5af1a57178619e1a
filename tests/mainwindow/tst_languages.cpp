#include "app/referencelists.h"
#include "app/sessionlanguage.h"
#include "dialogs/dlgconfigmacro.h"
#include "dialogs/dlggroup.h"
#include "dialogs/dlgnovamacro.h"
#include "mainwindow/mainwindow.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

using ZorTest::answerNextModal;

namespace {

const QString VersionTail = QStringLiteral(" - 4.2.3 ");

void storeLanguage(const QString& code)
{
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("MainWindow/locale"), code);
}

QString storedLanguage()
{
    return QSettings().value(QStringLiteral("MainWindow/locale")).toString();
}

QAction* action(const MainWindow& window, const QString& name)
{
    return window.findChild<QAction*>(name);
}

QString fileMenuTitle(const MainWindow& window)
{
    return window.findChild<QMenu*>(QStringLiteral("menuZor_Quorvane_2_0"))->title();
}

QString firstInfoLine(const MainWindow& window)
{
    return window.findChild<QListWidget*>(QStringLiteral("lstMacroInfos"))->item(0)->text();
}

QString firstViolation(const MainWindow& window)
{
    const QStringList& violations = window.referenceLists().violations;
    return violations.isEmpty() ? QString() : violations.first();
}

// The title of the group dialog as the window opens it.
QString groupDialogTitle(MainWindow& window)
{
    QString title;
    answerNextModal([&title](QWidget* modal) {
        title = modal->windowTitle();
        modal->findChild<QPushButton*>(QStringLiteral("qpbCancel"))->click();
    });
    action(window, QStringLiteral("actionNewGroup"))->trigger();
    return title;
}

// The Save button of the unsaved-changes prompt; the prompt is cancelled.
QString saveButtonText(MainWindow& window)
{
    answerNextModal([](QWidget* modal) {
        modal->findChild<QLineEdit*>(QStringLiteral("qleName"))->setText(QStringLiteral("Frota"));
        modal->findChild<QPushButton*>(QStringLiteral("qpbOk"))->click();
    });
    action(window, QStringLiteral("actionNewGroup"))->trigger();
    window.currentGroup()->setModified(true);
    QString text;
    answerNextModal([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        text = box->button(QMessageBox::Save)->text();
        box->button(QMessageBox::Cancel)->click();
    });
    const bool closed = window.close();
    window.currentGroup()->setModified(false);
    return closed ? QString() : text;
}

// Counts the language changes that reach a widget.
class LanguageChangeCounter : public QObject
{
public:
    explicit LanguageChangeCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// The mnemonic letters of texts; the ones used twice are returned.
QStringList repeatedMnemonics(const QStringList& texts)
{
    QStringList seen;
    QStringList repeated;
    for (QString text : texts) {
        text.remove(QStringLiteral("&&"));
        const int at = text.indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= text.size())
            continue;
        const QString letter = text.mid(at + 1, 1).toLower();
        if (seen.contains(letter))
            repeated.append(letter + QStringLiteral(" in ") + text);
        seen.append(letter);
    }
    return repeated;
}

QStringList menuTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* entry : actions)
        texts.append(entry->text());
    return texts;
}

// Every text of a dialog whose mnemonic the keyboard can reach.
QStringList dialogTexts(const QWidget& dialog)
{
    QStringList texts;
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    for (const QLabel* label : labels) {
        if (label->buddy())
            texts.append(label->text());
    }
    const QList<QAbstractButton*> buttons = dialog.findChildren<QAbstractButton*>();
    for (const QAbstractButton* button : buttons)
        texts.append(button->text());
    const QList<QTabWidget*> tabs = dialog.findChildren<QTabWidget*>();
    for (const QTabWidget* tab : tabs) {
        for (int i = 0; i < tab->count(); ++i)
            texts.append(tab->tabText(i));
    }
    return texts;
}

} // namespace

// The window's languages: the menu, a change of the system locale, a
// missing translation and the language of the command line.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuSwitchesLanguage_data();
    void menuSwitchesLanguage();
    void activeLanguageChosenAgainDoesNothing();
    void localeChangeSwitchesWithoutReload();
    void missingTranslationBringsBuiltInTexts();
    void commandLineLanguageIsNotRemembered_data();
    void commandLineLanguageIsNotRemembered();
    void mnemonicsAreUnique_data();
    void mnemonicsAreUnique();

private:
    std::unique_ptr<ZorTest::TestEnvironment> env;
    std::unique_ptr<MessageRecorder> recorder;
};

void TestLanguages::initTestCase()
{
    env = std::make_unique<ZorTest::TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
}

void TestLanguages::init()
{
    recorder = std::make_unique<MessageRecorder>();
}

void TestLanguages::cleanup()
{
    ZorTest::closeAllModals();
    SessionLanguage::setCommandLineCode(QString());
    recorder.reset();
}

void TestLanguages::menuSwitchesLanguage_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("texts"); // file menu, action, info line, dialog, Save
    QTest::addColumn<QString>("violation");

    QTest::newRow("English") << "pt" << "actionEnglish_2" << "en"
                             << QStringList{"&File", "New &Macro", "Macro group: no group",
                                            "New Macro Group", "Save"}
                             << "Speeding";
    QTest::newRow("Spanish") << "pt" << "actionEspanhol_2" << "es"
                             << QStringList{"&Archivo", "Nueva &macro",
                                            "Grupo de macros: sin grupo",
                                            "Nuevo grupo de macros", "Guardar"}
                             << "Exceso de velocidad";
    QTest::newRow("French") << "pt" << "actionFrence" << "fr"
                            << QStringList{"&Fichier", "Nouvelle &macro",
                                           "Groupe de macros\u00a0: aucun groupe",
                                           "Nouveau groupe de macros", "Enregistrer"}
                            << "Excès de vitesse";
    QTest::newRow("German") << "pt" << "actionDeutsche" << "de"
                            << QStringList{"&Datei", "Neues &Makro", "Makrogruppe: keine Gruppe",
                                           "Neue Makrogruppe", "Speichern"}
                            << "Geschwindigkeitsüberschreitung";
    QTest::newRow("Portuguese") << "de" << "actionPortugues" << "pt"
                                << QStringList{"&Arquivo", "Nova &macro",
                                               "Grupo de Macros: sem grupo",
                                               "Novo grupo de macros", "Salvar"}
                                << "Excesso de velocidade";
}

void TestLanguages::menuSwitchesLanguage()
{
    QFETCH(QString, start);
    QFETCH(QString, actionName);
    QFETCH(QString, code);
    QFETCH(QStringList, texts);
    QFETCH(QString, violation);

    storeLanguage(start);
    MainWindow window;
    window.setWindowTitle(window.windowTitle() + VersionTail);
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(window.language(), start);
    QVERIFY(fileMenuTitle(window) != texts.at(0));
    // The language menu ticks the language shown.
    const auto ticked = [&window] {
        QStringList names;
        for (const char* name : {"actionEnglish_2", "actionEspanhol_2", "actionPortugues",
                                 "actionFrence", "actionDeutsche"}) {
            if (action(window, QLatin1String(name))->isChecked())
                names.append(QLatin1String(name));
        }
        return names;
    };
    QCOMPARE(ticked().size(), 1);
    QVERIFY(ticked() != QStringList{actionName});

    action(window, actionName)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(ticked(), QStringList{actionName});
    QCOMPARE(window.language(), code);
    QCOMPARE(fileMenuTitle(window), texts.at(0));
    QCOMPARE(action(window, QStringLiteral("actionNewMacro"))->text(), texts.at(1));
    QCOMPARE(firstInfoLine(window), texts.at(2));
    QCOMPARE(window.windowTitle(), QStringLiteral("Zor - Quorvane") + VersionTail);
    QCOMPARE(QLocale().name().left(2), code);
    // The reference data of the language was read.
    QCOMPARE(firstViolation(window), violation);

    // The dialogs and message boxes opened afterwards speak it too.
    QCOMPARE(groupDialogTitle(window), texts.at(3));
    QCOMPARE(saveButtonText(window), texts.at(4));
    QVERIFY(recorder->messages.isEmpty());

    // The choice is remembered at the close.
    QVERIFY(window.close());
    QCOMPARE(storedLanguage(), code);
}

void TestLanguages::activeLanguageChosenAgainDoesNothing()
{
    storeLanguage(QStringLiteral("fr"));
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(firstViolation(window), QStringLiteral("Excès de vitesse"));

    // A reload would read the changed file.
    const QString data = env->filePath(QStringLiteral("zor-fr.ini"));
    const QByteArray original = ZorTest::contentsOf(data);
    ZorTest::writeFile(data, QByteArray(original).replace("1=Excès de vitesse", "1=Relu"));

    LanguageChangeCounter counter(&window);
    action(window, QStringLiteral("actionFrence"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(counter.count, 0);
    QCOMPARE(window.language(), QStringLiteral("fr"));
    QCOMPARE(firstViolation(window), QStringLiteral("Excès de vitesse"));
    QCOMPARE(fileMenuTitle(window), QStringLiteral("&Fichier"));

    // A real change to French does read it.
    action(window, QStringLiteral("actionDeutsche"))->trigger();
    action(window, QStringLiteral("actionFrence"))->trigger();
    ZorTest::writeFile(data, original);
    QCOMPARE(firstViolation(window), QStringLiteral("Relu"));
}

void TestLanguages::localeChangeSwitchesWithoutReload()
{
    storeLanguage(QStringLiteral("en"));
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(fileMenuTitle(window), QStringLiteral("&File"));
    QCOMPARE(firstViolation(window), QStringLiteral("Speeding"));

    // The system reports its (German) locale as changed; Qt hands the event
    // to every top-level window.
    LanguageChangeCounter counter(&window);
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    QCoreApplication::processEvents();

    QCOMPARE(window.language(), QStringLiteral("de"));
    QVERIFY(counter.count > 0);
    QCOMPARE(fileMenuTitle(window), QStringLiteral("&Datei"));
    QCOMPARE(firstInfoLine(window), QStringLiteral("Makrogruppe: keine Gruppe"));
    QCOMPARE(QLocale().language(), QLocale::German);
    // The lists stay those of the language the window started with.
    QCOMPARE(firstViolation(window), QStringLiteral("Speeding"));
    QVERIFY(recorder->messages.isEmpty());

    QVERIFY(window.close());
    QCOMPARE(storedLanguage(), QStringLiteral("de"));
}

void TestLanguages::missingTranslationBringsBuiltInTexts()
{
    storeLanguage(QStringLiteral("de"));
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(fileMenuTitle(window), QStringLiteral("&Datei"));

    // Without the compiled-in translations, French can't load: no German
    // may stay behind.
    Q_CLEANUP_RESOURCE(zortranslations);
    action(window, QStringLiteral("actionFrence"))->trigger();
    QCoreApplication::processEvents();
    const QString menu = fileMenuTitle(window);
    const QString save = QCoreApplication::translate("MainWindow", "Salvar");
    const QString title = groupDialogTitle(window);
    Q_INIT_RESOURCE(zortranslations);

    QCOMPARE(window.language(), QStringLiteral("fr"));
    QCOMPARE(menu, QStringLiteral("&Arquivo"));
    QCOMPARE(save, QStringLiteral("Salvar"));
    QCOMPARE(title, QStringLiteral("Novo grupo de macros"));
    QCOMPARE(firstViolation(window), QStringLiteral("Excès de vitesse"));

    // With the translations back, the next choice finds its language again.
    action(window, QStringLiteral("actionEnglish_2"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(fileMenuTitle(window), QStringLiteral("&File"));
}

void TestLanguages::commandLineLanguageIsNotRemembered_data()
{
    QTest::addColumn<QString>("menuAction");
    QTest::addColumn<QString>("remembered");

    QTest::newRow("no choice in the menu") << "" << "de";
    QTest::newRow("another language chosen") << "actionEnglish_2" << "en";
    QTest::newRow("the same language chosen") << "actionFrence" << "fr";
}

void TestLanguages::commandLineLanguageIsNotRemembered()
{
    QFETCH(QString, menuAction);

    storeLanguage(QStringLiteral("de"));
    SessionLanguage::setCommandLineCode(QStringLiteral("fr"));
    MainWindow window;
    window.show();
    QCoreApplication::processEvents();
    QCOMPARE(window.language(), QStringLiteral("fr"));
    QCOMPARE(fileMenuTitle(window), QStringLiteral("&Fichier"));
    QCOMPARE(firstViolation(window), QStringLiteral("Excès de vitesse"));

    if (!menuAction.isEmpty())
        action(window, menuAction)->trigger();
    QVERIFY(window.close());
    QTEST(storedLanguage(), "remembered");
}

void TestLanguages::mnemonicsAreUnique_data()
{
    QTest::addColumn<QString>("code");
    // Portuguese shows the program's own texts as they are, "&Arquivo" and
    // "&Ajuda" included; the translations must not add clashes of their own.
    for (const char* code : {"en", "es", "fr", "de"})
        QTest::newRow(code) << code;
}

void TestLanguages::mnemonicsAreUnique()
{
    QFETCH(QString, code);

    storeLanguage(code);
    MainWindow window;
    QCoreApplication::processEvents();
    QCOMPARE(window.language(), code);

    QStringList repeated = repeatedMnemonics(menuTexts(window.menuBar()->actions()));
    const QList<QMenu*> menus = window.findChildren<QMenu*>();
    for (const QMenu* menu : menus)
        repeated += repeatedMnemonics(menuTexts(menu->actions()));

    dlgNovaMacro newMacro;
    repeated += repeatedMnemonics(dialogTexts(newMacro));
    dlgGroup groupDialog;
    repeated += repeatedMnemonics(dialogTexts(groupDialog));
    Group group(QStringLiteral("Frota"), QString());
    auto* macro = new Macro(QStringLiteral("10"), QStringLiteral("ENTREGA"), QStringLiteral("0"),
                            QStringLiteral("ENT"), 2, false);
    group.addMacro(macro);
    ReferenceLists lists;
    dlgConfigMacro configure(&group, macro, lists);
    const QStringList configureTexts = dialogTexts(configure);
    QVERIFY(configureTexts.size() > 10);
    repeated += repeatedMnemonics(configureTexts);
    QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(QStringLiteral(", "))));
}

int main(int argc, char* argv[])
{
    // The system speaks German; Qt reads the system locale once, so it is
    // set before anything asks for it.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_languages.moc"
