// Answers the output dialogs from a script and records what was asked.
#pragma once

#include <optional>

#include <QPageLayout>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include "output_prompts.h"

namespace vorn::viewer::output::testing {

class FakePrompts : public OutputPrompts {
 public:
  // Print dialog: confirmed into this PDF with this range and orientation.
  QString pdfPath;
  QPrinter::PrintRange printRange = QPrinter::AllPages;
  int fromPage = 0, toPage = 0;  // of a page range
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  std::optional<QPageSize> pageSize;
  bool printConfirmed = true;

  std::optional<PictureChoice> pictureAnswer;
  std::optional<QString> tableAnswer;
  bool confirmAnswer = true;

  int printDialogs = 0;
  bool selectionOffered = false;
  QStringList startDirs;
  QStringList questions;
  QStringList errors;

  bool runPrintDialog(QPrinter& printer, bool listing) override {
    ++printDialogs;
    selectionOffered = listing;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    printer.setPageSize(pageSize ? *pageSize : QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    // No margins, so printer pixels are positions on the paper.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setPrintRange(printRange);
    printer.setFromTo(fromPage, toPage);
    return printConfirmed;
  }
  std::optional<PictureChoice> askPictureName(const QString& startDir) override {
    startDirs << startDir;
    return pictureAnswer;
  }
  std::optional<QString> askTableName(const QString& startDir) override {
    startDirs << startDir;
    return tableAnswer;
  }
  bool confirm(const QString& question) override {
    questions << question;
    return confirmAnswer;
  }
  void showError(const QString& message) override { errors << message; }
};

}  // namespace vorn::viewer::output::testing
