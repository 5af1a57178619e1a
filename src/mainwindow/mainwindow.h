#pragma once

#include "app/zorobject.h"

#include <QMainWindow>

#include <memory>

namespace Ui {
class MainWindow;
}

// The single top-level window of the editor.
class MainWindow : public QMainWindow, private ZorObject
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    void setFileToOpen(const QString& path) { fileToOpen = path; }

private:
    std::unique_ptr<Ui::MainWindow> ui;
    QString fileToOpen;
};
