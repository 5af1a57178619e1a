#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "app/anchorsettings.h"
#include "app/datafiles.h"
#include "app/debuglogger.h"
#include "app/referencedata.h"
#include "app/sessionlanguage.h"
#include "boxarranger.h"
#include "commands/addmacrocommand.h"
#include "commands/configuremacrocommand.h"
#include "commands/deletemacroscommand.h"
#include "commands/groupdocument.h"
#include "commands/groupheadercommand.h"
#include "diagram/graphwidget.h"
#include "diagram/groupdiagram.h"
#include "diagram/node.h"
#include "dialogs/dlgabout.h"
#include "dialogs/dlgconfigmacro.h"
#include "dialogs/dlggroup.h"
#include "dialogs/dlggroupdesc.h"
#include "dialogs/dlgnovamacro.h"
#include "dialogs/dlgsimulator.h"
#include "differencesdock.h"
#include "filedialogs.h"
#include "fileguard.h"
#include "findfield.h"
#include "flowoutput.h"
#include "model/group.h"
#include "model/macro.h"
#include "presavechecks.h"
#include "recentfilesmenu.h"
#include "recovery/recoverycopy.h"
#include "verificationdock.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

namespace {

const char* const SettingsGroup = "MainWindow";
const char* const DateFormat = "yyyy/MM/dd hh:mm:ss";
const char* const VerificationKey = "verification";
// How long the status bar tells that a search found nothing.
constexpr int NotFoundMessageMs = 5000;

QString pointText(const QPoint& point)
{
    return QStringLiteral("(%1,%2)").arg(point.x()).arg(point.y());
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), systemLocaleName(QLocale::system().name()),
      fileGuard(std::make_unique<FileGuard>(this))
{
    ui->setupUi(this);
    connect(fileGuard.get(), &FileGuard::reloadRequested, this, &MainWindow::openFile);
    baseTitle = windowTitle();
    // The history is there when asked for.
    ui->dockHistory->hide();
    readSettings();
    setUpDebugMode();
    createStatusBar();
    updateActions();
    createCanvas();
    createDifferencesDock();
    createVerificationDock();
    createFindField();
    createRecentFilesMenu();
    groupLanguageActions();
    arranger = new BoxArranger(this);
    updateEditActions();
    loadReferenceData();
    updateInfoDock();
    DebugLogger::instance()->log(QStringLiteral("locale ") + systemLocaleName, this);
    applyLanguage(currentLanguage);
    tempSettings = std::make_unique<QSettings>(QDir::tempPath() + QStringLiteral("/zortmp.ini"),
                                               QSettings::IniFormat);
}

MainWindow::~MainWindow()
{
    if (DebugLogger::debugMode())
        DebugLogger::instance()->setLineSink(nullptr);
    graph->setDocument(nullptr);
    graph->clearAll();
    // Before the document: closed without the user's word, the group keeps
    // its recovery copy.
    fileGuard.reset();
    document.reset();
}

void MainWindow::readSettings()
{
    QSettings settings;
    settings.beginGroup(QLatin1String(SettingsGroup));
    resize(settings.value(QStringLiteral("size"), QSize(400, 400)).toSize());
    move(settings.value(QStringLiteral("pos"), QPoint(200, 200)).toPoint());
    settings.endGroup();
    currentLanguage = SessionLanguage::startCode();
    // A language named on the command line is for this run only.
    rememberLanguage = SessionLanguage::commandLineCode().isEmpty();
}

void MainWindow::writeSettings() const
{
    QSettings settings;
    settings.beginGroup(QLatin1String(SettingsGroup));
    settings.setValue(QStringLiteral("size"), size());
    settings.setValue(QStringLiteral("pos"), pos());
    if (rememberLanguage)
        settings.setValue(QStringLiteral("locale"), currentLanguage);
    settings.setValue(QLatin1String(VerificationKey), !verificationDock->isHidden());
    settings.endGroup();
}

void MainWindow::setUpDebugMode()
{
    const bool debug = DebugLogger::debugMode();
    if (debug) {
        QListWidget* list = ui->lstDebugInfo;
        DebugLogger::instance()->setLineSink([list](const QString& line) {
            list->addItem(line);
            list->scrollToBottom();
        });
        DebugLogger::instance()->startSession();
        logConstruction();
    }
    ui->actionDebug->setVisible(debug);
    ui->dockDebugInfo->setVisible(debug);
}

void MainWindow::createStatusBar()
{
    for (int i = 0; i < StatusLabelCount; ++i) {
        auto* label = new QLabel(i == ZoomLabel ? QStringLiteral("100%") : QString(), this);
        if (i == SpareLabel) {
            label->setMinimumSize(label->sizeHint());
            ui->statusBar->addWidget(label);
        } else {
            label->setAlignment(Qt::AlignCenter);
            ui->statusBar->addWidget(label, 1);
        }
        statusLabels[size_t(i)] = label;
    }
}

void MainWindow::createCanvas()
{
    graph = new GraphWidget(nullptr);
    setCentralWidget(graph);
    connect(graph, &GraphWidget::zoom, this, [this](int percent) {
        statusLabels[ZoomLabel]->setText(QString::number(percent) + QLatin1Char('%'));
    });
    connect(graph, &GraphWidget::newMouseClick, this,
            [this](const QPoint& point) { statusLabels[PressLabel]->setText(pointText(point)); });
    connect(graph, &GraphWidget::newPosition, this, &MainWindow::onNewPosition);
    connect(graph, &GraphWidget::clickOnShape, this,
            [this](const QString& a, const QString& b, const QString& c) {
                statusLabels[DescriptionLabel]->setText(QStringLiteral("%1 %2 %3").arg(a, b, c));
            });
    connect(graph, &GraphWidget::editShape, this, &MainWindow::onEditShape);
    connect(graph, &GraphWidget::selectedItems, this, &MainWindow::onSelectedItems);
}

void MainWindow::createDifferencesDock()
{
    differencesDock = new DifferencesDock(lists, this);
    differencesDock->setObjectName(QStringLiteral("dockDifferences"));
    addDockWidget(Qt::BottomDockWidgetArea, differencesDock);
    differencesDock->hide();
    connect(differencesDock, &DifferencesDock::macroActivated, graph, &GraphWidget::showBox);
}

void MainWindow::createVerificationDock()
{
    verificationDock = new VerificationDock(this);
    verificationDock->setObjectName(QStringLiteral("dockVerification"));
    addDockWidget(Qt::BottomDockWidgetArea, verificationDock);
    // Beside the group's information, in sight while editing.
    splitDockWidget(ui->dockMacroInfos, verificationDock, Qt::Horizontal);
    QSettings settings;
    settings.beginGroup(QLatin1String(SettingsGroup));
    if (!settings.value(QLatin1String(VerificationKey), true).toBool())
        verificationDock->hide();
    ui->actionVerification->setChecked(!verificationDock->isHidden());
    connect(verificationDock->toggleViewAction(), &QAction::toggled, ui->actionVerification,
            &QAction::setChecked);
    connect(ui->actionVerification, &QAction::triggered, verificationDock,
            &QDockWidget::setVisible);
    connect(verificationDock, &VerificationDock::problemCountChanged, this,
            [this] { statusLabels[ProblemsLabel]->setText(verificationDock->countText()); });
    connect(verificationDock, &VerificationDock::findingActivated, this, &MainWindow::showFinding);
}

void MainWindow::createFindField()
{
    findField = new FindField(this);
    findField->setCanvas(graph);
    ui->mainToolBar->addSeparator();
    ui->mainToolBar->addWidget(findField);
    connect(findField, &FindField::notFound, this, [this] {
        statusBar()->showMessage(tr("Nenhuma macro encontrada"), NotFoundMessageMs);
    });
}

void MainWindow::createRecentFilesMenu()
{
    recentFiles = new RecentFilesMenu(this);
    ui->menuZor_Quorvane_2_0->insertMenu(ui->actionCompareWith, recentFiles);
    connect(recentFiles, &RecentFilesMenu::openRequested, this, &MainWindow::openRecentFile);
}

void MainWindow::groupLanguageActions()
{
    // One language ticked at a time, and choosing it again keeps the tick.
    auto* languages = new QActionGroup(this);
    for (QAction* action : {ui->actionEnglish_2, ui->actionEspanhol_2, ui->actionPortugues,
                            ui->actionFrence, ui->actionDeutsche})
        languages->addAction(action);
}

Group* MainWindow::group() const
{
    return document ? &document->group() : nullptr;
}

void MainWindow::updateActions()
{
    updateTitle();
    Group* group = this->group();
    ui->actionArrange->setEnabled(group && group->macroCount() > 0);
    if (!group) {
        for (QAction* action :
             {ui->actionSelectAll, ui->actionSaveGroup, ui->actionSaveGroupAs, ui->actionCloseGroup,
              ui->actionDelete, ui->actionZoomMinus, ui->actionZoomPlus, ui->actionCompareWith,
              ui->actionSimulate, ui->actionExportImage, ui->actionPrint, ui->actionZoomActual,
              ui->actionZoomFit})
            action->setEnabled(false);
        return;
    }
    const bool hasMacros = group->macroCount() > 0;
    for (QAction* action : {ui->actionSelectAll, ui->actionDelete, ui->actionZoomMinus,
                            ui->actionZoomPlus, ui->actionZoomActual, ui->actionZoomFit})
        action->setEnabled(hasMacros);
    ui->actionExportImage->setEnabled(true);
    ui->actionPrint->setEnabled(true);
    ui->actionSaveGroup->setEnabled(group->isModified());
    ui->actionSaveGroupAs->setEnabled(true);
    ui->actionCloseGroup->setEnabled(true);
    ui->actionCompareWith->setEnabled(true);
    ui->actionSimulate->setEnabled(true);
    ui->actionSelecao->setEnabled(true);
    ui->actionSelecao->setChecked(true);
}

void MainWindow::updateEditActions()
{
    QUndoStack* stack = document ? document->undoStack() : nullptr;
    const QString undoText = stack ? stack->undoText() : QString();
    const QString redoText = stack ? stack->redoText() : QString();
    ui->actionUndo->setEnabled(stack && stack->canUndo());
    ui->actionRedo->setEnabled(stack && stack->canRedo());
    ui->actionUndo->setText(undoText.isEmpty() ? tr("&Desfazer")
                                               : tr("&Desfazer %1").arg(undoText));
    ui->actionRedo->setText(redoText.isEmpty() ? tr("&Refazer") : tr("&Refazer %1").arg(redoText));
    // Ctrl+Shift+Z and Ctrl+Y both redo, as in the desktop's other editors.
    ui->actionUndo->setShortcuts(QKeySequence::Undo);
    ui->actionRedo->setShortcuts(QKeySequence::Redo);
}

void MainWindow::updateTitle()
{
    // The group's file (or name) and the modified marker go before the
    // program's title, which the entry followed with the version.
    const QString title = windowTitle();
    const QString tail = title.startsWith(titlePrefix + baseTitle)
                             ? title.mid(titlePrefix.size() + baseTitle.size())
                             : QString();
    const Group* group = this->group();
    QString name;
    if (group) {
        name =
            group->filePath().isEmpty() ? group->name() : QFileInfo(group->filePath()).fileName();
        if (name.isEmpty())
            name = tr("Sem nome");
    }
    titlePrefix = name.isEmpty() ? QString() : name + QStringLiteral("[*] - ");
    setWindowTitle(titlePrefix + baseTitle + tail);
    setWindowModified(group && group->isModified());
}

void MainWindow::updateInfoDock()
{
    Group* group = this->group();
    const QString name = group ? group->name() : tr("sem grupo");
    const QString date = group ? group->creationDate() : QString();
    const QString description = group ? group->description() : tr("(sem descrição)");
    ui->lstMacroInfos->clear();
    ui->lstMacroInfos->addItem(tr("Grupo de Macros: %1").arg(name));
    ui->lstMacroInfos->addItem(tr("Data de Criação: %1").arg(date));
    ui->lstMacroInfos->addItem(tr("Descrição: %1").arg(description));
}

void MainWindow::onNewPosition(const QPoint& position, const QRectF& rect, const QString& sigla,
                               const QString& name, const QString& num)
{
    Q_UNUSED(rect)
    Q_UNUSED(sigla)
    Q_UNUSED(name)
    Q_UNUSED(num)
    statusLabels[ReleaseLabel]->setText(position.isNull() ? QString() : pointText(position));
    // The box released shows with its size, several boxes as their count.
    showSelection();
    updateActions();
}

void MainWindow::onSelectedItems(int count)
{
    Q_UNUSED(count)
    updateActions();
    showSelection();
}

// The status bar says what is selected as the group holds it now, also after
// an undo renamed, resized or removed it.
void MainWindow::showSelection()
{
    const QList<Macro*> selected = document ? graph->selectedMacros() : QList<Macro*>();
    if (selected.size() > 1) {
        statusLabels[DescriptionLabel]->setText(tr("%1 objetos selecionados").arg(selected.size()));
        return;
    }
    const Node* node = selected.isEmpty() ? nullptr : graph->nodeFor(selected.constFirst());
    if (!node) {
        statusLabels[SizeLabel]->clear();
        statusLabels[DescriptionLabel]->clear();
        return;
    }
    const Macro* macro = node->macro();
    const QRectF rect = node->boundingRect();
    statusLabels[SizeLabel]->setText(
        QStringLiteral("%1 x %2").arg(int(rect.height())).arg(int(rect.width())));
    statusLabels[DescriptionLabel]->setText(
        QStringLiteral("%1 %2 %3").arg(macro->sigla(), macro->name(), macro->num()));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!fileToOpen.isEmpty()) {
        const QString path = fileToOpen;
        fileToOpen.clear();
        openFile(path);
    }
    if (startedUp)
        return;
    startedUp = true;
    // Recovering replaces the group just opened only when nothing is lost.
    if (!document || !document->isModified()) {
        if (std::unique_ptr<RecoveryCopy> copy = fileGuard->offerCopies())
            recover(std::move(copy));
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (askSaveChanges() == QMessageBox::Cancel) {
        event->ignore();
        return;
    }
    writeSettings();
    fileGuard->detach();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    } else if (event->type() == QEvent::LocaleChange) {
        const QString name = QLocale::system().name();
        const int cut = name.lastIndexOf(QLatin1Char('_'));
        loadLanguage(cut < 0 ? QString() : name.left(cut));
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate()
{
    // The entry appends the version to the title; keep that tail across the
    // translation of the form's own title.
    const QString title = windowTitle();
    const QString tail = title.startsWith(titlePrefix + baseTitle)
                             ? title.mid(titlePrefix.size() + baseTitle.size())
                             : QString();
    ui->retranslateUi(this);
    baseTitle = windowTitle();
    titlePrefix.clear();
    setWindowTitle(baseTitle + tail);
    updateTitle();
    updateEditActions();
    updateInfoDock();
    tickLanguage(currentLanguage);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F12) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Dev Comments"),
                        QStringLiteral("Last updated - 16/Abr/2018"), QMessageBox::Ok);
        box.exec();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    // The Delete action has already taken the selection on the key press;
    // the release finds nothing left selected then.
    if (event->key() == Qt::Key_Delete)
        deleteSelection();
    QMainWindow::keyReleaseEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent* event)
{
    graph->unselectAll();
    QMainWindow::mousePressEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
}

