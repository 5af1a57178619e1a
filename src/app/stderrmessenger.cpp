#include "stderrmessenger.h"

#include <QTextDocumentFragment>

#include <cstdio>

void StderrMessenger::show(const UserMessage& message)
{
    const QByteArray text = plainText(message).toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
    std::fflush(stderr);
}

QString StderrMessenger::plainText(const UserMessage& message)
{
    if (!message.richText)
        return message.text;
    return QTextDocumentFragment::fromHtml(message.text).toPlainText();
}
