#include "app/sessionlanguage.h"
#include "configmacrofixture.h"
#include "support/messagerecorder.h"
#include "support/testenvironment.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace ZorTest;

namespace {

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
    int allowed = 0xff;
    const QString violation = lists.violations.at(id - 1);
    for (int bit = 0; bit < 8; ++bit) {
        const QString reaction = lists.reactions.value(bit);
        if ((violation.contains("Bitrem") || violation.contains("Semi-trailer")) &&
            (reaction.contains("(Alert)") || reaction.contains("(Alarm)")))
            allowed &= ~(1 << bit);
    }
    return allowed;
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

void drawNextMacros(QRandomGenerator& random, Macro* macro)
{
    QStringList flow;
    QList<quint16> numbers;
    QList<quint16> positions;
    for (int slot = 0; slot < 10; ++slot) {
        if (random.bounded(3))
            continue;
        const auto& next = Others[random.bounded(4)];
        flow << next[1];
        numbers << QByteArray(next[0]).toUShort();
        positions << slot;
    }
    macro->setFlow(flow);
    macro->setFlowNum(numbers);
    macro->setFlowPos(positions);
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
    drawNextMacros(random, macro);
    macro->setSecureSensors({quint8(below(6)), 5});
    macro->setSecureActuators({quint8(below(5))});
}

// Unused cells of a form saved from the grid are NUL bytes.
QByteArray withNuls(QByteArray text, QRandomGenerator& random)
{
    for (char& byte : text) {
        if (byte == ' ' && random.bounded(2))
            byte = '\0';
    }
    return text;
}

} // namespace

class TestDlgConfigMacro : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;

