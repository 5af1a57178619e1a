#include "io/samplegroups.h"
#include "layout/flowcrossings.h"
#include "layout/flowlayout.h"
#include "layout/graphvizlayout.h"
#include "layout/grouparrangement.h"
#include "layout/layeredlayout.h"
#include "model/group.h"
#include "model/macro.h"
#include "support/flowgroup.h"

#include <QtTest>

namespace {

QVector<QRectF> boxesOf(const Group& group)
{
    QVector<QRectF> boxes;
    const QList<Macro*> macros = group.macros();
    for (const Macro* macro : macros)
        boxes.append(QRectF(macro->position(), macro->dimensions().size()));
    return boxes;
}

} // namespace

class TestArrangement : public QObject
{
    Q_OBJECT

private slots:
    void arrangesWithoutOverlap_data()
    {
        QTest::addColumn<int>("macros");
        QTest::addColumn<int>("next");
        QTest::addColumn<QString>("engine");

        // 0 macros: the sample group.
        QTest::newRow("sample") << 0 << 0 << "graphviz";
        QTest::newRow("20 macros") << 20 << 3 << "graphviz";
        QTest::newRow("150 macros") << 150 << 3 << "graphviz-limited";
        QTest::newRow("999 macros") << 999 << 10 << "layered";
    }

    void arrangesWithoutOverlap()
    {
        QFETCH(int, macros);
        QFETCH(int, next);
        QFETCH(QString, engine);

        const std::unique_ptr<Group> group =
            macros == 0 ? SampleGroups::sample() : ZorTest::flowGroup(macros, next);
        const int passingBefore = FlowCrossings::countPassingArrows(*group);
        const QVector<QRectF> before = boxesOf(*group);

        GroupArrangement arrangement(*group, group->macros(), 10);
        QVERIFY(arrangement.compute());
        QCOMPARE(FlowLayout::engineName(arrangement.engine()), engine);
        arrangement.apply();

        const QVector<QRectF> after = boxesOf(*group);
        QVERIFY(!FlowLayout::anyOverlap(after));
        for (int i = 0; i < after.size(); ++i) {
            QCOMPARE(after.at(i).size(), before.at(i).size());
            QCOMPARE(int(after.at(i).x()) % 10, 0);
            QCOMPARE(int(after.at(i).y()) % 10, 0);
        }
        // Where the boxes were is where the arranged ones start.
        const auto unite = [](const QRectF& a, const QRectF& b) { return a.united(b); };
        const QRectF bounds = std::accumulate(after.cbegin(), after.cend(), QRectF(), unite);
        const QRectF oldBounds = std::accumulate(before.cbegin(), before.cend(), QRectF(), unite);
        QCOMPARE(bounds.topLeft(), oldBounds.topLeft());
        if (macros <= 150)
            QVERIFY(FlowCrossings::countPassingArrows(*group) < passingBefore);
    }

    void selectionKeepsClearOfTheRest()
    {
        // Four boxes of the sample's middle row and bottom row: laid out, they
        // need more room than they had, where MAN, ROT and SOS stand.
        const std::unique_ptr<Group> group = SampleGroups::sample();
        QList<Macro*> chosen;
        for (const char* sigla : {"ENT", "COL", "AGD", "FIM"})
            chosen.append(group->findBySigla(sigla));
        const QVector<QRectF> before = boxesOf(*group);

        GroupArrangement arrangement(*group, chosen, 10);
        QVERIFY(arrangement.compute());
        arrangement.apply();

        const QVector<QRectF> after = boxesOf(*group);
        QVERIFY(!FlowLayout::anyOverlap(after));
        const QList<Macro*> macros = group->macros();
        for (int i = 0; i < macros.size(); ++i) {
            if (chosen.contains(macros.at(i)))
                continue;
            QCOMPARE(after.at(i), before.at(i));
            for (const Macro* moved : qAsConst(chosen)) {
                const QRectF box(moved->position(), moved->dimensions().size());
                const qreal gap = GroupArrangement::Clearance;
                QVERIFY(!box.adjusted(-gap, -gap, gap, gap).intersects(after.at(i)));
            }
        }
    }

