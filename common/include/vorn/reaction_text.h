// How a reaction text ("AR + E ^ AR* + E") is split into species names. The
// solver builds its species and process tables this way, and the set-up program
// counts what a calculation would put into them the same way, so the rule lives
// here once. Header only and free of any library.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace vorn::reaction_text {

inline constexpr std::size_t kParsedColumns = 54;  // columns of the text that are read
inline constexpr std::size_t kNameLength = 8;      // names are cut and blank-padded to this
inline constexpr int kSlotsPerSide = 5;            // names kept on each side
inline constexpr std::string_view kElectronName = "E(-)    ";
inline constexpr std::string_view kPhotonName = "HNU     ";

// The spellings of the electron as a blank-padded name: "E", "E-" and "E(-)".
inline bool isElectronName(std::string_view name) {
  return name == "E       " || name == "E-      " || name == kElectronName;
}

// Next non-blank character of `text` from `from` on, or '\0' at its end.
inline char nextNonBlank(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] != ' ') return text[i];
  }
  return '\0';
}

// Calls visit(side, slot, name) for each name of the first kParsedColumns
// columns: blanks are skipped, '^' ends the left side (0) and starts the right
// one (1), '+' ends a name unless the next non-blank character is '+' or ')'
// (so "N2+ + E" and "N2(+)" keep their charge). Names are cut to kNameLength,
// blank-padded, and "E" and "E-" become the electron. Slot counts the names of
// a side from 0; names past kSlotsPerSide - 1 are passed over. Reading stops at
// an empty name or after the right side.
template <class Visit>
void forEachName(std::string_view text, Visit&& visit) {
  text = text.substr(0, kParsedColumns);  // substr stops at the end of the text
  int side = 0;
  int slot = 0;
  std::size_t position = 0;
  while (true) {
    std::string name;
    bool sideEnded = false;
    while (position < text.size()) {
      const char c = text[position++];
      if (c == ' ') continue;
      if (c == '^') {
        sideEnded = true;
        break;
      }
      if (c == '+') {
        const char next = nextNonBlank(text, position);
        if (next != '+' && next != ')') break;
      }
      if (name.size() < kNameLength) name += c;
    }
    if (side > 1 || name.empty()) return;
    name.resize(kNameLength, ' ');
    if (isElectronName(name)) name = kElectronName;
    if (slot < kSlotsPerSide) visit(side, slot, std::move(name));
    ++slot;
    if (sideEnded) {
      ++side;
      slot = 0;
    }
  }
}

}  // namespace vorn::reaction_text
