#include "benchrun.h"

#include "benchgroups.h"
#include "canvassteps.h"
#include "checkprocess.h"
#include "configuretiming.h"
#include "paintwatch.h"
#include "processmemory.h"
#include "startuptiming.h"
#include "visiblecopy.h"
#include "windowdriver.h"

#include "app/anchorsettings.h"
#include "app/datafiles.h"
#include "app/referencedata.h"
#include "commands/configuremacrocommand.h"
#include "commands/groupdocument.h"
#include "compare/differencetext.h"
#include "compare/groupcomparer.h"
#include "diagram/edge.h"
#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "mainwindow/boxarranger.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/verificationdock.h"
#include "model/group.h"
#include "model/groupcheck.h"
#include "model/macro.h"

#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QGraphicsScene>
#include <QJsonDocument>
#include <QThread>
#include <QTimer>

namespace {

const QSize ViewSize(1600, 900);
// Where the view looks: the middle of the 3000-unit scene.
const QPointF ViewCentre(1500, 1500);
// The box dragged and configured: row 8, column 8 of the grid, inside the
// view and away from the grid's borders; an even index watches violations.
constexpr int InteractiveIndex = 8 * 32 + 8;
// Steps of a drag or of the zoom timed per run of the other figures.
constexpr int StepsPerRun = 4;

double timeOf(const std::function<void()>& work)
{
    const Stopwatch watch;
    work();
    return watch.elapsedMs();
}

} // namespace

BenchRun::BenchRun(const QString& folder, int runs, ModalGuard& guard)
    : m_folder(folder), m_runs(runs), m_guard(guard)
{
}

BenchRun::~BenchRun() = default;

QString BenchRun::pathOf(int macroCount) const
{
    return QDir(m_folder).filePath(QStringLiteral("bench-%1.mcx").arg(macroCount));
}

QString BenchRun::revisedPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("bench-%1-revised.mcx").arg(LargeGroup));
}

QString BenchRun::flowPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("bench-%1-flow.mcx").arg(FlowGroup));
}

bool BenchRun::writeGroups(QString* error)
{
    if (!BenchGroups::generateFlow(FlowGroup, FlowNext)->saveAs(flowPath())) {
        *error = QStringLiteral("cannot write %1").arg(flowPath());
        return false;
    }
    const std::unique_ptr<Group> revised = BenchGroups::generate(LargeGroup);
    BenchGroups::revise(*revised);
    if (!revised->saveAs(revisedPath())) {
        *error = QStringLiteral("cannot write %1").arg(revisedPath());
        return false;
    }
    for (int count : {SmallGroup, LargeGroup}) {
        const std::unique_ptr<Group> group = BenchGroups::generate(count);
        QString from;
        QString next;
        if (group->findAnchorSequence(from, next)) {
            *error = QStringLiteral("the %1-macro group has an anchor sequence").arg(count);
            return false;
        }
        // The program's own writer, as a save from the editor.
        if (!group->saveAs(pathOf(count))) {
            *error = QStringLiteral("cannot write %1").arg(pathOf(count));
            return false;
        }
        QFile file(pathOf(count));
        if (!file.open(QIODevice::ReadOnly)) {
            *error = file.errorString();
            return false;
        }
        m_bytes.insert(count, file.readAll());
    }
    return true;
}

void BenchRun::restoreFile(int macroCount) const
{
    // Opening rewrites the file (indented): every open reads what the
    // editor's save wrote.
    QFile file(pathOf(macroCount));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(m_bytes.value(macroCount)) != m_bytes.value(macroCount).size())
        qFatal("zor-bench: cannot restore %s", qPrintable(pathOf(macroCount)));
}

void BenchRun::openFresh(int macroCount)
{
    m_driver->closeGroup();
    restoreFile(macroCount);
    WindowDriver::settle();
    m_driver->open(pathOf(macroCount));
    WindowDriver::settle();
    checkOpen(macroCount);
}

void BenchRun::checkOpen(int macroCount) const
{
    // A figure of a group that did not open would be no figure at all.
    if (!m_driver->group() || m_driver->group()->macroCount() != macroCount ||
        m_driver->canvas().nodes().size() != macroCount)
        qFatal("zor-bench: the %d-macro group did not open in the window", macroCount);
}

