#pragma once

#include "app/zorobject.h"

#include <QDialog>

#include <memory>

namespace Ui {
class dlgGroup;
}

// Asks for the name and the description of a macro group (new group, save
// as). The caller reads name() and description() after exec() accepted.
class dlgGroup : public QDialog, private ZorObject
{
    Q_OBJECT

public:
    explicit dlgGroup(QWidget* parent = nullptr);
    ~dlgGroup() override;

    QString name() const;
    QString description() const;
    void setName(const QString& name);
    // Inserts the text at the cursor of the (initially empty) description.
    void setDescription(const QString& description);

signals:
    // Kept for listeners of the dialog's interface; the dialog never emits
    // it, since its callers read the accessors once it is accepted.
    void newGroup(QString name, QString description);

private slots:
    void on_qpbOk_clicked();
    void on_qpbCancel_clicked();
    void on_qtextDescription_textChanged();

private:
    std::unique_ptr<Ui::dlgGroup> ui;
};
