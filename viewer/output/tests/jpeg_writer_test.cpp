#include "jpeg_writer.h"

#include <cstdint>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "test_files.h"

namespace vorn::viewer::output {
namespace {

using testing::commandOutput;
using testing::readAll;
using testing::TempDir;

// The example quantisation tables of the JPEG standard (Annex K), natural order.
const int kLuminance[64] = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
const int kChrominance[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
// Position in natural order of the k-th coefficient in zig-zag order.
const int kZigZag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                         12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                         35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                         58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Quality 90 scales the tables by 20 %, rounded, kept within 1 .. 255.
std::vector<int> scaledForQuality90(const int (&table)[64]) {
  std::vector<int> zigzag(64);
  for (int k = 0; k < 64; ++k) {
    const int value = (table[kZigZag[k]] * 20 + 50) / 100;
    zigzag[k] = value < 1 ? 1 : (value > 255 ? 255 : value);
  }
  return zigzag;
}

struct FrameHeader {
  int marker = 0;
  int precision = 0, height = 0, width = 0, components = 0;
};

struct JpegHeaders {
  std::vector<std::vector<int>> tables;  // DQT tables by id, zig-zag order
  std::optional<FrameHeader> frame;
  bool progressive = false;
};

// Reads the marker segments up to the start of the scan.
JpegHeaders parseHeaders(const std::string& bytes) {
  JpegHeaders headers;
  auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(bytes.at(i)); };
  std::size_t pos = 2;
  while (pos + 4 <= bytes.size() && byte(pos) == 0xFF) {
    const int marker = byte(pos + 1);
    const std::size_t length = byte(pos + 2) << 8 | byte(pos + 3);
    const std::size_t body = pos + 4, end = pos + 2 + length;
    if (marker == 0xDB) {
      for (std::size_t t = body; t + 65 <= end; t += 65) {
        const int id = byte(t) & 0x0F;
        if (headers.tables.size() <= static_cast<std::size_t>(id)) headers.tables.resize(id + 1);
        for (int k = 0; k < 64; ++k) headers.tables[id].push_back(byte(t + 1 + k));
      }
    } else if (marker == 0xC0 || marker == 0xC2) {
      headers.frame = FrameHeader{marker, byte(body), byte(body + 1) << 8 | byte(body + 2),
                                  byte(body + 3) << 8 | byte(body + 4), byte(body + 5)};
      headers.progressive = marker == 0xC2;
    } else if (marker == 0xDA) {
      break;
    }
    pos = end;
  }
  return headers;
}

std::vector<std::uint8_t> gradient(int width, int height, int stride) {
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(stride) * height, 0xEE);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      std::uint8_t* p = &pixels[y * stride + 3 * x];
      p[0] = static_cast<std::uint8_t>(x * 6);
      p[1] = static_cast<std::uint8_t>(y * 8);
      p[2] = 128;
    }
  return pixels;
}

TEST(JpegWriter, BaselineColourAtQuality90) {
  TempDir dir;
  const std::string path = dir.file("chart.jpg");
  const int width = 40, height = 30, stride = 124;  // padded rows
  const auto pixels = gradient(width, height, stride);
  ASSERT_EQ("", writeJpeg(path, pixels.data(), width, height, stride));

  const std::string bytes = readAll(path);
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ('\xFF', bytes[0]);
  EXPECT_EQ('\xD8', bytes[1]);
  const JpegHeaders headers = parseHeaders(bytes);
  ASSERT_TRUE(headers.frame.has_value());
  EXPECT_EQ(0xC0, headers.frame->marker) << "baseline frame expected";
  EXPECT_FALSE(headers.progressive);
  EXPECT_EQ(8, headers.frame->precision);
  EXPECT_EQ(width, headers.frame->width);
  EXPECT_EQ(height, headers.frame->height);
  EXPECT_EQ(3, headers.frame->components);
  ASSERT_EQ(2u, headers.tables.size());
  EXPECT_EQ(3, headers.tables[0][0]);
  EXPECT_EQ(scaledForQuality90(kLuminance), headers.tables[0]);
  EXPECT_EQ(scaledForQuality90(kChrominance), headers.tables[1]);

  const std::string described = commandOutput("file -b '" + path + "'");
  EXPECT_NE(std::string::npos, described.find("baseline, precision 8, 40x30, components 3"))
      << described;
}

TEST(JpegWriter, FailuresAreReturnedNamingTheFile) {
  TempDir dir;
  const auto pixels = gradient(8, 8, 24);
  const std::string missingFolder = dir.file("no-such-folder/chart.jpg");
  const std::string error = writeJpeg(missingFolder, pixels.data(), 8, 8, 24);
  EXPECT_NE(std::string::npos, error.find(missingFolder)) << error;

  const std::string empty = dir.file("empty.jpg");
  EXPECT_NE("", writeJpeg(empty, pixels.data(), 0, 8, 24));
  EXPECT_FALSE(std::filesystem::exists(empty));
}

TEST(JpegWriter, FullDeviceReportsInsteadOfEndingTheProcess) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  const int width = 256, height = 256, stride = 3 * width;
  const auto pixels = gradient(width, height, stride);
  const std::string error = writeJpeg("/dev/full", pixels.data(), width, height, stride);
  EXPECT_NE(std::string::npos, error.find("/dev/full")) << error;
  EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}

}  // namespace
}  // namespace vorn::viewer::output
