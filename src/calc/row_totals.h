// The totals the quota step sets around the fee sheets: of the direct
// costs before them (the sheets read those), of four fee columns after.
// Each is "update 分部分项 set <target>=FtRou(<unit>*<quantity>,<digits>),...
// <scope>".
#ifndef FTCALC_CALC_ROW_TOTALS_H_
#define FTCALC_CALC_ROW_TOTALS_H_

#include <cstdint>
#include <string>
#include <vector>

namespace ftcalc {

// A total of a quota row: target = FtRou(unit * quantity, digits).
struct RowTotal {
  std::string target;
  std::string unit;
  std::string quantity;
};

// 合价_人工费, 合价_材料费, 合价_机械费, 合价_定额基价.
const std::vector<RowTotal>& DirectCostTotals();
// 合价_其他费用, 合价_间接费, 合价_利润, 合价_增值税.
const std::vector<RowTotal>& FeeTotals();
// The update that sets `totals` over `scope` (a where clause).
std::string TotalsStatement(const std::vector<RowTotal>& totals, const std::string& digits,
                            const std::string& scope);

// What the quota step's fast path hands to the fee sheets' fast path:
// totals the caller would set with one update over exactly the rows the
// fee step walks, `before_statement` (setting `before`) just before the
// step and `after_statement` (setting `after`) just after it.
struct RowTotals {
  std::vector<RowTotal> before;
  std::string before_statement;
  std::vector<RowTotal> after;
  std::string after_statement;
  int digits = 0;
  // Writes the caller leaves to the step, due before `before_statement`:
  // each row's "update 分部分项 set <column>={},... where 编号=<key>"
  // (numbers bound as Database::ExecNumbers binds them), as consecutive
  // entries of one key in the order of the statement's columns, the keys
  // ascending. Rows the step walks get them with their own write; the
  // others are written by those statements.
  struct Assignment {
    int64_t key;
    int column;  // in assignment_columns
    std::string number;
  };
  std::vector<std::string> assignment_columns;
  std::vector<Assignment> assignments;
};

}  // namespace ftcalc

#endif  // FTCALC_CALC_ROW_TOTALS_H_
