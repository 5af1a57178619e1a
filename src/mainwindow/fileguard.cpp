#include "fileguard.h"

#include "commands/groupdocument.h"
#include "model/group.h"
#include "recovery/recoverycopy.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPushButton>
#include <QSettings>

namespace {

constexpr int DefaultInterval = 60;
constexpr int LongestInterval = 24 * 60 * 60;
constexpr int RecheckMs = 1000;

bool samePath(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo first(a);
    const QFileInfo second(b);
    const QString canonical = first.canonicalFilePath();
    return !canonical.isEmpty() ? canonical == second.canonicalFilePath()
                                : first.absoluteFilePath() == second.absoluteFilePath();
}

// A dialog, a menu or a drag is under way: a question now would cut in.
bool userIsBusy()
{
    return QApplication::activeModalWidget() || QApplication::activePopupWidget() ||
           QApplication::mouseButtons() != Qt::NoButton;
}

} // namespace

FileGuard::FileGuard(QWidget* window) : m_window(window)
{
    m_copyTimer.setSingleShot(true);
    m_copyTimer.setInterval(recoveryInterval() * 1000);
    connect(&m_copyTimer, &QTimer::timeout, this, &FileGuard::writeCopy);
    m_recheck.setSingleShot(true);
    m_recheck.setInterval(RecheckMs);
    connect(&m_recheck, &QTimer::timeout, this,
            [this] { fileChecked(m_watch.isChangedElsewhere()); });
    connect(&m_watch, &FileChangeWatch::checked, this, &FileGuard::fileChecked);
}

// The copy and the locks are given up, the copy's files stay: a window
// destroyed without being closed has not let the user decide about them.
FileGuard::~FileGuard() = default;

int FileGuard::recoveryInterval()
{
    bool ok = false;
    const int seconds =
        QSettings().value(QStringLiteral("recovery/interval"), DefaultInterval).toInt(&ok);
    // A typing mistake must not turn the copies off.
    if (!ok || seconds < 0)
        return DefaultInterval;
    return qMin(seconds, LongestInterval);
}

bool FileGuard::mayOpen(const QString& path)
{
    if (m_lock.holds(path) || !OpenFileLock::isHeldElsewhere(path))
        return true;
    return ask(QMessageBox::Warning,
               tr("O arquivo %1 já está aberto em outro Zor.").arg(QDir::toNativeSeparators(path)),
               tr("Se os dois o salvarem, as alterações salvas por último apagarão as outras."),
               {tr("Abrir mesmo assim"), tr("Cancelar")}, 1) == 0;
}

std::unique_ptr<RecoveryCopy> FileGuard::offerCopyOf(const QString& path)
{
    std::vector<std::unique_ptr<RecoveryCopy>> copies = RecoveryCopy::takeOrphans();
    // The copies of other files stay as they are, for the next start.
    copies.erase(std::remove_if(copies.begin(), copies.end(),
                                [&path](const auto& copy) {
                                    return copy->filePath().isEmpty() ||
                                           !samePath(copy->filePath(), path);
                                }),
                 copies.end());
    return offer(std::move(copies), false);
}

std::unique_ptr<RecoveryCopy> FileGuard::offerCopies()
{
    return offer(RecoveryCopy::takeOrphans(), true);
}

std::unique_ptr<RecoveryCopy> FileGuard::offer(std::vector<std::unique_ptr<RecoveryCopy>> copies,
                                               bool checkLock)
{
    for (std::unique_ptr<RecoveryCopy>& copy : copies) {
        if (m_putOff.contains(copy->id()))
            continue;
        switch (askAboutCopy(*copy)) {
        case Answer::Recover:
            if (!checkLock || copy->filePath().isEmpty() || mayOpen(copy->filePath()))
                return std::move(copy);
            m_putOff.insert(copy->id());
            break;
        case Answer::Discard:
            copy->remove();
            break;
        case Answer::Later:
            m_putOff.insert(copy->id());
            break;
        }
    }
    return nullptr;
}

FileGuard::Answer FileGuard::askAboutCopy(const RecoveryCopy& copy) const
{
    const QString name = copy.groupName().isEmpty() ? tr("Sem nome") : copy.groupName();
    const QString file = copy.filePath().isEmpty()
                             ? tr("Arquivo: nenhum, o grupo nunca foi salvo.")
                             : tr("Arquivo: %1").arg(QDir::toNativeSeparators(copy.filePath()));
    const QString written =
        tr("Cópia gravada em %1.").arg(QLocale().toString(copy.writtenAt(), QLocale::ShortFormat));
    const int answer = ask(
        QMessageBox::Warning,
        tr("O Zor foi encerrado antes de salvar as alterações do grupo %1. Deseja recuperá-las?")
            .arg(name),
        file + QLatin1Char('\n') + written, {tr("Recuperar"), tr("Descartar"), tr("Depois")}, 0);
    return answer == 0 ? Answer::Recover : answer == 1 ? Answer::Discard : Answer::Later;
}

