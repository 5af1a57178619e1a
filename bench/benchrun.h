#pragma once

#include "report.h"
#include "samples.h"

#include <QByteArray>
#include <QMap>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class Macro;
class ModalGuard;
class WindowDriver;

// One run of the benchmark: writes the generated groups, then takes every
// figure in this process, each time beside its floor (the bare toolkit
// operation the command can't do without), run after run, so that both see
// the same load of the machine.
class BenchRun
{
public:
    static constexpr int SmallGroup = 100;
    static constexpr int LargeGroup = 999;
    // The flow "Organizar caixas" is timed on besides the large group.
    static constexpr int FlowGroup = 150;
    static constexpr int FlowNext = 3;

    BenchRun(const QString& folder, int runs, ModalGuard& guard);
    ~BenchRun();
    BenchRun(const BenchRun&) = delete;
    BenchRun& operator=(const BenchRun&) = delete;

    // False when a group could not be written or breaks a rule.
    bool writeGroups(QString* error);
    void measureMemory();
    void measureOpen();
    void measureSave();
    void measureDelete();
    void measureUndo();
    void measureRepaint();
    void measureDiff();
    // The check of "zor --check" on 100 and on 999 macros, without a window.
    void measureCheck();
    // A step of a drag of a box with twenty arrows, a step of the zoom.
    void measureDrag();
    void measureZoom();
    // Double click to the configure dialog painted, OK to the box repainted.
    void measureConfigure();
    // "zor FILE" to the first paint of its canvas, in a process of its own.
    void measureStartup();
    // "zor --check" over many files, with one thread and with every core.
    void measureParallelCheck();
    // The verification dock checking the group again after one configure.
    void measureCheckRefresh();
    void measureArrange();
    // Fills the report from the figures taken.
    void summarise();

    const Report& report() const { return m_report; }

private:
    QString pathOf(int macroCount) const;
    QString revisedPath() const;
    QString flowPath() const;
    // "Organizar caixas" on the open group until its command is applied and
    // the window has painted; the longest wait between two turns of the
    // event loop meanwhile goes to maxStallMs.
    double arrangeOnce(double* maxStallMs);
    void measureArrangeOf(const QString& path, int macroCount, Samples* times);
    void restoreFile(int macroCount) const;
    void openFresh(int macroCount);
    void checkOpen(int macroCount) const;
    // A warm-up, then the runs; each run measures the command and its
    // floor. The command is timed until it returns, as a user's command runs
    // until the window can paint; the paint and the toolkit's deferred work
    // follow outside the time (settleTimes, when given, takes them).
    void measurePairs(const std::function<void()>& prepare, const std::function<void()>& command,
                      const std::function<void()>& floorPrepare, const std::function<void()>& floor,
                      Samples* commandTimes, Samples* floorTimes, Samples* settleTimes = nullptr);
    void measureRepaintAt(const QString& zoomName, Samples* full, Samples* floor);
    void summariseInteraction();
    // The 999-macro group open at zoom 1, the view on the middle of the scene.
    void openForInteraction();
    // A box in the view with ten arrows out and ten in, whose macro watches
    // violations (not an information macro).
    const Macro& interactiveMacro() const;

    QString m_folder;
    int m_runs;
    ModalGuard& m_guard;
    QMap<int, QByteArray> m_bytes;
    std::unique_ptr<WindowDriver> m_driver;
    Report m_report;
    // The ratios come at the end; the times are kept until then.
    Samples m_open[2];
    Samples m_openFloor[2];
    // What the event loop does after the open returns: the scene's own
    // deferred work and the first paint of the diagram.
    Samples m_openSettle[2];
    Samples m_save, m_groupSave, m_saveFloor;
    Samples m_delete, m_deleteFloor;
    Samples m_undoDelete, m_undoDeleteFloor;
    double m_undoMemoryMb = -1;
    Samples m_repaint1, m_repaint1Floor, m_repaintMin, m_repaintMinFloor;
    Samples m_diff, m_diffCompare;
    Samples m_arrange150, m_arrange999;
    double m_arrangeStallMs = -1;
    int m_diffMacros = 0;
    Samples m_check[2];
    Samples m_dragSteps, m_zoomSteps;
    Samples m_configureOpen, m_configureOk;
    Samples m_firstPaint, m_startProcess;
    Samples m_checkOneThread, m_checkAllCores;
    Samples m_checkRefresh;
    int m_checkFindings = -1;
    double m_peakMb = -1;
    bool m_peakReset = false;
    int m_visibleBoxes[2] = {0, 0};
    int m_visibleArrows[2] = {0, 0};
    int m_sceneItems = 0;
};
