#include "editorfixture.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QInputDialog>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <vector>

using namespace ZorTest;

// The fields of a form: insertion from the menu, the obligatory and optional
// cases, loading, the read-out and the field table.
class TestFormFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void insert_data();
    void insert();
    void commandLookup();
    void refusals_data();
    void refusals();
    void obligatoryAndOptional();
    void markerColours();
    void roundTrip_data();
    void roundTrip();
    void loadReplacesContent();
    void readFormWalksCursor();
    void writeFieldTable_data();
    void writeFieldTable();
    void exportedFormIsChecked();
    void arbitraryForms();

private:
    std::unique_ptr<TestEnvironment> env;
};

namespace {

using Triples = QList<int>; // row, col, len of each field

Triples optionTriples(const TabledEditor& editor)
{
    Triples triples;
    for (const TabledEditor::Option& option : editor.fieldOptions())
        triples << option.row << option.col << option.len;
    return triples;
}

QByteArray fieldRecords(const Triples& triples)
{
    QByteArray records;
    for (int i = 0; i + 2 < triples.size(); i += 3) {
        records += '\0';
        records += '\0';
        records += char(triples.at(i));
        records += char(triples.at(i + 1));
        records += char(triples.at(i + 2) & 0xff);
        records += char(triples.at(i + 2) >> 8);
    }
    return records;
}

// Answers the length dialog with value (or cancels it when value is 0) and
// records what it showed.
struct LengthDialogSeen
{
    QString title;
    QString label;
    int initial = -1;
    int minimum = -1;
    int maximum = -1;
    int step = -1;
};

void answerLengthDialog(int value, LengthDialogSeen* seen, bool refusalExpected = false,
                        ZorTest::SeenBox* refusal = nullptr)
{
    answerNextModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        if (!dialog) {
            qWarning("the length dialog did not open");
            return;
        }
        if (seen) {
            seen->title = dialog->windowTitle();
            seen->label = dialog->labelText();
            seen->initial = dialog->intValue();
            seen->minimum = dialog->intMinimum();
            seen->maximum = dialog->intMaximum();
            seen->step = dialog->intStep();
        }
        if (refusalExpected)
            ZorTest::answerBox(QString(), refusal);
        if (value == 0) {
            dialog->reject();
        } else {
            dialog->setIntValue(value);
            dialog->accept();
        }
    });
}

} // namespace

void TestFormFields::initTestCase()
{
    env = std::make_unique<TestEnvironment>();
}

void TestFormFields::cleanup()
{
    closeAllModals();
}

void TestFormFields::insert_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("length");  // given in the dialog: 0 cancels it, -1 for a fixed command
    QTest::addColumn<int>("initial"); // the dialog's first value
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("endRow"); // -1: not checked
    QTest::addColumn<int>("endCol");

    QTest::newRow("Login") << "Login" << 3 << 5 << -1 << 0 << "[LLLLL]" << 3 << 12;
    QTest::newRow("Seleção at a row start")
        << QStringLiteral("Seleção") << 6 << 0 << -1 << 0 << "[r]" << 6 << 3;
    QTest::newRow("Data/Hora up to the row end")
        << "Data/Hora" << 0 << 23 << -1 << 0 << "[dd/mm/aa][hh:mm]" << 1 << 0;
    QTest::newRow("Checagem in the last cells")
        << "Checagem" << 19 << 37 << -1 << 0 << "[e]" << 0 << 0;
    QTest::newRow("Texto") << "Texto" << 8 << 4 << 10 << 12 << "[cccccccc]" << -1 << -1;
    QTest::newRow("shortest") << QStringLiteral("Numérico") << 8 << 0 << 3 << 10 << "[n]" << -1
                              << -1;
    QTest::newRow("whole row") << "Decimal" << 8 << 0 << 40 << 10 << "[" + QString(38, 'f') + "]"
                               << -1 << -1;
    QTest::newRow("dialog cancelled") << "Texto" << 2 << 2 << 0 << 12 << QString() << -1 << -1;
}