void BenchRun::measurePairs(const std::function<void()>& prepare,
                            const std::function<void()>& command,
                            const std::function<void()>& floorPrepare,
                            const std::function<void()>& floor, Samples* commandTimes,
                            Samples* floorTimes, Samples* settleTimes)
{
    for (int run = 0; run <= m_runs; ++run) {
        double commandMs = 0;
        double settleMs = 0;
        double floorMs = 0;
        const auto runCommand = [&] {
            prepare();
            commandMs = timeOf(command);
            settleMs = timeOf(&WindowDriver::settle);
        };
        const auto runFloor = [&] {
            floorPrepare();
            floorMs = timeOf(floor);
            WindowDriver::settle();
        };
        // Turn about: what one leaves behind (the heap, the caches) falls on
        // the other as often as the other way round.
        if (run % 2 == 0) {
            runCommand();
            runFloor();
        } else {
            runFloor();
            runCommand();
        }
        // Run 0 warms the caches up and is not counted.
        if (run > 0) {
            commandTimes->add(commandMs);
            floorTimes->add(floorMs);
            if (settleTimes)
                settleTimes->add(settleMs);
        }
    }
}

void BenchRun::measureMemory()
{
    // What the generation of the groups left in the heap is not the
    // editor's: the peak starts from here.
    m_peakReset = ProcessMemory::resetPeak();
    m_driver = std::make_unique<WindowDriver>();
    m_driver->show(ViewSize);
    restoreFile(LargeGroup);
    m_driver->open(pathOf(LargeGroup));
    WindowDriver::settle();
    m_peakMb = ProcessMemory::peakMb();
    checkOpen(LargeGroup);
    m_sceneItems = m_driver->canvas().scene()->items().size();
}

void BenchRun::measureOpen()
{
    const int counts[2] = {SmallGroup, LargeGroup};
    for (int i = 0; i < 2; ++i) {
        const int count = counts[i];
        const QByteArray& bytes = m_bytes[count];
        QJsonDocument parsed;
        measurePairs(
            [&] {
                m_driver->closeGroup();
                restoreFile(count);
                WindowDriver::settle();
            },
            [&] { m_driver->open(pathOf(count)); }, [&] { parsed = QJsonDocument(); },
            [&] { parsed = QJsonDocument::fromJson(bytes); }, &m_open[i], &m_openFloor[i],
            &m_openSettle[i]);
        if (parsed.isNull())
            qFatal("zor-bench: the generated file does not parse");
        checkOpen(count);
    }
}

void BenchRun::measureSave()
{
    openFresh(LargeGroup);
    const QJsonDocument document = QJsonDocument::fromJson(m_bytes[LargeGroup]);
    const QString floorPath = QDir(m_folder).filePath(QStringLiteral("floor.mcx"));
    measurePairs([&] { m_driver->markModified(); }, [&] { m_driver->save(); }, [] {},
                 [&] {
                     const QByteArray json = document.toJson(QJsonDocument::Compact);
                     QFile file(floorPath);
                     if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
                         file.write(json) != json.size())
                         qFatal("zor-bench: cannot write %s", qPrintable(floorPath));
                     file.close();
                 },
                 &m_save, &m_saveFloor);
    if (m_driver->group()->isModified())
        qWarning("zor-bench: the save command left the group modified");

    // The group's own save, without the checks of the command.
    for (int run = 0; run <= m_runs; ++run) {
        const double ms = timeOf([&] { m_driver->group()->save(); });
        WindowDriver::settle();
        if (run > 0)
            m_groupSave.add(ms);
    }
}

void BenchRun::measureDelete()
{
    measurePairs([&] { openFresh(LargeGroup); },
                 [&] {
                     m_driver->selectAll();
                     m_driver->deleteSelected();
                 },
                 [&] { openFresh(LargeGroup); }, [&] { m_driver->canvas().scene()->clear(); },
                 &m_delete, &m_deleteFloor);
    if (!m_driver->canvas().nodes().isEmpty())
        qWarning("zor-bench: boxes are left after the floor of delete all");
    m_driver->closeGroup();
}

