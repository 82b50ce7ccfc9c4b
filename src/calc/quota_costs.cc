#include "calc/quota_costs.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "calc/item_tree.h"
#include "calc/material_groups.h"
#include "calc/material_line_lookups.h"
#include "calc/material_prices.h"
#include "calc/quota_line_sums.h"
#include "calc/step_progress.h"
#include "calc/unit_price_fees.h"
#include "data/number_text.h"
#include "data/query.h"
#include "data/sql_exec.h"
#include "entry/engine_state.h"
#include "ui/host.h"

namespace ftcalc {
namespace {

// Price of one material line: a positive market price wins, then a non-zero
// own base price (negative ones included), then the library's base price
// `standard` (a missing library row prices the line at NULL, so it adds
// nothing). The comparisons read the columns as numbers so that a price
// stored as text is judged by its value, not ranked above every number.
std::string PriceWith(const std::string& standard) {
  return "(case when cast(a.信息价 as real)>0 then a.信息价 else (case when cast(a.基价 as real)<>0 "
         "then a.基价 else " +
         standard + " end) end)";
}

// A line's unit: its own, or the library's `standard` when it has none.
std::string UnitWith(const std::string& standard) {
  return "(case when a.单位 is null or a.单位='' then " + standard + " else a.单位 end)";
}

// The same, with the library's values from the joined row b.
std::string LinePriceOfB() { return PriceWith("b.基价"); }
std::string StandardUnit() { return UnitWith("b.单位"); }

// While CalculateQuotaCosts runs, the material lines its eight sums read
// (all of them, or the one quota's) are gathered once, with the price and
// unit that each line takes from itself or its standard material. The sums
// then read the gathered rows: the same rows, values and order (the
// material lines' rowid order) as their own scan and join would give. When
// the gathering fails, the sums run on the tables and report what fails.
constexpr char kGatheredLines[] = "temp.ftcalc_quota_lines";

bool g_gathered = false;

// The statement that gathers the lines `tail` selects.
std::string GatherStatement(const std::string& tail) {
  return std::string(
             "create temp table ftcalc_quota_lines as select a.主表 as 主表, a.上级编号 as "
             "上级编号, a.标志 as 标志, a.实际量 as 实际量, ") +
         LinePriceOfB() + " as 价格, " + StandardUnit() +
         " as 单位 from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号" + tail;
}

class GatheredLines {
 public:
  explicit GatheredLines(const std::string& item) {
    TryExecSql(std::string("drop table if exists ") + kGatheredLines);
    g_gathered = TryExecSql(GatherStatement(
        (item != "0" ? " where a.主表=" + item : std::string()) + " order by a.rowid"));
  }
  // The percentage lines read in the one pass: the scratch table is made
  // with the columns the statement above would give it, and the lines go in
  // in the same order with the same values (the columns' affinities apply
  // to them as they would).
  explicit GatheredLines(const std::vector<PercentLine>& lines) {
    TryExecSql(std::string("drop table if exists ") + kGatheredLines);
    g_gathered = TryExecSql(GatherStatement(" where 0"));
    if (!g_gathered || lines.empty()) return;
    Statement insert;
    g_gathered = TryPrepare(insert, std::string("insert into ") + kGatheredLines +
                                        "(主表,上级编号,标志,实际量,价格,单位) values(?,?,?,?,?,?)");
    for (size_t i = 0; g_gathered && i < lines.size(); ++i) {
      for (int column = 0; column < 6; ++column) BindValue(insert, column + 1, lines[i][column]);
      g_gathered = insert.Step() == SQLITE_DONE;
      insert.Reset();
    }
    // Without the table the percentage sums read the lines themselves.
    if (!g_gathered) TryExecSql(std::string("drop table if exists ") + kGatheredLines);
  }
  GatheredLines(const GatheredLines&) = delete;
  GatheredLines& operator=(const GatheredLines&) = delete;
  ~GatheredLines() {
    if (g_gathered) TryExecSql(std::string("drop table if exists ") + kGatheredLines);
    g_gathered = false;
  }
};

// The pieces of the sum statements, on the gathered lines or on the tables.
std::string LinesWithStandard() {
  return g_gathered ? std::string(" from ") + kGatheredLines + " a"
                    : " from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号";
}
std::string LinePrice() { return g_gathered ? "a.价格" : LinePriceOfB(); }
std::string LineUnit() { return g_gathered ? "a.单位" : StandardUnit(); }

// The lines of a kind carry a key of the other library's 材料标志 in 标志:
// the one key `subquery` gives (`scalar`), or any key of its list.
struct KindSelect {
  bool scalar;
  std::string subquery;
  // The condition on a.标志 that selects the lines.
  std::string Condition() const {
    return scalar ? "a.标志=(" + subquery + ")" : "a.标志 in(" + subquery + ")";
  }
};

KindSelect FlagsWhere(bool scalar, const std::string& names) {
  return {scalar, "select 编号 from " + Engine().other_library_alias + ".材料标志 where " + names};
}

KindSelect KindOf(CostKind kind) {
  switch (kind) {
    case CostKind::kLabour: return FlagsWhere(true, "名称='人工'");
    case CostKind::kMaterial:
      return FlagsWhere(false, "名称 in('材料','商品砼','泵商砼','配比','普通砼','泵送砼')");
    case CostKind::kMachine: return FlagsWhere(false, "名称 in('机械','机材')");
  }
  return {};
}
KindSelect MainMaterialKind() { return FlagsWhere(true, "名称='主材'"); }
KindSelect EquipmentKind() { return FlagsWhere(true, "名称 like '%设备%'"); }

// Condition on a.标志 that selects the material lines of one kind.
std::string KindCondition(CostKind kind) { return KindOf(kind).Condition(); }

std::string KindColumn(CostKind kind) {
  switch (kind) {
    case CostKind::kLabour: return "单价_人工费";
    case CostKind::kMaterial: return "单价_材料费";
    case CostKind::kMachine: return "单价_机械费";
  }
  return std::string();
}

// Writes `prefix` + 合计 into the row 主表 for every row of `query`. Rows
// are written by key, one short statement each (prepared once).
void WriteSums(Query& query, const std::string& prefix) {
  const std::string pattern = prefix + "{} where 编号={}";
  std::vector<std::string> numbers(2);
  for (query.First(); !query.Eof(); query.Next()) {
    numbers[0] = FieldNumberLiteral(query, "合计");
    numbers[1] = FieldNumberLiteral(query, "主表");
    ExecSqlNumbers(pattern, numbers);
  }
}

// Writes the five sums read in one pass with one statement per quota
// instead of one per sum. Each statement would write its own column of the
// row by key, and none of them reads what another writes, so the combined
// write leaves the same rows; the statements that read these columns
// (percentage lines, totals) all come after it.
//
// Only the rows the percentage lines read are written here; the others go
// to `deferred`, for the fee step to write with its own write of the row
// (nothing reads them before it).
void WriteSumsTogether(const QuotaLineSums& sums, RowTotals* deferred) {
  constexpr const char* kColumns[] = {"单价_人工费", "单价_材料费", "单价_机械费", "合价_主材费",
                                      "合价_设备费"};
  const std::vector<QuotaSum>* lists[] = {&sums.own_costs[0], &sums.own_costs[1],
                                          &sums.own_costs[2], &sums.main_materials,
                                          &sums.equipment};
  // Per quota, in key order: the total for each column (empty: not written).
  std::map<int64_t, std::array<std::string, 5>> rows;
  for (size_t c = 0; c < std::size(lists); ++c) {
    for (const QuotaSum& sum : *lists[c]) rows[CAtol(sum.quota)][c] = sum.total;
  }
  // The quotas whose percentage lines read their sums; a line whose 主表 is
  // no integer key could join any of them, and then all are written.
  std::unordered_set<int64_t> read_now;
  bool all_now = false;
  for (const PercentLine& line : sums.percent_lines) {
    int64_t key = 0;
    if (IntegerKey(line[0], &key)) {
      read_now.insert(key);
    } else if (!line[0].is_null()) {
      all_now = true;
    }
  }
  deferred->assignment_columns.assign(std::begin(kColumns), std::end(kColumns));
  std::vector<std::string> numbers;
  for (const auto& [quota, totals] : rows) {
    if (!all_now && read_now.count(quota) == 0) {
      for (size_t c = 0; c < totals.size(); ++c) {
        if (!totals[c].empty()) {
          deferred->assignments.push_back({quota, static_cast<int>(c), totals[c]});
        }
      }
      continue;
    }
    std::string pattern = "update 分部分项 set ";
    numbers.clear();
    for (size_t c = 0; c < totals.size(); ++c) {
      if (totals[c].empty()) continue;
      if (!numbers.empty()) pattern += ",";
      pattern += std::string(kColumns[c]) + "={}";
      numbers.push_back(totals[c]);
    }
    numbers.push_back(std::to_string(quota));
    ExecSqlNumbers(pattern + " where 编号={}", numbers);
  }
}

// The percentage lines of one kind: their 实际量 per cent of the unit cost
// just written, added to it.
void AddPercentageLines(const std::string& scope, CostKind kind) {
  EngineState& engine = Engine();
  const std::string column = KindColumn(kind);
  Query& query = engine.WorkQuery();
  OpenQuery(query, "select a.主表,FtRou(total(c." + column + "*a.实际量/100.0)," +
                       engine.PriceDigits() + ") as 合计" + LinesWithStandard() +
                       " left join 分部分项 c on c.编号=a.主表 where " + scope + " " +
                       LineUnit() + "='%' and " + KindCondition(kind) + " group by a.主表");
  WriteSums(query, "update 分部分项 set " + column + "=" + column + "+");
}

// The scope of the unit-cost sums: one quota, and the quotas left out.
std::string SumScope(const std::string& item, const std::string& exclusion_list) {
  std::string scope;
  if (item != "0") scope += " a.主表=" + item + " and ";
  if (!exclusion_list.empty()) scope += " a.主表 not in(" + exclusion_list + ") and ";
  return scope;
}

// The five grouped sums of the whole run in one pass, or false. The pass
// over the lines' own columns is tried first; where it declines, the pass
// whose line values SQLite works out. When the standard materials are keyed
// by 编号, a line reads its standard material only where its own price or
// unit is missing (the value the join gives).
bool SumInOnePass(QuotaLineSums* sums) {
  // The same read of the lines works the material list out ahead where it
  // can (see material_prices.h).
  DropMaterialListAhead();
  LineKinds kinds;
  StandardMaterials standard;
  std::unordered_map<int64_t, SqlValue> quantities;
  auto load = [](const KindSelect& kind, std::unordered_set<int64_t>* values) {
    return LoadKindValues(kind.subquery, kind.scalar, values);
  };
  if (load(KindOf(CostKind::kLabour), &kinds.labour) &&
      load(KindOf(CostKind::kMaterial), &kinds.material) &&
      load(KindOf(CostKind::kMachine), &kinds.machine) && load(MainMaterialKind(), &kinds.main) &&
      load(EquipmentKind(), &kinds.equipment) && standard.Load() &&
      LoadQuotaColumn("工程量", &quantities)) {
    MaterialGrouping* material_list = StartMaterialListAhead();
    bool grouped = false;
    const bool summed = SumQuotaLinesFromColumns(kinds, standard, quantities,
                                                 Engine().price_decimals, sums, material_list,
                                                 &grouped);
    FinishMaterialListAhead(summed && grouped);
    if (summed) return true;
    *sums = QuotaLineSums();
  }

  const std::string kinds_text[3] = {KindCondition(CostKind::kLabour),
                                     KindCondition(CostKind::kMaterial),
                                     KindCondition(CostKind::kMachine)};
  const bool keyed = IsIntegerKeyColumn("定额材料明细", "编号");
  auto standard_column = [](const std::string& column) {
    return "(select " + column + " from 定额材料明细 where 编号=a.材料编号)";
  };
  const std::string price = keyed ? PriceWith(standard_column("基价")) : LinePriceOfB();
  const std::string unit = keyed ? UnitWith(standard_column("单位")) : StandardUnit();
  const std::string from =
      keyed ? " from 分部分项材料明细 a"
            : " from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号";
  return SumQuotaLinesInOnePass(kinds_text, from, price, unit, MainMaterialKind().Condition(),
                                EquipmentKind().Condition(), Engine().price_decimals, sums);
}

// The quotas without material lines, as "select 编号 from 分部分项 where
// 标志='定额' and 编号 not in(select 主表 from 分部分项材料明细 where 主表 is not
// null group by 主表)" lists them, from the keys the one pass collected.
// False when a quota's 编号 is not an INTEGER (the statement decides then).
bool QuotasWithoutLines(const QuotaLineSums& sums, std::vector<std::string>* numbers) {
  Query& query = Engine().WorkQuery();
  if (!OpenQuery(query, "select 编号 from 分部分项 where 标志='定额'", false)) return false;
  const int key = query.FieldIndex("编号");
  for (query.First(); !query.Eof(); query.Next()) {
    const SqlValue& value = query.Value(key);
    if (value.type != SQLITE_INTEGER) return false;
    if (sums.line_quotas.count(value.integer) == 0) numbers->push_back(FieldText(query, "编号"));
  }
  return true;
}

// "update 分部分项 set <target>=FtRou(<unit>*<quantity>,<digits>),...<scope>".
std::string TotalsStatement(const std::vector<RowTotal>& totals, const std::string& digits,
                            const std::string& scope) {
  std::string sql = "update 分部分项 set ";
  for (size_t i = 0; i < totals.size(); ++i) {
    if (i > 0) sql += ", ";
    sql += totals[i].target + "=FtRou(" + totals[i].unit + "*" + totals[i].quantity + "," +
           digits + ")";
  }
  return sql + scope;
}

void AppendToList(std::string& list, const std::string& number) {
  if (!list.empty()) list += ",";
  list += number;
}

}  // namespace

void CalculateQuotaCosts(const std::string& item) {
  EngineState& engine = Engine();
  const bool whole = item == "0";
  const std::string digits = engine.PriceDigits();
  Query& query = engine.WorkQuery();

  if (whole) ShowStepProgress("计算:定额人材机...初始化 ", 12);
  ExecSql("update 生成报表 set 标志=1");
  // One quota's lines are gathered at once: the checks below read them too.
  std::optional<GatheredLines> gathered;
  if (!whole) gathered.emplace(item);

  // Quotas without material lines keep the unit costs the user entered:
  // they are left out of the reset and of the sums. A material line without
  // 主表 belongs to no quota; left in the list it would make "not in" unknown
  // for every quota and so wipe every entered unit cost.
  //
  // The whole run reads its sums in one pass where it can (see
  // quota_line_sums.h); the pass also gives the quotas that have lines and
  // the percentage lines. The material lines are not written in this step,
  // so reading them now or statement by statement gives the same.
  QuotaLineSums sums;
  const bool in_one_pass = whole && SumInOnePass(&sums);
  std::string no_detail_list;
  std::string no_detail_tags;
  bool no_detail = false;
  if (whole) {
    std::vector<std::string> numbers;
    if (!in_one_pass || !QuotasWithoutLines(sums, &numbers)) {
      numbers.clear();
      OpenQuery(query,
                "select 编号 from 分部分项 where 标志='定额' and 编号 not in(select 主表 from "
                "分部分项材料明细 where 主表 is not null group by 主表)");
      for (query.First(); !query.Eof(); query.Next()) numbers.push_back(FieldText(query, "编号"));
    }
    for (const std::string& number : numbers) {
      if (number == "0") continue;
      AppendToList(no_detail_list, number);
      no_detail_tags += "[" + number + "]";
    }
  } else {
    OpenQuery(query, std::string("select 1 from ") +
                         (g_gathered ? kGatheredLines : "分部分项材料明细") + " where 主表=" + item +
                         " group by 主表");
    if (query.RecordCount() == 0) {
      no_detail = true;
      no_detail_tags = "[" + item + "]";
    }
  }

  // Quotas marked as calculated are left alone in the whole run.
  std::string exclusion_list = no_detail_list;
  if (whole) {
    std::string locked_list;
    OpenQuery(query, "select 编号 from 分部分项 where 标志='定额' and 计算=1");
    for (query.First(); !query.Eof(); query.Next()) {
      AppendToList(locked_list, FieldText(query, "编号"));
    }
    if (exclusion_list.empty()) {
      exclusion_list = locked_list;
    } else if (!locked_list.empty()) {
      exclusion_list += "," + locked_list;
    }
  }

  const std::string reset =
      "update 分部分项 set 综合单价=0,综合合价=0, 单价_人工费=0,单价_材料费=0,单价_机械费=0, "
      "合价_人工费=0,合价_材料费=0,合价_机械费=0, 合价_主材费=0,合价_设备费=0,合价_定额基价=0, "
      "直接费=0,直接工程费=0,其他费用=0,规费=0,管理费=0,间接费=0,利润=0,增值税=0, "
      "合价_其他费用=0,合价_间接费=0,合价_利润=0,合价_增值税=0";
  if (whole) {
    // Every row with 计算=0 of any kind is cleared, headings and bill items
    // included: the later steps add into these columns.
    ExecSql(reset + (exclusion_list.empty()
                         ? std::string(" where 计算=0")
                         : " where 编号 not in(" + exclusion_list + ") and 计算=0"));
  } else if (!no_detail) {
    ExecSql(reset + " where 编号=" + item);
  }
  if (!whole && no_detail) {
    ExecSql("update 分部分项 set 合价_主材费=0,合价_设备费=0 where 编号=" + item);
  }
  ProcessMessages();

  // The lines the statements left read are gathered.
  if (in_one_pass) {
    LeaveOutQuotas(exclusion_list, &sums);
    gathered.emplace(sums.percent_lines);
  } else if (whole) {
    gathered.emplace(item);
  }

  RowTotals totals;
  if (!no_detail) {
    constexpr CostKind kKinds[] = {CostKind::kLabour, CostKind::kMaterial, CostKind::kMachine};
    constexpr const char* kSteps[] = {"计算:定额人材机...人工费 ", "计算:定额人材机...材料费 ",
                                      "计算:定额人材机...机械费 "};
    constexpr int kPercents[] = {15, 17, 20};
    if (in_one_pass) WriteSumsTogether(sums, &totals);
    for (int i = 0; i < 3; ++i) {
      if (whole) ShowStepProgress(kSteps[i], kPercents[i]);
      if (!in_one_pass) {
        SumQuotaComponent(item, exclusion_list, kKinds[i]);
      } else if (!sums.own_costs[i].empty()) {
        AddPercentageLines(SumScope(item, exclusion_list), kKinds[i]);
      }
    }
  }

  // The direct costs' totals before the fee sheets (which read them), the
  // fees' totals after them: both over the rows the fee step walks, so it
  // writes them with its own write of each row where it can.
  const std::string scope =
      whole ? std::string(" where 标志='定额' and 计算=0") : " where 编号=" + item;
  totals.digits = engine.price_decimals;
  totals.before = {{"合价_人工费", "单价_人工费", "工程量"},
                   {"合价_材料费", "单价_材料费", "工程量"},
                   {"合价_机械费", "单价_机械费", "工程量"},
                   {"合价_定额基价", "定额基价", "工程量"}};
  totals.before_statement = TotalsStatement(totals.before, digits, scope);
  totals.after = {{"合价_其他费用", "其他费用", "工程量"},
                  {"合价_间接费", "间接费", "工程量"},
                  {"合价_利润", "利润", "工程量"},
                  {"合价_增值税", "增值税", "工程量"}};
  totals.after_statement = TotalsStatement(totals.after, digits, scope);
  ProcessMessages();
  if (whole) ShowStepProgress("计算:定额人材机...主材费 ", 22);
  if (!in_one_pass) SumMainMaterials(item);

  ProcessMessages();
  if (whole) ShowStepProgress("计算:定额人材机...设备费 ", 25);
  if (!in_one_pass) SumEquipment(item);

  ProcessMessages();
  if (whole) ShowStepProgress("计算:定额人材机...综合单价和综合合价 ", 30);
  // The fee step holds every quota row: the sums are written or handed over
  // by now, and their memory is given back first.
  sums = QuotaLineSums();
  CalculateUnitPriceFees(item, no_detail_tags, &totals);
}

void SumQuotaComponent(const std::string& item, const std::string& exclusion_list, CostKind kind) {
  EngineState& engine = Engine();
  const std::string digits = engine.PriceDigits();
  const std::string column = KindColumn(kind);
  const std::string condition = KindCondition(kind);
  Query& query = engine.WorkQuery();

  const std::string scope = SumScope(item, exclusion_list);

  // Each line is rounded on its own, then the sum once more. Only the
  // quota's own lines count here (上级编号=0), whatever their unit.
  OpenQuery(query, "select a.主表, FtRou(total(FtRou( " + LinePrice() + " * a.实际量," + digits +
                       "))," + digits + ") as 合计" + LinesWithStandard() + " where " + scope +
                       " a.上级编号=0 and " + condition + " group by a.主表");
  if (query.RecordCount() == 0) return;
  WriteSums(query, "update 分部分项 set " + column + "=");

  // Percentage lines (unit "%", own or the library's) add their 实际量 per
  // cent of the unit cost just written, at any level of the line tree.
  AddPercentageLines(scope, kind);
}

void SumMainMaterials(const std::string& item) {
  EngineState& engine = Engine();
  const std::string digits = engine.PriceDigits();
  Query& query = engine.WorkQuery();
  // A main material is priced for the whole quantity of its quota: the
  // result is a total, not a unit cost. Neither 计算 nor the exclusions
  // apply.
  const std::string lines =
      g_gathered ? std::string(" from ") + kGatheredLines + " a left join 分部分项 fb on fb.编号=a.主表"
                 : std::string(" from 分部分项材料明细 a left join 分部分项 fb on fb.编号=a.主表 "
                               "left join 定额材料明细 b on b.编号=a.材料编号");
  OpenQuery(query, "select a.主表,FtRou(total(FtRou( " + LinePrice() + "*a.实际量*fb.工程量," +
                       digits + "))," + digits + ") as 合计" + lines +
                       " where " + MainMaterialKind().Condition() +
                       (item != "0" ? " and a.主表=" + item : std::string()) +
                       " group by a.主表");
  WriteSums(query, "update 分部分项 set 合价_主材费=");
}

void SumEquipment(const std::string& item) {
  EngineState& engine = Engine();
  const std::string digits = engine.PriceDigits();
  Query& query = engine.WorkQuery();
  // Unlike main materials, equipment is priced by 实际量 alone.
  OpenQuery(query, "select a.主表,FtRou(total(FtRou( " + LinePrice() + "*a.实际量," + digits +
                       "))," + digits + ") as 合计" + LinesWithStandard() +
                       " where " + EquipmentKind().Condition() +
                       (item != "0" ? " and a.主表=" + item : std::string()) +
                       " group by a.主表");
  WriteSums(query, "update 分部分项 set 合价_设备费=");
}

}  // namespace ftcalc
