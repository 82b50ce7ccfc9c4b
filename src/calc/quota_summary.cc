#include "calc/quota_summary.h"

#include <cmath>
#include <unordered_set>
#include <vector>

#include "calc/heading_sums.h"
#include "data/number_text.h"
#include "data/sql_exec.h"
#include "data/text_util.h"
#include "entry/engine_state.h"
#include "ui/host.h"

namespace ftcalc {
namespace {

const char kQuotaFlag[] = "定额";
const char kItemFlag[] = "项";

// The roll-up columns: the 分部分项 line of the library's 向上汇总 setting,
// split at every comma, untrimmed. An empty value names no column (rather
// than one column without a name, which would only make every sum fail).
std::vector<std::string> ReadRollUpColumns() {
  EngineState& engine = Engine();
  Query& query = engine.WorkQuery();
  OpenQuery(query, "select 内容 from " + engine.LibrarySchema() +
                       ".计算设置 where 上级编号=0 and 名称='向上汇总'");
  query.First();
  if (query.Eof()) return {};
  const std::vector<std::string> lines = SplitLines(FieldText(query, "内容"));
  if (lines.empty()) return {};
  const std::string value = SettingValue(lines, "分部分项");
  if (value.empty()) return {};
  return Split(value, ",");
}

// Sums the children of headings, through the tree read once (`tree`) or,
// without one, through the per-heading statements themselves. Both leave
// the same rows and values; the tree only saves a table scan per heading.
class HeadingSummer {
 public:
  HeadingSummer(const std::vector<std::string>& columns, HeadingSums* tree)
      : columns_(columns), tree_(tree), digits_(Engine().PriceDigits()) {
    for (size_t j = 0; j < columns.size(); ++j) {
      if (j) sum_list_ += ",";
      sum_list_ += "FtRou(total(" + columns[j] + ")," + digits_ + ") as " + columns[j] + "A";
    }
  }

  // "select 1 from 分部分项 where 上级编号=H [and 标志='<flag>']" finds a row.
  bool HasChild(const std::string& heading, const std::string& flag = std::string()) {
    if (UseTree(heading)) return tree_->HasChild(CAtol(heading), flag);
    Query& query = Engine().WorkQuery2();
    std::string sql = "select 1 from 分部分项 where 上级编号=" + heading;
    if (!flag.empty()) sql += " and 标志='" + flag + "'";
    OpenQuery(query, sql);
    return query.RecordCount() > 0;
  }

  // Under 清单法 a 级2/级3 heading that directly holds both quotas and bill
  // items is remembered, once, for the quota-only pass.
  void TestMixed(const std::string& heading, const std::string& flag) {
    if (Engine().pricing_method != "清单法") return;
    if (flag != "级2" && flag != "级3") return;
    if (!HasChild(heading, kQuotaFlag) || !HasChild(heading, kItemFlag)) return;
    if (mixed_seen_.insert(heading).second) mixed_.push_back(heading);
  }

  // Writes the rounded totals of the heading's children (of one kind when
  // `flag` is given) into the heading and marks it calculated.
  void Sum(const std::string& heading, const std::string& flag = std::string()) {
    std::vector<std::string> texts;
    if (UseTree(heading)) {
      texts = tree_->SumTexts(CAtol(heading), flag, Engine().price_decimals);
    } else {
      Query& query = Engine().WorkQuery2();
      std::string sql = "select " + sum_list_ + " from 分部分项 where 上级编号=" + heading;
      if (!flag.empty()) sql += " and 标志='" + flag + "'";
      OpenQuery(query, sql);
      query.First();
      for (const std::string& column : columns_) texts.push_back(FieldText(query, column + "A"));
    }
    std::string assignments;
    for (size_t j = 0; j < columns_.size(); ++j) {
      if (j) assignments += ",";
      assignments += columns_[j] + "=" + texts[j];
    }
    ExecSql("update 分部分项 set 计算=1," + assignments + " where 编号=" + heading);
    if (UseTree(heading)) tree_->Refresh(heading);
  }

