#include "setup/setup_store.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>

#include "setup/numbers.h"

namespace setup {
namespace {

// Tables named after the controls they save. `ord` keeps the record order; the
// other columns are the stored fields, in field order.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS "CheckListBox1" (ord INTEGER PRIMARY KEY, Gases TEXT,
  Gfile1List TEXT, State INTEGER, NumReac1 INTEGER, NumReac2 INTEGER);
CREATE TABLE IF NOT EXISTS "CheckListBox2" (ord INTEGER PRIMARY KEY, id INTEGER,
  Reactions TEXT, State INTEGER);
CREATE TABLE IF NOT EXISTS "StringGrid1" (ord INTEGER PRIMARY KEY, id INTEGER,
  FileSpecies1 TEXT, FileRelConc1 REAL);
CREATE TABLE IF NOT EXISTS "StringGrid5" (ord INTEGER PRIMARY KEY, EN REAL, Er REAL, Eo REAL);
CREATE TABLE IF NOT EXISTS "Parameters1" (ord INTEGER PRIMARY KEY, NumGases INTEGER,
  Freq REAL, Magn REAL, TPC0 REAL, TPC1 REAL, TPC2 REAL,
  TeAcGrIt0 REAL, TeAcGrIt1 REAL, TeAcGrIt2 REAL, TeAcGrIt3 REAL);
CREATE TABLE IF NOT EXISTS "Parameters2" (ord INTEGER PRIMARY KEY, RadioGroup1 INTEGER,
  CheckBox1 INTEGER, RadioGroup2 INTEGER, OutPutFile TEXT, Memo1 TEXT);
)sql";

struct DbCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Db = std::unique_ptr<sqlite3, DbCloser>;

struct StmtFinalizer {
  void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Stmt = std::unique_ptr<sqlite3_stmt, StmtFinalizer>;

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
  throw StoreError(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

Db open(const std::string& path) {
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                           nullptr);
  Db db(raw);
  if (rc != SQLITE_OK) fail(raw, "Cannot open the setup database " + path);
  sqlite3_busy_timeout(raw, 2000);
  if (sqlite3_exec(raw, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK) {
    fail(raw, "Cannot prepare the setup database " + path);
  }
  return db;
}

void exec(sqlite3* db, const char* sql) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail(db, sql);
}

Stmt prepare(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) fail(db, sql);
  return Stmt(raw);
}

// One bound value of a record.
struct Value {
  enum Kind { Int, Real, Text } kind;
  long long i = 0;
  double r = 0;
  std::string t;
};
Value iv(long long v) { return {Value::Int, v, 0, {}}; }
Value rv(double v) { return {Value::Real, 0, v, {}}; }
Value tv(std::string v) { return {Value::Text, 0, 0, std::move(v)}; }

// Replaces the table's records by `records`, in order (ord = 0, 1, ...).
void writeTable(sqlite3* db, const std::string& table, const std::vector<std::string>& fields,
                const std::vector<std::vector<Value>>& records) {
  exec(db, ("DELETE FROM \"" + table + "\"").c_str());
  std::string sql = "INSERT INTO \"" + table + "\" (ord";
  std::string marks = "?";
  for (const std::string& field : fields) {
    sql += ", " + field;
    marks += ", ?";
  }
  sql += ") VALUES (" + marks + ")";
  Stmt stmt = prepare(db, sql);
  for (std::size_t k = 0; k < records.size(); ++k) {
    sqlite3_reset(stmt.get());
    sqlite3_bind_int64(stmt.get(), 1, static_cast<long long>(k));
    for (std::size_t f = 0; f < records[k].size(); ++f) {
      const Value& v = records[k][f];
      int column = static_cast<int>(f) + 2;
      if (v.kind == Value::Int) sqlite3_bind_int64(stmt.get(), column, v.i);
      if (v.kind == Value::Real) sqlite3_bind_double(stmt.get(), column, v.r);
      if (v.kind == Value::Text) {
        sqlite3_bind_text(stmt.get(), column, v.t.data(), static_cast<int>(v.t.size()),
                          SQLITE_TRANSIENT);
      }
    }
    if (sqlite3_step(stmt.get()) != SQLITE_DONE) fail(db, "Cannot write table " + table);
  }
}

