#pragma once

#include "app/referencelists.h"
#include "app/zorobject.h"

#include <QDialog>
#include <QList>

#include <memory>

class Group;
class Macro;
class QLineEdit;
class QStringList;
class QTreeWidgetItem;
class ValidationTab;
class ViolationTab;

namespace Ui {
class dlgConfigMacro;
}

// Edits one macro of the open group in full: its identity, its form, and on
// further tabs its validations, automation actions, watched violations, the
// macros that may follow it and its confirmation text. Nothing reaches the
// macro until OK has passed every check; OK then writes every field at once
// and Cancel leaves the macro as it was.
class dlgConfigMacro : public QDialog, private ZorObject
{
    Q_OBJECT

public:
    // The lists are the main window's reference data; they must outlive the
    // dialog. The dialog offers no secure-mode page and keeps the macro's
    // sensors and actuators as they are.
    dlgConfigMacro(Group* group, Macro* macro, const ReferenceLists& lists,
                   QWidget* parent = nullptr);
    ~dlgConfigMacro() override;

    // Read by the main window after acceptance to refresh the macro's box.
    QString number() const;
    QString name() const;
    QString sigla() const;
    int macroType() const;

    // Checks the next-macro slots: each acronym must name a macro of the
    // group, and the anchor sequencing rule must hold. verbose adds the
    // success box.
    bool checkNextMacros(bool verbose);

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* obj, QEvent* event) override;

private slots:
    void on_btnInsert_clicked();
    void on_btnCancelar_clicked();
    void on_btnValidate_clicked();
    void on_rbSecurity_clicked();
    void on_rbInfo_clicked();
    void on_edtName_textEdited(const QString& arg1);
    void on_edtSigla_textEdited(const QString& arg1);
    void on_edtF0_textEdited(const QString& arg1);
    void on_edtF1_textEdited(const QString& arg1);
    void on_edtF2_textEdited(const QString& arg1);
    void on_edtF3_textEdited(const QString& arg1);
    void on_edtF4_textEdited(const QString& arg1);
    void on_edtF5_textEdited(const QString& arg1);
    void on_edtF6_textEdited(const QString& arg1);
    void on_edtF7_textEdited(const QString& arg1);
    void on_edtF8_textEdited(const QString& arg1);
    void on_edtF9_textEdited(const QString& arg1);
    void on_treeViolation_clicked(const QModelIndex& index);

private:
    // Cursor labels of the two grid editors, connected to their showInfo
    // signals (not by name: no widget carries these names).
    void on_showFormInfo_triggered(int iRow, int iCol);
    void on_showTextInfo_triggered(int iRow, int iCol);

    void registerFormCommands();
    // The size the dialog had when last closed; the first time, room for a
    // whole terminal screen and for the label of every tab.
    void restoreSize();
    QSize firstSize() const;
    void loadMacro();
    void loadNextMacros();
    void applyKindVisibility();

    bool askAnchorQuestion();
    bool validateIdentity();
    bool checkIdentityCharacters(QLineEdit* field, const QString& refusal, QString* message);
    void storeMacro();
    void storeNextMacros();

    QByteArray formText() const;
    QByteArray confirmationText() const;

    std::unique_ptr<Ui::dlgConfigMacro> ui;
    Group* group;
    Macro* macro;
    const ReferenceLists& lists;
    QList<QLineEdit*> nextMacroEdits;
    ValidationTab* validationTab = nullptr;
    ViolationTab* violationTab = nullptr;
};
