#include "src/reactions.h"

#include "src/cards.h"
#include "vorn/reaction_text.h"

namespace kinetics {
namespace {

int findOrAddSpecies(const std::string& name, SpeciesTable& species) {
  for (int i = 1; i <= species.count; ++i) {
    if (species.name[i] == name) return i;
  }
  if (species.count >= kMaxSpecies) {
    throw recordio::IoError("species table full (" + std::to_string(kMaxSpecies) +
                            " entries): cannot enter " + recordio::quoted(name) +
                            " from a reaction text");
  }
  int i = ++species.count;
  species.name[i] = name;
  species.amount[i] = 0.0;
  species.energy[i] = 0.0;
  species.mass[i] = 0.0;
  return i;
}

}  // namespace

long long sideKey(const std::array<int, kSlotsPerSide>& indices) {
  long long sum = 0;
  long long squares = 0;
  for (int index : indices) {
    sum += index;
    squares += static_cast<long long>(index) * index;
  }
  return 1000000LL * sum + squares;
}

ParsedReaction parseReaction(std::string_view text, SpeciesTable& species) {
  ParsedReaction result;
  for (auto& side : result.name) side.fill(std::string(kSpeciesNameLength, ' '));
  vorn::reaction_text::forEachName(text, [&](int side, int slot, std::string name) {
    result.index[side][slot] =
        name == vorn::reaction_text::kPhotonName ? 0 : findOrAddSpecies(name, species);
    result.name[side][slot] = std::move(name);
  });
  result.leftKey = sideKey(result.index[0]);
  result.rightKey = sideKey(result.index[1]);
  return result;
}

void clearProcessTable(ProcessTable& processes) {
  processes = ProcessTable{};
  for (std::string& slot : processes.deckCards) slot.assign(kCardDataColumns, ' ');
}

int readReactionCards(recordio::RecordUnit& deckGroup, ProcessTable& processes) {
  int stored = 0;
  while (true) {
    Card card = readCard(deckGroup);
    if (card.endsGroup()) return stored;
    if (stored < kMaxProcesses) {
      processes.deckCards[++stored] = card.data;
      processes.deckCardOrigins[stored] = card.origin;
    }
  }
}

namespace {

// What the walk of one side's slots finds.
struct SideWalk {
  int species = 0;
  int electrons = 0;
  int heavy = 0;  // last species that is not the electron
  bool qualifies() const { return species == 2 && electrons == 1; }
};

// Walks the slots up to the first empty one; adds each species' energy to
// `energySum` with the side's sign (one running sum over both sides).
SideWalk walkSide(const std::array<int, kSlotsPerSide>& slots, int electronIndex,
                  const SpeciesTable& species, double sign, double& energySum) {
  SideWalk walk;
  for (int index : slots) {
    if (index == 0) break;
    ++walk.species;
    if (sign < 0) {
      energySum -= species.energy[index];
    } else {
      energySum += species.energy[index];
    }
    if (index == electronIndex) {
      ++walk.electrons;
    } else {
      walk.heavy = index;
    }
  }
  return walk;
}

bool namesCardSpecies(const ParsedReaction& parsed, int cardSpeciesCount) {
  for (const auto& side : parsed.index) {
    for (int index : side) {
      if (index >= 1 && index <= cardSpeciesCount) return true;
    }
  }
  return false;
}

// Next tape block as a candidate: its header card; the rest of the block
// (reference card, then cards through the first with columns 1-8 blank) is
// skipped. False at a header whose code is below 1.
bool nextTapeCandidate(recordio::RecordUnit& tape, Card& header) {
  header = readHeaderCard(tape);
  if (header.endsGroup()) return false;
  expectBlockCard(tape, header.origin);
  tape.read();  // reference card
  do {
    expectBlockCard(tape, header.origin);
  } while (!readCard(tape).blankUpTo(8));
  return true;
}

}  // namespace

void buildProcessTable(int cardsStored, const GasComposition& gas, SpeciesTable& species,
                       recordio::RecordUnit& workingTape, ProcessTable& processes) {
  for (int n = 1; n <= kMaxProcesses; ++n) {
    processes.threshold[n] = 0.0;
    processes.targetDensity[n] = 0.0;
    processes.productDensity[n] = 0.0;
  }
  const bool fromDeck = cardsStored > 0;
  int kept = 0;
  int deckSlot = 0;
  while (true) {
    Card candidate;
    int slot = 0;
    if (fromDeck) {
      if (deckSlot == kMaxProcesses) break;
      slot = ++deckSlot;
      candidate.data = processes.deckCards[slot];
      candidate.origin = processes.deckCardOrigins[slot];
    } else {
      if (!nextTapeCandidate(workingTape, candidate)) break;
      slot = kept + 1;
    }
    if (kept == kMaxProcesses) break;

    const std::string& text = candidate.data;
    ParsedReaction parsed =
        recordio::atOrigin(candidate.origin, [&] { return parseReaction(text, species); });
    if (parsed.leftKey == parsed.rightKey) continue;
    if (!namesCardSpecies(parsed, gas.cardSpeciesCount)) continue;
    double energySum = 0.0;
    SideWalk left = walkSide(parsed.index[0], gas.electronIndex, species, -1.0, energySum);
    SideWalk right = walkSide(parsed.index[1], gas.electronIndex, species, +1.0, energySum);
    if (!left.qualifies() && !right.qualifies()) continue;
    double target = left.qualifies() ? species.amount[left.heavy] : 0.0;
    double product = right.qualifies() ? species.amount[right.heavy] : 0.0;
    if (target + product == 0.0) continue;

    int n = ++kept;
    processes.targetDensity[n] = target;
    processes.productDensity[n] = product;
    processes.threshold[n] = energySum;
    processes.type[n] = right.electrons - left.electrons;
    processes.name[n] = padded(text, kProcessNameLength);
    processes.source[n] = slot;
    processes.deckCards[slot].replace(0, kReactionTextLength, padded(text, kReactionTextLength));
    processes.leftKey[n] = parsed.leftKey;
    processes.rightKey[n] = parsed.rightKey;
  }
  processes.count = kept;
  workingTape.rewind();
  processes.name[kept + 1] = padded("MOMENTUM TRANSFER COLLISIONS", kProcessNameLength);
}

}  // namespace kinetics
