#pragma once

#include <QString>

namespace Version {

// The version as the window title and the About box show it: "4.2.3 ",
// with the trailing blank of the original pattern.
inline QString displayText()
{
    return QStringLiteral("%1.%2.%3%4").arg(4).arg(2).arg(3).arg(QStringLiteral(" "));
}

// The plain version number, as "-v" prints it.
inline QString number()
{
    return QStringLiteral(ZOR_VERSION_TEXT);
}

} // namespace Version