// Reads a table's records in order; each record as its columns after `ord`.
class TableReader {
 public:
  TableReader(sqlite3* db, const std::string& table, const std::string& fields)
      : m_db(db), m_stmt(prepare(db, "SELECT " + fields + " FROM \"" + table + "\" ORDER BY ord")) {
    step();
  }
  bool atEnd() const { return !m_has; }
  void next() { if (m_has) step(); }
  // Fields of the current record; past the end every field reads as 0 or empty.
  long long integer(int column) const {
    return m_has ? sqlite3_column_int64(m_stmt.get(), column) : 0;
  }
  double real(int column) const { return m_has ? sqlite3_column_double(m_stmt.get(), column) : 0.0; }
  std::string text(int column) const {
    if (!m_has) return {};
    const unsigned char* data = sqlite3_column_text(m_stmt.get(), column);
    int size = sqlite3_column_bytes(m_stmt.get(), column);
    return data ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
  }

 private:
  void step() {
    int rc = sqlite3_step(m_stmt.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) fail(m_db, "Cannot read the setup database");
    m_has = rc == SQLITE_ROW;
  }
  sqlite3* m_db;
  Stmt m_stmt;
  bool m_has = false;
};

std::int32_t clampCount(long long value) {
  return static_cast<std::int32_t>(std::clamp<long long>(value, 0, kMaxGases));
}

}  // namespace

SetupStore::SetupStore(std::string databasePath) : m_path(std::move(databasePath)) {}

