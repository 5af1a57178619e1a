#include "dlggroup.h"

#include "ui_dlggroup.h"

#include "descriptionlimit.h"

dlgGroup::dlgGroup(QWidget* parent) : QDialog(parent), ui(new Ui::dlgGroup)
{
    logConstruction();
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

dlgGroup::~dlgGroup() = default;

QString dlgGroup::name() const
{
    return ui->qleName->text();
}

QString dlgGroup::description() const
{
    return ui->qtextDescription->toPlainText();
}

void dlgGroup::setName(const QString& name)
{
    ui->qleName->setText(name);
}

void dlgGroup::setDescription(const QString& description)
{
    ui->qtextDescription->insertPlainText(description);
}

void dlgGroup::on_qpbOk_clicked()
{
    accept();
}

void dlgGroup::on_qpbCancel_clicked()
{
    reject();
}

void dlgGroup::on_qtextDescription_textChanged()
{
    const QString text = ui->qtextDescription->toPlainText();
    if (DescriptionLimit::fits(text))
        return;
    const QSignalBlocker blocker(ui->qtextDescription);
    ui->qtextDescription->clear();
    ui->qtextDescription->insertPlainText(DescriptionLimit::cut(text));
}
