#include "calc/unit_price_fees.h"

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

#include "calc/fee_sheet.h"
#include "calc/item_tree.h"
#include "calc/fee_sheet_plan.h"
#include "calc/material_prices.h"
#include "data/ftrou.h"
#include "data/number_text.h"
#include "data/query.h"
#include "data/sql_exec.h"
#include "data/value_arithmetic.h"
#include "entry/engine_state.h"

namespace ftcalc {
namespace {

using SheetsByItem = std::unordered_map<int64_t, std::vector<FeeLine>>;

// The own fee sheets of the items, read at once instead of with one
// "...where 主表=<编号> order by 编号" per item (each of which would scan the
// whole table). Sorting by 主表 first keeps every item's lines in 编号 order
// (ties in rowid order), so each group is exactly what the per-item query
// returns; when 编号 is the table's integer key, the table's own order is
// that order already. A 主表 that "主表=<编号>" could match is an INTEGER or a
// whole REAL (主表 is an integer column, so every number-like text was
// stored as a number). Nothing this step writes touches the table, so
// reading it before the walk sees the same rows.
SheetsByItem LoadOwnSheets(Query& query, const std::string& where) {
  SheetsByItem sheets;
  int item = -1;
  const bool keyed = IsIntegerKeyColumn("分部分项取费明细", "编号");
  StreamQuery(query,
              "select 主表,编号,顺号,项目,公式 from 分部分项取费明细" + where +
                  (keyed ? " order by rowid" : " order by 主表,编号,rowid"),
              [&](const Query& row) {
                if (item < 0) item = row.FieldIndex("主表");
                int64_t key = 0;
                if (!IntegerKey(row.Value(item), &key)) return;
                sheets[key].push_back(
                    {FieldText(row, "顺号"), FieldText(row, "项目"), FieldText(row, "公式")});
              });
  query.Close();
  return sheets;
}

// A sheet's lines and, when it has one, its plan.
struct PlannedSheet {
  std::vector<FeeLine> lines;
  std::unique_ptr<FeeSheetPlan> plan;
};

// The standard unit-price sheet of a fee profession, read and planned once
// per profession text and kept for the call (the tables are not written
// here).
const PlannedSheet& StandardSheet(Query& query, const Query& items,
                                  std::map<std::string, PlannedSheet>& cache,
                                  const std::string& profession) {
  auto found = cache.find(profession);
  if (found != cache.end()) return found->second;
  PlannedSheet& sheet = cache[profession];
  std::vector<FeeLine>& lines = sheet.lines;
  OpenQuery(query,
            "select 顺号,项目,公式 from 工程取费 where 主表=(select 编号 from 取费索引 where "
            "取费专业='" +
                SqlQuoted(profession) + "' and 类别='综合单价') order by 排序,rowid");
  for (query.First(); !query.Eof(); query.Next()) {
    lines.push_back(
        {FieldText(query, "顺号"), FieldText(query, "项目"), FieldText(query, "公式")});
  }
  sheet.plan = FeeSheetPlan::Compile(lines, items);
  return sheet;
}

// Clears the component records of every row about to be processed. Each
// row's own "delete ... where 主表=<编号>" would run just before its insert;
// since the rows' 编号 are distinct, no insert of this call is hit by
// another row's delete, so deleting them all first leaves the same table,
// with one scan (SQLite looks the list up in an index it builds) instead of
// one per row.
void DeleteComponentRecords(Query& items) {
  if (items.RecordCount() == 0) return;
  std::string list;
  for (items.First(); !items.Eof(); items.Next()) {
    if (items.cursor() > 0) list += ",";
    list += FieldText(items, "编号");
  }
  ExecSql("delete from 分部分项单价费率费用 where 主表 in(" + list + ")");
}

// A component value as pasted into the insert. The evaluator gives a
// number text; anything else (an infinity, a leftover list) is pasted as
// the number it reads as, so that it cannot break the statement.
std::string ComponentLiteral(const std::string& value) {
  if (!value.empty() && CAtofLength(value) == value.size()) return value;
  return NumberText(CAtof(value));
}

// The record's values in the insert's column order: a fee line's value
// (by tag), which also adds to sum `sum`, or (tag nullptr) sum `sum` itself:
// 综合1 and 综合2 after 2.11, 综合3 after 3.5, 综合4 after 4.5.
struct RecordValue {
  const char* tag;
  int sum;
};

constexpr RecordValue kRecord[] = {
    {"<:2.1>", 0}, {"<:2.2>", 0}, {"<:2.3>", 0},  {"<:2.4>", 1},  {"<:2.5>", 1}, {"<:2.6>", 0},
    {"<:2.7>", 1}, {"<:2.8>", 0}, {"<:2.9>", 0},  {"<:2.10>", 0}, {"<:2.11>", 0}, {nullptr, 0},
    {nullptr, 1},  {"<:3.1>", 2}, {"<:3.2>", 2},  {"<:3.3>", 2},  {"<:3.4>", 2}, {"<:3.5>", 2},
    {nullptr, 2},  {"<:4.1>", 3}, {"<:4.2>", 3},  {"<:4.3>", 3},  {"<:4.4>", 3}, {"<:4.5>", 3},
    {nullptr, 3},
};

// What a row's sheet gives, worked out before the row is written.
struct SheetOutcome {
  double unit = 0;
  double total = 0;
  // Columns the sheet's named lines write, in the sheet's order.
  std::vector<std::pair<std::string, double>> columns;
  // The component record's values after 主表, in the insert's column order.
  std::vector<std::string> components;
};

// The record's values: each line's value, pasted as a number, and the four
// sums of them.
std::vector<std::string> ComponentsOf(const FeeSheet& sheet) {
  std::vector<std::string> numbers;
  numbers.reserve(std::size(kRecord));
  double sums[4] = {0, 0, 0, 0};
  for (const RecordValue& column : kRecord) {
    if (column.tag == nullptr) {
      numbers.push_back(NumberText(sums[column.sum]));
      continue;
    }
    // A sheet without the line contributes "0".
    const std::string value = sheet.EvaluatedValue(column.tag);
    numbers.push_back(ComponentLiteral(value));
    sums[column.sum] += CAtof(value);
  }
  return numbers;
}

// Inserts the component record of one row; the statement is prepared once
// per call and the values bound (see ExecSqlNumbers).
void InsertComponents(const std::string& number, const std::vector<std::string>& components) {
  static const std::string pattern = [] {
    std::string text =
        "insert into 分部分项单价费率费用(主表,冬季,雨季,夜间,高原,风沙,沿海,行车,安全,临时,施工,"
        "工地,综合1,综合2, 养老,失业,医疗,住房,工伤,综合3,基本,主副,职工,补贴,费用,综合4) "
        "values({}";
    for (size_t i = 0; i < std::size(kRecord); ++i) text += ",{}";
    return text + ")";
  }();
  std::vector<std::string> numbers;
  numbers.reserve(components.size() + 1);
  numbers.push_back(number);
  numbers.insert(numbers.end(), components.begin(), components.end());
  ExecSqlNumbers(pattern, numbers);
}

// Columns cleared when the sheet gives the row no price of its own.
constexpr const char* kUnitCostColumns[] = {"单价_人工费", "单价_材料费", "单价_机械费"};
constexpr const char* kClearedColumns[] = {"合价_人工费", "合价_材料费", "合价_机械费", "直接费",
                                           "直接工程费",  "其他费用",    "规费",        "管理费",
                                           "间接费",      "利润",        "增值税"};

// Composite unit price and total of the row from its sheet. With both a
// unit and a total line, the line of the call's basis decides; a total
// without quantity gives a unit price of 0.
void PriceOf(const FeeSheet& sheet, FeeBasis basis, double quantity, int digits, double* unit,
             double* total) {
  const bool has_unit = !sheet.unit_tag().empty();
  const bool has_total = !sheet.total_tag().empty();
  *unit = 0;
  *total = 0;
  if (has_unit && (!has_total || basis != FeeBasis::kTotal)) {
    *unit = RoundHalfUp(digits, CAtof(sheet.EvaluatedValue(sheet.unit_tag())));
    *total = RoundHalfUp(digits, *unit * quantity);
  } else if (has_total) {
    *total = RoundHalfUp(digits, CAtof(sheet.EvaluatedValue(sheet.total_tag())));
    *unit = quantity == 0 ? 0 : RoundHalfUp(digits, *total / quantity);
  }
}

SheetOutcome OutcomeOf(const FeeSheet& sheet, FeeBasis basis, double quantity, int digits) {
  SheetOutcome outcome;
  PriceOf(sheet, basis, quantity, digits, &outcome.unit, &outcome.total);
  const std::vector<std::string>& map = sheet.column_map();
  for (const std::string& entry : map) {
    const std::string name(EntryName(entry));
    // The row key is never a fee: writing it would move the row away from
    // its material lines, fee lines and children.
    if (name == "综合单价" || name == "综合合价" || name == "编号") continue;
    const std::string tag = LookUpValue(map, name);
    const double value = RoundHalfUp(digits, CAtof(sheet.EvaluatedValue(tag)));
    const bool direct_cost = name == "人工费" || name == "材料费" || name == "机械费";
    outcome.columns.emplace_back(direct_cost ? "单价_" + name : name, value);
  }
  outcome.components = ComponentsOf(sheet);
  return outcome;
}

// Opens the rows of the whole run, "... order by 排序,rowid", without
// having SQLite sort them: read in rowid order, they are put in 排序 order
// here (rows that tie keep their rowid order) when every 排序 is a number
// or NULL, whose order does not depend on a collation. False (the query
// closed, nothing reported) otherwise, or when the read fails.
bool OpenSortedHere(Query& items, const std::string& where) {
  if (!OpenQuery(items, "select * from 分部分项" + where + " order by rowid",
                 /*report_errors=*/false)) {
    return false;
  }
  const int order = items.FieldIndex("排序");
  bool numbers = order >= 0;
  for (items.First(); numbers && !items.Eof(); items.Next()) {
    const int type = items.Value(order).type;
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
void WriteAssignments(const RowTotals& totals, size_t first, size_t end) {
  if (first == end) return;
  std::string pattern = "update 分部分项 set ";
  std::vector<std::string> numbers;
  for (size_t i = first; i < end; ++i) {
    if (i > first) pattern += ",";
    pattern += totals.assignment_columns[totals.assignments[i].column] + "={}";
    numbers.push_back(totals.assignments[i].number);
  }
  numbers.push_back(std::to_string(totals.assignments[first].key));
  ExecSqlNumbers(pattern + " where 编号={}", numbers);
}

// Puts the assignments of the walked rows into those rows as if they had
// been written and read back, and writes the others (their keys go to
// `written`). `fields` gets, per row, the fields to write with it. False
// where a column is not a REAL column of the rows or a number cannot be
// read as SQLite binds it; the rows may then hold some of the values, and
// nothing has been written.
bool FoldAssignmentsIn(Query& items, const std::unordered_set<std::string>& real_columns,
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
    if (key.type == SQLITE_INTEGER) rows.emplace(key.integer, items.cursor());
  }
  // The walked rows' numbers, read as SQLite reads them, a batch at a time.
  constexpr size_t kBatch = 8192;
  std::vector<std::string> numbers;
  std::vector<std::pair<size_t, int>> targets;  // row, column
  std::vector<SqlValue> values;
  auto put_in = [&]() {
    if (!NumbersAsBound(numbers, &values) || values.size() != numbers.size()) return false;
    for (size_t i = 0; i < targets.size(); ++i) {
      // A REAL column keeps any number as a REAL.
      SqlValue& value = values[i];
      if (value.type == SQLITE_INTEGER) value = SqlValue::Real(static_cast<double>(value.integer));
      if (value.type != SQLITE_FLOAT && value.type != SQLITE_NULL) return false;
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
    WriteAssignments(totals, first, end);
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
void WriteRow(Query& items, const SheetOutcome& outcome, bool single_row,
              const std::unordered_set<std::string>& no_detail, FoldedTotals* folded) {
  EditRow(items);
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
  SetFieldNumber(items, "综合单价", -1, outcome.unit);
  SetFieldNumber(items, "综合合价", -1, outcome.total);

  if (single_row || (outcome.unit == 0 && outcome.total == 0)) {
    // Quotas without material lines keep the unit costs the user entered.
    if (no_detail.count(FieldText(items, "编号")) == 0) {
      for (const char* column : kUnitCostColumns) SetFieldNumber(items, column, -1, 0);
    }
    for (const char* column : kClearedColumns) SetFieldNumber(items, column, -1, 0);
  }
  // A sheet that writes 标志 or 计算 may take its row out of the update
  // after the step: that row is left to the update.
  bool leaves_rows = false;
  for (const auto& [column, value] : outcome.columns) {
    SetFieldNumber(items, column, -1, value);
    if (column == "标志" || column == "计算") leaves_rows = true;
    // The material list worked out ahead read these.
    if (column == "工程量" || column == "标志" || column == "编码" || column == "名称") {
      DropMaterialListAhead();
    }
  }
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
  PostRow(items);
}

// The row keys of a "[key][key]..." list.
std::unordered_set<std::string> TaggedKeys(const std::string& tags) {
  std::unordered_set<std::string> keys;
  for (size_t open = tags.find('['); open != std::string::npos; open = tags.find('[', open + 1)) {
    const size_t close = tags.find(']', open + 1);
    if (close == std::string::npos) break;
    keys.insert(tags.substr(open + 1, close - open - 1));
  }
  return keys;
}

// Rows whose sheets are worked out together before they are written.
constexpr size_t kRowsPerChunk = 512;

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
  SheetOutcome outcome;
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

void CalculateUnitPriceFees(const std::string& item, const std::string& no_detail_tags,
                            const RowTotals* totals) {
  EngineState& engine = Engine();
  const int digits = engine.price_decimals;
  Query& items = engine.WorkQuery();
  Query& sheet_query = engine.WorkQuery2();

  const std::string where =
      item != "0" ? " where 编号=" + item : std::string(" where 标志='定额' and 计算=0");
  const std::string select = "select * from 分部分项" + where + " order by 排序,rowid";
  // The rows as that select gives them; `report` says whether a failure is
  // shown.
  auto open_items = [&](bool report) {
    return (item == "0" && OpenSortedHere(items, where)) ||
           OpenQuery(items, select, report);
  };
  // The totals around the step: folded into the rows' writes where they can
  // be worked out here, else set by their statements (in their order, with
  // any error reported as it would be).
  FoldedTotals folded;
  bool opened = false;
  bool fold_after = false;
  const std::unordered_set<std::string> real_columns =
      totals != nullptr ? RealAffinityColumns("分部分项") : std::unordered_set<std::string>();
  if (totals != nullptr) {
    folded.digits = totals->digits;
    std::vector<TotalFields> before;
    std::unordered_set<int64_t> written_keys;
    if (open_items(/*report=*/false) &&
        FieldsOf(items, real_columns, totals->before, &before) &&
        FoldAssignmentsIn(items, real_columns, *totals, &folded.assigned, &written_keys) &&
        FoldTotalsIn(items, before, totals->digits)) {
      folded.before = std::move(before);
      opened = true;
    } else {
      // The caller's writes not made yet, as it would have made them, then
      // its update.
      for (size_t first = 0, end; first < totals->assignments.size(); first = end) {
        end = EndOfRow(totals->assignments, first);
        if (written_keys.count(totals->assignments[first].key) == 0) {
          WriteAssignments(*totals, first, end);
        }
      }
      folded.assigned = AssignedFields();
      ExecSql(totals->before_statement);
    }
  }
  if (!opened) open_items(/*report=*/true);
  if (totals != nullptr) {
    fold_after = items.is_open() && FieldsOf(items, real_columns, totals->after, &folded.after);
    if (!fold_after) folded.after.clear();
  }
  // Without rows, the update after the step reaches none either.
  if (items.RecordCount() == 0) {
    if (totals != nullptr && !fold_after) ExecSql(totals->after_statement);
    return;
  }

  // The whole run reads every own sheet at once; one row reads its own.
  items.First();
  const SheetsByItem own_sheets = LoadOwnSheets(
      sheet_query, item != "0" ? " where 主表=" + FieldText(items, "编号") : std::string());
  std::map<std::string, PlannedSheet> standard_sheets;
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
      auto own = own_sheets.find(CAtol(row.number));
      const bool has_own = !row.number.empty() && own != own_sheets.end();
      const PlannedSheet* standard =
          has_own ? nullptr
                  : &StandardSheet(sheet_query, items, standard_sheets, FieldText(items, "单价取费"));
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
      WriteRow(items, row.outcome, row.single_row, no_detail, &folded);
      // The parent bill item has to be rolled up again. Nothing in this walk
      // sets 计算 back, so a parent marked once need not be marked again.
      std::string parent = FieldNumberLiteral(items, "上级编号");
      if (marked_parents.insert(parent).second) {
        ExecSqlNumbers("update 分部分项 set 计算=0 where 标志='项' and 编号={}", {parent});
      }
      InsertComponents(row.number, row.outcome.components);
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
  // (before any record is written; nothing else here reads them).
  const size_t after_first = items.cursor();
  DeleteComponentRecords(items);
  items.MoveTo(after_first);
  WorkOut(chunks[0], items, digits);
  if (elsewhere.valid()) elsewhere.get();
  for (int current = 0; !chunks[current].rows.empty(); current = 1 - current) {
    Chunk& next = chunks[1 - current];
    set_up(next);
    const size_t after_next = items.cursor();
    elsewhere = WorkOutElsewhere(next, items, digits);
    write(chunks[current]);
    WorkOut(next, items, digits);
    if (elsewhere.valid()) elsewhere.get();
    items.MoveTo(after_next);
  }
  // Every quota row of the project is held here; the later steps need the
  // memory more than these rows.
  items.Close();
  if (totals != nullptr && (!fold_after || folded.after_needs_statement)) {
    ExecSql(totals->after_statement);
  }
}

}  // namespace ftcalc
