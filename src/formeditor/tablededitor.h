#pragma once

#include "app/zorobject.h"

#include <QByteArray>
#include <QTableWidget>
#include <QVector>

#include <map>
#include <memory>

class QMenu;

// The terminal's 20 x 40 character screen as a grid, one character per cell.
// The user types the fixed text of a form into the cells; input fields are
// inserted from the context menu as bracketed markers on one row, which the
// cursor skips and typing can't split. A marker in upper case is an
// obligatory field, in lower case an optional one.
class TabledEditor : public QTableWidget, private ZorObject
{
    Q_OBJECT

public:
    // One inserted field: the row and column of its "[" and its length in
    // cells, "[" and "]" included.
    struct Option
    {
        int row = 0;
        int col = 0;
        int len = 0;
    };

    explicit TabledEditor(QWidget* parent = nullptr);
    ~TabledEditor() override;

    // Registers a command of the context menu under its (translated) name,
    // UTF-8. With fixedLength set the field is the tag itself; otherwise the
    // user chooses the length and the marker repeats the tag's second
    // character. A name already registered keeps its first record.
    void addCommand(const QByteArray& name, const QByteArray& tag, const QByteArray& third,
                    int fixedLength, int defaultSize);
    // Builds the context menu from the registered commands; the host calls it
    // once it has registered them all.
    void createMenu();
    // The dialog hosting the editor; its position anchors the menu opened
    // with "[".
    void setHost(QWidget* host);

    // Replaces the grid's content by a screen of at most 800 bytes.
    void loadForm(const char* text, int length);
    // The grid as bytes, row after row: an empty cell gives a NUL byte.
    // Writes at most 800 and at most length bytes.
    void readForm(char* buffer, int length);
    // Writes one 6-byte record per field, in insertion order: two zero bytes,
    // the row, the column of the "[", the length (16 bits, least significant
    // byte first). Writes nothing and returns false when they don't fit.
    bool writeFieldTable(char* buffer, int size) const;

    static int checkFields(const char* text, int length);
    static void correctCharacters(char* text, int length);

    const QVector<Option>& fieldOptions() const { return options; }
    QMenu* contextMenu() const { return menu.get(); }

public slots:
    void insertOption();
    void makeOptionObrigatory();
    void makeOptionNotObrigatory();
    void on_selected_cell_changed(int currentRow, int currentColumn, int previousRow,
                                  int previousColumn);

signals:
    void showInfo(int iRow, int iCol);
    void optionInserted(int iRow, int iCol, int iLen);
    void optionRemoved(int iRow, int iCol, int iLen);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Command
    {
        QByteArray name;
        QByteArray tag;
        QByteArray third;
        bool fixedLength = false;
        int defaultSize = 0;
    };

    void resetCells();
    bool isFieldCell(int row, int col) const;
    int findOption(int row, int col) const;
    bool fitsWithoutOverlap(int row, int col, int len) const;
    void placeMarker(int row, int col, const QByteArray& marker);
    void removeOption(int index);
    void changeOptionCase(bool upper);

    void typeCharacter(int row, int col, const QString& keyText);
    void clearCell(int row, int col);
    void popUpMenuAtCell(int row, int col);
    bool settle(int key, int& row, int& col);
    void highlightLines(int row, int col, bool on);

    std::unique_ptr<QMenu> menu;
    std::map<QByteArray, Command> commands;
    QVector<Option> options;
    QWidget* host = nullptr;
    // Set while readForm reads the grid out and announces the cells itself.
    bool readingOut = false;
};
