#pragma once

#include "app/zorobject.h"

#include <QDialog>

#include <memory>

namespace Ui {
class dlgAbout;
}

// The About box: logo, product name and version.
class dlgAbout : public QDialog, private ZorObject
{
    Q_OBJECT

public:
    explicit dlgAbout(QWidget* parent = nullptr);
    ~dlgAbout() override;

private:
    std::unique_ptr<Ui::dlgAbout> ui;
};
