#pragma once

#include <QMenu>
#include <QStringList>

// "Abrir recente": the groups opened or saved last, newest first, kept in
// the settings as soon as they change, and "Limpar lista". Choosing a file
// that is gone takes it out of the list and says so; any other is handed
// on to be opened.
class RecentFilesMenu : public QMenu
{
    Q_OBJECT

public:
    static constexpr int MaxFiles = 8;

    explicit RecentFilesMenu(QWidget* parent = nullptr);

    // Puts the file first.
    void addFile(const QString& path);
    void clearFiles();
    QStringList files() const { return m_files; }

signals:
    void openRequested(const QString& path);

protected:
    void changeEvent(QEvent* event) override;

private:
    void choose(const QString& path);
    void removeFile(const QString& path);
    void store() const;
    void rebuild();

    QStringList m_files;
};
