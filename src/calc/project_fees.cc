// Evaluation of the project's fee tables (one per specialty and one for the
// project total) against the summary totals, and the project's cost.
#include "calc/project_fees.h"

#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

#include "calc/context.h"
#include "calc/fee_table.h"
#include "data/fields.h"
#include "data/number_text.h"
#include "data/text_util.h"
#include "formula/substitute.h"

namespace ftcalc {
namespace {

// A number pasted into a statement; a value that is not finite would paste
// as "inf" and break the statement, so it counts as 0.
std::string AmountLiteral(const EngineContext& ctx, double value) {
  if (!std::isfinite(value)) return "0";
  return RoundedText(ctx.settings.price_decimals, value);
}

// The rows of one fee table, in the order of `sql` (顺号, 公式 trimmed).
std::vector<FeeRow> LoadFeeRows(EngineContext& ctx, const std::string& sql) {
  Query query;
  std::vector<FeeRow> rows;
  ctx.db.Open(query, sql);
  for (query.First(); !query.Eof(); query.Next()) {
    rows.push_back({"<" + Trim(FieldText(query, "顺号")) + ">", Trim(FieldText(query, "公式"))});
  }
  return rows;
}

bool AnyFormulaContains(const std::vector<FeeRow>& rows, const std::string& text) {
  for (const FeeRow& row : rows) {
    if (Contains(row.formula, text)) return true;
  }
  return false;
}

void ReplaceInFormulas(std::vector<FeeRow>& rows, const std::string& from, const std::string& to) {
  for (FeeRow& row : rows) ReplaceAll(row.formula, from, to);
}

// "[系统:小型工程]" is the threshold 小型工程≤ when it is positive and the
// specialty's direct quota cost does not exceed it, else 0.
void ApplySmallProject(EngineContext& ctx, std::vector<FeeRow>& rows,
                       const std::string& specialty) {
  if (!AnyFormulaContains(rows, kSmallProjectMarker)) return;
  Query query;
  ctx.db.Open(query, "select 合价 from 汇总合价 where 分类='" + SqlQuoted(specialty) +
                         "' and 名称='分部分项直接定额费合计'");
  const double cost = CAtof(Trim(FieldText(query, "合价")));
  ctx.db.Open(query, "select 内容 from 工程档案 where 名称='小型工程≤'");
  const std::string threshold = Trim(FieldText(query, "内容"));
  const double limit = CAtof(threshold);
  ReplaceInFormulas(rows, kSmallProjectMarker, limit > 0 && cost <= limit ? threshold : "0");
}

// Every "[系统:名称]" of the category's summary totals becomes the total's
// amount. Rows are applied in table order, so for a repeated name the
// first row decides.
void ApplySystemValues(EngineContext& ctx, std::vector<FeeRow>& rows,
                       const std::string& category) {
  Query query;
  ctx.db.Open(query, "select 名称,合价 from 汇总合价 where 分类='" + SqlQuoted(category) + "'");
  for (query.First(); !query.Eof(); query.Next()) {
    const std::string reference = "[系统:" + Trim(FieldText(query, "名称")) + "]";
    ReplaceInFormulas(rows, reference, NumberText(CAtof(Trim(FieldText(query, "合价")))));
  }
}

// Evaluates every row and writes 计算式 (the substituted formula, row
// references kept) and 费用 back to the rows selected by `where` and the
// row's label. A repeated label takes the texts of its first row.
void EvaluateAndWriteBack(EngineContext& ctx, const std::vector<FeeRow>& rows,
                          const std::string& where) {
  KnownValues known;
  AddFirstValues(rows, known);
  const std::vector<std::string> resolved = ResolveRowReferences(rows, known);

  std::unordered_map<std::string, size_t> first_row;
  for (size_t i = 0; i < rows.size(); ++i) first_row.emplace(rows[i].name, i);

  for (const FeeRow& row : rows) {
    const size_t first = first_row[row.name];
    const std::string value = FeeFormulaValue(resolved[first]);
    // The label is the 顺号 between the name's enclosing "<" and ">".
    const std::string label = row.name.substr(1, row.name.size() - 2);
    ctx.db.Exec("update 工程取费 set 计算式='" + SqlQuoted(rows[first].formula) +
                "',费用=" + AmountLiteral(ctx, CAtof(value)) + " where " + where +
                " and trim(顺号)='" + SqlQuoted(label) + "'");
  }
}

// 工程造价 is the project-total row's 费用, 单方造价 that over the
// building area (0 without a positive area); both are written with "元".
void WriteProjectCost(EngineContext& ctx) {
  Query query;
  ctx.db.Open(query, "select 费用 from 工程取费 where 专业取费='工程总价' and 项目='工程总价'");
  double cost = CAtof(FieldText(query, "费用"));
  if (!std::isfinite(cost)) cost = 0;
  const std::string cost_text = NumberText(cost);
  ctx.db.Open(query, "select 内容 from 工程档案 where 名称='建筑面积'");
  const double area = CAtof(FieldText(query, "内容"));
  const std::string unit_cost = area > 0 ? AmountLiteral(ctx, CAtof(cost_text) / area) : "0";
  ctx.db.Exec("update 工程档案 set 内容='" + SqlQuoted(cost_text) + "元' where 名称='工程造价'");
  ctx.db.Exec("update 工程档案 set 内容='" + SqlQuoted(unit_cost) + "元' where 名称='单方造价'");
}

}  // namespace

const char kSpecialtyTablesSql[] =
    "select 编号,取费专业 from 取费索引 where 类别='专业工程' order by 排序";
const char kProjectTotalTableSql[] =
    "select 编号 from 取费索引 where 取费专业='工程总价' and 类别='工程总价'";

std::string SpecialtyRowsWhere(const std::string& key, const std::string& specialty) {
  return "主表=" + key + " and 专业取费='" + SqlQuoted(specialty) + "'";
}

std::string ProjectTotalRowsWhere(const std::string& key) { return "主表=" + key; }

std::string FeeTableRowsSql(const std::string& where) {
  return "select 顺号,项目,公式 from 工程取费 where " + where + " order by 排序";
}

void CalculateSpecialtyFees(EngineContext& ctx) {
  Query tables;
  ctx.db.Open(tables, kSpecialtyTablesSql);
  for (tables.First(); !tables.Eof(); tables.Next()) {
    const std::string specialty = FieldText(tables, "取费专业");
    const std::string where = SpecialtyRowsWhere(FieldNumberLiteral(tables, "编号"), specialty);
    std::vector<FeeRow> rows = LoadFeeRows(ctx, FeeTableRowsSql(where));
    ApplySmallProject(ctx, rows, specialty);
    ApplySystemValues(ctx, rows, specialty);
    for (FeeRow& row : rows) SubstituteRates(row.formula, -1);
    EvaluateAndWriteBack(ctx, rows, where);
  }
}

void CalculateProjectFees(EngineContext& ctx) {
  CalculateSpecialtyFees(ctx);

  Query index;
  ctx.db.Open(index, kProjectTotalTableSql);
  if (index.Eof()) return;
  const std::string where = ProjectTotalRowsWhere(FieldNumberLiteral(index, "编号"));
  std::vector<FeeRow> rows = LoadFeeRows(ctx, FeeTableRowsSql(where));
  ApplySystemValues(ctx, rows, "工程总价");
  for (FeeRow& row : rows) {
    SubstituteRates(row.formula, -1);
    SubstituteActuals(row.formula);
  }
  EvaluateAndWriteBack(ctx, rows, where);
  WriteProjectCost(ctx);
}

}  // namespace ftcalc
