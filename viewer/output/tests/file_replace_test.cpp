#include "file_replace.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "test_files.h"

namespace vorn::viewer::output {
namespace {

using testing::FileSizeLimit;
using testing::namesIn;
using testing::readAll;
using testing::TempDir;

TEST(ReplaceFile, WritesANewFileAndReplacesAnOldOneWhole) {
  TempDir dir;
  const std::string path = dir.file("table.dat");
  EXPECT_EQ("", replaceFile(path, "1 2 \n"));
  EXPECT_EQ("1 2 \n", readAll(path));
  chmod(path.c_str(), 0640);
  EXPECT_EQ("", replaceFile(path, "3 4 \n5 6 \n"));
  EXPECT_EQ("3 4 \n5 6 \n", readAll(path));
  struct stat st {};
  ASSERT_EQ(0, stat(path.c_str(), &st));
  EXPECT_EQ(0640u, st.st_mode & 07777) << "a file written over keeps its permissions";
  EXPECT_EQ(std::vector<std::string>{"table.dat"}, namesIn(dir.file("")));
}

TEST(ReplaceFile, WritesThroughASymbolicLink) {
  TempDir dir;
  std::filesystem::create_directory(dir.file("real"));
  const std::string target = dir.file("real/chart.bmp"), link = dir.file("chart.bmp");
  std::ofstream(target) << "old";
  std::filesystem::create_symlink(target, link);
  EXPECT_EQ("", replaceFile(link, "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ("new", readAll(target));
  EXPECT_EQ(std::vector<std::string>{"chart.bmp"}, namesIn(dir.file("real")));
}

TEST(ReplaceFile, FailuresNameTheFileAndTheReasonAndLeaveNothing) {
  TempDir dir;
  const std::string fifo = dir.file("pipe.pdf"), folder = dir.file("folder.jpg");
  ASSERT_EQ(0, mkfifo(fifo.c_str(), 0600));
  std::filesystem::create_directory(folder);
  const std::string missing = dir.file("missing/table.dat");
  const struct {
    std::string path;
    std::string message;
  } rows[] = {
      {missing, "Cannot write the file " + missing + ": No such file or directory"},
      {fifo, "Cannot write the file " + fifo + ": it is not a regular file"},
      {folder, "Cannot write the file " + folder + ": it is not a regular file"},
  };
  for (const auto& row : rows) EXPECT_EQ(row.message, replaceFile(row.path, "bytes"));

  const std::string path = dir.file("big.dat");
  std::ofstream(path) << "old";
  {
    const FileSizeLimit limit(4096);
    EXPECT_EQ("Cannot write the file " + path + ": File too large",
              replaceFile(path, std::string(10000, 'x')));
  }
  EXPECT_EQ("old", readAll(path));
  EXPECT_EQ((std::vector<std::string>{"big.dat", "folder.jpg", "pipe.pdf"}), namesIn(dir.file("")));
}

}  // namespace
}  // namespace vorn::viewer::output
