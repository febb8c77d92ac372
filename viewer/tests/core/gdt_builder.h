#pragma once
// Builds graph-data file text in the solver's layout for reader tests: fixed fields as the
// solver writes them (E12.5, E14.7, F7.1), so that tests can vary counts, modes and faults.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace vorn::viewer::test {

// Fortran Ew.d: "0.ddddd" mantissa, signed two-digit exponent, right-aligned in w columns.
inline std::string fortranE(double v, int width, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*E", digits - 1, v);
    std::string s(buf);
    const bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    const auto e = s.find('E');
    std::string mantissa = s.substr(0, e);
    mantissa.erase(1, 1);  // drop the point: d.dddd -> ddddd
    int exponent = std::stoi(s.substr(e + 1)) + (v == 0 ? 0 : 1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    std::string out = std::string(negative ? "-" : "") + "0." + mantissa + "E" + exp;
    return std::string(width > int(out.size()) ? width - out.size() : 0, ' ') + out;
}

inline std::string fortranF(double v, int width, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%*.*f", width, decimals, v);
    std::string s(buf);
    return int(s.size()) > width ? std::string(width, '*') : s;
}

struct GdtLayout {
    int mode = 0;
    int points = 3;           // NP
    int processes = 2;        // P
    std::vector<double> fieldValues = {100, 200};  // NF header values (Td or V/cm)
    int blocks = -1;          // distribution blocks written; -1: one per field value
    std::vector<double> caseFieldValues;  // default: the field values of the blocks
    std::string fieldLine = "Uniform Electric Field";
    std::string gasLine = " Pure N2      ";
    std::string conditionsLine = " T = 273. K,  P = 760.00 Torr, Ne = 0.0E+00 cm(-3)";
    double accuracy = 1e-4;
    int intervals = 2;
    double startTe = -300;
    std::string eol = "\r\n";

    int caseCount() const { return blocks < 0 ? int(fieldValues.size()) : blocks; }
    // Rate of process s at case r, and friends: distinct, easy to check values.
    static double rate(int s, int r) { return (s + 1) * 1e-10 * (r + 1); }
    static double power(int s, int r) { return 10.0 * (s + 1) + r; }
    static double transport(int s, int r) { return (s + 1) * 1e5 + r * 1e4; }
    static double energy(int r) { return 0.5 * r; }
    static double dist(int j, int r) { return std::pow(10.0, -r) * (j + 1); }
};

inline std::string buildGdt(const GdtLayout& g) {
    std::string out;
    auto line = [&](const std::string& s) { out += s + g.eol; };
    const int nc = g.caseCount();
    line("ZOLBEX GRP FILE");
    line("           " + std::to_string(g.mode));
    line(g.fieldLine);
    line(g.gasLine);
    line(g.conditionsLine);
    line("        " + std::to_string(g.points));
    line("        " + std::to_string(g.fieldValues.size()));
    line("        " + std::to_string(g.processes));
    for (int j = 0; j < g.processes; ++j) {
        std::string name = "N2 + E(-) ^ N2(" + std::to_string(j + 1) + ") + E(-)";
        name.resize(32, ' ');
        line(name);
    }
    for (const char* extra : {"MOM. TRANSF. TOTAL", "ELAS.+ROT.(FOR MOL.)", "d(ln(Ne/N))/dt", "<u>d(ln(Ne)/dt"})
        line(extra);
    for (double v : g.fieldValues) line(fortranE(v, 12, 5));
    for (int j = 0; j < nc; ++j) {
        for (int r = 0; r < g.points; ++r) line(fortranE(GdtLayout::energy(r), 14, 7));
        for (int r = 0; r < g.points; ++r) line(fortranE(GdtLayout::dist(j, r), 12, 5));
    }
    line("           " + std::to_string(nc));
    for (int r = 0; r < nc; ++r)
        line(fortranE(r < int(g.caseFieldValues.size()) ? g.caseFieldValues[r] : g.fieldValues[r], 12, 5));
    for (int s = 0; s < g.processes + 2; ++s)
        for (int r = 0; r < nc; ++r) line(fortranE(GdtLayout::rate(s, r), 12, 5));
    for (int s = 0; s < g.processes + 2; ++s)
        for (int r = 0; r < nc; ++r) line(fortranE(GdtLayout::power(s, r), 12, 5));
    for (int s = 0; s < 6; ++s)
        for (int r = 0; r < nc; ++r) line(fortranE(GdtLayout::transport(s, r), 12, 5));
    char buf[64];
    std::snprintf(buf, sizeof buf, "  %.15E", g.accuracy);
    line(buf);
    line("        " + std::to_string(g.intervals));
    std::snprintf(buf, sizeof buf, "  %.15g", g.startTe);
    line(buf);
    for (int r = 0; r < nc; ++r)
        line(fortranF(20.0 + r, 7, 1) + fortranF(0.5 * r, 7, 1) + fortranF(-0.5 * r, 7, 1));
    return out;
}

}  // namespace vorn::viewer::test
