// Solver units made from fuzz input, for the solver's fuzz targets.
#pragma once

#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "recordio/recordio.h"

namespace fuzz {

// A unit holding `text` as RecordUnit::openExisting would load it from a file:
// lines end with LF or CR LF, a last line without a line end is a record too.
inline recordio::RecordUnit unitFromText(std::string name, std::string_view text) {
  recordio::RecordUnit unit(std::move(name));
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::size_t length = end - start;
    if (length > 0 && text[start + length - 1] == '\r') --length;
    unit.write(std::string(text.substr(start, length)));
    start = end + 1;
  }
  unit.rewind();
  return unit;
}

}  // namespace fuzz
