#pragma once

#include <QCoreApplication>

class CompactJsonWriter;
class Macro;
class QJsonObject;
class QStringList;
struct MacroFields;

// The key sets of a macro object in an .mcx file: the current one (version
// 2100, Portuguese keys, written and read) and that of version 2000 (English
// keys, fixed-size arrays, read only).
class MacroJson
{
    Q_DECLARE_TR_FUNCTIONS(MacroJson)

public:
    static constexpr int Version2000 = 2000;

    // Reads every field from json into macro; a missing key or a value of
    // another type gives the JSON default of its conversion. Each value
    // that is no integer where one belongs, or that does not fit in its
    // field and is kept as another, is told in notes, when given.
    static void read(Macro& macro, const QJsonObject& json, int version,
                     QStringList* notes = nullptr);
    // The values read from a macro object of the current format.
    static MacroFields currentFields(const QJsonObject& json);
    // Sets every field the current format holds from the values read; the
    // notes of the fields and those of values that do not fit go to notes.
    static void apply(Macro& macro, const MacroFields& fields, QStringList* notes = nullptr);
    // The note of a value that does not fit its field of minimum to maximum
    // and was kept as another.
    static QString outOfRange(const QString& key, const QString& value, qint64 minimum,
                              qint64 maximum, qint64 kept);
    // Writes every key of the current format.
    static void write(const Macro& macro, QJsonObject& json);
    // The same object straight as compact JSON text: the bytes that
    // QJsonDocument gives for the object of write().
    static void write(const Macro& macro, CompactJsonWriter& writer);

private:
    static void readVersion2000(Macro& macro, const QJsonObject& json, QStringList* notes);
    static void readCommon(Macro& macro, const QJsonObject& json, QStringList* notes);
    static void writeFlow(const Macro& macro, QJsonObject& json);
    static void writeViolations(const Macro& macro, QJsonObject& json);
    static void writeFlowArrays(const Macro& macro, CompactJsonWriter& writer);
    static void writeFlowEntries(const Macro& macro, CompactJsonWriter& writer);
    static void writeViolations(const Macro& macro, CompactJsonWriter& writer);
};
