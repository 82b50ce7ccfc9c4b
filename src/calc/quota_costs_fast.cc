// The quota step's fast path.
//
// Whole project: the material lines are read once (see quota_line_sums.h)
// for every sum of the step, the quotas that have lines and the percentage
// lines; the same read works the material list out ahead where it can (see
// material_list_ahead.h). The sums are written together, one statement per
// quota, or handed to the fee sheets' fast path to be written with each
// row's own write (see row_totals.h). One quota: its lines are gathered
// once into a scratch table, with the price and unit each takes, and the
// plain sums read them there.
#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "calc/context.h"
#include "calc/equipment_summary.h"
#include "calc/item_tree.h"
#include "calc/material_groups.h"
#include "calc/material_line_lookups.h"
#include "calc/material_list_ahead.h"
#include "calc/quota_costs.h"
#include "calc/quota_line_sums.h"
#include "calc/row_totals.h"
#include "calc/unit_price_fees.h"
#include "data/fields.h"
#include "data/number_text.h"
#include "data/schema_info.h"

namespace ftcalc {
namespace {

constexpr char kGatheredLines[] = "temp.ftcalc_quota_lines";

// The statement that gathers the lines `tail` selects: the same rows,
// values and order (the lines' rowid order) as the sums' own scan and join
// would read, with the price and unit each line takes.
std::string GatherStatement(const std::string& tail) {
  return std::string(
             "create temp table ftcalc_quota_lines as select a.主表 as 主表, a.上级编号 as "
             "上级编号, a.标志 as 标志, a.实际量 as 实际量, ") +
         LinePriceSql("b.基价") + " as 价格, " + LineUnitSql("b.单位") +
         " as 单位 from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号" + tail;
}

// The sums' reading of the gathered lines.
LineSource GatheredSource() {
  LineSource source;
  source.from = std::string(" from ") + kGatheredLines + " a";
  source.from_with_quota =
      std::string(" from ") + kGatheredLines + " a left join 分部分项 fb on fb.编号=a.主表";
  source.price = "a.价格";
  source.unit = "a.单位";
  return source;
}

// The gathered lines for the length of the step; dropped at the end (and
// undone anyway when the fast path declines).
class GatheredLines {
 public:
  explicit GatheredLines(Database& db) : db_(db) {}
  GatheredLines(const GatheredLines&) = delete;
  GatheredLines& operator=(const GatheredLines&) = delete;
  ~GatheredLines() {
    if (made_) db_.TryExec(std::string("drop table if exists ") + kGatheredLines);
  }

  // One quota's lines (or all of them for "0").
  bool Gather(const std::string& item) {
    made_ = db_.TryExec(std::string("drop table if exists ") + kGatheredLines) &&
            db_.TryExec(GatherStatement(
                (item != "0" ? " where a.主表=" + item : std::string()) + " order by a.rowid"));
    return made_;
  }

  // The percentage lines read in the one pass: the scratch table is made
  // with the columns the statement above would give it, and the lines go in
  // in the same order with the same values (the columns' affinities apply
  // to them as they would).
  bool Gather(const std::vector<PercentLine>& lines) {
    made_ = db_.TryExec(std::string("drop table if exists ") + kGatheredLines) &&
            db_.TryExec(GatherStatement(" where 0"));
    if (!made_ || lines.empty()) return made_;
    Statement insert;
    if (!db_.TryPrepare(insert, std::string("insert into ") + kGatheredLines +
                                    "(主表,上级编号,标志,实际量,价格,单位) values(?,?,?,?,?,?)")) {
      return false;
    }
    for (const PercentLine& line : lines) {
      for (int column = 0; column < 6; ++column) BindValue(insert, column + 1, line[column]);
      const bool done = insert.Step() == SQLITE_DONE;
      insert.Reset();
      if (!done) return false;
    }
    return true;
  }

