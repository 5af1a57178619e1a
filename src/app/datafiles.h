#pragma once

#include <QString>

// Where the INI data files are found: the working directory first, as fleet
// installations have always placed them, then the "data" folder a build puts
// beside the executable, then "../share/zor" from the executable, where an
// installation puts them under any prefix. So the editor started from a
// desktop menu or another folder still finds them.
class DataFiles
{
public:
    // The path of the first existing regular file of that name, or an empty
    // text when there is none.
    static QString locate(const QString& fileName);
};
