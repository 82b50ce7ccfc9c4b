#include "calc/quota_line_sums.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include "calc/item_tree.h"
#include "data/query.h"
#include "data/sqlite_handle.h"
#include "entry/engine_state.h"

namespace ftcalc {
namespace {

// The sums of one statement: per quota, its lines' values in row order.
class GroupedSum {
 public:
  void Add(int64_t quota, const SqlValue& value) {
    auto [found, added] = index_.emplace(quota, groups_.size());
    if (added) groups_.push_back({quota, 0.0});
    // total() skips NULL; the group exists all the same.
    if (value.type == SQLITE_FLOAT) groups_[found->second].total += value.real;
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

// A condition column: true only for a non-zero number (as WHERE reads it).
bool Holds(const SqlValue& value) {
  return (value.type == SQLITE_INTEGER && value.integer != 0) ||
         (value.type == SQLITE_FLOAT && value.real != 0);
}

}  // namespace

bool SumQuotaLinesInOnePass(const std::string& exclusion_list,
                            const std::string (&kind_conditions)[3], const std::string& line_price,
                            const std::string& main_material_condition,
                            const std::string& equipment_condition, int digits,
                            QuotaLineSums* sums) {
  if (!TotalAddsInRowOrder()) return false;
  Connection* connection = Engine().connection.get();
  if (connection == nullptr || connection->handle() == nullptr) return false;

  const std::string d = std::to_string(digits);
  const std::string own = (exclusion_list.empty() ? std::string("(")
                                                  : "(a.主表 not in(" + exclusion_list + ") and ") +
                          "a.上级编号=0 and ";
  std::string sql = "select a.主表";
  for (const std::string& kind : kind_conditions) sql += "," + own + kind + ")";
  sql += ",(" + main_material_condition + "),(" + equipment_condition + ")";
  sql += ",case when " + own + "(" + kind_conditions[0] + " or " + kind_conditions[1] + " or " +
         kind_conditions[2] + ")) or (" + equipment_condition + ") then FtRou(" + line_price +
         "*a.实际量," + d + ") end";
  sql += ",case when " + main_material_condition + " then FtRou(" + line_price +
         "*a.实际量*fb.工程量," + d + ") end";
  sql +=
      " from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号 left join 分部分项 fb "
      "on fb.编号=a.主表 order by a.rowid";

  Statement stmt;
  if (stmt.Prepare(connection->handle(), sql) != SQLITE_OK) {
    RefreshFtRou();  // the statement may be the first to need it
    if (stmt.Prepare(connection->handle(), sql) != SQLITE_OK) return false;
  }
  if (!stmt.IsPrepared()) return false;

  GroupedSum own_costs[3];
  GroupedSum main_materials;
  GroupedSum equipment;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    sqlite3_stmt* s = stmt.get();
    bool holds[5];
    bool any = false;
    for (int i = 0; i < 5; ++i) any |= holds[i] = Holds(ColumnValue(s, i + 1));
    if (!any) continue;
    const SqlValue quota = ColumnValue(s, 0);
    if (quota.type != SQLITE_INTEGER) return false;
    const SqlValue value = ColumnValue(s, 6);
    for (int i = 0; i < 3; ++i) {
      if (holds[i]) own_costs[i].Add(quota.integer, value);
    }
    if (holds[3]) main_materials.Add(quota.integer, ColumnValue(s, 7));
    if (holds[4]) equipment.Add(quota.integer, value);
  }
  if (rc != SQLITE_DONE) return false;

  for (int i = 0; i < 3; ++i) sums->own_costs[i] = own_costs[i].Rows(digits);
  sums->main_materials = main_materials.Rows(digits);
  sums->equipment = equipment.Rows(digits);
  return true;
}

}  // namespace ftcalc
