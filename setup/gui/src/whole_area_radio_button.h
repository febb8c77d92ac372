#pragma once

#include <QRadioButton>

// A radio button that takes a click anywhere on its area, not only on its dot
// and its text: the buttons of the window's groups are wider than their texts.
class WholeAreaRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
