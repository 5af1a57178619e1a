#pragma once

#include <QSize>
#include <QWidget>

class TerminalField;
class TerminalSession;

// The terminal's 20 x 40 character screen in the simulator: paints the
// session's screen in a fixed-width font, marks the entry fields and the
// current one, and turns the driver's keys into steps of the session: text
// typed into the current field, Backspace, Delete (empties the field),
// Space on a Checagem or a Seleção, Up, Down and Return between fields, a
// click on a field; Page Up and Page Down turn the pages of the start
// screen. Sending and moving between screens are the window's buttons.
class TerminalScreenView : public QWidget
{
    Q_OBJECT

public:
    explicit TerminalScreenView(QWidget* parent = nullptr);

    // Not owned; the view paints it and types into it.
    void setSession(TerminalSession* session);
    // Back to the first field, after the session changed screens.
    void reset();
    int currentField() const { return m_field; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    // A key the current field did not take, and why.
    void refused(const QString& reason);
    // A field took a key.
    void edited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    static constexpr int Margin = 8;

    int fieldCount() const;
    QRect cellsRect(int row, int column, int count) const;
    int cursorColumn(const TerminalField& field, const QString& value) const;
    void paintFields(QPainter& painter);
    bool editField(QKeyEvent* event);
    void moveField(int step);
    void apply(const QString& refusal);

    TerminalSession* m_session = nullptr;
    int m_field = 0;
    QSize m_cell;
};