void MainWindow::on_actionExit_triggered()
{
    close();
}

void MainWindow::on_actionShowGrid_triggered()
{
    graph->showGrid(ui->actionShowGrid->isChecked());
}

void MainWindow::on_actionZoomPlus_triggered()
{
    graph->zoomIn();
}

void MainWindow::on_actionZoomMinus_triggered()
{
    graph->zoomOut();
}

void MainWindow::on_actionZoomActual_triggered()
{
    graph->zoomToActualSize();
}

void MainWindow::on_actionZoomFit_triggered()
{
    graph->fitToWindow();
}

void MainWindow::on_actionFind_triggered()
{
    findField->activate();
}

void MainWindow::on_actionFindNext_triggered()
{
    findField->findNext();
}

void MainWindow::on_actionFindPrevious_triggered()
{
    findField->findPrevious();
}

void MainWindow::on_actionExportImage_triggered()
{
    if (document)
        FlowOutput::exportImage(this, *group(), lastDirectory());
}

void MainWindow::on_actionPrint_triggered()
{
    if (document)
        FlowOutput::print(this, *group());
}

void MainWindow::on_lstMacroInfos_clicked(const QModelIndex& index)
{
    Q_UNUSED(index)
    if (!document)
        return;
    dlgGroupDesc dialog(group()->description(), this);
    connect(&dialog, &dlgGroupDesc::newDescription, this, &MainWindow::changeDescription);
    dialog.exec();
}

