// Number texts. Two worlds that must never mix:
// - typed and shown numbers use the user's regional decimal separator, passed in
//   as `sep` (the core has no locale of its own);
// - numbers in the data bank and the solver input files always use a full stop,
//   whatever the process locale (QApplication sets the user's locale for printf).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace setup {

// A typed number: optional blanks, optional sign, digits with at most one `sep`
// (digits may stand on either side, at least one in all), optional exponent
// "e"/"E" with optional sign and at least one digit, optional blanks.
// Rejects empty texts, "inf", "nan", group separators, hex and anything else.
std::optional<double> parseTypedNumber(std::string_view text, char sep);

// The complaint, if any, about a cell being typed that takes numbers of 0 or more:
// none while it is empty, `notNumber` for a text that is no number, `negative`
// for a number below 0.
std::optional<std::string> nonNegativeTypingError(std::string_view text, char sep,
                                                  const char* notNumber, const char* negative);

// Plain form: general format with up to 15 significant digits, the shortest text
// that reads back as the same number; exponent form ("1E20", "1.5E-7") only for
// magnitudes below 0.00001 or of 1e15 and more. 10 -> "10", 0.001 -> "0.001".
std::string plainForm(double value, char sep);

// Display form: general format with at most 6 significant digits; exponent form
// with at least three exponent digits ("1E-006", "1.23457E+006") for magnitudes
// below 0.00001 or with more than 6 integer digits. 0.123456789 -> "0.123457".
std::string displayForm(double value, char sep);

// Exponent format with 3 significant digits and a signed exponent of at least two
// digits: 1e8 -> "1.00E+08", 0 -> "0.00E+00" (electron concentration on the summary page).
std::string exponentForm3(double value, char sep);

// "%10.3E" in the C locale: 0.5 -> " 5.000E-01" (species amounts on cards). A value
// with a three-digit exponent is written "%10.2E" so that the field stays 10 wide.
std::string cardAmount(double value);

// "%#.6g" in the C locale: 1000 -> "1000.00", 0 -> "0.00000", 0.001 -> "0.00100000",
// 123456 -> "123456.", 2.5e6 -> "2.50000e+06" (reals of the parameter file, which
// always carry their decimal point).
std::string parameterReal(double value);

// The amount in columns 9-18 of a species line: after leading blanks, the longest
// number of the form sign, digits with at most one full stop, exponent (as a "%lg"
// scan in the C locale reads it, but no hexadecimal, "inf" or "nan"). A field
// without such a number, or with one beyond the range of a double, gives 0.
double scanAmountField(std::string_view field);

}  // namespace setup
