// Writing a list of values under a format description into records.
#include <cmath>
#include <string>

#include "recordio/format_items.h"

namespace recordio {
namespace {

using Item = Format::Item;
using Kind = Item::Kind;

class RecordWriter {
 public:
  explicit RecordWriter(std::span<const Value> values) : values_(values) {}

  // Runs the items; false once a value field finds no value left.
  bool run(const std::vector<Item>& items, std::size_t first = 0) {
    for (std::size_t i = first; i < items.size(); ++i) {
      const Item& item = items[i];
      for (int r = 0; r < item.repeat; ++r) {
        if (!runOne(item)) return false;
      }
    }
    return true;
  }

  bool valuesLeft() const { return next_ < values_.size(); }
  std::size_t consumed() const { return next_; }

  void endRecord() {
    if (position_ > line_.size()) line_.resize(position_, ' ');
    records_.push_back(std::move(line_));
    line_.clear();
    position_ = 0;
  }

  std::vector<std::string> take() { return std::move(records_); }

 private:
  bool runOne(const Item& item) {
    switch (item.kind) {
      case Kind::Text:
        put(item.text);
        return true;
      case Kind::Skip:
        position_ += static_cast<std::size_t>(item.width);
        return true;
      case Kind::Tab:
        position_ = static_cast<std::size_t>(item.width - 1);
        return true;
      case Kind::Slash:
        endRecord();
        return true;
      case Kind::Group:
        return run(item.items);
      default:
        if (!valuesLeft()) return false;
        put(edit(item, values_[next_++]));
        return true;
    }
  }

  static std::string edit(const Item& item, const Value& value) {
    switch (item.kind) {
      case Kind::Integer:
        if (const long long* v = std::get_if<long long>(&value)) return formatI(*v, item.width);
        throw FormatError("I field given a value that is not an integer");
      case Kind::Fixed:
      case Kind::Exponent: {
        double v = 0.0;
        if (const double* d = std::get_if<double>(&value)) {
          v = *d;
        } else if (const long long* n = std::get_if<long long>(&value)) {
          v = static_cast<double>(*n);
        } else {
          throw FormatError("F or E field given a text");
        }
        if (item.kind == Kind::Exponent) return formatE(v, item.width, item.decimals, item.scale);
        // A positive scale is an exact decimal shift: 2PF5.2 writes value * 100.
        if (item.scale >= 0) return formatScaledF(v, item.width, item.decimals, item.scale);
        return formatF(v / std::pow(10.0, -item.scale), item.width, item.decimals);
      }
      default: {
        const std::string* text = std::get_if<std::string>(&value);
        if (!text) throw FormatError("A field given a number");
        return item.width < 0 ? *text : formatA(*text, item.width);
      }
    }
  }

  // Writes at the current position, over what a move back left there.
  void put(const std::string& text) {
    if (position_ > line_.size()) line_.resize(position_, ' ');
    line_.replace(position_, std::min(text.size(), line_.size() - position_), text);
    position_ += text.size();
  }

  std::span<const Value> values_;
  std::size_t next_ = 0;
  std::vector<std::string> records_;
  std::string line_;
  std::size_t position_ = 0;
};

}  // namespace

std::vector<std::string> formatRecords(const Format& format, std::span<const Value> values) {
  RecordWriter writer(values);
  bool complete = writer.run(format.items_);
  while (complete && writer.valuesLeft()) {
    std::size_t before = writer.consumed();
    writer.endRecord();
    complete = writer.run(format.items_, static_cast<std::size_t>(format.reversionStart_));
    if (complete && writer.consumed() == before) {
      throw FormatError("values left over for a format without value fields");
    }
  }
  writer.endRecord();
  return writer.take();
}

std::vector<std::string> formatRecords(std::string_view format, std::initializer_list<Value> values) {
  return formatRecords(Format(format), std::span<const Value>(values.begin(), values.size()));
}

}  // namespace recordio
