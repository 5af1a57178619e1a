#include "editorfixture.h"
#include "support/testenvironment.h"

#include "app/debuglogger.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using namespace ZorTest;

// The grid itself: construction, typing, the cursor's movements and its
// highlight, the menu and the mouse.
class TestTabledEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void construction();
    void typing_data();
    void typing();
    void typedCellColours();
    void keyTextIsNormalised();
    void ignoredKeys_data();
    void ignoredKeys();
    void navigation_data();
    void navigation();
    void deleting_data();
    void deleting();
    void removingField_data();
    void removingField();
    void screenFullOfFields();
    void highlight();
    void menuOrder();
    void bracketOpensMenu();
    void bracketWithoutCommands();
    void rightClick();
    void loadingLogsMarkers();

private:
    std::unique_ptr<TestEnvironment> env;
};

namespace {

// Fields used by the movement tests, with their (row, col, len).
const QByteArray fieldForm = screen({{0, 3, "[e]"},
                                     {2, 10, "[LLLLL]"},
                                     {3, 0, "[nnnn]"},
                                     {4, 34, "[cccc]"},
                                     {5, 12, "[hh:mm]"},
                                     {19, 8, "[r]"}},
                                    'z');

const QByteArray filled(800, 'z');

std::unique_ptr<TabledEditor> editorWith(const QByteArray& form)
{
    auto editor = shownEditor();
    editor->loadForm(form.constData(), form.size());
    return editor;
}

} // namespace

void TestTabledEditor::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
}

void TestTabledEditor::construction()
{
    TabledEditor editor(nullptr);
    QCOMPARE(editor.rowCount(), 20);
    QCOMPARE(editor.columnCount(), 40);
    for (int row = 0; row < 20; ++row) {
        for (int col = 0; col < 40; ++col) {
            QVERIFY(editor.item(row, col));
            QVERIFY(editor.item(row, col)->text().isEmpty());
            QVERIFY(isTextCell(editor, row, col));
        }
    }
    QCOMPARE(editor.currentRow(), 0);
    QCOMPARE(editor.currentColumn(), 0);
    QVERIFY(editor.fieldOptions().isEmpty());
    QVERIFY(editor.contextMenu()->isEmpty());
    QCOMPARE(readAll(editor), QByteArray(800, '\0'));
}

void TestTabledEditor::typing_data()
{
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("startCol");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("endRow");
    QTest::addColumn<int>("endCol");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("letters and digits")
        << 0 << 0 << "aB3" << 0 << 3 << QStringList{"a", "B", "3", "z"};
    QTest::newRow("allowed punctuation")
        << 1 << 0 << "$%,.;:?!_-/ " << 1 << 12
        << QStringList{"$", "%", ",", ".", ";", ":", "?", "!", "_", "-", "/", " ", "z"};
    QTest::newRow("refused key empties the cell and moves on")
        << 4 << 7 << "#" << 4 << 8 << QStringList{"", "z"};
    QTest::newRow("refused keys among letters")
        << 4 << 7 << "a@b{c" << 4 << 12 << QStringList{"a", "", "b", "", "c", "z"};
    QTest::newRow("end of a row") << 3 << 39 << "xy" << 4 << 1 << QStringList{"x", "y", "z"};
    QTest::newRow("last cell wraps to the first")
        << 19 << 39 << "x" << 0 << 0 << QStringList{"x", "z"};
}

void TestTabledEditor::typing()
{
    QFETCH(int, startRow);
    QFETCH(int, startCol);
    QFETCH(QString, keys);
    QFETCH(int, endRow);
    QFETCH(int, endCol);
    QFETCH(QStringList, cells);

    auto editor = editorWith(filled);
    editor->setCurrentCell(startRow, startCol);
    QTest::keyClicks(editor.get(), keys);
    QCOMPARE(editor->currentRow(), endRow);
    QCOMPARE(editor->currentColumn(), endCol);
    QCOMPARE(cellTexts(*editor, startRow, startCol, cells.size()), cells);
    QVERIFY(editor->findChildren<QLineEdit*>().isEmpty());
}

