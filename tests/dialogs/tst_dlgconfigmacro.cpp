#include "app/anchorsettings.h"
#include "app/referencedata.h"
#include "app/referencelists.h"
#include "app/zorobject.h"
#include "dialogs/dlgconfigmacro.h"
#include "formeditor/editorfixture.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/messagerecorder.h"
#include "support/modalanswer.h"
#include "support/testenvironment.h"

#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

using namespace ZorTest;

namespace {

template <class T> T* child(const QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}

QLineEdit* edit(const QWidget* dialog, const char* name)
{
    return child<QLineEdit>(dialog, name);
}

// Brings the tab holding the named widget to the front.
void showTab(QWidget* dialog, const char* name)
{
    auto* tabs = child<QTabWidget>(dialog, "tabWidget");
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(child<QWidget>(dialog, name)))
            tabs->setCurrentIndex(i);
    }
}

// The named tree, its tab brought to the front.
QTreeWidget* tree(QWidget* dialog, const char* name)
{
    showTab(dialog, name);
    return child<QTreeWidget>(dialog, name);
}

// The identifiers of the reference lists count their entries from 1.
QTreeWidgetItem* item(const QTreeWidget* tree, int id)
{
    return tree->topLevelItem(id - 1);
}

// The identifier of the first entry holding part; 0 when none does.
int idOf(const QStringList& list, const QString& part)
{
    return list.indexOf(QRegularExpression(".*" + QRegularExpression::escape(part) + ".*")) + 1;
}

int anchorId()
{
    return ZorObject::anchorSettings().anchorViolationId();
}

// The time (column 1) or radius (column 2) field of a violation.
QLineEdit* field(const QTreeWidget* tree, int id, int column)
{
    return qobject_cast<QLineEdit*>(tree->itemWidget(item(tree, id), column));
}

// The identifiers of the rows checked, or with enabled set of those enabled.
QList<int> rowIds(const QTreeWidget* tree, bool enabled = false)
{
    QList<int> ids;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = tree->topLevelItem(i);
        if (enabled ? !row->isDisabled() : row->checkState(0) == Qt::Checked)
            ids.append(i + 1);
    }
    return ids;
}

// Watches the violations with neither time nor reaction.
void watch(Macro* macro, const QList<quint8>& violations)
{
    macro->setViolation(violations);
    macro->setViolationTimers(QVector<quint16>(violations.size(), 0).toList());
    macro->setViolationReactions(QVector<quint8>(violations.size(), 0).toList());
}

// Clicks the check box of an item as the user does.
void clickCheckBox(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    QStyleOptionViewItem option;
    option.initFrom(tree);
    option.rect = tree->visualItemRect(item);
    option.rect.setWidth(tree->columnWidth(0));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, box.center());
}

// Presses key on the tree, at the item's column.
void pressOn(QTreeWidget* tree, QTreeWidgetItem* item, Qt::Key key, int column = 0)
{
    tree->setFocus();
    tree->setCurrentItem(item, column);
    QTest::keyClick(tree, key);
}

void click(const QWidget* dialog, const char* button)
{
    QTest::mouseClick(child<QAbstractButton>(dialog, button), Qt::LeftButton);
}

// Presses OK expecting no box at all; true when the dialog accepted.
bool pressOk(QDialog* dialog)
{
    UnexpectedBoxes unexpected;
    click(dialog, "btnInsert");
    return unexpected.texts.isEmpty() && dialog->result() == QDialog::Accepted;
}

// Macros that a drawn macro may name as its next ones: number, acronym.
const char* const Others[][2] = {{"996", "AB"}, {"997", "CD"}, {"998", "EF"}, {"999", "GH"}};

QString drawText(QRandomGenerator& random, const char* alphabet, int length)
{
    QString text;
    while (text.size() < length)
        text += QLatin1Char(alphabet[random.bounded(int(qstrlen(alphabet)))]);
    return text;
}

// A screen of text and well-formed field markers, with its field table.
QByteArray drawScreen(QRandomGenerator& random, QByteArray* table)
{
    QByteArray text;
    for (int row = 0; row < ScreenText::Rows; ++row) {
        QByteArray line =
            drawText(random, "  ABZabz0189,.;:?!_-/$%", ScreenText::Columns).toLatin1();
        int col = random.bounded(30);
        for (int marker = 0; marker < 2 && random.bounded(2) && col <= 37; ++marker) {
            const int len = 3 + random.bounded(qMin(10, 40 - col) - 2);
            line.replace(col, len,
                         '[' + QByteArray(len - 2, "LlSsdcnfer"[random.bounded(10)]) + ']');
            table->append(QByteArray(2, '\0') + char(row) + char(col) + char(len) + '\0');
            col += len + random.bounded(5);
        }
        text += line;
    }
    table->append(QByteArray(240 - table->size(), '\0'));
    return text;
}

