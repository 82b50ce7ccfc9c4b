// The material price list's fast path: the category lines worked out in
// one pass over the material lines (or taken from the quota step, which
// worked them out ahead) and inserted row by row; the carry-over updates
// restricted to their candidate rows.
#include <string>
#include <vector>

#include "calc/carry_over.h"
#include "calc/context.h"
#include "calc/material_categories.h"
#include "calc/material_groups.h"
#include "calc/material_list_ahead.h"
#include "calc/material_prices.h"
#include "data/fields.h"
#include "data/schema_info.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

// The lines of every category, worked out here: ahead by the quota step,
// or from the lines' own columns, or from the joined lines as SQLite gives
// them. False when none of them can be sure to match the inserts.
bool GroupedLines(EngineContext& ctx, const std::vector<MaterialCategory>& categories,
                  const std::string& setting, std::vector<std::vector<MaterialGroup>>* grouped) {
  MaterialListAhead* ahead = ctx.handoff.material_list.get();
  if (ahead != nullptr && ahead->complete && ahead->setting == setting &&
      ahead->lines.size() == categories.size()) {
    *grouped = std::move(ahead->lines);
    return true;
  }
  JoinedNames names;
  const bool names_by_key = LoadJoinedNames(ctx, &names);
  StandardMaterials standard;
  if (names_by_key && standard.Load(ctx.db) &&
      GroupMaterialLinesFromColumns(ctx.db, categories, names, standard,
                                    ctx.settings.quantity_decimals, grouped)) {
    return true;
  }
  grouped->clear();
  return GroupMaterialLines(
      ctx.db, categories,
      GatheredLinesSelect(ctx.settings.QuantityDigits(), ctx.settings.other_library_alias,
                          IsIntegerKeyColumn(ctx.db, "定额材料明细", "编号"), !names_by_key),
      names_by_key ? &names : nullptr, grouped);
}

}  // namespace

bool BuildMaterialPricesFast(EngineContext& ctx) {
  Database& db = ctx.db;
  bool found = false;
  if (db.Exec("update 材料价格 set 上级编号=-2") < 0) return false;
  const std::string setting = ReadMaterialSetting(ctx, "材料汇总", &found);
  const std::vector<MaterialCategory> categories = ParseMaterialCategories(setting);
  // A category without a usable part makes the plain insert fail: the plain
  // statements report that.
  for (const MaterialCategory& category : categories) {
    if (category.parts.empty()) return false;
  }
  std::vector<std::vector<MaterialGroup>> grouped;
  if (!categories.empty() && !GroupedLines(ctx, categories, setting, &grouped)) return false;

  Query query;
  for (size_t i = 0; i < categories.size(); ++i) {
    ProcessMessages(ctx);
    if (!db.Open(query, CategoryRowSelect(categories[i]))) return false;
    if (query.RecordCount() == 0 &&
        db.Exec("Insert into 材料价格(上级编号,名称,标志) values(0,'" +
                SqlQuoted("◆" + categories[i].name + "◆") + "','分类')") < 0) {
      return false;
    }
    if (!db.Open(query, CategoryRowSelect(categories[i])) || query.RecordCount() == 0) {
      return false;
    }
    int64_t k = 0;
    if (query.Value(0).type() != SQLITE_INTEGER) return false;
    k = query.Value(0).integer();
    if (!InsertMaterialGroups(db, grouped[i], k, ctx.settings.quantity_decimals)) return false;
  }

  const std::vector<CarriedColumn> carried =
      ParseCarriedColumns(ReadMaterialSetting(ctx, "恢复数据", &found));
  if (!carried.empty()) {
    std::vector<std::string> assigned;
    for (const CarriedColumn& column : carried) assigned.push_back(column.name);
    Query previous;
    if (!db.Open(previous, kPreviousMaterialLines)) return false;
    if (previous.RecordCount() > 0) {
      CarryOver carry(db, "材料价格", MaterialIdentity());
      if (!carry.LoadNewRows()) return false;
      for (previous.First(); !previous.Eof(); previous.Next()) {
        ProcessMessages(ctx);
        if (!carry.Apply(previous, CarriedAssignments(previous, carried), assigned,
                         SkippedOnCarry(previous))) {
          return false;
        }
      }
    }
  }
  FinishMaterialPrices(ctx);
  return true;
}

}  // namespace ftcalc
