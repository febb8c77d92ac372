#pragma once

#include <QListWidget>

// A check list box: clicked(row) when an item becomes the selected one,
// clickCheck(row) when the user toggles a check mark. The toggled item is made
// the selected item first, as the handlers work on the selected item.
// Programmatic changes (fill, setChecked) report nothing.
class CheckListDelegate;
class CheckList : public QListWidget {
    Q_OBJECT
public:
    explicit CheckList(QWidget* parent = nullptr);

    void addCheckItem(const QString& text, bool checked);
    void setItemHeight(int height) { m_itemHeight = height; }
    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    void clearItems();
    void selectRow(int row);
    // An item text too wide for the list is shortened in the middle and shows
    // itself whole as a tooltip; true when the text of `row` is shortened.
    bool isTextElided(int row) const;

signals:
    void clicked(int row);
    void clickCheck(int row);

private:
    void onItemChanged(QListWidgetItem* item);
    void onCurrentRowChanged(int row);
    bool m_quiet = false;
    int m_itemHeight = 0;  // 0: the style's height
    CheckListDelegate* m_delegate;
};