void BenchRun::measureUndo()
{
    // Undo of delete-all beside delete-all itself: both redraw or clear the
    // whole diagram.
    measurePairs(
        [&] {
            openFresh(LargeGroup);
            m_driver->selectAll();
            m_driver->deleteSelected();
            WindowDriver::settle();
        },
        [&] { m_driver->undo(); },
        [&] {
            openFresh(LargeGroup);
            m_driver->selectAll();
        },
        [&] { m_driver->deleteSelected(); }, &m_undoDelete, &m_undoDeleteFloor);
    checkOpen(LargeGroup);

    // What the history holds after a hundred configurations: each keeps the
    // macro before and after, its screens changed.
    openFresh(LargeGroup);
    GroupDocument& document = *m_driver->window().currentDocument();
    const QList<Macro*> macros = document.group().macros();
    WindowDriver::settle();
    const double before = ProcessMemory::residentMb();
    for (int i = 0; i < 100; ++i) {
        Macro* macro = macros.at(i * 9);
        Macro after(*macro);
        QByteArray form = after.form();
        form[0] = form.at(0) == 'X' ? 'Y' : 'X';
        after.setForm(form);
        QByteArray confirmation = after.confirmationText();
        confirmation[0] = 'Z';
        after.setConfirmationText(confirmation);
        after.setName(after.name() + QLatin1Char('X'));
        document.push(new ConfigureMacroCommand(document, macro, *macro, after));
    }
    WindowDriver::settle();
    m_undoMemoryMb = ProcessMemory::residentMb() - before;
    m_driver->closeGroup();
}

void BenchRun::measureRepaintAt(const QString& zoomName, Samples* full, Samples* floor)
{
    GraphWidget& canvas = m_driver->canvas();
    canvas.centerOn(ViewCentre);
    WindowDriver::settle();
    const VisibleCopy copy(canvas, *m_driver->group());
    const int slot = zoomName == QLatin1String("zoom1") ? 0 : 1;
    m_visibleBoxes[slot] = copy.boxCount();
    m_visibleArrows[slot] = copy.arrowCount();

    QGraphicsScene* own = canvas.scene();
    PaintWatch counter(canvas.viewport());
    // The same view, its scene swapped for the visible part only.
    const auto showScene = [&](QGraphicsScene* scene) {
        if (canvas.scene() != scene)
            canvas.setScene(scene);
        canvas.centerOn(ViewCentre);
        WindowDriver::settle();
        counter.reset();
    };
    const auto repaint = [&] {
        canvas.viewport()->repaint();
        if (counter.count() != 1)
            qWarning("zor-bench: a repaint painted %d times", counter.count());
    };
    measurePairs([&] { showScene(own); }, repaint, [&] { showScene(copy.widget().scene()); },
                 repaint, full, floor);
    showScene(own);
}

void BenchRun::measureRepaint()
{
    openFresh(LargeGroup);
    m_driver->zoomToOne();
    measureRepaintAt(QStringLiteral("zoom1"), &m_repaint1, &m_repaint1Floor);
    m_driver->zoomOutFully();
    measureRepaintAt(QStringLiteral("zoommin"), &m_repaintMin, &m_repaintMinFloor);
    m_driver->zoomToOne();
}

void BenchRun::measureDiff()
{
    // What "zor --diff" does between its start and its exit: read both
    // files, compare them, write the report.
    restoreFile(LargeGroup);
    ReferenceLists lists;
    ReferenceData::load(DataFiles::locate(QStringLiteral("zor.ini")), &lists);
    CompareOptions options;
    options.timerFlags = lists.violationTimerFlags;
    options.anchorViolationId = Group::anchorSettings().anchorViolationId();
    for (int run = 0; run <= m_runs; ++run) {
        Group before{QString(), QString()};
        Group after{QString(), QString()};
        const Stopwatch watch;
        if (!before.readFile(pathOf(LargeGroup)) || !after.readFile(revisedPath()))
            qFatal("zor-bench: cannot read the groups to compare");
        const Stopwatch compareWatch;
        const GroupDifference difference = GroupComparer::compare(before, after, options);
        const QByteArray report = DifferenceText(lists).report(difference).toLocal8Bit();
        const double compareMs = compareWatch.elapsedMs();
        const double ms = watch.elapsedMs();
        if (report.isEmpty())
            qFatal("zor-bench: the revised group compares equal");
        m_diffMacros = difference.macros.size();
        if (run > 0) {
            m_diff.add(ms);
            m_diffCompare.add(compareMs);
        }
    }
}

