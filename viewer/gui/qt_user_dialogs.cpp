#include "viewer/gui/qt_user_dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace vorn::viewer {
namespace {

FileChoice runFileDialog(QWidget* parent, const FileDialogSpec& request, bool save) {
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(request.nameFilters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    // Patterns match without regard to case (*.gdt also shows RUN.GDT).
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
    FileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
    choice.accepted = true;
    choice.path = dialog.selectedFiles().constFirst();
    choice.filterIndex = static_cast<int>(request.nameFilters.indexOf(dialog.selectedNameFilter())) + 1;
    if (choice.filterIndex < 1) choice.filterIndex = 1;
    return choice;
}

}  // namespace

FileChoice QtUserDialogs::openFile(QWidget* parent, const FileDialogSpec& request) {
    return runFileDialog(parent, request, false);
}

FileChoice QtUserDialogs::saveFile(QWidget* parent, const FileDialogSpec& request) {
    return runFileDialog(parent, request, true);
}

void QtUserDialogs::error(QWidget* parent, const QString& text) {
    // Messages may quote file contents: never read them as rich text.
    QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtUserDialogs::question(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QString(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtUserDialogs::print(QWidget* parent, QPrinter& printer,
                          QAbstractPrintDialog::PrintDialogOptions options) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
}

int QtUserDialogs::exec(QDialog& dialog) { return dialog.exec(); }

}  // namespace vorn::viewer
