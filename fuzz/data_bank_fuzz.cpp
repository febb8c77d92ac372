// The set-up core's data-bank loader: Gasnames.cnf and the .rc file of each
// gas, then the reaction deck written from what was loaded.
// Input: Gasnames.cnf, then the .rc files of its first gases in list order,
// each after the separator line.
#include <sstream>

#include "fuzz_support.h"
#include "setup/card_text.h"
#include "setup/data_bank.h"
#include "setup/solver_input_writer.h"

namespace {

constexpr std::size_t kRcFiles = 4;

// Base names as the loader takes them: the line up to its first blank.
std::vector<std::string> baseNames(const std::string& gasList) {
  std::vector<std::string> names;
  std::istringstream in(gasList);
  std::string line;
  while (names.size() < kRcFiles && setup::readLine(in, line)) {
    names.push_back(line.substr(0, line.find(' ')));
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::TempFolder folder;
  std::vector<std::string> files = fuzz::splitFiles(fuzz::asText(data, size), 1 + kRcFiles);
  folder.clear();
  folder.write("Gasnames.cnf", files[0]);
  std::vector<std::string> names = baseNames(files[0]);
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (fuzz::isSafeFileName(names[k] + ".rc")) folder.write(names[k] + ".rc", files[1 + k]);
  }

  setup::CalculationModel model = setup::CalculationModel::atStartUp(folder.path().string());
  model.DataBankDir = folder.path().string() + "/";
  if (setup::programDataBank(model).warning) fuzz::fail("the gas list was written but not found");

  if (model.GasCount < 0 || model.GasCount > setup::kMaxGases) fuzz::fail("gas count");
  for (int g = 0; g < model.GasCount; ++g) {
    const auto reactions = static_cast<std::size_t>(model.ReactionCount[g]);
    const auto species = static_cast<std::size_t>(model.SpeciesCount[g]);
    if (model.ReactionTexts[g].size() != reactions || model.ReactionSelected[g].size() != reactions) {
      fuzz::fail("reaction arrays and count differ");
    }
    if (model.SpeciesNames[g].size() != species || model.SpeciesAmounts[g].size() != species) {
      fuzz::fail("species arrays and count differ");
    }
    for (const std::string& text : model.ReactionTexts[g]) {
      if (text.size() > setup::kReactionTextWidth) fuzz::fail("reaction text over 53 columns");
    }
    for (const std::string& name : model.SpeciesNames[g]) {
      if (name.size() > 8) fuzz::fail("species name over 8 columns");
    }
    model.GasChecked[g] = true;
  }

  // The deck is made of the loaded texts: every card is 72 columns.
  std::ostringstream deck;
  setup::writeInputDeck(model, deck);
  std::istringstream cards(deck.str());
  std::string card;
  while (setup::readLine(cards, card)) {
    if (card.size() != setup::kCardWidth) fuzz::fail("a deck card that is not 72 columns");
  }
  return 0;
}
