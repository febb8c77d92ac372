// Runs on input a user or a batch script may get wrong, and on outputs that
// cannot be written: each ends with status 2 and a message that names the file
// and the line, loses no input it has not read, corrupts no file and never
// blocks on one.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <functional>

#include "run_directory.h"

namespace {

using runtest::crlfLines;
using runtest::readFile;
using runtest::RunDirectory;
using runtest::writeFile;
namespace fs = std::filesystem;

const std::string kTerminated = "\nProgram Terminated with exit code 2\n";

// The bytes of a regular file; reading a FIFO would block the test.
std::string contentOf(const fs::path& path) {
  return fs::is_regular_file(path) ? readFile(path) : "(not a regular file)";
}

struct Inputs {
  std::string param, deck, tape;
  explicit Inputs(const RunDirectory& dir)
      : param(contentOf(dir / "Param.tmp")),
        deck(contentOf(dir / "React.tmp")),
        tape(contentOf(dir / "Cross.tmp")) {}
};

// A refused run: status 2 and exactly `message`, every input as it was, and no
// output created.
void expectRefused(RunDirectory& dir, const std::string& message, const char* what) {
  const Inputs before(dir);
  const bool graphExisted = dir.has("out.gdt");
  const bool listingExisted = dir.has("out.lst");
  runtest::ProgramEnd end = dir.runProgram();
  EXPECT_EQ(2, end.status) << what;
  EXPECT_EQ(0, end.signal) << what;
  EXPECT_EQ(message + kTerminated, end.errors) << what;
  const Inputs after(dir);
  EXPECT_EQ(before.param, after.param) << what;
  EXPECT_EQ(before.deck, after.deck) << what;
  EXPECT_EQ(before.tape, after.tape) << what;
  EXPECT_EQ(graphExisted, dir.has("out.gdt")) << what;
  EXPECT_EQ(listingExisted, dir.has("out.lst")) << what;
}

}  // namespace

TEST(OutputNameTest, NameThatWouldDestroyAFileIsRefusedBeforeAnythingIsDeleted) {
  struct Row {
    const char* what;
    std::size_t line;  // 77 graph-data file, 78 listing
    std::string name;
    std::function<void(RunDirectory&)> prepare;
    std::string message;
  };
  const auto nothing = [](RunDirectory&) {};
  const Row rows[] = {
      {"deck", 77, "React.tmp", nothing,
       "Param.tmp, line 77: the graph-data file \"React.tmp\" would overwrite the input file "
       "React.tmp"},
      {"tape, other case", 78, "cross.TMP", nothing,
       "Param.tmp, line 78: the listing \"cross.TMP\" would overwrite the input file Cross.tmp"},
      {"parameter file by a longer path", 77, "./sub/../PARAM.tmp",
       [](RunDirectory& d) { fs::create_directory(d / "sub"); },
       "Param.tmp, line 77: the graph-data file \"./sub/../PARAM.tmp\" would overwrite the input "
       "file Param.tmp"},
      {"link to the deck", 77, "link.gdt",
       [](RunDirectory& d) { fs::create_symlink("React.tmp", d / "link.gdt"); },
       "Param.tmp, line 77: the graph-data file \"link.gdt\" would overwrite the input file "
       "React.tmp"},
      {"hard link to the tape", 78, "hard.lst",
       [](RunDirectory& d) { fs::create_hard_link(d / "Cross.tmp", d / "hard.lst"); },
       "Param.tmp, line 78: the listing \"hard.lst\" would overwrite the input file Cross.tmp"},
      {"both outputs one file", 78, "out.gdt", nothing,
       "Param.tmp, line 78: the listing \"out.gdt\" names the same file as the graph-data file "
       "(Param.tmp, line 77)"},
      {"both outputs one file, other case", 78, "OUT.GDT", nothing,
       "Param.tmp, line 78: the listing \"OUT.GDT\" names the same file as the graph-data file "
       "(Param.tmp, line 77)"},
      {"NUL", 77, std::string("Exa\0mple.gdt", 12), nothing,
       "Param.tmp, line 77: the graph-data file name \"Exa\\x00mple.gdt\" holds a control byte"},
      {"0x01", 78, "out\x01.lst", nothing,
       "Param.tmp, line 78: the listing name \"out\\x01.lst\" holds a control byte"},
      {"tab", 78, "out\t.lst", nothing,
       "Param.tmp, line 78: the listing name \"out\\x09.lst\" holds a control byte"},
      {"DEL", 77, "out.gdt\x7f", nothing,
       "Param.tmp, line 77: the graph-data file name \"out.gdt\\x7F\" holds a control byte"},
      {"blank", 77, "    ", nothing, "Param.tmp, line 77: the graph-data file name is empty"},
      {"FIFO", 77, "out.gdt", [](RunDirectory& d) { ::mkfifo((d / "out.gdt").c_str(), 0644); },
       "Param.tmp, line 77: the graph-data file \"out.gdt\" exists and is not a regular file (a "
       "FIFO)"},
      {"directory", 78, "out.lst", [](RunDirectory& d) { fs::create_directory(d / "out.lst"); },
       "Param.tmp, line 78: the listing \"out.lst\" exists and is not a regular file (a "
       "directory)"},
      {"device", 78, "/dev/null", nothing,
       "Param.tmp, line 78: the listing \"/dev/null\" exists and is not a regular file (a "
       "device)"},
  };
  for (const Row& row : rows) {
    RunDirectory dir;
    row.prepare(dir);
    dir.setLine("Param.tmp", row.line, row.name);
    expectRefused(dir, row.message, row.what);
  }
}

