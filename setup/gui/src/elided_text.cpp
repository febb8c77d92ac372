#include "elided_text.h"

#include <QLabel>

void setElidedText(QLabel* label, const QString& text)
{
    const int room = label->contentsRect().width() - 2 * label->margin();
    const QString shown = label->fontMetrics().elidedText(text, Qt::ElideMiddle, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}
