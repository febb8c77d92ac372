#include "setup/mixture_page.h"

#include "setup/numbers.h"

namespace setup {
namespace {

bool isGas(const CalculationModel& model, int g) { return g >= 0 && g < model.GasCount; }

}  // namespace

bool isHiddenSpecies(const std::string& name) {
  if (name.empty()) return false;
  if (name[0] == 'R') return true;
  const std::string prefix = name.substr(0, 3);
  return prefix == "HEv" || prefix == "ARv" || prefix == "NEv" || prefix == "XEv" ||
         prefix == "KRv";
}

std::vector<ConcentrationRow> concentrationRows(const CalculationModel& model, int g, char sep) {
  std::vector<ConcentrationRow> rows;
  if (!isGas(model, g)) return rows;
  for (int r = 0; r < model.SpeciesCount[g]; ++r) {
    const std::string& name = model.SpeciesNames[g][r];
    bool hidden = isHiddenSpecies(name);
    rows.push_back({name, hidden ? "0" : displayForm(model.SpeciesAmounts[g][r], sep), hidden});
  }
  return rows;
}

void selectGas(CalculationModel& model, int g) {
  if (isGas(model, g)) model.SelectedGas = g;
}

void setGasChecked(CalculationModel& model, int g, bool checked, char sep) {
  if (!isGas(model, g)) return;
  model.SelectedGas = g;
  model.GasChecked[g] = checked;
  for (const ConcentrationRow& row : concentrationRows(model, g, sep)) {
    if (!checked) {
      model.Summary.remove(row.name);
    } else {
      std::optional<double> value = parseTypedNumber(row.text, sep);
      if (value && *value != 0.0) model.Summary.add(row.name, row.text);
    }
  }
}

void setReactionSelected(CalculationModel& model, int g, int k, bool selected) {
  if (!isGas(model, g) || k < 0 || k >= model.ReactionCount[g]) return;
  model.ReactionSelected[g][k] = selected ? 1 : 0;
}

std::optional<std::string> checkConcentrationTyping(const std::string& text, char sep) {
  return nonNegativeTypingError(text, sep, kConcentrationNotNumber, kConcentrationNegative);
}

std::string commitConcentration(CalculationModel& model, int g, int r, const std::string& text,
                                char sep) {
  if (!isGas(model, g) || r < 0 || r >= model.SpeciesCount[g]) return text;
  double amount = model.SpeciesAmounts[g][r];
  std::string cell = text;
  std::optional<double> value = parseTypedNumber(text, sep);
  if (value && *value >= 0) {
    amount = *value + 0.0;  // a typed "-0" is stored as 0
  } else {
    cell = plainForm(amount, sep);
  }
  const std::string& name = model.SpeciesNames[g][r];
  if (isHiddenSpecies(name)) amount = 0.0;
  model.SpeciesAmounts[g][r] = amount;
  if (amount != 0.0) {
    model.Summary.add(name, cell);
  } else {
    model.Summary.remove(name);
  }
  return cell;
}

}  // namespace setup
