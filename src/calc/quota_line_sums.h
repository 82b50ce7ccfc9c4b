// The grouped sums of the quota step over the material lines, read in one
// pass instead of one statement (one scan and sort) each.
//
// Each sum is "select a.主表, FtRou(total(FtRou(<line value>,d)),d) as 合计
// ... where <conditions> group by a.主表", written row by row. Here SQLite
// still works out every line's conditions and rounded value (one statement,
// the same expressions); only the grouping and adding happen in memory, in
// the order the grouped statement adds (the lines' rowid order within a
// quota, its sorter keeping equal keys in the order they came) and with the
// groups in the order it returns them (by 主表). The pass declines (returns
// false) where it could not match: when total() does not add in row order,
// or when a contributing line's 主表 is not an INTEGER.
#ifndef FTCALC_CALC_QUOTA_LINE_SUMS_H_
#define FTCALC_CALC_QUOTA_LINE_SUMS_H_

#include <string>
#include <vector>

namespace ftcalc {

// One row of a grouped sum as the step writes it: the 主表 and 合计 number
// texts that "update ... where 编号=" receives.
struct QuotaSum {
  std::string quota;
  std::string total;
};

struct QuotaLineSums {
  // Labour, material and machine lines of the quota's own level, quotas in
  // `exclusion_list` left out.
  std::vector<QuotaSum> own_costs[3];
  std::vector<QuotaSum> main_materials;  // x the quota's quantity
  std::vector<QuotaSum> equipment;
};

// The sums of the whole project. `kind_conditions` are the conditions on
// a.标志 of labour, material and machine lines; `digits` the price decimals.
bool SumQuotaLinesInOnePass(const std::string& exclusion_list,
                            const std::string (&kind_conditions)[3], const std::string& line_price,
                            const std::string& main_material_condition,
                            const std::string& equipment_condition, int digits,
                            QuotaLineSums* sums);

}  // namespace ftcalc

#endif  // FTCALC_CALC_QUOTA_LINE_SUMS_H_
