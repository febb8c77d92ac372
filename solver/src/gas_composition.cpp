#include "src/gas_composition.h"

#include <cstdio>
#include <vector>

#include "src/cards.h"

namespace kinetics {
namespace {

// Single-precision constants of the original, widened to double.
constexpr double kComponentFloor = 9.999999747378752e-06;
constexpr double kLoschmidtPerTorr = 9.650000140617908e+18;  // N = P * this / T
constexpr double kE16 = 10000000272564224.0;
constexpr double kSqrt2 = 1.4142135381698608;
constexpr double kRelativeAmountLimit = 1e8;

bool isElectronName(const std::string& name) {
  return name == "E       " || name == "E-      " || name == "E(-)    ";
}

int findSpecies(const SpeciesTable& species, const std::string& name) {
  for (int i = 1; i <= species.count; ++i) {
    if (species.name[i] == name) return i;
  }
  return 0;
}

// The name as a message quotes it, without its padding.
std::string quotedName(const std::string& name) {
  const std::size_t end = name.find_last_not_of(' ');
  return recordio::quoted(name.substr(0, end == std::string::npos ? 0 : end + 1));
}

std::string shortNumber(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// No gas has a negative amount or mass; the electron card's amount is the
// electron density, whose negative values become 0 later.
void checkCardValues(const recordio::RecordUnit& deckGroup, const std::string& name,
                     double amount, double mass) {
  for (auto [what, value] : {std::pair{"amount", amount}, std::pair{"mass", mass}}) {
    if (value < 0.0) {
      throw recordio::IoError(deckGroup.where() + ": the " + what + " of species " +
                              quotedName(name) + " is negative (" + shortNumber(value) + ")");
    }
  }
}

// `cardLine[i]` is where the card that entered species i was read.
void readCards(recordio::RecordUnit& deckGroup, RunParameters& params, SpeciesTable& species,
               std::vector<std::string>& cardLine) {
  static const recordio::Format speciesCard("A8,3E10.3,32X,I2");
  while (true) {
    std::vector<recordio::Value> f = deckGroup.read(speciesCard);
    if (std::get<long long>(f[4]) < 1) return;
    const std::string& name = std::get<std::string>(f[0]);
    double amount = std::get<double>(f[1]);
    double energy = std::get<double>(f[2]);
    double mass = std::get<double>(f[3]);
    if (!isElectronName(name)) checkCardValues(deckGroup, name, amount, mass);
    if (species.count >= kMaxSpecies) continue;  // a full table ignores further cards
    if (isElectronName(name)) {
      params.electronDensity = amount;
      continue;
    }
    int i = findSpecies(species, name);
    if (i == 0) {
      i = ++species.count;
      species.name[i] = name;
      cardLine.resize(static_cast<std::size_t>(i) + 1);
      cardLine[static_cast<std::size_t>(i)] = deckGroup.where();
      if (name[0] == 'R') {
        species.isRotational[i] = 1;
        species.rotationalEnergy[i] = energy;
        species.rotationalAmount[i] = amount;
        species.rotationalMass[i] = mass;
        amount = 0.0;
      }
    }
    species.energy[i] = energy;
    species.amount[i] = amount;
    species.mass[i] = mass;
  }
}

// An R-prefixed species carries the amount of the molecule its name names.
void linkRotationalAmounts(SpeciesTable& species) {
  for (int i = 1; i <= species.count; ++i) {
    if (species.name[i][0] != 'R') continue;
    std::string molecule = species.name[i].substr(1) + " ";
    for (int j = 1; j <= species.count; ++j) {
      if (species.name[j] == molecule) species.rotationalAmount[i] = species.amount[j];
    }
  }
}

void chooseComponents(const SpeciesTable& species, double sum, GasComposition& gas,
                      const std::string& file, const std::vector<std::string>& cardLine) {
  std::array<bool, kMaxSpecies + 1> chosen{};
  gas.count = 0;
  for (int round = 1; round <= kMaxComponents; ++round) {
    double best = 0.0;
    int pick = 0;
    for (int i = 1; i <= species.count; ++i) {
      double v = species.amount[i] + species.rotationalAmount[i];
      if (!chosen[i] && v > best) {
        best = v;
        pick = i;
      }
    }
    if (round >= 2 && best < kComponentFloor) break;
    if (pick != 0 && sum <= 0.0) {
      // Only R-prefixed species have an amount: each counts as the rotational
      // part of the molecule its name names, and no gas remains.
      const auto line = static_cast<std::size_t>(pick);
      throw recordio::IoError(
          (line < cardLine.size() ? cardLine[line] : file) + ": species " +
          quotedName(species.name[pick]) +
          " is read as a rotational species (its name begins with R), whose amount gives no "
          "gas of its own; no species card gives a positive amount to a species that is not "
          "rotational");
    }
    if (pick == 0 || sum <= 0.0) {
      throw recordio::IoError(file + ": no species card gives a positive amount");
    }
    chosen[pick] = true;
    int c = ++gas.count;
    gas.species[c] = pick;
    gas.name[c] = species.name[pick];
    gas.fraction[c] = species.amount[pick] / sum;
    gas.rotationalFraction[c] = species.rotationalAmount[pick] / sum;
    gas.mass[c] = species.mass[pick];
    gas.isRotational[c] = species.isRotational[pick];
    gas.rotationalEnergy[c] = species.rotationalEnergy[pick];
    gas.rotationalMass[c] = species.rotationalMass[pick];
  }
}

}  // namespace

void readSpeciesGroup(recordio::RecordUnit& deckGroup, RunParameters& params,
                      SpeciesTable& species, GasComposition& gas) {
  std::vector<std::string> cardLine;
  readCards(deckGroup, params, species, cardLine);
  // A failure of the group as a whole names the lines the group spans.
  const recordio::RecordOrigin& first = deckGroup.origin(1);
  const recordio::RecordOrigin& last = deckGroup.origin();
  const std::string file =
      first.known() && last.known()
          ? *first.file + ", lines " + std::to_string(first.line) + "-" +
                std::to_string(last.line) + " (species cards)"
          : "React.tmp (species cards)";
  linkRotationalAmounts(species);

  double sum = 0.0;
  for (int i = 1; i <= species.count; ++i) sum += species.amount[i];
  chooseComponents(species, sum, gas, file, cardLine);

  double density = sum;
  if (sum <= kRelativeAmountLimit) {
    density = params.gasPressure * kLoschmidtPerTorr / params.gasTemperature;
    for (int i = 1; i <= species.count; ++i) species.amount[i] *= density / sum;
  }
  gas.gasDensity = density;
  // The high-frequency cases run on the effective (root-mean-square) E/N of the
  // amplitudes, also when the amounts are densities already.
  if (params.fieldMode == 1) {
    for (int i = 1; i <= kMaxFieldValues; ++i) {
      params.fieldList[i] = params.amplitudeList[i] / density * kE16 / kSqrt2;
    }
  }
  if (params.electronDensity <= 0.0) params.electronDensity = 0.0;

  if (species.count >= kMaxSpecies) {
    throw recordio::IoError(file + ": " + std::to_string(species.count) +
                            " species fill the table; no room is left for the electron");
  }
  gas.cardSpeciesCount = species.count;
  int e = ++species.count;
  species.name[e] = "E(-)    ";
  species.energy[e] = 0.0;
  gas.electronIndex = e;
}

}  // namespace kinetics
