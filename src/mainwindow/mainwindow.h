#pragma once

#include "app/referencelists.h"
#include "app/zorobject.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QModelIndex>
#include <QTranslator>

#include <array>
#include <memory>

class BoxArranger;
class DifferencesDock;
class FileGuard;
class FindField;
class GraphWidget;
class Macro;
class RecentFilesMenu;
class VerificationDock;
class dlgNovaMacro;
class Group;
class GroupDocument;
class QLabel;
class QSettings;
class RecoveryCopy;

namespace Ui {
class MainWindow;
}

// The single top-level window: owns the open group, the flow canvas, the
// reference lists and the translators, and keeps the actions, the docks and
// the status bar in step with the group.
class MainWindow : public QMainWindow, private ZorObject
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void setFileToOpen(const QString& path) { fileToOpen = path; }

    // For the commands and their tests: the open group (null when none), its
    // document, the canvas and the reference lists of the current language.
    Group* currentGroup() const { return group(); }
    GroupDocument* currentDocument() const { return document.get(); }
    GraphWidget* canvas() const { return graph; }
    const ReferenceLists& referenceLists() const { return lists; }
    QString language() const { return currentLanguage; }

public slots:
    bool isMacroFormValid();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private slots:
    void on_actionNewMacro_triggered();
    void on_actionLoadGroup_triggered();
    void on_actionCompareWith_triggered();
    void on_actionSaveGroup_triggered();
    void on_actionSaveGroupAs_triggered();
    void on_actionExit_triggered();
    void on_actionNewGroup_triggered();
    void on_actionShowGrid_triggered();
    void on_actionZoomPlus_triggered();
    void on_actionZoomMinus_triggered();
    void on_lstMacroInfos_clicked(const QModelIndex& index);
    void on_actionCloseGroup_triggered();
    void on_actionDelete_triggered();
    void on_dockMacroInfos_visibilityChanged(bool visible);
    void on_dockDebugInfo_visibilityChanged(bool visible);
    void on_dockMacroInfos_featuresChanged(QDockWidget::DockWidgetFeatures features);
    void on_action_About_triggered();
    void on_action_AboutQt_triggered();
    void on_actionInfo_triggered();
    void on_actionDebug_triggered();
    void on_actionSelectAll_triggered();
    void on_actionSelecao_triggered();
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionHistory_triggered();
    void on_dockHistory_visibilityChanged(bool visible);
    void on_actionEnglish_2_triggered();
    void on_actionEspanhol_2_triggered();
    void on_actionPortugues_triggered();
    void on_actionFrence_triggered();
    void on_actionDeutsche_triggered();
    void on_actionSimulate_triggered();
    void on_actionExportImage_triggered();
    void on_actionPrint_triggered();
    void on_actionFind_triggered();
    void on_actionFindNext_triggered();
    void on_actionFindPrevious_triggered();
    void on_actionZoomActual_triggered();
    void on_actionZoomFit_triggered();
    void on_actionArrange_triggered();

private:
    enum StatusLabel {
        SpareLabel,
        ReleaseLabel,
        SizeLabel,
        DescriptionLabel,
        ProblemsLabel,
        ZoomLabel,
        PressLabel,
        StatusLabelCount
    };

    void readSettings();
    void writeSettings() const;
    void setUpDebugMode();
    void createStatusBar();
    void createCanvas();
    void connectCanvas();
    void createDifferencesDock();
    void createVerificationDock();
    void createFindField();
    void createRecentFilesMenu();
    void groupLanguageActions();

    Group* group() const;
    void updateActions();
    void updateEditActions();
    void updateInfoDock();
    void updateTitle();
    void retranslate();
    void tickLanguage(const QString& code);

    // Group commands.
    QMessageBox::StandardButton askSaveChanges();
    void closeGroup();
    bool createGroup(const QString& name, const QString& description);
    void attachDocument();
    bool openFile(const QString& path);
    void openRecentFile(const QString& path);
    bool recover(std::unique_ptr<RecoveryCopy> copy);
    void buildDiagram();
    bool saveGroup();
    bool saveAsDialog(const QString& suggestedName);
    QString askSavePath(const QString& suggestedName);
    bool writeNewFile(const QString& path);
    bool saveAsSequence();
    bool writeGroup();
    bool passesSaveChecks();
    void reportSaveFailure(const QString& path);
    void changeDescription(const QString& description);
    void deleteSelection();
    QString lastDirectory() const;
    void rememberDirectory(const QString& filePath);

    // Macro commands.
    void answerUniqueness(dlgNovaMacro& dialog, const QString& number, const QString& shortcut,
                          const QString& sigla) const;

    // Pre-save checks.
    bool characterCheck();

    void onNewPosition(const QPoint& position, const QRectF& rect, const QString& sigla,
                       const QString& name, const QString& num);
    void onSelectedItems(int count);
    void showSelection();
    void onEditShape(const QString& num);
    void configureMacro(Macro* macro);
    void showFinding(Macro* macro, const QString& rule);

    // Reference data.
    void loadReferenceData();
    void readSection(QSettings& settings, const QString& section, QStringList* list);

    // Languages.
    void chooseLanguage(const QString& code);
    void applyLanguage(const QString& code);
    void loadLanguage(const QString& code);
    void loadTranslators(const QString& code);
    void switchTranslator(QTranslator& translator, const QString& file);

    std::unique_ptr<Ui::MainWindow> ui;
    QString fileToOpen;
    bool startedUp = false;
    QString baseTitle;
    // What updateTitle puts before baseTitle: the group's file or name.
    QString titlePrefix;
    QString systemLocaleName;
    QString currentLanguage;
    // Whether the close writes currentLanguage to the settings.
    bool rememberLanguage = true;
    QTranslator programTranslator;
    QTranslator toolkitTranslator;
    std::unique_ptr<QSettings> tempSettings;
    std::array<QLabel*, StatusLabelCount> statusLabels{};
    ReferenceLists lists;
    GraphWidget* graph = nullptr;
    DifferencesDock* differencesDock = nullptr;
    VerificationDock* verificationDock = nullptr;
    FindField* findField = nullptr;
    RecentFilesMenu* recentFiles = nullptr;
    std::unique_ptr<FileGuard> fileGuard;
    BoxArranger* arranger = nullptr;
    std::unique_ptr<GroupDocument> document;
};