void TestFormFields::insert()
{
    QFETCH(QString, command);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, length);
    QFETCH(int, initial);
    QFETCH(QString, marker);
    QFETCH(int, endRow);
    QFETCH(int, endCol);

    auto editor = shownEditor();
    QSignalSpy inserted(editor.get(), &TabledEditor::optionInserted);
    editor->setCurrentCell(row, col);
    LengthDialogSeen seen;
    if (length >= 0)
        answerLengthDialog(length, &seen);
    QAction* action = menuAction(*editor, command);
    QVERIFY(action);
    action->trigger();

    if (length >= 0) {
        QCOMPARE(seen.title, QStringLiteral("Tamanho do campo"));
        QCOMPARE(seen.label, QStringLiteral("Digite o tamanho do campo incluindo '[' e ']':"));
        QCOMPARE(seen.initial, initial);
        QCOMPARE(seen.minimum, 3);
        QCOMPARE(seen.maximum, 40);
        QCOMPARE(seen.step, 1);
    }
    if (marker.isEmpty()) {
        QVERIFY(inserted.isEmpty());
        QVERIFY(editor->fieldOptions().isEmpty());
        QCOMPARE(readAll(*editor), QByteArray(800, '\0'));
        return;
    }
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted.first(), (QList<QVariant>{row, col, marker.size()}));
    QCOMPARE(optionTriples(*editor), (Triples{row, col, marker.size()}));
    QCOMPARE(cellTexts(*editor, row, col, marker.size()).join(QString()), marker);
    if (endRow < 0)
        return;
    for (int i = 0; i < marker.size(); ++i) {
        QVERIFY(isFieldCell(*editor, row, col + i));
        QCOMPARE(editor->item(row, col + i)->foreground(), QBrush(Qt::red));
    }
    QCOMPARE(editor->currentRow(), endRow);
    QCOMPARE(editor->currentColumn(), endCol);
    QCOMPARE(ScreenText::checkFields(readAll(*editor).constData(), 800), 0);
}

void TestFormFields::commandLookup()
{
    auto editor = shownEditor(nullptr, false);
    const QByteArray latin1Name = QStringLiteral("Seleção").toLatin1();
    editor->addCommand(latin1Name, "[r]", "", 1, 6);
    editor->addCommand("Login", "[LLLLL]", "", 1, 7);
    editor->createMenu();
    QAction* selection = editor->contextMenu()->actions().at(1);
    QVERIFY(selection->text() != QStringLiteral("Login"));
    selection->trigger();
    QCOMPARE(optionTriples(*editor), (Triples{0, 0, 3}));

    // An action of the host triggers the command its text names.
    QAction hostAction(QStringLiteral("Login"));
    connect(&hostAction, &QAction::triggered, editor.get(), &TabledEditor::insertOption);
    editor->setCurrentCell(1, 1);
    hostAction.trigger();
    QCOMPARE(optionTriples(*editor), (Triples{0, 0, 3, 1, 1, 7}));
    QAction unknown(QStringLiteral("Desconhecido"));
    connect(&unknown, &QAction::triggered, editor.get(), &TabledEditor::insertOption);
    unknown.trigger();
    editor->insertOption();
    QCOMPARE(editor->fieldOptions().size(), 2);
}

void TestFormFields::refusals_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("length");      // asked in the dialog; 0 for a fixed command
    QTest::addColumn<QString>("refusal"); // empty when the field fits

    const QString endOfRow = QStringLiteral("O tamanho do campo ultrapassa o fim da linha...");
    const QString overlap = QStringLiteral("Este campo não pode ser inserido nesta posição...");
    // Row 2 already holds "[LLLLL]" in columns 10 to 16.
    QTest::newRow("17 cells at column 24") << "Data/Hora" << 24 << 0 << endOfRow;
    QTest::newRow("17 cells at column 23") << "Data/Hora" << 23 << 0 << QString();
    QTest::newRow("10 cells at column 31") << "Texto" << 31 << 10 << endOfRow;
    QTest::newRow("10 cells at column 30") << "Texto" << 30 << 10 << QString();
    QTest::newRow("end of row before overlap") << "Login" << 38 << 0 << endOfRow;
    QTest::newRow("overlapping the start") << "Login" << 4 << 0 << overlap;
    QTest::newRow("touching the start") << "Login" << 3 << 0 << QString();
    QTest::newRow("touching the end") << "Login" << 17 << 0 << QString();
    QTest::newRow("on the closing bracket") << "Checagem" << 16 << 0 << overlap;
    QTest::newRow("variable overlapping") << "Texto" << 8 << 3 << overlap;
    QTest::newRow("variable touching") << "Texto" << 7 << 3 << QString();
}

