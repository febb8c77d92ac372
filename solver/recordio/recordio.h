// Record input and output of the solver: fixed-column reads and writes in the
// style of a line-printer run-time, list-directed reads, and sequential record
// units (files and scratch files) with rewind and backspace.
//
// Nothing here depends on the process locale: numbers always use a full stop.
#pragma once

#include <cstddef>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace recordio {

// A failure of the record I/O: a missing input file, an output file that cannot
// be created, a field that cannot be converted, or the end of a file inside a
// read. what() names the file (or unit) and the problem. A run ends on it.
class IoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// `text` in double quotes for a message: at most its first 80 bytes (a longer
// text ends in "..." after the closing quote), each control byte (0x00-0x1F,
// 0x7F) written as \xHH ("\x00"). Bytes from 0x80 up are kept (UTF-8).
std::string quoted(std::string_view text);

// Whether `text` holds a control byte (0x00-0x1F or 0x7F).
bool hasControlByte(std::string_view text);

// A malformed format description (a programming error, not a data error).
class FormatError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// ---------------------------------------------------------------------------
// Writing.
//
// A format description is a comma-separated list in the usual notation:
//   'text'      literal text ('' inside stands for one quote; "text" also works)
//   nX          n blanks (written also at the end of a record)
//   Tn          continue at column n (pads with blanks or moves back)
//   Iw          integer, right-justified in w columns
//   Fw.d        fixed point, d decimals, right-justified in w columns
//   kPFw.d      the value times 10^k as Fw.d (2PF5.2 of 0.7808 is "78.08")
//   %Fw.d       the same as 2PFw.d
//   Ew.d        0.ddddE+xx, d digits after the point
//   1PEw.d      d.dddE+xx (scientific), d digits after the point; SEw.d is the same
//   Aw          text field: the first w characters, or right-justified
//   A           text field as long as the text
//   /           ends the record and starts the next one
//   n(...)      group repeated n times; nI5 etc. repeat one descriptor
// A scale factor applies to its own descriptor only. A value too wide for its
// field fills the field with asterisks. Digits are rounded to nearest, ties to
// even; an exact zero has no sign, a negative value that rounds to zero keeps
// it ("-0.0"); an exponent beyond 99 drops the E ("0.12345+100"); a value that
// is not finite is written right-justified as "NaN", "Inf" or "-Inf". Output stops at the first value field
// for which no value is left; the record ends there. If values remain at the end
// of the format, a new record begins and the format is reused from its last
// top-level group (or from its start when it has none).
// ---------------------------------------------------------------------------

using Value = std::variant<long long, double, std::string>;

// A parsed format description; parse once, use many times.
class Format {
 public:
  explicit Format(std::string_view description);  // throws FormatError
  ~Format();
  Format(const Format&);
  Format& operator=(const Format&);
  Format(Format&&) noexcept;
  Format& operator=(Format&&) noexcept;

  struct Item;  // opaque parsed item list

 private:
  friend std::vector<std::string> formatRecords(const Format&, std::span<const Value>);
  friend std::vector<Value> readFields(std::string_view, const Format&);
  std::vector<Item> items_;
  std::ptrdiff_t reversionStart_ = 0;
};

// Formats the values under the format. Returns the records it produces, without
// line ends (a list that begins with / yields an empty first record, and so on).
std::vector<std::string> formatRecords(const Format& format, std::span<const Value> values);
std::vector<std::string> formatRecords(std::string_view format,
                                       std::initializer_list<Value> values = {});

// Single-field helpers, the building blocks of formatRecords; each returns
// exactly w characters.
std::string formatI(long long value, int w);                 // "   42"
std::string formatF(double value, int w, int d);             // F7.1 of 20 -> "   20.0"
std::string formatScaledF(double value, int w, int d, int k);  // 2PF5.2 of 0.7808 -> "78.08"
std::string formatE(double value, int w, int d, int scale);  // scale 0: " 0.12345E+02"; 1: " 6.28E+09"
std::string formatA(std::string_view text, int w);

// List-directed (free-form) output of one value: a leading blank, then an integer
// in plain decimal, or a real with 15 significant digits.
std::string listDirected(long long value);
std::string listDirected(double value);

// ---------------------------------------------------------------------------
// Reading fixed fields. A blank field reads as 0. Real fields accept fixed or
// exponent form with an optional sign; a field without a decimal point has
// `impliedDecimals` implied decimals ("1500" in E10.3 reads 1.5). A field whose
// mantissa holds no digit ("--150", "-+50", ".", "E5") is malformed, like anything
// else that is not a number: IoError, whose message names the field (callers add
// the file).
// ---------------------------------------------------------------------------

long long readInteger(std::string_view field);
double readReal(std::string_view field, int impliedDecimals);

// Reads a record under a format of A, I, F, E and X descriptors (and groups).
// A record shorter than the fields is padded with blanks. A fields give their
// text as std::string, I fields long long, F and E fields double.
std::vector<Value> readFields(std::string_view record, const Format& format);
std::vector<Value> readFields(std::string_view record, std::string_view format);

// ---------------------------------------------------------------------------
// Units: sequential record files.
// ---------------------------------------------------------------------------

// Where output records go. The listing and the graph-data file are sinks, so the
// numerical core never opens a file and tests capture records in memory.
class RecordSink {
 public:
  virtual ~RecordSink() = default;
  virtual void put(std::string_view record) = 0;
  // Writes each record of a formatted list.
  void put(const std::vector<std::string>& records);
  // Hands every record put so far to the file; the driver calls it at the end of
  // every case, so a run that stops later keeps its complete cases.
  virtual void flush() {}
  // Flushes and closes; a failure throws IoError. Nothing may be put after it.
  virtual void close() {}
};