void BenchRun::measureCheck()
{
    const std::unique_ptr<Group> groups[2] = {BenchGroups::generate(SmallGroup),
                                              BenchGroups::generate(LargeGroup)};
    for (int run = 0; run <= m_runs; ++run) {
        for (int i = 0; i < 2; ++i) {
            QList<GroupCheck::Finding> found;
            const double ms = timeOf([&] { found = GroupCheck(*groups[i]).findings(); });
            if (run > 0)
                m_check[i].add(ms);
            // A figure of the check of a group it refuses would time the messages.
            if (!found.isEmpty())
                qFatal("zor-bench: the check finds %s", qPrintable(found.first().message));
        }
    }
}

void BenchRun::openForInteraction()
{
    openFresh(LargeGroup);
    m_driver->zoomToOne();
    m_driver->canvas().centerOn(ViewCentre);
    WindowDriver::settle();
}

const Macro& BenchRun::interactiveMacro() const
{
    const Macro* macro = m_driver->group()->macros().at(InteractiveIndex);
    const Node* node = m_driver->canvas().nodeFor(macro);
    int out = 0;
    int in = 0;
    const QList<Edge*> edges = node ? node->edges() : QList<Edge*>();
    for (const Edge* edge : edges) {
        out += edge->sourceNode() == node ? 1 : 0;
        in += edge->destNode() == node ? 1 : 0;
    }
    if (out != BenchGroups::FlowEntries || in != BenchGroups::FlowEntries || !macro->isSecurity())
        qFatal("zor-bench: the box to work on has %d arrows out and %d in", out, in);
    return *macro;
}

void BenchRun::measureDrag()
{
    openForInteraction();
    CanvasSteps(*m_driver, m_runs * StepsPerRun).measureDrag(interactiveMacro(), &m_dragSteps);
    m_driver->closeGroup();
}

void BenchRun::measureZoom()
{
    openForInteraction();
    CanvasSteps(*m_driver, m_runs * StepsPerRun).measureZoom(&m_zoomSteps);
    m_driver->closeGroup();
}

void BenchRun::measureConfigure()
{
    openForInteraction();
    ConfigureTiming(*m_driver, m_guard, m_runs)
        .measure(interactiveMacro(), &m_configureOpen, &m_configureOk);
    m_driver->closeGroup();
}

void BenchRun::measureStartup()
{
    // A file of its own: the one open in this window is locked, and another
    // editor that opens it asks first.
    const QString path = QDir(m_folder).filePath(QStringLiteral("startup-%1.mcx").arg(LargeGroup));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(m_bytes.value(LargeGroup)) != m_bytes.value(LargeGroup).size())
        qFatal("zor-bench: cannot write %s", qPrintable(path));
    file.close();
    StartupTiming(QStringLiteral(ZOR_EXECUTABLE), m_runs)
        .measure(path, &m_firstPaint, &m_startProcess);
}

void BenchRun::measureParallelCheck()
{
    CheckProcess check(QStringLiteral(ZOR_EXECUTABLE), m_folder, m_runs);
    QString error;
    if (!check.writeFiles(&error))
        qFatal("zor-bench: %s", qPrintable(error));
    check.measure(&m_checkOneThread, &m_checkAllCores);
}

void BenchRun::measureCheckRefresh()
{
    openFresh(LargeGroup);
    auto* dock = m_driver->window().findChild<VerificationDock*>();
    if (!dock)
        qFatal("zor-bench: the window has no verification dock");
    GroupDocument& document = *m_driver->window().currentDocument();
    Macro* macro = document.group().macros().at(LargeGroup / 2);
    for (int run = 0; run <= m_runs; ++run) {
        // A configure as the dialog makes it; the dock's refresh follows it
        // a moment later, off the edit's path.
        Macro after(*macro);
        after.setName(after.name().endsWith(QLatin1Char('X')) ? after.name().chopped(1)
                                                              : after.name() + QLatin1Char('X'));
        document.push(new ConfigureMacroCommand(document, macro, *macro, after));
        if (!dock->isRefreshPending())
            qFatal("zor-bench: the configure did not ask the dock for a refresh");
        const double ms = timeOf([dock] { dock->refresh(); });
        WindowDriver::settle();
        if (run > 0)
            m_checkRefresh.add(ms);
    }
    m_checkFindings = dock->findings().size();
    m_driver->closeGroup();
}