// The answer is the index of the button clicked; closing the box answers
// with the last button.
int FileGuard::ask(QMessageBox::Icon icon, const QString& text, const QString& informative,
                   const QStringList& buttons, int defaultButton) const
{
    QMessageBox box(icon, tr("Atenção!"), text, QMessageBox::NoButton, m_window);
    box.setInformativeText(informative);
    QList<QPushButton*> added;
    for (int i = 0; i < buttons.size(); ++i) {
        const bool last = i == buttons.size() - 1;
        added.append(box.addButton(buttons.at(i), i == 0 ? QMessageBox::AcceptRole
                                                  : last ? QMessageBox::RejectRole
                                                         : QMessageBox::DestructiveRole));
    }
    box.setDefaultButton(added.at(defaultButton));
    box.setEscapeButton(added.last());
    box.exec();
    const int clicked = added.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return clicked < 0 ? buttons.size() - 1 : clicked;
}

void FileGuard::attach(GroupDocument* document)
{
    detach();
    m_document = document;
    if (!document)
        return;
    connect(document, &GroupDocument::changed, this, &FileGuard::scheduleCopy);
    connect(document, &GroupDocument::modifiedChanged, this, [this](bool modified) {
        if (modified)
            scheduleCopy();
        else
            dropCopy();
    });
}

void FileGuard::detach()
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = nullptr;
    dropCopy();
    m_watch.stop();
    m_recheck.stop();
    m_lock.unlock();
    m_declinedState.clear();
}

void FileGuard::followFile(const QString& path)
{
    // Saved as another file, or open all the same where another editor has
    // it: the lock goes with the file, or there is none.
    m_lock.lock(path);
    m_watch.watch(path);
    m_declinedState.clear();
}

void FileGuard::adopt(std::unique_ptr<RecoveryCopy> copy)
{
    const QString path = copy->filePath();
    m_copy = std::move(copy);
    if (path.isEmpty())
        return;
    m_lock.lock(path);
    m_watch.watch(path, m_copy->fileState());
}

bool FileGuard::mayOverwrite(const QString& path)
{
    if (!samePath(m_watch.path(), path) || !m_watch.isChangedElsewhere())
        return true;
    return ask(QMessageBox::Warning,
               tr("O arquivo %1 foi alterado por outro programa depois que foi aberto aqui.")
                   .arg(QDir::toNativeSeparators(path)),
               tr("Salvar agora apaga as alterações do outro programa."),
               {tr("Sobrescrever"), tr("Cancelar")}, 1) == 0;
}

void FileGuard::scheduleCopy()
{
    if (m_copyTimer.interval() > 0 && !m_copyTimer.isActive())
        m_copyTimer.start();
}

void FileGuard::writeCopy()
{
    if (!m_document || !m_document->isModified())
        return;
    if (!m_copy)
        m_copy = RecoveryCopy::create();
    if (!m_copy) {
        qWarning().noquote() << "no recovery copy can be written in" << RecoveryCopy::folder();
        return;
    }
    const Group& group = m_document->group();
    const bool known = !group.filePath().isEmpty() && samePath(m_watch.path(), group.filePath());
    m_copy->write(group, group.filePath(), known ? m_watch.knownState() : QByteArray());
}

void FileGuard::dropCopy()
{
    m_copyTimer.stop();
    if (m_copy)
        m_copy->remove();
    m_copy.reset();
}

void FileGuard::fileChecked(bool changedElsewhere)
{
    // With unsaved changes here the next save asks instead.
    if (!changedElsewhere || !m_document || m_document->isModified())
        return;
    if (userIsBusy()) {
        m_recheck.start();
        return;
    }
    const QString path = m_watch.path();
    const QByteArray state = FileChangeWatch::stateOf(path);
    if (state == m_declinedState)
        return;
    const int answer =
        ask(QMessageBox::Question,
            tr("O arquivo %1 foi alterado por outro programa.").arg(QDir::toNativeSeparators(path)),
            tr("Deseja recarregá-lo?"), {tr("Recarregar"), tr("Ignorar")}, 0);
    if (answer == 0)
        emit reloadRequested(path);
    else
        m_declinedState = state;
}