void MainWindow::changeDescription(const QString& description)
{
    GroupHeaderCommand::Header header = GroupHeaderCommand::current(*document);
    const QString cut = description.left(Group::MaxDescriptionLength);
    if (cut == header.description)
        return;
    header.description = cut;
    document->push(new GroupHeaderCommand(*document, header));
}

void MainWindow::on_actionDelete_triggered()
{
    deleteSelection();
}

void MainWindow::deleteSelection()
{
    if (!document)
        return;
    const QList<Macro*> macros = graph->selectedMacros();
    if (!macros.isEmpty())
        document->push(new DeleteMacrosCommand(*document, macros));
}

void MainWindow::on_dockMacroInfos_visibilityChanged(bool visible)
{
    ui->actionInfo->setChecked(visible);
}

void MainWindow::on_dockDebugInfo_visibilityChanged(bool visible)
{
    ui->actionDebug->setChecked(visible);
}

void MainWindow::on_dockMacroInfos_featuresChanged(QDockWidget::DockWidgetFeatures features)
{
    Q_UNUSED(features)
}

void MainWindow::on_action_About_triggered()
{
    dlgAbout dialog(this);
    dialog.exec();
}

void MainWindow::on_actionArrange_triggered()
{
    if (!document || arranger->isRunning())
        return;
    // One box selected is usually just the last one clicked: the whole
    // group is meant.
    QList<Macro*> macros = graph->selectedMacros();
    if (macros.size() < 2)
        macros = group()->macros();
    arranger->start(*document, macros, graph->gridOn() ? GraphWidget::GridStep : 0);
}

