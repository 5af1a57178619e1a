#include "dlgconfigmacro.h"

#include "ui_dlgconfigmacro.h"

#include "cuttexttooltip.h"
#include "digitintvalidator.h"
#include "model/group.h"
#include "model/identitytext.h"
#include "model/macro.h"
#include "referencetree.h"
#include "validationtab.h"
#include "violationtab.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTabBar>

namespace {

// Bytes of the form's field table kept in the macro: 40 records of 6 bytes.
constexpr int FieldTableSize = 240;
const char* const SizeKey = "dlgConfigMacro/size";
// Room beside the tab bar for the tab widget's own frame and spacing.
constexpr int TabBarSlack = 8;

// Upper-cases the field as it is typed, leaving the cursor where it was.
void upperCaseKeepingCursor(QLineEdit* field, const QString& text)
{
    const int cursor = field->cursorPosition();
    field->setText(text.toUpper());
    field->setCursorPosition(cursor);
}

bool isNoShortcut(const QString& shortcut)
{
    return shortcut.isEmpty() || shortcut == QLatin1String("0");
}

// A modal box with a single button labelled "Ok".
void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
             const QString& buttonText)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(buttonText);
    box.exec();
}

} // namespace

dlgConfigMacro::dlgConfigMacro(Group* group, Macro* macro, const ReferenceLists& lists,
                               QWidget* parent)
    : QDialog(parent), ui(new Ui::dlgConfigMacro), group(group), macro(macro), lists(lists)
{
    ui->setupUi(this);
    logConstruction();
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->tabWidget->setCurrentIndex(0);

    validationTab = new ValidationTab(ui->treeValidation, this);
    validationTab->build(&lists.validations);
    ReferenceTree::addRows(ui->treeAutomation, &lists.automations);
    ui->tabAutomationIn->removeTab(ui->tabAutomationIn->indexOf(ui->tabSecure));

    ui->edtNumber->setValidator(new DigitIntValidator(1, 999, ui->edtNumber));
    ui->edtShortcut->setValidator(new DigitIntValidator(0, 249, ui->edtShortcut));
    nextMacroEdits = {ui->edtF0, ui->edtF1, ui->edtF2, ui->edtF3, ui->edtF4,
                      ui->edtF5, ui->edtF6, ui->edtF7, ui->edtF8, ui->edtF9};
    for (QLineEdit* edit : qAsConst(nextMacroEdits))
        edit->setMaxLength(3);

    registerFormCommands();

    violationTab = new ViolationTab(ui->treeViolation, ui->edtShortcut, this);
    ui->treeViolation->installEventFilter(this);
    connect(ui->tedForm, &TabledEditor::showInfo, this, &dlgConfigMacro::on_showFormInfo_triggered);
    connect(ui->tedConfText, &TabledEditor::showInfo, this,
            &dlgConfigMacro::on_showTextInfo_triggered);

    loadMacro();
    // Only now: the stored set may hold several validations and must come up
    // as stored.
    validationTab->makeChoiceExclusive();
    applyKindVisibility();
    new CutTextToolTip(ui->treeViolation);
    setSizeGripEnabled(true);
    restoreSize();
}

void dlgConfigMacro::restoreSize()
{
    const QSize stored = QSettings().value(QLatin1String(SizeKey)).toSize();
    resize(stored.isValid() ? stored : firstSize());
}

QSize dlgConfigMacro::firstSize() const
{
    // The grids ask for their whole screen; a tab widget asks only for part
    // of its tab bar, which some languages' labels need whole.
    QSize size = sizeHint();
    const QMargins margins = layout()->contentsMargins();
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int tabs = ui->tabWidget->tabBar()->sizeHint().width() + margins.left() +
                     margins.right() + 2 * frame + TabBarSlack;
    size.setWidth(qMax(size.width(), tabs));
    return size;
}

void dlgConfigMacro::done(int result)
{
    QSettings().setValue(QLatin1String(SizeKey), size());
    QDialog::done(result);
}

dlgConfigMacro::~dlgConfigMacro() = default;

QString dlgConfigMacro::number() const
{
    return ui->edtNumber->text();
}

QString dlgConfigMacro::name() const
{
    return ui->edtName->text();
}

QString dlgConfigMacro::sigla() const
{
    return ui->edtSigla->text();
}

int dlgConfigMacro::macroType() const
{
    return ui->cbxType->currentIndex();
}

