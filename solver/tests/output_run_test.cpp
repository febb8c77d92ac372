// Whole runs on the bundled model gas, checked for the shape of the listing and
// of the graph-data file that the output writers give them.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "run_directory.h"

namespace kinetics {
namespace {

namespace fs = std::filesystem;

// The lines of a file whose every line must end in CR LF.
std::vector<std::string> crlfLines(const fs::path& path) {
    const std::string bytes = runtest::readFile(path);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        EXPECT_NE(std::string::npos, end) << path << " ends without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

long countPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.compare(0, prefix.size(), prefix) == 0;
    });
}

long indexOf(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(text) != std::string::npos) return static_cast<long>(i);
    return -1;
}

// One excitation process on a one-gas model, 200 intervals; the parameter file
// holds one value a line.
class OutputRun : public ::testing::Test {
protected:
    void SetUp() override { param_ = runtest::crlfLines(runtest::readFile(dir_ / "Param.tmp")); }

    // Field values in Td with their energy ranges in eV.
    void setFields(const std::vector<std::string>& td, const std::vector<std::string>& ranges) {
        for (int i = 0; i < 21; ++i) {
            const bool used = i < static_cast<int>(td.size());
            param_.at(4 + i) = used ? td[i] : "0.00000";
            param_.at(49 + i) = used ? ranges[i] : "0.00000";
        }
    }
    void setMaxIterations(int n) { param_.at(75) = std::to_string(n); }
    void setOutputMode(int mode) { param_.at(78) = std::to_string(mode); }

    void run() {
        std::string bytes;
        for (const std::string& line : param_) bytes += line + "\r\n";
        runtest::writeFile(dir_ / "Param.tmp", bytes);
        dir_.run();
        listing_ = crlfLines(dir_ / "out.lst");
        graph_ = crlfLines(dir_ / "out.gdt");
    }

    // Checks the graph-data line count for P = 1, NP = 201; returns NC.
    int caseCountOfGraphFile(int fieldValues) {
        const int p = 1, np = 201;
        const int header = 8 + p + 4 + fieldValues;
        const int perCase = 2 * np + 2 * p + 11 + 1;
        const int nc = (static_cast<int>(graph_.size()) - header - 1 - 3) / perCase;
        EXPECT_EQ(static_cast<std::size_t>(header + 2 * np * nc + 1 + nc * (2 * p + 11) + 3 + nc),
                  graph_.size());
        EXPECT_EQ(nc, std::stoi(graph_.at(header + 2 * np * nc)));
        return nc;
    }

    runtest::RunDirectory dir_;  // a copy of the bundled deck
    std::vector<std::string> param_;
    std::vector<std::string> listing_;
    std::vector<std::string> graph_;
};

TEST_F(OutputRun, SingleFieldValueInBriefModeGetsTheFullPages) {
    setFields({"10.0000"}, {"20.0000"});
    setOutputMode(0);
    run();
    const long plasma = indexOf(listing_, "                              PLASMA PARAMETERS");
    const long table = indexOf(listing_, "NORMALIZED ELECTRON DISTRIBUTION");
    const long kinetics = indexOf(listing_, "PLASMA KINETICS ANALISIS");
    EXPECT_LT(-1, plasma);
    EXPECT_LT(plasma, table);
    EXPECT_LT(table, kinetics);
    EXPECT_EQ(-1, indexOf(listing_, "SUMMARY OF PLASMA PARAMETERS"));
    EXPECT_EQ("                   MESH = 200, EMAX = 20.00EV, DE =0.100 EV.",
              listing_.at(table - 3));
    EXPECT_EQ(1, caseCountOfGraphFile(1));
}

TEST_F(OutputRun, FiveCasesInBriefModeListOnlyTheSummaryTables) {
    setFields({"10.0000", "12.0000", "14.0000", "16.0000", "18.0000"},
              std::vector<std::string>(5, "20.0000"));
    setOutputMode(0);
    run();
    EXPECT_EQ(-1, indexOf(listing_, "                              PLASMA PARAMETERS"));
    EXPECT_EQ(-1, indexOf(listing_, "NORMALIZED ELECTRON DISTRIBUTION"));
    EXPECT_EQ(-1, indexOf(listing_, "PLASMA KINETICS"));
    EXPECT_EQ(5, caseCountOfGraphFile(5));
    const std::string groupOfFour =
        "      REACTION               E/NTOT -->      1.00      1.20      1.40      1.60";
    const std::string lone = "      REACTION               E/NTOT -->      1.80";
    EXPECT_EQ(2, countPrefix(listing_, groupOfFour));  // tables 2 and 3
    EXPECT_EQ(2, countPrefix(listing_, lone));
    EXPECT_EQ(" ------------------------------------------------------------------------------",
              listing_.front());
}

TEST_F(OutputRun, RunStoppedByANonConvergedCase) {
    // Four sweeps are enough for the lower fields only (today the third case is
    // the first to fail; the checks hold for any case but the first and last).
    const std::vector<std::string> ranges = {"20.0000", "30.0000", "40.0000", "50.0000",
                                             "60.0000"};
    setFields({"10.0000", "20.0000", "150.000", "200.000", "250.000"}, ranges);
    setMaxIterations(4);
    setOutputMode(0);
    run();
    const int nc = caseCountOfGraphFile(5);
    ASSERT_GT(nc, 1);
    ASSERT_LT(nc, 5);
    const int header = 8 + 1 + 4 + 5;
    EXPECT_EQ(" 0.25000E+03", graph_.at(header - 1));  // the header still lists all five
    EXPECT_EQ(1, countPrefix(listing_, " PROGRAM COMPLETED   4ITERATION"));
    // The stopped case keeps zeros: its field value in the case table, its
    // triple apart from the energy range, and its column in the summary tables.
    EXPECT_EQ(" 0.00000E+00", graph_.at(header + 2 * 201 * nc + 1 + nc - 1));
    EXPECT_EQ("   " + ranges[nc - 1].substr(0, 4) + "    0.0    0.0", graph_.back());
    EXPECT_EQ(1, countPrefix(listing_, "    0.000      0.00    0.00     0.00E+00"));
    const long emax = indexOf(listing_, "  EMAX, EV");
    ASSERT_LT(-1, emax);
    EXPECT_EQ("     0.000", listing_[emax].substr(listing_[emax].size() - 10));
}

}  // namespace
}  // namespace kinetics
