#include "output_prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace vorn::viewer::output {

QStringList pictureFilters() {
  return {QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("JPEG Image File (*.jpg *.jpeg)")};
}

QString pictureSuffix(PictureFormat format) {
  return format == PictureFormat::Jpeg ? QStringLiteral("jpg") : QStringLiteral("bmp");
}

QString withDefaultSuffix(const QString& path, const QString& suffix) {
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  return path + QLatin1Char('.') + suffix;
}

bool DialogOutputPrompts::runPrintDialog(QPrinter& printer, bool allowSelection) {
  printer.setPrintRange(QPrinter::AllPages);
  QPrintDialog dialog(&printer, m_parent);
  dialog.setOptions({});
  if (allowSelection) dialog.setOption(QAbstractPrintDialog::PrintSelection);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<PictureChoice> DialogOutputPrompts::askPictureName(const QString& startDir) {
  const QStringList filters = pictureFilters();
  QFileDialog dialog(m_parent, QString::fromLatin1(kPictureDialogTitle), startDir);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(pictureSuffix(PictureFormat::Bitmap));
  // A name typed without extension gets the extension of the format chosen.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog, filters](const QString& filter) {
                     dialog.setDefaultSuffix(pictureSuffix(filters.indexOf(filter) == 0
                                                               ? PictureFormat::Bitmap
                                                               : PictureFormat::Jpeg));
                   });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const PictureFormat format = filters.indexOf(dialog.selectedNameFilter()) == 0
                                   ? PictureFormat::Bitmap
                                   : PictureFormat::Jpeg;
  return PictureChoice{dialog.selectedFiles().constFirst(), format};
}

std::optional<QString> DialogOutputPrompts::askTableName(const QString& startDir) {
  QFileDialog dialog(m_parent, QString::fromLatin1(kTableDialogTitle), startDir);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QString::fromLatin1(kTableFilter));
  dialog.setDefaultSuffix(QStringLiteral("dat"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

bool DialogOutputPrompts::confirm(const QString& question) {
  return QMessageBox::question(m_parent, QStringLiteral("Confirm"), question,
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void DialogOutputPrompts::showError(const QString& message) {
  QMessageBox::critical(m_parent, QStringLiteral("Error"), message);
}

}  // namespace vorn::viewer::output