void TestFormFields::refusals()
{
    QFETCH(QString, command);
    QFETCH(int, col);
    QFETCH(int, length);
    QFETCH(QString, refusal);

    auto editor = shownEditor();
    const QByteArray form = screen({{2, 10, "[LLLLL]"}});
    editor->loadForm(form.constData(), form.size());
    editor->setCurrentCell(2, col);
    QSignalSpy inserted(editor.get(), &TabledEditor::optionInserted);

    ZorTest::SeenBox seen;
    if (length > 0)
        answerLengthDialog(length, nullptr, !refusal.isEmpty(), &seen);
    else if (!refusal.isEmpty())
        ZorTest::answerBox(QString(), &seen);
    menuAction(*editor, command)->trigger();

    if (refusal.isEmpty()) {
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(editor->fieldOptions().size(), 2);
        QCOMPARE(ScreenText::checkFields(readAll(*editor).constData(), 800), 0);
        return;
    }
    QCOMPARE(seen.text, refusal);
    QCOMPARE(seen.title, QStringLiteral("Inserir comando"));
    QVERIFY(inserted.isEmpty());
    QCOMPARE(editor->fieldOptions().size(), 1);
    QCOMPARE(editor->currentRow(), 2);
    QCOMPARE(editor->currentColumn(), col);
    QByteArray expected = form;
    expected.replace(' ', '\0');
    QCOMPARE(readAll(*editor).replace(' ', '\0'), expected);
}

void TestFormFields::obligatoryAndOptional()
{
    auto editor = shownEditor();
    const QByteArray form = screen({{1, 5, "[dd/mm/aa]"}, {4, 0, "[LLLLL]"}, {1, 20, "texto"}});
    editor->loadForm(form.constData(), form.size());
    QAction* obligatory = menuAction(*editor, QStringLiteral("Obrigatório"));
    QAction* optional = menuAction(*editor, QStringLiteral("Opcional"));
    QVERIFY(obligatory && optional);

    editor->setCurrentCell(1, 8);
    obligatory->trigger();
    QCOMPARE(cellTexts(*editor, 1, 5, 10).join(QString()), QStringLiteral("[DD/MM/AA]"));
    QCOMPARE(cellTexts(*editor, 4, 0, 7).join(QString()), QStringLiteral("[LLLLL]"));
    for (int col = 5; col < 15; ++col) {
        QVERIFY(isFieldCell(*editor, 1, col));
        QCOMPARE(editor->item(1, col)->foreground(), QBrush(Qt::red));
    }

    editor->setCurrentCell(4, 6);
    optional->trigger();
    QCOMPARE(cellTexts(*editor, 4, 0, 7).join(QString()), QStringLiteral("[lllll]"));
    editor->setCurrentCell(1, 5);
    editor->makeOptionNotObrigatory();
    QCOMPARE(cellTexts(*editor, 1, 5, 10).join(QString()), QStringLiteral("[dd/mm/aa]"));

    // Outside any field nothing changes, not even plain text on a field's row.
    const QByteArray before = readAll(*editor);
    for (const QPoint& cell : {QPoint(4, 1), QPoint(15, 1), QPoint(22, 1), QPoint(7, 4)}) {
        editor->setCurrentCell(cell.y(), cell.x());
        obligatory->trigger();
        optional->trigger();
    }
    QCOMPARE(readAll(*editor), before);
    QCOMPARE(editor->fieldOptions().size(), 2);
}

