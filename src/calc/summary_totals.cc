// Rebuild of 汇总合价: the seven chapter equipment rows (bill-of-quantities
// pricing only) and the totals that the library configures as statements.
#include "calc/summary_totals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/number_text.h"
#include "data/sql_exec.h"
#include "data/text_util.h"
#include "entry/engine_state.h"

namespace ftcalc {
namespace {

// Chapter marks, in the order in which a heading is tested against them;
// the chapter's row is named mark + "章 设备费".
constexpr const char* kChapterMarks[] = {"第100", "第200", "第300", "第400",
                                         "第500", "第600", "第700"};
constexpr int kChapterCount = 7;

// Per-quota quantity literals for the grouped equipment query. A temporary
// table of this connection only: nothing of it reaches the project file.
constexpr char kQuantityTable[] = "temp.ftcalc_equipment_quantity";
constexpr char kCreateQuantityTable[] =
    "create temp table ftcalc_equipment_quantity(编号 integer primary key, 工程量)";

// Rows per insert into the quantity table (SQLite's compound-select limit).
constexpr size_t kInsertChunk = 500;

struct EquipmentQuota {
  int64_t key = 0;
  std::string number;    // 编号 as pasted
  std::string quantity;  // 工程量 as pasted (a number literal)
};

// The amount literal of a total: rounded to the price decimals; a value
// that is not finite would paste as "inf" and break the insert, so it
// counts as 0 like any other unreadable number.
std::string AmountLiteral(double value) {
  if (!std::isfinite(value)) return "0";
  return RoundedText(Engine().price_decimals, value);
}

// Equipment amount of every quota in `quotas`, by 编号.
//
// The amount of one quota n of quantity text q is, by definition, 合计 of
//   select FtRou(total(FtRou(<price> * a.实际量 * q, D)), D) as 合计
//   from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号
//   where 主表=n and a.标志=(select 编号 from M.材料标志 where 名称='设备')
// Run once per quota, that scans every material line per quota. Instead the
// literals q are loaded into a temporary table keyed by 编号 and one grouped
// query joins them, so that each line is multiplied by the very value (and
// storage class) SQLite parses from the literal q; the per-line and per-sum
// FtRou are kept. (Joining 分部分项.工程量 itself would not do: the literal
// holds only 15 significant digits, a whole value pastes as an integer, and
// SQLite's own number texts may round differently.) A quota without equipment lines has no group and reads 0,
// as total() over no rows does. Summation order within a group may differ
// from the per-quota scan, but every summand is already rounded to D
// decimals, so the rounded sum cannot differ. The cross join keeps the
// material lines as the outer loop, so each line costs two key look-ups.
std::unordered_map<int64_t, double> EquipmentAmounts(const std::vector<EquipmentQuota>& quotas) {
  std::unordered_map<int64_t, double> amounts;
  if (quotas.empty()) return amounts;
  EngineState& engine = Engine();
  const std::string digits = engine.PriceDigits();

  ExecSql(std::string("drop table if exists ") + kQuantityTable);
  ExecSql(kCreateQuantityTable);
  for (size_t begin = 0; begin < quotas.size(); begin += kInsertChunk) {
    std::string sql = std::string("insert into ") + kQuantityTable + "(编号,工程量) values ";
    size_t end = std::min(quotas.size(), begin + kInsertChunk);
    for (size_t i = begin; i < end; ++i) {
      if (i > begin) sql += ",";
      sql += "(" + quotas[i].number + "," + quotas[i].quantity + ")";
    }
    ExecSql(sql);
  }

  Query& query = engine.WorkQuery2();
  OpenQuery(query,
            "select q.编号 as 编号,FtRou(total(FtRou( (case when cast(a.信息价 as real)>0 then "
            "a.信息价 else (case when cast(a.基价 as real)<>0 then a.基价 else b.基价 end) "
            "end) * a.实际量 * q.工程量," +
                digits + "))," + digits + ") as 合计 from 分部分项材料明细 a cross join " +
                kQuantityTable +
                " q on q.编号=a.主表 left join 定额材料明细 b on b.编号=a.材料编号 where "
                "a.标志=(select 编号 from " +
                engine.other_library_alias +
                ".材料标志 where 名称='设备') group by q.编号");
  for (query.First(); !query.Eof(); query.Next()) {
    amounts[CAtol(FieldText(query, "编号"))] = FieldNumber(query, "合计");
  }
  ExecSql(std::string("drop table if exists ") + kQuantityTable);
  return amounts;
}

// The seven chapter rows and their equipment amounts.
void BuildChapterEquipment() {
  EngineState& engine = Engine();
  for (const char* mark : kChapterMarks) {
    ExecSql(std::string("insert into 汇总合价(分类,名称,合价) values ('工程总价','") + mark +
            "章 设备费',0)");
  }

  Query& walk = engine.WorkQuery();
  OpenQuery(walk,
            "select 编号,标志,名称,工程量 from 分部分项 where (标志='定额' and cast(设备费 as "
            "real)<>0) or 名称 like '%00章 %' order by 排序");

  // A quota counts only once a chapter heading has been met, so only those
  // quotas need an amount.
  std::vector<EquipmentQuota> quotas;
  bool in_chapter = false;
  for (walk.First(); !walk.Eof(); walk.Next()) {
    const std::string kind = FieldText(walk, "标志");
    if (kind != "定额") {
      const std::string name = FieldText(walk, "名称");
      if (Contains(name, "第") && Contains(name, "00章 ")) in_chapter = true;
    } else if (in_chapter) {
      EquipmentQuota quota;
      quota.number = FieldNumberLiteral(walk, "编号");
      quota.key = CAtol(quota.number);
      quota.quantity = FieldNumberLiteral(walk, "工程量");
      quotas.push_back(std::move(quota));
    }
  }
  const std::unordered_map<int64_t, double> amounts = EquipmentAmounts(quotas);

  // Every quota of a chapter rewrites the chapter's row with the running
  // sum, so the row ends with the last value written; writing only that
  // last value once leaves the same table (the rows are not otherwise
  // touched in between).
  std::string last_written[kChapterCount];
  bool written[kChapterCount] = {};
  std::string chapter;
  double sum = 0;
  size_t next_quota = 0;
  for (walk.First(); !walk.Eof(); walk.Next()) {
    const std::string kind = FieldText(walk, "标志");
    if (kind != "定额") {
      const std::string name = FieldText(walk, "名称");
      if (Contains(name, "第") && Contains(name, "00章 ")) {
        chapter = name;
        sum = 0;
      }
      continue;
    }
    if (chapter.empty()) continue;
    // Quotas reach this point in the order in which they were collected.
    const EquipmentQuota& quota = quotas[next_quota++];
    auto found = amounts.find(quota.key);
    if (found != amounts.end()) sum += found->second;
    for (int i = 0; i < kChapterCount; ++i) {
      if (Contains(chapter, kChapterMarks[i])) {
        last_written[i] = AmountLiteral(sum);
        written[i] = true;
        break;
      }
    }
  }
  for (int i = 0; i < kChapterCount; ++i) {
    if (!written[i]) continue;
    ExecSql("update 汇总合价 set 合价=" + last_written[i] +
            " where 分类='工程总价' and 名称='" + kChapterMarks[i] + "章 设备费'");
  }
}

// The statement of one configuration line under the pricing method
// `method`, or "" when the line does not apply. A line "method;statement"
// applies under its own method and always under 工程总价; the statement
// ends at a further ";".
std::string StatementOfLine(const std::string& line, const std::string& method) {
  const size_t semicolon = line.find(';');
  if (semicolon == std::string::npos) return line;
  const std::string prefix = line.substr(0, semicolon);
  if (prefix != method && prefix != "工程总价") return std::string();
  const size_t end = line.find(';', semicolon + 1);
  return line.substr(semicolon + 1,
                     end == std::string::npos ? std::string::npos : end - semicolon - 1);
}

void InsertTotal(const std::string& category, const std::string& name, double value) {
  ExecSql("insert into 汇总合价(分类,名称,合价) values ('" + SqlQuoted(category) + "','" +
          SqlQuoted(name) + "'," + AmountLiteral(value) + ")");
}

// One configured total: a statement with "单价取费=[]" gives one row per
// specialty profession, any other statement one 工程总价 row.
void RunConfiguredStatement(const std::string& name, const std::string& statement) {
  EngineState& engine = Engine();
  static constexpr char kPlaceholder[] = "单价取费=[]";
  if (!Contains(statement, kPlaceholder)) {
    Query& query = engine.WorkQuery2();
    OpenQuery(query, statement);
    InsertTotal("工程总价", name, FieldNumber(query, "合价"));
    return;
  }
  Query& professions = engine.WorkQuery2();
  OpenQuery(professions, "select 取费专业 from 取费索引 where 类别='专业工程' order by 排序");
  Query& query = engine.WorkQuery3();
  for (professions.First(); !professions.Eof(); professions.Next()) {
    const std::string profession = FieldText(professions, "取费专业");
    std::string sql = statement;
    ReplaceAll(sql, kPlaceholder, "单价取费='" + SqlQuoted(profession) + "'");
    OpenQuery(query, sql);
    InsertTotal(profession, name, FieldNumber(query, "合价"));
  }
}

void BuildConfiguredTotals() {
  EngineState& engine = Engine();
  const std::string library = engine.LibrarySchema();
  Query& settings = engine.WorkQuery();
  OpenQuery(settings, "select 名称,内容 from " + library +
                          ".计算设置 where 上级编号 in(select 编号 from " + library +
                          ".计算设置 where 名称='汇总合价')");
  for (settings.First(); !settings.Eof(); settings.Next()) {
    const std::string name = Trim(FieldText(settings, "名称"));
    for (const std::string& line : SplitLines(Trim(FieldText(settings, "内容")))) {
      if (line.empty()) continue;
      const std::string statement = StatementOfLine(line, engine.pricing_method);
      if (statement.empty()) continue;
      RunConfiguredStatement(name, statement);
    }
  }
}

}  // namespace

void BuildSummaryTotals() {
  ExecSql("delete from 汇总合价");
  if (Engine().pricing_method == "清单法") BuildChapterEquipment();
  BuildConfiguredTotals();
}

}  // namespace ftcalc
