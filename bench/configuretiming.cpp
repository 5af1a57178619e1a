#include "configuretiming.h"

#include "modalguard.h"
#include "paintwatch.h"
#include "windowdriver.h"

#include "diagram/graphwidget.h"
#include "diagram/node.h"
#include "dialogs/dlgconfigmacro.h"
#include "model/macro.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

// Calls back once, from the event loop, after the first paint of a
// configure dialog: by then the whole dialog has painted and gone to the
// screen.
class DialogPainted : public QObject
{
public:
    explicit DialogPainted(std::function<void(dlgConfigMacro*)> then) : m_then(std::move(then))
    {
        qApp->installEventFilter(this);
    }
    ~DialogPainted() override { qApp->removeEventFilter(this); }
    DialogPainted(const DialogPainted&) = delete;
    DialogPainted& operator=(const DialogPainted&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_fired && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* dialog = qobject_cast<dlgConfigMacro*>(static_cast<QWidget*>(watched)->window());
            if (dialog) {
                m_fired = true;
                QTimer::singleShot(0, dialog, [this, dialog] { m_then(dialog); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void(dlgConfigMacro*)> m_then;
    bool m_fired = false;
};

void sendMouse(QWidget* viewport, QEvent::Type type, const QPoint& pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, viewport->mapToGlobal(pos), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

// The name the next run gives the macro: every OK changes it.
QString nextName(const QString& name)
{
    return name.endsWith(QLatin1Char('X')) ? name.chopped(1) : name + QLatin1Char('X');
}

} // namespace

ConfigureTiming::ConfigureTiming(WindowDriver& driver, ModalGuard& guard, int runs)
    : m_driver(driver), m_guard(guard), m_runs(runs)
{
}

void ConfigureTiming::measure(const Macro& macro, Samples* open, Samples* ok)
{
    m_guard.allow(&dlgConfigMacro::staticMetaObject);
    for (int run = 0; run <= m_runs; ++run) {
        double openMs = 0;
        double okMs = 0;
        if (!runOnce(macro, &openMs, &okMs))
            qFatal("zor-bench: the configure dialog did not accept the edited macro");
        WindowDriver::settle();
        if (run > 0) {
            open->add(openMs);
            ok->add(okMs);
        }
    }
    m_guard.allow(nullptr);
}

bool ConfigureTiming::runOnce(const Macro& macro, double* openMs, double* okMs)
{
    GraphWidget& canvas = m_driver.canvas();
    const Node* node = canvas.nodeFor(&macro);
    if (!node)
        qFatal("zor-bench: the box to configure is not on the canvas");
    QWidget* viewport = canvas.viewport();
    const QPoint pos = canvas.mapFromScene(node->sceneBoundingRect().center());
    // A click selects the box alone; the double click then opens it.
    sendMouse(viewport, QEvent::MouseButtonPress, pos, Qt::LeftButton);
    sendMouse(viewport, QEvent::MouseButtonRelease, pos, Qt::NoButton);
    WindowDriver::settle();

    const QString name = nextName(macro.name());
    PaintWatch canvasPaints(viewport);
    int paintsBeforeOk = 0;
    Stopwatch clock;
    Stopwatch okClock;
    bool accepted = false;
    const DialogPainted painted([&](dlgConfigMacro* dialog) {
        *openMs = clock.elapsedMs();
        dialog->findChild<QLineEdit*>(QStringLiteral("edtName"))->setText(name);
        paintsBeforeOk = canvasPaints.count();
        okClock.restart();
        dialog->findChild<QPushButton*>(QStringLiteral("btnInsert"))->click();
        accepted = dialog->result() == QDialog::Accepted;
        // A refusal would leave it open for good.
        if (!accepted)
            dialog->reject();
    });
    clock.restart();
    sendMouse(viewport, QEvent::MouseButtonDblClick, pos, Qt::LeftButton);
    if (!accepted || macro.name() != name)
        return false;
    canvasPaints.waitBeyond(paintsBeforeOk);
    *okMs = okClock.elapsedMs();
    sendMouse(viewport, QEvent::MouseButtonRelease, pos, Qt::NoButton);
    return true;
}
