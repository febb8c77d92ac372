#include "grid.h"

#include "grid_delegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

Grid::Grid(int rows, int columns, int fixedColumns, int fixedRows, QWidget* parent)
    : QTableWidget(parent), m_fixedColumns(fixedColumns), m_fixedRows(fixedRows),
      m_delegate(new GridDelegate(this))
{
    setItemDelegate(m_delegate);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setColumnCount(columns);
    setRowCountKeepingFixed(rows);
    connect(qApp, &QApplication::focusChanged, this, &Grid::onFocusChanged);
}

QTableWidgetItem* Grid::ensureItem(int row, int column)
{
    QTableWidgetItem* it = item(row, column);
    if (!it) {
        it = new QTableWidgetItem;
        const bool fixed = column < m_fixedColumns || row < m_fixedRows;
        // Headings are disabled items: never current, never edited, skipped by the keys.
        it->setFlags(fixed ? Qt::NoItemFlags
                           : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        setItem(row, column, it);
    }
    return it;
}

void Grid::setRowCountKeepingFixed(int rows)
{
    const int before = rowCount();
    setRowCount(rows);
    for (int r = before; r < rows; ++r)
        for (int c = 0; c < columnCount(); ++c)
            ensureItem(r, c);
    keepCurrentInValueCells();
}

void Grid::setDefaultRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(height);
}

int Grid::heightShowingAllRows() const
{
    return verticalHeader()->length() + 2 * frameWidth();
}

void Grid::setColumnWidths(const QList<int>& widths)
{
    for (int c = 0; c < widths.size() && c < columnCount(); ++c)
        setColumnWidth(c, widths[c]);
}

void Grid::setSummaryLook(bool headingRowBlue)
{
    m_delegate->summaryLook = true;
    m_delegate->headingRowBlue = headingRowBlue;
    setShowGrid(false);
    setFrameShape(QFrame::Box);
}

QLineEdit* Grid::openEditor() const
{
    return state() == QAbstractItemView::EditingState ? m_delegate->editor() : nullptr;
}

QString Grid::cellText(int row, int column) const
{
    if (QLineEdit* editor = openEditor()) {
        const QModelIndex edited = m_delegate->editedIndex();
        if (edited.row() == row && edited.column() == column)
            return editor->text();
    }
    const QTableWidgetItem* it = item(row, column);
    return it ? it->text() : QString();
}

void Grid::setCellText(int row, int column, const QString& text)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    ensureItem(row, column)->setText(text);
    if (QLineEdit* editor = openEditor()) {
        const QModelIndex edited = m_delegate->editedIndex();
        if (edited.row() == row && edited.column() == column)
            editor->setText(text);
    }
}

void Grid::flushEditor()
{
    QLineEdit* editor = openEditor();
    if (!editor)
        return;
    const QModelIndex edited = m_delegate->editedIndex();
    if (edited.isValid())
        ensureItem(edited.row(), edited.column())->setText(editor->text());
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool Grid::isCommitKey(int key) const
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Up || key == Qt::Key_Down;
}

void Grid::reportKeyCommit()
{
    QScopedValueRollback guard(m_inTrigger, true);
    flushEditor();
    emit commitTriggered(Trigger::Key, currentRow(), currentColumn());
}

bool Grid::editorKeyPressed(int key)
{
    if (!isCommitKey(key))
        return false;
    reportKeyCommit();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        const QModelIndex next =
            moveCursor(key == Qt::Key_Up ? MoveUp : MoveDown, Qt::NoModifier);
        if (next.isValid())
            setCurrentIndex(next);
    }
    return true;
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    if (isCommitKey(event->key())) {
        reportKeyCommit();
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            return;
        }
    } else if (m_commitOnAnyKey && !openEditor()) {
        QScopedValueRollback guard(m_inTrigger, true);
        emit commitTriggered(Trigger::Key, currentRow(), currentColumn());
    }
    QTableWidget::keyPressEvent(event);
}

void Grid::mousePressEvent(QMouseEvent* event)
{
    {
        QScopedValueRollback guard(m_inTrigger, true);
        flushEditor();
        emit commitTriggered(Trigger::MousePress, currentRow(), currentColumn());
    }
    QTableWidget::mousePressEvent(event);
    keepCurrentInValueCells();
}

QModelIndex Grid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (next.isValid() && (next.column() < m_fixedColumns || next.row() < m_fixedRows))
        return currentIndex();
    return next;
}

void Grid::keepCurrentInValueCells()
{
    if (rowCount() <= m_fixedRows || columnCount() <= m_fixedColumns)
        return;
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : m_fixedRows;
    int column = current.isValid() ? current.column() : m_fixedColumns;
    row = std::max(row, m_fixedRows);
    column = std::max(column, m_fixedColumns);
    if (!current.isValid() || row != current.row() || column != current.column())
        setCurrentCell(row, column, QItemSelectionModel::NoUpdate);
}

bool Grid::ownsWidget(const QWidget* widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void Grid::onFocusChanged(QWidget* old, QWidget* now)
{
    // Only a move to another widget of this window leaves the grid; a modal box,
    // another window or no focus at all (window deactivated) does not.
    if (m_inTrigger || !ownsWidget(old) || !now || ownsWidget(now) || now->window() != window())
        return;
    QScopedValueRollback guard(m_inTrigger, true);
    flushEditor();
    emit commitTriggered(Trigger::Exit, currentRow(), currentColumn());
}

void Grid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab-style hints would open the next editor; this grid moves only on its own keys.
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    Q_UNUSED(hint);
}

void Grid::discardEditor()
{
    if (QLineEdit* editor = openEditor())
        QTableWidget::closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}
