#include "samplegroups.h"

#include "app/referencedata.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/testenvironment.h"
#include "support/testfiles.h"

#include <QRandomGenerator>
#include <QTest>

#include <climits>

namespace SampleGroups {

namespace {

QString examplePath(const char* name)
{
    return ZorTest::TestEnvironment::sourceDir() + QStringLiteral("/examples/") +
           QLatin1String(name);
}

// Draws the values of a random group.
class Draw
{
public:
    explicit Draw(quint32 seed) : random(seed), loneSurrogates(random.bounded(4) == 0) {}

    // A limit of the field about every third time, any value between otherwise.
    int pick(std::initializer_list<int> limits, int lowest, int highest)
    {
        if (random.bounded(3) == 0)
            return *(limits.begin() + random.bounded(int(limits.size())));
        return int(lowest + qint64(random.generate64() % quint64(qint64(highest) - lowest + 1)));
    }

    int below(int limit) { return random.bounded(limit); }

    // Controls, ASCII, Latin-1, the rest of the BMP, pairs and, in some
    // groups only (they keep the one-pass reader away), lone surrogates.
    QString text(int maximum)
    {
        static const int ranges[][2] = {{0, 0x20},       {0x20, 0x7f},    {0x20, 0x7f},
                                        {0x7f, 0x100},   {0x100, 0xd800}, {0xe000, 0x10000},
                                        {0xd800, 0xe000}};
        QString text;
        const int length = below(maximum + 1);
        while (text.size() < length) {
            const int range = below(loneSurrogates ? 7 : 6);
            const char32_t point = char32_t(random.bounded(0x10000, 0x110000));
            if (below(7) == 0)
                text += QString::fromUcs4(&point, 1);
            else
                text += QChar(ushort(random.bounded(ranges[range][0], ranges[range][1])));
        }
        return text;
    }

    // Numbers as the dialogs and the files give them, and as they should not.
    QString numberText()
    {
        static const char* const odd[] = {"",           "007",       "A1", "-2147483648",
                                          "2147483647", "2147483648"};
        if (below(3) == 0)
            return QLatin1String(odd[below(int(std::size(odd)))]);
        return QString::number(pick({0, 1, 249, 250, 999, 1000}, -5, 1000));
    }

    template <typename T> QList<T> values(int count, int maximum)
    {
        QList<T> list;
        for (int i = 0; i < count; ++i)
            list.append(T(pick({0, maximum}, 0, maximum)));
        return list;
    }

    // Any bytes, then a run of those the formats treat apart at the end.
    QByteArray screen()
    {
        static const char tail[] = {' ', '\0', '\t', '\n', char(0xa0), char(0x85), '<', 'x'};
        const int used = below(Macro::ScreenSize + 1);
        QByteArray bytes(Macro::ScreenSize, ' ');
        for (int i = 0; i < Macro::ScreenSize; ++i)
            bytes[i] = i < used ? char(below(256)) : tail[below(int(sizeof tail))];
        return bytes;
    }

    int coordinate() { return pick({-1000000, -1, 0, 1000000}, -5000, 5000); }

    Macro* macro();

private:
    QRandomGenerator random;
    const bool loneSurrogates;
};

Macro* Draw::macro()
{
    // Now and then the least a macro can be: no text, no screens, no lists.
    if (below(6) == 0) {
        auto* bare = new Macro(QString(), QString(), QString(), QString(), 0, false);
        bare->setForm(QByteArray());
        bare->setConfirmationText(QByteArray());
        return bare;
    }
    auto* macro = new Macro(numberText(), text(40), numberText(), text(4),
                            pick({INT_MIN, 0, 6, INT_MAX}, -1, 7), below(2) == 1);
    macro->setForm(screen());
    macro->setConfirmationText(screen());
    macro->setFormFields(QByteArray(below(241), char(below(256))));
    macro->setValidationInt(quint16(pick({0, 65535}, 0, 65535)));
    macro->setAutomation(values<quint8>(below(12), 255));
    // Unused slots (0), the anchor violation (23), violations without
    // analysis time (4, and 26, the last of the reference list) and with
    // (7), and one beyond the list (27).
    QList<quint8> ids;
    QList<quint16> timers;
    const int violations = pick({0, 20, 21}, 0, 25);
    for (int i = 0; i < violations; ++i) {
        ids.append(quint8(pick({0, 4, 7, 23, 26, 27, 255}, 0, 255)));
        timers.append(quint16(pick({0, 1, 1, 65535}, 0, 65535)));
    }
    macro->setViolation(ids);
    macro->setViolationReactions(values<quint8>(violations, 255));
    macro->setViolationTimers(timers);
    macro->setRaio(quint16(pick({0, 49, 50, 5000, 5001, 65535}, 0, 65535)));
    macro->setSecureSensors(values<quint8>(below(7), 255));
    macro->setSecureActuators(values<quint8>(below(7), 255));
    QStringList flow;
    const int next = pick({0, 10, 11}, 0, 12);
    for (int i = 0; i < next; ++i)
        flow.append(below(4) == 0 ? QString() : text(3));
    macro->setFlow(flow);
    macro->setFlowNum(values<quint16>(next, 65535));
    macro->setFlowPos(values<quint16>(next, 65535));
    macro->setDimensions(QRect(coordinate(), coordinate(), coordinate(), coordinate()));
    macro->setPosition(QPoint(coordinate(), coordinate()));
    return macro;
}

} // namespace

std::unique_ptr<Group> sample()
{
    auto group = std::make_unique<Group>(QString(), QString());
    if (!group->readMcx(examplePath("sample.mcx")))
        qFatal("examples/sample.mcx does not read");
    group->setFilePath(QString());
    group->setModified(false);
    return group;
}

QByteArray legacySample()
{
    return ZorTest::contentsOf(examplePath("legacy.mcr"));
}

std::unique_ptr<Group> random(quint32 seed)
{
    Draw draw(seed);
    auto group = std::make_unique<Group>(draw.text(60), draw.text(300));
    group->setCreationDate(draw.text(19));
    group->setVersion(draw.pick({0, 2000, 2100, 2200}, 0, 3000));
    const int count = draw.pick({0, 1}, 0, 6);
    for (int i = 0; i < count; ++i)
        group->addMacro(draw.macro());
    group->setModified(false);
    return group;
}

void addSeedRows(quint32 count)
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= count; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

QStringList timerFlags()
{
    ReferenceLists lists;
    if (!ReferenceData::load(QStringLiteral("zor.ini"), &lists))
        qFatal("zor.ini does not read");
    return lists.violationTimerFlags;
}

} // namespace SampleGroups
