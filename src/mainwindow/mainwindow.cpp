#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "app/debuglogger.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    if (DebugLogger::debugMode()) {
        DebugLogger::instance()->startSession();
        logConstruction();
    }
}

MainWindow::~MainWindow() = default;
