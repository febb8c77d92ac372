#pragma once
// The real dialogs: QFileDialog, QMessageBox, QPrintDialog and QDialog::exec.

#include "viewer/gui/user_dialogs.h"

namespace vorn::viewer {

class QtUserDialogs : public UserDialogs {
public:
    FileChoice openFile(QWidget* parent, const FileDialogSpec& request) override;
    FileChoice saveFile(QWidget* parent, const FileDialogSpec& request) override;
    void error(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    bool print(QWidget* parent, QPrinter& printer,
               QAbstractPrintDialog::PrintDialogOptions options) override;
    int exec(QDialog& dialog) override;
};

}  // namespace vorn::viewer
