// The run as a whole: file life cycle, failures and the order of the listing.
#include <gtest/gtest.h>

#include <functional>

#include "run_directory.h"

using namespace kinetics;
namespace fs = std::filesystem;

namespace {

using runtest::crlfLines;
using runtest::readFile;
using runtest::RunDirectory;
using runtest::writeFile;

// The one line of a run that computed no case.
std::string noCaseLine(const RunDirectory& dir) {
  return "No case was computed; the reason is in the listing " + (dir / "out.lst").string() + "\n";
}

std::string failureOf(RunDirectory& dir) {
  try {
    dir.run();
  } catch (const recordio::IoError& e) {
    return e.what();
  }
  return "(no failure)";
}

}  // namespace

TEST(DriverTest, NormalRunDeletesTheInputsAndKeepsTheOutputs) {
  RunDirectory dir;
  std::string errors;
  EXPECT_EQ(0, dir.runProgram(errors)) << errors;
  EXPECT_EQ("", errors);
  EXPECT_FALSE(dir.has("Param.tmp"));
  EXPECT_FALSE(dir.has("React.tmp"));
  EXPECT_FALSE(dir.has("Cross.tmp"));
  EXPECT_TRUE(dir.has("out.gdt"));
  EXPECT_TRUE(dir.has("out.lst"));
}

TEST(DriverTest, MissingParameterFileEndsTheRunAndDeletesNothing) {
  RunDirectory dir;
  fs::remove(dir / "Param.tmp");
  std::string errors;
  int status = dir.runProgram(errors);
  EXPECT_NE(0, status);
  EXPECT_NE(errors.find("Param.tmp"), std::string::npos) << errors;
  EXPECT_NE(errors.find("Program Terminated with exit code " + std::to_string(status)),
            std::string::npos)
      << errors;
  EXPECT_TRUE(dir.has("React.tmp"));
  EXPECT_TRUE(dir.has("Cross.tmp"));
  EXPECT_FALSE(dir.has("out.lst"));
  EXPECT_FALSE(dir.has("out.gdt"));
}

TEST(DriverTest, InputNamesMatchWithoutRegardToCase) {
  RunDirectory dir;
  fs::rename(dir / "Param.tmp", dir / "PARAM.TMP");
  fs::rename(dir / "React.tmp", dir / "react.TMP");
  fs::rename(dir / "Cross.tmp", dir / "cross.tmp");
  dir.run();
  EXPECT_FALSE(dir.has("PARAM.TMP"));
  EXPECT_FALSE(dir.has("react.TMP"));
  EXPECT_FALSE(dir.has("cross.tmp"));
}

// A run that computed no case ends with status 3 and one line naming the
// listing, which says why; React.tmp and Cross.tmp stay to find the cause.
TEST(DriverTest, RunWithoutACaseThatCanRunSaysSoAndKeepsTheDeckAndTape) {
  struct Row {
    const char* what;
    std::vector<std::pair<std::size_t, std::string>> lines;  // of Param.tmp
  };
  std::vector<std::pair<std::size_t, std::string>> allZero;
  for (std::size_t line = 5; line <= 25; ++line) allZero.emplace_back(line, "0.00000");
  const Row rows[] = {
      {"all field values 0", allZero},
      {"first field value 0", {{5, "0.00000"}}},
      {"no energy range", {{50, "0.00000"}, {51, "-5.0"}}},
  };
  for (const Row& row : rows) {
    RunDirectory dir;
    for (const auto& [line, text] : row.lines) dir.setLine("Param.tmp", line, text);
    std::string errors;
    EXPECT_EQ(3, dir.runProgram(errors)) << row.what;
    EXPECT_EQ(noCaseLine(dir), errors) << row.what;
    EXPECT_FALSE(dir.has("Param.tmp")) << row.what;
    EXPECT_TRUE(dir.has("React.tmp")) << row.what;
    EXPECT_TRUE(dir.has("Cross.tmp")) << row.what;
    // The graph-data file holds what follows the case loop: NC = 0 and the
    // three lines of the trailer.
    const std::vector<std::string> graph = crlfLines(readFile(dir / "out.gdt"));
    ASSERT_EQ(4u, graph.size()) << row.what;
    EXPECT_EQ(" 0", graph[0]) << row.what;
    const std::vector<std::string> listing = crlfLines(readFile(dir / "out.lst"));
    ASSERT_GE(listing.size(), 4u) << row.what;
    EXPECT_EQ((std::vector<std::string>{
                  "",
                  "                              NO CASE WAS RUN",
                  "     THE FIELD LIST BEGINS WITH A FIELD VALUE OF 0, WHICH ENDS THE LIST;",
                  "     A FIELD VALUE WITHOUT A POSITIVE ENERGY RANGE IS SKIPPED.",
              }),
              std::vector<std::string>(listing.end() - 4, listing.end()))
        << row.what;
  }
}

