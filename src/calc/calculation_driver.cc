#include "calc/calculation_driver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "calc/bill_items.h"
#include "calc/context.h"
#include "calc/equipment_summary.h"
#include "calc/material_prices.h"
#include "calc/project_fees.h"
#include "calc/quota_costs.h"
#include "calc/quota_summary.h"
#include "calc/serial_numbers.h"
#include "calc/summary_totals.h"
#include "data/fields.h"
#include "data/statement_timings.h"
#include "data/text_util.h"
#include "data/transaction.h"

namespace ftcalc {
namespace {

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

// Writes the two 系统值 rows from the 人工土方 sheet's 利润 and 增值税 rows.
void WriteSystemValues(EngineContext& ctx) {
  ctx.db.Exec("delete from 工程档案 where 名称 in('系统值_利润','系统值_税金')");
  // Every row of the sheet is read and 项目 trimmed here, with the engine's
  // trim (blanks, tabs and other control characters), so that a padded
  // 利润 still gives its row.
  Query query;
  ctx.db.Open(query, "select 项目,费率 from 工程取费 where 专业取费='人工土方'");
  for (query.First(); !query.Eof(); query.Next()) {
    const std::string item = Trim(FieldText(query, "项目"));
    const std::string rate = SqlQuoted(FieldText(query, "费率"));
    std::string sql;
    if (item == "利润") {
      sql = "insert into 工程档案(名称,内容)values('系统值_利润','" + rate + "')";
    } else if (item == "增值税") {
      sql = "insert into 工程档案(名称,内容)values('系统值_税金','" + rate + "')";
    }
    if (!sql.empty()) ctx.db.Exec(sql);
  }
}

// The steps of the full calculation in their fixed order, with the
// progress label and position shown before each and whether the host's
// messages are processed after it.
struct Step {
  const char* label;
  int position;
  std::function<void(EngineContext&)> run;
  bool messages_after;
};

const std::vector<Step>& FullCalculationSteps() {
  static const std::vector<Step> steps = {
      {"计算:定额人材机 ", 10, [](EngineContext& c) { CalculateQuotaCosts(c, "0"); }, true},
      {"计算:清单项 ", 20, [](EngineContext& c) { RollUpBillItems(c, "0"); }, true},
      {"计算:定额汇总 ", 40, [](EngineContext& c) { RollUpQuotaSummary(c, "0"); }, true},
      {"计算:设备汇总 ", 80, BuildEquipmentSummary, false},
      {"计算:材料价格 ", 70, BuildMaterialPrices, true},
      {"计算:汇总合价 ", 50, BuildSummaryTotals, true},
      {"计算:工程取费 ", 60, CalculateProjectFees, true},
      {"计算:生成序号 ", 90, NumberItems, true},
  };
  return steps;
}

// The calculation stops once SQLite has undone its transaction; the user
// learns why, and that the project is as it was before.
void ReportLostTransaction(EngineContext& ctx) {
  ctx.db.Report("计算已中止：数据库撤销了本次计算的全部修改（" + ctx.db.lost_by().message +
                    "），工程保持计算前的状态",
                ctx.settings.project_path);
}

// Statements that found the database locked are kept silent one by one;
// the user still learns that they did not run.
void ReportSilencedLocks(EngineContext& ctx) {
  if (ctx.db.silenced_locks() == 0) return;
  ctx.db.Report("数据库被其他连接锁定：" + std::to_string(ctx.db.silenced_locks()) +
                    " 条语句没有执行，计算结果不完整",
                ctx.settings.project_path);
}

}  // namespace

bool RunFullCalculation(EngineContext& ctx) {
  const std::string& name = ctx.settings.project_name;
  StepTimer timer;
  timer.Lap("准备");
  ctx.ui.ShowProgress(name, "开始计算... " + name, 1, 100, 1, kProgressOpen, true);
  bool saved = false;
  {
    Transaction transaction(ctx.db);
    ctx.db.Exec("delete from 生成报表");
    WriteSystemValues(ctx);
    ProcessMessages(ctx);
    for (const Step& step : FullCalculationSteps()) {
      if (ctx.db.transaction_lost()) break;
      timer.Lap(step.label);
      ShowStepProgress(ctx, step.label, step.position);
      step.run(ctx);
      if (step.messages_after) ProcessMessages(ctx);
    }
    timer.Lap("提交");
    if (ctx.db.transaction_lost()) {
      ReportLostTransaction(ctx);
    } else {
      ReportSilencedLocks(ctx);
      saved = transaction.Commit();
    }
  }
  ctx.ui.ShowProgress(name, "计算完成", 0, 0, 0, kProgressClose, true);
  PrintStatementTimings();
  return saved;
}

void RecalculateItem(EngineContext& ctx, int kind, int item_no) {
  struct TimingsAtExit {
    ~TimingsAtExit() { PrintStatementTimings(); }
  } timings;
  const std::string item = std::to_string(item_no);
  if (kind != 1) return;
  Database& db = ctx.db;
  // Inside a transaction of the host's, a failure that undoes it must stop
  // the work: nothing may then be saved statement by statement.
  db.ExpectTransaction(db.in_transaction());
  Query lookup;
  db.Open(lookup, "select 上级编号,标志 from 分部分项 where 编号=" + item);
  if (lookup.RecordCount() == 0) return;
  lookup.First();
  const std::string parent = FieldNumberLiteral(lookup, "上级编号");
  const std::string flag = FieldText(lookup, "标志");
  if (flag == "项") {
    RollUpBillItems(ctx, item);
    if (!db.transaction_lost()) RollUpQuotaSummary(ctx, parent);
  } else if (flag == "定额") {
    CalculateQuotaCosts(ctx, item);
    if (!db.transaction_lost()) {
      db.Open(lookup, "select 上级编号,标志 from 分部分项 where 编号=" + parent);
      if (lookup.RecordCount() > 0) {
        lookup.First();
        const std::string parent_flag = FieldText(lookup, "标志");
        const std::string grandparent = FieldNumberLiteral(lookup, "上级编号");
        if (parent_flag == "项") {
          RollUpBillItems(ctx, parent);
          if (!db.transaction_lost()) RollUpQuotaSummary(ctx, grandparent);
        } else {
          RollUpQuotaSummary(ctx, parent);
        }
      }
    }
  }
  if (db.transaction_lost()) ReportLostTransaction(ctx);
  db.ExpectTransaction(false);
}

}  // namespace ftcalc