void TestFormFields::markerColours()
{
    auto editor = shownEditor();
    const QByteArray form = screen({{3, 3, "[a#b]"}, {6, 6, "#\xe9"}});
    editor->loadForm(form.constData(), form.size());
    editor->setCurrentCell(12, 30);

    const QBrush red(Qt::red);
    for (int col : {3, 4, 6, 7}) {
        QTableWidgetItem* cell = editor->item(3, col);
        QCOMPARE(cell->foreground(), red);
        QCOMPARE(cell->background().style(), Qt::NoBrush);
        QVERIFY(isFieldCell(*editor, 3, col));
    }
    QCOMPARE(editor->item(3, 5)->foreground(), QBrush(Qt::white));
    QCOMPARE(editor->item(3, 5)->background(), red);
    QCOMPARE(editor->item(6, 6)->background(), red);
    QCOMPARE(editor->item(6, 7)->background(), red);
    QVERIFY(isTextCell(*editor, 6, 6));
    QCOMPARE(editor->item(6, 8)->background().style(), Qt::NoBrush);

    // Typing over a refused character takes the red away.
    editor->setCurrentCell(6, 6);
    QTest::keyClick(editor.get(), Qt::Key_K);
    QCOMPARE(editor->item(6, 6)->text(), QStringLiteral("k"));
    QCOMPARE(editor->item(6, 6)->background(), highlightBrush());
    QCOMPARE(editor->item(6, 7)->background(), red);
}

void TestFormFields::roundTrip_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<Triples>("fields");

    QTest::newRow("blank") << QByteArray(800, ' ') << 800 << Triples{};
    QTest::newRow("exported empty grid") << QByteArray(800, '\0') << 800 << Triples{};
    QTest::newRow("text and fields")
        << screen({{0, 0, "NOME: [LLLLL]  SENHA: [sssss]"},
                   {2, 0, "DATA [dd/mm/aa][hh:mm]"},
                   {19, 30, "[nnnnnnnn]"}})
        << 800 << Triples{0, 6, 7, 0, 22, 7, 2, 5, 10, 2, 15, 7, 19, 30, 10};
    QByteArray allBytes(800, ' ');
    for (int i = 0; i < 256; ++i)
        allBytes[i * 3] = char(i);
    allBytes.replace('[', '(').replace(']', ')');
    QTest::newRow("every byte value") << allBytes << 800 << Triples{};
    QTest::newRow("NUL bytes after the text")
        << QByteArray("ABC [e] DEF") + QByteArray(789, '\0') << 800 << Triples{0, 4, 3};
    QTest::newRow("unclosed marker ends with its row")
        << screen({{2, 36, "[abc"}, {3, 0, "def]"}}) << 800 << Triples{2, 36, 4};
    QTest::newRow("unclosed marker followed by another")
        << screen({{5, 2, "[ab [cd]"}}) << 800 << Triples{5, 2, 8};
    QTest::newRow("open in the last cell") << screen({{19, 39, "["}}) << 800 << Triples{19, 39, 1};
    QTest::newRow("closing alone") << screen({{4, 4, "]]"}}) << 800 << Triples{};
    QTest::newRow("refused bytes in a marker")
        << screen({{7, 0, "[a\x01\xff#]"}}) << 800 << Triples{7, 0, 6};
    QTest::newRow("length cuts a marker") << screen({{1, 2, "[LLLLL]"}}) << 45 << Triples{1, 2, 3};
    QTest::newRow("length 1") << QByteArray("[") << 1 << Triples{0, 0, 1};
    QTest::newRow("zero length") << screen({{0, 0, "[LLLLL]"}}) << 0 << Triples{};
    QTest::newRow("negative length") << screen({{0, 0, "[LLLLL]"}}) << -1 << Triples{};
    QTest::newRow("length above 800")
        << screen({{19, 33, "[hh:mm]"}}) << 4096 << Triples{19, 33, 7};
}

