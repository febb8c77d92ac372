// Record units held in memory and list-directed input over them.
#include "recordio/recordio.h"

namespace recordio {

namespace {

// "<unit>: end of file reached during <what> (after line 38)".
std::string endOfFile(const RecordUnit& unit, const std::string& what) {
  std::string message = unit.name() + ": end of file reached during " + what;
  if (const RecordOrigin& last = unit.origin(unit.size()); last.known()) {
    message += " (after line " + std::to_string(last.line);
    message += *last.file == unit.name() ? ")" : " of " + *last.file + ")";
  }
  return message;
}

}  // namespace

void RecordSink::put(const std::vector<std::string>& records) {
  for (const std::string& record : records) put(std::string_view(record));
}

std::string describe(const RecordOrigin& origin) {
  return *origin.file + ", line " + std::to_string(origin.line);
}

RecordUnit::RecordUnit(std::string name) : name_(std::move(name)) {}

RecordUnit RecordUnit::fromText(std::string name, std::string_view text) {
  RecordUnit unit(std::move(name));
  auto file = std::make_shared<const std::string>(unit.name_);
  // Lines end with CR LF or LF; a last line without a line end is a record too.
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::size_t length = end - start;
    if (length > 0 && text[start + length - 1] == '\r') --length;
    unit.records_.emplace_back(text.substr(start, length));
    unit.origins_.push_back({file, unit.records_.size()});
    start = end + 1;
  }
  return unit;
}

const RecordOrigin& RecordUnit::origin(std::size_t number) const {
  static const RecordOrigin none;
  if (number == 0) number = position_;
  return number >= 1 && number <= origins_.size() ? origins_[number - 1] : none;
}

std::string RecordUnit::where(std::size_t number) const {
  if (number == 0) number = position_;
  const RecordOrigin& from = origin(number);
  if (from.known()) return describe(from);
  return name_ + ", record " + std::to_string(number);
}

const std::string& RecordUnit::read() {
  if (atEnd()) throw IoError(endOfFile(*this, "a read"));
  return records_[position_++];
}

std::vector<Value> RecordUnit::read(const Format& format) {
  const std::string& record = read();
  try {
    return readFields(record, format);
  } catch (const IoError& error) {
    throw IoError(where() + ": " + error.what());
  }
}

void RecordUnit::write(std::string record, RecordOrigin origin) {
  records_.resize(position_);
  origins_.resize(position_);
  records_.push_back(std::move(record));
  origins_.push_back(std::move(origin));
  ++position_;
}

std::vector<Value> ListReader::read(std::string_view kinds) {
  std::vector<Value> values;
  values.reserve(kinds.size());
  records_.clear();
  while (values.size() < kinds.size()) {
    if (unit_.atEnd()) {
      throw IoError(endOfFile(unit_, "a read of " + std::to_string(kinds.size()) + " values"));
    }
    const std::string& record = unit_.read();
    std::size_t i = 0;
    while (i < record.size() && values.size() < kinds.size()) {
      char c = record[i];
      if (c == ' ' || c == ',' || c == '\t' || c == '\r') {
        ++i;
        continue;
      }
      std::size_t end = record.find_first_of(" ,\t\r", i);
      if (end == std::string::npos) end = record.size();
      std::string_view token(record.data() + i, end - i);
      try {
        if (kinds[values.size()] == 'i') {
          values.emplace_back(readInteger(token));
        } else {
          values.emplace_back(readReal(token, 0));
        }
      } catch (const IoError& error) {
        throw IoError(unit_.where() + ": " + error.what());
      }
      records_.push_back(unit_.position());
      i = end;
    }
  }
  return values;
}

}  // namespace recordio
