#pragma once

#include "app/zorobject.h"

#include <QDialog>

#include <memory>

class QLineEdit;

namespace Ui {
class dlgNovaMacro;
}

// Asks for the identity of a new macro: number, name, acronym, shortcut,
// type and kind. OK checks the fields on their own and then emits check();
// the handler connected to it looks for duplicates in the open group and
// answers with one of the report operations or with finish(). The dialog
// never touches a group: the caller reads the accessors after exec().
class dlgNovaMacro : public QDialog, private ZorObject
{
    Q_OBJECT

public:
    explicit dlgNovaMacro(QWidget* parent = nullptr);
    ~dlgNovaMacro() override;

    QString number() const;
    QString name() const;
    QString shortcut() const;
    QString sigla() const;
    // The type code of the macro, 0 to 6; -1 while no type is chosen.
    int macroType() const;
    bool isInfo() const;

public slots:
    void reportNumberExists();
    void reportShortcutExists();
    void reportSiglaExists();
    void finish(bool ok);

signals:
    void check(QString number, QString shortcut, QString sigla);

private slots:
    void on_btnInsert_clicked();
    void on_btnCancelar_clicked();
    void on_edtName_textEdited(const QString& arg1);
    void on_edtSigla_textEdited(const QString& arg1);

private:
    bool checkRequiredFields(QString* message, QWidget** focusField);
    bool shortcutInRange() const;
    void showError(const QString& message);
    void report(QLineEdit* field, const QString& message);

    std::unique_ptr<Ui::dlgNovaMacro> ui;
};
