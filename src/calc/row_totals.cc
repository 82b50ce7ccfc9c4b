#include "calc/row_totals.h"

namespace ftcalc {

const std::vector<RowTotal>& DirectCostTotals() {
  static const std::vector<RowTotal> totals = {{"合价_人工费", "单价_人工费", "工程量"},
                                               {"合价_材料费", "单价_材料费", "工程量"},
                                               {"合价_机械费", "单价_机械费", "工程量"},
                                               {"合价_定额基价", "定额基价", "工程量"}};
  return totals;
}

const std::vector<RowTotal>& FeeTotals() {
  static const std::vector<RowTotal> totals = {{"合价_其他费用", "其他费用", "工程量"},
                                               {"合价_间接费", "间接费", "工程量"},
                                               {"合价_利润", "利润", "工程量"},
                                               {"合价_增值税", "增值税", "工程量"}};
  return totals;
}

std::string TotalsStatement(const std::vector<RowTotal>& totals, const std::string& digits,
                            const std::string& scope) {
  std::string sql = "update 分部分项 set ";
  for (size_t i = 0; i < totals.size(); ++i) {
    if (i > 0) sql += ", ";
    sql += totals[i].target + "=FtRou(" + totals[i].unit + "*" + totals[i].quantity + "," +
           digits + ")";
  }
  return sql + scope;
}

}  // namespace ftcalc