// Both outputs are checked and created before Param.tmp is deleted: a folder
// that does not exist costs no input, and neither output replaces a file.
TEST(OutputNameTest, OutputFolderThatDoesNotExistCostsNoInput) {
  for (std::size_t line : {77, 78}) {
    RunDirectory dir;
    const std::string name = line == 77 ? "nodir/out.gdt" : "nodir/out.lst";
    const std::string role = line == 77 ? "graph-data file" : "listing";
    writeFile(dir / "out.gdt", "an older graph-data file");
    dir.setLine("Param.tmp", line, name);
    expectRefused(dir,
                  "Param.tmp, line " + std::to_string(line) + ": the " + role + " \"" + name +
                      "\" cannot be created: the folder \"" + (dir / "nodir").string() +
                      "\" does not exist",
                  name.c_str());
    EXPECT_EQ("an older graph-data file", readFile(dir / "out.gdt"));
  }
}

TEST(OutputNameTest, NameInUtf8IsTaken) {
  RunDirectory dir;
  dir.setLine("Param.tmp", 77, "Ergebnis \xC3\xA4.gdt");
  std::string errors;
  EXPECT_EQ(0, dir.runProgram(errors)) << errors;
  EXPECT_FALSE(readFile(dir / "Ergebnis \xC3\xA4.gdt").empty());
}

TEST(InputFileTest, InputThatIsNotARegularFileIsRefusedAtOnce) {
  struct Row {
    const char* name;
    std::function<void(const fs::path&)> make;
    const char* kind;
  };
  const auto fifo = [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); };
  const auto directory = [](const fs::path& p) { fs::create_directory(p); };
  const Row rows[] = {
      {"Param.tmp", fifo, "a FIFO"},
      {"React.tmp", fifo, "a FIFO"},
      {"Cross.tmp", directory, "a directory"},
  };
  for (const Row& row : rows) {
    RunDirectory dir;
    fs::remove(dir / row.name);
    row.make(dir / row.name);
    expectRefused(dir, (dir / row.name).string() + ": not a regular file (" + row.kind + ")",
                  row.name);
    EXPECT_TRUE(dir.has("Param.tmp") && dir.has("React.tmp") && dir.has("Cross.tmp")) << row.name;
  }
}

