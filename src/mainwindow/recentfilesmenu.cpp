#include "recentfilesmenu.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace {

const char* const SettingsKey = "MainWindow/recentFiles";

QString absolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFilesMenu::RecentFilesMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("menuRecentFiles"));
    setToolTipsVisible(true);
    m_files = QSettings().value(QLatin1String(SettingsKey)).toStringList().mid(0, MaxFiles);
    rebuild();
}

void RecentFilesMenu::addFile(const QString& path)
{
    const QString file = absolute(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > MaxFiles)
        m_files.removeLast();
    store();
    rebuild();
}

void RecentFilesMenu::clearFiles()
{
    m_files.clear();
    store();
    rebuild();
}

void RecentFilesMenu::removeFile(const QString& path)
{
    m_files.removeAll(path);
    store();
    rebuild();
}

void RecentFilesMenu::store() const
{
    // At once: another window, or the next start after a crash, sees it.
    QSettings settings;
    settings.setValue(QLatin1String(SettingsKey), m_files);
    settings.sync();
}

void RecentFilesMenu::choose(const QString& path)
{
    if (QFileInfo::exists(path)) {
        emit openRequested(path);
        return;
    }
    removeFile(path);
    QMessageBox box(QMessageBox::Warning, tr("Atenção!"),
                    tr("O arquivo %1 não existe mais e foi retirado da lista.").arg(path),
                    QMessageBox::Ok, parentWidget());
    box.exec();
}

void RecentFilesMenu::rebuild()
{
    clear();
    setTitle(tr("Abrir &recente"));
    for (int i = 0; i < m_files.size(); ++i) {
        const QString path = m_files.at(i);
        // The first nine have a digit to choose them by.
        const QString name = QFileInfo(path).fileName();
        QAction* action = addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(name) : name);
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
        // Queued: the menu is built again, its actions deleted, on the way.
        connect(
            action, &QAction::triggered, this, [this, path] { choose(path); },
            Qt::QueuedConnection);
    }
    addSeparator();
    QAction* clearAction = addAction(tr("&Limpar lista"));
    clearAction->setObjectName(QStringLiteral("actionClearRecentFiles"));
    connect(clearAction, &QAction::triggered, this, &RecentFilesMenu::clearFiles,
            Qt::QueuedConnection);
    clearAction->setEnabled(!m_files.isEmpty());
}

void RecentFilesMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        rebuild();
    QMenu::changeEvent(event);
}