void TestTabledEditor::typedCellColours()
{
    auto editor = shownEditor();
    editor->setCurrentCell(6, 3);
    QTest::keyClick(editor.get(), Qt::Key_Q);
    QTableWidgetItem* typed = editor->item(6, 3);
    QCOMPARE(typed->text(), QStringLiteral("q"));
    QCOMPARE(typed->foreground(), QBrush(Qt::black));
    QVERIFY(isTextCell(*editor, 6, 3));
    QCOMPARE(typed->background(), highlightBrush());
    editor->setCurrentCell(10, 20);
    QCOMPARE(typed->background().style(), Qt::NoBrush);
    QCOMPARE(typed->text(), QStringLiteral("q"));
}

void TestTabledEditor::keyTextIsNormalised()
{
    auto editor = shownEditor();
    // A composed key (a dead key, say) that reports the letter's key code
    // with the accented text: the accent is dropped, the letter stays.
    QTest::sendKeyEvent(QTest::Click, editor.get(), Qt::Key_E, QStringLiteral("é"), Qt::NoModifier);
    QCOMPARE(editor->item(0, 0)->text(), QStringLiteral("e"));
    QCOMPARE(editor->currentColumn(), 1);
    QTest::sendKeyEvent(QTest::Click, editor.get(), Qt::Key_A, QStringLiteral("Ã"),
                        Qt::ShiftModifier);
    QCOMPARE(editor->item(0, 1)->text(), QStringLiteral("A"));
    QCOMPARE(editor->currentColumn(), 2);
}

void TestTabledEditor::ignoredKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("c cedilla") << int(Qt::Key_Ccedilla) << QStringLiteral("ç")
                               << int(Qt::NoModifier);
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << QStringLiteral("é") << int(Qt::NoModifier);
    QTest::newRow("tilde") << int(Qt::Key_AsciiTilde) << QStringLiteral("~") << int(Qt::NoModifier);
    QTest::newRow("closing bracket")
        << int(Qt::Key_BracketRight) << QStringLiteral("]") << int(Qt::NoModifier);
    QTest::newRow("F2") << int(Qt::Key_F2) << QString() << int(Qt::NoModifier);
    QTest::newRow("Enter of the keypad")
        << int(Qt::Key_Enter) << QStringLiteral("\r") << int(Qt::KeypadModifier);
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << QStringLiteral("\x03") << int(Qt::ControlModifier);
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << QStringLiteral("\x16") << int(Qt::ControlModifier);
}

void TestTabledEditor::ignoredKeys()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);

    auto editor = editorWith(filled);
    editor->setCurrentCell(5, 5);
    QSignalSpy info(editor.get(), &TabledEditor::showInfo);
    QTest::sendKeyEvent(QTest::Click, editor.get(), Qt::Key(key), text,
                        Qt::KeyboardModifiers(modifiers));
    QCOMPARE(editor->currentRow(), 5);
    QCOMPARE(editor->currentColumn(), 5);
    QVERIFY(info.isEmpty());
    QCOMPARE(readAll(*editor), filled);
    QVERIFY(editor->findChildren<QLineEdit*>().isEmpty());
}