// The message of a bad record names the file and the line a user finds it on,
// also when the record reached the solver inside a card group or through the
// tape update; a quoted field shows control bytes escaped and at most 80 bytes.
TEST(InputMessageTest, MessageNamesTheFileAndLineOfTheBadRecord) {
  const std::string card5 = "AR*      0.000E+00    11.500    40.000" + std::string(32, ' ') + "+1";
  struct Row {
    const char* what;
    std::function<void(RunDirectory&)> change;
    std::string message;
    bool parametersRead;
  };
  const Row rows[] = {
      {"species card",
       [&](RunDirectory& d) { d.setLine("React.tmp", 5, "AR*      0.0x0E+00" + card5.substr(18)); },
       "React.tmp, line 5: cannot convert \" 0.0x0E+00\" to a number", true},
      {"NUL and DEL in a field",
       [&](RunDirectory& d) {
         d.setLine("React.tmp", 5, std::string("AR*      0.0\0\x7f" "E+00", 18) + card5.substr(18));
       },
       "React.tmp, line 5: cannot convert \" 0.0\\x00\\x7FE+00\" to a number", true},
      {"species group as a whole",
       [](RunDirectory& d) {
         d.setLine("React.tmp", 4,
                   "AR       0.000E+00     0.000    40.000" + std::string(32, ' ') + "+1");
       },
       "React.tmp, lines 4-6 (species cards): no species card gives a positive amount", true},
      {"reaction card code",
       [](RunDirectory& d) {
         d.setLine("React.tmp", 2, "AR + E ^ AR* + E" + std::string(54, ' ') + "x1");
       },
       "React.tmp, line 2: cannot convert \"x1\" to an integer", false},
      {"tape value",
       [](RunDirectory& d) {
         d.setLine("Cross.tmp", 4,
                   "     6.000     6.000     6.0y0     6.000     6.000     6.000           1");
       },
       "Cross.tmp, line 4: cannot convert \"     6.0y0\" to a number", true},
      {"tape-update block in the deck",
       [](RunDirectory& d) {
         // The tape's momentum-transfer block as an update group ahead of the
         // deck (its blank last card with code 1), with a bad sigma on line 4.
         std::vector<std::string> tape = crlfLines(readFile(d / "Cross.tmp"));
         tape[3].replace(25, 5, "6.0z0");
         std::string update;
         for (int i = 0; i < 4; ++i) update += tape[i] + "\r\n";
         update += std::string(70, ' ') + " 1\r\n";
         writeFile(d / "React.tmp", update + readFile(d / "React.tmp"));
       },
       "React.tmp, line 4: cannot convert \"     6.0z0\" to a number", true},
      {"long field in the parameter file",
       [](RunDirectory& d) {
         d.setLine("Param.tmp", 47, std::string(60, '7') + std::string(40, 'x'));
       },
       "Param.tmp, line 47: cannot convert \"" + std::string(60, '7') + std::string(20, 'x') +
           "\"... to a number",
       false},
      {"field mode", [](RunDirectory& d) { d.setLine("Param.tmp", 2, "5"); },
       "Param.tmp, line 2: field mode 5 is not 0, 1 or 2", false},
      {"mesh intervals", [](RunDirectory& d) { d.setLine("Param.tmp", 73, "1"); },
       "Param.tmp, line 73: 1 mesh intervals; at least 2 are needed", false},
      {"parameter file ends inside the list",
       [](RunDirectory& d) {
         const std::string param = readFile(d / "Param.tmp");
         std::size_t end = 0;
         for (int line = 0; line < 40; ++line) end = param.find('\n', end) + 1;
         writeFile(d / "Param.tmp", param.substr(0, end));
       },
       "Param.tmp: end of file reached during a read of 75 values (after line 40)", false},
      {"doubled sign in the parameter file", [](RunDirectory& d) { d.setLine("Param.tmp", 6, "--20"); },
       "Param.tmp, line 6: cannot convert \"--20\" to a number", false},
      {"two signs in a species amount",
       [&](RunDirectory& d) { d.setLine("React.tmp", 5, "AR*     -+1.000E00" + card5.substr(18)); },
       "React.tmp, line 5: cannot convert \"-+1.000E00\" to a number", true},
      {"negative gas pressure", [](RunDirectory& d) { d.setLine("Param.tmp", 47, "-760.000"); },
       "Param.tmp, line 47: the gas pressure -760 Torr is negative", false},
      {"negative species amount",
       [&](RunDirectory& d) { d.setLine("React.tmp", 5, "AR*     -1.000E+00" + card5.substr(18)); },
       "React.tmp, line 5: the amount of species \"AR*\" is negative (-1)", true},
      {"negative species mass",
       [&](RunDirectory& d) { d.setLine("React.tmp", 5, card5.substr(0, 28) + "   -40.000" + card5.substr(38)); },
       "React.tmp, line 5: the mass of species \"AR*\" is negative (-40)", true},
      {"species card whose trailing blanks and code were stripped",
       [](RunDirectory& d) { d.setLine("React.tmp", 4, "AR       1.000E+00     0.000    40.000"); },
       "React.tmp, line 4: card without a code in columns 71-72", true},
      {"stray end card inside the species group",
       [](RunDirectory& d) {
         std::vector<std::string> deck = crlfLines(readFile(d / "React.tmp"));
         deck.insert(deck.begin() + 4, std::string(70, ' ') + "-1");
         std::string bytes;
         for (const std::string& line : deck) bytes += line + "\r\n";
         writeFile(d / "React.tmp", bytes);
       },
       "React.tmp, line 6: card after the end of the species group", true},
      {"species whose name begins with R",
       [](RunDirectory& d) {
         d.setLine("React.tmp", 4, "RB       1.000E+00     0.000    85.500" + std::string(32, ' ') + "+1");
       },
       "React.tmp, line 4: species \"RB\" is read as a rotational species (its name begins with "
       "R), whose amount gives no gas of its own; no species card gives a positive amount to a "
       "species that is not rotational",
       true},
      {"tape of only an end card",
       [](RunDirectory& d) { writeFile(d / "Cross.tmp", std::string(70, ' ') + "-1\r\n"); },
       "Cross.tmp, line 1: no process block: the first card of the tape is an end card", false},
      {"first header card without its code",
       [](RunDirectory& d) {
         d.setLine("Cross.tmp", 1, crlfLines(readFile(d / "Cross.tmp"))[0].substr(0, 70));
       },
       "Cross.tmp, line 1: header card without a code in columns 71-72", false},
      {"tape whose blanks became tabs",
       [](RunDirectory& d) {
         std::string tape = readFile(d / "Cross.tmp"), tabbed;
         for (std::size_t i = 0; i < tape.size(); ++i) {
           if (tape.compare(i, 2, "  ") != 0) {
             tabbed += tape[i];
             continue;
           }
           tabbed += '\t';
           while (i + 1 < tape.size() && tape[i + 1] == ' ') ++i;
         }
         writeFile(d / "Cross.tmp", tabbed);
       },
       "Cross.tmp, line 1: header card without a code in columns 71-72", false},
      {"deck ends inside the species group",
       [](RunDirectory& d) {
         std::string deck = readFile(d / "React.tmp");
         writeFile(d / "React.tmp", deck.substr(0, deck.size() - 74));
       },
       "React.tmp: end of file reached during a read (after line 5)", true},
  };
  for (const Row& row : rows) {
    RunDirectory dir;
    row.change(dir);
    runtest::ProgramEnd end = dir.runProgram();
    EXPECT_EQ(2, end.status) << row.what;
    EXPECT_EQ(row.message + kTerminated, end.errors) << row.what;
    EXPECT_EQ(!row.parametersRead, dir.has("Param.tmp")) << row.what;
    EXPECT_EQ(row.parametersRead, dir.has("out.gdt")) << row.what;
    EXPECT_TRUE(dir.has("React.tmp") && dir.has("Cross.tmp")) << row.what;
  }
}