// Reaction bits of a violation: the cabin's alert and alarm do not apply to
// a combination vehicle.
int allowedReactions(const ReferenceLists& lists, int id)
{
    const QString violation = lists.violations.at(id - 1);
    if (!violation.contains("Bitrem") && !violation.contains("Semi-trailer"))
        return 0xff;
    const int alert = idOf(lists.reactions, "(Alert)") - 1;
    return 0xff & ~(1 << alert) & ~(1 << (idOf(lists.reactions, "(Alarm)") - 1));
}

// Violations all over the list, with their times and reactions, and the
// anchor's radius when it is one of them.
void drawViolations(QRandomGenerator& random, const ReferenceLists& lists, Macro* macro)
{
    QList<quint8> violations;
    QList<quint8> reactions;
    QList<quint16> timers;
    for (int id = 1; id <= lists.violations.size() && violations.size() < 20; ++id) {
        if (random.bounded(3))
            continue;
        violations << id;
        reactions << (random.bounded(256) & allowedReactions(lists, id));
        const bool timed = lists.violationTimerFlags.value(id - 1) == QLatin1String("1");
        timers << (timed ? (random.bounded(4) ? random.bounded(241) : 240) : 0);
    }
    macro->setViolation(violations);
    macro->setViolationReactions(reactions);
    macro->setViolationTimers(timers);
    const AnchorSettings& anchor = ZorObject::anchorSettings();
    const int span = anchor.maxRadius - anchor.minRadius() + 1;
    macro->setRaio(violations.contains(anchorId()) ? anchor.minRadius() + random.bounded(span) : 0);
}

// Fills a macro with values that the dialog shows and stores back as they
// are: every field, any identifier of the lists, the limits.
void drawMacro(QRandomGenerator& random, const ReferenceLists& lists, Macro* macro)
{
    const auto below = [&random](int n) { return int(random.bounded(n)); };
    macro->setNum(QString::number(1 + below(995)));
    macro->setName("N" + drawText(random, "ABCXYZ0189 _-()/.", below(40)));
    macro->setSigla("X" + drawText(random, "AZ09", below(3)));
    macro->setType(below(10)); // from 7 on, the type of a damaged file
    macro->setSecurity(below(2));
    QByteArray table;
    macro->setForm(drawScreen(random, &table));
    macro->setFormFields(table);
    QByteArray unused;
    macro->setConfirmationText(drawScreen(random, &unused));
    const bool login = macro->form().contains("[L") || macro->form().contains("[l");
    const int loginBit = idOf(lists.validations, "Login") - 1;
    macro->setValidationInt(quint16(below(1 << lists.validations.size()) | login << loginBit));
    QList<quint8> automation;
    for (int id = 1; id <= lists.automations.size(); ++id) {
        if (below(2))
            automation << id;
    }
    macro->setAutomation(automation);
    drawViolations(random, lists, macro);
    // A macro with anchor analysis has no shortcut.
    const QString shortcuts[] = {"", "0", "249", QString::number(1 + below(248))};
    macro->setShortcut(macro->violation().contains(anchorId()) ? QString() : shortcuts[below(4)]);
    QStringList flow;
    QList<quint16> numbers;
    QList<quint16> positions;
    for (int slot = 0; slot < 10; ++slot) {
        if (below(3))
            continue;
        const auto& next = Others[below(4)];
        flow << next[1];
        numbers << QByteArray(next[0]).toUShort();
        positions << slot;
    }
    macro->setFlow(flow);
    macro->setFlowNum(numbers);
    macro->setFlowPos(positions);
    macro->setSecureSensors({quint8(below(6)), 5});
    macro->setSecureActuators({quint8(below(5))});
}

} // namespace

class TestDlgConfigMacro : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;
    // The Portuguese reference lists of the working folder's "zor.ini".
    ReferenceLists lists;
    std::unique_ptr<Group> group;

    Macro* add(const QString& num, const QString& sigla, const QString& shortcut = "0")
    {
        auto* macro = new Macro(num, "MACRO " + sigla, shortcut, sigla, 2, false);
        group->addMacro(macro);
        return macro;
    }

    std::unique_ptr<dlgConfigMacro> hidden(Macro* macro)
    {
        return std::make_unique<dlgConfigMacro>(group.get(), macro, lists);
    }

    // Shown and active, so that focus and keys behave as on screen.
    std::unique_ptr<dlgConfigMacro> shown(Macro* macro)
    {
        auto opened = hidden(macro);
        opened->show();
        opened->activateWindow();
        if (!QTest::qWaitForWindowActive(opened.get()))
            qWarning("the dialog did not become active");
        return opened;
    }