 private:
  Database& db_;
  bool made_ = false;
};

// The five grouped sums of the whole run in one pass, or false. The pass
// over the lines' own columns is tried first (and feeds the material list
// worked out ahead); where it declines, the pass whose line values SQLite
// works out. When the standard materials are keyed by 编号, a line reads
// its standard material only where its own price or unit is missing (the
// value the join gives).
bool SumInOnePass(EngineContext& ctx, QuotaLineSums* sums) {
  Database& db = ctx.db;
  const std::string& m = ctx.settings.other_library_alias;
  const int digits = ctx.settings.price_decimals;
  auto kind = [&](MaterialKind k) { return KindSelectOf(m, k); };
  LineKinds kinds;
  StandardMaterials standard;
  std::unordered_map<int64_t, SqlValue> quantities;
  auto load = [&](MaterialKind k, std::unordered_set<int64_t>* values) {
    const KindSelect select = kind(k);
    return LoadKindValues(db, select.subquery, select.scalar, values);
  };
  if (load(MaterialKind::kLabour, &kinds.labour) &&
      load(MaterialKind::kMaterial, &kinds.material) &&
      load(MaterialKind::kMachine, &kinds.machine) &&
      load(MaterialKind::kMainMaterial, &kinds.main) &&
      load(MaterialKind::kEquipment, &kinds.equipment) && standard.Load(db) &&
      LoadQuotaColumn(db, "工程量", &quantities)) {
    // The equipment summary's statement selects the lines of these kinds
    // (with any other 标志 this pass declines); no step writes the lines,
    // and no trigger can (where one is defined, no fast path runs).
    std::unordered_set<int64_t> equipment_like;
    if (LoadKindValues(db, EquipmentKindsSelect(m), false, &equipment_like)) {
      kinds.equipment_like = std::move(equipment_like);
    }
    MaterialGrouping* material_list = StartMaterialListAhead(ctx);
    bool grouped = false;
    const bool summed = SumQuotaLinesFromColumns(db, kinds, standard, quantities, digits, sums,
                                                 material_list, &grouped);
    FinishMaterialListAhead(ctx, summed && grouped);
    if (summed && sums->equipment_like_lines) {
      ctx.handoff.equipment_lines = std::move(sums->equipment_like_lines);
    }
    if (summed) return true;
    *sums = QuotaLineSums();
  }

  const std::string kinds_text[3] = {kind(MaterialKind::kLabour).Condition(),
                                     kind(MaterialKind::kMaterial).Condition(),
                                     kind(MaterialKind::kMachine).Condition()};
  const bool keyed = IsIntegerKeyColumn(db, "定额材料明细", "编号");
  auto standard_column = [](const std::string& column) {
    return "(select " + column + " from 定额材料明细 where 编号=a.材料编号)";
  };
  const std::string price =
      keyed ? LinePriceSql(standard_column("基价")) : LinePriceSql("b.基价");
  const std::string unit = keyed ? LineUnitSql(standard_column("单位")) : LineUnitSql("b.单位");
  const std::string from =
      keyed ? " from 分部分项材料明细 a"
            : " from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号";
  return SumQuotaLinesInOnePass(db, kinds_text, from, price, unit,
                                kind(MaterialKind::kMainMaterial).Condition(),
                                kind(MaterialKind::kEquipment).Condition(), digits, sums);
}

// The quotas without material lines, as "select 编号 from 分部分项 where
// 标志='定额' and 编号 not in(select 主表 from 分部分项材料明细 where 主表 is not
// null group by 主表)" lists them, from the keys the one pass collected.
// False when a quota's 编号 is not an INTEGER (the statement decides then).
bool QuotasWithoutLines(EngineContext& ctx, const QuotaLineSums& sums,
                        std::vector<std::string>* numbers) {
  Query query;
  if (!ctx.db.Open(query, "select 编号 from 分部分项 where 标志='定额'", false)) return false;
  const int key = query.FieldIndex("编号");
  for (query.First(); !query.Eof(); query.Next()) {
    const SqlValue& value = query.Value(key);
    if (value.type() != SQLITE_INTEGER) return false;
    if (sums.line_quotas.count(value.integer()) == 0) numbers->push_back(FieldText(query, "编号"));
  }
  return true;
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
bool WriteSumsTogether(EngineContext& ctx, const QuotaLineSums& sums, RowTotals* deferred) {
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
    if (ctx.db.ExecNumbers(pattern + " where 编号={}", numbers) < 0) return false;
  }
  return true;
}

void AppendToList(std::string& list, const std::string& number) {
  if (!list.empty()) list += ",";
  list += number;
}

// The totals around the fee sheets, over the rows they walk.
RowTotals TotalsAround(const std::string& item, int digits) {
  RowTotals totals;
  const std::string text = std::to_string(digits);
  totals.digits = digits;
  totals.before = DirectCostTotals();
  totals.before_statement = TotalsStatement(totals.before, text, TotalsScope(item));
  totals.after = FeeTotals();
  totals.after_statement = TotalsStatement(totals.after, text, TotalsScope(item));
  return totals;
}

constexpr const char* kKindSteps[] = {"计算:定额人材机...人工费 ", "计算:定额人材机...材料费 ",
                                      "计算:定额人材机...机械费 "};
constexpr int kKindPositions[] = {15, 17, 20};

bool WholeProject(EngineContext& ctx) {
  Database& db = ctx.db;
  QuotaLineSums sums;
  if (!SumInOnePass(ctx, &sums)) return false;

  std::vector<std::string> numbers;
  if (!QuotasWithoutLines(ctx, sums, &numbers)) {
    numbers.clear();
    Query query;
    if (!db.Open(query,
                 "select 编号 from 分部分项 where 标志='定额' and 编号 not in(select 主表 from "
                 "分部分项材料明细 where 主表 is not null group by 主表)")) {
      return false;
    }
    for (query.First(); !query.Eof(); query.Next()) {
      numbers.push_back(FieldNumberLiteral(query, "编号"));
    }
  }
  std::string no_detail_list;
  std::string no_detail_tags;
  for (const std::string& number : numbers) {
    if (number == "0") continue;
    AppendToList(no_detail_list, number);
    no_detail_tags += "[" + number + "]";
  }

  std::string exclusion_list;
  if (!ExclusionList(ctx, no_detail_list, &exclusion_list)) return false;
  if (db.Exec(kQuotaResetStatement +
              (exclusion_list.empty() ? std::string(" where 计算=0")
                                      : " where 编号 not in(" + exclusion_list + ") and 计算=0")) <
      0) {
    return false;
  }
  ProcessMessages(ctx);

  // The percentage lines the statements left read are gathered.
  LeaveOutQuotas(exclusion_list, &sums);
  GatheredLines gathered(db);
  if (!gathered.Gather(sums.percent_lines)) return false;

  RowTotals totals = TotalsAround("0", ctx.settings.price_decimals);
  if (!WriteSumsTogether(ctx, sums, &totals)) return false;
  const std::string scope = SumScope("0", exclusion_list);
  for (int i = 0; i < 3; ++i) {
    ShowStepProgress(ctx, kKindSteps[i], kKindPositions[i]);
    if (!sums.own_costs[i].empty()) {
      AddPercentageLines(ctx, GatheredSource(), scope, kDirectCostKinds[i]);
    }
  }
  ProcessMessages(ctx);
  ShowStepProgress(ctx, "计算:定额人材机...主材费 ", 22);
  ProcessMessages(ctx);
  ShowStepProgress(ctx, "计算:定额人材机...设备费 ", 25);
  ProcessMessages(ctx);
  ShowStepProgress(ctx, "计算:定额人材机...综合单价和综合合价 ", 30);
  // The fee step holds every quota row: the sums are written or handed over
  // by now, and their memory is given back first.
  sums = QuotaLineSums();
  return CalculateUnitPriceFeesFast(ctx, "0", no_detail_tags, &totals);
}

bool OneQuota(EngineContext& ctx, const std::string& item) {
  Database& db = ctx.db;
  GatheredLines gathered(db);
  if (!gathered.Gather(item)) return false;
  const LineSource lines = GatheredSource();
  Query query;
  if (!db.Open(query, "select 1" + lines.from + " where 主表=" + item + " group by 主表")) {
    return false;
  }
  const bool no_detail = query.RecordCount() == 0;
  const std::string no_detail_tags = no_detail ? "[" + item + "]" : std::string();
  if (!no_detail && db.Exec(kQuotaResetStatement + std::string(" where 编号=") + item) < 0) {
    return false;
  }
  if (no_detail && db.Exec("update 分部分项 set 合价_主材费=0,合价_设备费=0 where 编号=" + item) < 0) {
    return false;
  }
  ProcessMessages(ctx);
  if (!no_detail) {
    for (MaterialKind kind : kDirectCostKinds) SumQuotaComponent(ctx, lines, item, "", kind);
  }
  RowTotals totals = TotalsAround(item, ctx.settings.price_decimals);
  ProcessMessages(ctx);
  SumMainMaterials(ctx, lines, item);
  ProcessMessages(ctx);
  SumEquipment(ctx, lines, item);
  ProcessMessages(ctx);
  return CalculateUnitPriceFeesFast(ctx, item, no_detail_tags, &totals);
}

}  // namespace

bool CalculateQuotaCostsFast(EngineContext& ctx, const std::string& item) {
  if (item == "0") ShowStepProgress(ctx, "计算:定额人材机...初始化 ", 12);
  if (ctx.db.Exec("update 生成报表 set 标志=1") < 0) return false;
  return item == "0" ? WholeProject(ctx) : OneQuota(ctx, item);
}

}  // namespace ftcalc