TEST(DriverTest, TapeUpdateMessageOpensTheListing) {
  RunDirectory dir;
  std::string deck = readFile(dir / "React.tmp");
  std::string cross = readFile(dir / "Cross.tmp");
  // The tape's own momentum-transfer block as an update group; in the deck its
  // blank last card carries code 1, since a code below 1 would end the group.
  std::string update = cross.substr(0, cross.find(std::string(72, ' ')));
  update += std::string(70, ' ') + " 1\r\n";
  writeFile(dir / "React.tmp", update + deck);
  dir.run();
  std::vector<std::string> listing = crlfLines(readFile(dir / "out.lst"));
  ASSERT_GE(listing.size(), 5u);
  const std::vector<std::string> expected = {
      "",
      "",
      "",
      "                                 ELECTRON CROSSSECTION FILE WAS UPDATED.TIME.RECUIRED WAS  0.0CP SEC.",
      "                                 CONSULT DAY FILE TO DETERMINE WHETHER THE UPDATED.FILE WAS RECATALOGUED.",
  };
  EXPECT_EQ(expected, std::vector<std::string>(listing.begin(), listing.begin() + 5));
}

TEST(DriverTest, FailuresKeepWhatWasWrittenAndWhatWasNotDeleted) {
  struct Row {
    const char* what;
    std::function<void(RunDirectory&)> change;
    const char* message;
    bool parametersRead;  // Param.tmp deleted, outputs created
  };
  const Row rows[] = {
      {"missing tape", [](RunDirectory& d) { fs::remove(d / "Cross.tmp"); }, "Cross.tmp", false},
      {"bad parameter", [](RunDirectory& d) { d.setLine("Param.tmp", 47, "76O.0"); },
       "Param.tmp, line 47", false},
      {"zero mesh intervals", [](RunDirectory& d) { d.setLine("Param.tmp", 73, "0"); },
       "at least 2", false},
      {"bad field mode", [](RunDirectory& d) { d.setLine("Param.tmp", 2, "5"); }, "field mode 5",
       false},
      {"bad species amount",
       [](RunDirectory& d) { d.setLine("React.tmp", 4, "AR       1.0x0E+00" + std::string(52, ' ') + "+1"); },
       "1.0x0E+00", true},
      {"no positive amount",
       [](RunDirectory& d) { d.setLine("React.tmp", 4, "AR       0.000E+00" + std::string(52, ' ') + "+1"); },
       "no species card gives a positive amount", true},
      {"species group without end card",
       [](RunDirectory& d) { d.setLine("React.tmp", 6, "AR2      1.000E+00" + std::string(52, ' ') + "+1"); },
       "end of file", true},
  };
  for (const Row& r : rows) {
    RunDirectory dir;
    r.change(dir);
    std::string message = failureOf(dir);
    EXPECT_NE(message.find(r.message), std::string::npos) << r.what << ": " << message;
    EXPECT_EQ(!r.parametersRead, dir.has("Param.tmp")) << r.what;
    EXPECT_EQ(r.parametersRead, dir.has("out.lst")) << r.what;
    EXPECT_EQ(r.parametersRead, dir.has("out.gdt")) << r.what;
    EXPECT_TRUE(dir.has("React.tmp")) << r.what;
    EXPECT_EQ(std::string(r.what) != "missing tape", dir.has("Cross.tmp")) << r.what;
  }
}

