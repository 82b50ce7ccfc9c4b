// The bill tree's shape as 上级编号 links make it: rows whose chain of
// parents comes back to a row (an item that is its own parent included),
// and rows whose 上级编号 names no row. The calculation leaves such rows out
// of every total above them without a word, so the host names them.
#ifndef FTCALC_TOOLS_TREE_PROBLEMS_H_
#define FTCALC_TOOLS_TREE_PROBLEMS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "data/sqlite_api.h"

namespace ftcalc::cli {

// One cycle, or one orphan.
struct TreeProblem {
  enum class Kind { kCycle, kOrphan };
  Kind kind;
  // The cycle's 编号 from its smallest, each row's parent after it (the
  // first is not repeated); for an orphan, its own 编号 alone.
  std::vector<int64_t> rows;
  // An orphan's 上级编号 as stored ("NULL" when it is NULL); empty for a cycle.
  std::string parent;
};

// Reads 编号 and 上级编号 of 分部分项 and returns the cycles (in the order
// their smallest 编号 comes) and then the orphans (in 编号 order). A row at
// the top has 上级编号 0. On a read failure (no such table or column)
// returns false with SQLite's message; the list is then empty.
bool FindTreeProblems(sqlite3* db, std::vector<TreeProblem>* problems, std::string* error);

// "11→17→20→11" for a cycle.
std::string CycleText(const TreeProblem& cycle);

// One line naming the rows of `problems` (at most `limit` of each kind,
// then how many more), for a warning; empty when there are none.
std::string TreeWarning(const std::vector<TreeProblem>& problems, size_t limit);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_TREE_PROBLEMS_H_