  // A mixed heading ends with the totals of its quota rows only; the
  // headings above it keep the all-children totals they were given.
  void SumMixedHeadings() {
    for (const std::string& heading : mixed_) Sum(heading, kQuotaFlag);
  }

 private:
  // A heading without a number text (a NULL key) makes the statements fail;
  // let them, rather than read it as heading 0.
  bool UseTree(const std::string& heading) const { return tree_ != nullptr && !heading.empty(); }

  const std::vector<std::string>& columns_;
  HeadingSums* tree_;
  std::string digits_;
  std::string sum_list_;
  std::vector<std::string> mixed_;
  std::unordered_set<std::string> mixed_seen_;
};

// From one row up to the top: the row itself when it has children, then
// each ancestor. A cycle in the 上级编号 links ends the walk where it
// returns to a row already summed.
void WalkUp(HeadingSummer& summer, const std::string& start) {
  Query& query = Engine().WorkQuery();
  std::unordered_set<int64_t> visited;
  std::string current = start;
  while (CAtol(current) > 0) {
    if (!visited.insert(CAtol(current)).second) break;
    ProcessMessages();
    if (!summer.HasChild(current)) break;
    if (Engine().pricing_method == "清单法") {
      OpenQuery(query, "select 标志 from 分部分项 where 编号=" + current);
      query.First();
      summer.TestMixed(current, FieldText(query, "标志"));
    }
    summer.Sum(current);
    OpenQuery(query, "select 上级编号 from 分部分项 where 编号=" + current);
    query.First();
    current = query.Eof() ? std::string("0") : FieldText(query, "上级编号");
  }
}

// Every heading, last in display order first, so that a heading is summed
// after the headings beneath it and sees their fresh totals.
void SumAllHeadings(HeadingSummer& summer) {
  Query& query = Engine().WorkQuery();
  OpenQuery(query,
            "select 编号,上级编号,标志 from 分部分项 where 标志 not in('项','描述','定额','式') "
            "order by 排序 desc,rowid");
  for (query.First(); !query.Eof(); query.Next()) {
    ProcessMessages();
    const std::string heading = FieldText(query, "编号");
    if (!summer.HasChild(heading)) continue;
    summer.TestMixed(heading, FieldText(query, "标志"));
    summer.Sum(heading);
  }
}

// Outside 清单法 a heading's unit price is its total over its quantity (a
// quantity of 0 counting as 1), always to 2 decimals.
void SetHeadingUnitPrices() {
  Query& query = Engine().WorkQuery();
  OpenQuery(query, "select 编号,工程量,综合合价 from 分部分项 where 标志 not in('项','定额','描述')");
  for (query.First(); !query.Eof(); query.Next()) {
    double quantity = CAtof(FieldText(query, "工程量"));
    if (quantity == 0) quantity = 1;
    const double total = CAtof(FieldText(query, "综合合价"));
    const double price = RoundHalfUp(2, total / quantity);
    // A price beyond the double range would paste as a name ("inf").
    const std::string text = std::isfinite(price) ? NumberText(price) : std::string("0");
    ExecSql("update 分部分项 set 综合单价=" + text + " where 编号=" + FieldText(query, "编号"));
  }
}

}  // namespace

void RollUpQuotaSummary(const std::string& start_row) {
  const std::vector<std::string> columns = ReadRollUpColumns();
  if (!columns.empty()) {
    // The whole-project pass visits every heading: read the tree once. The
    // walk up visits a handful of rows, where the statements themselves
    // cost a scan per level.
    HeadingSums tree;
    const bool use_tree = start_row == "0" && tree.Load(columns);
    HeadingSummer summer(columns, use_tree ? &tree : nullptr);
    if (start_row == "0") {
      SumAllHeadings(summer);
    } else {
      WalkUp(summer, start_row);
    }
    summer.SumMixedHeadings();
  }
  if (Engine().pricing_method != "清单法") SetHeadingUnitPrices();
}

}  // namespace ftcalc
