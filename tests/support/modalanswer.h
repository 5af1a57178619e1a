#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ZorTest {

// Queues an answer for the next modal widget that opens (a dialog or a
// message box), so that the call opening it does not block. The handler runs
// once the modal widget is active; a handler that opens another modal widget
// may queue the next answer itself. When nothing opens within timeoutMs the
// answer is dropped and a warning is printed.
void answerNextModal(std::function<void(QWidget* modal)> handler, int timeoutMs = 5000);

// Presses the button of the active message box whose text is buttonText, or
// the default/escape button when buttonText is empty; records the box's text.
void answerMessageBox(const QString& buttonText, QString* seenText = nullptr,
                      QString* seenTitle = nullptr);

// Closes every modal widget still open (end of a test that failed midway).
void closeAllModals();

} // namespace ZorTest
