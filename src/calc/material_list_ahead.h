// The material list's category lines worked out ahead, in the quota step's
// pass over the material lines (one read of the lines for both steps).
//
// They hold only while nothing they were grouped from changes in between:
// the quota rows' 工程量, 标志, 编码 and 名称 (which a fee sheet may write),
// the material lines, the library and the settings (which no step writes).
// So: the quota step's fast path fills EngineContext::handoff.material_list;
// the fee sheets drop it when one writes one of those columns; the material
// list step's fast path takes it when the 材料汇总 setting reads the same.
#ifndef FTCALC_CALC_MATERIAL_LIST_AHEAD_H_
#define FTCALC_CALC_MATERIAL_LIST_AHEAD_H_

#include <memory>
#include <string>
#include <vector>

#include "calc/material_categories.h"
#include "calc/material_groups.h"
#include "calc/material_line_lookups.h"

namespace ftcalc {

class EngineContext;

struct MaterialListAhead {
  std::string setting;  // 材料汇总, as read when started
  std::vector<MaterialCategory> categories;
  JoinedNames names;
  StandardMaterials standard;
  std::unique_ptr<MaterialGrouping> grouping;  // while the lines are fed
  bool complete = false;                       // every line was taken
  std::vector<std::vector<MaterialGroup>> lines;  // per category, once complete
};

// The trimmed 内容 of the library's 材料价格 setting `name`; *found is
// false when there is no such row.
std::string ReadMaterialSetting(EngineContext& ctx, const std::string& name, bool* found,
                                bool report_errors = true);

// The class, supplier and kind names of the other library by key, when
// each of their keys names one row and the lines hold their keys in
// numeric columns; false otherwise (the statements join them then).
bool LoadJoinedNames(EngineContext& ctx, JoinedNames* names);

// Prepares the grouping in ctx.handoff.material_list and returns it to be
// fed the lines; nullptr (and nothing kept) when it cannot be done.
MaterialGrouping* StartMaterialListAhead(EngineContext& ctx);
// Keeps the lines when the grouping took every one, else drops them.
void FinishMaterialListAhead(EngineContext& ctx, bool took_every_line);

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_LIST_AHEAD_H_
