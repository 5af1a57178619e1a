#include "flowgroup.h"

#include "model/group.h"
#include "model/macro.h"

namespace ZorTest {

namespace {

QString siglaAt(int index)
{
    QString sigla;
    for (int i = 0; i < 3; ++i, index /= 26)
        sigla.prepend(QLatin1Char(char('A' + index % 26)));
    return sigla;
}

} // namespace

std::unique_ptr<Group> flowGroup(int macroCount, int nextCount)
{
    auto group = std::make_unique<Group>(QStringLiteral("FLUXO"), QString());
    for (int index = 0; index < macroCount; ++index) {
        const QString number = QString::number(index + 1);
        auto* macro = new Macro(number, QStringLiteral("MACRO ") + number, QStringLiteral("0"),
                                siglaAt(index), index % 7, false);
        QStringList flow;
        for (int step = 1; flow.size() < nextCount && index + step < macroCount; ++step)
            flow.append(siglaAt(index + step));
        if (index % 10 == 9 && !flow.isEmpty())
            flow.last() = siglaAt(index / 4);
        macro->setFlow(flow);
        macro->setPosition(QPoint(180 + 180 * index, 40));
        macro->setDimensions(QRect(0, 0, 121, 81));
        group->addMacro(macro);
    }
    return group;
}

} // namespace ZorTest
