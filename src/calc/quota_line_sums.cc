#include "calc/quota_line_sums.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <unordered_map>
#include <unordered_set>

#include "calc/item_tree.h"
#include "calc/material_groups.h"
#include "calc/row_pipeline.h"
#include "data/ftrou.h"
#include "data/number_text.h"
#include "data/query.h"
#include "data/row_reader.h"
#include "data/schema_info.h"
#include "data/sqlite_handle.h"
#include "data/text_util.h"
#include "data/value_arithmetic.h"

namespace ftcalc {
namespace {

// The sums of one statement: per quota, its lines' values in row order.
class GroupedSum {
 public:
  // `value` NaN stands for NULL, which total() skips; the group exists all
  // the same.
  void Add(int64_t quota, double value) {
    // A quota's lines mostly come one after the other.
    if (last_ == SIZE_MAX || groups_[last_].quota != quota) {
      auto [found, added] = index_.emplace(quota, groups_.size());
      if (added) groups_.push_back({quota, 0.0});
      last_ = found->second;
    }
    if (!std::isnan(value)) groups_[last_].total += value;
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
  size_t last_ = SIZE_MAX;  // the group added to last
};

// The conditions a line meets, as the pass's mask: the quota's own level,
// labour, material, machine, main material, equipment, unit "%".
enum Bit { kOwnLevel = 1, kLabour = 2, kMaterial = 4, kMachine = 8, kMain = 16,
           kEquipment = 32, kPercent = 64 };

// The five grouped sums, fed line by line in row order.
class LineSums {
 public:
  explicit LineSums(int digits) : digits_(digits) {}

  // A line of quota `quota` meeting `flags`, whose value is `value` (price
  // x 实际量) and, for a main material, `main_value` (that x the quota's
  // quantity). False where the statements must decide.
  bool Add(const SqlValue& quota, int64_t flags, const SqlValue& value,
           const SqlValue& main_value) {
    const bool own_level = (flags & kOwnLevel) != 0;
    const bool holds[5] = {own_level && (flags & kLabour), own_level && (flags & kMaterial),
                           own_level && (flags & kMachine), (flags & kMain) != 0,
                           (flags & kEquipment) != 0};
    if (!(holds[0] || holds[1] || holds[2] || holds[3] || holds[4])) return true;
    if (quota.type() != SQLITE_INTEGER) return false;
    if (holds[0] || holds[1] || holds[2] || holds[4]) {
      double rounded = 0;
      if (!FtRouOfValue(value, digits_, &rounded)) return false;
      for (int i = 0; i < 3; ++i) {
        if (holds[i]) own_costs_[i].Add(quota.integer(), rounded);
      }
      if (holds[4]) equipment_.Add(quota.integer(), rounded);
    }
    if (holds[3]) {
      double rounded = 0;
      if (!FtRouOfValue(main_value, digits_, &rounded)) return false;
      main_materials_.Add(quota.integer(), rounded);
    }
    return true;
  }

  void Finish(QuotaLineSums* sums) {
    for (int i = 0; i < 3; ++i) sums->own_costs[i] = own_costs_[i].Rows(digits_);
    sums->main_materials = main_materials_.Rows(digits_);
    sums->equipment = equipment_.Rows(digits_);
  }