private slots:
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>();
        QVERIFY(ReferenceData::load(QStringLiteral("zor.ini"), &lists));
    }

    void init() { group = std::make_unique<Group>(QStringLiteral("Frota"), QString()); }

    void cleanup()
    {
        closeAllModals();
        QSettings().remove(QStringLiteral("dlgConfigMacro"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("seed");
        for (int seed = 1; seed <= 16; ++seed)
            QTest::addRow("seed %d", seed) << seed;
    }

    // A macro shown and stored with OK comes back as it was, but for the NUL
    // bytes of its form, which come back as blanks.
    void roundTrip()
    {
        QFETCH(int, seed);
        for (const auto& other : Others)
            add(other[0], other[1]);
        Macro* macro = add("1", "X");
        QRandomGenerator random{quint32(seed)};
        drawMacro(random, lists, macro);
        const Macro expected = *macro;
        // Unused cells of a form saved from the grid are NUL bytes.
        QByteArray form = macro->form();
        for (char& byte : form)
            byte = byte == ' ' && random.bounded(2) ? '\0' : byte;
        macro->setForm(form);
        auto dialog = shown(macro);
        QVERIFY(pressOk(dialog.get()));
        QVERIFY(macro->hasSameValues(expected));
        QCOMPARE(dialog->number() + dialog->name() + dialog->sigla(),
                 expected.num() + expected.name() + expected.sigla());
        QCOMPARE(dialog->macroType(), expected.type() < 7 ? expected.type() : -1);
    }

    void okAndValidar_data()
    {
        // What the user changes, separated by ";": a field's text ("edtName=Café"),
        // the anchor row checked ("anchor") and its radius ("radius=300"), a
        // form with a broken field marker on line 3 ("brokenForm"), Validar
        // pressed rather than OK ("validate").
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QString>("answer"); // the button pressed in the box
        // The box as title, text and buttons; "messenger" for a message
        // passed to the messenger instead.
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("focus");     // after a refusal
        QTest::addColumn<QString>("corrected"); // fields corrected by a refusal

        const auto row = [](const char* tag, const char* edits, const QString& answer,
                            const QString& box, const char* focus = "", const char* shown = "") {
            QTest::newRow(tag) << QString::fromUtf8(edits) << answer << box << focus << shown;
        };
        const QString error = QStringLiteral("Erro!|%1|OK");
        const QString numberExists = QStringLiteral("O número da macro já existe.");
        const QString nameAccents = QStringLiteral("\nO nome da macro não pode conter acentos!");
        const QString below =
            "O valor de 'Violação de Âncora'' é menor que o mínimo permitido (50).";
        const QString above =
            "O valor de 'Violação de Âncora' é maior que o máximo permitido (5000);";
        const QString question =
            QStringLiteral("Atenção!|A violação de âncora foi selecionada, ao "
                           "confirmar essa ação, o atalho será excluído|Sim/Não");
        const QString unknown = QStringLiteral("Atenção!|Sigla da função F3 não existe!|Ok");
        row("duplicate number", "edtNumber=11", "OK", error.arg(numberExists), "edtNumber");
        row("number zero", "edtNumber=0", "OK",
            error.arg("O campo 'Numero' deve ser maior que zero."), "edtNumber");
        row("broken form and empty acronym", "brokenForm;edtSigla=", "OK",
            error.arg("Arquivo inválido, necessário ajuste da tag na linha\n3\nO campo 'Sigla' "
                      "deve ser preenchido."),
            "edtSigla");
        row("duplicate number and acronym", "edtNumber=11;edtSigla=XY", "OK",
            error.arg(numberExists + "\nA sigla da macro já existe."), "edtSigla");
        row("accent replaces the duplicate acronym", "edtName=Café;edtSigla=XY", "OK",
            error.arg(nameAccents), "edtName", "edtName=CAFE");
        row("shortcut replaces the duplicate acronym", "edtShortcut=300;edtSigla=XY", "OK",
            error.arg("\nO campo 'Atalho' deve ser maior que zero e menor que 249."),
            "edtShortcut");
        row("accented acronym", "edtName=entrega;edtSigla=Pé", "OK",
            error.arg("\nA sigla não pode conter acentos!"), "edtSigla",
            "edtName=ENTREGA;edtSigla=PE");
        row("refused characters after a form fault", "brokenForm;edtName=Km: 5", "OK",
            error.arg(nameAccents), "edtName", "edtName=KM 5");
        row("empty name", "edtName=", "OK",
            error.arg("O campo \"Nome\"' da macro deve ser preenchido!"), "edtName");
        row("anchor: Não keeps the shortcut", "anchor;radius=300", "Não", question);
        row("anchor: Sim drops the shortcut", "anchor;radius=300", "Sim", question);
        row("anchor: shortcut not checked", "edtShortcut=300;anchor;radius=300", "Sim", question);
        row("anchor: no question for 0", "edtShortcut=0;anchor;radius=300", "", "");
        row("radius 49", "edtShortcut=0;anchor;radius=49", "OK", error.arg(below));
        row("radius 50", "edtShortcut=0;anchor;radius=50", "", "");
        row("radius 5000", "edtShortcut=0;anchor;radius=5000", "", "");
        row("radius 5001", "edtShortcut=0;anchor;radius=5001", "OK", error.arg(above));
        row("radius after accents", "edtName=Ré;edtShortcut=0;anchor;radius=49", "OK",
            error.arg(nameAccents + below), "edtName");
        row("unknown acronym", "edtF1=PL;edtF3=ZZ;edtF5=YY", "Ok", unknown);
        row("nothing to check, Validar", "validate", "Ok", "Informação|Verificação concluída!|Ok");
        // A macro with anchor analysis may not lead to another one.
        row("anchor to anchor", "edtShortcut=0;anchor;radius=100;edtF0=PL;edtF1=AN", "",
            "messenger");
        row("anchor to other", "edtShortcut=0;anchor;radius=100;edtF0=PL", "", "");
    }

    // One box gathers the faults of OK; a refused OK writes nothing to the
    // macro and leaves the dialog open.
    void okAndValidar()
    {
        QFETCH(QString, edits);
        QFETCH(QString, answer);
        QFETCH(QString, box);
        QFETCH(QString, focus);
        QFETCH(QString, corrected);

        const MessageRecorder recorder;
        add("11", "XY");
        watch(add("21", "AN"), {quint8(anchorId())});
        add("22", "PL");
        Macro* macro = add("10", "AB", "5");
        if (edits.contains("brokenForm"))
            macro->setForm(screen({{2, 4, "[abc"}}));
        const Macro before = *macro;
        auto dialog = shown(macro);
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        QMap<QString, QString> typed{{"edtShortcut", "5"}};
        for (const QString& change : edits.split(';', Qt::SkipEmptyParts)) {
            const QString name = change.section('=', 0, 0);
            typed[name] = change.section('=', 1);
            if (name == QLatin1String("anchor"))
                item(violations, anchorId())->setCheckState(0, Qt::Checked);
            else if (name == QLatin1String("radius"))
                field(violations, anchorId(), 2)->setText(typed[name]);
            else if (name.startsWith(QLatin1String("edt")))
                edit(dialog.get(), qPrintable(name))->setText(typed[name]);
        }
        auto* tabs = child<QTabWidget>(dialog.get(), "tabWidget");
        tabs->setCurrentIndex(4);
        child<QWidget>(dialog.get(), "btnCancelar")->setFocus();

        SeenBox seen;
        if (!answer.isEmpty())
            answerBox(answer, &seen);
        UnexpectedBoxes unexpected;
        click(dialog.get(), typed.contains("validate") ? "btnValidate" : "btnInsert");
        QCOMPARE(unexpected.texts, QStringList());
        const QString seenBox = seen.title + '|' + seen.text + '|' + seen.buttons.join('/');
        QCOMPARE(seen.shown ? seenBox : recorder.messages.isEmpty() ? "" : "messenger", box);
        const bool accepted = box.isEmpty() || answer == QLatin1String("Sim");
        QCOMPARE(dialog->result(), accepted ? int(QDialog::Accepted) : 0);
        if (accepted) {
            const bool anchor = typed.contains("anchor");
            QCOMPARE(macro->shortcut(), anchor ? QString() : typed["edtShortcut"]);
            QCOMPARE(macro->raio(), anchor ? typed["radius"].toUShort() : quint16(0));
            QStringList flow;
            for (int slot = 0; slot < 10; ++slot)
                flow << typed.value("edtF" + QString::number(slot));
            QCOMPARE(macro->flow(), flow.filter(QRegularExpression(".")));
            return;
        }
        QVERIFY(dialog->isVisible());
        QVERIFY(macro->hasSameValues(before));
        if (!focus.isEmpty())
            QCOMPARE(dialog->focusWidget()->objectName(), focus);
        QCOMPARE(tabs->currentIndex(), typed.contains("brokenForm") ? 0 : 4);
        for (const QString& field : corrected.split(';', Qt::SkipEmptyParts))
            QCOMPARE(edit(dialog.get(), qPrintable(field.section('=', 0, 0)))->text(),
                     field.section('=', 1));
    }

    // Names and acronyms turn upper case as typed, where the cursor is;
    // numbers take digits in their range (the validator itself is pinned
    // with the new-macro dialog); next macros three letters.
    void typing()
    {
        auto dialog = shown(add("10", "AB"));
        const char* const typing[][3] = {{"edtName", "parada", "PARADA"},
                                         {"edtSigla", "p1x", "P1X"},
                                         {"edtNumber", "1000", "100"},
                                         {"edtShortcut", "250", "25"}};
        for (const auto& row : typing) {
            QLineEdit* field = edit(dialog.get(), row[0]);
            field->clear();
            QTest::keyClicks(field, QLatin1String(row[1]));
            QCOMPARE(field->text(), QLatin1String(row[2]));
        }
        QLineEdit* name = edit(dialog.get(), "edtName");
        name->setCursorPosition(1);
        QTest::keyClicks(name, QStringLiteral("x"));
        QCOMPARE(name->text(), QStringLiteral("PXARADA"));
        QCOMPARE(name->cursorPosition(), 2);
        // Numbers start at 1: "0" is unfinished input, which OK refuses.
        QLineEdit* number = edit(dialog.get(), "edtNumber");
        number->setText(QStringLiteral("1"));
        QVERIFY(number->hasAcceptableInput());
        number->setText(QStringLiteral("0"));
        QVERIFY(!number->hasAcceptableInput());

        showTab(dialog.get(), "edtF0");
        for (int slot = 0; slot < 10; ++slot) {
            QLineEdit* next = edit(dialog.get(), ("edtF" + QByteArray::number(slot)).constData());
            QTest::keyClicks(next, QStringLiteral("abcd"));
            QCOMPARE(next->text(), QStringLiteral("ABC"));
        }
    }

    void onlyOkStores_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key");
        QTest::newRow("Return in the number") << "edtNumber" << int(Qt::Key_Return);
        QTest::newRow("Enter in the name") << "edtName" << int(Qt::Key_Enter);
        QTest::newRow("Escape") << "edtName" << int(Qt::Key_Escape);
    }

    // Return in a field neither closes nor stores; Escape closes without
    // storing what was changed.
    void onlyOkStores()
    {
        QFETCH(QString, field);
        QFETCH(int, key);

        Macro* macro = add("10", "XY", "5");
        const Macro before = *macro;
        auto dialog = shown(macro);
        // Changes that OK would store.
        edit(dialog.get(), "edtNumber")->setText(QStringLiteral("20"));
        item(tree(dialog.get(), "treeViolation"), 2)->setCheckState(0, Qt::Checked);
        showTab(dialog.get(), qPrintable(field));
        QLineEdit* target = edit(dialog.get(), qPrintable(field));
        target->setFocus();
        QSignalSpy returned(target, &QLineEdit::returnPressed);

        UnexpectedBoxes unexpected;
        QTest::keyClick(target, Qt::Key(key));
        const bool closes = key == Qt::Key_Escape;
        QCOMPARE(returned.count(), closes ? 0 : 1);
        QCOMPARE(dialog->isVisible(), !closes);
        QCOMPARE(dialog->result(), closes ? int(QDialog::Rejected) : 0);
        QCOMPARE(unexpected.texts, QStringList());
        QVERIFY(macro->hasSameValues(before));
    }

    // An information macro has none of the settings of the other tabs: they
    // hide behind a notice, keeping their marks. The form and the next macros
    // stay.
    void kindVisibility()
    {
        Macro* macro = add("10", "AB");
        auto dialog = shown(macro);
        const auto visible = [](const QWidget* dialog) {
            QString state;
            for (const char* name : {"treeValidation", "lblInfo", "tedForm", "groupFlow"})
                state += child<QWidget>(dialog, name)->isHidden() ? '-' : 'v';
            return state;
        };
        QCOMPARE(visible(dialog.get()), QStringLiteral("v-vv"));
        // No secure mode; no help button.
        QCOMPARE(child<QTabWidget>(dialog.get(), "tabAutomationIn")->count(), 1);
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        item(tree(dialog.get(), "treeValidation"), 3)->setCheckState(0, Qt::Checked);
        QTest::mouseClick(child<QRadioButton>(dialog.get(), "rbInfo"), Qt::LeftButton);
        QCOMPARE(visible(dialog.get()), QStringLiteral("-vvv"));
        QCOMPARE(rowIds(tree(dialog.get(), "treeValidation")), QList<int>{3});
        QTest::mouseClick(child<QRadioButton>(dialog.get(), "rbSecurity"), Qt::LeftButton);
        QCOMPARE(visible(dialog.get()), QStringLiteral("v-vv"));

        macro->setSecurity(false);
        QCOMPARE(visible(hidden(macro).get()), QStringLiteral("-vvv"));
    }

    void formCommands_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("offered"); // the length asked for at first; 0: none asked
        QTest::addColumn<QByteArray>("marker");

        QTest::newRow("Login") << "Login" << 0 << QByteArray("[LLLLL]");
        QTest::newRow("Senha") << "Senha" << 0 << QByteArray("[SSSSS]");
        QTest::newRow("Data") << "Data" << 0 << QByteArray("[dd/mm/aa]");
        QTest::newRow("Hora") << "Hora" << 0 << QByteArray("[hh:mm]");
        QTest::newRow("Data/Hora") << "Data/Hora" << 0 << QByteArray("[dd/mm/aa][hh:mm]");
        QTest::newRow("Checagem") << "Checagem" << 0 << QByteArray("[e]");
        QTest::newRow("Seleção") << "Seleção" << 0 << QByteArray("[r]");
        QTest::newRow("Texto") << "Texto" << 12 << QByteArray("[cccccccccc]");
        QTest::newRow("Numérico") << "Numérico" << 10 << QByteArray("[nnnnnnnn]");
        QTest::newRow("Decimal") << "Decimal" << 10 << QByteArray("[ffffffff]");
    }

    // The form's commands, each with its marker, which "[" opens at the cursor
    // counted from the dialog's corner; the confirmation has none. The labels
    // under the grids follow their cursors.
    void formCommands()
    {
        QFETCH(QString, label);
        QFETCH(int, offered);
        QFETCH(QByteArray, marker);

        auto dialog = shown(add("10", "AB"));
        auto* form = child<TabledEditor>(dialog.get(), "tedForm");
        auto* confirmation = child<TabledEditor>(dialog.get(), "tedConfText");
        QVERIFY(confirmation->contextMenu()->isEmpty());
        form->setCurrentCell(4, 2);
        QTest::keyClick(form, Qt::Key_BracketLeft);
        QCOMPARE(form->contextMenu()->pos(), dialog->pos() + QPoint(2 * 16, 4 * 16));
        form->contextMenu()->hide();
        confirmation->setCurrentCell(19, 39);
        QCOMPARE(child<QLabel>(dialog.get(), "lblFormInfo")->text() + " / " +
                     child<QLabel>(dialog.get(), "lblTextInfo")->text(),
                 QStringLiteral("L: 4, C: 2 / L: 19, C: 39"));
        int asked = 0;
        if (offered > 0) {
            answerNextModal([&asked](QWidget* modal) {
                auto* input = qobject_cast<QInputDialog*>(modal);
                asked = input->intValue();
                input->accept();
            });
        }
        menuAction(*form, label)->trigger();
        QCOMPARE(asked, offered);
        QCOMPARE(readAll(*form).mid(4 * 40 + 2, marker.size() + 1), marker + ' ');
    }

    // The first time, the tab bar and both grids are shown whole; the size
    // the user gives is kept for the next time.
    void firstSizeShowsAWholeScreen()
    {
        Macro* macro = add("10", "AB");
        auto dialog = shown(macro);
        const QTabBar* bar = child<QTabWidget>(dialog.get(), "tabWidget")->tabBar();
        QCOMPARE(qMax(bar->width(), bar->sizeHint().width()), bar->width());
        for (const char* name : {"tedForm", "tedConfText"}) {
            auto* grid = child<TabledEditor>(dialog.get(), name);
            showTab(dialog.get(), name);
            QCoreApplication::processEvents();
            QVERIFY2(!grid->horizontalScrollBar()->isVisible(), name);
            QVERIFY2(!grid->verticalScrollBar()->isVisible(), name);
        }
        const QSize larger = dialog->size() + QSize(120, 80);
        dialog->resize(larger);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        dialog.reset();
        QCOMPARE(hidden(macro)->size(), larger);
    }

    // A row per entry of the lists, the reserved ones hidden; each violation
    // with its reactions, a time field when it is timed and a radius field
    // when it has one, enabled while it is watched. Under a combination
    // vehicle the cabin's alert and alarm are greyed out and cleared by OK;
    // only eight reactions fit in a set.
    void rowsOfTheLists()
    {
        const int bitrem = idOf(lists.violations, "Bitrem");
        const QList<quint8> watched{1, quint8(bitrem), quint8(anchorId())};
        Macro* macro = add("10", "AB");
        watch(macro, watched);
        macro->setViolationReactions({0xff, 0xff, 0xff});
        macro->setRaio(quint16(ZorObject::anchorSettings().minRadius()));
        auto dialog = shown(macro);
        const QPair<const char*, const QStringList*> trees[] = {
            {"treeValidation", &lists.validations},
            {"treeAutomation", &lists.automations},
            {"treeViolation", &lists.violations}};
        for (const auto& list : trees) {
            QTreeWidget* rows = tree(dialog.get(), list.first);
            QCOMPARE(rows->topLevelItemCount(), list.second->size());
            for (int id = 1; id <= list.second->size(); ++id) {
                QCOMPARE(item(rows, id)->text(0), list.second->at(id - 1));
                QCOMPARE(item(rows, id)->isHidden(), list.second->at(id - 1).startsWith("(RESERV"));
            }
        }
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        QList<quint8> stored;
        for (int id = 1; id <= lists.violations.size(); ++id) {
            const bool isWatched = watched.contains(id);
            QCOMPARE(item(violations, id)->childCount(), lists.reactions.size());
            const bool combination = allowedReactions(lists, id) != 0xff;
            QString states;
            QString expected;
            for (int bit = 0; bit < lists.reactions.size(); ++bit) {
                const QTreeWidgetItem* reaction = item(violations, id)->child(bit);
                states += reaction->isDisabled() ? 'd' : reaction->checkState(0) ? 'x' : '-';
                const QString name = lists.reactions.at(bit);
                const bool cabin = name.contains("(Alert)") || name.contains("(Alarm)");
                expected += combination && cabin ? 'd' : isWatched && bit < 8 ? 'x' : '-';
            }
            QCOMPARE(states, expected);
            if (isWatched)
                stored << quint8(allowedReactions(lists, id));
            QLineEdit* time = field(violations, id, 1);
            QCOMPARE(time != nullptr, lists.violationTimerFlags.at(id - 1) == "1");
            QCOMPARE(time && time->isEnabled(), time && isWatched);
            QLineEdit* radius = field(violations, id, 2);
            QCOMPARE(radius != nullptr, lists.radiusViolations.contains(QString::number(id)));
            QCOMPARE(radius && radius->isEnabled(), radius && isWatched);
        }
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->violationReactions(), stored);
    }

    // The validations are one choice: a check unchecks and greys out the
    // others until it is taken back. A stored set of several comes up whole.
    // A login field of the form sets the login validation as well.
    void validationChoice()
    {
        const int login = 1 << (idOf(lists.validations, "Login") - 1);
        Macro* macro = add("10", "AB");
        macro->setValidationInt((1 << 1) | login);
        macro->setForm(screen({{0, 10, "[lllll]"}}));
        auto dialog = shown(macro);
        QTreeWidget* validations = tree(dialog.get(), "treeValidation");
        const QList<int> all = rowIds(validations, true);
        QCOMPARE(all.size(), lists.validations.size());
        QCOMPARE(rowIds(validations), (QList<int>{2, 5}));
        clickCheckBox(validations, item(validations, 3));
        QCOMPARE(rowIds(validations), QList<int>{3});
        QCOMPARE(rowIds(validations, true), QList<int>{3});
        clickCheckBox(validations, item(validations, 3));
        QCOMPARE(rowIds(validations), QList<int>());
        QCOMPARE(rowIds(validations, true), all);
        clickCheckBox(validations, item(validations, 3));
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(int(macro->validationInt()), (1 << 2) | login);
    }

    void anchorAndMaximumOfTwenty_data()
    {
        QTest::addColumn<bool>("bySpace");
        QTest::newRow("mouse") << false;
        QTest::newRow("space") << true;
    }

    // The anchor row takes the shortcut away, since a macro with anchor
    // analysis has none, and enables its radius. The 21st check: a warning,
    // then every row from the 21st on is unchecked, those checked before
    // included.
    void anchorAndMaximumOfTwenty()
    {
        QFETCH(bool, bySpace);

        Macro* macro = add("10", "AB", "5");
        auto dialog = shown(macro);
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        QLineEdit* shortcut = edit(dialog.get(), "edtShortcut");
        QLineEdit* radius = field(violations, anchorId(), 2);
        const auto enabled = [&] {
            return QString(shortcut->isEnabled() ? "s" : "-") + (radius->isEnabled() ? "r" : "-");
        };
        const auto check = [&](int id) {
            if (bySpace)
                return pressOn(violations, item(violations, id), Qt::Key_Space);
            clickCheckBox(violations, item(violations, id));
        };
        UnexpectedBoxes none;
        check(1);
        QCOMPARE(enabled(), QStringLiteral("s-"));
        check(anchorId());
        QCOMPARE(enabled(), QStringLiteral("-r"));
        QList<int> kept{1};
        for (int id = 2; id <= 18; ++id) {
            item(violations, id)->setCheckState(0, Qt::Checked);
            kept << id;
        }
        check(20);
        QCOMPARE(none.texts, QStringList());
        QCOMPARE(rowIds(violations).size(), 20);

        SeenBox seen;
        answerBox(QStringLiteral("OK"), &seen);
        check(24);
        QCOMPARE(seen.text, QStringLiteral("Apenas 20 violações são permitidas!"));
        QCOMPARE(seen.icon, QMessageBox::Warning);
        QCOMPARE(rowIds(violations), kept << 20);
        QCOMPARE(enabled(), QStringLiteral("s-"));

        watch(macro, {quint8(anchorId())});
        QVERIFY(!edit(hidden(macro).get(), "edtShortcut")->isEnabled());
    }

    // Space checks the current row or reaction; Return goes from a name to
    // its time field and back, never to OK. In the time field, seconds above
    // 59 become 59, then times above 4:00 become 4:00.
    void keysInTheViolationTree()
    {
        const int timed = lists.violationTimerFlags.indexOf("1") + 1;
        const int untimed = lists.violationTimerFlags.indexOf("0") + 1;
        Macro* macro = add("10", "AB");
        watch(macro, {quint8(timed)});
        auto dialog = shown(macro);
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        QTreeWidgetItem* row = item(violations, timed);
        pressOn(violations, row, Qt::Key_Space);
        QCOMPARE(row->checkState(0), Qt::Unchecked);
        QVERIFY(!field(violations, timed, 1)->isEnabled());
        pressOn(violations, row, Qt::Key_Space);
        QCOMPARE(row->checkState(0), Qt::Checked);
        row->setExpanded(true);
        pressOn(violations, row->child(1), Qt::Key_Space);
        QCOMPARE(row->child(1)->checkState(0), Qt::Checked);

        pressOn(violations, row, Qt::Key_Return);
        QLineEdit* time = field(violations, timed, 1);
        QCOMPARE(QApplication::focusWidget(), time);
        const QString times = "059=0:59 400=4:00 401=4:00 500=4:00 999=4:00 375=3:59 260=2:59";
        for (const QString& typed : times.split(' ')) {
            time->selectAll();
            QTest::keyClicks(time, typed.section('=', 0, 0));
            QCOMPARE(time->text(), typed.section('=', 1));
        }
        pressOn(violations, row, Qt::Key_Return, 1);
        QCOMPARE(violations->currentColumn(), 0);
        QCOMPARE(QApplication::focusWidget(), violations);
        pressOn(violations, item(violations, untimed), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), violations);
        QVERIFY(dialog->isVisible());
    }

    void cutNamesShowInToolTips()
    {
        auto dialog = shown(add("10", "AB"));
        QTreeWidget* violations = tree(dialog.get(), "treeViolation");
        QTreeWidgetItem* longest = violations->topLevelItem(0);
        for (int i = 1; i < violations->topLevelItemCount(); ++i) {
            if (violations->topLevelItem(i)->text(0).size() > longest->text(0).size())
                longest = violations->topLevelItem(i);
        }
        const auto toolTipOver = [&](const QTreeWidgetItem* item) {
            QToolTip::hideText();
            const QPoint at(violations->columnViewportPosition(0) + violations->columnWidth(0) - 4,
                            violations->visualItemRect(item).center().y());
            QHelpEvent event(QEvent::ToolTip, at, violations->viewport()->mapToGlobal(at));
            QApplication::sendEvent(violations->viewport(), &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        // The columns share the tree's width.
        dialog->resize(2400, dialog->height());
        QCoreApplication::processEvents();
        QCOMPARE(toolTipOver(longest), QString());
        dialog->resize(dialog->minimumSizeHint());
        QCoreApplication::processEvents();
        QCOMPARE(toolTipOver(longest), longest->text(0));
    }

    // What a damaged file may hold is put right by OK. Violations go back in
    // the order of their rows; identifiers and bits beyond the lists are
    // dropped, as is the radius without its row; fields other than a login
    // field set no validation. Next macros whose slot is
    // missing or taken go to the first free slot rather than being lost.
    void damagedEntries()
    {
        for (const auto& other : Others)
            add(other[0], other[1]);
        Macro* macro = add("10", "XY");
        macro->setViolation({12, 1, quint8(lists.violations.size() + 1)});
        macro->setViolationTimers({90, 75, 5});
        macro->setViolationReactions({0x21, 0x05, 0x01});
        macro->setRaio(300);
        macro->setAutomation({2, quint8(lists.automations.size() + 1)});
        macro->setValidationInt(1 << lists.validations.size());
        macro->setForm(screen({{5, 5, "[SSSSS]"}, {6, 0, "[c]"}}));
        macro->setFlow({"AB", "CD", "EF"});
        macro->setFlowNum({996, 997, 998});
        macro->setFlowPos({2, 2});
        auto dialog = shown(macro);
        QStringList inSlots;
        for (int slot = 0; slot < 4; ++slot)
            inSlots << edit(dialog.get(), ("edtF" + QByteArray::number(slot)).constData())->text();
        QCOMPARE(inSlots, (QStringList{"CD", "EF", "AB", ""}));
        QVERIFY(pressOk(dialog.get()));
        QCOMPARE(macro->violation(), (QList<quint8>{1, 12}));
        QCOMPARE(macro->violationTimers(), (QList<quint16>{75, 90}));
        QCOMPARE(macro->violationReactions(), (QList<quint8>{0x05, 0x21}));
        QCOMPARE(macro->raio(), quint16(0));
        QCOMPARE(macro->automation(), QList<quint8>{2});
        QCOMPARE(macro->validationInt(), quint16(0));
        QCOMPARE(macro->flow(), (QStringList{"CD", "EF", "AB"}));
        QCOMPARE(macro->flowPos(), (QList<quint16>{0, 1, 2}));
    }
};

QTEST_MAIN(TestDlgConfigMacro)
#include "tst_dlgconfigmacro.moc"
