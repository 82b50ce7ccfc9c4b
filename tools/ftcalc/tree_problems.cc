#include "tree_problems.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <unordered_map>

#include "data/query.h"
#include "project_reader.h"

namespace ftcalc::cli {
namespace {

// The row key a 上级编号 value names, compared as SQLite compares it with
// an INTEGER 编号: an integer, a real with no fraction, or a text that
// reads whole as an integer (numeric affinity turns it into one). Anything
// else, NULL included, names no row.
std::optional<int64_t> KeyOf(const SqlValue& value) {
  switch (value.type()) {
    case SQLITE_INTEGER:
      return value.integer();
    case SQLITE_FLOAT:
      if (std::isfinite(value.real()) && value.real() == std::floor(value.real()) &&
          std::fabs(value.real()) < 9.2e18) {
        return static_cast<int64_t>(value.real());
      }
      return std::nullopt;
    case SQLITE_TEXT: {
      const std::string text(value.text());
      if (text.empty() || text.size() > 19) return std::nullopt;
      size_t start = text[0] == '-' || text[0] == '+' ? 1 : 0;
      if (start == text.size()) return std::nullopt;
      for (size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
      }
      return std::strtoll(text.c_str(), nullptr, 10);
    }
    default:
      return std::nullopt;
  }
}

struct Row {
  int64_t id;
  SqlValue parent;
};

// Rotated so that the smallest 编号 comes first (one text per cycle,
// whichever row the walk met it from).
std::vector<int64_t> FromSmallest(std::vector<int64_t> cycle) {
  std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
  return cycle;
}

}  // namespace

bool FindTreeProblems(sqlite3* db, std::vector<TreeProblem>* problems, std::string* error) {
  problems->clear();
  Query query;
  if (!ReadQuery(db, "select 编号,上级编号 from 分部分项 order by 编号", query, error)) {
    return false;
  }
  std::vector<Row> rows;
  std::unordered_map<int64_t, size_t> index_of;  // 编号 -> first row holding it
  for (query.First(); !query.Eof(); query.Next()) {
    const std::optional<int64_t> id = KeyOf(query.Value(0));
    if (!id) continue;  // a row no 上级编号 can name; its own parent is still read below
    index_of.emplace(*id, rows.size());
    rows.push_back({*id, query.Value(1)});
  }

  // Parent row of each row, or -1 at the top or where the link names no row.
  constexpr size_t kNone = static_cast<size_t>(-1);
  std::vector<size_t> parent(rows.size(), kNone);
  std::vector<TreeProblem> orphans;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::optional<int64_t> key = KeyOf(rows[i].parent);
    if (key && *key == 0) continue;
    const auto found = key ? index_of.find(*key) : index_of.end();
    if (found == index_of.end()) {
      orphans.push_back({TreeProblem::Kind::kOrphan,
                         {rows[i].id},
                         rows[i].parent.is_null() ? "NULL" : rows[i].parent.AsSqliteText()});
      continue;
    }
    parent[i] = found->second;
  }

  // Each chain is walked once: a row is finished when the walk through it
  // ended, at the top, at an orphan, or on a cycle already recorded.
  enum State : char { kUnseen, kOnPath, kDone };
  std::vector<State> state(rows.size(), kUnseen);
  std::vector<size_t> path;
  for (size_t start = 0; start < rows.size(); ++start) {
    path.clear();
    size_t at = start;
    while (at != kNone && state[at] == kUnseen) {
      state[at] = kOnPath;
      path.push_back(at);
      at = parent[at];
    }
    if (at != kNone && state[at] == kOnPath) {
      std::vector<int64_t> cycle;
      for (auto it = std::find(path.begin(), path.end(), at); it != path.end(); ++it) {
        cycle.push_back(rows[*it].id);
      }
      problems->push_back({TreeProblem::Kind::kCycle, FromSmallest(std::move(cycle)), ""});
    }
    for (size_t row : path) state[row] = kDone;
  }
  std::sort(problems->begin(), problems->end(),
            [](const TreeProblem& a, const TreeProblem& b) { return a.rows[0] < b.rows[0]; });
  problems->insert(problems->end(), orphans.begin(), orphans.end());
  return true;
}

std::string CycleText(const TreeProblem& cycle) {
  std::string text;
  for (int64_t row : cycle.rows) text += std::to_string(row) + "→";
  return text + std::to_string(cycle.rows.front());
}

std::string TreeWarning(const std::vector<TreeProblem>& problems, size_t limit) {
  std::string cycles, orphans;
  size_t cycle_count = 0, orphan_count = 0;
  for (const TreeProblem& p : problems) {
    const bool cycle = p.kind == TreeProblem::Kind::kCycle;
    size_t& count = cycle ? cycle_count : orphan_count;
    std::string& list = cycle ? cycles : orphans;
    if (count++ < limit) {
      list += (list.empty() ? "" : ", ") +
              (cycle ? CycleText(p) : std::to_string(p.rows[0]) + " (上级编号 " + p.parent + ")");
    }
  }
  auto more = [limit](size_t count) {
    return count > limit ? " and " + std::to_string(count - limit) + " more" : std::string();
  };
  std::string text;
  if (cycle_count > 0) {
    text += std::to_string(cycle_count) + " cycle" + (cycle_count > 1 ? "s" : "") +
            " of 上级编号 in 分部分项: " + cycles + more(cycle_count);
  }
  if (orphan_count > 0) {
    text += (text.empty() ? "" : "; ") + std::to_string(orphan_count) + " row" +
            (orphan_count > 1 ? "s" : "") + " of 分部分项 whose 上级编号 names no row: 编号 " +
            orphans + more(orphan_count);
  }
  if (!text.empty()) text += " (left out of every total above them; `ftcalc check` lists them all)";
  return text;
}

}  // namespace ftcalc::cli
