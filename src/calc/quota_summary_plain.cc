// The quota summary roll-up by its plain statements: one sum per heading
// over its direct children, bottom-up.
#include <unordered_set>
#include <vector>

#include "calc/context.h"
#include "calc/quota_summary.h"
#include "data/fields.h"
#include "data/number_text.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

class PlainHeadingSums {
 public:
  PlainHeadingSums(EngineContext& ctx, const std::vector<std::string>& columns)
      : ctx_(ctx), columns_(columns) {
    const std::string d = ctx.settings.PriceDigits();
    for (size_t j = 0; j < columns.size(); ++j) {
      if (j) sum_list_ += ",";
      sum_list_ += "FtRou(total(" + columns[j] + ")," + d + ") as " + columns[j] + "A";
    }
  }

  // "select 1 from 分部分项 where 上级编号=H [and 标志='<flag>']" finds a row.
  bool HasChild(const std::string& heading, const std::string& flag = std::string()) {
    Query query;
    std::string sql = "select 1 from 分部分项 where 上级编号=" + heading;
    if (!flag.empty()) sql += " and 标志='" + flag + "'";
    ctx_.db.Open(query, sql);
    return query.RecordCount() > 0;
  }

  // Under 清单法 a 级2/级3 heading that directly holds both quotas and bill
  // items is remembered, once, for the quota-only pass.
  void TestMixed(const std::string& heading, const std::string& flag) {
    if (!ctx_.settings.bill_pricing()) return;
    if (flag != "级2" && flag != "级3") return;
    if (!HasChild(heading, "定额") || !HasChild(heading, "项")) return;
    if (mixed_seen_.insert(heading).second) mixed_.push_back(heading);
  }

  // Writes the rounded totals of the heading's children (of one kind when
  // `flag` is given) into the heading and marks it calculated. A sum that
  // could not be read is written as 0, never as an empty value.
  void Sum(const std::string& heading, const std::string& flag = std::string()) {
    Query query;
    std::string sql = "select " + sum_list_ + " from 分部分项 where 上级编号=" + heading;
    if (!flag.empty()) sql += " and 标志='" + flag + "'";
    ctx_.db.Open(query, sql);
    query.First();
    std::string assignments;
    for (size_t j = 0; j < columns_.size(); ++j) {
      if (j) assignments += ",";
      assignments += columns_[j] + "=" + NumberLiteral(FieldText(query, columns_[j] + "A"));
    }
    ctx_.db.Exec("update 分部分项 set 计算=1," + assignments + " where 编号=" + heading);
  }

  // A mixed heading ends with the totals of its quota rows only; the
  // headings above it keep the all-children totals they were given.
  void SumMixedHeadings() {
    for (const std::string& heading : mixed_) Sum(heading, "定额");
  }

 private:
  EngineContext& ctx_;
  const std::vector<std::string>& columns_;
  std::string sum_list_;
  std::vector<std::string> mixed_;
  std::unordered_set<std::string> mixed_seen_;
};

// From one row up to the top: the row itself when it has children, then
// each ancestor. A cycle in the 上级编号 links ends the walk where it
// returns to a row already summed.
void WalkUp(EngineContext& ctx, PlainHeadingSums& sums, const std::string& start) {
  Query query;
  std::unordered_set<int64_t> visited;
  std::string current = start;
  while (CAtol(current) > 0) {
    if (!visited.insert(CAtol(current)).second) break;
    ProcessMessages(ctx);
    if (!sums.HasChild(current)) break;
    if (ctx.settings.bill_pricing()) {
      ctx.db.Open(query, "select 标志 from 分部分项 where 编号=" + current);
      query.First();
      sums.TestMixed(current, FieldText(query, "标志"));
    }
    sums.Sum(current);
    ctx.db.Open(query, "select 上级编号 from 分部分项 where 编号=" + current);
    query.First();
    current = query.Eof() ? std::string("0") : FieldNumberLiteral(query, "上级编号");
  }
}

// Every heading, last in display order first, so that a heading is summed
// after the headings beneath it and sees their fresh totals.
void SumAllHeadings(EngineContext& ctx, PlainHeadingSums& sums) {
  Query headings;
  ctx.db.Open(headings,
              "select 编号,上级编号,标志 from 分部分项 where 标志 not in('项','描述','定额','式') "
              "order by 排序 desc,rowid");
  for (headings.First(); !headings.Eof(); headings.Next()) {
    ProcessMessages(ctx);
    const std::string heading = FieldNumberLiteral(headings, "编号");
    if (!sums.HasChild(heading)) continue;
    sums.TestMixed(heading, FieldText(headings, "标志"));
    sums.Sum(heading);
  }
}

}  // namespace

void RollUpQuotaSummaryPlain(EngineContext& ctx, const std::string& start_row) {
  const std::vector<std::string> columns = ReadRollUpColumns(ctx);
  if (!columns.empty()) {
    PlainHeadingSums sums(ctx, columns);
    if (start_row == "0") {
      SumAllHeadings(ctx, sums);
    } else {
      WalkUp(ctx, sums, start_row);
    }
    sums.SumMixedHeadings();
  }
  if (!ctx.settings.bill_pricing()) SetHeadingUnitPrices(ctx);
}

}  // namespace ftcalc
