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

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>
#include <QtTest>

namespace {

const QString VersionTail = QStringLiteral(" - 4.2.3 ");

// A window shown with that language stored as the user's choice.
std::unique_ptr<MainWindow> startIn(const QString& code)
{
    QSettings settings;
    settings.clear();
    settings.setValue(QStringLiteral("MainWindow/locale"), code);
    auto window = std::make_unique<MainWindow>();
    window->show();
    QCoreApplication::processEvents();
    return window;
}

QString storedLanguage()
{
    return QSettings().value(QStringLiteral("MainWindow/locale")).toString();
}

void choose(const MainWindow& window, const QString& actionName)
{
    window.findChild<QAction*>(actionName)->trigger();
    QCoreApplication::processEvents();
}

QString fileMenuTitle(const MainWindow& window)
{
    return window.findChild<QMenu*>(QStringLiteral("menuZor_Quorvane_2_0"))->title();
}

QString firstViolation(const MainWindow& window)
{
    const QStringList& violations = window.referenceLists().violations;
    return violations.isEmpty() ? QString() : violations.first();
}

// The Save button of the window's unsaved-changes prompt.
QString promptSave()
{
    return QCoreApplication::translate("MainWindow", "Salvar");
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

QStringList actionTexts(const QWidget& menu)
{
    QStringList texts;
    for (const QAction* entry : menu.actions())
        texts.append(entry->text());
    return texts;
}

// Every text of a dialog whose mnemonic the keyboard can reach.
QStringList dialogTexts(const QWidget& dialog)
{
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy())
            texts.append(label->text());
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts.append(button->text());
    for (const QTabWidget* tab : dialog.findChildren<QTabWidget*>()) {
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
    void init() { recorder = std::make_unique<MessageRecorder>(); }
    void cleanup();
    void menuSwitchesLanguage_data();
    void menuSwitchesLanguage();
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
    QTest::addColumn<QStringList>("texts"); // file menu, Save, first violation

    QTest::newRow("English") << "pt" << "actionEnglish_2" << "en"
                             << QStringList{"&File", "Save", "Speeding"};
    QTest::newRow("Spanish") << "pt" << "actionEspanhol_2" << "es"
                             << QStringList{"&Archivo", "Guardar", "Exceso de velocidad"};
    QTest::newRow("French") << "pt" << "actionFrence" << "fr"
                            << QStringList{"&Fichier", "Enregistrer", "Excès de vitesse"};
    QTest::newRow("German") << "pt" << "actionDeutsche" << "de"
                            << QStringList{"&Datei", "Speichern", "Geschwindigkeitsüberschreitung"};
    QTest::newRow("Portuguese") << "de" << "actionPortugues" << "pt"
                                << QStringList{"&Arquivo", "Salvar", "Excesso de velocidade"};
}

void TestLanguages::menuSwitchesLanguage()
{
    QFETCH(QString, start);
    QFETCH(QString, actionName);
    QFETCH(QString, code);
    QFETCH(QStringList, texts);

    const std::unique_ptr<MainWindow> window = startIn(start);
    window->setWindowTitle(window->windowTitle() + VersionTail);
    QCOMPARE(window->language(), start);
    // The language menu ticks the language shown, and only it.
    const auto ticked = [&window] {
        QStringList names;
        for (const QAction* entry : window->findChild<QMenu*>("menuIdioma")->actions()) {
            if (entry->isChecked())
                names.append(entry->objectName());
        }
        return names;
    };
    QCOMPARE(ticked().size(), 1);
    QVERIFY(ticked() != QStringList{actionName});

    choose(*window, actionName);
    QCOMPARE(ticked(), QStringList{actionName});
    QCOMPARE(window->language(), code);
    // The texts of the form and of the code, and the reference data.
    QCOMPARE((QStringList{fileMenuTitle(*window), promptSave(), firstViolation(*window)}), texts);
    QCOMPARE(window->windowTitle(), QStringLiteral("Zor - Quorvane") + VersionTail);
    QCOMPARE(QLocale().name().left(2), code);
    QVERIFY(recorder->messages.isEmpty());
    // Chosen again, the language is not loaded again.
    LanguageChangeCounter counter(window.get());
    choose(*window, actionName);
    QCOMPARE(counter.count, 0);

    QVERIFY(window->close());
    QCOMPARE(storedLanguage(), code);
}

void TestLanguages::localeChangeSwitchesWithoutReload()
{
    const std::unique_ptr<MainWindow> window = startIn(QStringLiteral("en"));
    QCOMPARE(fileMenuTitle(*window), QStringLiteral("&File"));

    // The system reports its (German) locale as changed; Qt hands the event
    // to every top-level window.
    LanguageChangeCounter counter(window.get());
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    QCoreApplication::processEvents();

    QCOMPARE(window->language(), QStringLiteral("de"));
    QVERIFY(counter.count > 0);
    QCOMPARE(fileMenuTitle(*window), QStringLiteral("&Datei"));
    QCOMPARE(window->findChild<QListWidget*>(QStringLiteral("lstMacroInfos"))->item(0)->text(),
             QStringLiteral("Makrogruppe: keine Gruppe"));
    QCOMPARE(QLocale().language(), QLocale::German);
    // The lists stay those of the language the window started with.
    QCOMPARE(firstViolation(*window), QStringLiteral("Speeding"));
    QVERIFY(recorder->messages.isEmpty());

    QVERIFY(window->close());
    QCOMPARE(storedLanguage(), QStringLiteral("de"));
}

void TestLanguages::missingTranslationBringsBuiltInTexts()
{
    const std::unique_ptr<MainWindow> window = startIn(QStringLiteral("de"));
    QCOMPARE(fileMenuTitle(*window), QStringLiteral("&Datei"));

    // Without the compiled-in translations, French can't load: no German
    // may stay behind.
    Q_CLEANUP_RESOURCE(zortranslations);
    choose(*window, QStringLiteral("actionFrence"));
    const QString menu = fileMenuTitle(*window);
    const QString save = promptSave();
    const QString title = QCoreApplication::translate("dlgGroup", "Novo grupo de macros");
    Q_INIT_RESOURCE(zortranslations);

    QCOMPARE(window->language(), QStringLiteral("fr"));
    QCOMPARE((QStringList{menu, save, title}),
             (QStringList{"&Arquivo", "Salvar", "Novo grupo de macros"}));
    QCOMPARE(firstViolation(*window), QStringLiteral("Excès de vitesse"));

    // With the translations back, the next choice finds its language again.
    choose(*window, QStringLiteral("actionEnglish_2"));
    QCOMPARE(fileMenuTitle(*window), QStringLiteral("&File"));
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

    SessionLanguage::setCommandLineCode(QStringLiteral("fr"));
    const std::unique_ptr<MainWindow> window = startIn(QStringLiteral("de"));
    QCOMPARE(window->language(), QStringLiteral("fr"));
    QCOMPARE(fileMenuTitle(*window), QStringLiteral("&Fichier"));
    QCOMPARE(firstViolation(*window), QStringLiteral("Excès de vitesse"));

    if (!menuAction.isEmpty())
        choose(*window, menuAction);
    QVERIFY(window->close());
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

    const std::unique_ptr<MainWindow> window = startIn(code);
    QCOMPARE(window->language(), code);
    QStringList repeated = repeatedMnemonics(actionTexts(*window->menuBar()));
    for (const QMenu* menu : window->findChildren<QMenu*>())
        repeated += repeatedMnemonics(actionTexts(*menu));

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
