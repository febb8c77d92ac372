// Helpers shared by the set-up core tests: temporary folders and whole-file I/O.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "setup/calculation_model.h"
#include "setup/data_bank.h"

namespace setup::test {

// A fresh folder below the system's temporary folder, removed with its content.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "setup_core_XXXXXX").string();
    m_path = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

inline void writeFile(const std::string& path, const std::string& content) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << content;
}

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline bool exists(const std::string& path) { return std::filesystem::exists(path); }

// 70 blanks and "-1".
inline std::string endCardText() { return std::string(70, ' ') + "-1"; }

// A model whose data bank is the bundled test bank (Ar, N2), copied into
// <progDir>/Gasfiles and loaded; no gas checked.
inline CalculationModel loadedTestBank(const std::string& progDir) {
  std::filesystem::copy(std::string(SETUP_TEST_DATA) + "/bank", progDir + "/Gasfiles",
                        std::filesystem::copy_options::recursive);
  CalculationModel model = CalculationModel::atStartUp(progDir);
  loadDataBank(model);
  return model;
}

}  // namespace setup::test
