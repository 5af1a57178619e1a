#include "editorfixture.h"

#include "app/debuglogger.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMetaEnum>
#include <QRandomGenerator>
#include <QtTest>

#include <vector>

using namespace ZorTest;

namespace {

constexpr int Columns = ScreenText::Columns;

int cell(int row, int col)
{
    return row * Columns + col;
}

// Six fields for the cursor to find its way around, on a screen of "z".
const QByteArray fieldForm = screen({{0, 3, "[e]"},
                                     {2, 10, "[LLLLL]"},
                                     {3, 0, "[nnnn]"},
                                     {4, 34, "[cccc]"},
                                     {5, 12, "[hh:mm]"},
                                     {19, 8, "[r]"}},
                                    'z');

// Presses the words that name a Qt::Key without its prefix ("Right"), with
// "Ctrl+" in front when held; types any other word.
void press(QWidget* widget, const QString& keys)
{
    const QMetaEnum names = QMetaEnum::fromType<Qt::Key>();
    for (QString word : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool ctrl = word.startsWith(QLatin1String("Ctrl+"));
        if (ctrl)
            word.remove(0, 5);
        bool isKey = false;
        const int key = names.keyToValue(("Key_" + word).toLatin1().constData(), &isKey);
        if (isKey)
            QTest::keyClick(widget, Qt::Key(key), ctrl ? Qt::ControlModifier : Qt::NoModifier);
        else
            QTest::keyClicks(widget, word);
    }
}

int cursorAt(const TabledEditor& editor)
{
    return cell(editor.currentRow(), editor.currentColumn());
}

QList<int> triples(const TabledEditor& editor)
{
    QList<int> values;
    for (const TabledEditor::Option& option : editor.fieldOptions())
        values << option.row << option.col << option.len;
    return values;
}

// One character a cell, as mark gives it for the cell's item.
QByteArray cellMap(const TabledEditor& editor, char (*mark)(const QTableWidgetItem*))
{
    QByteArray map(ScreenText::Size, '?');
    for (int i = 0; i < map.size(); ++i)
        map[i] = mark(editor.item(i / Columns, i % Columns));
    return map;
}

// 'f' for the cells of fields (not editable), 't' for text cells.
QByteArray cellKinds(const TabledEditor& editor)
{
    return cellMap(editor, [](const QTableWidgetItem* item) {
        return item->flags() & Qt::ItemIsEditable ? 't' : 'f';
    });
}

// The cell kinds that fields, given as (row, col, len) triples, make.
QByteArray kindsOf(const QList<int>& fields)
{
    QByteArray kinds(ScreenText::Size, 't');
    for (int i = 0; i + 2 < fields.size(); i += 3)
        kinds.replace(cell(fields[i], fields[i + 1]), fields[i + 2],
                      QByteArray(fields[i + 2], 'f'));
    return kinds;
}

// The cells' backgrounds: 'h' the cursor's lines, 'r' refused, '.' none.
QByteArray backgrounds(const TabledEditor& editor)
{
    return cellMap(editor, [](const QTableWidgetItem* item) {
        const QBrush brush = item->background();
        return brush.style() == Qt::NoBrush                  ? '.'
               : brush == QBrush(Qt::red)                    ? 'r'
               : brush == QBrush(QColor(200, 255, 200, 127)) ? 'h'
                                                             : '?';
    });
}

// The backgrounds with the cursor at (row, col) and refused cells elsewhere.
QByteArray cross(int row, int col, std::initializer_list<int> refused = {})
{
    QByteArray map(ScreenText::Size, '.');
    for (int i = 0; i < map.size(); ++i) {
        if (i / Columns == row || i % Columns == col)
            map[i] = 'h';
    }
    for (const int i : refused)
        map[i] = 'r';
    return map;
}

// Answers the length dialog with value (cancels it for 0), after noting what
// it offered in seen; a refusal box that follows it is answered as well.
void answerLengthDialog(int value, QStringList* seen, bool refusalFollows, SeenBox* refusal)
{
    answerNextModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        *seen = QStringList{dialog->windowTitle(), dialog->labelText()};
        for (const int number :
             {dialog->intValue(), dialog->intMinimum(), dialog->intMaximum(), dialog->intStep()})
            *seen << QString::number(number);
        if (refusalFollows)
            answerBox(QString(), refusal);
        if (value == 0)
            return dialog->reject();
        dialog->setIntValue(value);
        dialog->accept();
    });
}

} // namespace

