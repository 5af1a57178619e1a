#include "dlggroupdesc.h"

#include "ui_dlggroupdesc.h"

#include "descriptionlimit.h"

dlgGroupDesc::dlgGroupDesc(const QString& description, QWidget* parent)
    : QDialog(parent), ui(new Ui::dlgGroupDesc)
{
    logConstruction();
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(size());
    ui->edtDescription->setText(description);
    ui->edtDescription->selectAll();
}

dlgGroupDesc::~dlgGroupDesc() = default;

void dlgGroupDesc::on_pushButton_clicked()
{
    emit newDescription(ui->edtDescription->text());
    accept();
}

void dlgGroupDesc::on_pushButton_2_clicked()
{
    reject();
}

void dlgGroupDesc::on_edtDescription_textChanged(const QString& arg1)
{
    if (DescriptionLimit::fits(arg1))
        return;
    const QSignalBlocker blocker(ui->edtDescription);
    ui->edtDescription->clear();
    ui->edtDescription->setText(DescriptionLimit::cut(arg1));
}
