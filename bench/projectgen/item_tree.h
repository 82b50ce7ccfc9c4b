// The item tree (分部分项) of a generated project, built in memory before
// anything is written: seven chapter headings 第100章 … 第700章 with nested
// sections up to four heading levels (级1 … 级4), bill items under the
// innermost headings, quota items under the bill items (and directly under
// a few mixed sections), and description rows. The general chapter has the
// fixed shape of a real bid: insurance and environment items by percentage,
// fixed amounts, the safety production fee, an item priced by its own fee
// lines and one by quotas.
#ifndef FTCALC_BENCH_PROJECTGEN_ITEM_TREE_H_
#define FTCALC_BENCH_PROJECTGEN_ITEM_TREE_H_

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sqlite_util.h"

namespace ftcalc::projectgen {

struct TreeRow {
  int parent = -1;   // index of the parent row; -1 at the top
  std::string flag;  // 标志: 级1, 级2, 级3, 项, 定额, 描述
  std::string name;
  std::string code;  // empty: NULL
  double quantity = 0;
  std::optional<std::string> note;  // 附注信息
  int calculated = 0;               // 计算
  int chapter = 1;                  // 1 for 第100章 … 7 for 第700章
  bool entered_late = false;        // 编号 after every other row

  // Quota rows.
  int profession = -1;         // 单价取费 (fee profession index)
  double budget = 0;           // the quota's quantity is sized to cost about this
  bool without_lines = false;  // no material lines: unit costs as typed in
  bool main_material = false;  // has a main-material line
  bool equipment = false;      // has equipment lines
  int own_sheet = 0;           // 0 standard sheet, 1 own copy, 2 short own sheet
  // The same quota as an earlier one (code, name, fee profession, material
  // lines, prices, own sheet), under another bill item: index of that row,
  // -1 for none. Only rows with may_repeat are repeated.
  int repeat_of = -1;
  bool may_repeat = false;

  // Bill items priced by their own fee lines (项目, 费用), no formulas.
  std::vector<std::pair<std::string, double>> fee_lines;

  int id = 0;  // 编号, assigned by NumberRows
};

struct TreeShape {
  int items = 2000;
  double quotas_per_item = 10;
  int headings = 500;
  int heading_levels = 3;  // 1 (chapters only) to 4 (级1 … 级4)
  int descriptions = 0;    // 描述 rows, spread over the headings
  double own_sheet_share = 0.1;
  double repeat_share = 0;  // quotas that repeat an earlier quota of their chapter
};

// Rows in display order (排序 is the position). Counts are met exactly for
// items, descriptions and headings (with a floor of what the fixed shape
// needs; with one heading level there are only the chapters and the general
// chapter's sections); the number of quotas is items × quotas_per_item,
// give or take the few fixed ones of the general chapter and the mixed
// sections.
std::vector<TreeRow> BuildItemTree(const TreeShape& shape, Random& random);

// Assigns 编号: display order, except rows entered late, which come after
// all others.
void NumberRows(std::vector<TreeRow>& rows);

}  // namespace ftcalc::projectgen

#endif  // FTCALC_BENCH_PROJECTGEN_ITEM_TREE_H_
