#pragma once

#include <QString>

class QLabel;

// Shows `text` in the label, shortened in the middle ("Maxw…ency)") only when it
// is wider than the label; the whole text is then the label's tooltip.
void setElidedText(QLabel* label, const QString& text);