// A write past a file-size limit fails as on a full disk: status 2 and the
// message, no signal; what was written before stays, byte for byte.
TEST(WriteFailureTest, FileSizeLimitInTheMiddleOfEachOutput) {
  struct Row {
    const char* deck;
    const char* fullListing;  // line 79 of Param.tmp: output mode
    const char* failing;      // the output that meets the limit
    const char* other;
    rlim_t limit;
  };
  const Row rows[] = {
      // 645 KB of graph data, a 30 KB listing.
      {"decks/write21", "0", "Write21.gdt", "Write21.lst", 300000},
      // A 12.8 KB graph-data file, a 14.9 KB full listing.
      {"input/basic", "1", "out.lst", "out.gdt", 13500},
  };
  for (const Row& row : rows) {
    RunDirectory whole(row.deck);
    whole.setLine("Param.tmp", 79, row.fullListing);
    std::string errors;
    ASSERT_EQ(0, whole.runProgram(errors)) << errors;
    const std::string failing = readFile(whole / row.failing);
    const std::string other = readFile(whole / row.other);
    ASSERT_GT(failing.size(), row.limit) << row.failing;
    ASSERT_LT(other.size(), row.limit) << row.other;

    RunDirectory dir(row.deck);
    dir.setLine("Param.tmp", 79, row.fullListing);
    runtest::ProgramEnd end = dir.runProgram(row.limit);
    EXPECT_EQ(0, end.signal) << row.failing;
    EXPECT_EQ(2, end.status) << row.failing;
    EXPECT_EQ((dir / row.failing).string() + ": cannot write (File too large)" + kTerminated,
              end.errors);
    EXPECT_EQ(failing.substr(0, row.limit), readFile(dir / row.failing));
    const std::string written = readFile(dir / row.other);
    EXPECT_EQ(other.substr(0, written.size()), written) << row.other;
    EXPECT_FALSE(dir.has("Param.tmp"));
    EXPECT_TRUE(dir.has("React.tmp") && dir.has("Cross.tmp"));
  }
}

