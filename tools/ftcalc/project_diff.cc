#include "project_diff.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <unordered_map>

#include "data/number_text.h"
#include "project_reader.h"

namespace ftcalc::cli {
namespace {

constexpr int kMaxDecimals = 15;
constexpr char kUnit = '\x1f';    // separates the parts of a key

// Decimals that NumberText writes `x` with; -1 for the scientific form.
int WrittenDecimals(double x) {
  const std::string text = NumberText(x);
  if (text.find_first_of("Ee") != std::string::npos) return -1;
  const size_t point = text.find('.');
  return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

std::optional<double> Difference(std::optional<double> a, std::optional<double> b) {
  if (!a || !b) return std::nullopt;
  const double difference = *b - *a;
  const int decimals = std::max(WrittenDecimals(*a), WrittenDecimals(*b));
  if (!std::isfinite(difference) || WrittenDecimals(*a) < 0 || WrittenDecimals(*b) < 0 ||
      decimals > kMaxDecimals) {
    return difference;
  }
  return RoundHalfUp(decimals, difference);
}

ValueChange Change(const std::string& field, std::optional<double> a, std::optional<double> b,
                   int decimals) {
  return ValueChange{field, a, b, Difference(a, b), decimals};
}

// One side's row of a compared table: its identity and its named values.
struct Row {
  std::string key;
  DiffEntry identity;  // table, 编号, 标志, 编码, 名称, 单位, place
  std::vector<std::string> fields;
  std::vector<std::optional<double>> values;
  std::vector<int> decimals;
};

// Both sides' rows of one table and which of them are the same row.
class Matcher {
 public:
  Matcher(std::vector<Row> a, std::vector<Row> b)
      : a_(std::move(a)), b_(std::move(b)), a_to_b_(a_.size(), -1), b_to_a_(b_.size(), -1) {}

  void Pair(size_t i, size_t j) {
    a_to_b_[i] = static_cast<long>(j);
    b_to_a_[j] = static_cast<long>(i);
  }
  bool PairedA(size_t i) const { return a_to_b_[i] >= 0; }

  // Pairs the rows not yet paired that have the same key, in order.
  void PairByKey() {
    std::unordered_map<std::string, std::deque<size_t>> waiting;
    for (size_t j = 0; j < b_.size(); ++j) {
      if (b_to_a_[j] < 0) waiting[b_[j].key].push_back(j);
    }
    for (size_t i = 0; i < a_.size(); ++i) {
      if (a_to_b_[i] >= 0) continue;
      auto found = waiting.find(a_[i].key);
      if (found == waiting.end() || found->second.empty()) continue;
      Pair(i, found->second.front());
      found->second.pop_front();
    }
  }

  // Appends the changed rows and the added ones in B's order, then the
  // removed ones in A's order.
  void Entries(const std::string& main_field, std::vector<DiffEntry>& entries) const {
    std::vector<DiffEntry> added;
    for (size_t j = 0; j < b_.size(); ++j) {
      if (b_to_a_[j] < 0) {
        added.push_back(Whole(b_[j], ChangeKind::kAdded, main_field));
        continue;
      }
      const Row& a = a_[b_to_a_[j]];
      const Row& b = b_[j];
      DiffEntry entry = a.identity;
      entry.kind = ChangeKind::kChanged;
      entry.number_b = b.identity.number_b;
      entry.main_field = main_field;
      if (b.identity.code != a.identity.code) entry.code_b = b.identity.code;
      if (b.identity.name != a.identity.name) entry.name_b = b.identity.name;
      const bool renamed = entry.code_b || entry.name_b;
      for (size_t f = 0; f < a.fields.size(); ++f) {
        ValueChange change = Change(a.fields[f], a.values[f], b.values[f],
                                    std::max(a.decimals[f], b.decimals[f]));
        if (change.changed()) entry.values.push_back(change);
      }
      if (!entry.values.empty() || renamed) entries.push_back(std::move(entry));
    }
    entries.insert(entries.end(), added.begin(), added.end());
    for (size_t i = 0; i < a_.size(); ++i) {
      if (a_to_b_[i] < 0) entries.push_back(Whole(a_[i], ChangeKind::kRemoved, main_field));
    }
  }

  const std::vector<Row>& a() const { return a_; }
  const std::vector<Row>& b() const { return b_; }
  long BOf(size_t i) const { return a_to_b_[i]; }
  long AOf(size_t j) const { return b_to_a_[j]; }

 private:
  static DiffEntry Whole(const Row& row, ChangeKind kind, const std::string& main_field) {
    DiffEntry entry = row.identity;
    entry.kind = kind;
    entry.main_field = main_field;
    for (size_t f = 0; f < row.fields.size(); ++f) {
      const bool added = kind == ChangeKind::kAdded;
      entry.values.push_back(Change(row.fields[f], added ? std::nullopt : row.values[f],
                                    added ? row.values[f] : std::nullopt, row.decimals[f]));
    }
    return entry;
  }

  std::vector<Row> a_, b_;
  std::vector<long> a_to_b_, b_to_a_;
};

// The items of one version in display order, each with the headings above.
struct Tree {
  std::vector<size_t> order;  // indexes into items, display order
  std::vector<Row> rows;      // in display order
  std::vector<size_t> root_rows;  // positions in rows of the top-level rows
};

// The places of both versions, numbered so that two rows have the same
// number exactly when the headings above them have the same 编码 and 名称
// all the way up: a place is its parent place's number with the parent's
// 编码 and 名称. (A key spelling out every heading above a row would grow
// with the tree's depth, for every row of it.)
class Places {
 public:
  static constexpr size_t kTop = 0;

  size_t Below(size_t parent_place, const ReportItem& parent) {
    std::string key = std::to_string(parent_place);
    key += kUnit;
    key += parent.code;
    key += kUnit;
    key += parent.name;
    return numbers_.emplace(std::move(key), numbers_.size() + 1).first->second;
  }

 private:
  std::unordered_map<std::string, size_t> numbers_;
};

// Headings shown above a row, nearest last; past this many the top ones
// are left out ("… / ").
constexpr int kShownHeadings = 8;

// The headings above `at` as shown: their 名称 from the top down, joined
// by " / " (a blank name at the top is skipped, as the text starts with the
// first name that is not).
std::string PlaceText(const ReportData& data, const std::vector<long>& parent_of, size_t at) {
  std::vector<const std::string*> names;
  long up = parent_of[at];
  for (; up >= 0 && static_cast<int>(names.size()) < kShownHeadings; up = parent_of[up]) {
    names.push_back(&data.items[static_cast<size_t>(up)].name);
  }
  std::string text = up >= 0 ? "…" : "";
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    text = text.empty() ? **name : text + " / " + **name;
  }
  return text;
}

Tree ReadTree(const ReportData& data, bool side_b, Places& places) {
  Tree tree;
  const size_t n = data.items.size();
  std::vector<size_t> place(n, Places::kTop);
  std::vector<long> parent_of(n, -1);
  // Explicit stack: the reader has cut every loop, so each row comes once.
  std::vector<size_t> pending(data.roots.rbegin(), data.roots.rend());
  std::vector<bool> is_root(n, false);
  for (size_t root : data.roots) is_root[root] = true;
  while (!pending.empty()) {
    const size_t at = pending.back();
    pending.pop_back();
    const ReportItem& item = data.items[at];
    if (is_root[at]) tree.root_rows.push_back(tree.rows.size());
    Row row;
    row.key = item.kind + kUnit + item.code + kUnit + item.name + kUnit + std::to_string(place[at]);
    row.identity.table = kItemsTable;
    (side_b ? row.identity.number_b : row.identity.number_a) = item.number;
    row.identity.row_kind = item.kind;
    row.identity.code = item.code;
    row.identity.name = item.name;
    row.identity.unit = item.unit;
    row.identity.place = PlaceText(data, parent_of, at);
    row.fields = {"工程量", "综合单价", "综合合价"};
    row.values = {item.quantity_value, item.unit_price_value, item.total_value};
    row.decimals = {data.quantity_decimals, data.price_decimals, data.price_decimals};
    tree.order.push_back(at);
    tree.rows.push_back(std::move(row));
    const size_t below = item.children.empty() ? Places::kTop : places.Below(place[at], item);
    for (auto child = item.children.rbegin(); child != item.children.rend(); ++child) {
      place[*child] = below;
      parent_of[*child] = static_cast<long>(at);
      pending.push_back(*child);
    }
  }
  return tree;
}

// Pairs rows of the same 编号 that are the same kind with the same 编码 or
// 名称, then the rest by their keys.
void MatchItems(Matcher& matcher) {
  std::unordered_map<std::string, size_t> b_by_number;
  for (size_t j = 0; j < matcher.b().size(); ++j) b_by_number[matcher.b()[j].identity.number_b] = j;
  for (size_t i = 0; i < matcher.a().size(); ++i) {
    const DiffEntry& a = matcher.a()[i].identity;
    auto found = b_by_number.find(a.number_a);
    if (found == b_by_number.end()) continue;
    const DiffEntry& b = matcher.b()[found->second].identity;
    if (a.row_kind == b.row_kind && (a.code == b.code || a.name == b.name)) {
      matcher.Pair(i, found->second);
    }
  }
  matcher.PairByKey();
}

// Rows of 材料价格 or 设备汇总, keyed by 编码, 名称 and 单位; category rows
// only name the place of the lines below them.
std::vector<Row> SummaryRows(const ReportData& data, const ReportTable& table, const char* name) {
  std::vector<Row> rows;
  std::string category;
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const std::vector<std::string>& cells = table.rows[r];
    if (table.styles[r] == "group") {
      category = cells[1];
      continue;
    }
    Row row;
    row.key = cells[0] + kUnit + cells[1] + kUnit + cells[2];
    row.identity.table = name;
    row.identity.code = cells[0];
    row.identity.name = cells[1];
    row.identity.unit = cells[2];
    row.identity.place = table.styles[r] == "total" ? std::string() : category;
    for (size_t c = 0; c < cells.size(); ++c) {
      if (!table.numeric[c]) continue;
      row.fields.push_back(table.headers[c]);
      row.values.push_back(table.values[r][c]);
      row.decimals.push_back(table.headers[c] == "数量" ? data.quantity_decimals
                                                        : data.price_decimals);
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

// Every line of every fee table, keyed by its table, 顺号 and 项目.
std::vector<Row> FeeRows(const ReportData& data) {
  std::vector<Row> rows;
  for (const ReportTable& table : data.fee_tables) {
    for (size_t r = 0; r < table.rows.size(); ++r) {
      const std::vector<std::string>& cells = table.rows[r];
      Row row;
      row.key = table.title + kUnit + cells[0] + kUnit + cells[1];
      row.identity.table = kFeesTable;
      row.identity.code = cells[0];
      row.identity.name = cells[1];
      row.identity.place = table.title;
      row.fields = {"费用"};
      row.values = {table.values[r][3]};
      row.decimals = {data.price_decimals};
      rows.push_back(std::move(row));
    }
  }
  return rows;
}

void CompareTable(std::vector<Row> a, std::vector<Row> b, const char* main_field,
                  std::vector<DiffEntry>& entries) {
  Matcher matcher(std::move(a), std::move(b));
  matcher.PairByKey();
  matcher.Entries(main_field, entries);
}

std::optional<double> ChaptersTotal(const ReportData& data) {
  if (data.chapters.empty()) return std::nullopt;
  return CAtof(data.chapters_total);
}

}  // namespace

bool ValueChange::changed() const {
  if (!a || !b) return a.has_value() != b.has_value();
  return NumberText(*a) != NumberText(*b);
}

bool ProjectDiff::equal() const {
  if (!entries.empty()) return false;
  for (const ValueChange& total : totals) {
    if (total.changed()) return false;
  }
  for (const ChapterChange& chapter : chapters) {
    if (chapter.total.changed()) return false;
  }
  return true;
}

size_t ProjectDiff::Count(const std::string& table, ChangeKind kind) const {
  return static_cast<size_t>(std::count_if(entries.begin(), entries.end(), [&](const DiffEntry& e) {
    return e.table == table && e.kind == kind;
  }));
}

ProjectDiff CompareProjects(const ReportData& a, const ReportData& b) {
  ProjectDiff diff;
  const int price = std::max(a.price_decimals, b.price_decimals);

  Places places;
  Tree tree_a = ReadTree(a, false, places);
  Tree tree_b = ReadTree(b, true, places);
  const std::vector<size_t> roots_a = tree_a.root_rows, roots_b = tree_b.root_rows;
  Matcher items(std::move(tree_a.rows), std::move(tree_b.rows));
  MatchItems(items);
  items.Entries("综合合价", diff.entries);

  // Chapters: B's top-level headings with their match in A, then A's that
  // were removed.
  for (size_t j : roots_b) {
    const DiffEntry& chapter = items.b()[j].identity;
    if (!IsHeadingKind(chapter.row_kind)) continue;
    const long i = items.AOf(j);
    diff.chapters.push_back(
        {chapter.name, Change("综合合价", i >= 0 ? items.a()[i].values[2] : std::nullopt,
                              items.b()[j].values[2], price)});
  }
  for (size_t i : roots_a) {
    const DiffEntry& chapter = items.a()[i].identity;
    if (!IsHeadingKind(chapter.row_kind) || items.PairedA(i)) continue;
    diff.chapters.push_back(
        {chapter.name, Change("综合合价", items.a()[i].values[2], std::nullopt, price)});
  }

  CompareTable(SummaryRows(a, a.materials, kMaterialsTable),
               SummaryRows(b, b.materials, kMaterialsTable), "合价", diff.entries);
  CompareTable(SummaryRows(a, a.equipment, kEquipmentTable),
               SummaryRows(b, b.equipment, kEquipmentTable), "合价", diff.entries);
  CompareTable(FeeRows(a), FeeRows(b), "费用", diff.entries);

  diff.totals.push_back(Change("工程造价", a.cost_value, b.cost_value, price));
  diff.totals.push_back(Change("单方造价", a.unit_cost_value, b.unit_cost_value, price));
  diff.totals.push_back(Change("各章合计", ChaptersTotal(a), ChaptersTotal(b), price));
  diff.fees_not_recalculated = diff.totals[2].changed() && diff.totals[0].a &&
                               diff.totals[0].b && !diff.totals[0].changed();
  return diff;
}

const char* ChangeName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::kChanged:
      return "变动";
    case ChangeKind::kAdded:
      return "新增";
    case ChangeKind::kRemoved:
      return "删除";
  }
  return "";
}

std::string ValueText(std::optional<double> value, int decimals) {
  return value ? MoneyText(*value, decimals) : std::string();
}

std::string DifferenceText(std::optional<double> value, int decimals) {
  if (!value) return std::string();
  const std::string text = MoneyText(*value, decimals);
  return *value > 0 ? "+" + text : text;
}

}  // namespace ftcalc::cli
