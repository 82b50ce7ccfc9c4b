// Rebuild of 汇总合价: the seven chapter equipment rows (bill-of-quantities
// pricing only) and the totals that the library configures as statements.
#include "calc/summary_totals.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calc/context.h"
#include "calc/fast_path.h"
#include "calc/material_kinds.h"
#include "data/fields.h"
#include "data/number_text.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

// One configured total: a statement with "单价取费=[]" gives one row per
// specialty profession, any other statement one 工程总价 row.
void RunConfiguredStatement(EngineContext& ctx, const std::string& name,
                            const std::string& statement, ProfessionSums* sums) {
  Query query;
  if (!Contains(statement, kPerProfessionPlaceholder)) {
    ctx.db.Open(query, statement);
    InsertTotal(ctx, "工程总价", name, FieldNumber(query, "合价"));
    return;
  }
  Query professions;
  ctx.db.Open(professions, "select 取费专业 from 取费索引 where 类别='专业工程' order by 排序");
  std::vector<std::string> names;
  for (professions.First(); !professions.Eof(); professions.Next()) {
    names.push_back(FieldText(professions, "取费专业"));
  }
  if (TryFastPath(ctx, "汇总合价",
                  [&] { return InsertProfessionTotalsFast(ctx, name, statement, names, sums); })) {
    return;
  }
  for (const std::string& profession : names) {
    std::string sql = statement;
    ReplaceAll(sql, kPerProfessionPlaceholder, "单价取费='" + SqlQuoted(profession) + "'");
    ctx.db.Open(query, sql);
    InsertTotal(ctx, profession, name, FieldNumber(query, "合价"));
  }
}

// Every configured total, under every pricing method.
void BuildConfiguredTotals(EngineContext& ctx) {
  const std::string library = ctx.settings.LibrarySchema();
  Query settings;
  ctx.db.Open(settings, "select 名称,内容 from " + library +
                            ".计算设置 where 上级编号 in(select 编号 from " + library +
                            ".计算设置 where 名称='汇总合价')");
  std::vector<std::pair<std::string, std::string>> totals;  // name, statement
  for (settings.First(); !settings.Eof(); settings.Next()) {
    const std::string name = Trim(FieldText(settings, "名称"));
    for (const std::string& line : SplitLines(Trim(FieldText(settings, "内容")))) {
      if (line.empty()) continue;
      std::string statement = StatementOfLine(line, ctx.settings.pricing_method);
      if (!statement.empty()) totals.emplace_back(name, std::move(statement));
    }
  }
  // One pass serves every total: no insert into 汇总合价 changes what a
  // later total reads (a trigger, which could, keeps the fast paths away).
  ProfessionSums shared;
  std::vector<std::string> columns;
  for (const auto& total : totals) {
    std::string column = ProfessionTotalColumn(total.second);
    if (!column.empty()) columns.push_back(std::move(column));
  }
  shared.set_ahead(std::move(columns));
  for (const auto& [name, statement] : totals) {
    RunConfiguredStatement(ctx, name, statement, &shared);
  }
}

}  // namespace

bool InsertTotal(EngineContext& ctx, const std::string& category, const std::string& name,
                 double value) {
  return ctx.db.Exec("insert into 汇总合价(分类,名称,合价) values ('" + SqlQuoted(category) +
                     "','" + SqlQuoted(name) + "'," + AmountLiteral(ctx, value) + ")") >= 0;
}

std::string StatementOfLine(const std::string& line, const std::string& method) {
  const size_t semicolon = line.find(';');
  if (semicolon == std::string::npos) return line;
  const std::string prefix = line.substr(0, semicolon);
  if (prefix != method && prefix != "工程总价") return std::string();
  const size_t end = line.find(';', semicolon + 1);
  return line.substr(semicolon + 1,
                     end == std::string::npos ? std::string::npos : end - semicolon - 1);
}

std::string AmountLiteral(const EngineContext& ctx, double value) {
  if (!std::isfinite(value)) return "0";
  return RoundedText(ctx.settings.price_decimals, value);
}

const char* const kChapterMarks[kChapterCount] = {"第100", "第200", "第300", "第400",
                                                  "第500", "第600", "第700"};

std::string ChapterRowName(int chapter) {
  return std::string(kChapterMarks[chapter]) + "章 设备费";
}

void InsertChapterRows(EngineContext& ctx) {
  for (int chapter = 0; chapter < kChapterCount; ++chapter) {
    ctx.db.Exec("insert into 汇总合价(分类,名称,合价) values ('工程总价','" +
                ChapterRowName(chapter) + "',0)");
  }
}

const char kEquipmentQuotasSelect[] =
    "select 编号,标志,名称,工程量 from 分部分项 where (标志='定额' and cast(设备费 as real)<>0) "
    "or 名称 like '%00章 %' order by 排序";

bool StartsChapter(const Query& rows) {
  if (FieldText(rows, "标志") == "定额") return false;
  const std::string name = FieldText(rows, "名称");
  return Contains(name, "第") && Contains(name, "00章 ");
}

int ChapterOf(const std::string& chapter) {
  for (int i = 0; i < kChapterCount; ++i) {
    if (Contains(chapter, kChapterMarks[i])) return i;
  }
  return -1;
}

std::string ChapterRowUpdate(int chapter, const std::string& amount) {
  return "update 汇总合价 set 合价=" + amount + " where 分类='工程总价' and 名称='" +
         ChapterRowName(chapter) + "'";
}

std::string LinePrice() { return LinePriceSql("b.基价"); }

void BuildSummaryTotals(EngineContext& ctx) {
  ctx.db.Exec("delete from 汇总合价");
  if (ctx.settings.bill_pricing() &&
      !TryFastPath(ctx, "汇总合价", [&] { return BuildChapterEquipmentFast(ctx); })) {
    BuildChapterEquipmentPlain(ctx);
  }
  BuildConfiguredTotals(ctx);
}

}  // namespace ftcalc
