// The grouped sums of the quota step over the material lines, read in one
// pass instead of one statement (one scan and sort) each.
//
// Each sum is "select a.主表, FtRou(total(FtRou(<line value>,d)),d) as 合计
// ... where <conditions> group by a.主表", written row by row. Here SQLite
// still works out every line's conditions and rounded value (one statement,
// the same expressions); only the grouping and adding happen in memory, in
// the order the grouped statement adds (the lines' rowid order within a
// quota, its sorter keeping equal keys in the order they came) and with the
// groups in the order it returns them (by 主表). The same pass collects what
// the step's other scans of the lines read: the quota keys the lines name,
// and the percentage lines. The pass declines (returns false) where it
// could not match: when total() does not add in row order, or when a
// contributing line's 主表 is not an INTEGER.
#ifndef FTCALC_CALC_QUOTA_LINE_SUMS_H_
#define FTCALC_CALC_QUOTA_LINE_SUMS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "calc/material_line_lookups.h"
#include "data/query.h"

namespace ftcalc {

class MaterialGrouping;

// One row of a grouped sum as the step writes it: the 主表 and 合计 number
// texts that "update ... where 编号=" receives.
struct QuotaSum {
  std::string quota;
  std::string total;
};

// A material line whose unit is "%": 主表, 上级编号, 标志, 实际量, its price and
// its unit, as the percentage sums read them.
using PercentLine = std::array<SqlValue, 6>;

struct QuotaLineSums {
  // Labour, material and machine lines of the quota's own level.
  std::vector<QuotaSum> own_costs[3];
  std::vector<QuotaSum> main_materials;  // x the quota's quantity
  std::vector<QuotaSum> equipment;
  // The quota keys that material lines name (a line's INTEGER 主表, or a
  // whole REAL one): those an INTEGER 编号 matches.
  std::unordered_set<int64_t> line_quotas;
  std::vector<PercentLine> percent_lines;  // in the lines' order
  // The rowids of the lines of an equipment-like kind (LineKinds), in their
  // order; none where the kinds were not given or a rowid was no INTEGER.
  std::optional<std::vector<int64_t>> equipment_like_lines;
};

// The sums of the whole project. `kind_conditions` are the conditions on
// a.标志 of labour, material and machine lines; `lines_from` the material
// lines a (with whatever the price and unit need); `line_price` and
// `line_unit` a line's price and unit, its own or its standard material's;
// `digits` the price decimals.
bool SumQuotaLinesInOnePass(Database& db, const std::string (&kind_conditions)[3],
                            const std::string& lines_from, const std::string& line_price,
                            const std::string& line_unit,
                            const std::string& main_material_condition,
                            const std::string& equipment_condition, int digits,
                            QuotaLineSums* sums);

// The conditions on a.标志 of the sums as the 标志 values they hold for
// (see LoadKindValues).
struct LineKinds {
  std::unordered_set<int64_t> labour, material, machine, main, equipment;
  // Every kind whose name holds 设备 (`equipment` is the first of them only):
  // with it, the pass also lists the lines the equipment summary may read.
  std::optional<std::unordered_set<int64_t>> equipment_like;
};

// The same sums, with the same guards, from the lines' own columns: each
// line's conditions, price, unit and values are worked out here by
// SQLite's rules (see value_arithmetic.h), with its standard material and
// its quota's quantity looked up by key, instead of by an expression
// SQLite evaluates per line. Declines, besides, where those rules are not
// copied: a TEXT or BLOB read as a number, a 标志 or 材料编号 that is neither
// an INTEGER nor NULL, a 上级编号 column that is not of numeric affinity.
//
// With `also`, the same lines are handed to that grouping too (one read of
// the lines for both); *also_grouped says whether it took every line (it
// stops at the first it declines, and the sums go on).
bool SumQuotaLinesFromColumns(Database& db, const LineKinds& kinds,
                              const StandardMaterials& standard,
                              const std::unordered_map<int64_t, SqlValue>& quantities,
                              int digits, QuotaLineSums* sums, MaterialGrouping* also = nullptr,
                              bool* also_grouped = nullptr);

// Drops from the own-level sums the quotas of `list` (the number texts of an
// exclusion list, comma-separated): the statements leave them out with
// "a.主表 not in(list)", which for an INTEGER 主表 is that.
void LeaveOutQuotas(const std::string& list, QuotaLineSums* sums);

}  // namespace ftcalc

#endif  // FTCALC_CALC_QUOTA_LINE_SUMS_H_