TEST(DriverTest, UncreatableOutputIsAFailureBeforeAnythingIsCreatedOrDeleted) {
  RunDirectory dir;
  dir.setLine("Param.tmp", 78, "no-such-dir/out.lst");
  std::string message = failureOf(dir);
  EXPECT_NE(message.find("Param.tmp, line 78: the listing \"no-such-dir/out.lst\" cannot be created"),
            std::string::npos)
      << message;
  EXPECT_FALSE(dir.has("out.gdt"));
  EXPECT_TRUE(dir.has("Param.tmp"));
  EXPECT_TRUE(dir.has("React.tmp"));
}

TEST(DriverTest, TwoCasesGiveACompleteGraphDataFile) {
  RunDirectory dir;
  dir.run();
  std::vector<std::string> graph = crlfLines(readFile(dir / "out.gdt"));
  // 8 + P + 4 + NF + 2 NP NC + 1 + NC (2P + 11) + 3 + NC with P = 1 process,
  // NF = NC = 2 cases and NP = 201 points of 200 intervals.
  EXPECT_EQ(8u + 1 + 4 + 2 + 2 * 201 * 2 + 1 + 2 * (2 + 11) + 3 + 2, graph.size());
  EXPECT_EQ("ZOLBEX GRP FILE", graph.at(0));
  EXPECT_FALSE(crlfLines(readFile(dir / "out.lst")).empty());
}

TEST(DriverTest, ZeroMomentumTransferBeforeAnyCaseComputesNoCase) {
  const std::vector<std::string> fatal = {
      "",
      "                              FATAL ERROR",
      "     MOMENTUM TRANSFER COLLISION FREQUENCY BECAME ZERO AT SOME POINT;",
      "                          ANALISIS HAS 1/QM TERMS.",
  };
  struct Row {
    const char* what;
    std::function<void(RunDirectory&)> change;
  };
  const Row rows[] = {
      {"no momentum-transfer block",
       [](RunDirectory& d) {
         const std::string cross = readFile(d / "Cross.tmp");
         writeFile(d / "Cross.tmp", cross.substr(cross.find("AR + E ^ AR* + E")));
       }},
      {"mass 0", [](RunDirectory& d) {
         d.setLine("React.tmp", 4, "AR       1.000E+00     0.000     0.000" + std::string(32, ' ') + "+1");
       }},
  };
  for (const Row& row : rows) {
    RunDirectory dir;
    row.change(dir);
    std::string errors;
    EXPECT_EQ(3, dir.runProgram(errors)) << row.what;
    EXPECT_EQ(noCaseLine(dir), errors) << row.what;
    EXPECT_EQ("", readFile(dir / "out.gdt")) << row.what;  // no case ran, no header
    const std::vector<std::string> listing = crlfLines(readFile(dir / "out.lst"));
    ASSERT_GE(listing.size(), 4u) << row.what;
    EXPECT_EQ(fatal, std::vector<std::string>(listing.end() - 4, listing.end())) << row.what;
    EXPECT_TRUE(dir.has("React.tmp")) << row.what;
    EXPECT_TRUE(dir.has("Cross.tmp")) << row.what;
  }
}

// After a computed case the fatal sum ends the run as a normal end.
TEST(DriverTest, ZeroMomentumTransferAfterACaseEndsTheRunNormally) {
  RunDirectory dir;
  dir.setLine("Param.tmp", 51, "2000.00");  // case 2 reaches past the 1000 eV of the table
  std::string errors;
  EXPECT_EQ(0, dir.runProgram(errors));
  EXPECT_EQ("", errors);
  EXPECT_NE(readFile(dir / "out.lst").find("FATAL ERROR"), std::string::npos);
  EXPECT_FALSE(dir.has("React.tmp"));
  EXPECT_FALSE(dir.has("Cross.tmp"));
}
