#include "calc/material_prices.h"

#include "calc/context.h"
#include "calc/fast_path.h"
#include "calc/material_list_ahead.h"
#include "data/fields.h"
#include "data/text_util.h"

namespace ftcalc {

void BuildMaterialPrices(EngineContext& ctx) {
  const bool done =
      TryFastPath(ctx, "材料价格", [&] { return BuildMaterialPricesFast(ctx); });
  // Lines worked out ahead serve this step once.
  ctx.handoff.DropMaterialList();
  if (!done) BuildMaterialPricesPlain(ctx);
}

std::string CategoryRowSelect(const MaterialCategory& category) {
  return "select 编号 from 材料价格 where 上级编号<>-2 and 标志='分类' and 名称='" +
         SqlQuoted("◆" + category.name + "◆") + "' ";
}

// Lines sorted by code and name; rows that tie there come in the order of
// the other grouped columns.
std::string CategoryInsertStatement(const std::string& k, const std::string& quantity_digits,
                                    const std::vector<std::string>& part_selects) {
  std::string sql =
      "insert into 材料价格(上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,"
      "标志) SELECT " +
      k + ",t.编码,t.名称,t.单位,FtRou(total(t.数量)," + quantity_digits +
      ") as 数量, t.基价,(case when t.信息价 is null then 0 else t.信息价 end),"
      "t.增值税率,t.三材,t.供应方,t.标志 FROM( ";
  for (size_t i = 0; i < part_selects.size(); ++i) {
    if (i > 0) sql += " union all ";
    sql += part_selects[i];
  }
  sql += " ) as t ";
  sql += " GROUP BY t.编码, t.名称, t.单位, t.基价, t.信息价,t.增值税率, t.三材, t.供应方, t.标志";
  sql += " ORDER BY t.编码, t.名称, t.单位, t.基价, t.信息价, t.增值税率, t.三材, t.供应方, t.标志";
  return sql;
}

const std::vector<MatchColumn>& MaterialIdentity() {
  static const std::vector<MatchColumn> columns = {
      {"编码", MatchKind::kText},   {"名称", MatchKind::kText},     {"单位", MatchKind::kText},
      {"基价", MatchKind::kNumber}, {"信息价", MatchKind::kNumber}, {"供应方", MatchKind::kText},
      {"标志", MatchKind::kText},   {"三材", MatchKind::kClass}};
  return columns;
}

const char kPreviousMaterialLines[] =
    "select * from 材料价格 where 上级编号=-2 and 标志<>'分类' and 标志<>'合计' order by 排序,编号";

std::string CarriedAssignments(const Query& previous, const std::vector<CarriedColumn>& columns) {
  std::string assignments;
  for (const CarriedColumn& column : columns) {
    if (!assignments.empty()) assignments += ",";
    assignments += column.name + "=" +
                   CarriedValue(previous, column.name,
                                column.as_number ? CarryKind::kNumber : CarryKind::kText);
  }
  return assignments;
}

std::vector<std::string> SkippedOnCarry(const Query& previous) {
  if (FieldNumber(previous, "增值税率") > 0) return {"信息价"};
  return {};
}

void FinishMaterialPrices(EngineContext& ctx) {
  Database& db = ctx.db;
  const std::string d = ctx.settings.PriceDigits();
  db.Exec("delete from 材料价格 where 上级编号=-2");
  ProcessMessages(ctx);

  // Lines with VAT get the price net of tax as information price.
  db.Exec("update 材料价格 set 信息价=FtRou(基价/(1+增值税率/100.0)," + d +
          ") where cast(增值税率 as real)>0");
  ProcessMessages(ctx);
  db.Exec("update 材料价格 set 含税合价=FtRou(基价*数量," + d + ") where 标志 not in('分类','合计')");
  ProcessMessages(ctx);

  // Without a list of kinds to leave out, every row gets its difference
  // and amount.
  bool found = false;
  const std::string excluded = ReadMaterialSetting(ctx, "不算价差", &found);
  std::string sql =
      "update 材料价格 set 价差=FtRou((case when cast(信息价 as real)<>0 then "
      "(信息价-基价)*数量 else 0 end)," +
      d + "), 合价=FtRou((case when cast(信息价 as real)<>0 then 信息价 else 基价 end)*数量," + d +
      ")";
  if (!excluded.empty()) sql += " where  标志 not in(" + excluded + ")";
  db.Exec(sql);
  ProcessMessages(ctx);

  // Each category row gets the sums of its lines.
  Query categories;
  Query sums;
  db.Open(categories, "select 编号 from 材料价格 where 标志='分类'");
  for (categories.First(); !categories.Eof(); categories.Next()) {
    const std::string id = FieldNumberLiteral(categories, "编号");
    db.Open(sums, "select FtRou(total(价差)," + d + ") as 价差, FtRou(total(合价)," + d +
                      ") as 合价, FtRou(total(含税合价)," + d +
                      ") as 含税合价 from 材料价格 where 上级编号=" + id);
    db.Exec("update 材料价格 set 价差=" + FieldNumberLiteral(sums, "价差") +
            ", 合价=" + FieldNumberLiteral(sums, "合价") +
            ", 含税合价=" + FieldNumberLiteral(sums, "含税合价") + " where 编号=" + id);
  }
  ProcessMessages(ctx);
  db.Exec(
      "Insert into 材料价格(上级编号,名称,标志,价差,合价,含税合价) select 0,'#### 合 计 "
      "####','合计',"
      "FtRou(total(价差)," +
      d + ") as 价差, FtRou(total(合价)," + d + ") as 合价, FtRou(total(含税合价)," + d +
      ") as 含税合价 from 材料价格 where 标志='分类'");
  ProcessMessages(ctx);
  db.Exec("update 材料价格 set 排序=编号");
}

}  // namespace ftcalc
