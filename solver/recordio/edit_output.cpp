// Single-field output editing: I, F, E and A fields and free-form values.
// Digits come from std::to_chars, which rounds the exact binary value to
// nearest with ties to even (as C's printf does) and never looks at a locale.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "recordio/recordio.h"

namespace recordio {
namespace {

std::string stars(int w) { return std::string(static_cast<std::size_t>(std::max(w, 0)), '*'); }

// Right-justifies `text` in w columns, or asterisks when it does not fit.
std::string fit(const std::string& text, int w) {
  if (w <= 0) return {};
  if (static_cast<int>(text.size()) > w) return stars(w);
  return std::string(static_cast<std::size_t>(w) - text.size(), ' ') + text;
}

// "NaN", "Inf" or "-Inf" for a value that is not finite.
std::string nonFinite(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Inf" : "Inf";
}

std::string toChars(double value, std::chars_format form, int precision) {
  char buffer[512];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, form, precision);
  if (result.ec != std::errc{}) return {};
  return std::string(buffer, result.ptr);
}

// Writes the exponent p in the form "E+dd", or "+ddd" beyond 99 (the letter
// gives way to the third digit); empty when |p| > 999.
std::string exponentText(int p) {
  int magnitude = std::abs(p);
  if (magnitude > 999) return {};
  std::string digits = std::to_string(magnitude);
  char sign = p < 0 ? '-' : '+';
  if (magnitude <= 99) return std::string("E") + sign + (digits.size() < 2 ? "0" : "") + digits;
  return sign + digits;
}

// A list-directed value: one blank, then the text. Appended rather than written
// as " " + text, on which GCC 12 warns falsely (-Wrestrict) when text is a temporary.
std::string blankThen(const std::string& text) {
  std::string field(1, ' ');
  field += text;
  return field;
}

}  // namespace

std::string formatI(long long value, int w) { return fit(std::to_string(value), w); }

// Fw.d: "-ddd.ddd" right-justified. A negative value that rounds to zero keeps
// its sign ("-0.0"); an exact zero has none. The leading "0" of "0.5" is
// dropped only when the field is otherwise too narrow.
std::string formatF(double value, int w, int d) { return formatScaledF(value, w, d, 0); }

// kPFw.d for k >= 0: the digits of the exact binary value rounded to d + k
// decimals, with the point then moved k places right, so that 2PF6.2 of 0.00125
// (just above the tie in binary) prints "  0.13", as value * 100 would not.
std::string formatScaledF(double value, int w, int d, int k) {
  if (!std::isfinite(value)) return fit(nonFinite(value), w);
  if (std::fabs(value) >= 1e200) return stars(w);
  bool negative = std::signbit(value) && value != 0.0;
  std::string text = toChars(std::fabs(value), std::chars_format::fixed, d + k);
  if (k > 0) {
    std::size_t point = text.find('.');
    std::string whole = text.substr(0, point) + text.substr(point + 1, static_cast<std::size_t>(k));
    std::string fraction = text.substr(point + 1 + static_cast<std::size_t>(k));
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    text = d > 0 ? whole + "." + fraction : whole;
  }
  if (d == 0) text += '.';
  if (static_cast<int>(text.size()) + (negative ? 1 : 0) > w && text.size() > 1 && text[0] == '0' &&
      text[1] == '.') {
    text.erase(0, 1);
  }
  if (negative) text.insert(0, 1, '-');
  return fit(text, w);
}

// kPEw.d: k <= 0 gives "0.<-k zeros><d+k digits>E+xx"; 0 < k < d+2 gives
// k digits, the point and d-k+1 digits. The exponent is chosen so that the
// printed number equals the value; a zero has exponent 0.
std::string formatE(double value, int w, int d, int scale) {
  if (!std::isfinite(value)) return fit(nonFinite(value), w);
  int significant = scale <= 0 ? d + scale : d + 1;
  if (significant < 1 || (scale > 0 && scale >= d + 2)) return stars(w);
  bool negative = std::signbit(value) && value != 0.0;

  std::string digits;
  int printedExponent = 0;
  if (value == 0.0) {
    digits.assign(static_cast<std::size_t>(significant), '0');
  } else {
    std::string text = toChars(std::fabs(value), std::chars_format::scientific, significant - 1);
    std::size_t e = text.find('e');
    digits = text.substr(0, e);
    if (digits.size() > 1) digits.erase(1, 1);  // the point
    printedExponent = std::atoi(text.c_str() + e + 1) + 1 - scale;
  }

  std::string mantissa;
  if (scale <= 0) {
    mantissa = "0." + std::string(static_cast<std::size_t>(-scale), '0') + digits;
  } else {
    mantissa = digits.substr(0, static_cast<std::size_t>(scale)) + "." +
               digits.substr(static_cast<std::size_t>(scale));
  }
  std::string exponent = exponentText(printedExponent);
  if (exponent.empty()) return stars(w);

  std::size_t length = mantissa.size() + exponent.size() + (negative ? 1 : 0);
  if (static_cast<int>(length) > w && scale <= 0) mantissa.erase(0, 1);
  return fit((negative ? "-" : "") + mantissa + exponent, w);
}

std::string formatA(std::string_view text, int w) {
  if (w <= 0) return {};
  if (static_cast<int>(text.size()) >= w) return std::string(text.substr(0, static_cast<std::size_t>(w)));
  return std::string(static_cast<std::size_t>(w) - text.size(), ' ') + std::string(text);
}

std::string listDirected(long long value) { return blankThen(std::to_string(value)); }

// A blank, then 15 significant digits: fixed form for magnitudes from 0.1 up to
// 1e15 ("12.3450000000000"), exponent form otherwise ("1.00000000000000E-03").
std::string listDirected(double value) {
  if (!std::isfinite(value)) return blankThen(nonFinite(value));
  if (value == 0.0) return " 0.00000000000000";
  std::string scientific = toChars(value, std::chars_format::scientific, 14);
  std::size_t e = scientific.find('e');
  int exponent = std::atoi(scientific.c_str() + e + 1);
  if (exponent >= -1 && exponent < 15) {
    // A real keeps its point also without decimals, so no reader takes it for
    // an integer or gives it implied decimals.
    std::string fixed = toChars(value, std::chars_format::fixed, 14 - exponent);
    if (fixed.find('.') == std::string::npos) fixed += '.';
    return " " + fixed;
  }
  std::string magnitude = std::to_string(std::abs(exponent));
  if (magnitude.size() < 2) magnitude.insert(0, 1, '0');
  return blankThen(scientific.substr(0, e) + "E" + (exponent < 0 ? "-" : "+") + magnitude);
}

}  // namespace recordio
