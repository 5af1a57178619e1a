#pragma once

class Macro;
class QJsonObject;

// The key sets of a macro object in an .mcx file: the current one (version
// 2100, Portuguese keys, written and read) and that of version 2000 (English
// keys, fixed-size arrays, read only).
class MacroJson
{
public:
    static constexpr int Version2000 = 2000;

    // Reads every field from json into macro; a missing key or a value of
    // another type gives the JSON default of its conversion.
    static void read(Macro& macro, const QJsonObject& json, int version);
    // Writes every key of the current format.
    static void write(const Macro& macro, QJsonObject& json);

private:
    static void readCurrent(Macro& macro, const QJsonObject& json);
    static void readVersion2000(Macro& macro, const QJsonObject& json);
    static void readCommon(Macro& macro, const QJsonObject& json);
    static void writeFlow(const Macro& macro, QJsonObject& json);
    static void writeViolations(const Macro& macro, QJsonObject& json);
};
