// Reading fixed-column numeric fields and records under a format.
#include <cctype>
#include <charconv>
#include <string>

#include "recordio/format_items.h"

namespace recordio {
namespace {

// Blanks inside a numeric field are not significant; an all-blank field is 0.
std::string withoutBlanks(std::string_view field) {
  std::string text;
  for (char c : field) {
    if (c != ' ' && c != '\t' && c != '\r') text += c;
  }
  return text;
}

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

[[noreturn]] void badField(std::string_view field, const char* kind) {
  throw IoError("cannot convert " + recordio::quoted(field) + " to " + kind);
}

}  // namespace

long long readInteger(std::string_view field) {
  std::string text = withoutBlanks(field);
  if (text.empty()) return 0;
  std::size_t start = (text[0] == '+' || text[0] == '-') ? 1 : 0;
  if (start == text.size() || !isDigit(text[start])) badField(field, "an integer");
  long long value = 0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc{} || result.ptr != last) badField(field, "an integer");
  return text[0] == '-' ? -value : value;
}

// Accepts [sign] digits [. digits] [exponent], where the exponent is a letter
// E, D (either case) with an optional sign, or just a sign, then digits; at
// least one digit comes before the exponent.
double readReal(std::string_view field, int impliedDecimals) {
  std::string text = withoutBlanks(field);
  if (text.empty()) return 0.0;
  std::size_t i = 0;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  std::string integerDigits, fractionDigits;
  while (i < text.size() && isDigit(text[i])) integerDigits += text[i++];
  bool point = i < text.size() && text[i] == '.';
  if (point) {
    ++i;
    while (i < text.size() && isDigit(text[i])) fractionDigits += text[i++];
  }
  long exponent = 0;
  if (i < text.size()) {
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    if (c == 'E' || c == 'D') {
      ++i;
    } else if (c != '+' && c != '-') {
      badField(field, "a number");
    }
    std::size_t signAt = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) badField(field, "a number");
    auto result = std::from_chars(text.data() + i, text.data() + text.size(), exponent);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) badField(field, "a number");
    if (text[signAt] == '-') exponent = -exponent;
  }
  // Without a digit before the exponent there is no number: "--150" is not an
  // exponent of -150 on nothing, and neither "." nor "E5" is zero.
  if (integerDigits.empty() && fractionDigits.empty()) badField(field, "a number");
  if (!point) {
    // Implied decimals: the last digits before the exponent are the fraction.
    exponent -= impliedDecimals;
  }
  std::string normal = integerDigits + "." + fractionDigits + "e" + std::to_string(exponent);
  if (normal[0] == '.') normal.insert(0, 1, '0');
  double value = 0.0;
  auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (result.ec != std::errc{} || result.ptr != normal.data() + normal.size()) {
    badField(field, "a number");
  }
  return negative ? -value : value;
}

namespace {

using Item = Format::Item;
using Kind = Item::Kind;

class FieldReader {
 public:
  explicit FieldReader(std::string_view record) : record_(record) {}

  void run(const std::vector<Item>& items) {
    for (const Item& item : items) {
      for (int r = 0; r < item.repeat; ++r) runOne(item);
    }
  }

  std::vector<Value> take() { return std::move(values_); }

 private:
  void runOne(const Item& item) {
    switch (item.kind) {
      case Kind::Skip:
        position_ += static_cast<std::size_t>(item.width);
        return;
      case Kind::Tab:
        position_ = static_cast<std::size_t>(item.width - 1);
        return;
      case Kind::Group:
        run(item.items);
        return;
      case Kind::Integer:
        values_.emplace_back(readInteger(field(item.width)));
        return;
      case Kind::Fixed:
      case Kind::Exponent:
        values_.emplace_back(readReal(field(item.width), item.decimals));
        return;
      case Kind::Alpha:
        if (item.width < 0) throw FormatError("an A field for reading needs a width");
        values_.emplace_back(field(item.width));
        return;
      default:
        throw FormatError("text and / cannot be read from a record");
    }
  }

  // The next w columns; a short record is padded with blanks.
  std::string field(int w) {
    std::string text(static_cast<std::size_t>(w), ' ');
    if (position_ < record_.size()) {
      std::string_view available = record_.substr(position_, static_cast<std::size_t>(w));
      text.replace(0, available.size(), available);
    }
    position_ += static_cast<std::size_t>(w);
    return text;
  }

  std::string_view record_;
  std::size_t position_ = 0;
  std::vector<Value> values_;
};

}  // namespace

std::vector<Value> readFields(std::string_view record, const Format& format) {
  FieldReader reader(record);
  reader.run(format.items_);
  return reader.take();
}

std::vector<Value> readFields(std::string_view record, std::string_view format) {
  return readFields(record, Format(format));
}

}  // namespace recordio
