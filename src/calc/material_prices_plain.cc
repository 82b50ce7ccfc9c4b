// The material price list by its plain statements.
#include <string>
#include <vector>

#include "calc/carry_over.h"
#include "calc/context.h"
#include "calc/material_categories.h"
#include "calc/material_list_ahead.h"
#include "calc/material_prices.h"
#include "data/fields.h"
#include "data/text_util.h"

namespace ftcalc {

void BuildMaterialPricesPlain(EngineContext& ctx) {
  Database& db = ctx.db;
  const std::string qd = ctx.settings.QuantityDigits();
  bool found = false;

  db.Exec("update 材料价格 set 上级编号=-2");
  // Each category: its row of this build (made when missing), then one
  // grouped insert of its parts' lines. A category none of whose parts has
  // a flag gets an insert without a sub-select, which fails visibly.
  Query query;
  for (const MaterialCategory& category :
       ParseMaterialCategories(ReadMaterialSetting(ctx, "材料汇总", &found))) {
    ProcessMessages(ctx);
    db.Open(query, CategoryRowSelect(category));
    if (query.RecordCount() == 0) {
      db.Exec("Insert into 材料价格(上级编号,名称,标志) values(0,'" +
              SqlQuoted("◆" + category.name + "◆") + "','分类')");
    }
    db.Open(query, CategoryRowSelect(category));
    // Without its row (its insert failed, and said so) the category gets
    // no lines.
    if (query.RecordCount() == 0) continue;
    std::vector<std::string> parts;
    for (const CategoryPart& part : category.parts) {
      parts.push_back(CategoryPartSelect(part, qd, ctx.settings.other_library_alias));
    }
    db.Exec(CategoryInsertStatement(FieldNumberLiteral(query, "编号"), qd, parts));
  }

  // The user's columns go from each previous line to the new lines with
  // the same identity, compared NULL-safely.
  const std::vector<CarriedColumn> carried =
      ParseCarriedColumns(ReadMaterialSetting(ctx, "恢复数据", &found));
  if (!carried.empty()) {
    Query previous;
    db.Open(previous, kPreviousMaterialLines);
    for (previous.First(); !previous.Eof(); previous.Next()) {
      ProcessMessages(ctx);
      db.Exec("update 材料价格 set " + CarriedAssignments(previous, carried) + " where " +
              CarryOverConditions(MaterialIdentity(), previous, SkippedOnCarry(previous)));
    }
  }
  FinishMaterialPrices(ctx);
}

}  // namespace ftcalc
