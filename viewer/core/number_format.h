#pragma once
// Numbers as the viewer shows them. Every function is independent of the process locale:
// the caller passes the regional decimal point (the exchange files always use a full stop).

#include <string>

#include "viewer/core/chart_model.h"

namespace vorn::viewer {

struct NumberStyle {
    char decimalPoint = '.';
    char groupSeparator = ',';
};

// Exponent form with `precision` significant digits and at least `digits` exponent digits:
// (100, 4, 2) -> "1.000E+02", (-0.00125, 4, 2) -> "-1.250E-03".
std::string formatExponent(double v, int precision, int digits, NumberStyle style = {});

// Fixed form with `decimals` decimals: (20, 7, 1) -> "20.0"; a value with more than
// `precision` integer digits falls back to formatExponent(v, precision, 2).
std::string formatFixed(double v, int precision, int decimals, NumberStyle style = {});

// Shortest text of v rounded to 15 significant digits: 300 -> "300", -0.5 -> "-0.5",
// 1e-6 -> "1E-6", 1.5e20 -> "1.5E20" (exponent form below 1e-5 and from 1e15 on).
std::string formatGeneral(double v, NumberStyle style = {});

// Tick label texts. Plain: "#,##0.###" (2500.5 -> "2,500.5"); Exponent2/3: "0.###E-" behind
// two or three blanks (1e-10 -> "  1E-10", 2500 -> "  2.5E3"). extraDigits widens the
// fraction (Plain) or the mantissa (Exponent) by that many digits, for ticks that would
// otherwise read the same.
std::string formatAxisValue(double v, LabelFormat format, NumberStyle style = {}, int extraDigits = 0);

}  // namespace vorn::viewer
