#include "setup/card_text.h"

namespace setup {

const std::string& endCard() {
  static const std::string card = std::string(70, ' ') + "-1";
  return card;
}

const std::string& reactionCardTail() {
  static const std::string card = std::string(70, ' ') + "+1";
  return card;
}

bool isEndCard(std::string_view line) {
  return line.size() >= kCardWidth && line.substr(0, kCardWidth) == endCard();
}

std::string toCard(std::string_view line) {
  std::string card(line.substr(0, kCardWidth));
  card.resize(kCardWidth, ' ');
  return card;
}

std::string reactionCard(std::string_view reactionText) {
  std::string card = reactionCardTail();
  std::string_view text = reactionText.substr(0, kReactionTextWidth);
  card.replace(0, text.size(), text);
  return card;
}

bool readLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace setup
