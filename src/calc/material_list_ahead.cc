#include "calc/material_list_ahead.h"

#include "calc/context.h"
#include "calc/item_tree.h"
#include "data/fields.h"
#include "data/schema_info.h"
#include "data/text_util.h"

namespace ftcalc {

std::string ReadMaterialSetting(EngineContext& ctx, const std::string& name, bool* found,
                                bool report_errors) {
  const std::string r = ctx.settings.LibrarySchema();
  Query query;
  ctx.db.Open(query,
              "select 内容 from " + r + ".计算设置 where 上级编号 in(select 编号 from " + r +
                  ".计算设置 where 名称='材料价格') and 名称='" + name + "'",
              report_errors);
  *found = query.is_open() && query.RecordCount() > 0;
  return *found ? Trim(FieldText(query, "内容")) : std::string();
}

bool LoadJoinedNames(EngineContext& ctx, JoinedNames* names) {
  constexpr const char* kTables[] = {"材料三材", "材料供应方", "材料标志"};
  constexpr const char* kColumns[] = {"三材", "供应方", "标志"};
  const std::string& m = ctx.settings.other_library_alias;
  // A text left in a numeric column never equals a key, so a line whose
  // key is a text joins no name.
  for (const char* column : kColumns) {
    if (!HasNumericAffinity(ctx.db, "分部分项材料明细", column)) return false;
  }
  for (int i = 0; i < 3; ++i) {
    auto& by_key = names->by_key[i];
    if (!ForEachKeyedRow(ctx.db, "select 编号,名称 from " + m + "." + kTables[i],
                         [&by_key](int64_t key, const RowReader& row) {
                           row.ValueInto(1, &by_key[key]);
                         })) {
      return false;
    }
  }
  return true;
}

MaterialGrouping* StartMaterialListAhead(EngineContext& ctx) {
  auto ahead = std::make_unique<MaterialListAhead>();
  bool found = false;
  ahead->setting = ReadMaterialSetting(ctx, "材料汇总", &found, /*report_errors=*/false);
  ahead->categories = ParseMaterialCategories(ahead->setting);
  if (!LoadJoinedNames(ctx, &ahead->names) || !ahead->standard.Load(ctx.db)) {
    ctx.handoff.DropMaterialList();
    return nullptr;
  }
  ahead->grouping = std::make_unique<MaterialGrouping>(
      ctx.db, ahead->categories, ahead->names, ahead->standard, ctx.settings.quantity_decimals);
  // The quota step's pass adds every line in rowid order.
  if (!ahead->grouping->Start(/*parents_in_order=*/true)) {
    ctx.handoff.DropMaterialList();
    return nullptr;
  }
  ctx.handoff.material_list = std::move(ahead);
  return ctx.handoff.material_list->grouping.get();
}

void FinishMaterialListAhead(EngineContext& ctx, bool took_every_line) {
  MaterialListAhead* ahead = ctx.handoff.material_list.get();
  if (ahead == nullptr) return;
  if (!took_every_line || ahead->grouping == nullptr || !ahead->grouping->ParentsConsistent()) {
    ctx.handoff.DropMaterialList();
    return;
  }
  ahead->grouping->Finish(&ahead->lines);
  ahead->grouping.reset();
  ahead->complete = true;
}

}  // namespace ftcalc
