#include "windowfixture.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace ZorTest {

void WindowFixture::setUpOnce()
{
    env = std::make_unique<TestEnvironment>();
    QCoreApplication::setOrganizationName(QStringLiteral("Orvenda"));
    QCoreApplication::setApplicationName(QStringLiteral("Zor"));
}

void WindowFixture::start()
{
    QSettings().clear();
    for (auto setting = settings.cbegin(); setting != settings.cend(); ++setting)
        QSettings().setValue(setting.key(), setting.value());
    QFile::remove(QDir::tempPath() + QStringLiteral("/zortmp.ini"));
    recorder = std::make_unique<MessageRecorder>();
    dialogs = std::make_unique<FakeFileDialogs>();
    restart();
}

void WindowFixture::restart()
{
    if (window)
        QVERIFY(window->close());
    window = std::make_unique<MainWindow>();
    window->resize(1200, 800);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void WindowFixture::finish()
{
    closeAllModals();
    if (window && window->currentGroup())
        window->currentGroup()->setModified(false);
    window.reset();
    dialogs.reset();
    recorder.reset();
}

void WindowFixture::newGroup(const QString& name, const QString& description)
{
    answerGroupDialog(name, nullptr, {}, description);
    action("actionNewGroup")->trigger();
}

Macro* WindowFixture::addMacro(const QString& num, const QString& sigla, const QStringList& flow,
                               const QString& shortcut)
{
    auto macro =
        std::make_unique<Macro>(num, QStringLiteral("MACRO ") + sigla, shortcut, sigla, 2, false);
    QList<quint16> positions;
    for (int i = 0; i < flow.size(); ++i)
        positions.append(quint16(i));
    macro->setFlow(flow);
    macro->setFlowNum(QVector<quint16>(flow.size(), 0).toList());
    macro->setFlowPos(positions);
    return ZorTest::addMacro(*window, std::move(macro));
}

void WindowFixture::open(const QString& path)
{
    dialogs->answers << path;
    action("actionLoadGroup")->trigger();
}

QString WindowFixture::openCopy(const QString& name)
{
    const QString path = copyExample(name);
    open(path);
    return path;
}

QString WindowFixture::copyExample(const QString& name, const QString& example) const
{
    const QString target = env->filePath(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(TestEnvironment::sourceDir() + QStringLiteral("/examples/") + example, target))
        return QString();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

QStringList WindowFixture::infoLines() const
{
    QStringList lines;
    const auto* list = child<QListWidget>("lstMacroInfos");
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

QList<QLabel*> WindowFixture::statusLabels() const
{
    return window->statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
}

QByteArray WindowFixture::savedCopy() const
{
    const QString path = env->filePath(QStringLiteral("copia.mcx"));
    return window->currentGroup()->saveAs(path) ? contentsOf(path) : QByteArray();
}

void answerGroupDialog(const QString& name, QString* offered, std::function<void()> next,
                       const QString& description)
{
    answerNextModal([=](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("qleName"));
        QVERIFY(edit);
        if (offered)
            *offered = edit->text();
        if (next)
            next();
        if (name.isNull()) {
            modal->findChild<QPushButton*>(QStringLiteral("qpbCancel"))->click();
            return;
        }
        edit->setText(name);
        if (!description.isEmpty())
            modal->findChild<QPlainTextEdit*>(QStringLiteral("qtextDescription"))
                ->setPlainText(description);
        modal->findChild<QPushButton*>(QStringLiteral("qpbOk"))->click();
    });
}

void answerNewMacro(const QString& number, const QString& name, const QString& shortcut,
                    const QString& sigla, int typeIndex, SeenBox* report)
{
    answerNextModal([=](QWidget* modal) {
        const QStringList fields{"edtNumber", "edtName", "edtShortcut", "edtSigla"};
        const QStringList texts{number, name, shortcut, sigla};
        for (int i = 0; i < fields.size(); ++i)
            QTest::keyClicks(modal->findChild<QLineEdit*>(fields.at(i)), texts.at(i));
        modal->findChild<QComboBox*>(QStringLiteral("cbxType"))->setCurrentIndex(typeIndex);
        if (report)
            answerBox(QStringLiteral("OK"), report);
        QTest::mouseClick(modal->findChild<QPushButton*>("btnInsert"), Qt::LeftButton);
        if (modal->isVisible())
            QTest::mouseClick(modal->findChild<QPushButton*>("btnCancelar"), Qt::LeftButton);
    });
}

} // namespace ZorTest