void dlgConfigMacro::registerFormCommands()
{
    const struct
    {
        const char* label;
        const char* tag;
        int fixedLength;
        int defaultSize;
    } commands[] = {
        {QT_TR_NOOP("Login"), "[LLLLL]", 1, 7},
        {QT_TR_NOOP("Senha"), "[SSSSS]", 1, 7},
        {QT_TR_NOOP("Data"), "[dd/mm/aa]", 1, 6},
        {QT_TR_NOOP("Hora"), "[hh:mm]", 1, 6},
        {QT_TR_NOOP("Data/Hora"), "[dd/mm/aa][hh:mm]", 1, 6},
        {QT_TR_NOOP("Checagem"), "[e]", 1, 6},
        {QT_TR_NOOP("Seleção"), "[r]", 1, 6},
        {QT_TR_NOOP("Texto"), "[c]", 0, 12},
        {QT_TR_NOOP("Numérico"), "[n]", 0, 10},
        {QT_TR_NOOP("Decimal"), "[f]", 0, 10},
    };
    for (const auto& command : commands) {
        ui->tedForm->addCommand(tr(command.label).toUtf8(), QByteArray(command.tag), QByteArray(),
                                command.fixedLength, command.defaultSize);
    }
    ui->tedForm->createMenu();
    ui->tedForm->setHost(this);
}

// ---- Loading ----

void dlgConfigMacro::loadMacro()
{
    ui->edtNumber->setText(macro->num());
    ui->edtSigla->setText(macro->sigla());
    ui->edtName->setText(macro->name());
    ui->edtShortcut->setText(macro->shortcut());
    ui->cbxType->setCurrentIndex(macro->type());
    (macro->isSecurity() ? ui->rbSecurity : ui->rbInfo)->setChecked(true);

    QByteArray form = macro->form();
    form.replace('\0', ' ');
    ui->tedForm->loadForm(form.constData(), form.size());
    QByteArray confirmation = macro->confirmationText();
    confirmation.replace('\0', ' ');
    ui->tedConfText->loadForm(confirmation.constData(), confirmation.size());

    validationTab->load(macro->validationInt());
    const QList<quint8> actions = macro->automation();
    for (const quint8 action : actions)
        ReferenceTree::checkRow(ui->treeAutomation, int(action) - 1);

    ViolationTab::Lists violationLists;
    violationLists.violations = &lists.violations;
    violationLists.timerFlags = &lists.violationTimerFlags;
    violationLists.radiusViolations = &lists.radiusViolations;
    violationLists.reactions = &lists.reactions;
    violationTab->build(violationLists, *macro);

    loadNextMacros();
}

// Each entry goes to the slot it was configured in. An entry whose slot is
// missing, out of range or already taken (a damaged file) goes to the first
// free slot instead of being lost on the next OK.
void dlgConfigMacro::loadNextMacros()
{
    const QStringList flow = macro->flow();
    const QList<quint16> positions = macro->flowPos();
    QList<int> unplaced;
    for (int i = 0; i < flow.size(); ++i) {
        const int slot = i < positions.size() ? positions.at(i) : -1;
        if (slot >= 0 && slot < nextMacroEdits.size() && nextMacroEdits.at(slot)->text().isEmpty())
            nextMacroEdits.at(slot)->setText(flow.at(i));
        else
            unplaced.append(i);
    }
    for (const int i : qAsConst(unplaced)) {
        for (QLineEdit* edit : qAsConst(nextMacroEdits)) {
            if (edit->text().isEmpty()) {
                edit->setText(flow.at(i));
                break;
            }
        }
    }
}

// An information macro has no validation, automation, violations or
// confirmation text on the terminal; the marks stay, only hidden.
void dlgConfigMacro::applyKindVisibility()
{
    const bool info = ui->rbInfo->isChecked();
    const QList<QWidget*> properties{ui->treeValidation, ui->tabAutomationIn, ui->treeViolation,
                                     ui->tedConfText,    ui->lblTextLegend,   ui->lblTextInfo};
    for (QWidget* widget : properties)
        widget->setVisible(!info);
    for (QLabel* label : {ui->lblInfo, ui->lblInfo2, ui->lblInfo3, ui->lblInfo4})
        label->setVisible(info);
}

// ---- OK ----

void dlgConfigMacro::on_btnInsert_clicked()
{
    if (violationTab->anchorSelected() && !isNoShortcut(ui->edtShortcut->text()) &&
        !askAnchorQuestion())
        return;
    if (!validateIdentity())
        return;
    if (!checkNextMacros(false))
        return;
    storeMacro();
    accept();
}