void SetupStore::save(const CalculationModel& model) {
  Db db = open(m_path);
  std::vector<std::vector<Value>> gases, reactions, species, variants;
  for (int g = 0; g < model.GasCount && g < kMaxGases; ++g) {
    gases.push_back({tv(model.GasDisplayNames[g]), tv(model.GasFileNames[g]),
                     iv(model.GasChecked[g]), iv(model.ReactionCount[g]),
                     iv(model.SpeciesCount[g])});
    for (int k = 0; k < model.ReactionCount[g]; ++k) {
      bool state = model.ReactionSelected[g][k] && model.GasChecked[g];
      reactions.push_back({iv(g), tv(model.ReactionTexts[g][k]), iv(state)});
    }
    for (int s = 0; s < model.SpeciesCount[g]; ++s) {
      species.push_back({iv(g), tv(model.SpeciesNames[g][s]), rv(model.SpeciesAmounts[g][s])});
    }
  }
  for (int k = 0; k < kFieldVariants; ++k) {
    variants.push_back({rv(model.EN[k]), rv(model.Er[k]), rv(model.Eo[k])});
  }

  exec(db.get(), "BEGIN IMMEDIATE");
  try {
    writeTable(db.get(), "CheckListBox1", {"Gases", "Gfile1List", "State", "NumReac1", "NumReac2"},
               gases);
    writeTable(db.get(), "CheckListBox2", {"id", "Reactions", "State"}, reactions);
    writeTable(db.get(), "StringGrid1", {"id", "FileSpecies1", "FileRelConc1"}, species);
    writeTable(db.get(), "StringGrid5", {"EN", "Er", "Eo"}, variants);
    writeTable(db.get(), "Parameters1",
               {"NumGases", "Freq", "Magn", "TPC0", "TPC1", "TPC2", "TeAcGrIt0", "TeAcGrIt1",
                "TeAcGrIt2", "TeAcGrIt3"},
               {{iv(model.GasCount), rv(model.Freq), rv(model.Magn), rv(model.GasTemperature),
                 rv(model.GasPressure), rv(model.ElectronConc), rv(model.StartTe),
                 rv(model.Accuracy), rv(model.GridSize), rv(model.MaxIter)}});
    writeTable(db.get(), "Parameters2",
               {"RadioGroup1", "CheckBox1", "RadioGroup2", "OutPutFile", "Memo1"},
               {{iv(model.FieldMode), iv(model.Maxwellian), iv(model.OutputMode),
                 tv(model.OutName), tv(model.OutputDir)}});
    exec(db.get(), "COMMIT");
  } catch (...) {
    sqlite3_exec(db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void SetupStore::load(CalculationModel& model, char sep) {
  Db db = open(m_path);
  // Everything is read first, so that a failure leaves the model as it was.
  CalculationModel next = model;

  TableReader p1(db.get(), "Parameters1",
                 "NumGases, Freq, Magn, TPC0, TPC1, TPC2, TeAcGrIt0, TeAcGrIt1, TeAcGrIt2, "
                 "TeAcGrIt3");
  next.GasCount = clampCount(p1.integer(0));
  next.Freq = p1.real(1);
  next.Magn = p1.real(2);
  next.GasTemperature = p1.real(3);
  next.GasPressure = p1.real(4);
  next.ElectronConc = p1.real(5);
  next.StartTe = p1.real(6);
  next.Accuracy = p1.real(7);
  next.GridSize = p1.real(8);
  next.MaxIter = p1.real(9);

  TableReader p2(db.get(), "Parameters2", "RadioGroup1, CheckBox1, RadioGroup2, OutPutFile, Memo1");
  next.FieldMode = static_cast<int>(std::clamp<long long>(p2.integer(0), 0, 2));
  next.Maxwellian = p2.integer(1) != 0;
  next.OutputMode = p2.integer(2) != 0 ? 1 : 0;
  next.OutName = p2.text(3);
  next.OutNameText = next.OutName;
  next.OutNameIndex = -2;
  next.OutputDir = p2.text(4);

  TableReader gases(db.get(), "CheckListBox1", "Gases, Gfile1List, State, NumReac1, NumReac2");
  for (int g = 0; g < kMaxGases; ++g) {
    bool stored = g < next.GasCount;
    next.GasDisplayNames[g] = stored ? gases.text(0) : "";
    next.GasFileNames[g] = stored ? gases.text(1) : "";
    next.GasChecked[g] = stored && gases.integer(2) != 0;
    next.ReactionCount[g] = stored ? clampCount(gases.integer(3)) : 0;
    next.SpeciesCount[g] = stored ? clampCount(gases.integer(4)) : 0;
    next.ReactionTexts[g].assign(next.ReactionCount[g], std::string());
    next.ReactionSelected[g].assign(next.ReactionCount[g], 0);
    next.SpeciesNames[g].assign(next.SpeciesCount[g], std::string());
    next.SpeciesAmounts[g].assign(next.SpeciesCount[g], 0.0);
    if (stored) gases.next();
  }
  next.SelectedGas = next.GasCount > 0 ? 0 : -1;

  // Records are matched to their gas by id; a record of another gas is skipped.
  TableReader reactions(db.get(), "CheckListBox2", "id, Reactions, State");
  for (int g = 0; g < next.GasCount; ++g) {
    for (int k = 0; k < next.ReactionCount[g]; ++k, reactions.next()) {
      if (reactions.atEnd() || reactions.integer(0) != g) continue;
      next.ReactionTexts[g][k] = reactions.text(1);
      next.ReactionSelected[g][k] = reactions.integer(2) != 0 ? 1 : 0;
    }
  }
  TableReader species(db.get(), "StringGrid1", "id, FileSpecies1, FileRelConc1");
  for (int g = 0; g < next.GasCount; ++g) {
    for (int s = 0; s < next.SpeciesCount[g]; ++s, species.next()) {
      if (species.atEnd() || species.integer(0) != g) continue;
      next.SpeciesNames[g][s] = species.text(1);
      next.SpeciesAmounts[g][s] = species.real(2);
    }
  }

  next.Summary.clear();
  for (int g = 0; g < next.GasCount; ++g) {
    if (!next.GasChecked[g]) continue;
    for (int s = 0; s < next.SpeciesCount[g]; ++s) {
      double amount = next.SpeciesAmounts[g][s];
      if (amount != 0.0) next.Summary.appendSeparate(next.SpeciesNames[g][s], displayForm(amount, sep));
    }
  }

  next.EN.fill(0.0);
  next.Er.fill(0.0);
  next.Eo.fill(0.0);
  TableReader variants(db.get(), "StringGrid5", "EN, Er, Eo");
  for (int k = 0; k < kFieldVariants && !variants.atEnd(); ++k, variants.next()) {
    next.EN[k] = variants.real(0);
    next.Er[k] = variants.real(1);
    next.Eo[k] = variants.real(2);
  }
  model = std::move(next);
}

}  // namespace setup