void TestTabledEditor::navigation_data()
{
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("startCol");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("endRow");
    QTest::addColumn<int>("endCol");
    QTest::addColumn<bool>("fields"); // over fieldForm, whose fields the cursor skips

    QTest::newRow("Return") << 3 << 17 << int(Qt::Key_Return) << 4 << 0 << false;
    QTest::newRow("Return on the last row") << 19 << 5 << int(Qt::Key_Return) << 0 << 0 << false;
    QTest::newRow("Home") << 6 << 20 << int(Qt::Key_Home) << 6 << 0 << false;
    QTest::newRow("End") << 6 << 20 << int(Qt::Key_End) << 6 << 39 << false;
    QTest::newRow("Page Up") << 12 << 8 << int(Qt::Key_PageUp) << 0 << 8 << false;
    QTest::newRow("Page Down") << 2 << 8 << int(Qt::Key_PageDown) << 19 << 8 << false;
    QTest::newRow("Left") << 7 << 7 << int(Qt::Key_Left) << 7 << 6 << false;
    QTest::newRow("Left at the first cell") << 0 << 0 << int(Qt::Key_Left) << 19 << 39 << false;
    QTest::newRow("Left at a row start") << 8 << 0 << int(Qt::Key_Left) << 7 << 39 << false;
    QTest::newRow("Right") << 7 << 7 << int(Qt::Key_Right) << 7 << 8 << false;
    QTest::newRow("Right at a row end") << 5 << 39 << int(Qt::Key_Right) << 6 << 0 << false;
    QTest::newRow("Right at the last cell") << 19 << 39 << int(Qt::Key_Right) << 0 << 0 << false;
    QTest::newRow("Up") << 7 << 7 << int(Qt::Key_Up) << 6 << 7 << false;
    QTest::newRow("Up on the first row") << 0 << 4 << int(Qt::Key_Up) << 19 << 4 << false;
    QTest::newRow("Down") << 7 << 7 << int(Qt::Key_Down) << 8 << 7 << false;
    QTest::newRow("Down on the last row") << 19 << 4 << int(Qt::Key_Down) << 0 << 4 << false;
    QTest::newRow("Backspace at the first cell")
        << 0 << 0 << int(Qt::Key_Backspace) << 19 << 39 << false;
    QTest::newRow("Delete") << 7 << 7 << int(Qt::Key_Delete) << 7 << 7 << false;
    QTest::newRow("Shift") << 7 << 7 << int(Qt::Key_Shift) << 7 << 7 << false;
    QTest::newRow("Caps Lock") << 7 << 7 << int(Qt::Key_CapsLock) << 7 << 7 << false;
    QTest::newRow("Right jumps past a field") << 2 << 9 << int(Qt::Key_Right) << 2 << 17 << true;
    QTest::newRow("typing jumps past a field") << 2 << 9 << int(Qt::Key_X) << 2 << 17 << true;
    QTest::newRow("Left jumps back over a field") << 2 << 17 << int(Qt::Key_Left) << 2 << 9 << true;
    QTest::newRow("Home onto a field") << 3 << 20 << int(Qt::Key_Home) << 3 << 6 << true;
    QTest::newRow("Return onto a field") << 2 << 20 << int(Qt::Key_Return) << 3 << 6 << true;
    QTest::newRow("End onto a field") << 4 << 3 << int(Qt::Key_End) << 4 << 33 << true;
    QTest::newRow("Right past a field ending its row")
        << 4 << 33 << int(Qt::Key_Right) << 5 << 0 << true;
    QTest::newRow("Up over a field") << 6 << 14 << int(Qt::Key_Up) << 4 << 14 << true;
    QTest::newRow("Down over a field") << 4 << 14 << int(Qt::Key_Down) << 6 << 14 << true;
    QTest::newRow("Page Up onto a field") << 10 << 4 << int(Qt::Key_PageUp) << 0 << 6 << true;
    QTest::newRow("Page Down onto a field") << 1 << 9 << int(Qt::Key_PageDown) << 19 << 11 << true;
    QTest::newRow("Shift stays on a field") << 2 << 12 << int(Qt::Key_Shift) << 2 << 12 << true;
    QTest::newRow("Caps Lock stays on a field")
        << 2 << 12 << int(Qt::Key_CapsLock) << 2 << 12 << true;
    QTest::newRow("Right from inside a field") << 2 << 12 << int(Qt::Key_Right) << 2 << 17 << true;
}