double BenchRun::arrangeOnce(double* maxStallMs)
{
    auto* arranger = m_driver->window().findChild<BoxArranger*>();
    if (!arranger)
        qFatal("zor-bench: the window has no arranger");
    QEventLoop loop;
    bool moved = false;
    bool finished = false;
    const QMetaObject::Connection connection =
        QObject::connect(arranger, &BoxArranger::finished, &loop, [&](bool boxesMoved) {
            moved = boxesMoved;
            finished = true;
            loop.quit();
        });
    // Ticks as often as the event loop can serve it without spinning: a gap
    // longer than the interval is a time the window could not answer.
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(2);
    const Stopwatch watch;
    double lastTurn = 0;
    double longest = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const double now = watch.elapsedMs();
        longest = qMax(longest, now - lastTurn);
        lastTurn = now;
    });
    ticker.start();
    m_driver->arrange();
    if (!finished)
        loop.exec();
    const double ms = watch.elapsedMs();
    QObject::disconnect(connection);
    // The paint of the boxes in their new places is part of the wait.
    lastTurn = qMax(lastTurn, ms);
    WindowDriver::settle();
    longest = qMax(longest, watch.elapsedMs() - lastTurn);
    if (!moved)
        qFatal("zor-bench: Organizar caixas moved no box");
    *maxStallMs = qMax(*maxStallMs, longest);
    return ms;
}

void BenchRun::measureArrangeOf(const QString& path, int macroCount, Samples* times)
{
    m_driver->closeGroup();
    WindowDriver::settle();
    m_driver->open(path);
    WindowDriver::settle();
    checkOpen(macroCount);
    for (int run = 0; run <= m_runs; ++run) {
        const double ms = arrangeOnce(&m_arrangeStallMs);
        m_driver->undo();
        WindowDriver::settle();
        if (run > 0)
            times->add(ms);
    }
    m_driver->closeGroup();
}

void BenchRun::measureArrange()
{
    m_arrangeStallMs = 0;
    measureArrangeOf(flowPath(), FlowGroup, &m_arrange150);
    restoreFile(LargeGroup);
    measureArrangeOf(pathOf(LargeGroup), LargeGroup, &m_arrange999);
}