private slots:
    void initTestCase()
    {
        env = std::make_unique<TestEnvironment>();
        QVERIFY(env->isValid());
    }

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
        ConfigFixture fixture;
        for (const auto& other : Others)
            fixture.add(other[0], other[1]);
        Macro* macro = fixture.add("1", "X");
        QRandomGenerator random{quint32(seed)};
        drawMacro(random, fixture.lists, macro);
        const Macro expected = *macro;
        macro->setForm(withNuls(macro->form(), random));
        auto dialog = fixture.shown(macro);
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
        QTest::addColumn<QString>("focus"); // after a refusal
        QTest::addColumn<QString>("shown"); // fields corrected by a refusal

        const auto row = [](const char* tag, const char* edits, const QString& answer,
                            const QString& box, const char* focus = "", const char* shown = "") {
            QTest::newRow(tag) << QString::fromUtf8(edits) << answer << box << focus << shown;
        };
        const QString error = QStringLiteral("Erro!|%1|OK");
        const QString numberExists = QStringLiteral("O número da macro já existe.");
        const QString numberZero = error.arg("O campo 'Numero' deve ser maior que zero.");
        const QString nameAccents = QStringLiteral("\nO nome da macro não pode conter acentos!");
        const QString below =
            "O valor de 'Violação de Âncora'' é menor que o mínimo permitido (50).";
        const QString above =
            "O valor de 'Violação de Âncora' é maior que o máximo permitido (5000);";
        const QString question =
            QStringLiteral("Atenção!|A violação de âncora foi selecionada, ao "
                           "confirmar essa ação, o atalho será excluído|Sim/Não");
        const QString unknown = QStringLiteral("Atenção!|Sigla da função F3 não existe!|Ok");
        const QString checked = QStringLiteral("Informação|Verificação concluída!|Ok");
        row("unchanged", "", "", "");
        row("duplicate number", "edtNumber=11", "OK", error.arg(numberExists), "edtNumber");
        row("empty number", "edtNumber=", "OK", numberZero, "edtNumber");
        row("number zero", "edtNumber=0", "OK", numberZero, "edtNumber");
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
        // As the new-macro dialog refuses it.
        row("empty name", "edtName=", "OK",
            error.arg("O campo \"Nome\"' da macro deve ser preenchido!"), "edtName");
        row("anchor: Não keeps the shortcut", "anchor;radius=300", "Não", question);
        row("anchor: Sim drops the shortcut", "anchor;radius=300", "Sim", question);
        row("anchor: shortcut range not checked", "edtShortcut=300;anchor;radius=300", "Sim",
            question);
        row("anchor: no question for 0", "edtShortcut=0;anchor;radius=300", "", "");
        row("anchor: no question without shortcut", "edtShortcut=;anchor;radius=300", "", "");
        row("radius 49", "edtShortcut=0;anchor;radius=49", "OK", error.arg(below));
        row("no radius", "edtShortcut=0;anchor;radius=", "OK", error.arg(below));
        row("radius 50", "edtShortcut=0;anchor;radius=50", "", "");
        row("radius 5000", "edtShortcut=0;anchor;radius=5000", "", "");
        row("radius 5001", "edtShortcut=0;anchor;radius=5001", "OK", error.arg(above));
        row("radius 9999", "edtShortcut=0;anchor;radius=9999", "OK", error.arg(above));
        row("radius after accents", "edtName=Ré;edtShortcut=0;anchor;radius=49", "OK",
            error.arg(nameAccents + below), "edtName");
        row("unknown acronym", "edtF1=PL;edtF3=ZZ;edtF5=YY", "Ok", unknown);
        row("unknown acronym, Validar", "edtF1=PL;edtF3=ZZ;edtF5=YY;validate", "Ok", unknown);
        row("nothing to check, Validar", "validate", "Ok", checked);
        row("known acronym, Validar", "edtF1=AN;validate", "Ok", checked);
        row("known acronym", "edtF1=AN", "", "");
        // A macro with anchor analysis may not lead to another one.
        row("anchor to anchor", "edtShortcut=0;anchor;radius=100;edtF0=PL;edtF1=AN", "",
            "messenger");
        row("anchor to anchor, Validar",
            "edtShortcut=0;anchor;radius=100;edtF0=PL;edtF1=AN;validate", "", "messenger");
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
        QFETCH(QString, shown);

        const MessageRecorder recorder;
        ConfigFixture fixture;
        fixture.add("11", "XY");
        watch(fixture.add("21", "AN"), {quint8(anchorId())});
        fixture.add("22", "PL");
        Macro* macro = fixture.add("10", "AB", "5");
        if (edits.contains("brokenForm"))
            macro->setForm(screen({{2, 4, "[abc"}}));
        const Macro before = *macro;
        auto dialog = fixture.shown(macro);
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
        button(dialog.get(), "btnCancelar")->setFocus();

        SeenBox seen;
        if (!answer.isEmpty())
            answerBox(answer, &seen);
        UnexpectedBoxes unexpected;
        const bool validate = typed.contains("validate");
        QTest::mouseClick(button(dialog.get(), validate ? "btnValidate" : "btnInsert"),
                          Qt::LeftButton);
        QCOMPARE(unexpected.texts, QStringList());
        const QStringList seenBox{seen.title, seen.text, seen.buttons.join('/')};
        QCOMPARE(seen.shown                    ? seenBox.join('|')
                 : recorder.messages.isEmpty() ? ""
                                               : "messenger",
                 box);
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
        for (const QString& field : shown.split(';', Qt::SkipEmptyParts))
            QCOMPARE(edit(dialog.get(), qPrintable(field.section('=', 0, 0)))->text(),
                     field.section('=', 1));
    }

    // Names and acronyms turn upper case as typed, where the cursor is;
    // numbers take digits in their range.
    void typing()
    {
        ConfigFixture fixture;
        auto dialog = fixture.shown(fixture.add("10", "AB"));
        const char* const typing[][3] = {
            {"edtName", "parada", "PARADA"}, {"edtSigla", "p1x", "P1X"},
            {"edtNumber", "1a2", "12"},      {"edtNumber", "-5", "5"},
            {"edtShortcut", "250", "25"},    {"edtShortcut", "+7", "7"}};
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

        child<QTabWidget>(dialog.get(), "tabWidget")->setCurrentIndex(4);
        for (int slot = 0; slot < 10; ++slot) {
            QLineEdit* next = edit(dialog.get(), ("edtF" + QByteArray::number(slot)).constData());
            QTest::keyClicks(next, QStringLiteral("abcd"));
            QCOMPARE(next->text(), QStringLiteral("ABC"));
        }
    }

    void onlyOkStores_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("key"); // 0: Cancelar clicked
        QTest::newRow("Return in the number") << "edtNumber" << int(Qt::Key_Return);
        QTest::newRow("Enter in the name") << "edtName" << int(Qt::Key_Enter);
        QTest::newRow("Return in the acronym") << "edtSigla" << int(Qt::Key_Return);
        QTest::newRow("Return in a next macro") << "edtF0" << int(Qt::Key_Return);
        QTest::newRow("Escape") << "edtName" << int(Qt::Key_Escape);
        QTest::newRow("Cancelar") << "edtName" << 0;
    }

    // Return in a field neither closes nor stores; Escape and Cancelar close
    // without storing what was changed.
    void onlyOkStores()
    {
        QFETCH(QString, field);
        QFETCH(int, key);

        ConfigFixture fixture;
        for (const auto& other : Others)
            fixture.add(other[0], other[1]);
        Macro* macro = fixture.add("10", "XY", "5");
        QRandomGenerator random(7);
        drawMacro(random, fixture.lists, macro);
        const Macro before = *macro;
        auto dialog = fixture.shown(macro);
        edit(dialog.get(), "edtNumber")->setText("20");
        edit(dialog.get(), "edtShortcut")->setText("9");
        edit(dialog.get(), "edtSigla")->setText("OU");
        child<QComboBox>(dialog.get(), "cbxType")->setCurrentIndex(5);
        child<QRadioButton>(dialog.get(), "rbInfo")->click();
        child<TabledEditor>(dialog.get(), "tedForm")->setCurrentCell(0, 0);
        QTest::keyClicks(child<TabledEditor>(dialog.get(), "tedForm"), QStringLiteral("ABC"));
        for (const char* name : {"treeValidation", "treeAutomation", "treeViolation"})
            item(tree(dialog.get(), name), 2)->setCheckState(0, Qt::Checked);
        edit(dialog.get(), "edtF5")->setText("AB");
        QLineEdit* target = edit(dialog.get(), qPrintable(field));
        auto* tabs = child<QTabWidget>(dialog.get(), "tabWidget");
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->isAncestorOf(target))
                tabs->setCurrentIndex(i);
        }
        target->setFocus();
        QSignalSpy returned(target, &QLineEdit::returnPressed);

        UnexpectedBoxes unexpected;
        if (key)
            QTest::keyClick(target, Qt::Key(key));
        else
            QTest::mouseClick(button(dialog.get(), "btnCancelar"), Qt::LeftButton);
        const bool closes = key == 0 || key == Qt::Key_Escape;
        QCOMPARE(returned.count(), closes ? 0 : 1);
        QCOMPARE(dialog->isVisible(), !closes);
        QCOMPARE(dialog->result(), closes ? int(QDialog::Rejected) : 0);
        QCOMPARE(unexpected.texts, QStringList());
        QVERIFY(macro->hasSameValues(before));
    }

    // An information macro has none of the settings of the other tabs: they
    // hide behind a notice, keeping their marks.
    void kindVisibility()
    {
        ConfigFixture fixture;
        Macro* macro = fixture.add("10", "AB");
        auto dialog = fixture.shown(macro);
        const auto shown = [](const QWidget* dialog) {
            QString state;
            for (const char* name : {"treeValidation", "tabAutomationIn", "treeViolation",
                                     "tedConfText", "lblTextLegend", "lblTextInfo", "lblInfo",
                                     "lblInfo2", "lblInfo3", "lblInfo4", "tedForm", "groupFlow"})
                state += child<QWidget>(dialog, name)->isHidden() ? '-' : 'v';
            return state;
        };
        QCOMPARE(shown(dialog.get()), QStringLiteral("vvvvvv----vv"));
        item(tree(dialog.get(), "treeValidation"), 3)->setCheckState(0, Qt::Checked);
        QTest::mouseClick(child<QRadioButton>(dialog.get(), "rbInfo"), Qt::LeftButton);
        QCOMPARE(shown(dialog.get()), QStringLiteral("------vvvvvv"));
        QCOMPARE(checkedIds(tree(dialog.get(), "treeValidation")), QList<int>{3});
        QTest::mouseClick(child<QRadioButton>(dialog.get(), "rbSecurity"), Qt::LeftButton);
        QCOMPARE(shown(dialog.get()), QStringLiteral("vvvvvv----vv"));

        macro->setSecurity(false);
        QCOMPARE(shown(fixture.dialog(macro).get()), QStringLiteral("------vvvvvv"));
        // The form's tab first; no secure mode; no help button.
        QCOMPARE(child<QTabWidget>(dialog.get(), "tabWidget")->currentIndex(), 0);
        QCOMPARE(child<QTabWidget>(dialog.get(), "tabAutomationIn")->count(), 1);
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
    }

    // The labels under the grids follow their cursors; "[" opens the form's
    // commands at the cursor, counted from the dialog's corner.
    void cursorLabels()
    {
        ConfigFixture fixture;
        auto dialog = fixture.shown(fixture.add("10", "AB"));
        auto* form = child<TabledEditor>(dialog.get(), "tedForm");
        auto* formInfo = child<QLabel>(dialog.get(), "lblFormInfo");
        form->setCurrentCell(3, 4);
        QCOMPARE(formInfo->text(), QStringLiteral("L: 3, C: 4"));
        QTest::keyClick(form, Qt::Key_Down);
        QCOMPARE(formInfo->text(), QStringLiteral("L: 4, C: 4"));
        QTest::keyClick(form, Qt::Key_BracketLeft);
        QCOMPARE(form->contextMenu()->pos(), dialog->pos() + QPoint(4 * 16, 4 * 16));
        form->contextMenu()->hide();

        child<TabledEditor>(dialog.get(), "tedConfText")->setCurrentCell(19, 39);
        QCOMPARE(child<QLabel>(dialog.get(), "lblTextInfo")->text(),
                 QStringLiteral("L: 19, C: 39"));
        QCOMPARE(formInfo->text(), QStringLiteral("L: 4, C: 4"));
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

    // The form's commands, each with its marker; the confirmation has none.
    void formCommands()
    {
        QFETCH(QString, label);
        QFETCH(int, offered);
        QFETCH(QByteArray, marker);

        ConfigFixture fixture;
        auto dialog = fixture.shown(fixture.add("10", "AB"));
        QVERIFY(child<TabledEditor>(dialog.get(), "tedConfText")->contextMenu()->isEmpty());
        auto* form = child<TabledEditor>(dialog.get(), "tedForm");
        int asked = 0;
        if (offered > 0) {
            answerNextModal([&asked](QWidget* modal) {
                auto* input = qobject_cast<QInputDialog*>(modal);
                if (!input)
                    return qobject_cast<QDialog*>(modal)->reject();
                asked = input->intValue();
                input->accept();
            });
        }
        form->setCurrentCell(4, 2);
        menuAction(*form, label)->trigger();
        QCOMPARE(asked, offered);
        QCOMPARE(readAll(*form).mid(4 * 40 + 2, marker.size() + 1), marker + ' ');
    }

    void firstSizeShowsAWholeScreen_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* code : {"pt", "en", "es", "fr", "de"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    // The first time, the tab bar and both grids are shown whole.
    void firstSizeShowsAWholeScreen()
    {
        QFETCH(QString, language);
        const SessionLanguage translation(language);
        QVERIFY(language == QLatin1String("pt") || translation.isTranslated());
        ConfigFixture fixture;
        auto dialog = fixture.shown(fixture.add("10", "AB"));
        auto* tabs = child<QTabWidget>(dialog.get(), "tabWidget");
        QVERIFY2(tabs->tabBar()->sizeHint().width() <= tabs->tabBar()->width(),
                 qPrintable(QString("%1 > %2")
                                .arg(tabs->tabBar()->sizeHint().width())
                                .arg(tabs->tabBar()->width())));
        for (const char* name : {"tedForm", "tedConfText"}) {
            auto* grid = child<TabledEditor>(dialog.get(), name);
            tabs->setCurrentWidget(grid->parentWidget());
            QCoreApplication::processEvents();
            QVERIFY2(!grid->horizontalScrollBar()->isVisible(), name);
            QVERIFY2(!grid->verticalScrollBar()->isVisible(), name);
        }
    }

    void sizeIsRemembered()
    {
        ConfigFixture fixture;
        Macro* macro = fixture.add("10", "AB");
        QSize first;
        {
            auto dialog = fixture.shown(macro);
            first = dialog->size();
            dialog->resize(first + QSize(120, 80));
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        }
        QCOMPARE(fixture.dialog(macro)->size(), first + QSize(120, 80));
    }
};

QTEST_MAIN(TestDlgConfigMacro)
#include "tst_dlgconfigmacro.moc"
