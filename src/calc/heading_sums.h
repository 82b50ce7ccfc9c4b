// The item tree of 分部分项 read once, with the roll-up columns of every row
// as total() reads them, so that the sums of a heading's children can be
// formed in memory instead of by one table scan per heading.
#ifndef FTCALC_CALC_HEADING_SUMS_H_
#define FTCALC_CALC_HEADING_SUMS_H_

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/database.h"

namespace ftcalc {

class HeadingSums {
 public:
  explicit HeadingSums(Database& db) : db_(db) {}
  HeadingSums(const HeadingSums&) = delete;
  HeadingSums& operator=(const HeadingSums&) = delete;

  // Reads the tree with the given roll-up columns: every row, or only the
  // children of `parents` when it is not null (the rows a walk up from one
  // row sums). Returns false (and the caller must fall back on the
  // per-heading statements) whenever the in-memory sums could differ from
  // them: a total() that compensates its rounding, a 上级编号 column without
  // numeric affinity, a 编号 column that compares with numbers as text, a
  // roll-up column that is part of the tree's structure, or a read that
  // fails.
  bool Load(const std::vector<std::string>& columns,
            const std::vector<int64_t>* parents = nullptr);

  // "select 1 from 分部分项 where 上级编号=H [and 标志='<flag>']" returns a
  // row; an empty flag means any kind.
  bool HasChild(int64_t heading, const std::string& flag) const;

  // The texts that "select FtRou(total(C),D) as CA,... from 分部分项 where
  // 上级编号=H [and 标志='<flag>']" gives for FieldText(query, C + "A"), one
  // per roll-up column in setting order.
  std::vector<std::string> SumTexts(int64_t heading, const std::string& flag, int digits) const;

  // Re-reads the roll-up columns of row `heading` after it was updated, as
  // they are now stored, into every row read with that 编号 (the update
  // wrote the same values to each of them). False when it cannot be read:
  // the sums would go stale, so the caller must decline.
  bool Refresh(int64_t heading);

 private:
  struct Row {
    std::string flag;           // 标志 when stored as TEXT, else empty
    bool flag_is_text = false;
    std::vector<double> values;  // total(C) of this row alone, per bulk column
  };

  // Reads the rows of `rows` (编号, 上级编号, 标志, then one value per roll-up
  // column): each the row's total() when `grouped`, else its stored value.
  // False where a stored value is a TEXT or BLOB, or the read fails.
  bool ReadRows(Statement& rows, bool grouped);

  Database& db_;
  std::string total_list_;  // "total(C1) as C1A,total(C2) as C2A,..."
  // For each roll-up column, the bulk column that FieldText(C + "A") names,
  // -1 when no column has that name.
  std::vector<int> alias_of_;
  size_t column_count_ = 0;
  std::vector<Row> rows_;  // in rowid order
  std::unordered_map<int64_t, std::vector<size_t>> children_;  // 上级编号 -> rows
  std::unordered_map<int64_t, std::vector<size_t>> by_key_;  // 编号 -> rows
};

}  // namespace ftcalc

#endif  // FTCALC_CALC_HEADING_SUMS_H_