// Keeps records in memory (for tests and for scratch use).
class MemorySink : public RecordSink {
 public:
  using RecordSink::put;
  void put(std::string_view record) override { records.emplace_back(record); }
  std::vector<std::string> records;
};

// An output file created or replaced at open, written through a buffer of
// kBufferSize bytes: every record ends with CR LF and reaches the file when the
// buffer is full, at flush() and at close(). Destroying an open sink writes out
// what it holds without reporting a failure (the run is ending on another one),
// so what was put stays when a run fails.
//
// Opening never blocks: a name that exists and is not a regular file (a FIFO, a
// directory, a device) is refused with IoError. A write that fails (a full disk,
// a file-size limit when SIGXFSZ is ignored) throws IoError naming the file.
class FileSink : public RecordSink {
 public:
  static constexpr std::size_t kBufferSize = 64 * 1024;

  explicit FileSink(const std::filesystem::path& path);  // throws IoError
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;
  using RecordSink::put;
  void put(std::string_view record) override;  // throws IoError on a write failure
  void flush() override;
  void close() override;

 private:
  void writeOut();

  std::string name_;
  int descriptor_ = -1;
  std::string buffer_;
};

// What kind of file `path` names, for messages: "a FIFO", "a directory",
// "a device", "a socket"; empty for a regular file or a name that does not exist.
std::string nonRegularKind(const std::filesystem::path& path);

// What makes a file the one that was read: its device and inode, and the size
// and modification time (ns) it had then; a file written again in place has
// another size or time, and is another input.
struct FileIdentity {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  long long size = 0;
  long long modified = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file `path` names now (a symbolic link followed);
// nullopt when it names nothing.
std::optional<FileIdentity> identityOf(const std::filesystem::path& path);

// Where a record came from: line `line` (1-based) of the input file `file`. A
// record a scratch unit makes itself has none.
struct RecordOrigin {
  std::shared_ptr<const std::string> file;
  std::size_t line = 0;
  bool known() const { return file != nullptr && line > 0; }
};

// "React.tmp, line 6" for a known origin.
std::string describe(const RecordOrigin& origin);

// Returns action(); an IoError it throws is thrown again with the file and line
// of `origin` in front, for failures found in a record after it was read (a
// reaction text whose species no longer fit, say).
template <class Action>
auto atOrigin(const RecordOrigin& origin, Action&& action) -> decltype(action()) {
  try {
    return action();
  } catch (const IoError& error) {
    if (!origin.known()) throw;
    throw IoError(describe(origin) + ": " + error.what());
  }
}

// A sequential unit held in memory: an input file read whole (line ends CR LF
// or LF), or a scratch file. Supports read, write at the current position (which
// truncates what follows, as a sequential file does), rewind and backspace.
// Each record keeps the line of the input file it came from, also when it is
// copied to a scratch unit, so messages point at the line a user can find.
class RecordUnit {
 public:
  // A new empty scratch unit; `name` is used in messages.
  explicit RecordUnit(std::string name);
  // Loads an existing regular file without blocking; throws IoError when it does
  // not exist, is not a regular file (a FIFO, a directory, a device), cannot be
  // read, or is too large for the memory left. `identity`, when given, gets the
  // identity of the file that was read.
  static RecordUnit openExisting(const std::filesystem::path& path,
                                 FileIdentity* identity = nullptr);
  // The unit an input file of these bytes gives; each record's origin is its line.
  static RecordUnit fromText(std::string name, std::string_view text);

  const std::string& name() const { return name_; }
  bool atEnd() const { return position_ >= records_.size(); }
  // Number of records read or written since the last rewind (1-based number of
  // the record read last).
  std::size_t position() const { return position_; }
  // Origin of record `number` (1-based; the record read or written last when 0).
  const RecordOrigin& origin(std::size_t number = 0) const;
  // For messages: "React.tmp, line 6" when record `number` (as for origin) came
  // from a file line, else "<unit name>, record <number>".
  std::string where(std::size_t number = 0) const;
  // Next record, without its line end; throws IoError at the end of the unit.
  const std::string& read();
  // Reads the next record under a format (see readFields); conversion errors
  // and the end of the unit throw IoError naming the file and line.
  std::vector<Value> read(const Format& format);
  void write(std::string record, RecordOrigin origin = {});
  void rewind() { position_ = 0; }
  void backspace() {
    if (position_ > 0) --position_;
  }
  std::size_t size() const { return records_.size(); }
  const std::vector<std::string>& records() const { return records_; }

 private:
  std::string name_;
  std::vector<std::string> records_;
  std::vector<RecordOrigin> origins_;
  std::size_t position_ = 0;
};

// List-directed input over the records of a unit: values separated by blanks,
// commas or record ends; a read continues over as many records as it needs and
// the next read starts at the following record.
class ListReader {
 public:
  explicit ListReader(RecordUnit& unit) : unit_(unit) {}
  // Reads the items of one list-directed read. Each type in `kinds` says what
  // the item is: 'i' integer, 'r' real. Throws IoError when a value cannot be
  // converted or the unit ends first.
  std::vector<Value> read(std::string_view kinds);
  // Record number (1-based, as RecordUnit::where takes it) of item `index` of
  // the last read.
  std::size_t recordOf(std::size_t index) const { return records_.at(index); }

 private:
  RecordUnit& unit_;
  std::vector<std::size_t> records_;
};

// Whether two file names are equal without regard to (ASCII) case.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// Finds a file in `directory` whose name equals `name` without regard to case;
// returns directory/name when none exists.
std::filesystem::path findCaseInsensitive(const std::filesystem::path& directory,
                                          std::string_view name);

}  // namespace recordio
