#include "dlgsimulator.h"

#include "ui_dlgsimulator.h"

#include "digitintvalidator.h"

dlgSimulator::dlgSimulator(const Group& group, QWidget* parent)
    : QDialog(parent), ui(new Ui::dlgSimulator), m_session(group)
{
    logConstruction();
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->edtMacro->setValidator(new DigitIntValidator(1, 999, ui->edtMacro));
    m_keys = {ui->btnF0, ui->btnF1, ui->btnF2, ui->btnF3, ui->btnF4,
              ui->btnF5, ui->btnF6, ui->btnF7, ui->btnF8, ui->btnF9};
    for (int key = 0; key < m_keys.size(); ++key)
        connect(m_keys.at(key), &QPushButton::clicked, this, [this, key] { pressKey(key); });
    ui->screen->setSession(&m_session);
    connect(ui->screen, &TerminalScreenView::refused, ui->lblMessage, &QLabel::setText);
    connect(ui->screen, &TerminalScreenView::edited, ui->lblMessage, &QLabel::clear);
    refresh();
    ui->edtMacro->setFocus();
}

dlgSimulator::~dlgSimulator() = default;

void dlgSimulator::on_btnOpen_clicked()
{
    bool isNumber = false;
    const int number = ui->edtMacro->text().toInt(&isNumber);
    if (!isNumber) {
        ui->lblMessage->setText(tr("Digite o número de uma macro da lista."));
        return;
    }
    step(m_session.open(number));
    if (m_session.stage() != TerminalSession::Stage::Start)
        ui->screen->setFocus();
}

void dlgSimulator::on_edtMacro_returnPressed()
{
    on_btnOpen_clicked();
}

void dlgSimulator::on_btnSend_clicked()
{
    const QString refusal = m_session.send();
    if (refusal.isEmpty()) {
        ui->lstMessages->addItem(
            QString::fromUtf8(m_session.sentMessages().constLast().jsonLine()));
        ui->lstMessages->scrollToBottom();
    }
    step(refusal);
}

void dlgSimulator::on_btnBack_clicked()
{
    step(m_session.back());
    ui->edtMacro->setFocus();
    ui->edtMacro->selectAll();
}

void dlgSimulator::on_btnClose_clicked()
{
    accept();
}

void dlgSimulator::pressKey(int key)
{
    step(m_session.next(key));
    ui->screen->setFocus();
}

void dlgSimulator::step(const QString& refusal, bool newScreen)
{
    ui->lblMessage->setText(refusal);
    if (!refusal.isEmpty())
        return;
    if (newScreen)
        ui->screen->reset();
    refresh();
}

void dlgSimulator::refresh()
{
    const TerminalSession::Stage stage = m_session.stage();
    for (int key = 0; key < m_keys.size(); ++key) {
        const QString sigla = m_session.keySigla(key);
        m_keys.at(key)->setText(QStringLiteral("F%1\n%2").arg(key).arg(sigla));
        // After the text, which sets a button's shortcut from its mnemonic. A
        // desktop keyboard has no F0, and F1 is help: Ctrl and the digit.
        m_keys.at(key)->setShortcut(QKeySequence(int(Qt::CTRL) + int(Qt::Key_0) + key));
        m_keys.at(key)->setEnabled(m_session.offersKeys() && !sigla.isEmpty());
    }
    ui->btnSend->setEnabled(stage == TerminalSession::Stage::Form);
    ui->btnBack->setEnabled(stage != TerminalSession::Stage::Start);
    ui->edtMacro->setEnabled(stage == TerminalSession::Stage::Start);
    ui->btnOpen->setEnabled(stage == TerminalSession::Stage::Start);
    ui->lblState->setText(stateText());
    ui->screen->update();
}

QString dlgSimulator::stateText() const
{
    const TerminalMacro* macro = m_session.macro();
    switch (m_session.stage()) {
    case TerminalSession::Stage::Start:
        return tr("Tela inicial: digite o número de uma macro e Abrir. Page Up e Page Down "
                  "mudam de página.");
    case TerminalSession::Stage::Form:
        return tr("Macro %1 (%2): preencha os campos (Para cima, Para baixo e Enter mudam de "
                  "campo; Espaço marca) e Enviar.")
            .arg(macro->num, macro->sigla);
    case TerminalSession::Stage::Information:
        return tr("Macro %1 (%2), de informação: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou "
                  "Voltar.")
            .arg(macro->num, macro->sigla);
    case TerminalSession::Stage::Sent:
        return tr("Macro %1 (%2) enviada: siga por F0 a F9 (também Ctrl+0 a Ctrl+9) ou Voltar.")
            .arg(macro->num, macro->sigla);
    }
    return QString();
}
