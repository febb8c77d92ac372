#include "qt_user_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// Texts are shown as they stand: paths and the solver's messages may hold '<'.
QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, QApplication::applicationName(), text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return QMessageBox::StandardButton(box.exec());
}

}  // namespace

void QtUserPrompts::error(const QString& text)
{
    showBox(m_parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

void QtUserPrompts::warningYes(const QString& text)
{
    showBox(m_parent, QMessageBox::Warning, text, QMessageBox::Yes);
}

bool QtUserPrompts::confirmYesNo(const QString& text)
{
    return showBox(m_parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtUserPrompts::information(const QString& text)
{
    showBox(m_parent, QMessageBox::Information, text, QMessageBox::Ok);
}

std::optional<QString> QtUserPrompts::openFile(const FileRequest& request)
{
    QFileDialog dialog(m_parent, request.caption, request.initialDirectory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtUserPrompts::saveFile(const FileRequest& request)
{
    QFileDialog dialog(m_parent, request.caption, request.initialDirectory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The caller adds the extensions itself and asks about existing files later.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QString());
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

void QtUserPrompts::setBusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtUserPrompts::restoreCursor()
{
    QApplication::restoreOverrideCursor();
}
