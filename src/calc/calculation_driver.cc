#include "calc/calculation_driver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/bill_items.h"
#include "calc/equipment_summary.h"
#include "calc/material_prices.h"
#include "calc/project_fees.h"
#include "calc/quota_costs.h"
#include "calc/quota_summary.h"
#include "calc/serial_numbers.h"
#include "calc/step_progress.h"
#include "calc/summary_totals.h"
#include "data/sql_exec.h"
#include "data/text_util.h"
#include "entry/engine_state.h"
#include "ui/host.h"
#include "ui/progress.h"

namespace ftcalc {
namespace {

// The full calculation commits whatever happened and closes its window,
// also when a step is left by an exception (out of memory, say).
class CalculationScope {
 public:
  CalculationScope() = default;
  CalculationScope(const CalculationScope&) = delete;
  CalculationScope& operator=(const CalculationScope&) = delete;
  ~CalculationScope() {
    CommitWork();
    ShowProgress(Engine().project_name, "计算完成", 0, 0, 0, kProgressClose, true);
  }
};

// With FTCALC_TIMINGS set in the environment, the time each step took is
// written to stderr (for benchmarks; the calculation does not change).
class StepTimer {
 public:
  StepTimer() : enabled_(std::getenv("FTCALC_TIMINGS") != nullptr) {}
  StepTimer(const StepTimer&) = delete;
  StepTimer& operator=(const StepTimer&) = delete;
  ~StepTimer() { Lap(""); }

  void Lap(const std::string& next) {
    if (!enabled_) return;
    const auto now = std::chrono::steady_clock::now();
    if (!current_.empty()) {
      std::fprintf(stderr, "ftcalc timing: %-18s %8.3f s\n", current_.c_str(),
                   std::chrono::duration<double>(now - start_).count());
    }
    current_ = next;
    start_ = now;
  }

 private:
  bool enabled_;
  std::string current_;
  std::chrono::steady_clock::time_point start_;
};

StepTimer* g_timer = nullptr;

void Progress(const std::string& label, int position) {
  if (g_timer) g_timer->Lap(label);
  ShowStepProgress(label, position);
}

// Writes the two 系统值 rows from the 人工土方 sheet's 利润 and 增值税 rows.
void WriteSystemValues() {
  ExecSql("delete from 工程档案 where 名称 in('系统值_利润','系统值_税金')");
  Query& query = Engine().WorkQuery();
  // Every row of the sheet is read and 项目 trimmed here, with the engine's
  // trim (blanks, tabs and other control characters), so that a padded
  // 利润 still gives its row.
  OpenQuery(query, "select 项目,费率 from 工程取费 where 专业取费='人工土方'");
  for (query.First(); !query.Eof(); query.Next()) {
    const std::string item = Trim(FieldText(query, "项目"));
    const std::string rate = SqlQuoted(FieldText(query, "费率"));
    std::string sql;
    if (item == "利润") {
      sql = "insert into 工程档案(名称,内容)values('系统值_利润','" + rate + "')";
    } else if (item == "增值税") {
      sql = "insert into 工程档案(名称,内容)values('系统值_税金','" + rate + "')";
    }
    if (!sql.empty()) ExecSql(sql);
  }
}

}  // namespace

void RunFullCalculation() {
  EngineState& engine = Engine();
  const std::string& name = engine.project_name;
  StepTimer timer;
  g_timer = &timer;
  timer.Lap("准备");
  ShowProgress(name, "开始计算... " + name, 1, 100, 1, kProgressOpen, true);
  BeginWork();
  {
    CalculationScope scope;
    ExecSql("delete from 生成报表");
    WriteSystemValues();
    ProcessMessages();

    Progress("计算:定额人材机 ", 10);
    CalculateQuotaCosts("0");
    ProcessMessages();
    Progress("计算:清单项 ", 20);
    RollUpBillItems("0");
    ProcessMessages();
    Progress("计算:定额汇总 ", 40);
    RollUpQuotaSummary("0");
    ProcessMessages();
    Progress("计算:设备汇总 ", 80);
    BuildEquipmentSummary();
    Progress("计算:材料价格 ", 70);
    BuildMaterialPrices();
    ProcessMessages();
    Progress("计算:汇总合价 ", 50);
    BuildSummaryTotals();
    ProcessMessages();
    Progress("计算:工程取费 ", 60);
    CalculateProjectFees();
    ProcessMessages();
    Progress("计算:生成序号 ", 90);
    NumberItems();
    ProcessMessages();
    timer.Lap("提交");
  }
  g_timer = nullptr;
  PrintStatementTimings();
}

namespace {

// Prints the statement timings (FTCALC_TIMINGS=2) when a partial
// recalculation ends, whichever way it ends.
struct StatementTimingsAtExit {
  ~StatementTimingsAtExit() { PrintStatementTimings(); }
};

}  // namespace

void RecalculateItem(int kind, int item_no) {
  StatementTimingsAtExit timings;
  const std::string item = std::to_string(item_no);
  if (kind != 1) return;
  Query& lookup = Engine().LookupQuery();
  OpenQuery(lookup, "select 上级编号,标志 from 分部分项 where 编号=" + item);
  if (lookup.RecordCount() == 0) return;
  lookup.First();
  const std::string parent = FieldText(lookup, "上级编号");
  const std::string flag = FieldText(lookup, "标志");
  if (flag == "项") {
    RollUpBillItems(item);
    RollUpQuotaSummary(parent);
    return;
  }
  if (flag != "定额") return;
  CalculateQuotaCosts(item);
  OpenQuery(lookup, "select 上级编号,标志 from 分部分项 where 编号=" +
                        (Trim(parent).empty() ? std::string("0") : parent));
  if (lookup.RecordCount() == 0) return;
  lookup.First();
  const std::string parent_flag = FieldText(lookup, "标志");
  const std::string grandparent = FieldText(lookup, "上级编号");
  if (parent_flag == "项") {
    RollUpBillItems(parent);
    RollUpQuotaSummary(grandparent);
  } else {
    RollUpQuotaSummary(parent);
  }
}

}  // namespace ftcalc
