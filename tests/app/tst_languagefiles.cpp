#include "support/testenvironment.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

using ZorTest::TestEnvironment;

namespace {

const QStringList Languages = {QStringLiteral("pt"), QStringLiteral("en"), QStringLiteral("es"),
                               QStringLiteral("fr"), QStringLiteral("de")};

// One translation file: its target language and its messages, keyed by
// context, source and disambiguating comment: each a translation and its
// type ("unfinished", "obsolete", "vanished" or empty).
struct TsFile
{
    QString language;
    QMap<QString, QPair<QString, QString>> messages;
    QString error;
};

QString sourceOf(const QString& key)
{
    return key.section(QLatin1Char('\x1f'), 1, 1);
}

TsFile readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QString(), {}, file.errorString()};
    TsFile ts;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            source.clear();
            comment.clear();
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            ts.messages[context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment] = {
                xml.readElementText(), type};
        }
    }
    if (xml.hasError())
        ts.error = xml.errorString();
    return ts;
}

QStringList matches(const QString& pattern, const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured(0));
    found.sort();
    return found;
}

int mnemonicCount(QString text)
{
    text.remove(QStringLiteral("&&"));
    return text.count(QLatin1Char('&'));
}

// The blanks and line breaks around the text.
QString edges(const QString& text)
{
    const QString core = text.trimmed();
    const int at = text.indexOf(core);
    return text.left(at) + QLatin1Char('|') + text.mid(at + core.size());
}

// The ways a translation can break the program or mislead: returns what is
// wrong, empty when the translation keeps what the program relies on.
QString faultOf(const QString& source, const QString& translation)
{
    if (translation.isEmpty())
        return QStringLiteral("empty translation");
    if (matches(QStringLiteral("%\\d+"), source) != matches(QStringLiteral("%\\d+"), translation))
        return QStringLiteral("placeholders differ");
    if (edges(source) != edges(translation))
        return QStringLiteral("leading or trailing blanks and line breaks differ");
    if (source.count(QLatin1Char('\n')) != translation.count(QLatin1Char('\n')))
        return QStringLiteral("number of line breaks differs");
    if (mnemonicCount(source) != mnemonicCount(translation))
        return QStringLiteral("mnemonic added or lost");
    // Key sequences are parsed from the text: they must stay as they are, and
    // a tool tip names the key the action really has.
    static const QRegularExpression keySequence(
        QStringLiteral("^((Ctrl|Shift|Alt)\\+)*(Del|Esc|F\\d+|[A-Z])$"));
    if (keySequence.match(source).hasMatch() && translation != source)
        return QStringLiteral("key sequence translated");
    const QStringList technical =
        matches(QStringLiteral(
                    "\\((Ctrl[^)]*|Del|Esc)\\)|\\(\\*\\.[^)]*\\)|;;|<language>|--[a-z][a-z-]*|"
                    "\\b(IN|OUT|FILE|text|json|PNG|SVG|MCX)\\b|zor\\.ini|\\.(mcr|mcx|png|svg)\\b|"
                    "0123456789[^ ]*\\] _-/\\$%|F%1"),
                source);
    for (const QString& token : technical) {
        if (translation.count(token) < technical.count(token))
            return QStringLiteral("technical text lost: ") + token;
    }
    return QString();
}

} // namespace

// The translation files in the sources: complete, finished, in step with the
// program's texts, and keeping what the program parses out of its texts.
class TestLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const QString& language : Languages) {
            const TsFile ts =
                readTs(TestEnvironment::sourceDir() +
                       QStringLiteral("/resources/translations/zor_%1.ts").arg(language));
            QVERIFY2(ts.error.isEmpty(), qPrintable(language + QStringLiteral(": ") + ts.error));
            QVERIFY2(!ts.messages.empty(), qPrintable(language));
            files[language] = ts;
        }
    }

    void everyFileIsFinishedAndSound_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : Languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyFileIsFinishedAndSound()
    {
        QFETCH(QString, language);
        const TsFile ts = files.value(language);
        QVERIFY2(ts.language.startsWith(language), qPrintable(ts.language));
        QCOMPARE(ts.messages.keys(), files.value(QStringLiteral("pt")).messages.keys());
        for (auto message = ts.messages.cbegin(); message != ts.messages.cend(); ++message) {
            // "unfinished" is a text still to translate, "obsolete" or
            // "vanished" one the program no longer has.
            QVERIFY2(message->second.isEmpty(), qPrintable(message->second + ": " + message.key()));
            const QString fault = faultOf(sourceOf(message.key()), message->first);
            QVERIFY2(fault.isEmpty(),
                     qPrintable(fault + ": " + sourceOf(message.key()) + " -> " + message->first));
        }
    }

    void filesMatchTheSources()
    {
        // A fresh scan of the sources gives exactly the texts of the files: none
        // missing (the program would show it untranslated), none left over.
        const QString lupdate = QStringLiteral(ZOR_LUPDATE);
        if (!QFile::exists(lupdate))
            QSKIP("lupdate is not installed");
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString fresh = scratch.filePath(QStringLiteral("fresh.ts"));
        QProcess process;
        process.start(lupdate, {QStringLiteral("-silent"), QStringLiteral("-locations"),
                                QStringLiteral("none"), TestEnvironment::sourceDir() + "/src",
                                QStringLiteral("-ts"), fresh});
        QVERIFY(process.waitForFinished(120000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

        const TsFile scanned = readTs(fresh);
        QVERIFY2(scanned.error.isEmpty(), qPrintable(scanned.error));
        QCOMPARE(scanned.messages.keys(), files.value(QStringLiteral("pt")).messages.keys());
    }

private:
    QMap<QString, TsFile> files;
};

QTEST_GUILESS_MAIN(TestLanguageFiles)
#include "tst_languagefiles.moc"
