#include "dlgabout.h"

#include "ui_dlgabout.h"

#include "app/version.h"

dlgAbout::dlgAbout(QWidget* parent) : QDialog(parent), ui(new Ui::dlgAbout)
{
    logConstruction();
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->lblInfo->setText(ui->lblInfo->text().arg(Version::displayText()));
}

dlgAbout::~dlgAbout() = default;
