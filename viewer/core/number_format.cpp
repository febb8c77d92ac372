#include "viewer/core/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vorn::viewer {
namespace {

std::string nonFinite(double v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

// Scientific digits of |v| rounded to `significant` digits: mantissa "d.ddd" and exponent.
void scientific(double v, int significant, std::string& mantissa, int& exponent) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                             significant - 1);
    std::string text(buf, res.ptr);
    const auto e = text.find('e');
    mantissa = text.substr(0, e);
    exponent = std::atoi(text.c_str() + e + 1);
}

std::string fixedDigits(double v, int decimals) {
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::fixed,
                             decimals);
    return std::string(buf, res.ptr);
}

void setPoint(std::string& s, char point) {
    const auto p = s.find('.');
    if (p != std::string::npos) s[p] = point;
}

void trimFraction(std::string& s) {
    const auto p = s.find('.');
    if (p == std::string::npos) return;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
}

bool allZeroDigits(const std::string& s) {
    for (char c : s)
        if (c >= '1' && c <= '9') return false;
    return true;
}

}  // namespace

std::string formatExponent(double v, int precision, int digits, NumberStyle style) {
    if (!std::isfinite(v)) return nonFinite(v);
    std::string mantissa;
    int exponent = 0;
    scientific(v, precision, mantissa, exponent);
    if (v == 0) exponent = 0;
    setPoint(mantissa, style.decimalPoint);
    std::string exp = std::to_string(std::abs(exponent));
    if (static_cast<int>(exp.size()) < digits) exp.insert(0, digits - exp.size(), '0');
    return (v < 0 ? "-" : "") + mantissa + "E" + (exponent < 0 ? "-" : "+") + exp;
}

std::string formatFixed(double v, int precision, int decimals, NumberStyle style) {
    if (!std::isfinite(v)) return nonFinite(v);
    if (v != 0 && std::floor(std::log10(std::fabs(v))) + 1 > precision)
        return formatExponent(v, precision, 2, style);
    std::string text = fixedDigits(v, decimals);
    const bool negative = v < 0 && !allZeroDigits(text);
    setPoint(text, style.decimalPoint);
    return (negative ? "-" : "") + text;
}

std::string formatGeneral(double v, NumberStyle style) {
    if (!std::isfinite(v)) return nonFinite(v);
    if (v == 0) return "0";
    std::string mantissa;
    int exponent = 0;
    scientific(v, 15, mantissa, exponent);
    const std::string sign = v < 0 ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        trimFraction(mantissa);
        setPoint(mantissa, style.decimalPoint);
        return sign + mantissa + "E" + std::to_string(exponent);
    }
    // Positional: the 15 significant digits shifted by the exponent.
    std::string digits;
    for (char c : mantissa)
        if (c != '.') digits += c;
    std::string text;
    if (exponent >= 0) {
        text = digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    } else {
        text = "0." + std::string(-exponent - 1, '0') + digits;
    }
    trimFraction(text);
    setPoint(text, style.decimalPoint);
    return sign + text;
}

std::string formatAxisValue(double v, LabelFormat format, NumberStyle style, int extraDigits) {
    if (!std::isfinite(v)) return nonFinite(v);
    if (format == LabelFormat::Plain) {
        std::string text = fixedDigits(v, 3 + extraDigits);
        const bool negative = v < 0 && !allZeroDigits(text);
        trimFraction(text);
        auto point = text.find('.');
        std::string whole = text.substr(0, point);
        std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
        std::string grouped;
        for (size_t i = 0; i < whole.size(); ++i) {
            if (i > 0 && (whole.size() - i) % 3 == 0) grouped += style.groupSeparator;
            grouped += whole[i];
        }
        if (!fraction.empty()) grouped += style.decimalPoint + fraction;
        return (negative ? "-" : "") + grouped;
    }
    std::string mantissa;
    int exponent = 0;
    scientific(v, 4 + extraDigits, mantissa, exponent);
    if (v == 0) exponent = 0;
    trimFraction(mantissa);
    setPoint(mantissa, style.decimalPoint);
    const std::string lead = format == LabelFormat::Exponent2 ? "  " : "   ";
    return lead + (v < 0 ? "-" : "") + mantissa + "E" + std::to_string(exponent);
}

}  // namespace vorn::viewer