void BenchRun::summarise()
{
    const auto ratio = [](const Samples& a, const Samples& b) {
        return b.median() > 0 ? a.median() / b.median() : 0.0;
    };
    Report& r = m_report;
    r.addRatio(QStringLiteral("open.ratio"), ratio(m_open[1], m_openFloor[1]), 2.5,
               QStringLiteral("open command / QJsonDocument::fromJson of the same bytes"));
    r.addRatio(QStringLiteral("save.ratio"), ratio(m_save, m_saveFloor), 2,
               QStringLiteral("save command / toJson + plain write of the same document"));
    r.addRatio(QStringLiteral("delete.ratio"), ratio(m_delete, m_deleteFloor), 2,
               QStringLiteral("select all + delete / QGraphicsScene::clear()"));
    r.addRatio(QStringLiteral("undo.delete_all.ratio"), ratio(m_undoDelete, m_undoDeleteFloor), 3,
               QStringLiteral("undo of select all + delete / select all + delete"));
    r.addValue(QStringLiteral("undo.memory_mb"), m_undoMemoryMb, 30,
               QStringLiteral("VmRSS added by 100 configure commands, 999 macros open"));
    r.addRatio(QStringLiteral("repaint.ratio.zoom1"), ratio(m_repaint1, m_repaint1Floor), 1.3,
               QStringLiteral("repaint 1600x900 at zoom 1.0 / visible items only"));
    r.addRatio(QStringLiteral("repaint.ratio.zoommin"), ratio(m_repaintMin, m_repaintMinFloor), 3,
               QStringLiteral("repaint 1600x900 at the smallest zoom / visible items only"));
    r.addRatio(QStringLiteral("open.scaling"), ratio(m_open[1], m_open[0]), 12,
               QStringLiteral("open command, 999 macros / 100 macros"));
    // Linear is 10, and about twice that once the larger group no longer
    // fits the processor's caches; a quadratic check is about 100.
    r.addRatio(QStringLiteral("check.scaling"), ratio(m_check[1], m_check[0]), 25,
               QStringLiteral("GroupCheck (zor --check), 999 macros / 100 macros"));
    r.addValue(QStringLiteral("memory.peak_mb"), m_peakMb, 120,
               m_peakReset ? QStringLiteral("VmHWM (MiB), 999 macros open in the window")
                           : QStringLiteral("VmHWM (MiB) of the whole run (peak not reset)"));
    summariseInteraction();

    r.addTime(QStringLiteral("open.100.ms"), m_open[0], QStringLiteral("open command, 100 macros"));
    r.addTime(QStringLiteral("open.100.floor_ms"), m_openFloor[0],
              QStringLiteral("fromJson, 100 macros"));
    r.addTime(QStringLiteral("open.999.ms"), m_open[1], QStringLiteral("open command"));
    r.addTime(QStringLiteral("open.999.floor_ms"), m_openFloor[1], QStringLiteral("fromJson"));
    r.addTime(QStringLiteral("open.999.settle_ms"), m_openSettle[1],
              QStringLiteral("event loop after the open, first paint included (not in the ratio)"));
    r.addTime(QStringLiteral("save.ms"), m_save,
              QStringLiteral("save command (checks, flow numbers, Group::save)"));
    r.addTime(QStringLiteral("save.group_ms"), m_groupSave, QStringLiteral("Group::save alone"));
    r.addTime(QStringLiteral("save.floor_ms"), m_saveFloor, QStringLiteral("toJson + QFile write"));
    r.addTime(QStringLiteral("delete.ms"), m_delete, QStringLiteral("select all + delete"));
    r.addTime(QStringLiteral("delete.floor_ms"), m_deleteFloor,
              QStringLiteral("QGraphicsScene::clear()"));
    r.addTime(QStringLiteral("undo.delete_all.ms"), m_undoDelete,
              QStringLiteral("undo of select all + delete"));
    r.addTime(QStringLiteral("undo.delete_all.floor_ms"), m_undoDeleteFloor,
              QStringLiteral("select all + delete"));
    r.addTime(QStringLiteral("check.100.ms"), m_check[0], QStringLiteral("GroupCheck, 100 macros"));
    r.addTime(QStringLiteral("check.999.ms"), m_check[1], QStringLiteral("GroupCheck, 999 macros"));
    r.addTime(QStringLiteral("repaint.zoom1.ms"), m_repaint1,
              QStringLiteral("full repaint, zoom 1.0"));
    r.addTime(QStringLiteral("repaint.zoom1.floor_ms"), m_repaint1Floor,
              QStringLiteral("same view, visible items only"));
    r.addTime(QStringLiteral("repaint.zoommin.ms"), m_repaintMin,
              QStringLiteral("full repaint, smallest zoom"));
    r.addTime(QStringLiteral("repaint.zoommin.floor_ms"), m_repaintMinFloor,
              QStringLiteral("same view, visible items only"));

    if (m_diff.count() > 0) {
        r.addTime(QStringLiteral("diff.999.ms"), m_diff,
                  QStringLiteral("zor --diff of two 999-macro groups: read both, compare, report"),
                  500);
        r.addTime(QStringLiteral("diff.999.compare_ms"), m_diffCompare,
                  QStringLiteral("the comparison and the report alone"));
        r.addNote(QStringLiteral("diff.999.macros"), m_diffMacros,
                  QStringLiteral("macros that differ between the two groups"));
    }

    if (m_checkRefresh.count() > 0) {
        r.addTime(QStringLiteral("check.refresh_ms"), m_checkRefresh,
                  QStringLiteral("verification dock refresh, 999 macros, after one configure"), 50);
        r.addNote(QStringLiteral("check.findings"), m_checkFindings,
                  QStringLiteral("findings of the 999-macro group"));
    }
    if (m_arrange150.count() > 0) {
        r.addTime(QStringLiteral("arrange.150.ms"), m_arrange150,
                  QStringLiteral("Organizar caixas, 150 macros with 3 next each, until applied"),
                  1000);
        r.addTime(QStringLiteral("arrange.999.ms"), m_arrange999,
                  QStringLiteral("Organizar caixas, 999 macros with 10 next each, until applied"),
                  5000);
        r.addValue(QStringLiteral("arrange.max_stall_ms"), m_arrangeStallMs, 100,
                   QStringLiteral("longest wait between two event-loop turns while arranging"));
    }

    r.addNote(QStringLiteral("cores"), QThread::idealThreadCount(),
              QStringLiteral("cores zor --check uses by default"));
    r.addNote(QStringLiteral("runs"), m_runs, QStringLiteral("runs per time, after a warm-up"));
    r.addNote(QStringLiteral("file.999.kb"), m_bytes[LargeGroup].size() / 1024.0,
              QStringLiteral("size of the 999-macro file as saved"));
    r.addNote(QStringLiteral("scene.items"), m_sceneItems,
              QStringLiteral("scene items with the 999-macro group open"));
    r.addNote(QStringLiteral("visible.zoom1.boxes"), m_visibleBoxes[0],
              QStringLiteral("boxes in the view at zoom 1.0"));
    r.addNote(QStringLiteral("visible.zoom1.arrows"), m_visibleArrows[0],
              QStringLiteral("arrows in the view at zoom 1.0"));
    r.addNote(QStringLiteral("visible.zoommin.boxes"), m_visibleBoxes[1],
              QStringLiteral("boxes in the view at the smallest zoom"));
    r.addNote(QStringLiteral("visible.zoommin.arrows"), m_visibleArrows[1],
              QStringLiteral("arrows in the view at the smallest zoom"));
}

