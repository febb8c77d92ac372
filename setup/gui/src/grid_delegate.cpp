#include "grid_delegate.h"

#include "grid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

GridDelegate::GridDelegate(Grid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    m_editor = editor;
    m_editedIndex = index;
    const QPersistentModelIndex edited(index);
    Grid* grid = m_grid;
    // textEdited, not textChanged: only the user's keystrokes count as typing.
    connect(editor, &QLineEdit::textEdited, grid, [grid, edited](const QString& text) {
        if (edited.isValid())
            emit grid->editTextChanged(edited.row(), edited.column(), text);
    });
    return editor;
}

bool GridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;  // a modal box took the focus: keep the editor as it is
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (m_grid->editorKeyPressed(key))
            return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    const bool fixed = index.column() < m_grid->fixedColumns() || index.row() < m_grid->fixedRows();
    if (!summaryLook) {
        QStyleOptionViewItem opt(option);
        if (fixed) {
            // Heading cells are disabled items (never current); draw them as headings.
            painter->fillRect(opt.rect, m_grid->palette().button());
            opt.state |= QStyle::State_Enabled;
            opt.palette.setCurrentColorGroup(QPalette::Active);
        }
        QStyledItemDelegate::paint(painter, opt, index);
        return;
    }
    // Read-only summary look: button-face cell with a black outline, blue headings,
    // navy values, text indented by the font's point size.
    painter->save();
    const QRect cell = option.rect.adjusted(-1, -1, 0, 0);
    painter->fillRect(cell, m_grid->palette().button());
    painter->setPen(Qt::black);
    painter->drawRect(cell);
    const bool blue = index.column() == 0 || (headingRowBlue && index.row() == 0);
    painter->setPen(blue ? QColor(0, 0, 255) : QColor(0, 0, 128));
    painter->setFont(option.font);
    const int indent = option.font.pointSize() > 0 ? option.font.pointSize() : 8;
    const QRect textRect = option.rect.adjusted(indent, 2, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, index.data().toString());
    painter->restore();
}
