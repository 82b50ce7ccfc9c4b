#include "calc/unit_price_fees.h"

#include <algorithm>
#include <cmath>
#include <atomic>
#include <cstdint>
#include <deque>
#include <future>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "calc/context.h"
#include "calc/fee_outcome.h"
#include "calc/fee_sheet.h"
#include "calc/fee_sheet_plan.h"
#include "calc/item_tree.h"
#include "calc/row_totals.h"
#include "data/fields.h"
#include "data/text_util.h"
#include "data/ftrou.h"
#include "data/number_text.h"
#include "data/query.h"
#include "data/schema_info.h"
#include "data/value_arithmetic.h"

namespace ftcalc {
namespace {

using SheetsByItem = std::unordered_map<int64_t, std::vector<FeeLine>>;

// The own fee sheets of the items, read at once instead of with one
// "...where 主表=<编号> order by 编号" per item (each of which would scan the
// whole table). Each item's lines are wanted in 编号 order, ties in rowid
// order, exactly as the per-item query returns them. When 编号 is the
// table's integer key, the table's own order is that order already.
// Otherwise the lines are read in the table's order and each item's put in
// 编号 order here by a stable sort, where every 编号 is a number or NULL
// (whose order needs no collation; SQLite sorts anything else, by 主表 first
// so that each item's lines stay together). A 主表 that "主表=<编号>" could
// match is an INTEGER or a whole REAL (主表 is an integer column, so every
// number-like text was stored as a number). Nothing this step writes
// touches the table, so reading it before the walk sees the same rows.
bool LoadOwnSheets(Database& db, const std::string& where, SheetsByItem* sheets) {
  const std::string select = "select 主表,编号,顺号,项目,公式 from 分部分项取费明细" + where;
  // Adds the row's line to its item's sheet; false for a line of no item.
  auto add = [sheets](const Query& row, int64_t* key) {
    if (!IntegerKey(row.Value(0), key)) return false;
    (*sheets)[*key].push_back(
        {FieldText(row, "顺号"), FieldText(row, "项目"), FieldText(row, "公式")});
    return true;
  };
  int64_t key = 0;
  Query query;
  if (IsIntegerKeyColumn(db, "分部分项取费明细", "编号")) {
    return db.Stream(query, select + " order by rowid", [&](const Query& row) { add(row, &key); });
  }

  std::unordered_map<int64_t, std::vector<SqlValue>> orders;  // each line's 编号, by item
  bool numbers = true;
  const bool read = db.Stream(query, select + " order by rowid", [&](const Query& row) {
    const int type = row.Value(1).type();
    if (!numbers || !(type == SQLITE_NULL || type == SQLITE_INTEGER || type == SQLITE_FLOAT)) {
      numbers = false;
      return;
    }
    if (add(row, &key)) orders[key].push_back(row.Value(1));
  });
  if (!read) return false;
  if (numbers) {
    std::vector<size_t> by_order;
    std::vector<FeeLine> sorted;
    for (auto& [item, lines] : *sheets) {
      const std::vector<SqlValue>& order = orders[item];
      by_order.resize(lines.size());
      for (size_t i = 0; i < by_order.size(); ++i) by_order[i] = i;
      std::stable_sort(by_order.begin(), by_order.end(), [&order](size_t a, size_t b) {
        return CompareNumbersOrNull(order[a], order[b]) < 0;
      });
      sorted.clear();
      for (size_t i : by_order) sorted.push_back(std::move(lines[i]));
      lines.swap(sorted);
    }
    return true;
  }
  sheets->clear();
  return db.Stream(query, select + " order by 主表,编号,rowid",
                   [&](const Query& row) { add(row, &key); });
}

// A sheet's lines and, when it has one, its plan.
struct PlannedSheet {
  std::vector<FeeLine> lines;
  std::unique_ptr<FeeSheetPlan> plan;
};

// The standard unit-price sheet of a fee profession, read and planned once
// per profession text and kept for the call (the tables are not written
// here), its constant lines worked out for sheets of `digits`.
const PlannedSheet& StandardSheet(Database& db, const Query& items,
                                  std::map<std::string, PlannedSheet>& cache,
                                  const std::string& profession, int digits) {
  auto found = cache.find(profession);
  if (found != cache.end()) return found->second;
  PlannedSheet& sheet = cache[profession];
  std::vector<FeeLine>& lines = sheet.lines;
  Query query;
  db.Open(query, StandardFeeSheetSql(profession));
  for (query.First(); !query.Eof(); query.Next()) {
    lines.push_back(
        {FieldText(query, "顺号"), FieldText(query, "项目"), FieldText(query, "公式")});
  }
  sheet.plan = FeeSheetPlan::Compile(lines, items);
  if (sheet.plan != nullptr) sheet.plan->SettleConstantLines(digits);
  return sheet;
}

// Clears the component records of every row about to be processed. Each
// row's own "delete ... where 主表=<编号>" would run just before its insert;
// since the rows' 编号 are distinct, no insert of this call is hit by
// another row's delete, so deleting them all first leaves the same table,
// with one scan (SQLite looks the list up in an index it builds) instead of
// one per row.
bool DeleteComponentRecords(Database& db, Query& items) {
  if (items.RecordCount() == 0) return true;
  std::string list;
  for (items.First(); !items.Eof(); items.Next()) {
    if (items.cursor() > 0) list += ",";
    list += FieldText(items, "编号");
  }
  return db.Exec("delete from 分部分项单价费率费用 where 主表 in(" + list + ")") >= 0;
}

// Opens the rows of the whole run, "... order by 排序,rowid", without
// having SQLite sort them: read in rowid order, they are put in 排序 order
// here (rows that tie keep their rowid order) when every 排序 is a number
// or NULL, whose order does not depend on a collation. False (the query
// closed, nothing reported) otherwise, or when the read fails. Most rows
// of the table are read, so it is scanned in its own order rather than
// looked up row by row through a host's index on the condition's columns.
bool OpenSortedHere(Database& db, Query& items, const std::string& where) {
  if (!db.Open(items, "select * from 分部分项 not indexed" + where + " order by rowid",
               /*report_errors=*/false)) {
    return false;
  }
  const int order = items.FieldIndex("排序");
  bool numbers = order >= 0;
  for (items.First(); numbers && !items.Eof(); items.Next()) {
    const int type = items.Value(order).type();
    numbers = type == SQLITE_NULL || type == SQLITE_INTEGER || type == SQLITE_FLOAT;
  }
  if (!numbers) {
    items.Close();
    return false;
  }
  items.StableSortRows([order](const std::vector<SqlValue>& a, const std::vector<SqlValue>& b) {
    return CompareNumbersOrNull(a[order], b[order]) < 0;
  });
  return true;
}

// A RowTotal by field of the walked rows.
struct TotalFields {
  int target;
  int unit;
  int quantity;
};

// The fields of `totals` in `items`: false unless every column is there and
// of REAL affinity, so that a number written to it reads back as itself
// and the totals the statement would work out from stored values are the
// ones worked out here from the rows' values.
bool FieldsOf(const Query& items, const std::unordered_set<std::string>& real_columns,
              const std::vector<RowTotal>& totals, std::vector<TotalFields>* fields) {
  for (const RowTotal& total : totals) {
    const std::string columns[] = {total.target, total.unit, total.quantity};
    TotalFields found{};
    int* indexes[] = {&found.target, &found.unit, &found.quantity};
    for (int i = 0; i < 3; ++i) {
      *indexes[i] = items.FieldIndex(columns[i]);
      if (*indexes[i] < 0 || real_columns.count(columns[i]) == 0) return false;
    }
    fields->push_back(found);
  }
  return true;
}

// FtRou(unit*quantity,digits) of the current row, as the statement gives
// it; false where SQLite's rules for the values are not copied.
bool TotalOf(const Query& items, const TotalFields& total, int digits, SqlValue* value) {
  SqlValue product;
  if (!MultiplyValues(items.Value(total.unit), items.Value(total.quantity), &product)) {
    return false;
  }
  double rounded = 0;
  if (!FtRouOfValue(product, digits, &rounded)) return false;
  *value = std::isnan(rounded) ? SqlValue::Null() : SqlValue::Real(rounded);
  return true;
}

// Works the totals of every row out and puts them into the rows as if the
// statement had set them; false where one of them cannot be worked out here
// (the rows may then hold some of the totals: the caller reads them again).
bool FoldTotalsIn(Query& items, const std::vector<TotalFields>& totals, int digits) {
  for (items.First(); !items.Eof(); items.Next()) {
    for (const TotalFields& total : totals) {
      SqlValue value;
      if (!TotalOf(items, total, digits, &value)) return false;
      items.Overwrite(total.target, std::move(value));
    }
  }
  items.First();
  return true;
}

using Assignment = RowTotals::Assignment;

// The caller's writes put into the walked rows: per row, a bit for each
// column of `columns` (the fields of the assignment columns).
struct AssignedFields {
  std::vector<int> columns;
  std::vector<uint8_t> rows;
};

// The entries of one row: [first, end of its key).
size_t EndOfRow(const std::vector<Assignment>& all, size_t first) {
  size_t end = first;
  while (end < all.size() && all[end].key == all[first].key) ++end;
  return end;
}

// One row's assignments, entries [first, end), written as the caller would
// have written them.
void WriteAssignments(Database& db, const RowTotals& totals, size_t first, size_t end) {
  if (first == end) return;
  std::string pattern = "update 分部分项 set ";
  std::vector<std::string> numbers;
  for (size_t i = first; i < end; ++i) {
    if (i > first) pattern += ",";
    pattern += totals.assignment_columns[totals.assignments[i].column] + "={}";
    numbers.push_back(totals.assignments[i].number);
  }
  numbers.push_back(std::to_string(totals.assignments[first].key));
  db.ExecNumbers(pattern + " where 编号={}", numbers);
}

// Puts the assignments of the walked rows into those rows as if they had
// been written and read back, and writes the others (their keys go to
// `written`). `fields` gets, per row, the fields to write with it. False
// where a column is not a REAL column of the rows or a number cannot be
// read as SQLite binds it; the rows may then hold some of the values, and
// nothing has been written.
bool FoldAssignmentsIn(Database& db, Query& items,
                       const std::unordered_set<std::string>& real_columns,
                       const RowTotals& totals, AssignedFields* fields,
                       std::unordered_set<int64_t>* written) {
  fields->columns.clear();
  fields->rows.assign(static_cast<size_t>(items.RecordCount()), 0);
  if (totals.assignments.empty()) return true;
  const int key_field = items.FieldIndex("编号");
  if (key_field < 0 || totals.assignment_columns.size() > 8) return false;
  std::vector<int>& column_fields = fields->columns;
  for (const std::string& column : totals.assignment_columns) {
    const int field = items.FieldIndex(column);
    if (field < 0 || real_columns.count(column) == 0) return false;
    column_fields.push_back(field);
  }
  std::unordered_map<int64_t, size_t> rows;
  for (items.First(); !items.Eof(); items.Next()) {
    const SqlValue& key = items.Value(key_field);
    if (key.type() == SQLITE_INTEGER) rows.emplace(key.integer(), items.cursor());
  }
  // The walked rows' numbers, read as SQLite reads them, a batch at a time.
  constexpr size_t kBatch = 8192;
  std::vector<std::string> numbers;
  std::vector<std::pair<size_t, int>> targets;  // row, column
  std::vector<SqlValue> values;
  auto put_in = [&]() {
    if (!db.NumbersAsBound(numbers, &values) || values.size() != numbers.size()) return false;
    for (size_t i = 0; i < targets.size(); ++i) {
      // A REAL column keeps any number as a REAL.
      SqlValue& value = values[i];
      if (value.type() == SQLITE_INTEGER) value = SqlValue::Real(static_cast<double>(value.integer()));
      if (value.type() != SQLITE_FLOAT && value.type() != SQLITE_NULL) return false;
      items.MoveTo(targets[i].first);
      items.Overwrite(column_fields[targets[i].second], std::move(value));
      fields->rows[targets[i].first] |= static_cast<uint8_t>(1u << targets[i].second);
    }
    numbers.clear();
    targets.clear();
    return true;
  };
  for (const Assignment& assignment : totals.assignments) {
    auto row = rows.find(assignment.key);
    if (row == rows.end()) continue;
    numbers.push_back(assignment.number);
    targets.emplace_back(row->second, assignment.column);
    if (numbers.size() >= kBatch && !put_in()) return false;
  }
  if (!numbers.empty() && !put_in()) return false;
  for (size_t first = 0, end; first < totals.assignments.size(); first = end) {
    end = EndOfRow(totals.assignments, first);
    const int64_t key = totals.assignments[first].key;
    if (rows.count(key) > 0) continue;
    WriteAssignments(db, totals, first, end);
    written->insert(key);
  }
  items.First();
  return true;
}

// The totals folded into the writes of the rows.
struct FoldedTotals {
  AssignedFields assigned;  // the caller's writes put in the rows
  std::vector<TotalFields> before;  // set in the rows already, written with them
  std::vector<TotalFields> after;   // worked out from each row as written
  int digits = 0;
  bool after_needs_statement = false;
};

// Writes a row's outcome into the current row of `items` and posts it.
// `no_detail` lists the rows without material lines.
void WriteRow(EngineContext& ctx, Query& items, const SheetOutcome& outcome, bool single_row,
              const std::unordered_set<std::string>& no_detail, FoldedTotals* folded) {
  items.Edit();
  // What the writes before the step wrote comes first; the sheet may
  // overwrite it.
  if (items.cursor() < folded->assigned.rows.size()) {
    const uint8_t bits = folded->assigned.rows[items.cursor()];
    for (size_t c = 0; c < folded->assigned.columns.size(); ++c) {
      if (bits & (1u << c)) {
        const int field = folded->assigned.columns[c];
        items.SetValue(field, items.Value(field));
      }
    }
  }
  for (const TotalFields& total : folded->before) {
    items.SetValue(total.target, items.Value(total.target));
  }
  const OutcomeWrites writes = WriteOutcome(items, outcome, single_row, no_detail);
  // The material list worked out ahead read these columns.
  if (writes.wrote_list_column) ctx.handoff.DropMaterialList();
  // A sheet that writes 标志 or 计算 may take its row out of the update
  // after the step: that row is left to the update.
  bool leaves_rows = writes.wrote_flag_or_mark;
  // What the update after the step writes, from the row as written; the
  // update then runs over every row again and gives the same values.
  std::vector<SqlValue> after(folded->after.size());
  for (size_t i = 0; i < after.size() && !leaves_rows; ++i) {
    if (!TotalOf(items, folded->after[i], folded->digits, &after[i])) leaves_rows = true;
  }
  if (leaves_rows) {
    folded->after_needs_statement = true;
  } else {
    for (size_t i = 0; i < after.size(); ++i) {
      items.SetValue(folded->after[i].target, std::move(after[i]));
    }
  }
  ctx.db.Post(items);
}

// Rows whose sheets are worked out together before they are written.
constexpr size_t kRowsPerChunk = 512;

// A sheet worked out from a standard plan depends on nothing but the plan,
// the marker texts read from its row and the digits (it reads no other
// column): rows that repeat a quota, with the same unit costs under the same
// fee profession, get the very same sheet. Its columns and its component
// record are worked out once and shared; only the price, which takes the
// row's own quantity, is worked out per row, from the sheet's price line.
// The sheet itself is not kept: most projects repeat few quotas, and
// thousands of sheets held for rows that never come cost more than they
// save.
struct SharedSheet {
  PriceLine price;
  // The first row's; its columns and components hold for all. Shared, not
  // copied: a sheet that no other row takes costs no copy.
  std::shared_ptr<const SheetOutcome> outcome;
};

// The shared sheets of a call by plan, basis and marker texts. Held only
// while it stays small: past its bound it starts again, so that a project
// without repeats keeps no more than this many sheets in memory.
class SharedSheets {
 public:
  // The sheet of `plan` with `markers` under `basis`; `*first` tells
  // whether the caller is the first to ask, and so must work it out.
  std::shared_ptr<SharedSheet> Find(const FeeSheetPlan* plan, FeeBasis basis,
                                    const FeeMarkerTexts& markers, bool* first) {
    std::string key(reinterpret_cast<const char*>(&plan), sizeof plan);
    key += static_cast<char>(basis);
    for (const std::string& text : markers) {
      key += '\x1f';
      key += text;
    }
    auto found = sheets_.find(key);
    *first = found == sheets_.end();
    if (!*first) return found->second;
    if (sheets_.size() >= kMaxSheets) sheets_.clear();
    auto sheet = std::make_shared<SharedSheet>();
    sheets_.emplace(std::move(key), sheet);
    return sheet;
  }

