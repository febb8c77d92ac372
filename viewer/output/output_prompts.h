// The dialogs and message boxes of Print, Save and Export, behind one seam: the
// window adapts its own dialog seam to it, tests answer it from a script.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

class QPrinter;

namespace vorn::viewer::output {

enum class PictureFormat { Bitmap, Jpeg };

struct PictureChoice {
  QString path;
  PictureFormat format = PictureFormat::Bitmap;  // follows the filter chosen, not the name
};

// Texts of the save-picture and export dialogs.
inline constexpr const char* kPictureDialogTitle = "Save Graph";
inline constexpr const char* kTableDialogTitle = "Data Save";
QStringList pictureFilters();  // bitmap first, then JPEG
inline constexpr const char* kTableFilter = "Text files (*.dat)";

class OutputPrompts {
 public:
  virtual ~OutputPrompts() = default;
  // Runs the print dialog on printer (print range, orientation, destination);
  // the selection and page ranges are offered only for a listing. True when
  // confirmed.
  virtual bool runPrintDialog(QPrinter& printer, bool listing) = 0;
  virtual std::optional<PictureChoice> askPictureName(const QString& startDir) = 0;
  virtual std::optional<QString> askTableName(const QString& startDir) = 0;
  // A Yes/No confirmation; true for Yes.
  virtual bool confirm(const QString& question) = 0;
  virtual void showError(const QString& message) = 0;
};

// The chosen name, with the suffix added when none was typed (".bmp" or
// ".jpg" after the chosen picture format, ".dat" for tables).
QString withDefaultSuffix(const QString& path, const QString& suffix);
QString pictureSuffix(PictureFormat format);

}  // namespace vorn::viewer::output
