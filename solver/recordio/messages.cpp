// Texts quoted in messages, made safe for a terminal.
#include <algorithm>
#include <cstdio>

#include "recordio/recordio.h"

namespace recordio {
namespace {

constexpr std::size_t kQuotedLength = 80;

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

}  // namespace

bool hasControlByte(std::string_view text) {
  for (char c : text) {
    if (isControl(static_cast<unsigned char>(c))) return true;
  }
  return false;
}

std::string quoted(std::string_view text) {
  std::size_t length = std::min(text.size(), kQuotedLength);
  // A cut does not split a UTF-8 sequence: step back over continuation bytes.
  if (length < text.size()) {
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  }
  std::string result = "\"";
  for (char c : text.substr(0, length)) {
    const auto byte = static_cast<unsigned char>(c);
    if (isControl(byte)) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      result += escape;
    } else {
      result += c;
    }
  }
  result += '"';
  if (length < text.size()) result += "...";
  return result;
}

}  // namespace recordio
