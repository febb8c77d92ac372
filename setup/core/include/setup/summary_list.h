// The summary grid of the mixture page as data: one row per species name with
// the concentration text that stood in the concentration grid when it was entered.
// Invariants: a name stands in at most one row (whole 8-character names, compared
// exactly); at least one row; an empty summary is one row with two empty cells.
#pragma once

#include <string>
#include <vector>

namespace setup {

struct SummaryRow {
  std::string name;  // species name, 8 characters
  std::string text;  // concentration text as it was shown, not reformatted
};

class SummaryList {
 public:
  SummaryList() : m_rows(1) {}

  // Updates the species' row in place, fills the single empty row of an empty
  // summary, or appends a row at the end.
  void add(const std::string& name, const std::string& text);
  // Takes the row of that name out (rows below move up); the last remaining row
  // is emptied instead. Unknown names change nothing.
  void remove(const std::string& name);
  // Back to one row with two empty cells.
  void clear() { m_rows.assign(1, SummaryRow{}); }
  // Appends a row without looking for an existing one (used when a stored set-up
  // is loaded: equal names of different gases then get separate rows). The first
  // append fills the single empty row.
  void appendSeparate(const std::string& name, const std::string& text);

  const std::vector<SummaryRow>& rows() const { return m_rows; }
  // True when the first row's concentration cell is empty (no mixture chosen).
  bool isEmpty() const { return m_rows.front().text.empty(); }

 private:
  std::vector<SummaryRow> m_rows;
};

}  // namespace setup