void MainWindow::on_actionSimulate_triggered()
{
    if (!document)
        return;
    dlgSimulator dialog(*group(), this);
    dialog.exec();
}

void MainWindow::on_action_AboutQt_triggered()
{
    QApplication::aboutQt();
}

void MainWindow::on_actionInfo_triggered()
{
    ui->dockMacroInfos->setVisible(ui->actionInfo->isChecked());
}

void MainWindow::on_actionDebug_triggered()
{
    if (DebugLogger::debugMode())
        ui->dockDebugInfo->setVisible(ui->actionDebug->isChecked());
}

void MainWindow::on_actionSelectAll_triggered()
{
    graph->toggleSelectAll();
}

void MainWindow::on_actionSelecao_triggered()
{
    ui->actionSelecao->setChecked(true);
}

void MainWindow::on_actionUndo_triggered()
{
    if (document)
        document->undoStack()->undo();
}

void MainWindow::on_actionRedo_triggered()
{
    if (document)
        document->undoStack()->redo();
}

void MainWindow::on_actionHistory_triggered()
{
    ui->dockHistory->setVisible(ui->actionHistory->isChecked());
}

void MainWindow::on_dockHistory_visibilityChanged(bool visible)
{
    ui->actionHistory->setChecked(visible);
}

void MainWindow::loadReferenceData()
{
    const QString fileName = ReferenceData::fileNameFor(currentLanguage);
    const QString path = DataFiles::locate(fileName);
    if (path.isEmpty()) {
        QMessageBox box(QMessageBox::Warning, tr("Atenção!"),
                        tr("O arquivo de dados zor.ini não foi encontrado."), QMessageBox::Ok,
                        this);
        box.exec();
        return;
    }
    ReferenceData::load(path, &lists);
}

