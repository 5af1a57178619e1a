#pragma once

#include <QString>

class QJsonObject;

// Whether the root object of an .mcx document has the keys and types the
// reader relies on. On failure it names the first offending key, as the
// message to the user shows it.
class McxStructureCheck
{
public:
    static bool check(const QJsonObject& root, QString* key);

private:
    static bool checkHeader(const QJsonObject& header, QString* key);
    static bool checkMacro(const QJsonObject& macro, QString* key);
};
