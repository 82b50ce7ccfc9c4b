// The quota summary roll-up from the item tree read once: every heading's
// children are summed in memory (see heading_sums.h) instead of by a table
// scan per heading and per test. The whole project reads the whole tree; a
// walk up from one row reads the children of the rows on its way up, all in
// one pass. The headings are visited and written in the plain statements'
// order, with the same texts.
#include <unordered_set>
#include <vector>

#include "calc/context.h"
#include "calc/heading_sums.h"
#include "calc/item_tree.h"
#include "calc/quota_summary.h"
#include "data/fields.h"
#include "data/number_text.h"

namespace ftcalc {
namespace {

// Writes the sums of the heading's children (of one kind when `flag` is
// given) as the plain update does, and keeps the tree's copy of the row
// in step with what was stored.
bool WriteSums(EngineContext& ctx, HeadingSums& tree, const std::vector<std::string>& columns,
               int64_t heading, const std::string& flag) {
  const std::vector<std::string> texts =
      tree.SumTexts(heading, flag, ctx.settings.price_decimals);
  // One pattern for every heading, so the statement is prepared once.
  std::string pattern = "update 分部分项 set 计算=1";
  std::vector<std::string> numbers;
  numbers.reserve(columns.size() + 1);
  for (size_t j = 0; j < columns.size(); ++j) {
    pattern += "," + columns[j] + "={}";
    numbers.push_back(NumberLiteral(texts[j]));
  }
  pattern += " where 编号={}";
  numbers.push_back(std::to_string(heading));
  if (ctx.db.ExecNumbers(pattern, numbers) < 0) return false;
  return tree.Refresh(heading);
}

// The rows a walk up from `start` may visit, in order, with their 标志 as
// the plain walk reads it: the row, its parent, and so on, until a 上级编号
// that is no positive number or a row met again. The walk stops earlier
// where a row has no children; reading further changes nothing. False when
// a key would be pasted in another form than its integer (the children of
// "5.0" are not looked up by 5 here) or a read fails.
bool ChainUp(EngineContext& ctx, const std::string& start, std::vector<int64_t>* chain,
             std::vector<std::string>* flags) {
  std::unordered_set<int64_t> seen;
  std::string current = start;
  Query query;
  while (CAtol(current) > 0) {
    const int64_t key = CAtol(current);
    if (std::to_string(key) != current) return false;
    if (!seen.insert(key).second) break;
    if (!ctx.db.Open(query, "select 上级编号,标志 from 分部分项 where 编号=" + current,
                     /*report_errors=*/false)) {
      return false;
    }
    query.First();
    chain->push_back(key);
    flags->push_back(query.Eof() ? std::string() : FieldText(query, "标志"));
    current = query.Eof() ? std::string("0") : FieldNumberLiteral(query, "上级编号");
  }
  return true;
}

// From one row up to the top, as the plain walk goes: the row itself when
// it has children, then each ancestor while it has children.
bool WalkUpFast(EngineContext& ctx, const std::vector<std::string>& columns,
                const std::string& start) {
  std::vector<int64_t> chain;
  std::vector<std::string> flags;
  if (!ChainUp(ctx, start, &chain, &flags)) return false;
  if (chain.empty()) return true;
  HeadingSums tree(ctx.db);
  if (!tree.Load(columns, &chain)) return false;
  const bool bill_pricing = ctx.settings.bill_pricing();
  std::vector<int64_t> mixed;
  for (size_t i = 0; i < chain.size(); ++i) {
    ProcessMessages(ctx);
    const int64_t heading = chain[i];
    if (!tree.HasChild(heading, "")) break;
    if (bill_pricing && (flags[i] == "级2" || flags[i] == "级3") &&
        tree.HasChild(heading, "定额") && tree.HasChild(heading, "项")) {
      mixed.push_back(heading);  // the chain holds each row once
    }
    if (!WriteSums(ctx, tree, columns, heading, "")) return false;
  }
  for (int64_t heading : mixed) {
    if (!WriteSums(ctx, tree, columns, heading, "定额")) return false;
  }
  return true;
}

}  // namespace

bool RollUpQuotaSummaryFast(EngineContext& ctx, const std::string& start_row) {
  const std::vector<std::string> columns = ReadRollUpColumns(ctx);
  if (start_row != "0") {
    if (!columns.empty() && !WalkUpFast(ctx, columns, start_row)) return false;
  } else if (!columns.empty()) {
    HeadingSums tree(ctx.db);
    if (!tree.Load(columns)) return false;
    Query headings;
    if (!ctx.db.Open(headings,
                     "select 编号,上级编号,标志 from 分部分项 where 标志 not in('项','描述','定额',"
                     "'式') order by 排序 desc,rowid")) {
      return false;
    }
    const bool bill_pricing = ctx.settings.bill_pricing();
    std::vector<int64_t> mixed;
    std::unordered_set<int64_t> mixed_seen;
    for (headings.First(); !headings.Eof(); headings.Next()) {
      ProcessMessages(ctx);
      int64_t heading = 0;
      // The statements compare "上级编号=<key>" with the key as pasted; the
      // tree only knows integer keys.
      if (!IntegerKey(headings.Value(0), &heading)) return false;
      if (!tree.HasChild(heading, "")) continue;
      const std::string flag = FieldText(headings, "标志");
      if (bill_pricing && (flag == "级2" || flag == "级3") && tree.HasChild(heading, "定额") &&
          tree.HasChild(heading, "项") && mixed_seen.insert(heading).second) {
        mixed.push_back(heading);
      }
      if (!WriteSums(ctx, tree, columns, heading, "")) return false;
    }
    for (int64_t heading : mixed) {
      if (!WriteSums(ctx, tree, columns, heading, "定额")) return false;
    }
  }
  if (!ctx.settings.bill_pricing()) SetHeadingUnitPrices(ctx);
  return true;
}

}  // namespace ftcalc
