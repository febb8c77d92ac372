// Regression tests for faults found by fuzzing and by the sanitizer builds;
// each test is named for the fault it prevents.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "recordio/recordio.h"

namespace {

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// An empty record without a data pointer was handed to fwrite, whose pointer
// must never be null (undefined behaviour, reported by UBSan).
TEST(HardeningTest, EmptyRecordWithoutDataIsWrittenAsALineEndOnly) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "vorn_hardening_empty_record.txt";
  {
    recordio::FileSink sink(path);
    sink.put(std::string_view());
    sink.put(std::string_view("A"));
    sink.put(std::string_view("", 0));
    sink.close();
  }
  EXPECT_EQ(fileText(path), "\r\nA\r\n\r\n");
  std::filesystem::remove(path);
}

}  // namespace