void TestFormFields::roundTrip()
{
    QFETCH(QByteArray, text);
    QFETCH(int, length);
    QFETCH(Triples, fields);

    const int used = qBound(0, length, 800);
    const std::vector<char> bytes(text.cbegin(), text.cbegin() + used);
    auto editor = shownEditor();
    editor->loadForm(bytes.data(), length);
    QCOMPARE(optionTriples(*editor), fields);
    QCOMPARE(readAll(*editor), text.left(used) + QByteArray(800 - used, '\0'));

    std::vector<char> table(800, '\x55');
    QVERIFY(editor->writeFieldTable(table.data(), int(table.size())));
    const QByteArray records = fieldRecords(fields);
    QCOMPARE(QByteArray(table.data(), records.size()), records);
    QCOMPARE(table[records.size()], '\x55');
}

void TestFormFields::loadReplacesContent()
{
    auto editor = shownEditor();
    const QByteArray first = screen({{0, 0, "[LLLLL] ABC #"}, {9, 9, "[e]"}});
    editor->loadForm(first.constData(), first.size());
    QCOMPARE(editor->fieldOptions().size(), 2);
    const QByteArray second = screen({{9, 0, "XYZ"}});
    editor->loadForm(second.constData(), 20);
    QVERIFY(editor->fieldOptions().isEmpty());
    QCOMPARE(readAll(*editor), second.left(20) + QByteArray(780, '\0'));
    for (int col = 0; col < 40; ++col) {
        QVERIFY(isTextCell(*editor, 0, col));
        QVERIFY(isTextCell(*editor, 9, col));
    }
    QCOMPARE(editor->item(0, 12)->background().style(), Qt::NoBrush);
}

void TestFormFields::readFormWalksCursor()
{
    auto editor = shownEditor();
    const QByteArray form = screen({{10, 10, "#"}});
    editor->loadForm(form.constData(), form.size());
    editor->setCurrentCell(5, 5);
    QSignalSpy info(editor.get(), &TabledEditor::showInfo);

    QByteArray part(60, 'x');
    editor->readForm(part.data(), 45);
    QCOMPARE(part, form.left(45) + QByteArray(15, 'x'));
    QCOMPARE(info.size(), 45);
    QCOMPARE(info.first(), (QList<QVariant>{0, 0}));
    QCOMPARE(info.last(), (QList<QVariant>{1, 4}));
    QCOMPARE(editor->currentRow(), 1);
    QCOMPARE(editor->currentColumn(), 4);

    info.clear();
    readAll(*editor);
    QCOMPARE(info.size(), 800);
    QCOMPARE(info.last(), (QList<QVariant>{19, 39}));
    // The colours are those the cursor leaves behind at its last cell.
    for (int row = 0; row < 20; ++row) {
        for (int col = 0; col < 40; ++col) {
            const QBrush brush = editor->item(row, col)->background();
            if (row == 10 && col == 10)
                QCOMPARE(brush, QBrush(Qt::red));
            else if (row == 19 || col == 39)
                QCOMPARE(brush, highlightBrush());
            else
                QCOMPARE(brush.style(), Qt::NoBrush);
        }
    }
    // Moving on from there behaves as after any other move.
    QTest::keyClick(editor.get(), Qt::Key_Right);
    QCOMPARE(editor->currentRow(), 0);
    QCOMPARE(editor->item(19, 5)->background().style(), Qt::NoBrush);
    QCOMPARE(editor->item(0, 5)->background(), highlightBrush());
}

void TestFormFields::writeFieldTable_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("written");

    QTest::newRow("room for more") << 800 << true;
    QTest::newRow("exact fit") << 18 << true;
    QTest::newRow("one byte short") << 17 << false;
    QTest::newRow("room for one record") << 6 << false;
    QTest::newRow("no room") << 0 << false;
    QTest::newRow("negative size") << -6 << false;
}

void TestFormFields::writeFieldTable()
{
    QFETCH(int, size);
    QFETCH(bool, written);

    auto editor = shownEditor();
    const QByteArray form =
        screen({{3, 0, "[" + QByteArray(38, 'c') + "]"}, {0, 9, "[e]"}, {19, 20, "[LLLLL]"}});
    editor->loadForm(form.constData(), form.size());

    const int bufferSize = std::max(size, 0);
    std::vector<char> buffer(bufferSize + 1, '\x55');
    QCOMPARE(editor->writeFieldTable(buffer.data(), size), written);
    const QByteArray expected("\0\0\x00\x09\x03\x00"
                              "\0\0\x03\x00\x28\x00"
                              "\0\0\x13\x14\x07\x00",
                              18);
    if (written)
        QCOMPARE(QByteArray(buffer.data(), 18), expected);
    for (int i = written ? 18 : 0; i < int(buffer.size()); ++i)
        QCOMPARE(buffer[i], '\x55');

    TabledEditor empty(nullptr);
    QVERIFY(empty.writeFieldTable(buffer.data(), 0));
}

