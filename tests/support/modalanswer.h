#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

namespace ZorTest {

// Queues an answer for the next modal widget that opens (a dialog or a
// message box), so that the call opening it does not block. The handler runs
// once the modal widget is active; a handler that opens another modal widget
// may queue the next answer itself. When nothing opens within timeoutMs the
// answer is dropped and a warning is printed.
void answerNextModal(std::function<void(QWidget* modal)> handler, int timeoutMs = 5000);

// What a message box showed.
struct SeenBox
{
    bool shown = false;
    QString title;
    QString text;
    QString informative;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the next message box with the button of that text (its escape or
// default button when the text is empty) and records what it showed in seen,
// when given; then, when given, queues the answer of what the box leads to.
// A dialog that is not a message box is rejected. timeoutMs as for
// answerNextModal.
void answerBox(const QString& buttonText, SeenBox* seen = nullptr, std::function<void()> next = {},
               int timeoutMs = 5000);

// While it lives, closes any message box that opens and records its text, so
// that a box a test does not expect fails that test instead of blocking it.
class UnexpectedBoxes
{
public:
    UnexpectedBoxes();
    QStringList texts;

private:
    QTimer timer;
};

// Closes every modal widget still open (end of a test that failed midway).
void closeAllModals();

} // namespace ZorTest
