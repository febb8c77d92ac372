#include "check_list.h"

#include <QScopedValueRollback>

CheckList::CheckList(QWidget* parent) : QListWidget(parent)
{
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