// Whatever the user does in the grid, the exported form passes the marker
// check unless a field was broken on purpose.
void TestFormFields::exportedFormIsChecked()
{
    auto editor = shownEditor();
    editor->setCurrentCell(4, 2);
    QTest::keyClicks(editor.get(), "NOME ");
    menuAction(*editor, QStringLiteral("Login"))->trigger();
    QTest::keyClicks(editor.get(), " OK");
    QTest::keyClick(editor.get(), Qt::Key_Return);
    answerLengthDialog(5, nullptr);
    menuAction(*editor, QStringLiteral("Texto"))->trigger();

    QByteArray exported(800, '\0');
    editor->readForm(exported.data(), exported.size());
    QCOMPARE(exported.mid(4 * 40, 20), QByteArray("\0\0NOME [LLLLL] OK", 17) + QByteArray(3, '\0'));
    QCOMPARE(exported.mid(5 * 40, 6), QByteArray("[ccc]\0", 6));
    QCOMPARE(TabledEditor::checkFields(exported.constData(), exported.size()), 0);

    // A click on a field's closing bracket and a letter typed over it: the
    // check names the row.
    editor->setCurrentCell(4, 13);
    QTest::keyClick(editor.get(), Qt::Key_X);
    editor->readForm(exported.data(), exported.size());
    QCOMPARE(exported.at(4 * 40 + 13), 'x');
    QCOMPARE(TabledEditor::checkFields(exported.constData(), exported.size()), 5);
}

// Arbitrary bytes, heavy in brackets: loading never loops or crashes, the
// read-out gives the bytes back, the fields lie within their rows, and the
// keys always find their way.
void TestFormFields::arbitraryForms()
{
    auto editor = shownEditor();
    QRandomGenerator random(20240607);
    const QByteArray alphabet("[[[]]]  aZ9#\x00\xe9", 14);
    const Qt::Key keys[] = {Qt::Key_Right,  Qt::Key_Left,      Qt::Key_Up,   Qt::Key_Down,
                            Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Home, Qt::Key_End,
                            Qt::Key_Delete, Qt::Key_PageDown,  Qt::Key_A,    Qt::Key_Shift};
    for (int round = 0; round < 50; ++round) {
        std::vector<char> text(800);
        for (char& byte : text)
            byte = random.bounded(4) == 0 ? char(random.bounded(256))
                                          : alphabet.at(random.bounded(alphabet.size()));
        editor->loadForm(text.data(), int(text.size()));
        QCOMPARE(readAll(*editor), QByteArray(text.data(), int(text.size())));

        std::vector<int> owner(800, -1);
        const QVector<TabledEditor::Option>& options = editor->fieldOptions();
        for (int i = 0; i < options.size(); ++i) {
            const TabledEditor::Option& option = options.at(i);
            QVERIFY(option.len >= 1 && option.col + option.len <= 40);
            QCOMPARE(text[option.row * 40 + option.col], '[');
            for (int col = option.col; col < option.col + option.len; ++col) {
                QCOMPARE(owner[option.row * 40 + col], -1);
                owner[option.row * 40 + col] = i;
            }
        }
        for (int cell = 0; cell < 800; ++cell)
            QCOMPARE(isFieldCell(*editor, cell / 40, cell % 40), owner[cell] >= 0);

        for (int press = 0; press < 12; ++press)
            QTest::keyClick(editor.get(), keys[random.bounded(12)]);
        QVERIFY(editor->currentRow() >= 0 && editor->currentColumn() >= 0);
    }
}

QTEST_MAIN(TestFormFields)
#include "tst_formfields.moc"
