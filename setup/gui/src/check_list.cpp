#include "check_list.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QToolTip>

// Draws items as usual and gives an item whose text does not fit a tooltip with
// the whole text.
class CheckListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool isElided(QStyleOptionViewItem option, const QModelIndex& index) const
    {
        initStyleOption(&option, index);
        const QWidget* view = option.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &option, view);
        // The style keeps this margin on both sides of the text.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        return option.fontMetrics.horizontalAdvance(option.text) > textRect.width() - 2 * margin;
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        if (isElided(option, index))
            QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view,
                               view->visualRect(index));
        else
            QToolTip::hideText();
        return true;
    }
};

CheckList::CheckList(QWidget* parent)
    : QListWidget(parent), m_delegate(new CheckListDelegate(this))
{
    setItemDelegate(m_delegate);
    setTextElideMode(Qt::ElideMiddle);
    connect(this, &QListWidget::itemChanged, this, &CheckList::onItemChanged);
    connect(this, &QListWidget::currentRowChanged, this, &CheckList::onCurrentRowChanged);
}

void CheckList::addCheckItem(const QString& text, bool checked)
{
    QScopedValueRollback quiet(m_quiet, true);
    auto* it = new QListWidgetItem(text, this);
    it->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    if (m_itemHeight > 0)
        it->setSizeHint(QSize(0, m_itemHeight));
}

bool CheckList::isChecked(int row) const
{
    const QListWidgetItem* it = item(row);
    return it && it->checkState() == Qt::Checked;
}

void CheckList::setChecked(int row, bool checked)
{
    if (QListWidgetItem* it = item(row)) {
        QScopedValueRollback quiet(m_quiet, true);
        it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void CheckList::clearItems()
{
    QScopedValueRollback quiet(m_quiet, true);
    clear();
}

void CheckList::selectRow(int row)
{
    QScopedValueRollback quiet(m_quiet, true);
    setCurrentRow(row);
}

void CheckList::onCurrentRowChanged(int row)
{
    if (!m_quiet && row >= 0)
        emit clicked(row);
}

void CheckList::onItemChanged(QListWidgetItem* changed)
{
    if (m_quiet)
        return;
    const int row = this->row(changed);
    if (row != currentRow()) {
        QScopedValueRollback quiet(m_quiet, true);
        setCurrentRow(row);
    }
    emit clickCheck(row);
}

bool CheckList::isTextElided(int row) const
{
    QListWidgetItem* it = item(row);
    if (!it)
        return false;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(it);
    return m_delegate->isElided(option, indexFromItem(it));
}
