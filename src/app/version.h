#pragma once

#include <QString>

namespace Version {

// The plain version number, as "-v" prints it. The project's version in
// CMake is its one source.
inline QString number()
{
    return QStringLiteral(ZOR_VERSION_TEXT);
}

// The version as the window title and the About box show it, followed by a
// blank: "4.2.3 ".
inline QString displayText()
{
    return number() + QLatin1Char(' ');
}

} // namespace Version
