#pragma once

#include <QLineEdit>
#include <QPointer>

class GraphWidget;
class Macro;

// The search field of the tool bar: typing finds the macros of the group on
// the canvas by number, acronym or name, and shows the best match; Return
// and findNext go to the next match, findPrevious to the one before, round
// the group. The field shows when nothing matches.
class FindField : public QLineEdit
{
    Q_OBJECT

public:
    explicit FindField(QWidget* parent = nullptr);

    // The canvas whose document is searched and whose boxes are shown.
    void setCanvas(GraphWidget* canvas);
    // Puts the cursor in the field with its text selected.
    void activate();
    void findNext();
    void findPrevious();
    bool hasNoMatch() const { return m_noMatch; }

signals:
    // The text matches no macro of the group.
    void notFound();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void search(const QString& text);
    void step(bool forward);
    void show(Macro* macro);
    void showNoMatch(bool noMatch);
    void retranslate();

    QPointer<GraphWidget> m_canvas;
    // The match shown last; the next one is searched from it.
    Macro* m_current = nullptr;
    bool m_noMatch = false;
};
