#include "windowedits.h"

#include "commands/addmacrocommand.h"
#include "commands/groupdocument.h"
#include "diagram/graphwidget.h"
#include "mainwindow/mainwindow.h"
#include "model/macro.h"

namespace ZorTest {

Macro* addMacro(MainWindow& window, std::unique_ptr<Macro> macro)
{
    GroupDocument& document = *window.currentDocument();
    Macro* added = macro.get();
    macro->setPosition(GraphWidget::newBoxPosition(document.group()));
    macro->setDimensions(GraphWidget::newBoxRect());
    document.push(new AddMacroCommand(document, std::move(macro)));
    return added;
}

void markSaved(MainWindow& window)
{
    window.currentDocument()->markSaved();
}

} // namespace ZorTest
