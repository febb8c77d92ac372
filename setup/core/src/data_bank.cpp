#include "setup/data_bank.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <sstream>

#include "setup/bank_file.h"
#include "setup/card_text.h"
#include "setup/numbers.h"

namespace setup {
namespace {

constexpr const char* kGasListName = "Gasnames.cnf";

bool fileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

// Reads the lines of one section: up to the next end card (not kept) or the end
// of the file.
std::vector<std::string> readSection(std::istream& in) {
  std::vector<std::string> lines;
  std::string line;
  while (readLine(in, line)) {
    if (isEndCard(line)) break;
    lines.push_back(line);
  }
  return lines;
}

void clearGas(CalculationModel& model, int g) {
  model.GasFileNames[g].clear();
  model.GasDisplayNames[g].clear();
  model.GasChecked[g] = false;
  model.ReactionCount[g] = 0;
  model.SpeciesCount[g] = 0;
  model.ReactionTexts[g].clear();
  model.ReactionSelected[g].clear();
  model.SpeciesNames[g].clear();
  model.SpeciesAmounts[g].clear();
}

// Reads gas g's .rc file; returns the error message, or an empty text.
std::string loadReactionSpeciesFile(CalculationModel& model, int g) {
  const std::string shownPath = model.DataBankDir + model.GasFileNames[g] + ".rc";
  std::optional<std::string> content =
      readBankFile(findFileNoCase(model.DataBankDir, model.GasFileNames[g] + ".rc"));
  if (!content) return shownPath + " file is not found";
  std::istringstream in(std::move(*content));
  std::string first;
  if (!readLine(in, first) || !isEndCard(first)) return shownPath + " file read error";

  for (const std::string& line : readSection(in)) {
    model.ReactionTexts[g].push_back(line.substr(0, std::min(line.size(), kReactionTextWidth)));
    model.ReactionSelected[g].push_back(1);
  }
  for (const std::string& line : readSection(in)) {
    model.SpeciesNames[g].push_back(line.substr(0, std::min<std::size_t>(line.size(), 8)));
    model.SpeciesAmounts[g].push_back(line.size() > 8 ? scanAmountField(line.substr(8)) : 0.0);
  }
  model.ReactionCount[g] = static_cast<std::int32_t>(model.ReactionTexts[g].size());
  model.SpeciesCount[g] = static_cast<std::int32_t>(model.SpeciesNames[g].size());
  return {};
}

// Loads the data bank whose gas list is `gasList` (the content of Gasnames.cnf).
std::vector<std::string> loadFromGasList(CalculationModel& model, const std::string& gasList) {
  std::vector<std::string> errors;
  model.resetParametersToDefaults();
  model.Maxwellian = false;
  model.DataBankLoaded = false;
  for (int g = 0; g < kMaxGases; ++g) clearGas(model, g);
  model.GasCount = 0;
  model.SelectedGas = -1;
  model.Summary.clear();

  model.GasListPath = model.DataBankDir + kGasListName;
  std::istringstream list(gasList);
  std::string line;
  int count = 0;
  while (count < kMaxGases && readLine(list, line)) {
    // "<base name> <display name>"; a line without a blank is all base name.
    std::size_t blank = line.find(' ');
    std::string base = line.substr(0, blank);
    if (base.empty()) break;
    model.GasFileNames[count] = base;
    model.GasDisplayNames[count] = blank == std::string::npos ? "" : line.substr(blank + 1);
    std::string error = loadReactionSpeciesFile(model, count);
    if (!error.empty()) {
      errors.push_back(error);
      model.ReactionTexts[count].clear();
      model.ReactionSelected[count].clear();
      model.ReactionCount[count] = 0;
    }
    ++count;
  }
  model.GasCount = count;
  model.SelectedGas = count > 0 ? 0 : -1;
  model.DataBankLoaded = true;
  return errors;
}

}  // namespace

std::string findFileNoCase(const std::string& dir, const std::string& name) {
  const std::string exact = dir + name;
  if (fileExists(exact)) return exact;
  DIR* folder = ::opendir(dir.empty() ? "." : dir.c_str());
  if (folder == nullptr) return exact;
  std::string found;
  while (dirent* entry = ::readdir(folder)) {
    if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
      found = dir + entry->d_name;
      break;
    }
  }
  ::closedir(folder);
  return found.empty() ? exact : found;
}

DataBankLoad programDataBank(CalculationModel& model) {
  CalculationModel loaded = model;
  if (!loaded.UserBankDir.empty()) loaded.DataBankDir = loaded.UserBankDir;
  std::optional<std::string> list =
      readBankFile(findFileNoCase(loaded.DataBankDir, kGasListName));
  DataBankLoad result;
  if (!list) {
    result.warning = "File " + loaded.DataBankDir + kGasListName +
                     " not found. Use File\\Change DataBank Dir MenuItem to set file path.";
    return result;
  }
  result.errors = loadFromGasList(loaded, *list);
  model = std::move(loaded);
  return result;
}

std::vector<std::string> loadDataBank(CalculationModel& model) {
  std::optional<std::string> list = readBankFile(findFileNoCase(model.DataBankDir, kGasListName));
  return loadFromGasList(model, list.value_or(std::string()));
}

std::string bankDirOfChosenFile(const std::string& chosenFile) {
  std::size_t slash = chosenFile.rfind('/');
  if (slash == std::string::npos) return "./";
  return chosenFile.substr(0, slash + 1);
}

}  // namespace setup
