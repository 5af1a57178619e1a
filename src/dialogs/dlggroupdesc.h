#pragma once

#include "app/zorobject.h"

#include <QDialog>

#include <memory>

namespace Ui {
class dlgGroupDesc;
}

// Edits the description of the open group (a click on the information
// list). Ok hands the text over through newDescription, even when unchanged.
class dlgGroupDesc : public QDialog, private ZorObject
{
    Q_OBJECT

public:
    explicit dlgGroupDesc(const QString& description, QWidget* parent = nullptr);
    ~dlgGroupDesc() override;

signals:
    void newDescription(QString description);

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_edtDescription_textChanged(const QString& arg1);

private:
    std::unique_ptr<Ui::dlgGroupDesc> ui;
};