void MainWindow::readSection(QSettings& settings, const QString& section, QStringList* list)
{
    ReferenceData::readSection(settings, section, list);
}

// Group commands -----------------------------------------------------------

QMessageBox::StandardButton MainWindow::askSaveChanges()
{
    if (!document || !document->isModified())
        return QMessageBox::No;
    QMessageBox box(QMessageBox::Warning, tr("Atenção!"),
                    tr("Ocorreram mudanças nas macros, deseja salvar\nestas alterações?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(tr("Salvar"));
    box.button(QMessageBox::Discard)->setText(tr("Descartar"));
    box.button(QMessageBox::Cancel)->setText(tr("Cancelar"));
    const auto answer = QMessageBox::StandardButton(box.exec());
    if (answer != QMessageBox::Save)
        return answer == QMessageBox::Discard ? QMessageBox::Discard : QMessageBox::Cancel;
    // Whatever asked goes on only when the edits are really on disk, after
    // the same checks as "Salvar grupo".
    return saveGroup() ? QMessageBox::Save : QMessageBox::Cancel;
}

void MainWindow::closeGroup()
{
    fileGuard->detach();
    if (document) {
        graph->setDocument(nullptr);
        graph->clearAll();
        ui->undoView->setStack(nullptr);
        verificationDock->setDocument(nullptr);
        document.reset();
    }
    differencesDock->clear();
    updateInfoDock();
    updateActions();
    updateEditActions();
    showSelection();
}

bool MainWindow::createGroup(const QString& name, const QString& description)
{
    closeGroup();
    document = std::make_unique<GroupDocument>(std::make_unique<Group>(name, description));
    attachDocument();
    return true;
}

void MainWindow::attachDocument()
{
    fileGuard->attach(document.get());
    document->group().setGraph(graph);
    graph->setDocument(document.get());
    QUndoStack* stack = document->undoStack();
    ui->undoView->setStack(stack);
    verificationDock->setDocument(document.get());
    connect(document.get(), &GroupDocument::changed, this, &MainWindow::updateActions);
    connect(document.get(), &GroupDocument::changed, this, &MainWindow::showSelection);
    // After the document has followed the stack: the Save action and the
    // title show whether the group differs from its file.
    connect(stack, &QUndoStack::indexChanged, this, &MainWindow::updateActions);
    connect(document.get(), &GroupDocument::modifiedChanged, this, &MainWindow::updateActions);
    connect(document.get(), &GroupDocument::headerChanged, this, &MainWindow::updateInfoDock);
    for (auto signal : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(stack, signal, this, &MainWindow::updateEditActions);
    for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(stack, signal, this, &MainWindow::updateEditActions);
    updateEditActions();
}

bool MainWindow::openFile(const QString& path)
{
    if (!fileGuard->mayOpen(path))
        return false;
    if (std::unique_ptr<RecoveryCopy> copy = fileGuard->offerCopyOf(path)) {
        if (!recover(std::move(copy)))
            return false;
        recentFiles->addFile(path);
        return true;
    }
    createGroup(QString(), QString());
    Group* group = this->group();
    const bool loaded = QFileInfo(path).suffix() == QLatin1String("mcr")
                            ? group->loadMcr(path)
                            : group->loadMcx(path, lists.violationTimerFlags);
    if (!loaded) {
        // The empty group must not keep the path: a later Save would write
        // it over the file that could not be read.
        group->setFilePath(QString());
        updateInfoDock();
        updateActions();
        QMessageBox box(QMessageBox::Critical, QString(),
                        tr("Não foi possível abrir o arquivo %1").arg(path), QMessageBox::Ok);
        box.exec();
        return false;
    }
    fileGuard->followFile(path);
    updateInfoDock();
    buildDiagram();
    // Read without commands: the list learns of the macros here.
    verificationDock->refresh();
    recentFiles->addFile(path);
    characterCheck();
    updateActions();
    return true;
}

void MainWindow::openRecentFile(const QString& path)
{
    if (askSaveChanges() == QMessageBox::Cancel)
        return;
    openFile(path);
    rememberDirectory(path);
}

// The group as its recovery copy kept it: modified, with the path of its
// file, which is not written until the user saves.
bool MainWindow::recover(std::unique_ptr<RecoveryCopy> copy)
{
    createGroup(QString(), QString());
    if (!copy->read(*group())) {
        QMessageBox box(QMessageBox::Critical, QString(),
                        tr("Não foi possível abrir o arquivo %1").arg(copy->groupPath()),
                        QMessageBox::Ok);
        box.exec();
        return false;
    }
    document->markUnsaved();
    fileGuard->adopt(std::move(copy));
    updateInfoDock();
    buildDiagram();
    verificationDock->refresh();
    updateActions();
    return true;
}

void MainWindow::buildDiagram()
{
    GroupDiagram::build(*graph, *group());
    graph->showTopLeft();
}

QString MainWindow::lastDirectory() const
{
    return tempSettings->value(QStringLiteral("lastdir")).toString();
}

void MainWindow::rememberDirectory(const QString& filePath)
{
    const QString folder = QFileInfo(filePath).absolutePath();
    // Taking in what another window may have stored first: a write costs a
    // flush to disk, and an unchanged folder is not worth one.
    tempSettings->sync();
    if (tempSettings->value(QStringLiteral("lastdir")).toString() == folder)
        return;
    tempSettings->setValue(QStringLiteral("lastdir"), folder);
    tempSettings->sync();
}

QString MainWindow::askSavePath(const QString& suggestedName)
{
    const QString start = lastDirectory() + QLatin1Char('/') + suggestedName + QLatin1Char('.') +
                          QLatin1String("mcx");
    const QString path = FileDialogs::current().getSaveFileName(
        this, tr("Salvar como"), start,
        tr("Arquivos de seq. de macros (*.%1)").arg(QStringLiteral("mcx")));
    if (!path.isEmpty())
        rememberDirectory(path);
    return path;
}

bool MainWindow::saveAsDialog(const QString& suggestedName)
{
    const QString path = askSavePath(suggestedName);
    return !path.isEmpty() && writeNewFile(path);
}

bool MainWindow::writeNewFile(const QString& path)
{
    if (!group()->saveAs(path)) {
        reportSaveFailure(path);
        return false;
    }
    group()->setFilePath(path);
    document->markSaved();
    recentFiles->addFile(path);
    fileGuard->followFile(path);
    updateInfoDock();
    updateActions();
    return true;
}

void MainWindow::reportSaveFailure(const QString& path)
{
    // The system's reason, when there is one, on a second line.
    const QString reason = document ? group()->errorString() : QString();
    QMessageBox box(QMessageBox::Critical, tr("Erro!"),
                    tr("Não foi possível salvar o arquivo %1").arg(path) +
                        (reason.isEmpty() ? QString() : QLatin1Char('\n') + reason),
                    QMessageBox::Ok, this);
    box.exec();
}

bool MainWindow::writeGroup()
{
    Group* group = this->group();
    const QString path = group->filePath();
    if (path.isEmpty()) {
        const QString name = group->name();
        if (name.isEmpty() || name == QLatin1String("Sem nome"))
            return saveAsSequence();
        return saveAsDialog(name);
    }
    if (QFileInfo(path).suffix() == QLatin1String("mcr")) {
        // The legacy file stays as it is; the group goes to a new .mcx file.
        QMessageBox box(QMessageBox::Warning, QString(),
                        tr("Esta versão do Zor irá salvar o arquivo no formato MCX. O arquivo "
                           "original será mantido, porém as alterações serão salvas no novo "
                           "formato."),
                        QMessageBox::Ok);
        box.exec();
        return saveAsSequence();
    }
    if (!fileGuard->mayOverwrite(path))
        return false;
    if (!group->save()) {
        reportSaveFailure(path);
        return false;
    }
    document->markSaved();
    recentFiles->addFile(path);
    fileGuard->followFile(path);
    updateInfoDock();
    return true;
}

bool MainWindow::saveAsSequence()
{
    dlgGroup dialog(this);
    dialog.setName(group()->name().trimmed());
    dialog.setDescription(group()->description().trimmed());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Nothing changes until the file is written: a cancelled file dialog or
    // a failed write leaves the name, the description and the date as they
    // were.
    const QString path = askSavePath(dialog.name());
    if (path.isEmpty())
        return false;
    auto header = std::make_unique<GroupHeaderCommand>(
        *document, GroupHeaderCommand::Header{
                       dialog.name(), dialog.description().left(Group::MaxDescriptionLength),
                       QDateTime::currentDateTime().toString(QLatin1String(DateFormat))});
    if (!document->pushIf(std::move(header), [&] { return group()->saveAs(path); })) {
        reportSaveFailure(path);
        return false;
    }
    group()->setFilePath(path);
    document->markSaved();
    recentFiles->addFile(path);
    fileGuard->followFile(path);
    updateInfoDock();
    updateActions();
    return true;
}

bool MainWindow::passesSaveChecks()
{
    QString from;
    QString next;
    if (group()->findAnchorSequence(from, next)) {
        group()->showAnchorSequenceError(from, next);
        return false;
    }
    return isMacroFormValid();
}

bool MainWindow::saveGroup()
{
    if (!document || !passesSaveChecks())
        return false;
    group()->updateFlowNumbers();
    const bool saved = writeGroup();
    updateActions();
    return saved;
}

void MainWindow::on_actionNewGroup_triggered()
{
    if (document && document->isModified() && askSaveChanges() == QMessageBox::Cancel)
        return;
    dlgGroup dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    createGroup(dialog.name(), dialog.description());
    updateInfoDock();
    updateActions();
}

void MainWindow::on_actionLoadGroup_triggered()
{
    if (askSaveChanges() == QMessageBox::Cancel)
        return;
    const QString path = FileDialogs::current().getOpenFileName(
        this, tr("Abrir grupo de macros"), lastDirectory(),
        tr("Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. de macros "
           "(*.mcx);;Arquivos de seq. de macros versão antiga (*.mcr)"));
    if (path.isEmpty())
        return;
    openFile(path);
    rememberDirectory(path);
}

// Another version of the open group, as the version before: the dock lists
// what changed from it to the group as it is now.
void MainWindow::on_actionCompareWith_triggered()
{
    if (!document)
        return;
    const QString path = FileDialogs::current().getOpenFileName(
        this, tr("Comparar com"), lastDirectory(),
        tr("Todos arquivos de seq. de macros (*.mcx *.mcr);;Arquivos de seq. de macros "
           "(*.mcx);;Arquivos de seq. de macros versão antiga (*.mcr)"));
    if (path.isEmpty())
        return;
    rememberDirectory(path);
    differencesDock->compareWith(path, *group());
}

void MainWindow::on_actionSaveGroup_triggered()
{
    saveGroup();
}

void MainWindow::on_actionSaveGroupAs_triggered()
{
    if (!document || !passesSaveChecks())
        return;
    saveAsSequence();
}

void MainWindow::on_actionCloseGroup_triggered()
{
    if (document && askSaveChanges() != QMessageBox::Cancel)
        closeGroup();
}

// Pre-save checks ------------------------------------------------------------

bool MainWindow::characterCheck()
{
    return document ? PreSaveChecks(*document, this).characterCheck() : true;
}

bool MainWindow::isMacroFormValid()
{
    return document ? PreSaveChecks(*document, this).isMacroFormValid() : true;
}

// Languages ------------------------------------------------------------------

void MainWindow::on_actionEnglish_2_triggered()
{
    chooseLanguage(QStringLiteral("en"));
}

void MainWindow::on_actionEspanhol_2_triggered()
{
    chooseLanguage(QStringLiteral("es"));
}

void MainWindow::on_actionPortugues_triggered()
{
    chooseLanguage(QStringLiteral("pt"));
}

void MainWindow::on_actionFrence_triggered()
{
    chooseLanguage(QStringLiteral("fr"));
}

void MainWindow::on_actionDeutsche_triggered()
{
    chooseLanguage(QStringLiteral("de"));
}

void MainWindow::chooseLanguage(const QString& code)
{
    // Chosen in the menu, the language is remembered even when it is the one
    // the command line started with.
    rememberLanguage = true;
    if (currentLanguage == code)
        return;
    currentLanguage = code;
    applyLanguage(code);
}

void MainWindow::applyLanguage(const QString& code)
{
    loadTranslators(code);
    loadReferenceData();
}

void MainWindow::loadLanguage(const QString& code)
{
    currentLanguage = code;
    rememberLanguage = true;
    loadTranslators(code);
}

void MainWindow::loadTranslators(const QString& code)
{
    QLocale::setDefault(QLocale(code));
    switchTranslator(programTranslator, SessionLanguage::translationFile(code));
    switchTranslator(toolkitTranslator, QStringLiteral(":/translations/qt_%1.qm").arg(code));
    tickLanguage(code);
}

void MainWindow::tickLanguage(const QString& code)
{
    const QString language = code.section(QLatin1Char('_'), 0, 0).toLower();
    const std::pair<const char*, QAction*> actions[] = {{"en", ui->actionEnglish_2},
                                                        {"es", ui->actionEspanhol_2},
                                                        {"pt", ui->actionPortugues},
                                                        {"fr", ui->actionFrence},
                                                        {"de", ui->actionDeutsche}};
    for (const auto& entry : actions)
        entry.second->setChecked(language == QLatin1String(entry.first));
}

void MainWindow::switchTranslator(QTranslator& translator, const QString& file)
{
    // A failed load has emptied the translator. It must not stay installed
    // with the texts of the previous language either: removing it brings the
    // built-in texts back.
    if (!translator.load(file)) {
        QCoreApplication::removeTranslator(&translator);
        return;
    }
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::installTranslator(&translator);
}

// Macro commands -------------------------------------------------------------

void MainWindow::on_actionNewMacro_triggered()
{
    if (!document)
        createGroup(QString(), QString());
    dlgNovaMacro dialog(nullptr);
    connect(&dialog, &dlgNovaMacro::check, &dialog,
            [this, &dialog](const QString& number, const QString& shortcut, const QString& sigla) {
                answerUniqueness(dialog, number, shortcut, sigla);
            });
    if (dialog.exec() != QDialog::Accepted) {
        updateActions();
        return;
    }
    const QString shortcut = dialog.shortcut();
    const bool noShortcut = shortcut.isEmpty() || shortcut == QLatin1String("0");
    auto macro = std::make_unique<Macro>(dialog.number(), dialog.name(),
                                         noShortcut ? QStringLiteral("0") : shortcut,
                                         dialog.sigla(), dialog.macroType(), dialog.isInfo());
    macro->setRaio(quint16(anchorSettings().defaultRadius()));
    macro->setPosition(GraphWidget::newBoxPosition(*group()));
    macro->setDimensions(GraphWidget::newBoxRect());
    document->push(new AddMacroCommand(*document, std::move(macro)));
}

void MainWindow::answerUniqueness(dlgNovaMacro& dialog, const QString& number,
                                  const QString& shortcut, const QString& sigla) const
{
    const Group* group = this->group();
    if (group->findByNumber(number))
        dialog.reportNumberExists();
    else if (!shortcut.isEmpty() && shortcut != QLatin1String("0") &&
             group->findByShortcut(shortcut))
        dialog.reportShortcutExists();
    else if (group->findBySigla(sigla))
        dialog.reportSiglaExists();
    else
        dialog.finish(true);
}

void MainWindow::onEditShape(const QString& num)
{
    if (!document)
        return;
    const Node* node = graph->currentNode();
    Macro* macro =
        node && node->macro() && node->num() == num ? node->macro() : group()->findByNumber(num);
    if (macro)
        configureMacro(macro);
}

// A finding of the verification dock: its macro's box, and the dialog where
// a fault of the screens is mended.
void MainWindow::showFinding(Macro* macro, const QString& rule)
{
    graph->showMacro(macro);
    if (VerificationDock::isScreenRule(rule))
        configureMacro(macro);
}

// The dialog writes its values into the macro on OK; they become one
// command, so that the configuration can be undone.
void MainWindow::configureMacro(Macro* macro)
{
    const Macro before(*macro);
    dlgConfigMacro dialog(group(), macro, lists, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    const Macro after(*macro);
    *macro = before;
    if (accepted && !after.hasSameValues(before))
        document->push(new ConfigureMacroCommand(*document, macro, before, after));
}
