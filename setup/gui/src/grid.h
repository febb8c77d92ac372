#pragma once

#include <QTableWidget>

class GridDelegate;
class QLineEdit;

// A string grid over QTableWidget that behaves like the set-up program's grids:
// - leading fixed columns/rows hold headings and are never current nor editable;
// - every keystroke in the in-place editor is reported (editTextChanged) while the
//   editor stays open, even when the receiver raises a modal message box;
// - commits are reported as triggers, each before the view acts on the event:
//   a mouse press anywhere in the grid, Enter/Up/Down (Up/Down report the row
//   being left), and the grid losing the focus to another widget of its window.
// Before a trigger is reported the open editor's text is written into its cell,
// so handlers read what the user typed through cellText().
class Grid : public QTableWidget {
    Q_OBJECT
public:
    enum class Trigger { MousePress, Key, Exit };

    Grid(int rows, int columns, int fixedColumns, int fixedRows, QWidget* parent = nullptr);

    QString cellText(int row, int column) const;
    // Writes the cell and, when that cell is being edited, the editor as well.
    void setCellText(int row, int column, const QString& text);
    void setRowCountKeepingFixed(int rows);
    int fixedColumns() const { return m_fixedColumns; }
    int fixedRows() const { return m_fixedRows; }

    void setDefaultRowHeight(int height);
    void setColumnWidths(const QList<int>& widths);
    // The height at which every row is seen whole, without a scroll bar.
    int heightShowingAllRows() const;
    // Owner-drawn read-only look of the summary page's grids.
    void setSummaryLook(bool headingRowBlue);
    // The variant grid also commits its current cell on any key pressed while no
    // editor is open.
    void setCommitOnAnyKeyWithoutEditor(bool on) { m_commitOnAnyKey = on; }

    // The editor of the cell being edited, or nullptr.
    QLineEdit* openEditor() const;
    // Writes the open editor's text into its cell and closes the editor.
    void flushEditor();
    // Closes the open editor without keeping its text.
    void discardEditor();

signals:
    void editTextChanged(int row, int column, const QString& text);
    void commitTriggered(Grid::Trigger trigger, int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class GridDelegate;
    // Called by the delegate for keys pressed inside the editor; true = consumed.
    bool editorKeyPressed(int key);
    bool isCommitKey(int key) const;
    void reportKeyCommit();
    void onFocusChanged(QWidget* old, QWidget* now);
    bool ownsWidget(const QWidget* widget) const;
    QTableWidgetItem* ensureItem(int row, int column);
    void keepCurrentInValueCells();

    int m_fixedColumns;
    int m_fixedRows;
    bool m_commitOnAnyKey = false;
    bool m_inTrigger = false;
    GridDelegate* m_delegate;
};
