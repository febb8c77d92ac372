// Print, Save and Export driven through the viewer window's menu handlers, with
// the window's scripted dialogs, on hand-made graph-data files.
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include "test_files.h"
#include "viewer/gui/chart_view.h"
#include "viewer/gui/qt_user_dialogs.h"
#include "viewer/gui/tform1.h"
#include "viewer/gui/tform2.h"
#include "viewer/tests/gui/scripted_dialogs.h"

namespace vorn::viewer::output {
namespace {

using testing::commandOutput;
using testing::readAll;
using testing::TempDir;

// Confirms the print dialog into a PDF and records the options offered.
class PdfDialogs : public vorn::viewer::test::ScriptedDialogs {
 public:
  QString pdfPath;
  QAbstractPrintDialog::PrintDialogOptions offered;
  bool print(QWidget*, QPrinter& printer,
             QAbstractPrintDialog::PrintDialogOptions options) override {
    offered = options;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    return true;
  }
  // Runs while a save dialog is open (as a timer or another window might).
  std::function<void()> duringSaveDialog;
  FileChoice saveFile(QWidget* parent, const FileDialogSpec& request) override {
    if (duringSaveDialog) duringSaveDialog();
    return ScriptedDialogs::saveFile(parent, request);
  }
};

class WindowOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    auto scripted = std::make_unique<PdfDialogs>();
    dialogs = scripted.get();
    dialogs->pdfPath = QString::fromStdString(dir.file("print.pdf"));
    form1.setDialogs(std::move(scripted));
    form1.show();
    dialogs->queueFile(QStringLiteral(VIEWER_TEST_DATA "/hf_mode1.gdt"), 1);
    form1.Open1Click();
    ASSERT_TRUE(form1.Loaded);
  }
  QString path(const std::string& name) const { return QString::fromStdString(dir.file(name)); }

  TempDir dir;
  TForm2 form2;
  TForm1 form1{&form2};
  PdfDialogs* dialogs = nullptr;
};

TEST_F(WindowOutput, ExportWritesTheShownTransportCurves) {
  // Field mode 1: the drift-velocity page shows the two mobilities over the four cases.
  form1.setActivePage(6);
  dialogs->queueFile(path("mobility"), 1);
  form1.Export1Click();
  ASSERT_EQ(2u, dialogs->asked.size());  // File/Open, then Export
  const FileDialogSpec& request = dialogs->asked.back();
  EXPECT_EQ("Data Save", request.title);
  EXPECT_EQ(QStringList{"Text files (*.dat)"}, request.nameFilters);
  EXPECT_EQ(form1.StartDir, request.directory);
  EXPECT_TRUE(request.overwritePrompt);
  EXPECT_EQ("100 2e+06 100 1.6e+06 \n"
            "300 4e+06 300 3.4787e+06 \n"
            "1000 1.1e+07 1000 1.0871e+07 \n"
            "3000 3.1e+07 3000 3.4523e+07 \n",
            readAll(dir.file("mobility.dat")));

  form1.setActivePage(5);  // one curve only
  dialogs->queueFile(path("mobility.dat"), 1);
  dialogs->answerYes = true;
  form1.Export1Click();
  ASSERT_EQ(1, dialogs->questions.size());
  EXPECT_EQ("Export File " + path("mobility.dat") + " is already exist.  Overwrite?",
            dialogs->questions[0]);
  EXPECT_EQ("100 400000 \n300 681640 \n1000 1.4619e+06 \n3000 3.239e+06 \n",
            readAll(dir.file("mobility.dat")));
}

TEST_F(WindowOutput, DistributionExportFollowsFirstCurveEvenWhenOff) {
  form1.setActivePage(0);
  form1.CheckListBox1->item(2)->setCheckState(Qt::Checked);
  form1.setActivePage(1);
  dialogs->queueFile(path("f.dat"), 1);
  form1.Export1Click();
  const std::string table = readAll(dir.file("f.dat"));
  EXPECT_EQ(51, std::count(table.begin(), table.end(), '\n'));
  EXPECT_EQ(0u, table.find("0 ")) << table.substr(0, 80);
  const std::string firstLine = table.substr(0, table.find('\n'));
  EXPECT_EQ(2, std::count(firstLine.begin(), firstLine.end(), ' ')) << firstLine;
}

TEST_F(WindowOutput, SavePictureAsJpegGetsJpgName) {
  form1.setActivePage(2);
  dialogs->queueFile(path("rates"), 2);
  form1.Save1Click();
  ASSERT_EQ(2u, dialogs->asked.size());
  EXPECT_EQ("Save Graph", dialogs->asked.back().title);
  EXPECT_EQ((QStringList{"Bitmaps (*.bmp)", "JPEG Image File (*.jpg *.jpeg)"}),
            dialogs->asked.back().nameFilters);
  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("; ").toStdString();
  const QImage picture(path("rates.jpg"));
  EXPECT_EQ(form1.Charts[1]->viewport()->size(), picture.size());
  const std::string described = commandOutput("file -b '" + dir.file("rates.jpg") + "'");
  EXPECT_NE(std::string::npos, described.find("baseline, precision 8")) << described;
}

