#include "headlessrun.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace ZorTest {

HeadlessRun::HeadlessRun(const QStringList& arguments, const QString& folder,
                         const QString& program)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    QProcess zor;
    zor.setProcessEnvironment(environment);
    zor.setWorkingDirectory(folder);
    zor.start(program, arguments);
    finished = zor.waitForFinished(60000) && zor.exitStatus() == QProcess::NormalExit;
    exitCode = zor.exitCode();
    output = zor.readAllStandardOutput();
    errors = QString::fromLocal8Bit(zor.readAllStandardError());
}

} // namespace ZorTest
