#pragma once

#include "app/zorobject.h"
#include "simulator/terminalsession.h"

#include <QDialog>

#include <memory>

class Group;
class QPushButton;

namespace Ui {
class dlgSimulator;
}

// "Simular": the open group on a window that looks like the driver's
// terminal: its screen, the function keys F0 to F9 with the acronyms they
// lead to, Enviar and Voltar, and the messages sent so far. The session
// works on a copy of the group taken when the window opens, so the group is
// never changed. Refusals show under the screen, never in a message box.
class dlgSimulator : public QDialog, private ZorObject
{
    Q_OBJECT

public:
    explicit dlgSimulator(const Group& group, QWidget* parent = nullptr);
    ~dlgSimulator() override;

    const TerminalSession& session() const { return m_session; }

private slots:
    void on_btnOpen_clicked();
    void on_edtMacro_returnPressed();
    void on_btnSend_clicked();
    void on_btnBack_clicked();
    void on_btnClose_clicked();

private:
    void pressKey(int key);
    // Shows the refusal, or the session's new state when there is none.
    void step(const QString& refusal, bool newScreen = true);
    void refresh();
    QString stateText() const;

    std::unique_ptr<Ui::dlgSimulator> ui;
    TerminalSession m_session;
    QList<QPushButton*> m_keys;
};
