#pragma once

#include <QString>
#include <QTranslator>

// The language a run of the program speaks. The window settings remember the
// user's choice between runs; a language named on the command line (-l)
// speaks for one run only and is never remembered.
//
// An instance holds the translator of the texts shown before the main window
// has its own: the command-line help and the first messages of the start.
class SessionLanguage
{
public:
    // Installs the program's translation for code when there is one; with
    // none, nothing is installed and the built-in texts show.
    explicit SessionLanguage(const QString& code);
    SessionLanguage(const SessionLanguage&) = delete;
    SessionLanguage& operator=(const SessionLanguage&) = delete;

    bool isTranslated() const { return installed; }

    // Removes the translator once the window's own translators speak the
    // language, so that none stays installed underneath theirs.
    void handOver();

    // The language named on the command line for this run; empty when none.
    static QString commandLineCode();
    static void setCommandLineCode(const QString& code);

    // The language remembered in the window settings, "en" on a first start.
    static QString storedCode();

    // The language a run starts in: the command line's, else the stored one.
    static QString startCode();

    // The compiled-in translation of the program's texts for a language.
    static QString translationFile(const QString& code);

private:
    QTranslator translator;
    bool installed = false;
};
