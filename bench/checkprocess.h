#pragma once

#include "samples.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// "zor --check" over a folder of groups, as a script runs it: the real
// executable with one thread and with one per core, output compared.
class CheckProcess
{
public:
    static constexpr int FileCount = 200;
    static constexpr int MacrosPerFile = 100;

    CheckProcess(const QString& executable, const QString& folder, int runs);

    // Each file holds a finding of its own, so that the report shows
    // whether it kept the order of the files.
    bool writeFiles(QString* error);
    void measure(Samples* oneThread, Samples* allCores);

private:
    struct Result
    {
        int exitCode = -1;
        QByteArray output;
        QByteArray errors;
    };

    Result check(const QStringList& options) const;

    QString m_executable;
    QString m_folder;
    int m_runs;
    QStringList m_files;
};
