// The solver's tape reader: process blocks found by their key pairs, tables
// cleaned and interpolated onto a small grid; and the process table taken from
// the tape's blocks (a deck without reaction cards).
#include <vector>

#include "solver_units.h"
#include "src/cross_section.h"
#include "src/reactions.h"

namespace {

constexpr int kMeshIntervals = 40;
constexpr double kEnergyRange = 20.0;
constexpr std::size_t kBlocksSearched = 8;

kinetics::SpeciesTable sampleSpecies() {
  kinetics::SpeciesTable species;
  const char* names[] = {"N2      ", "LS      ", "AR      ", "LS*     ", "E(-)    "};
  for (const char* name : names) {
    ++species.count;
    species.name[species.count] = name;
    species.amount[species.count] = 1e17;
    species.mass[species.count] = 28.0;
  }
  species.energy[4] = 2.0;
  return species;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  recordio::RecordUnit unit = fuzz::unitFromText("working tape", fuzz::asText(data, size));
  kinetics::SpeciesTable species = sampleSpecies();
  kinetics::ReactionKeyFunction keysOf = [&species](std::string_view text) {
    kinetics::ParsedReaction parsed = kinetics::parseReaction(text, species);
    return kinetics::ReactionKeys{parsed.leftKey, parsed.rightKey};
  };

  std::vector<double> grid(kMeshIntervals + 2, 0.0);
  for (int i = 1; i <= kMeshIntervals + 1; ++i) grid[i] = (i - 1) * kEnergyRange / kMeshIntervals;
  std::vector<double> sigma(kMeshIntervals + 2, 0.0);
  static kinetics::CrossSectionScratch scratch;  // reused, as the solver reuses it
  try {
    kinetics::CrossSectionTape tape(unit);
    std::vector<kinetics::ReactionKeys> wanted;
    for (std::size_t b = 0; b < kBlocksSearched; ++b) {
      const kinetics::CrossSectionTape::Block* block = tape.block(b, keysOf);
      if (block == nullptr) break;
      wanted.push_back(block->keys);
    }
    wanted.push_back({2000004, 2000004});  // a process no tape names: the whole tape is searched
    for (kinetics::ReactionKeys keys : wanted) {
      double tableEmax = 0.0;
      for (int order : {1, 2}) {
        kinetics::readCrossSection(tape, keysOf, keys, grid, kMeshIntervals + 1, order, sigma,
                                   tableEmax, scratch);
        for (int i = 1; i <= kMeshIntervals + 1; ++i) {
          if (sigma[i] < 0.0) fuzz::fail("negative cross section on the grid");
        }
      }
    }
  } catch (const recordio::IoError&) {
  }

  // The same tape as the candidates of the process table.
  recordio::RecordUnit again = fuzz::unitFromText("working tape", fuzz::asText(data, size));
  kinetics::SpeciesTable runSpecies = sampleSpecies();
  kinetics::GasComposition gas;
  gas.cardSpeciesCount = 4;
  gas.electronIndex = 5;
  kinetics::ProcessTable processes;
  kinetics::clearProcessTable(processes);
  try {
    kinetics::buildProcessTable(0, gas, runSpecies, again, processes);
  } catch (const recordio::IoError&) {
  }
  if (processes.count < 0 || processes.count > kinetics::kMaxProcesses) fuzz::fail("process count");
  return 0;
}
