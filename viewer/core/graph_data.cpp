#include "viewer/core/graph_data.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <istream>
#include <limits>

#include "viewer/core/file_input.h"

namespace vorn::viewer {
namespace {

constexpr const char* kHeader = "ZOLBEX GRP FILE";

struct Fault {
    ReadErrorKind kind;
    int line;
    std::string reason;
};

// Whole lines of any length, CR LF or LF, counted from 1; one line can be put back.
class LineReader {
public:
    explicit LineReader(std::istream& in) : m_in(in) {}

    // The next line; throws a fault naming `what` when the file ends first.
    std::string next(const std::string& what) {
        std::string line;
        if (!tryNext(line)) throw Fault{ReadErrorKind::Malformed, m_line + 1,
                                        "the file ends here; expected " + what};
        return line;
    }
    bool tryNext(std::string& line) {
        if (m_hasPending) {
            line = std::move(m_pending);
            m_hasPending = false;
            ++m_line;
            return true;
        }
        // Read by hand rather than with getline: a line of megabytes is refused as soon as
        // it is too long, without being read whole.
        std::streambuf& in = *m_in.rdbuf();
        constexpr auto eof = std::streambuf::traits_type::eof();
        line.clear();
        int c = in.sbumpc();
        if (c == eof) return false;
        ++m_line;
        for (; c != eof && c != '\n'; c = in.sbumpc()) {
            if (line.size() > size_t(kMaxLineLength)) tooLong();  // one more for a CR
            line.push_back(static_cast<char>(c));
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > size_t(kMaxLineLength)) tooLong();
        return true;
    }
    void putBack(std::string line) {
        m_pending = std::move(line);
        m_hasPending = true;
        --m_line;
    }
    int line() const { return m_line; }

private:
    [[noreturn]] void tooLong() const {
        throw Fault{m_line == 1 ? ReadErrorKind::NotGraphFile : ReadErrorKind::Malformed, m_line,
                    "the line is longer than " + std::to_string(kMaxLineLength) +
                        " characters, more than any line of a graph-data file"};
    }

