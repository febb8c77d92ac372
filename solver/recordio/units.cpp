// Record units: output files, in-memory sequential units, list-directed input
// and the case-blind lookup of input file names.
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "recordio/recordio.h"

namespace recordio {

void RecordSink::put(const std::vector<std::string>& records) {
  for (const std::string& record : records) put(std::string_view(record));
}

struct FileSink::Impl {
  std::string name;
  std::FILE* file = nullptr;
};

FileSink::FileSink(const std::filesystem::path& path) : impl_(std::make_unique<Impl>()) {
  impl_->name = path.string();
  impl_->file = std::fopen(impl_->name.c_str(), "wb");
  if (!impl_->file) {
    throw IoError(impl_->name + ": cannot create the file (" + std::strerror(errno) + ")");
  }
}

FileSink::~FileSink() {
  if (impl_ && impl_->file) std::fclose(impl_->file);
}

// Each record is flushed at once, so a failure later in the run leaves every
// record written before it in the file.
void FileSink::put(std::string_view record) {
  if (!impl_->file) throw IoError(impl_->name + ": write after close");
  // An empty record may have no data pointer at all, which fwrite must not get.
  if ((!record.empty() &&
       std::fwrite(record.data(), 1, record.size(), impl_->file) != record.size()) ||
      std::fwrite("\r\n", 1, 2, impl_->file) != 2 || std::fflush(impl_->file) != 0) {
    throw IoError(impl_->name + ": cannot write (" + std::strerror(errno) + ")");
  }
}

void FileSink::close() {
  if (!impl_->file) return;
  int status = std::fclose(impl_->file);
  impl_->file = nullptr;
  if (status != 0) throw IoError(impl_->name + ": cannot close (" + std::strerror(errno) + ")");
}

RecordUnit::RecordUnit(std::string name) : name_(std::move(name)) {}

RecordUnit RecordUnit::openExisting(const std::filesystem::path& path) {
  RecordUnit unit(path.filename().string());
  std::ifstream in(path, std::ios::binary);
  if (!in || std::filesystem::is_directory(path)) {
    throw IoError(path.string() + ": the file does not exist or cannot be opened");
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw IoError(path.string() + ": cannot read the file");
  const std::string text = content.str();
  // Lines end with CR LF or LF; a last line without a line end is a record too.
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t length = end - start;
    if (length > 0 && text[start + length - 1] == '\r') --length;
    unit.records_.push_back(text.substr(start, length));
    start = end + 1;
  }
  return unit;
}

const std::string& RecordUnit::read() {
  if (atEnd()) throw IoError(name_ + ": end of file reached during a read");
  return records_[position_++];
}

std::vector<Value> RecordUnit::read(const Format& format) {
  const std::string& record = read();
  try {
    return readFields(record, format);
  } catch (const IoError& error) {
    throw IoError(name_ + ", record " + std::to_string(position_) + ": " + error.what());
  }
}

void RecordUnit::write(std::string record) {
  records_.resize(position_);
  records_.push_back(std::move(record));
  ++position_;
}

std::vector<Value> ListReader::read(std::string_view kinds) {
  std::vector<Value> values;
  values.reserve(kinds.size());
  while (values.size() < kinds.size()) {
    if (unit_.atEnd()) {
      throw IoError(unit_.name() + ": end of file reached during a read of " +
                    std::to_string(kinds.size()) + " values");
    }
    const std::string& record = unit_.read();
    std::size_t i = 0;
    while (i < record.size() && values.size() < kinds.size()) {
      char c = record[i];
      if (c == ' ' || c == ',' || c == '\t' || c == '\r') {
        ++i;
        continue;
      }
      std::size_t end = record.find_first_of(" ,\t\r", i);
      if (end == std::string::npos) end = record.size();
      std::string_view token(record.data() + i, end - i);
      try {
        if (kinds[values.size()] == 'i') {
          values.emplace_back(readInteger(token));
        } else {
          values.emplace_back(readReal(token, 0));
        }
      } catch (const IoError& error) {
        throw IoError(unit_.name() + ", record " + std::to_string(unit_.position()) + ": " +
                      error.what());
      }
      i = end;
    }
  }
  return values;
}

std::filesystem::path findCaseInsensitive(const std::filesystem::path& directory,
                                          std::string_view name) {
  std::filesystem::path exact = directory / name;
  std::error_code error;
  if (std::filesystem::exists(exact, error)) return exact;
  auto lower = [](std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
  };
  const std::string wanted = lower(name);
  for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
       it.increment(error)) {
    if (lower(it->path().filename().string()) == wanted) return it->path();
  }
  return exact;
}

}  // namespace recordio
