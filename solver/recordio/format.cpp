// Parsing of format descriptions ("1X,'E/N =',1PE10.3,2(I5,F7.2),/").
#include <cctype>
#include <string>

#include "recordio/format_items.h"

namespace recordio {
namespace {

class FormatParser {
 public:
  explicit FormatParser(std::string_view text) : text_(text) {}

  std::vector<Format::Item> parseAll() {
    std::vector<Format::Item> items = parseList();
    if (pos_ < text_.size()) fail("unexpected ')'");
    return items;
  }

 private:
  using Item = Format::Item;
  using Kind = Item::Kind;

  [[noreturn]] void fail(const std::string& problem) const {
    throw FormatError("format \"" + std::string(text_) + "\" at position " +
                      std::to_string(pos_ + 1) + ": " + problem);
  }

  void skipBlanks() {
    while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
  }

  char peek() {
    skipBlanks();
    return pos_ < text_.size() ? static_cast<char>(std::toupper(static_cast<unsigned char>(text_[pos_])))
                               : '\0';
  }

  bool atDigit() { return std::isdigit(static_cast<unsigned char>(peek())) != 0; }

  int number() {
    if (!atDigit()) fail("number expected");
    int value = 0;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
      value = value * 10 + (text_[pos_] - '0');
      if (value > 100000) fail("number too large");
      ++pos_;
    }
    return value;
  }

  // Items up to a ')' or the end; commas between items are optional.
  std::vector<Item> parseList() {
    std::vector<Item> items;
    while (true) {
      char c = peek();
      if (c == '\0' || c == ')') return items;
      if (c == ',') {
        ++pos_;
        continue;
      }
      items.push_back(parseItem());
    }
  }

  Item parseItem() {
    char c = peek();
    Item item;
    if (c == '\'' || c == '"') {
      item.kind = Kind::Text;
      item.text = quoted(text_[pos_]);
      return item;
    }
    if (c == '/') {
      ++pos_;
      item.kind = Kind::Slash;
      return item;
    }
    if (c == '%') {  // %Fw.d: the value times 100
      ++pos_;
      if (peek() != 'F') fail("F expected after %");
      ++pos_;
      return valueField(Kind::Fixed, 1, 2);
    }
    if (c == 'T') {
      ++pos_;
      item.kind = Kind::Tab;
      item.width = number();
      if (item.width < 1) fail("column must be at least 1");
      return item;
    }
    if (c == 'S') {  // SEw.d is 1PEw.d
      ++pos_;
      if (peek() != 'E') fail("E expected after S");
      ++pos_;
      return valueField(Kind::Exponent, 1, 1);
    }
    bool negative = false;
    if (c == '-' || c == '+') {
      negative = c == '-';
      ++pos_;
    }
    int count = 1;
    bool counted = atDigit();
    if (counted) count = number();
    c = peek();
    if (c == 'P') {
      ++pos_;
      if (!counted) fail("scale factor without a number");
      int scale = negative ? -count : count;
      if (peek() == ',') ++pos_;
      int repeat = atDigit() ? number() : 1;
      char d = peek();
      if (d != 'F' && d != 'E') fail("F or E expected after a scale factor");
      ++pos_;
      return valueField(d == 'F' ? Kind::Fixed : Kind::Exponent, repeat, scale);
    }
    if (negative) fail("sign only allowed on a scale factor");
    if (counted && count < 1) fail("repeat count must be at least 1");
    switch (c) {
      case 'X':
        ++pos_;
        item.kind = Kind::Skip;
        item.width = count;
        return item;
      case '(':
        ++pos_;
        item.kind = Kind::Group;
        item.repeat = count;
        item.items = parseList();
        if (peek() != ')') fail("')' expected");
        ++pos_;
        return item;
      case 'I':
        ++pos_;
        return valueField(Kind::Integer, count, 0);
      case 'F':
        ++pos_;
        return valueField(Kind::Fixed, count, 0);
      case 'E':
        ++pos_;
        return valueField(Kind::Exponent, count, 0);
      case 'A':
        ++pos_;
        item.kind = Kind::Alpha;
        item.repeat = count;
        item.width = atDigit() ? number() : -1;
        return item;
      default:
        fail(c == '\0' ? "descriptor expected" : std::string("unknown descriptor '") + c + "'");
    }
  }

  // The width and decimals that follow I, F or E.
  Item valueField(Kind kind, int repeat, int scale) {
    Item item;
    item.kind = kind;
    item.repeat = repeat;
    item.scale = scale;
    item.width = number();
    if (item.width < 1) fail("field width must be at least 1");
    if (kind != Kind::Integer) {
      if (peek() != '.') fail("'.' expected");
      ++pos_;
      item.decimals = number();
      if (item.decimals > 60) fail("too many decimals");
    }
    return item;
  }

  std::string quoted(char quote) {
    std::string result;
    ++pos_;
    while (true) {
      if (pos_ >= text_.size()) fail("text not closed");
      char c = text_[pos_++];
      if (c == quote) {
        if (pos_ < text_.size() && text_[pos_] == quote) {
          result += quote;
          ++pos_;
          continue;
        }
        return result;
      }
      result += c;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

Format::Format(std::string_view description) {
  items_ = FormatParser(description).parseAll();
  // Values left at the end of the format reuse it from its last top-level group.
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].kind == Item::Kind::Group) reversionStart_ = static_cast<std::ptrdiff_t>(i);
  }
}

Format::~Format() = default;
Format::Format(const Format&) = default;
Format& Format::operator=(const Format&) = default;
Format::Format(Format&&) noexcept = default;
Format& Format::operator=(Format&&) noexcept = default;

}  // namespace recordio
