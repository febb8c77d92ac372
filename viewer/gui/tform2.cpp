#include "viewer/gui/tform2.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vorn::viewer {

TForm2::TForm2(QWidget* parent) : QDialog(parent) {
    setObjectName("Form2");
    setWindowTitle("LeftAxis Boundaries");
    resize(223, 280);
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(Panel1);
    auto* box = new QVBoxLayout(Panel1);

    auto makePair = [&](QCheckBox*& check, QLineEdit*& edit, const char* checkName,
                        const char* editName, const QString& text) {
        check = new QCheckBox(text, Panel1);
        check->setObjectName(checkName);
        check->setChecked(true);
        edit = new QLineEdit(Panel1);
        edit->setObjectName(editName);
        edit->setEnabled(false);
        box->addWidget(check);
        box->addWidget(edit);
        box->addSpacing(8);
    };
    makePair(CheckBox1, Edit1, "CheckBox1", "Edit1", "Max Automatic");
    makePair(CheckBox2, Edit2, "CheckBox2", "Edit2", "Min Automatic");
    makePair(CheckBox3, Edit3, "CheckBox3", "Edit3", "Increment Automatic");

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogYesButton), "&Yes", Panel1);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setDefault(true);
    box->addStretch();
    box->addWidget(BitBtn1);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TForm2::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TForm2::CheckBox2Click);
    connect(CheckBox3, &QCheckBox::clicked, this, &TForm2::CheckBox3Click);
}

void TForm2::BitBtn1Click() { done(1); }
void TForm2::CheckBox1Click() { Edit1->setEnabled(!CheckBox1->isChecked()); }
void TForm2::CheckBox2Click() { Edit2->setEnabled(!CheckBox2->isChecked()); }
void TForm2::CheckBox3Click() { Edit3->setEnabled(!CheckBox3->isChecked()); }

}  // namespace vorn::viewer
