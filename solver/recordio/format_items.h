// The parsed form of a format description, shared by the writer and the
// field reader. Internal to the record I/O library.
#pragma once

#include <string>
#include <vector>

#include "recordio/recordio.h"

namespace recordio {

struct Format::Item {
  enum class Kind { Text, Skip, Tab, Slash, Integer, Fixed, Exponent, Alpha, Group };

  Kind kind = Kind::Text;
  int repeat = 1;    // nI5, 3X is Skip with width 3, n(...) is a Group
  int width = 0;     // w; Skip: blanks; Tab: column; Alpha: -1 = as long as the text
  int decimals = 0;  // d of Fw.d and Ew.d
  int scale = 0;     // k of kPFw.d and kPEw.d
  std::string text;  // Text
  std::vector<Item> items;  // Group body

  bool isValueField() const {
    return kind == Kind::Integer || kind == Kind::Fixed || kind == Kind::Exponent ||
           kind == Kind::Alpha;
  }
};

}  // namespace recordio
