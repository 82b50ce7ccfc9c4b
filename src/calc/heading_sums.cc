#include "calc/heading_sums.h"

#include "calc/item_tree.h"
#include "data/number_text.h"
#include "data/row_reader.h"
#include "data/schema_info.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

// Columns whose update would move rows in the tree (or rename them) while it
// is walked; with such a roll-up column the tree read up front goes stale.
bool IsStructureColumn(const std::string& column) {
  const std::string name = AsciiUpper(Trim(column));
  return name == "编号" || name == "上级编号" || name == "标志" || name == "ROWID" ||
         name == "OID" || name == "_ROWID_";
}

}  // namespace

bool HeadingSums::Load(const std::vector<std::string>& columns,
                       const std::vector<int64_t>* parents) {
  if (columns.empty() || !TotalAddsInRowOrder()) return false;
  if (!HasNumericAffinity(db_, "分部分项", "上级编号")) return false;
  // "where 编号=H" must reach exactly the rows keyed H here (Refresh).
  if (!ComparesAsStored(db_, "分部分项", "编号")) return false;
  for (const std::string& column : columns) {
    if (IsStructureColumn(column)) return false;
  }
  total_list_.clear();
  std::string value_list;
  for (size_t j = 0; j < columns.size(); ++j) {
    if (j) {
      total_list_ += ",";
      value_list += ",";
    }
    total_list_ += "total(" + columns[j] + ") as " + columns[j] + "A";
    value_list += "(" + columns[j] + ")";
  }
  // FieldText(query, C + "A") of the statements names the first column of
  // that name (names compare without regard to ASCII case).
  column_count_ = columns.size();
  alias_of_.assign(columns.size(), -1);
  for (size_t j = 0; j < columns.size(); ++j) {
    for (size_t k = 0; k < columns.size() && alias_of_[j] < 0; ++k) {
      if (AsciiUpper(columns[k] + "A") == AsciiUpper(columns[j] + "A")) {
        alias_of_[j] = static_cast<int>(k);
      }
    }
  }
  // With numeric affinity, "上级编号 in(<integers>)" picks the very rows
  // that "上级编号=<integer>" picks for each of them.
  std::string where;
  if (parents != nullptr) {
    if (parents->empty()) return false;
    for (int64_t parent : *parents) {
      where += (where.empty() ? " where 上级编号 in(" : ",") + std::to_string(parent);
    }
    where += ")";
  }
  // The rows in rowid order: the order in which a scan "where 上级编号=H"
  // meets a heading's children. Each value is taken as total() converts it
  // inside a larger sum. Read as stored, an INTEGER or REAL is that number
  // as a double and NULL is nothing (0): total() of the one value. A TEXT
  // or BLOB, which total() reads by its leading number, has the rows read
  // again grouped by rowid, each total() then of one row. The grouped read
  // is prepared first in any case: where the statements' own "total(C) as
  // CA" cannot be, they are left to fail as they do.
  Statement grouped;
  if (!db_.TryPrepare(grouped, "select 编号,上级编号,标志," + total_list_ + " from 分部分项" +
                                   where + " group by rowid")) {
    return false;
  }
  Statement as_stored;
  return (db_.TryPrepare(as_stored, "select 编号,上级编号,标志," + value_list + " from 分部分项" +
                                        where + " order by rowid") &&
          ReadRows(as_stored, /*grouped=*/false)) ||
         ReadRows(grouped, /*grouped=*/true);
}

bool HeadingSums::ReadRows(Statement& rows, bool grouped) {
  rows_.clear();
  children_.clear();
  by_key_.clear();
  constexpr int kFirstValue = 3;
  int rc;
  while ((rc = rows.Step()) == SQLITE_ROW) {
    const RowReader reader(rows);
    Row row;
    const ValueView flag = reader.View(2);
    row.flag_is_text = flag.type == SQLITE_TEXT;
    if (row.flag_is_text) row.flag = std::string(flag.bytes());
    row.values.resize(column_count_);
    for (size_t k = 0; k < column_count_; ++k) {
      const ValueView value = reader.View(kFirstValue + static_cast<int>(k));
      if (value.type == SQLITE_FLOAT) {
        row.values[k] = value.real;
      } else if (!grouped && value.type == SQLITE_INTEGER) {
        row.values[k] = static_cast<double>(value.integer);
      } else if (grouped || value.type == SQLITE_NULL) {
        row.values[k] = 0.0;
      } else {
        return false;
      }
    }
    const size_t index = rows_.size();
    rows_.push_back(std::move(row));
    int64_t key;
    if (IntegerKey(ValueOf(reader.View(0)), &key)) by_key_[key].push_back(index);
    if (IntegerKey(ValueOf(reader.View(1)), &key)) children_[key].push_back(index);
  }
  return rc == SQLITE_DONE;
}

bool HeadingSums::HasChild(int64_t heading, const std::string& flag) const {
  auto found = children_.find(heading);
  if (found == children_.end()) return false;
  if (flag.empty()) return !found->second.empty();
  for (size_t index : found->second) {
    const Row& row = rows_[index];
    if (row.flag_is_text && row.flag == flag) return true;
  }
  return false;
}

std::vector<std::string> HeadingSums::SumTexts(int64_t heading, const std::string& flag,
                                               int digits) const {
  // total() in the linked SQLite is a plain running double sum from 0.0 in
  // the order the rows are read (TotalAddsInRowOrder), so this loop forms
  // the very same double.
  std::vector<double> sums(column_count_, 0.0);
  auto found = children_.find(heading);
  if (found != children_.end()) {
    for (size_t index : found->second) {
      const Row& row = rows_[index];
      if (!flag.empty() && !(row.flag_is_text && row.flag == flag)) continue;
      for (size_t k = 0; k < column_count_; ++k) sums[k] += row.values[k];
    }
  }
  std::vector<std::string> texts(alias_of_.size());
  for (size_t j = 0; j < alias_of_.size(); ++j) {
    if (alias_of_[j] >= 0) texts[j] = FtRouFieldText(sums[static_cast<size_t>(alias_of_[j])], digits);
  }
  return texts;
}

bool HeadingSums::Refresh(int64_t heading) {
  auto found = by_key_.find(heading);
  if (found == by_key_.end()) return true;
  // The stored value is what SQLite made of the pasted text; reading it back
  // keeps the parent's sum exact whatever SQLite's text-to-double rounding.
  // "where 编号=?" bound to the integer finds the rows "where 编号=<key>"
  // finds (Load made sure 编号 compares as stored).
  Statement* reread = db_.Cached("select " + total_list_ + " from 分部分项 where 编号=?");
  if (reread == nullptr) return false;
  reread->BindInt64(1, heading);
  const int rc = reread->Step();
  if (rc == SQLITE_ROW) {
    const RowReader sums(*reread);
    for (size_t index : found->second) {
      Row& row = rows_[index];
      for (size_t k = 0; k < column_count_; ++k) {
        const ValueView sum = sums.View(static_cast<int>(k));
        row.values[k] = sum.type == SQLITE_FLOAT ? sum.real : 0.0;
      }
    }
  }
  reread->Reset();
  return rc == SQLITE_ROW || rc == SQLITE_DONE;
}

}  // namespace ftcalc
