#pragma once
// The axis-bounds dialog: automatic flags and values of one axis's maximum, minimum and
// increment. The viewer window fills it, runs it modally and applies it when confirmed.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QFrame;

namespace vorn::viewer {

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QFrame* Panel1;
    QCheckBox* CheckBox1;  // "Max Automatic"
    QLineEdit* Edit1;
    QCheckBox* CheckBox2;  // "Min Automatic"
    QLineEdit* Edit2;
    QCheckBox* CheckBox3;  // "Increment Automatic"
    QLineEdit* Edit3;
    QPushButton* BitBtn1;  // confirm

public slots:
    void BitBtn1Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
};

}  // namespace vorn::viewer
