// Reaction texts ("N2 + E(-) ^ N2(A) + E(-)") turned into species indices and
// side keys, and the process table of a run.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "recordio/recordio.h"
#include "src/run_data.h"
#include "vorn/reaction_text.h"

namespace kinetics {

inline constexpr int kSlotsPerSide = vorn::reaction_text::kSlotsPerSide;
inline constexpr std::size_t kReactionTextLength = vorn::reaction_text::kParsedColumns;
inline constexpr std::size_t kProcessNameLength = 32;
inline constexpr std::size_t kSpeciesNameLength = vorn::reaction_text::kNameLength;

// Parse result of one reaction text. Sides are 0 (left) and 1 (right); a slot
// index is 0 when the slot is empty or holds a photon ("HNU").
struct ParsedReaction {
  std::array<std::array<int, kSlotsPerSide>, 2> index{};
  // 8 characters, blank-padded; no "{}" here (see run_data.h)
  std::array<std::array<std::string, kSlotsPerSide>, 2> name;
  long long leftKey = 0;
  long long rightKey = 0;
};

// 1000000 * (sum of the indices) + (sum of their squares). Two texts name the
// same process when their key pairs are equal; a swapped pair names the reverse.
long long sideKey(const std::array<int, kSlotsPerSide>& indices);

// Parses the first 54 characters of `text`. Blanks are skipped everywhere; "^"
// ends the left side; a "+" belongs to the name when the next non-blank
// character is "+" or ")" (so "N2+ + E(-)" and "N2(+)" keep their charge),
// otherwise it ends the species; names are cut to 8 characters; "E" and "E-"
// become "E(-)". Names not yet in `species` are appended to it (amount, energy
// and mass 0). Species beyond the fifth on a side are ignored: no slot, no
// table entry, no part of the key. A full table (250 entries) throws
// recordio::IoError: the run is rejected rather than written past the table.
ParsedReaction parseReaction(std::string_view text, SpeciesTable& species);

// Blank 70-character deck slots and a cleared table.
void clearProcessTable(ProcessTable& processes);

// Reads the reaction group from the deck-group unit (cards until a code below 1)
// into processes.deckCards 1..206; further cards are read and dropped. Returns
// the number of cards stored.
int readReactionCards(recordio::RecordUnit& deckGroup, ProcessTable& processes);

// Builds the process table: candidates are the stored deck cards, or, when
// `cardsStored` is 0, the blocks of the working tape (which is rewound at the
// end either way). A candidate is kept when its text names a process of a
// species from the species cards with an electron ("X + E(-)" on at least one
// side) and a non-zero partner density; at most 206 are kept. The entry after
// the last is the momentum-transfer pseudo-process.
void buildProcessTable(int cardsStored, const GasComposition& gas, SpeciesTable& species,
                       recordio::RecordUnit& workingTape, ProcessTable& processes);

}  // namespace kinetics
