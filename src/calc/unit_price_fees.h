// Composite unit price, total and fee columns of quota rows from their fee sheets.
#ifndef FTCALC_CALC_UNIT_PRICE_FEES_H_
#define FTCALC_CALC_UNIT_PRICE_FEES_H_

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

// Totals the caller sets with one update over exactly the rows this step
// walks: `before_statement` (setting `before`) just before the step, whose
// sheets read them, and `after_statement` (setting `after`) just after it.
struct RowTotals {
  std::vector<RowTotal> before;
  std::string before_statement;
  std::vector<RowTotal> after;
  std::string after_statement;
  int digits = 0;
  // Writes the caller leaves to the step, due before `before_statement`:
  // each row's "update 分部分项 set <column>={},... where 编号=<key>"
  // (numbers bound as ExecSqlNumbers binds them), as consecutive entries of
  // one key in the order of the statement's columns, the keys ascending.
  // Rows the step walks get them with their own write; the others are
  // written by those statements.
  struct Assignment {
    int64_t key;
    int column;  // in assignment_columns
    std::string number;
  };
  std::vector<std::string> assignment_columns;
  std::vector<Assignment> assignments;
};

// item "0": every quota row with 计算=0; otherwise the row with that 编号.
// no_detail_tags: "[编号]" for each quota without material lines.
//
// With `totals`, the rows end as if its two statements had run before and
// after the step. Where it can, the step works the totals out itself (by
// SQLite's rules, on the values the statements would read) and writes them
// with the rest of each row, one write instead of three; otherwise it runs
// the statements.
void CalculateUnitPriceFees(const std::string& item, const std::string& no_detail_tags,
                            const RowTotals* totals = nullptr);

}  // namespace ftcalc

#endif  // FTCALC_CALC_UNIT_PRICE_FEES_H_