// Both outputs reach their files at the end of every case, so a run stopped
// later (a signal, a failure) keeps every complete case.
TEST(CaseOutputTest, BothOutputsAreWrittenOutAtTheEndOfEveryCase) {
  // Record counts of each output at each flush.
  struct CountingSink : recordio::MemorySink {
    std::vector<std::size_t>* flushes;
    explicit CountingSink(std::vector<std::size_t>* f) : flushes(f) {}
    void flush() override { flushes->push_back(records.size()); }
  };
  struct Files : kinetics::DirectoryRunFiles {
    using DirectoryRunFiles::DirectoryRunFiles;
    std::vector<std::size_t> graph, listing;
    std::unique_ptr<recordio::RecordSink> createOutput(const std::string& name) override {
      return std::make_unique<CountingSink>(name == "out.gdt" ? &graph : &listing);
    }
  };
  RunDirectory dir;
  dir.setLine("Param.tmp", 79, "1");  // full listing: pages for every case
  Files files(dir.path());
  kinetics::runSolver(files);
  // Header 8 + P + 4 + NF lines with P = 1 process and NF = 2 field values,
  // then per case 2 NP lines with NP = 201 points.
  EXPECT_EQ((std::vector<std::size_t>{15 + 402, 15 + 2 * 402}), files.graph);
  ASSERT_EQ(3u, files.listing.size());  // after each case, and before the inputs are deleted
  EXPECT_LT(files.listing[0], files.listing[1]);
}

TEST(CaseOutputTest, RunStoppedBySigtermKeepsItsCompleteCases) {
  RunDirectory whole("decks/write21");
  std::string errors;
  ASSERT_EQ(0, whole.runProgram(errors)) << errors;
  const std::string full = readFile(whole / "Write21.gdt");

  RunDirectory dir("decks/write21");
  const pid_t child = dir.startProgram();
  // The graph-data file stays empty until the first case is complete.
  dir.waitForFirstCase("Write21.gdt");
  ::kill(child, SIGTERM);
  runtest::ProgramEnd end = dir.waitForProgram(child);
  if (end.signal != SIGTERM) GTEST_SKIP() << "the run ended before the signal";

  const std::string kept = readFile(dir / "Write21.gdt");
  EXPECT_EQ(full.substr(0, kept.size()), kept);
  // Header: 8 + P + 4 + NF lines (NP, NF and P on lines 6 to 8); then blocks
  // of 2 NP lines, whole ones only.
  const std::vector<std::string> lines = crlfLines(kept);
  ASSERT_GT(lines.size(), 8u);
  const std::size_t np = std::stoul(lines[5]), nf = std::stoul(lines[6]), p = std::stoul(lines[7]);
  const std::size_t header = 8 + p + 4 + nf;
  ASSERT_GT(lines.size(), header);
  EXPECT_EQ(0u, (lines.size() - header) % (2 * np)) << lines.size() << " lines";
}
