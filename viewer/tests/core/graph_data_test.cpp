#include "viewer/core/graph_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

#include "gdt_builder.h"

namespace vorn::viewer {
namespace {

using test::buildGdt;
using test::GdtLayout;

ReadResult readText(const std::string& text) {
    std::istringstream in(text);
    return readGraphData(in);
}

TEST(GdtBuilder, FieldsAreWrittenAsTheSolverWritesThem) {
    EXPECT_EQ(" 0.12345E+02", test::fortranE(12.345, 12, 5));
    EXPECT_EQ("0.0000000E+00", test::fortranE(0, 14, 7).substr(1));
    EXPECT_EQ(" 0.10000E-49", test::fortranE(1e-50, 12, 5));
    EXPECT_EQ("   20.0", test::fortranF(20, 7, 1));
}

TEST(GraphDataReader, ReadsACompleteFileInEveryFieldMode) {
    for (int mode : {0, 1, 2}) {
        GdtLayout layout;
        layout.mode = mode;
        const ReadResult r = readText(buildGdt(layout));
        ASSERT_TRUE(r.data) << "mode " << mode << ": " << describe(r.error);
        const GraphData& d = *r.data;
        EXPECT_EQ(mode, d.fieldMode);
        EXPECT_EQ("Uniform Electric Field", d.fieldLine);
        EXPECT_EQ(" Pure N2      ", d.gasLine);
        EXPECT_EQ(3, d.pointCount);
        EXPECT_EQ(2, d.fieldValueCount);
        EXPECT_EQ(2, d.processCount);
        ASSERT_EQ(6u, d.processNames.size());
        EXPECT_EQ(32u, d.processNames[0].size()) << "trailing blanks of a process name are kept";
        EXPECT_EQ("<u>d(ln(Ne)/dt", d.processNames[5]);
        EXPECT_EQ((std::vector<double>{100, 200}), d.fieldValues);
        ASSERT_EQ(2u, d.distributions.size());
        EXPECT_EQ((std::vector<double>{0, 0.5, 1.0}), d.distributions[1].energies);
        EXPECT_DOUBLE_EQ(0.2, d.distributions[1].values[1]);
        EXPECT_EQ(2, d.caseCount);
        EXPECT_EQ(4u, d.rateCurves.size());
        EXPECT_DOUBLE_EQ(GdtLayout::rate(3, 1), d.rateCurves[3][1]);
        EXPECT_EQ(4u, d.powerCurves.size());
        EXPECT_DOUBLE_EQ(GdtLayout::power(2, 0), d.powerCurves[2][0]);
        ASSERT_EQ(6u, d.transportCurves.size());
        EXPECT_DOUBLE_EQ(GdtLayout::transport(5, 1), d.transportCurves[5][1]);
        EXPECT_DOUBLE_EQ(1e-4, d.accuracy);
        EXPECT_EQ(2, d.intervals);
        EXPECT_DOUBLE_EQ(-300, d.startTe);
        ASSERT_EQ(2u, d.balance.size());
        EXPECT_DOUBLE_EQ(21.0, d.balance[1].energyRange);
        EXPECT_DOUBLE_EQ(0.5, d.balance[1].balanceAccuracy);
        EXPECT_DOUBLE_EQ(-0.5, d.balance[1].eeDiscrepancy);
        EXPECT_EQ(2, d.convergedCaseCount());
    }
}

}  // namespace
}  // namespace vorn::viewer

