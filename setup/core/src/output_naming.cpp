#include "setup/output_naming.h"

#include <strings.h>

namespace setup {
namespace {

// Index of the first item equal to `name` without regard to case, appending the
// name when there is none.
std::int32_t findOrAppendItem(CalculationModel& model, const std::string& name) {
  for (std::size_t i = 0; i < model.OutNameItems.size(); ++i) {
    if (::strcasecmp(model.OutNameItems[i].c_str(), name.c_str()) == 0) {
      return static_cast<std::int32_t>(i);
    }
  }
  model.OutNameItems.push_back(name);
  return static_cast<std::int32_t>(model.OutNameItems.size() - 1);
}

bool endsWith(const std::string& text, const char* tail) {
  std::string t(tail);
  return text.size() >= t.size() && text.compare(text.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

void editOutNameText(CalculationModel& model, const std::string& text) {
  model.OutNameText = text;
  model.OutNameIndex = -2;
}

void pickOutNameItem(CalculationModel& model, int i) {
  if (i >= 0 && i < static_cast<int>(model.OutNameItems.size())) {
    editOutNameText(model, model.OutNameItems[i]);
  }
}

void chooseOutputFile(CalculationModel& model, const std::string& chosenPath) {
  std::string name = chosenPath;
  for (const char* extension : {".gdt", ".lst", ".GDT", ".LST"}) {
    if (endsWith(name, extension)) {
      name.resize(name.size() - 4);
      break;
    }
  }
  model.OutNameText = name;
  std::size_t slash = chosenPath.rfind('/');
  if (slash != std::string::npos) model.OutputDir = slash == 0 ? "/" : chosenPath.substr(0, slash);
  std::size_t nameSlash = name.rfind('/');
  std::string base = nameSlash == std::string::npos ? name : name.substr(nameSlash + 1);
  model.OutNameIndex = findOrAppendItem(model, base);
  // A chosen file whose name differs from an item only in case is another file
  // here: it is used as chosen, like a typed name, and adds no item.
  model.OutNameTyped = model.OutNameItems[model.OutNameIndex] != base;
  if (model.OutNameTyped) model.OutName = base;
}

void fixOutName(CalculationModel& model) {
  if (model.OutNameIndex == -2) {
    model.OutName = model.OutNameText;
    model.OutNameTyped = false;
    // An emptied box names no file ("Execute" refuses it) and adds no item.
    if (model.OutName.empty()) return;
    model.OutNameIndex = findOrAppendItem(model, model.OutName);
    model.OutNameTyped = model.OutNameItems[model.OutNameIndex] != model.OutName;
    return;
  }
  if (model.OutNameTyped) {
    model.OutNameText = model.OutName;
    return;
  }
  if (model.OutNameIndex < 0 || model.OutNameIndex >= static_cast<int>(model.OutNameItems.size())) {
    model.OutNameIndex = findOrAppendItem(model, model.OutName);
  }
  model.OutName = model.OutNameItems[model.OutNameIndex];
  model.OutNameText = model.OutName;
}

std::string outputBasePath(const CalculationModel& model) {
  std::string dir = model.OutputDir;
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir + model.OutName;
}

}  // namespace setup
