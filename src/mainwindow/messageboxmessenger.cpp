#include "messageboxmessenger.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon boxIcon(UserMessage::Icon icon)
{
    switch (icon) {
    case UserMessage::Icon::Information: return QMessageBox::Information;
    case UserMessage::Icon::Warning: return QMessageBox::Warning;
    case UserMessage::Icon::Critical: return QMessageBox::Critical;
    case UserMessage::Icon::NoIcon: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MessageBoxMessenger::show(const UserMessage& message)
{
    QMessageBox box(boxIcon(message.icon), message.title, message.text);
    box.setTextFormat(message.richText ? Qt::RichText : Qt::PlainText);
    if (message.richText)
        box.setTextInteractionFlags(Qt::TextBrowserInteraction);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    if (!message.buttonText.isEmpty())
        ok->setText(message.buttonText);
    box.exec();
}
