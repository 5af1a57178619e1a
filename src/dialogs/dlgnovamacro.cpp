#include "dlgnovamacro.h"

#include "ui_dlgnovamacro.h"

#include "digitintvalidator.h"
#include "model/identitytext.h"

#include <QMessageBox>

namespace {

// Upper-cases the field; when it holds refused characters, first drops them,
// keeping the base letter of an accented one. Returns whether it was clean.
bool correctCharacters(QLineEdit* field)
{
    const QString text = field->text();
    field->setText(IdentityText::corrected(text));
    return IdentityText::isAccepted(text);
}

// Upper-cases the field as it is typed, leaving the cursor where it was.
void upperCaseKeepingCursor(QLineEdit* field, const QString& text)
{
    const int cursor = field->cursorPosition();
    field->setText(text.toUpper());
    field->setCursorPosition(cursor);
}

} // namespace

dlgNovaMacro::dlgNovaMacro(QWidget* parent) : QDialog(parent), ui(new Ui::dlgNovaMacro)
{
    ui->setupUi(this);
    logConstruction();
    ui->edtShortcut->setValidator(new DigitIntValidator(0, 249, ui->edtShortcut));
    // The number is stored as decimal digits and saved as an integer: text
    // that is not a number would be saved as macro 0. Same range as the
    // configure dialog.
    ui->edtNumber->setValidator(new DigitIntValidator(1, 999, ui->edtNumber));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->edtNumber->setFocus();
}

dlgNovaMacro::~dlgNovaMacro() = default;

QString dlgNovaMacro::number() const
{
    return ui->edtNumber->text();
}

QString dlgNovaMacro::name() const
{
    return ui->edtName->text();
}

QString dlgNovaMacro::shortcut() const
{
    return ui->edtShortcut->text();
}

QString dlgNovaMacro::sigla() const
{
    return ui->edtSigla->text();
}

int dlgNovaMacro::macroType() const
{
    return ui->cbxType->currentIndex() - 1;
}

bool dlgNovaMacro::isInfo() const
{
    return ui->rbInfo->isChecked();
}

void dlgNovaMacro::reportNumberExists()
{
    report(ui->edtNumber, tr("O número da macro já existe."));
}

void dlgNovaMacro::reportShortcutExists()
{
    report(ui->edtShortcut, tr("O atalho da macro já existe."));
}

void dlgNovaMacro::reportSiglaExists()
{
    report(ui->edtSigla, tr("A sigla da macro já existe."));
}

void dlgNovaMacro::finish(bool ok)
{
    if (ok)
        accept();
    else
        reject();
}

// Every check runs; a later failure replaces the message of an earlier one,
// so the box shows the last. The corrections of the name and the acronym
// stay in the fields whatever else fails.
void dlgNovaMacro::on_btnInsert_clicked()
{
    QString message;
    QWidget* focusField = nullptr;
    bool error = !checkRequiredFields(&message, &focusField);

    if (!correctCharacters(ui->edtName)) {
        message = tr("O nome da macro não pode conter acentos!");
        ui->edtName->setFocus();
        error = true;
    }
    if (!correctCharacters(ui->edtSigla)) {
        message = tr("A sigla não pode conter acentos!");
        ui->edtSigla->setFocus();
        error = true;
    }
    if (!shortcutInRange()) {
        message = tr("\nO campo 'Atalho' deve ser maior que zero e menor que 249.");
        ui->edtShortcut->setFocus();
        error = true;
    }

    if (!error) {
        emit check(number(), shortcut(), sigla());
        return;
    }
    showError(message);
    if (focusField)
        focusField->setFocus();
}

void dlgNovaMacro::on_btnCancelar_clicked()
{
    reject();
}

void dlgNovaMacro::on_edtName_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtName, arg1);
}

void dlgNovaMacro::on_edtSigla_textEdited(const QString& arg1)
{
    upperCaseKeepingCursor(ui->edtSigla, arg1);
}

// The first empty field, in the order of the form, is the one reported.
bool dlgNovaMacro::checkRequiredFields(QString* message, QWidget** focusField)
{
    const struct
    {
        QLineEdit* field;
        QString message;
    } required[] = {
        {ui->edtNumber, tr("O campo \"Número\" da macro deve ser preenchido!")},
        {ui->edtName, tr("O campo \"Nome\"' da macro deve ser preenchido!")},
        {ui->edtSigla, tr("O campo \"Sigla\" da macro deve ser preenchido!")},
    };
    for (const auto& entry : required) {
        if (entry.field->text().isEmpty()) {
            *message = entry.message;
            *focusField = entry.field;
            return false;
        }
    }
    if (ui->cbxType->currentIndex() == 0) {
        *message = tr("Deve ser definido o tipo da macro!");
        ui->cbxType->setFocus();
        return false;
    }
    return true;
}

// An empty shortcut means none. The validator keeps typed text in range;
// text that is not a number at all is refused like one out of range.
bool dlgNovaMacro::shortcutInRange() const
{
    const QString text = ui->edtShortcut->text();
    if (text.isEmpty())
        return true;
    bool isNumber = false;
    const int value = text.toInt(&isNumber, 10);
    return isNumber && value >= 0 && value <= 249;
}

void dlgNovaMacro::showError(const QString& message)
{
    QMessageBox::warning(this, tr("Erro!"), message, QMessageBox::Ok);
}

void dlgNovaMacro::report(QLineEdit* field, const QString& message)
{
    field->setFocus(Qt::OtherFocusReason);
    showError(message);
}
