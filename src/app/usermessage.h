#pragma once

#include <QString>

// A message for the user raised below the GUI (file version, file
// structure, anchor sequence). The GUI shows it in a message box, a headless
// run prints it, a test records it.
struct UserMessage
{
    enum class Icon { NoIcon, Information, Warning, Critical };

    Icon icon = Icon::Warning;
    QString title;
    QString text;
    bool richText = false;
    // Text of the single acknowledging button; empty means the toolkit's own.
    QString buttonText;
};
