// Helpers shared by the fuzz targets: input split into several files and a
// private temporary folder for the targets that need real files.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Inputs that stand for several files separate them by this line. The seed
// corpora use it, so mutations mostly keep the files apart.
inline constexpr std::string_view kFileSeparator = "\n@@@@\n";

// Splits `text` into exactly `count` parts (missing parts are empty; the last
// part keeps any further separators).
inline std::vector<std::string> splitFiles(std::string_view text, std::size_t count) {
  std::vector<std::string> parts;
  while (parts.size() + 1 < count) {
    std::size_t at = text.find(kFileSeparator);
    if (at == std::string_view::npos) break;
    parts.emplace_back(text.substr(0, at));
    text.remove_prefix(at + kFileSeparator.size());
  }
  parts.emplace_back(text);
  parts.resize(count);
  return parts;
}

// A folder of this process under the system's temporary directory, emptied
// before each input and removed when the process ends.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorn-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  void clear() const {
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      std::filesystem::remove_all(entry.path());
    }
  }

  void write(const std::string& name, std::string_view content) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out) std::abort();
  }

 private:
  std::filesystem::path path_;
};

// Plain file names only: the targets never write outside their folder.
inline bool isSafeFileName(std::string_view name) {
  if (name.empty() || name.size() > 64 || name == "." || name == "..") return false;
  for (char c : name) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '_' || c == '-' || c == '.';
    if (!plain) return false;
  }
  return true;
}

// A fault the harness itself detects (a broken invariant): reported as a crash.
[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace fuzz
