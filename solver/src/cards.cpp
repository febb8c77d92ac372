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
  const std::string& record = unit.records()[unit.position() - 1];
  const std::string_view codeColumns =
      record.size() > kCardDataColumns ? std::string_view(record).substr(kCardDataColumns, 2) : "";
  card.codeBlank = codeColumns.find_first_not_of(" \t\r") == std::string_view::npos;
  card.origin = unit.origin();
  return card;
}

std::string missingCodeMessage(const recordio::RecordUnit& unit, const char* card) {
  return unit.where() + ": " + card + " without a code in columns 71-72";
}

void expectHeaderCard(const recordio::RecordUnit& unit) {
  if (!unit.atEnd()) return;
  if (unit.size() == 0) {
    throw recordio::IoError(unit.name() + ": the file is empty: no process block and no end card");
  }
  const recordio::RecordOrigin& last = unit.origin(unit.size());
  const std::string file = last.known() ? *last.file : unit.name();
  const std::string after = last.known() ? " (the file ends at line " + std::to_string(last.line) + ")" : "";
  throw recordio::IoError(file + ": no end card after the last process block" + after);
}

Card readHeaderCard(recordio::RecordUnit& unit) {
  expectHeaderCard(unit);
  Card header = readCard(unit);
  if (header.lacksCode()) throw recordio::IoError(missingCodeMessage(unit, "header card"));
  return header;
}

void expectBlockCard(const recordio::RecordUnit& unit, const recordio::RecordOrigin& header) {
  if (!unit.atEnd()) return;
  const std::string where = header.known() ? recordio::describe(header) : unit.name();
  throw recordio::IoError(where +
                          ": the process block that begins on this line has no blank card before "
                          "the end of the file");
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
