#include "setup/numbers.h"

#include <locale.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace setup {
namespace {

// A C locale for the exchange files, whatever setlocale() the GUI has done.
locale_t cLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return loc;
}

// printf of one double under the C locale.
std::string formatC(const char* format, double value) {
  locale_t previous = uselocale(cLocale());
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  uselocale(previous);
  return buffer;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The longest number that starts at text[i]: optional sign, digits with at most
// one `sep` (at least one digit), optional exponent "e"/"E" with optional sign and
// at least one digit (a marker without digits is not part of the number).
struct ScannedNumber {
  std::string normal;  // '.' as separator, no '+' sign: what from_chars reads
  std::size_t end = 0; // position after the number
};

std::optional<ScannedNumber> scanNumber(std::string_view text, std::size_t i, char sep) {
  ScannedNumber number;
  std::string& normal = number.normal;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normal += '-';
    ++i;
  }
  int mantissaDigits = 0;
  bool seenSep = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (isDigit(c)) {
      ++mantissaDigits;
      normal += c;
    } else if (c == sep && !seenSep) {
      seenSep = true;
      normal += '.';
    } else {
      break;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    const std::size_t firstDigit = j;
    for (; j < text.size() && isDigit(text[j]); ++j) exponent += text[j];
    if (j > firstDigit) {
      normal += exponent;
      i = j;
    }
  }
  number.end = i;
  return number;
}

// The value of a scanned number; none when it is out of the range of a double.
std::optional<double> toFiniteDouble(const std::string& normal) {
  double value = 0;
  const char* first = normal.data();
  const char* last = first + normal.size();
  auto result = std::from_chars(first, last, value);
  if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// Significant digits (no trailing zeros) and decimal exponent of a non-zero
// finite value: value = 0.d1d2... is avoided; value = d1.d2d3... x 10^exponent.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Decimal decompose(double value, int maxDigits, bool shortest) {
  Decimal d;
  d.negative = std::signbit(value);
  char buffer[64];
  std::to_chars_result result;
  if (shortest) {
    result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                           std::chars_format::scientific);
  } else {
    result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                           std::chars_format::scientific, maxDigits - 1);
  }
  std::string text(buffer, result.ptr);
  std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  d.exponent = std::atoi(text.c_str() + e + 1);
  for (char c : mantissa) {
    if (isDigit(c)) d.digits += c;
  }
  if (shortest && static_cast<int>(d.digits.size()) > maxDigits) {
    return decompose(value, maxDigits, false);
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// General format: fixed notation unless the magnitude is below 0.00001 or has
// more than `precision` integer digits. Exponent: "E", "-" only when negative for
// the plain form, always signed for the display form, at least `expDigits` digits.
std::string generalForm(double value, char sep, int precision, bool shortest, int expDigits,
                        bool signedExponent) {
  if (value == 0.0) return "0";
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
  Decimal d = decompose(value, precision, shortest);
  std::string out = d.negative ? "-" : "";
  if (std::fabs(value) < 0.00001 || d.exponent >= precision) {
    out += d.digits[0];
    if (d.digits.size() > 1) {
      out += sep;
      out += d.digits.substr(1);
    }
    out += 'E';
    int exponent = d.exponent;
    if (exponent < 0) {
      out += '-';
      exponent = -exponent;
    } else if (signedExponent) {
      out += '+';
    }
    std::string expText = std::to_string(exponent);
    if (static_cast<int>(expText.size()) < expDigits) {
      expText.insert(0, expDigits - expText.size(), '0');
    }
    return out + expText;
  }
  if (d.exponent < 0) {
    out += '0';
    out += sep;
    out.append(-d.exponent - 1, '0');
    return out + d.digits;
  }
  std::string digits = d.digits;
  if (static_cast<int>(digits.size()) <= d.exponent + 1) {
    digits.append(d.exponent + 1 - digits.size(), '0');
    return out + digits;
  }
  return out + digits.substr(0, d.exponent + 1) + sep + digits.substr(d.exponent + 1);
}

}  // namespace

std::optional<double> parseTypedNumber(std::string_view text, char sep) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  text = text.substr(0, end);
  std::optional<ScannedNumber> number = scanNumber(text, begin, sep);
  if (!number || number->end != end) return std::nullopt;
  return toFiniteDouble(number->normal);
}

std::optional<std::string> nonNegativeTypingError(std::string_view text, char sep,
                                                  const char* notNumber, const char* negative) {
  if (text.empty()) return std::nullopt;
  std::optional<double> value = parseTypedNumber(text, sep);
  if (!value) return std::string(notNumber);
  if (*value < 0) return std::string(negative);
  return std::nullopt;
}

std::string plainForm(double value, char sep) {
  return generalForm(value, sep, 15, true, 1, false);
}

std::string displayForm(double value, char sep) {
  return generalForm(value, sep, 6, false, 3, true);
}

std::string exponentForm3(double value, char sep) {
  std::string text = formatC("%.2E", value);
  for (char& c : text) {
    if (c == '.') c = sep;
  }
  return text;
}

std::string cardAmount(double value) {
  std::string field = formatC("%10.3E", value);
  // A three-digit exponent would not fit the card field: give up a mantissa digit.
  if (field.size() > 10) field = formatC("%10.2E", value);
  return field;
}

std::string parameterReal(double value) {
  // "%#.6g" spelled out: glibc drops the trailing zeros when rounding carries into
  // a new exponent (999999.5 gives "1.e+06" instead of "1.00000e+06").
  if (!std::isfinite(value)) return formatC("%#.6g", value);
  std::string exponentForm = formatC("%.5e", value);
  int exponent = std::atoi(exponentForm.c_str() + exponentForm.find('e') + 1);
  if (exponent < -4 || exponent >= 6) return exponentForm;
  // '#' keeps the point when no decimal is left: 123456 -> "123456.".
  char format[16];
  std::snprintf(format, sizeof format, "%%#.%df", 5 - exponent);
  return formatC(format, value);
}

double scanAmountField(std::string_view field) {
  // Only the number syntax of the data bank: strtod would also take hexadecimal
  // numbers, "inf" and "nan".
  std::string_view text = field.substr(0, 10);
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  std::optional<ScannedNumber> number = scanNumber(text, i, '.');
  if (!number) return 0.0;
  return toFiniteDouble(number->normal).value_or(0.0);
}

}  // namespace setup
