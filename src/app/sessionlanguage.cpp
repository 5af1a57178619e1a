#include "sessionlanguage.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString& commandLineLanguage()
{
    static QString code;
    return code;
}

// The command-line parser's own texts (the frame of the help and its error
// messages). The toolkit's translations are not compiled in, so the program's
// translations carry these few and the help speaks one language throughout.
[[maybe_unused]] const char* const ParserTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Arguments:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

} // namespace

SessionLanguage::SessionLanguage(const QString& code)
{
    // A full locale name such as "pt_BR" finds "zor_pt.qm": the translator
    // falls back to shorter names on its own.
    if (code.isEmpty() || !translator.load(translationFile(code)))
        return;
    installed = QCoreApplication::installTranslator(&translator);
}

void SessionLanguage::handOver()
{
    if (!installed)
        return;
    QCoreApplication::removeTranslator(&translator);
    installed = false;
}

QString SessionLanguage::commandLineCode()
{
    return commandLineLanguage();
}

void SessionLanguage::setCommandLineCode(const QString& code)
{
    commandLineLanguage() = code;
}

QString SessionLanguage::storedCode()
{
    return QSettings().value(QStringLiteral("MainWindow/locale"), QStringLiteral("en")).toString();
}

QString SessionLanguage::startCode()
{
    const QString code = commandLineCode();
    return code.isEmpty() ? storedCode() : code;
}

QString SessionLanguage::translationFile(const QString& code)
{
    return QStringLiteral(":/translations/zor_%1.qm").arg(code);
}
