#include "setup/solver_tables.h"

#include <charconv>
#include <set>
#include <sstream>

#include "setup/card_text.h"
#include "vorn/reaction_text.h"
#include "vorn/table_sizes.h"

namespace setup {
namespace {

using vorn::reaction_text::kElectronName;
constexpr std::size_t kNameWidth = vorn::reaction_text::kNameLength;
constexpr int kSolverMaxReactions = vorn::table_sizes::kMaxProcesses;
constexpr int kSolverMaxSpecies = vorn::table_sizes::kMaxSpecies;

// The card code in columns 71-72 (blanks read as 0); a code that is no number ends
// the group as the end of the file does.
int cardCode(const std::string& card) {
  std::string digits;
  for (char c : std::string_view(card).substr(70, 2)) {
    if (c != ' ') digits += c;
  }
  if (!digits.empty() && digits[0] == '+') digits.erase(0, 1);
  int code = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
  if (error != std::errc() || end != digits.data() + digits.size()) return 0;
  return code;
}

// The next card of a group: false at the end of the file or at a card whose code
// is below 1.
bool nextGroupCard(std::istream& in, std::string& card) {
  std::string line;
  if (!readLine(in, line)) return false;
  card = toCard(line);
  return cardCode(card) >= 1;
}

void skipGroup(std::istream& in) {
  std::string card;
  while (nextGroupCard(in, card)) {
  }
}

void addNames(std::set<std::string>& names, std::string_view text) {
  for (std::string& name : reactionTextNames(text)) names.insert(std::move(name));
}

// Header texts of the tape's process blocks: a header, its reference card, then
// cards up to and including the first whose columns 1-8 are blank.
void addTapeNames(std::istream& tape, std::set<std::string>& names) {
  std::string header;
  std::string line;
  while (nextGroupCard(tape, header)) {
    addNames(names, header);
    if (!readLine(tape, line)) return;  // reference card
    while (readLine(tape, line)) {
      if (toCard(line).compare(0, kNameWidth, std::string(kNameWidth, ' ')) == 0) break;
    }
  }
}

}  // namespace

std::vector<std::string> reactionTextNames(std::string_view text) {
  std::vector<std::string> names;
  vorn::reaction_text::forEachName(text, [&](int, int, std::string name) {
    if (name != vorn::reaction_text::kPhotonName) names.push_back(std::move(name));
  });
  return names;
}

SolverTableCounts countSolverTables(std::istream& deck, std::istream& tape) {
  SolverTableCounts counts;
  std::set<std::string> names{std::string(kElectronName)};
  std::string card;
  skipGroup(deck);  // tape updates: their names go to a table of their own
  while (nextGroupCard(deck, card)) {
    ++counts.reactions;
    addNames(names, card);
  }
  while (nextGroupCard(deck, card)) {
    std::string name = card.substr(0, kNameWidth);
    // The electron's cards set its density and take no entry of their own.
    if (!vorn::reaction_text::isElectronName(name)) names.insert(std::move(name));
  }
  addTapeNames(tape, names);
  counts.speciesNames = static_cast<int>(names.size());
  return counts;
}

SolverTableCounts countSolverTables(const SolverInputs& inputs) {
  std::istringstream deck(inputs.deck);
  std::istringstream tape(inputs.tape);
  return countSolverTables(deck, tape);
}

SolverTableCounts countSolverTables(const CalculationModel& model) {
  return countSolverTables(renderSolverInputs(model));
}

std::optional<std::string> solverTableLimitError(const SolverTableCounts& counts) {
  if (counts.reactions > kSolverMaxReactions) {
    return "The calculation has " + std::to_string(counts.reactions) +
           " selected reactions; the solver takes at most " +
           std::to_string(kSolverMaxReactions) + ". Unselect some reactions.";
  }
  if (counts.speciesNames > kSolverMaxSpecies) {
    return "The calculation names " + std::to_string(counts.speciesNames) +
           " different species (the electron, the species of the checked gases and the "
           "names in their reactions and cross-section tables); the solver takes at most " +
           std::to_string(kSolverMaxSpecies) + ". Check fewer gases or unselect reactions.";
  }
  return std::nullopt;
}

}  // namespace setup
