// Record units: files in and out, scratch units, list-directed reads.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "recordio/recordio.h"

using namespace recordio;
namespace fs = std::filesystem;

namespace {

class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() /
            ("recordio_units_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void writeFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string messageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const IoError& e) {
    return e.what();
  }
  return "(no IoError)";
}

}  // namespace

TEST(RecordUnitTest, InputLinesEndWithCrLfOrLf) {
  TempDir dir;
  writeFile(dir.path() / "in.txt", "first\r\nsecond\n\r\nlast");
  RecordUnit unit = RecordUnit::openExisting(dir.path() / "in.txt");
  EXPECT_EQ((std::vector<std::string>{"first", "second", "", "last"}), unit.records());
  EXPECT_EQ("in.txt", unit.name());
}

TEST(RecordUnitTest, MissingFileNamesIt) {
  TempDir dir;
  std::string message = messageOf([&] { RecordUnit::openExisting(dir.path() / "Param.tmp"); });
  EXPECT_NE(message.find("Param.tmp"), std::string::npos) << message;
}

TEST(RecordUnitTest, SequentialReadWriteRewindBackspace) {
  RecordUnit unit("scratch");
  unit.write("a");
  unit.write("b");
  unit.write("c");
  unit.rewind();
  EXPECT_EQ("a", unit.read());
  unit.write("x");  // truncates what follows, as a sequential file does
  EXPECT_EQ((std::vector<std::string>{"a", "x"}), unit.records());
  EXPECT_TRUE(unit.atEnd());
  unit.backspace();
  EXPECT_EQ("x", unit.read());
  std::string message = messageOf([&] { unit.read(); });
  EXPECT_NE(message.find("scratch"), std::string::npos) << message;
  EXPECT_NE(message.find("end of file"), std::string::npos) << message;
}

TEST(RecordUnitTest, FormattedReadFailureNamesUnitAndRecord) {
  RecordUnit unit("React.tmp");
  unit.write("ok");
  unit.write("        1x");
  unit.rewind();
  unit.read();
  std::string message = messageOf([&] { unit.read(Format("8X,I2")); });
  EXPECT_NE(message.find("React.tmp, record 2"), std::string::npos) << message;
}

TEST(RecordUnitTest, CopiedRecordKeepsTheLineItCameFrom) {
  RecordUnit deck = RecordUnit::fromText("React.tmp", "first\r\nsecond\n        1x\n");
  RecordUnit group("React.tmp card group");
  deck.read();
  deck.read();
  const std::string copied = deck.read();
  group.write(copied, deck.origin());
  group.write("made here");
  group.rewind();
  EXPECT_EQ("React.tmp, line 3: cannot convert \"1x\" to an integer",
            messageOf([&] { group.read(Format("8X,I2")); }));
  EXPECT_EQ("React.tmp card group, record 2", (group.read(), group.where()));
  EXPECT_EQ("React.tmp card group: end of file reached during a read",
            messageOf([&] { group.read(); }));
  EXPECT_EQ("React.tmp: end of file reached during a read (after line 3)",
            messageOf([&] { deck.read(); }));
}

TEST(RecordUnitTest, EndOfAScratchUnitNamesTheFileOfItsLastLine) {
  RecordUnit tape = RecordUnit::fromText("Cross.tmp", "first\n7\n");
  RecordUnit working("working tape");
  tape.read();
  const std::string copied = tape.read();
  working.write(copied, tape.origin());
  working.rewind();
  working.read();
  EXPECT_EQ("working tape: end of file reached during a read (after line 2 of Cross.tmp)",
            messageOf([&] { working.read(); }));
  working.rewind();
  ListReader list(working);
  EXPECT_EQ("working tape: end of file reached during a read of 2 values (after line 2 of "
            "Cross.tmp)",
            messageOf([&] { list.read("rr"); }));
}

