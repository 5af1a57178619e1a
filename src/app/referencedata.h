#pragma once

#include "referencelists.h"

#include <QString>

class QSettings;

// Reads the reference lists from an INI data file.
class ReferenceData
{
public:
    // The data file of a language code: a case-sensitive substring test,
    // "es" before "en" before "de" before "fr", "zor.ini" otherwise.
    static QString fileNameFor(const QString& language);

    // Refills the eight lists from the file; false, leaving them as they
    // were, when the file can't be read.
    static bool load(const QString& path, ReferenceLists* lists);

    // Fills list with the values of the numbered keys of section, in the
    // order of their numbers, leaving out missing numbers and empty values.
    static void readSection(QSettings& settings, const QString& section, QStringList* list);
};