namespace vorn::viewer {
namespace {

using test::buildGdt;
using test::GdtLayout;

ReadResult readLines(const std::string& text) {
    std::istringstream in(text);
    return readGraphData(in);
}

int countLines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Cuts text after its first n lines.
std::string firstLines(const std::string& text, int n) {
    size_t pos = 0;
    for (int i = 0; i < n; ++i) pos = text.find('\n', pos) + 1;
    return text.substr(0, pos);
}

std::string replaceLine(const std::string& text, int lineNumber, const std::string& line) {
    const std::string head = firstLines(text, lineNumber - 1);
    const std::string rest = text.substr(head.size());
    return head + line + "\r\n" + rest.substr(rest.find('\n') + 1);
}

TEST(GraphDataReader, BuilderWritesTheDocumentedLineCount) {
    GdtLayout layout;  // P 2, NF 2, NP 3, NC 2
    EXPECT_EQ(8 + 2 + 4 + 2 + 2 * 3 * 2 + 1 + 2 * (2 * 2 + 11) + 3 + 2, countLines(buildGdt(layout)));
}

TEST(GraphDataReader, AcceptsBareLineFeedsAndOneCase) {
    GdtLayout layout;
    layout.eol = "\n";
    layout.fieldValues = {50};
    const ReadResult r = readLines(buildGdt(layout));
    ASSERT_TRUE(r.data) << describe(r.error);
    EXPECT_EQ(1, r.data->caseCount);
    EXPECT_EQ(1u, r.data->rateCurves[0].size());
    EXPECT_EQ(" Pure N2      ", r.data->gasLine) << "CR stripped, blanks kept";
}

TEST(GraphDataReader, RejectsAWrongFirstLineAsNotAGraphFile) {
    const std::string body = buildGdt(GdtLayout{});
    for (const std::string first : {"zolbex grp file", "", "ZOLBEX GRP FILE ", " ZOLBEX GRP FILE"}) {
        const ReadResult r = readLines(replaceLine(body, 1, first));
        ASSERT_FALSE(r.data) << "first line \"" << first << "\"";
        EXPECT_EQ(ReadErrorKind::NotGraphFile, r.error.kind);
        EXPECT_EQ(1, r.error.line);
    }
    EXPECT_EQ(ReadErrorKind::NotGraphFile, readLines("\r\n").error.kind);
    const ReadResult missing = readGraphFile("/nonexistent/dir/run.gdt");
    EXPECT_FALSE(missing.data);
    EXPECT_EQ(ReadErrorKind::NotGraphFile, missing.error.kind);
}

TEST(GraphDataReader, ReportsTheLineWhereACutFileEnds) {
    const std::string body = buildGdt(GdtLayout{});
    const int total = countLines(body);
    // After the header counts, inside the names, inside a distribution block, at the case
    // count, inside the curve blocks, before the trailer values, inside the triples.
    for (int keep : {5, 7, 10, 18, 30, 31, 40, total - 5, total - 3, total - 1}) {
        const ReadResult r = readLines(firstLines(body, keep));
        ASSERT_FALSE(r.data) << "cut after " << keep << " lines";
        EXPECT_EQ(ReadErrorKind::Malformed, r.error.kind);
        EXPECT_EQ(keep + 1, r.error.line) << describe(r.error);
        EXPECT_NE(std::string::npos, describe(r.error).find("line " + std::to_string(keep + 1) + ": "));
    }
}

TEST(GraphDataReader, RejectsMalformedLinesAndCountsBeyondTheCaps) {
    const std::string body = buildGdt(GdtLayout{});
    struct Row {
        int line;
        std::string text;
        const char* why;
    };
    const Row rows[] = {
        {2, "           3", "field mode outside 0-2"},
        {2, "zero", "field mode not a number"},
        {6, "     2002", "more points than a block holds"},
        {6, "        0", "no points"},
        {7, "       22", "more field values than a run holds"},
        {7, "        0", "no field values"},
        {8, "      251", "more processes than the lists hold"},
        {8, "       -1", "negative process count"},
        {15, " 0.10000E+0x", "field value not a number"},
        {17, "", "empty energy line"},
        {21, " 0.1O000E+01", "letter O in a distribution value"},
        {29, "           5", "case count that does not match the blocks"},
        {29, "           1", "case count below the blocks read"},
        {40, "  1.5  2.5", "two numbers on a curve line"},
    };
    for (const Row& row : rows) {
        const ReadResult r = readLines(replaceLine(body, row.line, row.text));
        ASSERT_FALSE(r.data) << row.why;
        EXPECT_EQ(ReadErrorKind::Malformed, r.error.kind) << row.why;
        EXPECT_EQ(row.line, r.error.line) << row.why << ": " << describe(r.error);
    }
}

TEST(GraphDataReader, KeepsAGasLineOfTwelveComponentsWhole) {
    GdtLayout layout;
    std::string gas = "N2  /O2  /AR  /CO2 /H2O /NO  /N2O /CO  /H2  /HE  /NE  /XE  =";
    for (int i = 0; i < 12; ++i) gas += std::string(i ? "/" : "") + " 8.33";
    ASSERT_EQ(131u, gas.size());
    layout.gasLine = gas;
    const ReadResult r = readLines(buildGdt(layout));
    ASSERT_TRUE(r.data) << describe(r.error);
    EXPECT_EQ(gas, r.data->gasLine);
    EXPECT_EQ(layout.conditionsLine, r.data->conditionsLine);
    EXPECT_EQ(2, r.data->caseCount);
}

TEST(GraphDataReader, ReadsOnlyTheBlocksOfAnEarlyStoppedRun) {
    GdtLayout layout;
    layout.fieldValues = {10, 20, 50, 100};
    layout.blocks = 3;
    layout.caseFieldValues = {10, 20, 0};  // the third case did not converge
    const ReadResult r = readLines(buildGdt(layout));
    ASSERT_TRUE(r.data) << describe(r.error);
    const GraphData& d = *r.data;
    EXPECT_EQ(4, d.fieldValueCount);
    EXPECT_EQ(3u, d.distributions.size());
    EXPECT_EQ(3, d.caseCount);
    EXPECT_EQ(2, d.convergedCaseCount());
    EXPECT_DOUBLE_EQ(GdtLayout::transport(5, 2), d.transportCurves[5][2]);
    EXPECT_EQ(3u, d.balance.size());

    layout.caseFieldValues = {10, 20, 50};  // stopped, but the last case has a field value
    EXPECT_EQ(3, readLines(buildGdt(layout)).data->convergedCaseCount());
}

TEST(GraphDataReader, ReadsBalanceTriplesByColumns) {
    const std::string body = buildGdt(GdtLayout{});
    const int last = countLines(body);
    struct Row {
        std::string line;
        double range, balance, ee;
        std::string balanceText;
    };
    const Row rows[] = {
        {"   20.0-1234.5   -0.5", 20.0, -1234.5, -0.5, "-1234.5"},
        {"12345.6    0.1    0.0", 12345.6, 0.1, 0.0, "0.1"},
        {"   20.0*******    0.0", 20.0, std::nan(""), 0.0, "*******"},
    };
    for (const Row& row : rows) {
        const ReadResult r = readLines(replaceLine(body, last, row.line));
        ASSERT_TRUE(r.data) << row.line << ": " << describe(r.error);
        const CaseBalance& b = r.data->balance[1];
        EXPECT_DOUBLE_EQ(row.range, b.energyRange) << row.line;
        if (std::isnan(row.balance))
            EXPECT_TRUE(std::isnan(b.balanceAccuracy)) << row.line;
        else
            EXPECT_DOUBLE_EQ(row.balance, b.balanceAccuracy) << row.line;
        EXPECT_DOUBLE_EQ(row.ee, b.eeDiscrepancy) << row.line;
        EXPECT_EQ(row.balanceText, b.balanceAccuracyText) << row.line;
    }
    EXPECT_FALSE(readLines(replaceLine(body, last, "   20.0   x.5    0.0")).data);
}

TEST(GraphDataReader, ReadsTheCommittedHandMadeFiles) {
    struct Row {
        const char* file;
        int mode, nf, nc, converged, np, p;
    };
    const Row rows[] = {{"n2_mode0.gdt", 0, 6, 6, 6, 101, 3},
                        {"hf_mode1.gdt", 1, 4, 4, 4, 51, 3},
                        {"mag_mode2_stopped.gdt", 2, 4, 3, 2, 51, 3},
                        {"n2_twelve.gdt", 0, 12, 12, 12, 21, 3}};
    for (const Row& row : rows) {
        const ReadResult r = readGraphFile(std::string(VIEWER_TEST_DATA) + "/" + row.file);
        ASSERT_TRUE(r.data) << row.file << ": " << describe(r.error);
        EXPECT_EQ(row.mode, r.data->fieldMode) << row.file;
        EXPECT_EQ(row.nf, r.data->fieldValueCount) << row.file;
        EXPECT_EQ(row.nc, r.data->caseCount) << row.file;
        EXPECT_EQ(row.converged, r.data->convergedCaseCount()) << row.file;
        EXPECT_EQ(row.np, r.data->pointCount) << row.file;
        EXPECT_EQ(row.p, r.data->processCount) << row.file;
    }
}

TEST(GraphDataReader, ReadsValuesTheSolverWritesBeyondTheUsualFieldForms) {
    const std::string body = buildGdt(GdtLayout{});
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        std::string field;
        double value;  // NaN: expect NaN
    };
    const Row rows[] = {
        {"         NaN", std::nan("")},
        {"         Inf", inf},
        {"        -Inf", -inf},
        {" 0.10000+301", 1e300},          // E12.5, three-digit exponent, no letter
        {"-0.25000-299", -0.25e-299},
        {" 0.12345E+02", 12.345},
        {"0.1000000+100", 1e99},          // E14.7
        {" 0.10000-330", 0.0},            // below the smallest double
    };
    // Line 21 is the second distribution value of case 1.
    for (const Row& row : rows) {
        const ReadResult r = readLines(replaceLine(body, 21, row.field));
        ASSERT_TRUE(r.data) << row.field << ": " << describe(r.error);
        const double v = r.data->distributions[0].values[1];
        if (std::isnan(row.value))
            EXPECT_TRUE(std::isnan(v)) << row.field;
        else
            EXPECT_DOUBLE_EQ(row.value, v) << row.field;
    }
    // " 0.10000+401" is beyond the largest double: refused rather than read as 0 or Inf.
    for (const std::string bad : {"nan", "Infinity", " 0.10000+3O1", "0.1+", "1.0E+", " 0.10000+401"})
        EXPECT_FALSE(readLines(replaceLine(body, 21, bad)).data) << bad;
}

TEST(GraphDataReader, ANonFiniteValueMarksItsCaseNotConverged) {
    GdtLayout layout;
    layout.fieldValues = {10, 20, 50};
    const std::string body = buildGdt(layout);
    EXPECT_EQ(3, readLines(body).data->convergedCaseCount());
    // Lines 18-35 are the three distribution blocks, 36 the case count, 37-39 the case field
    // values, 40-42 the first rate curve; the last three lines the balance triples.
    const int last = countLines(body);
    struct Row {
        int line;
        std::string text;
        std::vector<bool> converged;
    };
    const Row rows[] = {
        {41, "         NaN", {true, false, true}},
        {39, "        -Inf", {true, true, false}},
        {19, "         Inf", {false, true, true}},  // an energy of case 1
        {last, "   20.0    NaN    0.0", {true, true, false}},
        {last, "   20.0*******    0.0", {true, true, true}},  // overflow, not a failure
    };
    for (const Row& row : rows) {
        const ReadResult r = readLines(replaceLine(body, row.line, row.text));
        ASSERT_TRUE(r.data) << row.line << ": " << describe(r.error);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(row.converged[k], r.data->caseConverged(k)) << "line " << row.line << " case " << k;
    }
}

TEST(GraphDataReader, ReadsTheDefaultCalculationThatDidNotConverge) {
    // One field value (10 Td, 10 eV) with no threshold in the grid: the solver writes NaN for
    // the whole distribution and zeros for the results.
    const ReadResult r = readGraphFile(std::string(VIEWER_TEST_DATA) + "/ls_default_not_converged.gdt");
    ASSERT_TRUE(r.data) << describe(r.error);
    const GraphData& d = *r.data;
    EXPECT_EQ(1, d.caseCount);
    EXPECT_EQ(1001, d.pointCount);
    EXPECT_TRUE(std::isnan(d.distributions[0].values[1000]));
    EXPECT_FALSE(d.caseConverged(0));
    EXPECT_EQ(0, d.convergedCaseCount());
}

TEST(GraphDataReader, QuotesAtMostEightyCharactersOfABadLine) {
    const std::string body = buildGdt(GdtLayout{});
    std::string garbage(kMaxLineLength, 'x');
    garbage[0] = '\x01';
    garbage[1] = '\xFF';
    garbage[2] = '\0';
    const ReadResult r = readLines(replaceLine(body, 2, garbage));
    ASSERT_FALSE(r.data);
    EXPECT_EQ(2, r.error.line);
    const std::string quote = "\"\\x01\\xFF\\x00" + std::string(68, 'x') + "\"... (1000 characters)";
    EXPECT_EQ("expected the field mode (an integer), found " + quote, r.error.reason);

    const ReadResult shortLine = readLines(replaceLine(body, 21, "abc\tdef"));
    EXPECT_EQ("expected distribution value 2 of case 1 (a number), found \"abc\\x09def\"",
              shortLine.error.reason);
}

// Hands out text and fails the test once more than `limit` characters were taken.
class CountingBuffer : public std::streambuf {
public:
    CountingBuffer(std::string text, size_t limit) : m_text(std::move(text)), m_limit(limit) {}

protected:
    int_type underflow() override {
        if (m_pos >= m_text.size()) return traits_type::eof();
        return traits_type::to_int_type(m_text[m_pos]);
    }
    int_type uflow() override {
        if (m_pos >= m_text.size()) return traits_type::eof();
        if (m_pos == m_limit) ADD_FAILURE() << "read past " << m_limit << " characters";
        return traits_type::to_int_type(m_text[m_pos++]);
    }

private:
    std::string m_text;
    size_t m_limit;
    size_t m_pos = 0;
};

TEST(GraphDataReader, RefusesALineAsSoonAsItIsTooLong) {
    const std::string body = buildGdt(GdtLayout{});
    const std::string tooLong =
        "the line is longer than 1000 characters, more than any line of a graph-data file";
    const struct {
        int line;
        size_t length;
        ReadErrorKind kind;
    } rows[] = {
        {1, 5'000'000, ReadErrorKind::NotGraphFile},
        {4, 5'000'000, ReadErrorKind::Malformed},  // the gas line
        {9, 1001, ReadErrorKind::Malformed},       // a process name
    };
    for (const auto& row : rows) {
        const std::string text = replaceLine(body, row.line, std::string(row.length, 'N'));
        const size_t before = firstLines(text, row.line - 1).size();
        CountingBuffer buffer(text, before + kMaxLineLength + 2);
        std::istream in(&buffer);
        const ReadResult r = readGraphData(in);
        ASSERT_FALSE(r.data) << row.line;
        EXPECT_EQ(row.kind, r.error.kind) << row.line;
        EXPECT_EQ(row.line, r.error.line);
        EXPECT_EQ(tooLong, r.error.reason);
    }
    // 1000 characters and the line end are a line.
    const std::string gas(kMaxLineLength, 'N');
    const ReadResult longest = readLines(replaceLine(body, 4, gas));
    ASSERT_TRUE(longest.data) << describe(longest.error);
    EXPECT_EQ(gas, longest.data->gasLine);
}

TEST(GraphDataReader, KnowsTheFilesOfARunThatComputedNoCase) {
    const std::string body = buildGdt(GdtLayout{});
    const std::string header = firstLines(body, 16);
    const std::string trailer =
        "           0\r\n  1.000000000000000E-003\r\n         200\r\n  -1000.00000000000     \r\n";
    const struct {
        const char* what;
        std::string text;
        ReadErrorKind kind;
    } rows[] = {
        {"empty", "", ReadErrorKind::NoCase},
        {"the header alone", header, ReadErrorKind::NoCase},
        {"the header and no case", header + "           0\r\n", ReadErrorKind::NoCase},
        {"the header and what follows the case loop", header + trailer, ReadErrorKind::NoCase},
        {"what follows the case loop", trailer, ReadErrorKind::NoCase},
        {"the same with LF", "0\n0.001\n200\n-1000.\n", ReadErrorKind::NoCase},
        {"a zero and more", trailer + " 1\r\n", ReadErrorKind::NotGraphFile},
        {"a zero alone", "0\r\n", ReadErrorKind::NotGraphFile},
        {"a one and three numbers", " 1\r\n 1.0\r\n 200\r\n -1000.\r\n", ReadErrorKind::NotGraphFile},
        {"the header cut in its field values", firstLines(body, 15), ReadErrorKind::Malformed},
    };
    for (const auto& row : rows) {
        const ReadResult r = readLines(row.text);
        ASSERT_FALSE(r.data) << row.what;
        EXPECT_EQ(row.kind, r.error.kind) << row.what << ": " << describe(r.error);
    }
}

}  // namespace
}  // namespace vorn::viewer
