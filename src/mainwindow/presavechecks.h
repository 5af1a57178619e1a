#pragma once

#include <QCoreApplication>
#include <QStringList>

class Group;
class GroupDocument;
class QWidget;

// The checks run before a group is saved: characters the terminal screen
// can't show (offered for automatic correction) and malformed field markers
// in the forms.
class PreSaveChecks
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    PreSaveChecks(GroupDocument& document, QWidget* window);

    // True when nothing was found or the user accepted the correction, which
    // goes on the document's undo stack.
    bool characterCheck();
    // The character check, then the field markers of every form.
    bool isMacroFormValid();

    // One line per macro with refused characters, and each refused
    // character once over the whole group.
    void scanCharacters(QStringList* macroLines, QStringList* characters) const;
    static bool askYesNo(const QString& title, const QString& text, const QString& informative);

private:
    GroupDocument& document;
    Group& group;
    QWidget* window;
};