void TestTabledEditor::navigation()
{
    QFETCH(int, startRow);
    QFETCH(int, startCol);
    QFETCH(int, key);
    QFETCH(int, endRow);
    QFETCH(int, endCol);
    QFETCH(bool, fields);

    auto editor = fields ? editorWith(fieldForm) : shownEditor();
    QCOMPARE(editor->fieldOptions().size(), fields ? 6 : 0);
    editor->setCurrentCell(startRow, startCol);
    QSignalSpy info(editor.get(), &TabledEditor::showInfo);
    QSignalSpy removed(editor.get(), &TabledEditor::optionRemoved);
    QTest::keyClick(editor.get(), Qt::Key(key));
    QCOMPARE(editor->currentRow(), endRow);
    QCOMPARE(editor->currentColumn(), endCol);
    if (fields) {
        QCOMPARE(editor->fieldOptions().size(), 6);
        QVERIFY(removed.isEmpty());
        QCOMPARE(cellTexts(*editor, 2, 10, 7).join(QString()), QStringLiteral("[LLLLL]"));
    } else if (endRow != startRow || endCol != startCol) {
        QVERIFY(!info.isEmpty());
        QCOMPARE(info.last(), (QList<QVariant>{endRow, endCol}));
    }
}

void TestTabledEditor::deleting_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("endCol");

    QTest::newRow("Backspace clears the cell before") << int(Qt::Key_Backspace) << 4;
    QTest::newRow("Delete clears the current cell") << int(Qt::Key_Delete) << 5;
}

void TestTabledEditor::deleting()
{
    QFETCH(int, key);
    QFETCH(int, endCol);

    auto editor = editorWith(filled);
    editor->setCurrentCell(2, 5);
    QTest::keyClick(editor.get(), Qt::Key(key));
    QCOMPARE(editor->currentRow(), 2);
    QCOMPARE(editor->currentColumn(), endCol);
    QByteArray expected = filled;
    expected[2 * 40 + endCol] = '\0';
    QCOMPARE(readAll(*editor), expected);
    QCOMPARE(editor->item(2, endCol)->foreground(), QBrush(Qt::black));
    QVERIFY(editor->findChildren<QLineEdit*>().isEmpty());
}

void TestTabledEditor::removingField_data()
{
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("startCol");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("fieldRow");
    QTest::addColumn<int>("fieldCol");
    QTest::addColumn<int>("fieldLen");

    QTest::newRow("Backspace just after a field")
        << 2 << 17 << int(Qt::Key_Backspace) << 2 << 10 << 7;
    QTest::newRow("Backspace after a field at a row start")
        << 3 << 6 << int(Qt::Key_Backspace) << 3 << 0 << 4 + 2;
    QTest::newRow("Backspace at a row start after a field ending the row")
        << 5 << 0 << int(Qt::Key_Backspace) << 4 << 34 << 6;
    QTest::newRow("Delete on a field cell") << 2 << 13 << int(Qt::Key_Delete) << 2 << 10 << 7;
}

void TestTabledEditor::removingField()
{
    QFETCH(int, startRow);
    QFETCH(int, startCol);
    QFETCH(int, key);
    QFETCH(int, fieldRow);
    QFETCH(int, fieldCol);
    QFETCH(int, fieldLen);

    auto editor = editorWith(fieldForm);
    editor->setCurrentCell(startRow, startCol);
    QSignalSpy removed(editor.get(), &TabledEditor::optionRemoved);
    QTest::keyClick(editor.get(), Qt::Key(key));

    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.first(), (QList<QVariant>{fieldRow, fieldCol, fieldLen}));
    QCOMPARE(editor->currentRow(), fieldRow);
    QCOMPARE(editor->currentColumn(), fieldCol);
    QCOMPARE(editor->fieldOptions().size(), 5);
    for (const TabledEditor::Option& option : editor->fieldOptions())
        QVERIFY(option.row != fieldRow || option.col != fieldCol);
    for (int col = fieldCol; col < fieldCol + fieldLen; ++col) {
        QVERIFY(editor->item(fieldRow, col)->text().isEmpty());
        QVERIFY(isTextCell(*editor, fieldRow, col));
        QCOMPARE(editor->item(fieldRow, col)->foreground(), QBrush(Qt::black));
    }
    // The cell beyond the field is untouched.
    if (fieldCol + fieldLen < 40)
        QCOMPARE(editor->item(fieldRow, fieldCol + fieldLen)->text(), QStringLiteral("z"));
    QCOMPARE(ScreenText::checkFields(readAll(*editor).constData(), 800), 0);
}