bool dlgConfigMacro::askAnchorQuestion()
{
    QMessageBox box(QMessageBox::Question, tr("Atenção!"),
                    tr("A violação de âncora foi selecionada, ao confirmar essa ação, o atalho "
                       "será excluído"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(tr("Sim"));
    box.button(QMessageBox::No)->setText(tr("Não"));
    return box.exec() == QMessageBox::Yes;
}

// Collects every fault in one message. The number, shortcut and character
// checks replace what was collected before them; the form, acronym and
// radius checks add to it.
bool dlgConfigMacro::validateIdentity()
{
    QString message;
    bool failed = false;

    const QString num = ui->edtNumber->text();
    const Macro* sameNumber = group ? group->findByNumber(num) : nullptr;
    if (num.isEmpty() || num.toInt() < 1) {
        // "0" passes the number validator as unfinished input; it is no
        // macro number either.
        message = tr("O campo 'Numero' deve ser maior que zero.");
        ui->edtNumber->setFocus();
        failed = true;
    } else if (sameNumber && sameNumber != macro) {
        message = tr("O número da macro já existe.");
        ui->edtNumber->setFocus();
        failed = true;
    }

    // The same refusal as in the new-macro dialog: a macro needs a name.
    if (ui->edtName->text().trimmed().isEmpty()) {
        if (!message.isEmpty())
            message += QLatin1Char('\n');
        message += QCoreApplication::translate("dlgNovaMacro",
                                               "O campo \"Nome\"' da macro deve ser preenchido!");
        ui->edtName->setFocus();
        failed = true;
    }

    const QByteArray form = formText();
    const int badLine = TabledEditor::checkFields(form.constData(), form.size());
    if (badLine > 0) {
        message += tr("Arquivo inválido, necessário ajuste da tag na linha") + QLatin1Char('\n') +
                   QString::number(badLine);
        ui->tabWidget->setCurrentWidget(ui->tabForm);
        failed = true;
    }

    const QString acronym = ui->edtSigla->text();
    const Macro* sameSigla = group ? group->findBySigla(acronym) : nullptr;
    if (acronym.isEmpty()) {
        message += tr("\nO campo 'Sigla' deve ser preenchido.");
        ui->edtSigla->setFocus();
        failed = true;
    } else if (sameSigla && sameSigla != macro) {
        message += tr("\nA sigla da macro já existe.");
        ui->edtSigla->setFocus();
        failed = true;
    }

    // A macro with the anchor violation loses its shortcut on OK: its range
    // does not matter.
    const QString shortcut = ui->edtShortcut->text();
    if (!shortcut.isEmpty() && !violationTab->anchorSelected()) {
        bool isNumber = false;
        const int value = shortcut.toInt(&isNumber, 10);
        if (!isNumber || value < 0 || value > 249) {
            message = tr("\nO campo 'Atalho' deve ser maior que zero e menor que 249.");
            ui->edtShortcut->setFocus();
            failed = true;
        }
    }

    if (!checkIdentityCharacters(ui->edtName, tr("\nO nome da macro não pode conter acentos!"),
                                 &message))
        failed = true;
    if (!checkIdentityCharacters(ui->edtSigla, tr("\nA sigla não pode conter acentos!"), &message))
        failed = true;

    QString anchorMessage;
    if (!violationTab->checkAnchorLimits(&anchorMessage)) {
        message += anchorMessage;
        failed = true;
    }

    if (failed)
        QMessageBox::warning(this, tr("Erro!"), message, QMessageBox::Ok);
    return !failed;
}

// Puts the field in upper case; a field with refused characters is also
// corrected, takes the focus and replaces the message with refusal.
bool dlgConfigMacro::checkIdentityCharacters(QLineEdit* field, const QString& refusal,
                                             QString* message)
{
    const QString text = field->text();
    field->setText(IdentityText::corrected(text));
    if (IdentityText::isAccepted(text))
        return true;
    *message = refusal;
    field->setFocus();
    return false;
}

bool dlgConfigMacro::checkNextMacros(bool verbose)
{
    QStringList flow;
    for (int slot = 0; slot < nextMacroEdits.size(); ++slot) {
        const QString acronym = nextMacroEdits.at(slot)->text();
        if (acronym.isEmpty())
            continue;
        if (!group || !group->findBySigla(acronym)) {
            showBox(this, QMessageBox::Warning, tr("Atenção!"),
                    tr("Sigla da função F%1 não existe!").arg(slot), tr("Ok"));
            return false;
        }
        flow.append(acronym);
    }
    if (violationTab->anchorRowChecked() &&
        group->wouldCreateAnchorSequence(ui->edtSigla->text(), true, flow)) {
        group->showAnchorSequenceError();
        return false;
    }
    if (verbose) {
        showBox(this, QMessageBox::Information, tr("Informação"), tr("Verificação concluída!"),
                tr("Ok"));
    }
    return true;
}

// The one place that writes the macro.
void dlgConfigMacro::storeMacro()
{
    macro->setNum(ui->edtNumber->text());
    if (violationTab->anchorSelected())
        ui->edtShortcut->clear();
    macro->setShortcut(ui->edtShortcut->text());
    macro->setSigla(ui->edtSigla->text());
    macro->setName(ui->edtName->text());
    // A type outside the list (a damaged file) leaves the combo without a
    // choice; the macro then keeps the type it had.
    if (ui->cbxType->currentIndex() >= 0)
        macro->setType(ui->cbxType->currentIndex());
    macro->setSecurity(ui->rbSecurity->isChecked());

    const QByteArray form = formText();
    macro->setForm(form);
    QByteArray fields(Macro::ScreenSize, '\0');
    ui->tedForm->writeFieldTable(fields.data(), fields.size());
    macro->setFormFields(fields.left(FieldTableSize));
    macro->setConfirmationText(confirmationText());

    macro->setValidationInt(validationTab->bits(form));
    QList<quint8> actions;
    const QList<int> rows = ReferenceTree::markedRows(ui->treeAutomation);
    for (const int row : rows)
        actions.append(quint8(row + 1));
    macro->setAutomation(actions);

    const ViolationTab::Selection chosen = violationTab->selection();
    macro->setViolation(chosen.violations);
    macro->setViolationReactions(chosen.reactions);
    macro->setViolationTimers(chosen.timers);

    storeNextMacros();
    macro->setRaio(violationTab->anchorRadius());
}

void dlgConfigMacro::storeNextMacros()
{
    QStringList flow;
    QList<quint16> numbers;
    QList<quint16> positions;
    for (int slot = 0; slot < nextMacroEdits.size(); ++slot) {
        const QString acronym = nextMacroEdits.at(slot)->text();
        if (acronym.isEmpty())
            continue;
        const Macro* next = group ? group->findBySigla(acronym) : nullptr;
        flow.append(acronym);
        numbers.append(next ? next->num().toUShort() : 0);
        positions.append(quint16(slot));
    }
    macro->setFlow(flow);
    macro->setFlowNum(numbers);
    macro->setFlowPos(positions);
}

// The grids export through zero-filled buffers: unused cells are NUL bytes.
QByteArray dlgConfigMacro::formText() const
{
    QByteArray text(Macro::ScreenSize, '\0');
    ui->tedForm->readForm(text.data(), text.size());
    return text;
}

QByteArray dlgConfigMacro::confirmationText() const
{
    QByteArray text(Macro::ScreenSize, '\0');
    ui->tedConfText->readForm(text.data(), text.size());
    return text;
}

// ---- Other slots ----

void dlgConfigMacro::on_btnCancelar_clicked()
{
    reject();
}

void dlgConfigMacro::on_btnValidate_clicked()
{
    checkNextMacros(true);
}

void dlgConfigMacro::on_rbSecurity_clicked()
{
    applyKindVisibility();
}

void dlgConfigMacro::on_rbInfo_clicked()
{
    applyKindVisibility();
}

void dlgConfigMacro::on_edtName_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtName, arg1);
}