class TestTabledEditor : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;

private slots:
    void initTestCase() { env = std::make_unique<TestEnvironment>(); }

    void cleanup() { closeAllModals(); }

    void keys_data()
    {
        QTest::addColumn<QByteArray>("form");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("end");
        // What the bytes of the form change to, from the earlier of the cursor's
        // first and last cells; a run of NUL bytes is a removed field.
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray blank;
        const QByteArray z(ScreenText::Size, 'z');
        const auto nuls = [](int count) { return QByteArray(count, '\0'); };
        const auto row = [](const char* tag, const QByteArray& form, int start, const char* keys,
                            int end, const QByteArray& bytes = QByteArray()) {
            QTest::newRow(tag) << form << start << QString::fromLatin1(keys) << end << bytes;
        };
        row("letters and digits", z, cell(0, 0), "aB3", cell(0, 3), "aB3");
        row("punctuation", z, cell(1, 0), "$%,.;:?!_-/ Space", cell(1, 12), "$%,.;:?!_-/ ");
        row("refused characters", z, cell(4, 7), "a@b{c}", cell(4, 13), QByteArray("a\0b\0c\0", 6));
        row("typing at a row end", z, cell(3, 39), "xy", cell(4, 1), "xy");
        row("ignored keys", z, cell(5, 5),
            "AsciiTilde BracketRight Eacute F2 Enter Ctrl+C Ctrl+V Shift CapsLock", cell(5, 5));
        row("Backspace", z, cell(2, 5), "Backspace", cell(2, 4), nuls(1));
        row("Delete", z, cell(2, 5), "Delete", cell(2, 5), nuls(1));
        row("Return", blank, cell(3, 17), "Return", cell(4, 0));
        row("Home", blank, cell(6, 20), "Home", cell(6, 0));
        row("End", blank, cell(6, 20), "End", cell(6, 39));
        row("PageUp", blank, cell(12, 8), "PageUp", cell(0, 8));
        row("PageDown", blank, cell(2, 8), "PageDown", cell(19, 8));
        row("arrows", blank, cell(7, 7), "Left Up Up Right Right Right Down", cell(6, 9));
        row("Left at a row start", blank, cell(8, 0), "Left", cell(7, 39));
        row("Backspace at the first cell", blank, cell(0, 0), "Backspace", cell(19, 39));
        row("Right at the last cell", blank, cell(19, 39), "Right", cell(0, 0));
        row("Right past a field", fieldForm, cell(2, 9), "Right", cell(2, 17));
        row("typing past a field", fieldForm, cell(2, 9), "x", cell(2, 17), "x");
        row("Left over a field", fieldForm, cell(2, 17), "Left", cell(2, 9));
        row("Home onto a field", fieldForm, cell(3, 20), "Home", cell(3, 6));
        row("End onto a field", fieldForm, cell(4, 3), "End", cell(4, 33));
        row("Right past a field ending its row", fieldForm, cell(4, 33), "Right", cell(5, 0));
        row("Up over a field", fieldForm, cell(6, 14), "Up", cell(4, 14));
        row("Down over a field", fieldForm, cell(4, 14), "Down", cell(6, 14));
        row("PageDown onto a field", fieldForm, cell(1, 9), "PageDown", cell(19, 11));
        row("Shift, Caps Lock on a field", fieldForm, cell(2, 12), "Shift CapsLock", cell(2, 12));
        row("Backspace after a field", fieldForm, cell(2, 17), "Backspace", cell(2, 10), nuls(7));
        row("Backspace at a row start after a field", fieldForm, cell(5, 0), "Backspace",
            cell(4, 34), nuls(6));
        row("Delete in a field", fieldForm, cell(2, 13), "Delete", cell(2, 10), nuls(7));
        // No text cell to go to: the cursor stays instead of searching forever.
        const QByteArray full = ('[' + QByteArray(38, 'c') + ']').repeated(ScreenText::Rows);
        row("a screen of fields", full, 0, "Right Left Down Up Return End PageDown", 0);
        row("Delete in a whole-row field", full, cell(7, 20), "Delete", cell(7, 0), nuls(40));
        const QByteArray oneTextRow = QByteArray(full).replace(cell(7, 0), 40, z.left(40));
        row("Down on the only text row", oneTextRow, cell(7, 20), "Down End", cell(7, 39));
    }

    void keys()
    {
        QFETCH(QByteArray, form);
        QFETCH(int, start);
        QFETCH(QString, keys);
        QFETCH(int, end);
        QFETCH(QByteArray, bytes);

        auto editor = shownEditor(form);
        editor->setCurrentCell(start / Columns, start % Columns);
        QSignalSpy removed(editor.get(), &TabledEditor::optionRemoved);
        press(editor.get(), keys);
        QCOMPARE(cursorAt(*editor), end);
        const int at = qMin(start, end);
        QList<QList<QVariant>> removal;
        if (bytes.size() > 1 && bytes.count('\0') == bytes.size())
            removal << QList<QVariant>{at / Columns, at % Columns, bytes.size()};
        QCOMPARE(removed, removal);
        QCOMPARE(editor->fieldOptions().size(), form.count('[') - removed.size());
        QVERIFY(editor->findChildren<QLineEdit*>().isEmpty());
        QByteArray expected = form.isEmpty() ? QByteArray(ScreenText::Size, '\0') : form;
        QCOMPARE(readAll(*editor), expected.replace(at, bytes.size(), bytes));
    }

    void composedKeyLosesItsAccent()
    {
        auto editor = shownEditor();
        QTest::sendKeyEvent(QTest::Click, editor.get(), Qt::Key_E, QStringLiteral("é"),
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, editor.get(), Qt::Key_A, QStringLiteral("Ã"),
                            Qt::ShiftModifier);
        QCOMPARE(cursorAt(*editor), 2);
        QCOMPARE(readAll(*editor).left(3), QByteArray("eA\0", 3));
    }

    void insertField_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("length"); // typed in the length dialog: 0 cancels it, -1 none opens
        QTest::addColumn<QByteArray>("marker");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("end");

        const QString endOfRow = QStringLiteral("O tamanho do campo ultrapassa o fim da linha...");
        const QString overlap = QStringLiteral("Este campo não pode ser inserido nesta posição...");
        const auto row = [](const char* tag, const QString& command, int at, int length,
                            const QByteArray& marker, const QString& refusal, int end) {
            QTest::newRow(tag) << command << at << length << marker << refusal << end;
        };
        const QString numeric = QStringLiteral("Numérico");
        row("Data/Hora to the row end", "Data/Hora", cell(0, 23), -1, "[dd/mm/aa][hh:mm]", "",
            cell(1, 0));
        row("in the last cells", "Checagem", cell(19, 37), -1, "[e]", "", cell(0, 0));
        row("shortest", numeric, cell(8, 0), 3, "[n]", "", cell(8, 3));
        row("whole row", "Texto", cell(8, 0), 40, "[" + QByteArray(38, 'c') + "]", "", cell(9, 0));
        row("length dialog cancelled", "Texto", cell(6, 2), 0, "", "", cell(6, 2));
        // Row 2 holds "[LLLLL]" in columns 10 to 16.
        row("10 cells at column 31", "Texto", cell(2, 31), 10, "", endOfRow, cell(2, 31));
        row("10 cells at column 30", "Texto", cell(2, 30), 10, "[cccccccc]", "", cell(3, 0));
        row("end of row before overlap", "Login", cell(2, 38), -1, "", endOfRow, cell(2, 38));
        row("overlapping the start", "Login", cell(2, 4), -1, "", overlap, cell(2, 4));
        row("touching the start", "Login", cell(2, 3), -1, "[LLLLL]", "", cell(2, 17));
        row("touching the end", "Login", cell(2, 17), -1, "[LLLLL]", "", cell(2, 24));
        row("on the closing bracket", "Checagem", cell(2, 16), -1, "", overlap, cell(2, 16));
    }

    void insertField()
    {
        QFETCH(QString, command);
        QFETCH(int, at);
        QFETCH(int, length);
        QFETCH(QByteArray, marker);
        QFETCH(QString, refusal);

        auto editor = shownEditor(screen({{2, 10, "[LLLLL]"}}));
        QByteArray expected = readAll(*editor);
        editor->setCurrentCell(at / Columns, at % Columns);
        QSignalSpy inserted(editor.get(), &TabledEditor::optionInserted);
        QStringList lengthDialog;
        SeenBox refused;
        if (length >= 0)
            answerLengthDialog(length, &lengthDialog, !refusal.isEmpty(), &refused);
        else if (!refusal.isEmpty())
            answerBox(QString(), &refused);
        menuAction(*editor, command)->trigger();

        if (length >= 0) {
            const QString offered = command == QLatin1String("Texto") ? "12" : "10";
            QCOMPARE(lengthDialog, (QStringList{"Tamanho do campo",
                                                "Digite o tamanho do campo incluindo '[' e ']':",
                                                offered, "3", "40", "1"}));
        }
        QCOMPARE(refused.text, refusal);
        QCOMPARE(refused.title, refusal.isEmpty() ? QString() : QStringLiteral("Inserir comando"));
        QTEST(cursorAt(*editor), "end");
        const QList<int> field{at / Columns, at % Columns, marker.size()};
        QCOMPARE(triples(*editor).mid(3), marker.isEmpty() ? QList<int>() : field);
        QCOMPARE(cellKinds(*editor), kindsOf(triples(*editor)));
        QCOMPARE(inserted.size(), marker.isEmpty() ? 0 : 1);
        if (!marker.isEmpty())
            QCOMPARE(inserted.first(), (QList<QVariant>{field[0], field[1], field[2]}));
        QCOMPARE(readAll(*editor), expected.replace(at, marker.size(), marker));
    }

    void obligatoryAndOptional()
    {
        const QByteArray form = screen({{1, 5, "[dd/mm/aa]"}, {4, 0, "[LLLLL]"}, {1, 20, "texto"}});
        auto editor = shownEditor(form);
        QAction* obligatory = menuAction(*editor, QStringLiteral("Obrigatório"));
        QAction* optional = menuAction(*editor, QStringLiteral("Opcional"));
        // On a field's first cell, then (by the right button) its last one.
        editor->setCurrentCell(1, 5);
        obligatory->trigger();
        // The right button opens the menu where it was pressed, on the cell
        // pressed ("[" opens it at the cursor: the form dialog's tests try that).
        const QPoint inField = editor->visualItemRect(editor->item(4, 6)).center();
        QTest::mouseClick(editor->viewport(), Qt::RightButton, Qt::NoModifier, inField);
        QVERIFY(editor->contextMenu()->isVisible());
        QCOMPARE(editor->contextMenu()->pos(), editor->viewport()->mapToGlobal(inField));
        editor->contextMenu()->hide();
        optional->trigger();
        const QByteArray changed =
            screen({{1, 5, "[DD/MM/AA]"}, {4, 0, "[lllll]"}, {1, 20, "texto"}});
        QCOMPARE(readAll(*editor), changed);

        // Outside a field nothing changes, not even text on a field's row.
        for (const int at : {cell(1, 4), cell(1, 15), cell(1, 22), cell(4, 7)}) {
            editor->setCurrentCell(at / Columns, at % Columns);
            obligatory->trigger();
            optional->trigger();
        }
        QCOMPARE(readAll(*editor), changed);
    }

    // Refused characters show red, fields in red letters, and the cursor's row
    // and column are highlighted.
    void colours()
    {
        auto editor = shownEditor(screen({{5, 2, "#"}, {9, 7, "[a#b]"}}));
        const int refusedText = cell(5, 2);
        const int refusedInField = cell(9, 9);
        QCOMPARE(backgrounds(*editor), cross(0, 0, {refusedText, refusedInField}));
        for (int col = 7; col < 12; ++col)
            QCOMPARE(editor->item(9, col)->foreground(), QBrush(col == 9 ? Qt::white : Qt::red));
        QSignalSpy info(editor.get(), &TabledEditor::showInfo);
        editor->setCurrentCell(5, 7);
        QCOMPARE(info.takeFirst(), (QList<QVariant>{5, 7}));
        press(editor.get(), "Down");
        QCOMPARE(backgrounds(*editor), cross(6, 7, {refusedText, refusedInField}));
        QVERIFY(editor->selectedItems().isEmpty());

        // Typed over, a refused character loses its red; typed text is black.
        editor->setCurrentCell(5, 2);
        press(editor.get(), "k");
        QCOMPARE(editor->item(5, 2)->foreground(), QBrush(Qt::black));
        QCOMPARE(backgrounds(*editor), cross(5, 3, {refusedInField}));

        // Reading out walks the cursor over every cell it reads.
        info.clear();
        QByteArray part(60, 'x');
        editor->readForm(part.data(), 45);
        QCOMPARE(part, QByteArray(45, ' ') + QByteArray(15, 'x'));
        QCOMPARE(info.size(), 45);
        QCOMPARE(info.first(), (QList<QVariant>{0, 0}));
        QCOMPARE(info.last(), (QList<QVariant>{1, 4}));
        QCOMPARE(backgrounds(*editor), cross(1, 4, {refusedInField}));
        readAll(*editor);
        QCOMPARE(info.size(), 45 + 800);
        QCOMPARE(backgrounds(*editor), cross(19, 39, {refusedInField}));
    }

    // Sorted by their bytes; a name given twice keeps its first tag; a name in
    // Latin-1 is found by its bytes, not by its label.
    void menu()
    {
        TabledEditor editor;
        editor.addCommand("Texto", "[c]", "", 0, 12);
        editor.addCommand("Login", "[LLLLL]", "", 1, 7);
        editor.addCommand(QStringLiteral("Seleção").toLatin1(), "[r]", "", 1, 6);
        editor.addCommand("Login", "[XX]", "", 1, 4);
        editor.addCommand("Data", "[dd/mm/aa]", "", 1, 6);
        editor.createMenu();
        editor.createMenu();
        QStringList texts;
        const QList<QAction*> actions = editor.contextMenu()->actions();
        for (const QAction* action : actions)
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        // The Latin-1 name's label is whatever decoding makes of its bytes.
        QCOMPARE(texts, (QStringList{"Data", "Login", texts.value(2), "Texto", "-", "Obrigatório",
                                     "Opcional"}));
        editor.setCurrentCell(1, 1);
        menuAction(editor, "Login")->trigger();
        editor.setCurrentCell(2, 2);
        actions.at(2)->trigger();
        editor.insertOption(); // not from an action: nothing to insert
        QCOMPARE(triples(editor), (QList<int>{1, 1, 7, 2, 2, 3}));

        TabledEditor empty;
        empty.createMenu();
        QVERIFY(empty.contextMenu()->isEmpty());
        press(&empty, "BracketLeft");
        QVERIFY(!empty.contextMenu()->isVisible());
    }

    void loadAndRead_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("fields");

        const auto row = [](const char* tag, const QByteArray& text, int length,
                            const QList<int>& fields) {
            QTest::newRow(tag) << text << length << fields;
        };
        row("unclosed marker ends with its row", screen({{2, 36, "[abc"}, {3, 0, "def]"}}), 800,
            {2, 36, 4});
        row("unclosed marker followed by another", screen({{5, 2, "[ab [cd]"}}), 800, {5, 2, 8});
        row("open in the last cell", screen({{19, 39, "["}}), 800, {19, 39, 1});
        row("closing alone", screen({{4, 4, "]]"}}), 800, {});
        row("length cuts a marker", screen({{1, 2, "[LLLLL]"}}), 45, {1, 2, 3});
        row("length 1", "[", 1, {0, 0, 1});
        row("zero length", screen({{0, 0, "[LLLLL]"}}), 0, {});
        row("negative length", screen({{0, 0, "[LLLLL]"}}), -1, {});
        row("length above 800", screen({{19, 33, "[hh:mm]"}}), 4096, {19, 33, 7});
    }

    // The bytes come back as loaded (the rest NUL) and the fields as found;
    // every byte value comes back from arbitraryForms.
    void loadAndRead()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, length);
        QFETCH(QList<int>, fields);

        const int used = qBound(0, length, 800);
        const std::vector<char> bytes(text.cbegin(), text.cbegin() + used);
        auto editor = shownEditor(screen({{0, 0, "[e] #"}}));
        editor->loadForm(bytes.data(), length);
        QCOMPARE(triples(*editor), fields);
        QCOMPARE(cellKinds(*editor), kindsOf(fields));
        // The old form's refused "#" took its red along.
        QVERIFY(backgrounds(*editor).at(4) != 'r');
        QCOMPARE(readAll(*editor), text.left(used) + QByteArray(800 - used, '\0'));
    }

    // Arbitrary bytes, heavy in brackets: the read-out gives them back, the
    // fields lie within their rows without overlapping, and keys find their way.
    void arbitraryForms()
    {
        auto editor = shownEditor();
        QRandomGenerator random(20240607);
        const QByteArray alphabet("[[[]]]  aZ9#\x00\xe9", 14);
        for (int round = 0; round < 50; ++round) {
            std::vector<char> text(800);
            for (char& byte : text)
                byte = random.bounded(4) == 0 ? char(random.bounded(256))
                                              : alphabet.at(random.bounded(alphabet.size()));
            editor->loadForm(text.data(), int(text.size()));
            QCOMPARE(readAll(*editor), QByteArray(text.data(), int(text.size())));

            const QList<int> fields = triples(*editor);
            int cells = 0;
            for (int i = 0; i < fields.size(); i += 3) {
                QVERIFY(fields[i + 2] >= 1 && fields[i + 1] + fields[i + 2] <= 40);
                QCOMPARE(text[cell(fields[i], fields[i + 1])], '[');
                cells += fields[i + 2];
            }
            QCOMPARE(cellKinds(*editor), kindsOf(fields));
            QCOMPARE(cellKinds(*editor).count('f'), cells); // no two overlap
            press(editor.get(), "Right Down Backspace Home PageDown Return Delete End Up a Left");
            QVERIFY(editor->currentRow() >= 0 && editor->currentColumn() >= 0);
        }
    }

    // One record per field, in the order found: 0, 0, row, column, length in 16
    // bits, low byte first; nothing at all when they don't fit (one byte short,
    // or a negative size).
    void writeFieldTable()
    {
        auto editor = shownEditor(
            screen({{3, 0, "[" + QByteArray(38, 'c') + "]"}, {0, 9, "[e]"}, {19, 20, "[LLLLL]"}}));
        const QByteArray table("\0\0\x00\x09\x03\x00"
                               "\0\0\x03\x00\x28\x00"
                               "\0\0\x13\x14\x07\x00",
                               18);
        for (const int size : {18, 17, -6}) {
            std::vector<char> buffer(std::max(size, 0) + 1, '\x55');
            const bool written = size == 18;
            QCOMPARE(editor->writeFieldTable(buffer.data(), size), written);
            QByteArray expected(int(buffer.size()), '\x55');
            if (written)
                expected.replace(0, 18, table);
            QCOMPARE(QByteArray(buffer.data(), int(buffer.size())), expected);
        }
        char none = 0;
        QVERIFY(TabledEditor().writeFieldTable(&none, 0));
    }

    void loadingLogsMarkers()
    {
        DebugLogger* logger = DebugLogger::instance();
        logger->configure(env->path(), env->filePath(QStringLiteral("debug.log")));
        QVERIFY(logger->startSession());
        QStringList lines;
        logger->setLineSink([&lines](const QString& line) { lines << line.section(" - ", 1); });
        TabledEditor editor;
        const QByteArray form = screen({{2, 10, "[LLLLL]"}, {7, 36, "[abc"}});
        editor.loadForm(form.constData(), form.size());
        logger->setLineSink(nullptr);
        QCOMPARE(lines, (QStringList{"TabledEditor - Constructor", "TabledEditor - iRow:2 iCol:10",
                                     "TabledEditor - { [LLLLL] }", "TabledEditor - iRow:7 iCol:36",
                                     "TabledEditor - { [abc }"}));
    }
};

QTEST_MAIN(TestTabledEditor)
#include "tst_tablededitor.moc"
