#include "app/referencelists.h"
#include "app/sessionlanguage.h"
#include "dialogs/dlgconfigmacro.h"
#include "dialogs/dlggroup.h"
#include "dialogs/dlgnovamacro.h"
#include "windowfixture.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

namespace {

const QString VersionTail = QStringLiteral(" - 4.2.3 ");

void choose(const MainWindow& window, const QString& actionName)
{
    window.findChild<QAction*>(actionName)->trigger();
    QCoreApplication::processEvents();
}

// What shows the language: the form's file menu, the Save of the code's
// unsaved-changes prompt, the reference data's first violation, the first
// line of the information list.
QStringList shownTexts(const MainWindow& window)
{
    const QStringList& violations = window.referenceLists().violations;
    return {window.findChild<QMenu*>(QStringLiteral("menuZor_Quorvane_2_0"))->title(),
            QCoreApplication::translate("MainWindow", "Salvar"), violations.value(0),
            window.findChild<QListWidget*>(QStringLiteral("lstMacroInfos"))->item(0)->text()};
}

// Counts the language changes that reach a widget.
struct LanguageChangeCounter : QObject
{
    explicit LanguageChangeCounter(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::LanguageChange;
        return false;
    }
    int count = 0;
};

// The texts whose mnemonics the keyboard reaches from one place: a menu's
// entries, a dialog's buttons, tabs and labels of a field.
QStringList mnemonicTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QAction* entry : widget.actions())
        texts.append(entry->text());
    for (const QLabel* label : widget.findChildren<QLabel*>()) {
        if (label->buddy())
            texts.append(label->text());
    }
    for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>())
        texts.append(button->text());
    for (const QTabWidget* tab : widget.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tab->count(); ++i)
            texts.append(tab->tabText(i));
    }
    return texts;
}

// The mnemonic letters used twice in one place: the menu bar, a menu, the
// new-macro, group and configure dialogs.
QStringList repeatedMnemonics(const MainWindow& window)
{
    QList<const QWidget*> places{window.menuBar()};
    for (const QMenu* menu : window.findChildren<QMenu*>())
        places.append(menu);
    const dlgNovaMacro newMacro;
    const dlgGroup groupDialog;
    Group group(QStringLiteral("Frota"), QString());
    auto* macro = new Macro("10", "ENTREGA", "0", "ENT", 2, false);
    group.addMacro(macro);
    const ReferenceLists lists;
    const dlgConfigMacro configure(&group, macro, lists);
    QStringList repeated;
    for (const QWidget* place : places << &newMacro << &groupDialog << &configure) {
        QStringList seen;
        for (QString text : mnemonicTexts(*place)) {
            const QString letter =
                text.remove(QStringLiteral("&&")).section('&', 1).left(1).toLower();
            if (!letter.isEmpty() && seen.contains(letter))
                repeated.append(letter + QStringLiteral(" in ") + text);
            seen.append(letter);
        }
    }
    return repeated;
}

} // namespace