void dlgConfigMacro::on_edtSigla_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtSigla, arg1);
}

void dlgConfigMacro::on_edtF0_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF0, arg1);
}

void dlgConfigMacro::on_edtF1_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF1, arg1);
}

void dlgConfigMacro::on_edtF2_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF2, arg1);
}

void dlgConfigMacro::on_edtF3_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF3, arg1);
}

void dlgConfigMacro::on_edtF4_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF4, arg1);
}

void dlgConfigMacro::on_edtF5_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF5, arg1);
}

void dlgConfigMacro::on_edtF6_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF6, arg1);
}

void dlgConfigMacro::on_edtF7_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF7, arg1);
}

void dlgConfigMacro::on_edtF8_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF8, arg1);
}

void dlgConfigMacro::on_edtF9_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtF9, arg1);
}

void dlgConfigMacro::on_showFormInfo_triggered(int iRow, int iCol)
{
    ui->lblFormInfo->setText(tr("L: %1, C: %2").arg(iRow).arg(iCol));
}

void dlgConfigMacro::on_showTextInfo_triggered(int iRow, int iCol)
{
    ui->lblTextInfo->setText(tr("L: %1, C: %2").arg(iRow).arg(iCol));
}

void dlgConfigMacro::on_treeViolation_clicked(const QModelIndex& index)
{
    Q_UNUSED(index)
    violationTab->enforceMaximum();
}

// ---- Keys ----

// Return must not press OK from a line edit, so keys skip the dialog's
// default-button handling; Escape still rejects.
void dlgConfigMacro::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ui->treeViolation->hasFocus())
        violationTab->navigate();
    if (key == Qt::Key_Escape) {
        event->accept();
        close();
    }
}

bool dlgConfigMacro::eventFilter(QObject* obj, QEvent* event)
{
    if (obj == ui->treeViolation && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        violationTab->toggleCurrentItem();
        return true;
    }
    return QDialog::eventFilter(obj, event);
}