TEST_F(WindowOutput, SaveAndExportKeepToTheChartChosenWhenThePageChangesUnderTheDialog) {
  dialogs->duringSaveDialog = [this] { form1.setActivePage(0); };
  form1.setActivePage(6);
  dialogs->queueFile(path("mobility"), 1);
  form1.Export1Click();
  EXPECT_EQ(0, form1.activePage());
  EXPECT_EQ("100 2e+06 100 1.6e+06 \n"
            "300 4e+06 300 3.4787e+06 \n"
            "1000 1.1e+07 1000 1.0871e+07 \n"
            "3000 3.1e+07 3000 3.4523e+07 \n",
            readAll(dir.file("mobility.dat")));

  form1.setActivePage(2);
  dialogs->queueFile(path("rates"), 1);
  form1.Save1Click();
  EXPECT_EQ(0, form1.activePage());
  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("; ").toStdString();
  EXPECT_EQ(form1.Charts[1]->viewport()->size(), QImage(path("rates.bmp")).size());
}

TEST_F(WindowOutput, PrintChartAndListingPages) {
  if (commandOutput("command -v pdfinfo").empty()) GTEST_SKIP() << "pdfinfo missing";
  form1.setActivePage(4);
  form1.Print1Click();
  // No options but printing to a file.
  EXPECT_EQ(QAbstractPrintDialog::PrintDialogOptions(QAbstractPrintDialog::PrintToFile),
            dialogs->offered);
  const std::string info = commandOutput("pdfinfo '" + dir.file("print.pdf") + "'");
  ASSERT_NE(std::string::npos, info.find("Pages:")) << info;
  EXPECT_EQ("1", info.substr(info.find_first_not_of(' ', info.find("Pages:") + 6), 1)) << info;

  form1.RichEdit1->setPlainText("first line\nsecond line");
  form1.setActivePage(7);
  form1.Print1Click();
  EXPECT_EQ(QAbstractPrintDialog::PrintSelection | QAbstractPrintDialog::PrintPageRange |
                QAbstractPrintDialog::PrintToFile,
            dialogs->offered);
  const std::string text = commandOutput("pdftotext '" + dir.file("print.pdf") + "' -");
  EXPECT_NE(std::string::npos, text.find("second line")) << text;
}

TEST_F(WindowOutput, RealPrintDialogPrintsThePagesChosen) {
  if (commandOutput("command -v pdfinfo").empty()) GTEST_SKIP() << "pdfinfo missing";
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is set up";
  form1.setDialogs(std::make_unique<QtUserDialogs>());
  QStringList lines;
  for (int i = 0; i < 400; ++i) lines << QStringLiteral("listing line %1").arg(i, 3, 10, QLatin1Char('0'));
  form1.RichEdit1->setPlainText(lines.join('\n'));
  form1.setActivePage(7);
  // Into a PDF file, pages 2 to 2.
  bool answered = false;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    auto* pages = dialog->findChild<QRadioButton*>(QStringLiteral("printRange"));
    auto* from = dialog->findChild<QSpinBox*>(QStringLiteral("from"));
    auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"));
    const int toFile = printers ? printers->findText(QStringLiteral("PDF"), Qt::MatchContains) : -1;
    if (toFile < 0 || !file || !pages || !from || !to) {
      dialog->reject();
      return;
    }
    printers->setCurrentIndex(toFile);
    file->setText(path("pages.pdf"));
    pages->setChecked(true);
    to->setValue(2);
    from->setValue(2);
    answered = true;
    dialog->accept();
  });
  answer.start(20);
  form1.Print1Click();
  answer.stop();
  ASSERT_TRUE(answered) << "the dialog has no page range to fill in";
  const std::string info = commandOutput("pdfinfo '" + dir.file("pages.pdf") + "' 2>&1");
  EXPECT_NE(std::string::npos, info.find("Pages:           1")) << info;
  const std::string text = commandOutput("pdftotext '" + dir.file("pages.pdf") + "' -");
  EXPECT_EQ(std::string::npos, text.find("listing line 000")) << "page 1 is not printed";
  EXPECT_NE(std::string::npos, text.find("listing line")) << text;
}

TEST_F(WindowOutput, RealPrintDialogOffersPrintingToAPdfFile) {
  if (commandOutput("command -v pdfinfo").empty()) GTEST_SKIP() << "pdfinfo missing";
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is set up";
  form1.setDialogs(std::make_unique<QtUserDialogs>());
  form1.setActivePage(2);
  // Answers whatever modal window comes up: the print dialog chooses its file entry,
  // any message box is noted and closed.
  QStringList destinations, messages;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages << box->text();
      box->reject();
    } else if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
      auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
      auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
      const int toFile = printers ? printers->findText(QStringLiteral("PDF"), Qt::MatchContains) : -1;
      for (int i = 0; printers && i < printers->count(); ++i) destinations << printers->itemText(i);
      if (toFile < 0 || !file) {
        dialog->reject();
        return;
      }
      printers->setCurrentIndex(toFile);
      file->setText(path("chosen.pdf"));
      dialog->accept();
    }
  });
  answer.start(20);
  form1.Print1Click();
  answer.stop();
  EXPECT_TRUE(destinations.join('|').contains("PDF")) << destinations.join('|').toStdString();
  EXPECT_TRUE(messages.isEmpty()) << messages.join("; ").toStdString();
  const std::string info = commandOutput("pdfinfo '" + dir.file("chosen.pdf") + "' 2>&1");
  EXPECT_NE(std::string::npos, info.find("Pages:           1")) << info;
}

}  // namespace
}  // namespace vorn::viewer::output