void BenchRun::summariseInteraction()
{
    Report& r = m_report;
    if (m_dragSteps.count() > 0) {
        r.addTime(QStringLiteral("drag.step_ms"), m_dragSteps,
                  QStringLiteral("a mouse move of a drag of a box with 20 arrows, until painted"),
                  8);
    }
    if (m_zoomSteps.count() > 0) {
        r.addTime(QStringLiteral("zoom.step_ms"), m_zoomSteps,
                  QStringLiteral("Zoom - or Zoom + at zoom 1, until painted"), 16);
    }
    if (m_configureOpen.count() > 0) {
        r.addTime(QStringLiteral("configure.open_ms"), m_configureOpen,
                  QStringLiteral("double click to the configure dialog shown and painted"), 100);
        r.addTime(QStringLiteral("configure.ok_ms"), m_configureOk,
                  QStringLiteral("OK (name edited) to the box and its arrows painted"), 50);
    }
    if (m_firstPaint.count() > 0) {
        r.addTime(QStringLiteral("window.first_paint_ms"), m_firstPaint,
                  QStringLiteral("zor FILE: application object to the first paint of the canvas"),
                  300);
        r.addTime(QStringLiteral("window.process_ms"), m_startProcess,
                  QStringLiteral("the same from the start of the process (loading included)"));
    }
    if (m_checkAllCores.count() > 0) {
        const double allCores = m_checkAllCores.median();
        r.addMinimum(
            QStringLiteral("check.parallel.ratio"),
            allCores > 0 ? m_checkOneThread.median() / allCores : 0.0, 1.7,
            QStringLiteral("zor --check of 200 files of 100 macros: --jobs 1 / every core"));
        r.addValue(QStringLiteral("check.files_per_s"),
                   allCores > 0 ? CheckProcess::FileCount * 1000.0 / allCores : 0.0, 0,
                   QStringLiteral("files of 100 macros zor --check reads and checks a second"));
        r.addTime(QStringLiteral("check.200.one_thread_ms"), m_checkOneThread,
                  QStringLiteral("zor --check --jobs 1, 200 files"));
        r.addTime(QStringLiteral("check.200.all_cores_ms"), m_checkAllCores,
                  QStringLiteral("zor --check, 200 files"));
    }
}