void TestTabledEditor::screenFullOfFields()
{
    auto editor = shownEditor();
    QByteArray full;
    for (int row = 0; row < 20; ++row)
        full += "[" + QByteArray(38, 'c') + "]";
    editor->loadForm(full.constData(), full.size());
    QCOMPARE(editor->fieldOptions().size(), 20);

    // No text cell to go to: the cursor stays instead of searching forever.
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_Return,
                              Qt::Key_End, Qt::Key_PageDown}) {
        QTest::keyClick(editor.get(), key);
        QCOMPARE(editor->currentRow(), 0);
        QCOMPARE(editor->currentColumn(), 0);
    }
    QCOMPARE(readAll(*editor), full);

    editor->setCurrentCell(7, 20);
    QSignalSpy removed(editor.get(), &TabledEditor::optionRemoved);
    QTest::keyClick(editor.get(), Qt::Key_Delete);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.first(), (QList<QVariant>{7, 0, 40}));
    QCOMPARE(editor->currentRow(), 7);
    QCOMPARE(editor->currentColumn(), 0);
    QTest::keyClick(editor.get(), Qt::Key_Down);
    QCOMPARE(editor->currentRow(), 7);
    QTest::keyClick(editor.get(), Qt::Key_End);
    QCOMPARE(editor->currentColumn(), 39);
}

void TestTabledEditor::highlight()
{
    auto editor = shownEditor();
    const QByteArray form = screen({{5, 2, "#"}, {9, 7, "#"}});
    editor->loadForm(form.constData(), form.size());
    const QBrush red(Qt::red);
    QCOMPARE(editor->item(5, 2)->background(), red);

    QSignalSpy info(editor.get(), &TabledEditor::showInfo);
    editor->setCurrentCell(5, 7);
    QCOMPARE(info.size(), 1);
    QCOMPARE(info.first(), (QList<QVariant>{5, 7}));
    for (int col = 0; col < 40; ++col) {
        if (col != 2)
            QCOMPARE(editor->item(5, col)->background(), highlightBrush());
    }
    for (int row = 0; row < 20; ++row) {
        if (row != 9)
            QCOMPARE(editor->item(row, 7)->background(), highlightBrush());
    }
    QCOMPARE(editor->item(5, 2)->background(), red);
    QCOMPARE(editor->item(9, 7)->background(), red);
    QCOMPARE(editor->item(6, 8)->background().style(), Qt::NoBrush);
    QCOMPARE(editor->item(0, 0)->background().style(), Qt::NoBrush);

    QTest::keyClick(editor.get(), Qt::Key_Down);
    QCOMPARE(info.last(), (QList<QVariant>{6, 7}));
    for (int col = 0; col < 40; ++col) {
        if (col != 7 && col != 2)
            QCOMPARE(editor->item(5, col)->background().style(), Qt::NoBrush);
        QCOMPARE(editor->item(6, col)->background(), highlightBrush());
    }
    QCOMPARE(editor->item(5, 2)->background(), red);
    QVERIFY(editor->selectedItems().isEmpty());
}

void TestTabledEditor::menuOrder()
{
    TabledEditor editor(nullptr);
    editor.addCommand("Texto", "[c]", "", 0, 12);
    editor.addCommand("Login", "[LLLLL]", "", 1, 7);
    editor.addCommand(QStringLiteral("Seleção").toUtf8(), "[r]", "", 1, 6);
    editor.addCommand("Senha", "[SSSSS]", "", 1, 7);
    editor.addCommand("Login", "[XX]", "", 1, 4);
    editor.addCommand("Data/Hora", "[dd/mm/aa][hh:mm]", "", 1, 6);
    editor.addCommand("Data", "[dd/mm/aa]", "", 1, 6);
    editor.createMenu();

    QStringList texts;
    const QList<QAction*> actions = editor.contextMenu()->actions();
    for (const QAction* action : actions) {
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QVERIFY(action->shortcut().isEmpty());
    }
    QCOMPARE(texts, (QStringList{"Data", "Data/Hora", "Login", QStringLiteral("Seleção"), "Senha",
                                 "Texto", "-", QStringLiteral("Obrigatório"), "Opcional"}));

    // Building again after more commands gives one menu, not two.
    editor.addCommand("Hora", "[hh:mm]", "", 1, 6);
    editor.createMenu();
    QCOMPARE(editor.contextMenu()->actions().size(), texts.size() + 1);

    TabledEditor empty(nullptr);
    empty.createMenu();
    QVERIFY(empty.contextMenu()->isEmpty());
}