    void passingArrows_data()
    {
        QTest::addColumn<QRect>("middle");
        QTest::addColumn<QStringList>("firstFlow");
        QTest::addColumn<int>("passing");

        // Boxes of 120 x 80 at (0, 0) and (600, 0), the first with the flow
        // given, and a box between them.
        const QRect between(300, 0, 121, 81);
        QTest::newRow("under the box between") << between << QStringList{"M3"} << 1;
        QTest::newRow("to the box between") << between << QStringList{"M2"} << 0;
        QTest::newRow("to itself") << between << QStringList{"M1"} << 0;
        QTest::newRow("unknown acronym") << between << QStringList{"XYZ"} << 0;
        QTest::newRow("along its top edge") << QRect(300, 40, 121, 81) << QStringList{"M3"} << 0;
        QTest::newRow("under a huge box")
            << QRect(-400000, -400000, 900000, 900000) << QStringList{"M3"} << 1;
    }

    void passingArrows()
    {
        QFETCH(QRect, middle);
        QFETCH(QStringList, firstFlow);
        QFETCH(int, passing);

        Group group{QString(), QString()};
        const QRect rects[] = {QRect(0, 0, 120, 80), middle, QRect(600, 0, 120, 80)};
        for (int i = 0; i < 3; ++i) {
            const QString sigla = QStringLiteral("M%1").arg(i + 1);
            auto* macro = new Macro(sigla, sigla, QStringLiteral("0"), sigla, 2, false);
            macro->setPosition(rects[i].topLeft());
            macro->setDimensions(QRect(QPoint(), rects[i].size()));
            if (i == 0)
                macro->setFlow(firstFlow);
            group.addMacro(macro);
        }
        QCOMPARE(FlowCrossings::countPassingArrows(group), passing);
    }

    void flowRunsDownwards_data()
    {
        QTest::addColumn<bool>("graphviz");
        QTest::newRow("layered") << false;
        QTest::newRow("graphviz") << true;
    }

    void flowRunsDownwards()
    {
        QFETCH(bool, graphviz);
        // 0 -> 1 -> 2 -> 0 and 0 -> 3: the link back to the first box is the one
        // turned round; every other box stands below the box it follows.
        LayoutGraph graph;
        graph.sizes.fill(QSizeF(121, 81), 4);
        graph.links = {{0, 1}, {1, 2}, {2, 0}, {0, 3}, {1, 1}, {0, 1}};
        QVector<QPointF> centres;
        QVERIFY(graphviz ? GraphvizLayout::run(graph, GraphvizLayout::Effort::Full, LayoutSpacing(),
                                               &centres)
                         : LayeredLayout(graph).run(&centres));
        QVERIFY(centres.at(1).y() > centres.at(0).y());
        QVERIFY(centres.at(2).y() > centres.at(1).y());
        QVERIFY(centres.at(3).y() > centres.at(0).y());
        QVector<QRectF> boxes;
        for (const QPointF& centre : qAsConst(centres))
            boxes.append(QRectF(centre - QPointF(60.5, 40.5), QSizeF(121, 81)));
        QVERIFY(!FlowLayout::anyOverlap(boxes));
        // Boxes side by side touch without overlapping.
        QVERIFY(!FlowLayout::anyOverlap({QRectF(0, 0, 121, 81), QRectF(121, 0, 121, 81)}));
    }

    void cancelStopsTheLayout()
    {
        const std::unique_ptr<Group> group = ZorTest::flowGroup(20, 3);
        const QVector<QRectF> before = boxesOf(*group);
        GroupArrangement arrangement(*group, group->macros(), 10);
        const std::atomic_bool cancelled(true);
        QVERIFY(!arrangement.compute(&cancelled));
        QVERIFY(arrangement.positions().isEmpty());
        arrangement.apply();
        QCOMPARE(boxesOf(*group), before);
    }
};

QTEST_MAIN(TestArrangement)
#include "tst_arrangement.moc"
