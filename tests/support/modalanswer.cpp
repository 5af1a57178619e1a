#include "modalanswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <memory>

namespace ZorTest {

namespace {

void poll(std::shared_ptr<std::function<void(QWidget*)>> handler, QPointer<QWidget> before,
          std::shared_ptr<QElapsedTimer> clock, int timeoutMs)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != before && modal->isVisible()) {
        (*handler)(modal);
        return;
    }
    if (clock->elapsed() > timeoutMs) {
        qWarning() << "answerNextModal: no modal widget opened";
        return;
    }
    QTimer::singleShot(10, [=] { poll(handler, before, clock, timeoutMs); });
}

} // namespace

void answerNextModal(std::function<void(QWidget* modal)> handler, int timeoutMs)
{
    auto shared = std::make_shared<std::function<void(QWidget*)>>(std::move(handler));
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [=] { poll(shared, before, clock, timeoutMs); });
}

void answerBox(const QString& buttonText, SeenBox* seen, std::function<void()> next, int timeoutMs)
{
    const auto answer = [=](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            qWarning() << "answerBox: the modal widget is not a message box" << modal;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            return;
        }
        QAbstractButton* chosen = nullptr;
        QStringList texts;
        const QList<QAbstractButton*> buttons = box->buttons();
        for (QAbstractButton* button : buttons) {
            texts.append(button->text());
            if (button->text() == buttonText)
                chosen = button;
        }
        if (seen)
            *seen = {true, box->windowTitle(), box->text(), box->informativeText(), box->icon(),
                     texts};
        if (!chosen && buttonText.isEmpty())
            chosen = box->escapeButton();
        if (!chosen && buttonText.isEmpty())
            chosen = box->defaultButton();
        if (!chosen) {
            qWarning() << "answerBox: no button" << buttonText << "in" << box->text();
            if (!buttons.isEmpty())
                chosen = buttons.first();
        }
        if (next)
            next();
        if (chosen)
            chosen->click();
        else
            box->done(0);
    };
    answerNextModal(answer, timeoutMs);
}

UnexpectedBoxes::UnexpectedBoxes()
{
    timer.setInterval(50);
    QObject::connect(&timer, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts.append(box->text());
            box->done(QMessageBox::Ok);
        }
    });
    timer.start();
}

void closeAllModals()
{
    while (QWidget* modal = QApplication::activeModalWidget()) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog)
            break;
        dialog->done(QDialog::Rejected);
        QApplication::processEvents();
    }
}

} // namespace ZorTest