TEST(QuotedTest, ControlBytesAreEscapedAndLongTextsCut) {
  const struct {
    std::string text;
    std::string expected;
  } rows[] = {
      {"1.0x0", "\"1.0x0\""},
      {std::string("a\0b", 3), "\"a\\x00b\""},
      {"\x01\t\x1f\x7f", "\"\\x01\\x09\\x1F\\x7F\""},
      {"caf\xC3\xA9 \\", "\"caf\xC3\xA9 \\\""},  // UTF-8 and backslash kept
      {std::string(80, 'x'), "\"" + std::string(80, 'x') + "\""},
      {std::string(81, 'x'), "\"" + std::string(80, 'x') + "\"..."},
      // A cut does not split the two bytes of an e-acute.
      {std::string(79, 'x') + "\xC3\xA9", "\"" + std::string(79, 'x') + "\"..."},
  };
  for (const auto& row : rows) EXPECT_EQ(row.expected, recordio::quoted(row.text)) << row.text;
}

TEST(ListReaderTest, ValuesSpanRecordsAndNextReadStartsOnANewRecord) {
  RecordUnit unit("Param.tmp");
  for (const char* line : {"1 2.5, 3", "4", "5 6 7", " 9 ,"}) unit.write(line);
  unit.rewind();
  ListReader reader(unit);
  std::vector<Value> v = reader.read("irrri");
  EXPECT_EQ((std::vector<Value>{1LL, 2.5, 3.0, 4.0, 5LL}), v);
  EXPECT_EQ((std::vector<Value>{9LL}), reader.read("i"));
  std::string message = messageOf([&] { reader.read("i"); });
  EXPECT_NE(message.find("Param.tmp"), std::string::npos) << message;
}

TEST(ListReaderTest, IntegerItemRejectsAReal) {
  RecordUnit unit("Param.tmp");
  unit.write("2000.0");
  unit.rewind();
  ListReader reader(unit);
  std::string message = messageOf([&] { reader.read("i"); });
  EXPECT_NE(message.find("Param.tmp, record 1"), std::string::npos) << message;
}

TEST(FileSinkTest, RecordsEndWithCrLfAndReplaceOldContent) {
  TempDir dir;
  fs::path path = dir.path() / "out.lst";
  writeFile(path, "old content that is longer\n");
  {
    FileSink sink(path);
    EXPECT_EQ("", readFile(path));
    sink.put("1 first");
    sink.put(std::vector<std::string>{"", "  third"});
    EXPECT_EQ("", readFile(path));  // still in the buffer
    sink.flush();
    EXPECT_EQ("1 first\r\n\r\n  third\r\n", readFile(path));
    sink.put("4");
    sink.close();
  }
  EXPECT_EQ("1 first\r\n\r\n  third\r\n4\r\n", readFile(path));
}

TEST(FileSinkTest, BufferIsWrittenOutWhenFullAndWhenTheSinkIsDestroyed) {
  TempDir dir;
  fs::path path = dir.path() / "out.gdt";
  const std::string record(998, 'x');  // 1000 bytes with CR LF
  const std::size_t perBuffer = FileSink::kBufferSize / 1000;
  {
    FileSink sink(path);
    for (std::size_t i = 0; i <= perBuffer; ++i) sink.put(record);
    EXPECT_EQ(perBuffer * 1000, readFile(path).size());  // one full buffer
    sink.put("last");
  }
  EXPECT_EQ((perBuffer + 1) * 1000 + 6, readFile(path).size());
}

TEST(FileSinkTest, NameOfADirectoryIsRefused) {
  TempDir dir;
  fs::create_directory(dir.path() / "out.lst");
  EXPECT_EQ((dir.path() / "out.lst").string() + ": not a regular file (a directory)",
            messageOf([&] { FileSink sink(dir.path() / "out.lst"); }));
}

TEST(FileSinkTest, UncreatableFileNamesIt) {
  TempDir dir;
  std::string message = messageOf([&] { FileSink sink(dir.path() / "no" / "such.gdt"); });
  EXPECT_NE(message.find("such.gdt"), std::string::npos) << message;
}

TEST(FindCaseInsensitiveTest, MatchesWithoutRegardToCase) {
  TempDir dir;
  writeFile(dir.path() / "PARAM.TMP", "x");
  writeFile(dir.path() / "react.tmp", "x");
  EXPECT_EQ(dir.path() / "PARAM.TMP", findCaseInsensitive(dir.path(), "Param.tmp"));
  EXPECT_EQ(dir.path() / "react.tmp", findCaseInsensitive(dir.path(), "React.tmp"));
  EXPECT_EQ(dir.path() / "Cross.tmp", findCaseInsensitive(dir.path(), "Cross.tmp"));
}
