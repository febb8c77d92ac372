#include "setup/summary_list.h"

#include <algorithm>

namespace setup {

void SummaryList::add(const std::string& name, const std::string& text) {
  // The last row that is empty or holds this name is the target; with the
  // invariants there is at most one of each, and an empty row only when the
  // summary is empty.
  int target = -1;
  for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
    if (m_rows[i].name.empty() || m_rows[i].name == name) target = i;
  }
  if (target < 0) {
    m_rows.push_back(SummaryRow{});
    target = static_cast<int>(m_rows.size()) - 1;
  }
  m_rows[target] = SummaryRow{name, text};
}

void SummaryList::remove(const std::string& name) {
  auto it = std::find_if(m_rows.begin(), m_rows.end(),
                         [&](const SummaryRow& row) { return row.name == name; });
  if (it == m_rows.end()) return;
  if (m_rows.size() == 1) {
    m_rows.front() = SummaryRow{};
  } else {
    m_rows.erase(it);
  }
}

void SummaryList::appendSeparate(const std::string& name, const std::string& text) {
  if (m_rows.size() == 1 && m_rows.front().name.empty() && m_rows.front().text.empty()) {
    m_rows.front() = SummaryRow{name, text};
  } else {
    m_rows.push_back(SummaryRow{name, text});
  }
}

}  // namespace setup