// The window's languages: the menu, a change of the system locale, a
// missing translation and the language of the command line.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        f.setUpOnce();
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    }

    void cleanup()
    {
        SessionLanguage::setCommandLineCode(QString());
        f.finish();
    }

    void menuSwitchesLanguage_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("actionName"); // the language ticked
        QTest::addColumn<bool>("bySystem"); // the system's locale changes, not the menu
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texts");

        QTest::newRow("English") << "pt" << "actionEnglish_2" << false << "en"
            << QStringList{"&File", "Save", "Speeding", "Macro group: no group"};
        QTest::newRow("Spanish") << "pt" << "actionEspanhol_2" << false << "es"
            << QStringList{"&Archivo", "Guardar", "Exceso de velocidad",
                           "Grupo de macros: sin grupo"};
        QTest::newRow("French") << "pt" << "actionFrence" << false << "fr"
            << QStringList{"&Fichier", "Enregistrer", "Excès de vitesse",
                           "Groupe de macros\u00a0: aucun groupe"};
        QTest::newRow("German") << "pt" << "actionDeutsche" << false << "de"
            << QStringList{"&Datei", "Speichern", "Geschwindigkeitsüberschreitung",
                           "Makrogruppe: keine Gruppe"};
        QTest::newRow("Portuguese") << "de" << "actionPortugues" << false << "pt"
            << QStringList{"&Arquivo", "Salvar", "Excesso de velocidade",
                           "Grupo de Macros: sem grupo"};
        // Qt hands the event to every top-level window; the lists stay those
        // the window started with.
        QTest::newRow("system locale, German") << "en" << "actionDeutsche" << true << "de"
            << QStringList{"&Datei", "Speichern", "Speeding", "Makrogruppe: keine Gruppe"};
    }

    void menuSwitchesLanguage()
    {
        QFETCH(QString, start);
        QFETCH(QString, actionName);
        QFETCH(bool, bySystem);
        QFETCH(QString, code);

        MainWindow& window = startIn(start);
        window.setWindowTitle(window.windowTitle() + VersionTail);
        QCOMPARE(window.language(), start);
        // The language menu ticks the language shown, and only it.
        const auto ticked = [&window] {
            QStringList names;
            for (const QAction* entry : window.findChild<QMenu*>("menuIdioma")->actions()) {
                if (entry->isChecked())
                    names.append(entry->objectName());
            }
            return names;
        };
        QCOMPARE(ticked().size(), 1);

        if (bySystem) {
            QEvent change(QEvent::LocaleChange);
            QCoreApplication::sendEvent(qApp, &change);
            QCoreApplication::processEvents();
        } else {
            choose(window, actionName);
        }
        QCOMPARE(ticked(), QStringList{actionName});
        QCOMPARE(window.language(), code);
        QTEST(shownTexts(window), "texts");
        QCOMPARE(f.child<QLineEdit>("edtFind")->placeholderText(),
                 QCoreApplication::translate("FindField", "Procurar macro"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Zor - Quorvane") + VersionTail);
        QCOMPARE(QLocale().name().left(2), code);
        QVERIFY(f.recorder->messages.isEmpty());
        // Chosen again, the language is not loaded again.
        LanguageChangeCounter counter(&window);
        choose(window, actionName);
        QCOMPARE(counter.count, 0);
        // Portuguese shows the program's own texts as they are, "&Arquivo" and
        // "&Ajuda" clashing; the translations must not add clashes of their own.
        const QStringList repeated = repeatedMnemonics(window);
        QVERIFY2(repeated.isEmpty() == (code != "pt"), qPrintable(repeated.join(", ")));

        QVERIFY(window.close());
        QCOMPARE(QSettings().value("MainWindow/locale").toString(), code);
    }

    // Without the compiled-in translations, French can't load: no German may
    // stay behind. With them back, the next choice finds its language again.
    void missingTranslationBringsBuiltInTexts()
    {
        MainWindow& window = startIn(QStringLiteral("de"));
        Q_CLEANUP_RESOURCE(zortranslations);
        choose(window, QStringLiteral("actionFrence"));
        const QStringList texts =
            shownTexts(window) << QCoreApplication::translate("dlgGroup", "Novo grupo de macros");
        Q_INIT_RESOURCE(zortranslations);

        QCOMPARE(window.language(), QStringLiteral("fr"));
        QCOMPARE(texts,
                 (QStringList{"&Arquivo", "Salvar", "Excès de vitesse",
                              "Grupo de Macros: sem grupo", "Novo grupo de macros"}));
        choose(window, QStringLiteral("actionEnglish_2"));
        QCOMPARE(shownTexts(window).first(), QStringLiteral("&File"));
    }

    void commandLineLanguageIsNotRemembered_data()
    {
        QTest::addColumn<QString>("menuAction");
        QTest::addColumn<QString>("remembered");

        QTest::newRow("no choice in the menu") << "" << "de";
        QTest::newRow("another language chosen") << "actionEnglish_2" << "en";
        QTest::newRow("the same language chosen") << "actionFrence" << "fr";
    }

    void commandLineLanguageIsNotRemembered()
    {
        QFETCH(QString, menuAction);

        SessionLanguage::setCommandLineCode(QStringLiteral("fr"));
        MainWindow& window = startIn(QStringLiteral("de"));
        QCOMPARE(window.language(), QStringLiteral("fr"));
        QCOMPARE(shownTexts(window).first(), QStringLiteral("&Fichier"));
        if (!menuAction.isEmpty())
            choose(window, menuAction);
        QVERIFY(window.close());
        QTEST(QSettings().value("MainWindow/locale").toString(), "remembered");
    }

private:
    // A window shown with that language stored as the user's choice.
    MainWindow& startIn(const QString& code)
    {
        f.settings.insert(QStringLiteral("MainWindow/locale"), code);
        f.start();
        return *f.window;
    }

    ZorTest::WindowFixture f;
};

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
