#include "src/cards.h"

namespace kinetics {

bool Card::blankUpTo(std::size_t columns) const {
  return data.find_first_not_of(' ') >= columns;
}

Card readCard(recordio::RecordUnit& unit) {
  static const recordio::Format cardFormat("A70,I2");
  std::vector<recordio::Value> fields = unit.read(cardFormat);
  Card card;
  card.data = std::get<std::string>(fields[0]);
  card.code = static_cast<int>(std::get<long long>(fields[1]));
  card.origin = unit.origin();
  return card;
}

std::string padded(std::string_view text, std::size_t width) {
  std::string result(text.substr(0, width));
  result.resize(width, ' ');
  return result;
}

std::string cardRecord(std::string_view data, int code) {
  return padded(data, kCardDataColumns) + recordio::formatI(code, 2);
}

void writeCard(recordio::RecordUnit& unit, std::string_view data, int code,
               recordio::RecordOrigin origin) {
  unit.write(cardRecord(data, code), std::move(origin));
}

void copyRecord(recordio::RecordUnit& source, recordio::RecordUnit& target) {
  const std::string& record = source.read();
  target.write(record, source.origin());
}

std::string endCardRecord() { return cardRecord("", -1); }

}  // namespace kinetics
