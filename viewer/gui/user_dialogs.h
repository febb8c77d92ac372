#pragma once
// The one seam through which the viewer asks the user anything: file dialogs, message boxes,
// the print dialog and modal forms. The window uses QtUserDialogs; tests install a scripted
// implementation so that every handler runs headless.

#include <QAbstractPrintDialog>
#include <QString>
#include <QStringList>

class QDialog;
class QPrinter;
class QWidget;

namespace vorn::viewer {

struct FileDialogSpec {
    QString title;
    QString directory;        // initial directory
    QStringList nameFilters;  // in order; the chosen one is reported as a 1-based index
    QString defaultSuffix;    // without the dot
    bool overwritePrompt = false;
};

struct FileChoice {
    bool accepted = false;
    QString path;
    int filterIndex = 1;  // 1-based, as the user left it in the dialog
};

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual FileChoice openFile(QWidget* parent, const FileDialogSpec& request) = 0;
    virtual FileChoice saveFile(QWidget* parent, const FileDialogSpec& request) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;
    // Yes/No confirmation; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // Runs the print dialog on printer; true when confirmed.
    virtual bool print(QWidget* parent, QPrinter& printer,
                       QAbstractPrintDialog::PrintDialogOptions options) = 0;
    // Runs a modal form; returns its result code (QDialog::Accepted when confirmed).
    virtual int exec(QDialog& dialog) = 0;
};

}  // namespace vorn::viewer