 private:
  static constexpr size_t kMaxSheets = 4096;
  std::unordered_map<std::string, std::shared_ptr<SharedSheet>> sheets_;
};

// One row of the walk: what its sheet is worked out from, and then the
// outcome its write needs.
struct RowSheet {
  std::string number;
  bool single_row = false;
  FeeBasis basis = FeeBasis::kUndetermined;
  double quantity = 0;
  // An own sheet is planned (or, failing that, built as text) with the
  // rest of its chunk; the other rows come with their standard sheet's plan
  // or, without one, their sheet built in the walk.
  const std::vector<FeeLine>* own_lines = nullptr;
  const FeeSheetPlan* plan = nullptr;
  std::unique_ptr<FeeSheetPlan> own_plan;
  FeeMarkerTexts markers;
  std::optional<FeeSheet> sheet;
  // A standard sheet shared with other rows; `works_out_shared` for the
  // row that works it out, the others take it once their chunk is done.
  std::shared_ptr<SharedSheet> shared;
  bool works_out_shared = false;
  SheetOutcome outcome;
  // The outcome of the row that works a shared sheet out, held with it.
  std::shared_ptr<const SheetOutcome> shared_outcome;

  const SheetOutcome& Outcome() const { return shared_outcome ? *shared_outcome : outcome; }
};

// The rows of one chunk, worked out by whichever thread takes the next one.
struct Chunk {
  std::deque<RowSheet> rows;
  size_t first_row = 0;  // the first row's position in the walk
  std::atomic<size_t> next{0};
};

// Works out the sheets and the outcomes of the rows of `chunk` not yet
// taken. This reads neither the database nor a query's rows (only the
// column names of `items`, which nothing changes meanwhile), so two threads
// may share a chunk; each outcome is the same wherever it is worked out.
void WorkOut(Chunk& chunk, const Query& items, int digits) {
  for (size_t i; (i = chunk.next.fetch_add(1)) < chunk.rows.size();) {
    RowSheet& row = chunk.rows[i];
    if (row.shared) {
      if (!row.works_out_shared) continue;  // see TakeSharedSheets
      SharedSheet& shared = *row.shared;
      FeeSheet sheet(*row.plan, std::move(row.markers), digits);
      sheet.Resolve();
      row.shared_outcome =
          std::make_shared<const SheetOutcome>(OutcomeOf(sheet, row.basis, row.quantity, digits));
      shared.price = PriceLineOf(sheet, row.basis);
      shared.outcome = row.shared_outcome;
      continue;
    }
    if (row.own_lines != nullptr) {
      row.own_plan = FeeSheetPlan::Compile(*row.own_lines, items);
      row.plan = row.own_plan.get();
      if (row.plan == nullptr) {
        row.sheet.emplace(*row.own_lines, items, std::move(row.markers), digits);
        row.sheet->Resolve();
      }
    }
    if (!row.sheet) {
      row.sheet.emplace(*row.plan, std::move(row.markers), digits);
      row.sheet->Resolve();
    }
    row.outcome = OutcomeOf(*row.sheet, row.basis, row.quantity, digits);
    row.sheet.reset();
    row.own_plan.reset();
  }
}

// The outcomes of the rows that share a sheet worked out by another row,
// once WorkOut is over for the chunk (that row may come later in it, or
// have been in an earlier chunk).
void TakeSharedSheets(Chunk& chunk, int digits) {
  for (RowSheet& row : chunk.rows) {
    if (!row.shared || row.works_out_shared) continue;
    const SharedSheet& shared = *row.shared;
    row.outcome.columns = shared.outcome->columns;
    row.outcome.components = shared.outcome->components;
    PriceFrom(shared.price, row.quantity, digits, &row.outcome.unit, &row.outcome.total);
  }
}

// Starts WorkOut on another thread when there is one to be had; the
// returned future is invalid otherwise.
std::future<void> WorkOutElsewhere(Chunk& chunk, const Query& items, int digits) {
  // Asked once: the answer is read from the system on every call.
  static const unsigned cores = std::thread::hardware_concurrency();
  if (chunk.rows.empty() || cores < 2) return {};
  try {
    return std::async(std::launch::async,
                      [&chunk, &items, digits] { WorkOut(chunk, items, digits); });
  } catch (const std::system_error&) {
    return {};  // this thread does it all
  }
}

}  // namespace

bool CalculateUnitPriceFeesFast(EngineContext& ctx, const std::string& item,
                                const std::string& no_detail_tags, const RowTotals* totals) {
  Database& db = ctx.db;
  const int digits = ctx.settings.price_decimals;
  Query items;

  const std::string where =
      item != "0" ? " where 编号=" + item : std::string(" where 标志='定额' and 计算=0");
  const std::string select = QuotaRowsSql(item, "*");
  // The rows as that select gives them; `report` says whether a failure is
  // shown.
  auto open_items = [&](bool report) {
    return (item == "0" && OpenSortedHere(db, items, where)) || db.Open(items, select, report);
  };
  // The totals around the step: folded into the rows' writes where they can
  // be worked out here, else set by their statements in their order.
  FoldedTotals folded;
  bool opened = false;
  bool fold_after = false;
  const std::unordered_set<std::string> real_columns =
      totals != nullptr ? RealAffinityColumns(db, "分部分项") : std::unordered_set<std::string>();
  if (totals != nullptr) {
    folded.digits = totals->digits;
    std::vector<TotalFields> before;
    std::unordered_set<int64_t> written_keys;
    if (open_items(/*report=*/false) && FieldsOf(items, real_columns, totals->before, &before) &&
        FoldAssignmentsIn(db, items, real_columns, *totals, &folded.assigned, &written_keys) &&
        FoldTotalsIn(items, before, totals->digits)) {
      folded.before = std::move(before);
      opened = true;
    } else {
      // The caller's writes not made yet, as it would have made them, then
      // its update.
      for (size_t first = 0, end; first < totals->assignments.size(); first = end) {
        end = EndOfRow(totals->assignments, first);
        if (written_keys.count(totals->assignments[first].key) == 0) {
          WriteAssignments(db, *totals, first, end);
        }
      }
      folded.assigned = AssignedFields();
      db.Exec(totals->before_statement);
    }
  }
  if (!opened && !open_items(/*report=*/true)) return false;
  if (totals != nullptr) {
    fold_after = FieldsOf(items, real_columns, totals->after, &folded.after);
    if (!fold_after) folded.after.clear();
  }
  // Without rows, the update after the step reaches none either.
  if (items.RecordCount() == 0) {
    if (totals != nullptr && !fold_after) db.Exec(totals->after_statement);
    return true;
  }
  // The rows are looked up by their integer keys: any other 编号 is left to
  // the statements.
  const int key_field = items.FieldIndex("编号");
  for (items.First(); !items.Eof(); items.Next()) {
    if (items.Value(key_field).type() != SQLITE_INTEGER) return false;
  }

  // The whole run reads every own sheet at once; one row reads its own.
  items.First();
  SheetsByItem own_sheets;
  if (!LoadOwnSheets(db, item != "0" ? " where 主表=" + FieldText(items, "编号") : std::string(),
                     &own_sheets)) {
    return false;
  }
  std::map<std::string, PlannedSheet> standard_sheets;
  SharedSheets shared_sheets;
  const std::unordered_set<std::string> no_detail = TaggedKeys(no_detail_tags);

  // The basis is fixed by the first sheet that names a unit or total line
  // and then holds for the rest of the call.
  FeeBasis basis = FeeBasis::kUndetermined;

  // Sets up the next chunk of rows in walk order, reading each row as it was
  // fetched (no row is written before its own sheet is built).
  auto set_up = [&](Chunk& chunk) {
    chunk.rows.clear();
    chunk.next = 0;
    chunk.first_row = items.cursor();
    for (; chunk.rows.size() < kRowsPerChunk && !items.Eof(); items.Next()) {
      RowSheet& row = chunk.rows.emplace_back();
      row.number = FieldText(items, "编号");
      auto own = own_sheets.find(items.Value(key_field).integer());
      const bool has_own = own != own_sheets.end();
      const PlannedSheet* standard =
          has_own ? nullptr
                  : &StandardSheet(db, items, standard_sheets, FieldText(items, "单价取费"), digits);
      const std::vector<FeeLine>& lines = has_own ? own->second : standard->lines;
      row.single_row = has_own && own->second.size() == 1;
      if (basis == FeeBasis::kUndetermined) basis = BasisOfSheet(lines);
      row.basis = basis;
      row.quantity = FieldNumber(items, "工程量");
      if (has_own) {
        row.own_lines = &lines;
        row.markers = MarkerTextsOf(items, basis, (1u << kFeeMarkerCount) - 1);
      } else if ((row.plan = standard->plan.get()) != nullptr) {
        row.markers = MarkerTextsOf(items, basis, row.plan->markers_used());
        row.shared = shared_sheets.Find(row.plan, basis, row.markers, &row.works_out_shared);
      } else {
        row.sheet.emplace(lines, items, basis, digits);
        row.sheet->Resolve();
      }
    }
  };

  // Writes a worked-out chunk, row by row in walk order.
  std::unordered_set<std::string> marked_parents;
  auto write = [&](Chunk& chunk) {
    items.MoveTo(chunk.first_row);
    for (RowSheet& row : chunk.rows) {
      WriteRow(ctx, items, row.Outcome(), row.single_row, no_detail, &folded);
      // The parent bill item has to be rolled up again. Nothing in this walk
      // sets 计算 back, so a parent marked once need not be marked again
      // (a trigger, which would see every mark, keeps fast paths away).
      std::string parent = FieldNumberLiteral(items, "上级编号");
      if (marked_parents.insert(parent).second) {
        db.ExecNumbers("update 分部分项 set 计算=0 where 标志='项' and 编号={}", {parent});
      }
      InsertComponents(db, row.number, row.Outcome().components);
      items.Next();
    }
  };

  // While this thread writes a chunk, another works out the next one; then
  // this thread helps it finish.
  Chunk chunks[2];
  items.First();
  set_up(chunks[0]);
  std::future<void> elsewhere = WorkOutElsewhere(chunks[0], items, digits);
  // The old component records go while the first sheets are worked out
  // (before any record is written; nothing else here reads them). Should
  // the delete fail, the plain statements report it row by row.
  const size_t after_first = items.cursor();
  const bool deleted = DeleteComponentRecords(db, items);
  items.MoveTo(after_first);
  WorkOut(chunks[0], items, digits);
  if (elsewhere.valid()) elsewhere.get();
  TakeSharedSheets(chunks[0], digits);
  if (!deleted) return false;
  for (int current = 0; !chunks[current].rows.empty(); current = 1 - current) {
    Chunk& next = chunks[1 - current];
    set_up(next);
    const size_t after_next = items.cursor();
    elsewhere = WorkOutElsewhere(next, items, digits);
    write(chunks[current]);
    WorkOut(next, items, digits);
    if (elsewhere.valid()) elsewhere.get();
    TakeSharedSheets(next, digits);
    items.MoveTo(after_next);
  }
  // Every quota row of the project is held here; the later steps need the
  // memory more than these rows.
  items.Close();
  if (totals != nullptr && (!fold_after || folded.after_needs_statement)) {
    db.Exec(totals->after_statement);
  }
  return true;
}

}  // namespace ftcalc