 private:
  int digits_;
  GroupedSum own_costs_[3];
  GroupedSum main_materials_;
  GroupedSum equipment_;
};

// "编号 not in(select 主表 ...)": an INTEGER key equals an INTEGER or a whole
// REAL, never a text.
void NoteQuota(const SqlValue& quota, QuotaLineSums* sums) {
  int64_t key = 0;
  if (IntegerKey(quota, &key)) sums->line_quotas.insert(key);
}

// A unit is "%" only as that exact text: a number or blob never equals it.
bool IsPercentUnit(const SqlValue& unit) { return unit.type() == SQLITE_TEXT && unit.text() == "%"; }

}  // namespace

bool SumQuotaLinesInOnePass(Database& db, const std::string (&kind_conditions)[3],
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
  if (!db.TryPrepare(stmt, sql)) return false;

  LineSums line_sums(digits);
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    const RowReader row(stmt);
    const SqlValue quota = row.Value(0);
    NoteQuota(quota, sums);
    const int64_t flags = row.Integer(1);
    if (flags & kPercent) {
      PercentLine line;
      line[0] = quota;
      for (int i = 1; i < 6; ++i) line[i] = row.Value(3 + i);
      sums->percent_lines.push_back(std::move(line));
    }
    if (!line_sums.Add(quota, flags, row.Value(2), row.Value(3))) return false;
  }
  if (rc != SQLITE_DONE) return false;
  line_sums.Finish(sums);
  return true;
}

bool SumQuotaLinesFromColumns(Database& db, const LineKinds& kinds,
                              const StandardMaterials& standard,
                              const std::unordered_map<int64_t, SqlValue>& quantities,
                              int digits, QuotaLineSums* sums, MaterialGrouping* also,
                              bool* also_grouped) {
  if (!TotalAddsInRowOrder()) return false;
  if (!ComparesAsStored(db, "分部分项材料明细", "上级编号")) return false;
  Statement stmt;
  if (!db.TryPrepare(stmt, MaterialLinesSelect())) return false;
  const std::unordered_set<int64_t>* kind_sets[] = {&kinds.labour, &kinds.material,
                                                    &kinds.machine, &kinds.main,
                                                    &kinds.equipment};
  LineSums line_sums(digits);
  if (kinds.equipment_like) sums->equipment_like_lines.emplace();
  // One line of the sums, in rowid order; false where the statements must
  // decide.
  auto sum_line = [&](const MaterialLine& line) {
    const SqlValue& quota = line.quota;
    NoteQuota(quota, sums);
    int64_t flags = EqualsZeroInNumericColumn(line.level) ? kOwnLevel : 0;
    if (line.kind.type() == SQLITE_INTEGER) {
      for (int i = 0; i < 5; ++i) {
        if (kind_sets[i]->count(line.kind.integer()) > 0) flags |= int64_t{2} << i;
      }
      if (sums->equipment_like_lines && kinds.equipment_like->count(line.kind.integer()) > 0) {
        if (line.row_key.type() == SQLITE_INTEGER) {
          sums->equipment_like_lines->push_back(line.row_key.integer());
        } else {
          sums->equipment_like_lines.reset();
        }
      }
    } else if (line.kind.type() != SQLITE_NULL) {
      return false;
    }

    // The standard material, read only where the line lacks its own unit
    // or price, as the subqueries are.
    const StandardMaterial* found = nullptr;
    bool looked_up = false;
    auto standard_row = [&]() -> bool {
      if (!looked_up) {
        bool decided = false;
        found = standard.Find(line.material_key, &decided);
        if (!decided) return false;
        looked_up = true;
      }
      return true;
    };
    // "a.单位 is null or a.单位=''" picks the standard material's unit.
    const bool own_unit = !line.unit.is_null() &&
                          !(line.unit.type() == SQLITE_TEXT && line.unit.text().empty());
    bool percent = false;
    if (own_unit) {
      percent = IsPercentUnit(line.unit);
    } else {
      if (!standard_row()) return false;
      percent = found != nullptr && IsPercentUnit(found->unit);
    }
    if (percent) flags |= kPercent;
    const bool counts = (flags & (kLabour | kMaterial | kMachine | kMain | kEquipment)) != 0 &&
                        ((flags & kOwnLevel) != 0 || (flags & (kMain | kEquipment)) != 0);
    if (!counts && !percent) return true;

    // The price: a positive market price, else a non-zero own price, else
    // the standard material's.
    static const SqlValue kNull;
    const SqlValue* price = &line.market_price;
    const RealSign market_sign = SignOfReal(line.market_price);
    if (market_sign == RealSign::kUndecided) return false;
    if (market_sign != RealSign::kPositive) {
      const RealSign own_sign = SignOfReal(line.own_price);
      if (own_sign == RealSign::kUndecided) return false;
      if (own_sign == RealSign::kPositive || own_sign == RealSign::kNegative) {
        price = &line.own_price;
      } else {
        if (!standard_row()) return false;
        price = found != nullptr ? &found->price : &kNull;
      }
    }
    if (percent) {
      const SqlValue& unit = own_unit ? line.unit : found != nullptr ? found->unit : kNull;
      sums->percent_lines.push_back({quota, line.level, line.kind, line.amount, *price, unit});
    }
    SqlValue value;
    if (!MultiplyValues(*price, line.amount, &value)) return false;
    SqlValue main_value;
    if (flags & kMain) {
      // The quota's quantity, by its INTEGER key (any other 主表 declines
      // below, as it does in the statement's pass).
      if (quota.type() != SQLITE_INTEGER) return false;
      auto row = quantities.find(quota.integer());
      const SqlValue* quantity = row != quantities.end() ? &row->second : &kNull;
      if (!MultiplyValues(value, *quantity, &main_value)) return false;
    }
    return line_sums.Add(quota, flags, value, main_value);
  };

  // The lines are read here and summed (and, with `also`, grouped) on
  // another thread meanwhile. A grouping that declines stops taking lines;
  // the sums go on.
  bool grouping = also != nullptr;
  auto read = [](const RowReader& row, MaterialLine* line) {
    ReadMaterialLine(row, line);
    return RowRead::kKeep;
  };
  auto work = [&](const std::vector<MaterialLine>& chunk) {
    for (const MaterialLine& line : chunk) {
      if (!sum_line(line)) return false;
      if (grouping && !also->Add(line)) grouping = false;
    }
    return true;
  };
  if (!PipelineRows<MaterialLine>(stmt, 4096, read, work)) return false;
  line_sums.Finish(sums);
  if (also_grouped != nullptr) *also_grouped = grouping;
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
