// Fee sheets of a generated project: the standard unit-price sheets of the
// seven fee professions (30 lines each: direct cost from the system
// markers, the eleven measure fees, social charges, overheads, profit, VAT,
// composite unit price), the specialty sheets, the project-total sheet, and
// the own sheets of single quotas (copies of a standard sheet with the
// user's own rates, or a short five-line sheet).
#ifndef FTCALC_BENCH_PROJECTGEN_FEE_SHEETS_H_
#define FTCALC_BENCH_PROJECTGEN_FEE_SHEETS_H_

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

#include "sqlite_util.h"

namespace ftcalc::projectgen {

// Fee professions, in 取费索引 order.
enum Profession {
  kManualEarthwork,   // 人工土方
  kMachineEarthwork,  // 机械土方
  kPavement,          // 路面
  kStructureI,        // 构造物I
  kComplexBridge,     // 技术复杂大桥
  kTunnel,            // 隧道
  kSteelStructure,    // 钢材及钢结构
  kProfessionCount
};

const char* ProfessionName(int profession);

struct FeeLine {
  std::string label;    // 顺号
  std::string name;     // 项目
  std::string formula;  // 公式
  std::optional<double> rate;
  std::string rate_name;  // 费率名称 of a rate line
};

// The standard unit-price sheet of a profession. With `random`, the rates
// are varied as a user does on a quota's own copy of the sheet.
std::vector<FeeLine> UnitPriceSheet(int profession, Random* random = nullptr);

// A short own sheet: direct cost incl. main material, overheads, profit,
// VAT, composite unit price.
std::vector<FeeLine> ShortOwnSheet(Random& random);

// Writes 取费索引 and 工程取费: the unit-price sheets (编号 1-7), one
// specialty sheet per profession (8-14) and the project-total sheet (15).
void WriteStandardSheets(sqlite3* db);

// A plausible component record of a previous calculation (the 25 values
// after 主表 of 分部分项单价费率费用).
std::vector<double> PreviousComponents(Random& random, double unit_price);

}  // namespace ftcalc::projectgen

#endif  // FTCALC_BENCH_PROJECTGEN_FEE_SHEETS_H_