    std::istream& m_in;
    int m_line = 0;
    std::string m_pending;
    bool m_hasPending = false;
};

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool isPlainInteger(const std::string& s) {
    const std::string t = trimmed(s);
    if (t.empty()) return false;
    size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size()) return false;
    return std::all_of(t.begin() + i, t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A number as the solver writes it: free form, Ew.d ("0.12345E+02", or "0.10000+301" when
// the exponent has three digits and the letter gives way), or "NaN", "Inf", "-Inf" for a
// value that is not finite. A magnitude below the smallest double reads as 0.
bool parseReal(const std::string& text, double& value) {
    std::string t = trimmed(text);
    if (t == "NaN") {
        value = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (t == "Inf" || t == "+Inf" || t == "-Inf") {
        value = t[0] == '-' ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        return true;
    }
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    if (t.empty()) return false;
    const auto sign = t.find_last_of("+-");
    if (sign != std::string::npos && sign > 0 &&
        (std::isdigit(static_cast<unsigned char>(t[sign - 1])) || t[sign - 1] == '.'))
        t.insert(sign, 1, 'E');
    const char* end = t.data() + t.size();
    auto res = std::from_chars(t.data(), end, value);
    if (res.ptr != end) return false;
    if (res.ec == std::errc::result_out_of_range) {
        const auto e = t.find_first_of("Ee");
        if (e == std::string::npos || t[e + 1] != '-') return false;  // too large
        value = t[0] == '-' ? -0.0 : 0.0;
        return true;
    }
    return res.ec == std::errc() && std::isfinite(value);
}

// At most kQuoteLength characters of a line for a message: control and non-ASCII bytes
// escaped as \xNN, and the length of what was cut.
constexpr size_t kQuoteLength = 80;
std::string quoted(const std::string& line) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "\"";
    size_t used = 0, i = 0;
    for (; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        const bool plain = c >= 0x20 && c < 0x7F;
        const size_t width = plain ? 1 : 4;
        if (used + width > kQuoteLength) break;
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
        used += width;
    }
    out += '"';
    if (i < line.size()) out += "... (" + std::to_string(line.size()) + " characters)";
    return out;
}

class Parser {
public:
    explicit Parser(std::istream& in) : m_lines(in) {}

    GraphData run() {
        GraphData d;
        std::string first;
        if (!m_lines.tryNext(first)) throw Fault{ReadErrorKind::NoCase, 0, "the file is empty"};
        if (first != kHeader) {
            if (isTrailerWithoutCase(first))
                throw Fault{ReadErrorKind::NoCase, 1, "the file holds no case"};
            throw Fault{ReadErrorKind::NotGraphFile, 1,
                        std::string("the first line is not \"") + kHeader + "\""};
        }
        d.fieldMode = readInt("the field mode", 0, 2);
        d.fieldLine = m_lines.next("the field line");
        d.gasLine = m_lines.next("the gas line");
        d.conditionsLine = m_lines.next("the conditions line");
        d.pointCount = readInt("the number of points", 1, kMaxPoints);
        d.fieldValueCount = readInt("the number of field values", 1, kMaxFieldValues);
        d.processCount = readInt("the number of processes", 0, kMaxProcesses);
        for (int i = 0; i < d.processCount + kExtraCurveNames; ++i)
            d.processNames.push_back(m_lines.next("process name " + std::to_string(i + 1)));
        for (int i = 0; i < d.fieldValueCount; ++i)
            d.fieldValues.push_back(readReal("field value " + std::to_string(i + 1)));

        readDistributions(d);
        const int blocks = static_cast<int>(d.distributions.size());
        d.caseCount = readInt("the number of cases", blocks, blocks);
        const int nc = d.caseCount;
        d.caseFieldValues = readBlock(nc, "case field value");
        for (int s = 0; s < d.processCount + 2; ++s)
            d.rateCurves.push_back(readBlock(nc, "rate curve " + std::to_string(s + 1)));
        for (int s = 0; s < d.processCount + 2; ++s)
            d.powerCurves.push_back(readBlock(nc, "power curve " + std::to_string(s + 1)));
        for (int s = 0; s < 6; ++s)
            d.transportCurves.push_back(readBlock(nc, "transport curve " + std::to_string(s + 1)));
        d.accuracy = readReal("the convergence accuracy");
        d.intervals = readInt("the number of intervals", std::numeric_limits<int>::min(),
                              std::numeric_limits<int>::max());
        d.startTe = readReal("the start temperature");
        for (int k = 0; k < nc; ++k) d.balance.push_back(readTriple(k));
        return d;
    }

private:
    // What a run without a field value writes: the case count 0 and the three trailer values.
    bool isTrailerWithoutCase(const std::string& first) {
        if (!isPlainInteger(first) || trimmed(first).find_first_not_of("+-0") != std::string::npos)
            return false;
        std::string line;
        double value = 0;
        for (int i = 0; i < 3; ++i)
            if (!m_lines.tryNext(line) || !parseReal(line, value)) return false;
        return !m_lines.tryNext(line);
    }

    void readDistributions(GraphData& d) {
        for (int j = 0; j < d.fieldValueCount; ++j) {
            // A run that stopped early writes the case count right after its last block; one
            // that stopped in its first case writes the header alone.
            std::string peek;
            if (!m_lines.tryNext(peek)) {
                if (j == 0) throw Fault{ReadErrorKind::NoCase, m_lines.line(), "the file holds no case"};
                throw Fault{ReadErrorKind::Malformed, m_lines.line() + 1,
                            "the file ends here; expected distribution block " +
                                std::to_string(j + 1) + " or the number of cases"};
            }
            const bool endOfBlocks = isPlainInteger(peek);
            const bool noCase = j == 0 && endOfBlocks &&
                                trimmed(peek).find_first_not_of("+-0") == std::string::npos;
            m_lines.putBack(std::move(peek));
            if (noCase) throw Fault{ReadErrorKind::NoCase, m_lines.line() + 1, "the file holds no case"};
            if (endOfBlocks) break;
            Distribution block;
            const std::string c = " of case " + std::to_string(j + 1);
            for (int r = 0; r < d.pointCount; ++r)
                block.energies.push_back(readReal("energy " + std::to_string(r + 1) + c));
            for (int r = 0; r < d.pointCount; ++r)
                block.values.push_back(readReal("distribution value " + std::to_string(r + 1) + c));
            d.distributions.push_back(std::move(block));
        }
    }

    int readInt(const std::string& what, int lo, int hi) {
        const std::string line = m_lines.next(what);
        const std::string t = trimmed(line);
        long long value = 0;
        const char* b = t.data() + (!t.empty() && t[0] == '+' ? 1 : 0);
        auto res = std::from_chars(b, t.data() + t.size(), value);
        if (t.empty() || res.ec != std::errc() || res.ptr != t.data() + t.size())
            throw Fault{ReadErrorKind::Malformed, m_lines.line(),
                        "expected " + what + " (an integer), found " + quoted(line)};
        if (value < lo || value > hi) {
            std::string range = lo == hi ? std::to_string(lo)
                                         : std::to_string(lo) + " to " + std::to_string(hi);
            throw Fault{ReadErrorKind::Malformed, m_lines.line(),
                        what + " is " + std::to_string(value) + ", expected " + range};
        }
        return static_cast<int>(value);
    }

    double readReal(const std::string& what) {
        const std::string line = m_lines.next(what);
        double value = 0;
        if (!parseReal(line, value))
            throw Fault{ReadErrorKind::Malformed, m_lines.line(),
                        "expected " + what + " (a number), found " + quoted(line)};
        return value;
    }

    std::vector<double> readBlock(int count, const std::string& what) {
        std::vector<double> values;
        for (int r = 0; r < count; ++r)
            values.push_back(readReal(what + ", case " + std::to_string(r + 1)));
        return values;
    }

    // Three F7.1 fields in columns 1-7, 8-14 and 15-21; two values may touch.
    CaseBalance readTriple(int k) {
        const std::string what = "the balance line of case " + std::to_string(k + 1);
        const std::string line = m_lines.next(what);
        CaseBalance b;
        double* values[3] = {&b.energyRange, &b.balanceAccuracy, &b.eeDiscrepancy};
        std::string* texts[3] = {&b.energyRangeText, &b.balanceAccuracyText, &b.eeDiscrepancyText};
        for (int f = 0; f < 3; ++f) {
            const std::string field = line.size() > size_t(7 * f) ? line.substr(7 * f, 7) : "";
            const std::string t = trimmed(field);
            *texts[f] = t;
            if (!t.empty() && t.find_first_not_of('*') == std::string::npos) {
                *values[f] = std::numeric_limits<double>::quiet_NaN();
            } else if (!parseReal(field, *values[f])) {
                throw Fault{ReadErrorKind::Malformed, m_lines.line(),
                            "expected three numbers of 7 columns in " + what + ", found " +
                                quoted(line)};
            }
        }
        return b;
    }

    LineReader m_lines;
};

}  // namespace

bool GraphData::caseConverged(int k) const {
    if (k < 0 || k >= caseCount) return false;
    auto finite = [](double v) { return std::isfinite(v); };
    auto finiteAt = [&](const std::vector<std::vector<double>>& curves) {
        return std::all_of(curves.begin(), curves.end(), [&](const std::vector<double>& c) {
            return size_t(k) >= c.size() || finite(c[k]);
        });
    };
    if (size_t(k) < caseFieldValues.size() &&
        (!finite(caseFieldValues[k]) || (k == caseCount - 1 && caseFieldValues[k] == 0)))
        return false;
    if (size_t(k) < distributions.size()) {
        const Distribution& d = distributions[k];
        if (!std::all_of(d.energies.begin(), d.energies.end(), finite) ||
            !std::all_of(d.values.begin(), d.values.end(), finite))
            return false;
    }
    if (!finiteAt(rateCurves) || !finiteAt(powerCurves) || !finiteAt(transportCurves)) return false;
    if (size_t(k) < balance.size()) {
        // A field of asterisks overflowed its columns; only a written NaN or Inf counts here.
        const CaseBalance& b = balance[k];
        const std::pair<double, const std::string*> fields[] = {
            {b.energyRange, &b.energyRangeText},
            {b.balanceAccuracy, &b.balanceAccuracyText},
            {b.eeDiscrepancy, &b.eeDiscrepancyText}};
        for (const auto& [v, text] : fields)
            if (!finite(v) && text->find_first_not_of('*') != std::string::npos) return false;
    }
    return true;
}

int GraphData::convergedCaseCount() const {
    int n = 0;
    for (int k = 0; k < caseCount; ++k) n += caseConverged(k) ? 1 : 0;
    return n;
}

ReadResult readGraphData(std::istream& in) {
    ReadResult result;
    try {
        result.data = Parser(in).run();
    } catch (const Fault& f) {
        result.error = ReadError{f.kind, f.line, f.reason};
    } catch (const std::exception& e) {
        result.error = ReadError{ReadErrorKind::Malformed, 0, e.what()};
    }
    return result;
}

ReadResult readGraphFile(const std::string& path) {
    RegularFile file(path);
    if (!file.isOpen()) {
        ReadResult result;
        result.error = ReadError{ReadErrorKind::NotGraphFile, 0, "the file cannot be read: " + file.error()};
        return result;
    }
    std::istream in(&file.buffer());
    ReadResult result = readGraphData(in);
    if (!result.data && !file.readError().empty())
        result.error = ReadError{ReadErrorKind::Malformed, result.error.line,
                                 "the file cannot be read: " + file.readError()};
    return result;
}

std::string describe(const ReadError& error) {
    if (error.line <= 0) return error.reason;
    return "line " + std::to_string(error.line) + ": " + error.reason;
}

}  // namespace vorn::viewer
