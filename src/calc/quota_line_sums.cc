#include "calc/quota_line_sums.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "calc/item_tree.h"
#include "data/ftrou.h"
#include "data/number_text.h"
#include "data/query.h"
#include "data/sql_exec.h"
#include "data/sqlite_handle.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

// The sums of one statement: per quota, its lines' values in row order.
class GroupedSum {
 public:
  // `value` NaN stands for NULL, which total() skips; the group exists all
  // the same.
  void Add(int64_t quota, double value) {
    auto [found, added] = index_.emplace(quota, groups_.size());
    if (added) groups_.push_back({quota, 0.0});
    if (!std::isnan(value)) groups_[found->second].total += value;
  }

  // The rows "FtRou(total(...),digits) as 合计 ... group by a.主表" returns,
  // as the number texts its write pastes.
  std::vector<QuotaSum> Rows(int digits) {
    std::sort(groups_.begin(), groups_.end(),
              [](const Group& a, const Group& b) { return a.quota < b.quota; });
    std::vector<QuotaSum> rows;
    rows.reserve(groups_.size());
    for (const Group& group : groups_) {
      // FieldNumberLiteral: a number that is not finite, or NULL, is 0.
      const double rounded = FtRouOfReal(group.total, digits);
      rows.push_back({std::to_string(group.quota),
                      std::isfinite(rounded) ? RealFieldText(rounded) : std::string("0")});
    }
    return rows;
  }

 private:
  struct Group {
    int64_t quota;
    double total;
  };
  std::unordered_map<int64_t, size_t> index_;
  std::vector<Group> groups_;
};

// FtRou(x,digits) of a line value x: FtRou reads x as SQLite's text of it
// (NULL as 0) and gives a REAL, or NULL (NaN here) for a NaN result.
// False for a blob, which is left to the statements.
bool FtRouOf(const SqlValue& x, int digits, double* result) {
  switch (x.type) {
    case SQLITE_NULL: *result = RoundHalfUp(digits, 0.0); return true;
    case SQLITE_INTEGER: *result = RoundHalfUp(digits, static_cast<double>(x.integer)); return true;
    case SQLITE_FLOAT: *result = FtRouOfReal(x.real, digits); return true;
    case SQLITE_TEXT: *result = RoundHalfUp(digits, CAtof(x.text)); return true;
    default: return false;
  }
}


}  // namespace

bool SumQuotaLinesInOnePass(const std::string (&kind_conditions)[3],
                            const std::string& lines_from, const std::string& line_price,
                            const std::string& line_unit,
                            const std::string& main_material_condition,
                            const std::string& equipment_condition, int digits,
                            QuotaLineSums* sums) {
  if (!TotalAddsInRowOrder()) return false;

  // Each condition once per line, as one mask ("is 1": false or NULL takes
  // no line, as in a WHERE), and the line values unrounded: FtRou is applied
  // here as SQLite would apply it to them. A main material's quota quantity
  // is looked up only for main materials (the same value as the join gives:
  // the row of that key or none).
  const std::string conditions[] = {"a.上级编号=0",        kind_conditions[0],
                                    kind_conditions[1],    kind_conditions[2],
                                    main_material_condition, equipment_condition,
                                    line_unit + "='%'"};
  std::string mask;
  for (size_t bit = 0; bit < std::size(conditions); ++bit) {
    if (bit > 0) mask += "+";
    mask += "((" + conditions[bit] + ") is 1)*" + std::to_string(1 << bit);
  }
  std::string sql = "select a.主表,(" + mask + ")";
  sql += "," + line_price + "*a.实际量";
  sql += ",case when " + main_material_condition + " then " + line_price +
         "*a.实际量*(select 工程量 from 分部分项 where 编号=a.主表) end";
  sql += ",a.上级编号,a.标志,a.实际量," + line_price + "," + line_unit;
  sql += lines_from + " order by a.rowid";

  Statement stmt;
  if (!TryPrepare(stmt, sql)) return false;

  enum Bit { kOwnLevel = 1, kLabour = 2, kMaterial = 4, kMachine = 8, kMain = 16,
             kEquipment = 32, kPercent = 64 };
  GroupedSum own_costs[3];
  GroupedSum main_materials;
  GroupedSum equipment;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    sqlite3_stmt* s = stmt.get();
    const SqlValue quota = ColumnValue(s, 0);
    // "编号 not in(select 主表 ...)": an INTEGER key equals an INTEGER or a
    // whole REAL, never a text.
    int64_t key = 0;
    if (IntegerKey(quota, &key)) sums->line_quotas.insert(key);
    const int64_t flags = sqlite3_column_int64(s, 1);
    if (flags & kPercent) {
      PercentLine line;
      line[0] = quota;
      for (int i = 1; i < 6; ++i) line[i] = ColumnValue(s, 3 + i);
      sums->percent_lines.push_back(std::move(line));
    }
    const bool own_level = (flags & kOwnLevel) != 0;
    const bool holds[5] = {own_level && (flags & kLabour), own_level && (flags & kMaterial),
                           own_level && (flags & kMachine), (flags & kMain) != 0,
                           (flags & kEquipment) != 0};
    if (!(holds[0] || holds[1] || holds[2] || holds[3] || holds[4])) continue;
    if (quota.type != SQLITE_INTEGER) return false;
    if (holds[0] || holds[1] || holds[2] || holds[4]) {
      double value = 0;
      if (!FtRouOf(ColumnValue(s, 2), digits, &value)) return false;
      for (int i = 0; i < 3; ++i) {
        if (holds[i]) own_costs[i].Add(quota.integer, value);
      }
      if (holds[4]) equipment.Add(quota.integer, value);
    }
    if (holds[3]) {
      double value = 0;
      if (!FtRouOf(ColumnValue(s, 3), digits, &value)) return false;
      main_materials.Add(quota.integer, value);
    }
  }
  if (rc != SQLITE_DONE) return false;

  for (int i = 0; i < 3; ++i) sums->own_costs[i] = own_costs[i].Rows(digits);
  sums->main_materials = main_materials.Rows(digits);
  sums->equipment = equipment.Rows(digits);
  return true;
}

void LeaveOutQuotas(const std::string& list, QuotaLineSums* sums) {
  std::unordered_set<std::string> left_out;
  for (const std::string& quota : Split(list, ",")) left_out.insert(quota);
  for (std::vector<QuotaSum>& own : sums->own_costs) {
    own.erase(std::remove_if(own.begin(), own.end(),
                             [&](const QuotaSum& sum) { return left_out.count(sum.quota) > 0; }),
              own.end());
  }
}

}  // namespace ftcalc