void TestTabledEditor::bracketOpensMenu()
{
    QWidget host;
    host.move(40, 30);
    auto editor = editorWith(filled);
    editor->setHost(&host);
    editor->setCurrentCell(3, 5);
    QSignalSpy info(editor.get(), &TabledEditor::showInfo);

    QTest::keyClick(editor.get(), Qt::Key_BracketLeft);
    QMenu* menu = editor->contextMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), host.pos() + QPoint(5 * 16, 3 * 16));
    QCOMPARE(editor->currentRow(), 3);
    QCOMPARE(editor->currentColumn(), 5);
    QVERIFY(info.isEmpty());
    menu->hide();
    QCOMPARE(readAll(*editor), filled);
}

void TestTabledEditor::bracketWithoutCommands()
{
    QWidget window;
    window.move(20, 10);
    auto editor = shownEditor(&window, false);
    QTest::keyClick(editor.get(), Qt::Key_BracketLeft);
    QVERIFY(!editor->contextMenu()->isVisible());
    QCOMPARE(editor->currentColumn(), 0);

    // Without a host the parent widget anchors the menu.
    editor->addCommand("Login", "[LLLLL]", "", 1, 7);
    editor->createMenu();
    editor->setCurrentCell(1, 2);
    QTest::keyClick(editor.get(), Qt::Key_BracketLeft);
    QVERIFY(editor->contextMenu()->isVisible());
    QCOMPARE(editor->contextMenu()->pos(), window.pos() + QPoint(2 * 16, 1 * 16));
    editor->contextMenu()->hide();
}

void TestTabledEditor::rightClick()
{
    auto editor = editorWith(fieldForm);
    const QPoint inField = editor->visualItemRect(editor->item(2, 12)).center();
    QTest::mouseClick(editor->viewport(), Qt::RightButton, Qt::NoModifier, inField);
    QMenu* menu = editor->contextMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), editor->viewport()->mapToGlobal(inField));
    QCOMPARE(editor->currentRow(), 2);
    QCOMPARE(editor->currentColumn(), 12);
    menu->hide();

    // The menu acts on the clicked field.
    menuAction(*editor, QStringLiteral("Opcional"))->trigger();
    QCOMPARE(cellTexts(*editor, 2, 10, 7).join(QString()), QStringLiteral("[lllll]"));

    const QPoint elsewhere = editor->visualItemRect(editor->item(8, 8)).center();
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::NoModifier, elsewhere);
    QVERIFY(!menu->isVisible());
    QCOMPARE(editor->currentRow(), 8);
}

void TestTabledEditor::loadingLogsMarkers()
{
    DebugLogger* logger = DebugLogger::instance();
    logger->configure(env->path(), env->filePath(QStringLiteral("debug.log")));
    QVERIFY(logger->startSession());
    QStringList lines;
    logger->setLineSink([&lines](const QString& line) { lines << line; });

    TabledEditor editor(nullptr);
    const QByteArray form = screen({{2, 10, "[LLLLL]"}, {7, 36, "[abc"}});
    editor.loadForm(form.constData(), form.size());
    logger->setLineSink(nullptr);

    QStringList texts;
    for (const QString& line : qAsConst(lines))
        texts << line.section(QStringLiteral(" - "), 1);
    QCOMPARE(texts, (QStringList{"TabledEditor - Constructor", "TabledEditor - iRow:2 iCol:10",
                                 "TabledEditor - { [LLLLL] }", "TabledEditor - iRow:7 iCol:36",
                                 "TabledEditor - { [abc }"}));
}

QTEST_MAIN(TestTabledEditor)
#include "tst_tablededitor.moc"
