#pragma once

#include <QPersistentModelIndex>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>

class Grid;

// In-place editor of a Grid. Two departures from Qt's stock delegate:
// - a focus loss caused by a modal box or popup (ActiveWindowFocusReason,
//   PopupFocusReason) neither commits nor closes the editor: the stock delegate
//   deletes the editor while its textEdited signal is still being emitted, which
//   crashes when a handler shows a message box from that signal;
// - Enter, Up and Down are handed to the grid first, so that its commit runs
//   before the view moves or closes anything.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit GridDelegate(Grid* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    QLineEdit* editor() const { return m_editor.data(); }
    QModelIndex editedIndex() const { return m_editedIndex; }

    bool summaryLook = false;
    bool headingRowBlue = false;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    Grid* m_grid;
    mutable QPointer<QLineEdit> m_editor;
    mutable QPersistentModelIndex m_editedIndex;
};
