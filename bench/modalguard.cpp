#include "modalguard.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QWidget>

ModalGuard::ModalGuard(QObject* parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalGuard::check);
    m_timer.start(50);
}

void ModalGuard::check()
{
    QWidget* modal = QApplication::activeModalWidget();
    // A progress dialog asks nothing: the work it shows goes on.
    if (!modal || qobject_cast<QProgressDialog*>(modal) ||
        (m_allowed && modal->metaObject()->inherits(m_allowed)))
        return;
    const auto* box = qobject_cast<QMessageBox*>(modal);
    m_seen.append(modal->windowTitle() + QStringLiteral(": ") + (box ? box->text() : QString()));
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}
