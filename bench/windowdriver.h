#pragma once

#include "benchfiledialogs.h"

#include <QSize>
#include <QString>

#include <memory>

class GraphWidget;
class Group;
class MainWindow;

// The real main window, driven through its commands as a user runs them:
// each command is the slot its action triggers, and the file dialogs answer
// with the benchmark's file.
class WindowDriver
{
public:
    WindowDriver();
    ~WindowDriver();
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;

    // Shows the window with a canvas viewport of exactly this size.
    void show(const QSize& viewportSize);

    // "Carregar grupo" with the file dialog answering path.
    void open(const QString& path);
    // "Salvar grupo"; the group is saved to the file it was read from.
    void save();
    // "Fechar grupo", discarding unsaved changes.
    void closeGroup();
    // "Selecionar tudo", then "Excluir".
    void selectAll();
    void deleteSelected();
    // "Desfazer".
    void undo();
    // "Organizar caixas": starts it and returns, as the window does.
    void arrange();
    // "Zoom -" until it no longer acts, or "Zoom +" back to 1.0.
    void zoomOutFully();
    void zoomToOne();
    // One "Zoom +" or "Zoom -".
    void zoomStep(bool in);
    // Marks the open group edited, as moving a box does.
    void markModified();

    MainWindow& window() const { return *m_window; }
    GraphWidget& canvas() const;
    Group* group() const;

    // Lets the window paint and settle, outside any measurement.
    static void settle();

private:
    void trigger(const char* slot);

    BenchFileDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};
