#include "calc/material_groups.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "calc/item_tree.h"
#include "calc/row_pipeline.h"
#include "data/ftrou.h"
#include "data/row_reader.h"
#include "data/schema_info.h"
#include "data/value_arithmetic.h"

namespace ftcalc {
namespace {

constexpr int kKeyColumns = 9;
constexpr int kQuantityColumn = 9;
constexpr int kLevelColumn = 10;
constexpr int kFirstNameColumn = 6;  // 三材; then 供应方 and 标志

// SQLite's order of two values of one column under BINARY collation: NULL,
// then numbers, then texts (bytes, then length), then blobs. Numbers of the
// two kinds are never compared here (GroupMaterialLines declines them).
int CompareValues(const SqlValue& a, const SqlValue& b) {
  auto rank = [](int type) {
    switch (type) {
      case SQLITE_NULL: return 0;
      case SQLITE_INTEGER:
      case SQLITE_FLOAT: return 1;
      case SQLITE_TEXT: return 2;
      default: return 3;
    }
  };
  if (rank(a.type()) != rank(b.type())) return rank(a.type()) < rank(b.type()) ? -1 : 1;
  switch (a.type()) {
    case SQLITE_NULL: return 0;
    case SQLITE_INTEGER: return a.integer() < b.integer() ? -1 : a.integer() > b.integer();
    case SQLITE_FLOAT: return a.real() < b.real() ? -1 : a.real() > b.real();
    default: {
      const size_t common = std::min(a.text().size(), b.text().size());
      const int bytes = common == 0 ? 0 : std::memcmp(a.text().data(), b.text().data(), common);
      if (bytes != 0) return bytes;
      return a.text().size() < b.text().size() ? -1 : a.text().size() > b.text().size();
    }
  }
}

// A value of the line being grouped is read in place (ValueView): a text
// points into the statement's current row or into a looked-up value, and is
// copied only when the line starts a group of its own.

// Whether two values fall in one group: the same storage class and the
// same number or bytes (given one number kind per column and no negative
// zero, that is SQLite's grouping).
bool SameKey(const ValueView& view, const SqlValue& value) {
  if (view.type != value.type()) return false;
  switch (view.type) {
    case SQLITE_INTEGER: return view.integer == value.integer();
    case SQLITE_FLOAT: {
      const double real = value.real();
      return std::memcmp(&view.real, &real, sizeof(double)) == 0;
    }
    case SQLITE_TEXT:
    case SQLITE_BLOB: return view.bytes() == std::string_view(value.text());
    default: return true;
  }
}

uint64_t Mix(uint64_t hash, uint64_t word) {
  hash ^= word + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
  return hash;
}

uint64_t HashOf(const ValueView& view, uint64_t hash) {
  hash = Mix(hash, static_cast<uint64_t>(view.type));
  switch (view.type) {
    case SQLITE_INTEGER: return Mix(hash, static_cast<uint64_t>(view.integer));
    case SQLITE_FLOAT: {
      uint64_t bits = 0;
      std::memcpy(&bits, &view.real, sizeof bits);
      return Mix(hash, bits);
    }
    case SQLITE_TEXT:
    case SQLITE_BLOB: return Mix(hash, std::hash<std::string_view>()(view.bytes()));
    default: return hash;
  }
}

// "标志 in(...)" on a TEXT column against text literals.
bool KindMatches(const ValueView& kind, const CategoryPart& part) {
  if (kind.type != SQLITE_TEXT) return false;
  for (const std::string& name : part.kinds) {
    if (kind.bytes() == name) return true;
  }
  return false;
}

// "层级=0" and "层级>0" on an INTEGER-affinity column: a text (or blob)
// left in it ranks above every number, NULL matches neither.
bool LevelMatches(const ValueView& level, const std::string& flag) {
  if (flag != "0" && flag != "1") return true;
  double number = 0;
  switch (level.type) {
    case SQLITE_NULL: return false;
    case SQLITE_INTEGER: number = static_cast<double>(level.integer); break;
    case SQLITE_FLOAT: number = level.real; break;
    default: return flag == "1";
  }
  return flag == "0" ? number == 0 : number > 0;
}

// One gathered line: the nine grouped values, the quantity and the level.
using LineRow = std::array<ValueView, kLevelColumn + 1>;

// The category lines, fed the gathered lines in their order.
class Grouper {
 public:
  explicit Grouper(const std::vector<MaterialCategory>& categories)
      : categories_(categories), index_(categories.size()), groups_(categories.size()) {}

  // Whether a line of this kind and level counts in any category part; the
  // other columns need not be read for a line that does not.
  bool Wants(const ValueView& kind, const ValueView& level) const {
    for (const MaterialCategory& category : categories_) {
      for (const CategoryPart& part : category.parts) {
        if (KindMatches(kind, part) && LevelMatches(level, part.flag)) return true;
      }
    }
    return false;
  }

  // Adds a line to the parts it counts in; false where the statements must
  // decide (see the header).
  bool Add(const LineRow& row) {
    const ValueView& kind = row[kKeyColumns - 1];
    if (kind.type != SQLITE_NULL && kind.type != SQLITE_TEXT) return false;
    const ValueView& level = row[kLevelColumn];
    bool keyed = false;
    uint64_t hash = 0;
    for (size_t c = 0; c < categories_.size(); ++c) {
      const std::vector<CategoryPart>& parts = categories_[c].parts;
      for (size_t p = 0; p < parts.size(); ++p) {
        if (!KindMatches(kind, parts[p]) || !LevelMatches(level, parts[p].flag)) continue;
        if (row[kQuantityColumn].type != SQLITE_FLOAT) return false;
        if (!keyed) {
          for (int i = 0; i < kKeyColumns; ++i) {
            const ValueView& value = row[i];
            if (value.type == SQLITE_INTEGER) kinds_seen_[i][0] = true;
            if (value.type == SQLITE_FLOAT) {
              if (value.real == 0 && std::signbit(value.real)) return false;
              kinds_seen_[i][1] = true;
            }
            if (kinds_seen_[i][0] && kinds_seen_[i][1]) return false;
            hash = HashOf(value, hash);
          }
          keyed = true;
        }
        Group& group = groups_[c][GroupOf(c, hash, row, parts.size())];
        const double quantity = row[kQuantityColumn].real;
        if (p == 0) {
          group.first_part_sum += quantity;
        } else {
          group.later_parts[p - 1].push_back(quantity);
        }
      }
    }
    return true;
  }

  // The lines of every category, in insert order.
  void Finish(std::vector<std::vector<MaterialGroup>>* lines) {
    lines->assign(categories_.size(), {});
    for (size_t c = 0; c < categories_.size(); ++c) {
      std::vector<MaterialGroup>& out = (*lines)[c];
      for (Group& group : groups_[c]) {
        double total = group.first_part_sum;
        for (const std::vector<double>& part : group.later_parts) {
          for (double quantity : part) total += quantity;
        }
        out.push_back({std::move(group.keys), total});
      }
      std::sort(out.begin(), out.end(), [](const MaterialGroup& a, const MaterialGroup& b) {
        for (int i = 0; i < kKeyColumns; ++i) {
          const int order = CompareValues(a.keys[i], b.keys[i]);
          if (order != 0) return order < 0;
        }
        return false;
      });
    }
  }

 private:
  // A group's total is its quantities added one by one from 0, the first
  // part's in gathered order, then the next part's, and so on. The first
  // part's are added as they come (that is the same additions in the same
  // order); the later parts' are kept until every line has been seen.
  struct Group {
    std::vector<SqlValue> keys;
    double first_part_sum = 0;
    std::vector<std::vector<double>> later_parts;  // parts 2, 3, ..., in gathered order
    size_t next_same_hash = SIZE_MAX;
  };

  // The group of category c the line falls in, started when it has none.
  size_t GroupOf(size_t c, uint64_t hash, const LineRow& row, size_t parts) {
    std::vector<Group>& groups = groups_[c];
    auto [found, added] = index_[c].emplace(hash, groups.size());
    if (!added) {
      for (size_t g = found->second;; g = groups[g].next_same_hash) {
        bool same = true;
        for (int i = 0; i < kKeyColumns && same; ++i) same = SameKey(row[i], groups[g].keys[i]);
        if (same) return g;
        if (groups[g].next_same_hash == SIZE_MAX) {
          groups[g].next_same_hash = groups.size();
          break;
        }
      }
    }
    Group group;
    group.keys.reserve(kKeyColumns);
    for (int i = 0; i < kKeyColumns; ++i) group.keys.push_back(ValueOf(row[i]));
    group.later_parts.resize(parts - 1);
    groups.push_back(std::move(group));
    return groups.size() - 1;
  }

  const std::vector<MaterialCategory>& categories_;
  std::vector<std::unordered_map<uint64_t, size_t>> index_;  // first group of a hash
  std::vector<std::vector<Group>> groups_;
  bool kinds_seen_[kKeyColumns][2] = {};  // per column: INTEGER seen, REAL seen
};

// The name a key of the class, supplier or kind columns joins: the row of
// that key (a left join on an INTEGER PRIMARY KEY from a numeric column),
// anything else none.
ValueView JoinedName(const JoinedNames& names, int which, const ValueView& key_value) {
  int64_t key = 0;
  if (key_value.type == SQLITE_INTEGER) {
    key = key_value.integer;
  } else if (key_value.type != SQLITE_FLOAT || !IntegerKey(SqlValue::Real(key_value.real), &key)) {
    return ValueView();
  }
  const auto& by_key = names.by_key[which];
  auto found = by_key.find(key);
  return found == by_key.end() ? ValueView() : ViewOf(found->second);
}

bool CanGroup(Database& db, const std::vector<MaterialCategory>& categories) {
  if (!TotalAddsInRowOrder()) return false;
  if (!ComparesAsStored(db, "分部分项材料明细", "上级编号")) return false;
  // Without parts nothing reads the lines.
  return !std::all_of(categories.begin(), categories.end(),
                      [](const MaterialCategory& c) { return c.parts.empty(); });
}

}  // namespace

bool GroupMaterialLines(Database& db, const std::vector<MaterialCategory>& categories,
                        const std::string& source, const JoinedNames* names,
                        std::vector<std::vector<MaterialGroup>>* lines) {
  if (!CanGroup(db, categories)) return false;
  Statement stmt;
  if (!db.TryPrepare(stmt, source) || ResultColumnCount(stmt) != kLevelColumn + 1) {
    return false;
  }
  Grouper grouper(categories);
  LineRow row;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    const RowReader reader(stmt);
    for (int i = 0; i <= kLevelColumn; ++i) row[i] = reader.View(i);
    if (names != nullptr) {
      for (int i = kFirstNameColumn; i < kKeyColumns; ++i) {
        row[i] = JoinedName(*names, i - kFirstNameColumn, row[i]);
      }
    }
    if (!grouper.Wants(row[kKeyColumns - 1], row[kLevelColumn])) continue;
    if (!grouper.Add(row)) return false;
  }
  if (rc != SQLITE_DONE) return false;
  grouper.Finish(lines);
  return true;
}

struct MaterialGrouping::Impl {
  Impl(Database& db, const std::vector<MaterialCategory>& categories, const JoinedNames& names,
       const StandardMaterials& standard, int quantity_digits)
      : db(db),
        names(names),
        standard(standard),
        quantity_digits(quantity_digits),
        grouper(categories) {}

  Database& db;
  // The composite lines' amounts: read by a statement of their own, or
  // noted from the lines as they are added.
  bool parents_in_order = false;
  ParentAmounts parents;
  ParentAmountsInOrder parents_noted;
  const JoinedNames& names;
  const StandardMaterials& standard;
  const int quantity_digits;
  Grouper grouper;
  // The quotas whose lines count, with their quantities.
  std::unordered_map<int64_t, SqlValue> quotas;
};

MaterialGrouping::MaterialGrouping(Database& db, const std::vector<MaterialCategory>& categories,
                                   const JoinedNames& names, const StandardMaterials& standard,
                                   int quantity_digits)
    : categories_(categories),
      impl_(std::make_unique<Impl>(db, categories, names, standard, quantity_digits)) {}

MaterialGrouping::~MaterialGrouping() = default;

bool MaterialGrouping::Start(bool parents_in_order) {
  Database& db = impl_->db;
  impl_->parents_in_order = parents_in_order;
  if (!CanGroup(db, categories_)) return false;
  // "a.主表 in(select 编号 from 分部分项 where ...)" holds, for an INTEGER
  // 主表, exactly for the keys of the quotas that count, and the join
  // "fb.编号=a.主表" reads the one row of that key (no row shares it).
  const bool keyed = ForEachKeyedRow(
      db,
      "select 编号,工程量,(标志='定额' and ifnull(编码,'') not like '//%' and ifnull(名称,'') not "
      "like '//%') from 分部分项",
      [this](int64_t key, const RowReader& row) {
        if (row.Type(2) == SQLITE_INTEGER && row.Integer(2) != 0) {
          row.ValueInto(1, &impl_->quotas[key]);
        }
      });
  if (!keyed) return false;
  return parents_in_order ? ParentAmounts::KeysCompareAsStored(db) : impl_->parents.Load(db);
}

bool MaterialGrouping::ParentsConsistent() const {
  return !impl_->parents_in_order || impl_->parents_noted.Consistent();
}

bool MaterialGrouping::Add(const MaterialLine& line) {
  Impl& m = *impl_;
  if (m.parents_in_order) m.parents_noted.Note(line);
  // where cast(a.实际量 as real)<>0 and a.主表 in(...)
  const RealSign sign = SignOfReal(line.amount);
  if (sign == RealSign::kUndecided) return false;
  if (sign == RealSign::kNull || sign == RealSign::kZero) return true;
  if (line.quota.type() == SQLITE_NULL) return true;
  if (line.quota.type() != SQLITE_INTEGER) return false;
  const auto quota = m.quotas.find(line.quota.integer());
  if (quota == m.quotas.end()) return true;

  LineRow row;
  row[kKeyColumns - 1] = JoinedName(m.names, 2, ViewOf(line.kind));
  row[kLevelColumn] = ViewOf(line.level);
  if (!m.grouper.Wants(row[kKeyColumns - 1], row[kLevelColumn])) return true;

  // A line's own code, name and unit, or its standard material's.
  const StandardMaterial* found = nullptr;
  bool looked_up = false;
  auto standard_row = [&]() -> bool {
    if (looked_up) return true;
    found = m.standard.Find(line.material_key, &looked_up);
    return looked_up;
  };
  const SqlValue* own[] = {&line.code, &line.name, &line.unit};
  const SqlValue StandardMaterial::*columns[] = {&StandardMaterial::code, &StandardMaterial::name,
                                                 &StandardMaterial::unit};
  for (int i = 0; i < 3; ++i) {
    row[i] = ViewOf(*own[i]);
    if (row[i].type != SQLITE_NULL) continue;
    if (!standard_row()) return false;
    row[i] = found != nullptr ? ViewOf(found->*columns[i]) : ValueView();
  }
  // Its own price when that is not zero, or the standard material's.
  const RealSign price_sign = SignOfReal(line.own_price);
  if (price_sign == RealSign::kUndecided) return false;
  if (price_sign == RealSign::kPositive || price_sign == RealSign::kNegative) {
    row[3] = ViewOf(line.own_price);
  } else {
    if (!standard_row()) return false;
    row[3] = found != nullptr ? ViewOf(found->price) : ValueView();
  }
  row[4] = ViewOf(line.market_price);
  row[5] = ViewOf(line.vat_rate);
  row[6] = JoinedName(m.names, 0, ViewOf(line.class_key));
  row[7] = JoinedName(m.names, 1, ViewOf(line.supplier_key));

  // FtRou(a.实际量*fb.工程量*(case when a.上级编号=0 then 1 else fa.实际量 end),qd)
  SqlValue product;
  if (!MultiplyValues(line.amount, quota->second, &product)) return false;
  static const SqlValue kOne = SqlValue::Integer(1);
  SqlValue parent_amount;
  if (!EqualsZeroInNumericColumn(line.level)) {
    bool decided = false;
    parent_amount = m.parents_in_order ? m.parents_noted.Find(line.quota, line.level, &decided)
                                       : m.parents.Find(line.quota, line.level, &decided);
    if (!decided) return false;
  }
  const SqlValue& factor = EqualsZeroInNumericColumn(line.level) ? kOne : parent_amount;
  if (!MultiplyValues(product, factor, &product)) return false;
  double quantity = 0;
  if (!FtRouOfValue(product, m.quantity_digits, &quantity) || std::isnan(quantity)) return false;
  row[kQuantityColumn].type = SQLITE_FLOAT;
  row[kQuantityColumn].real = quantity;
  return m.grouper.Add(row);
}

void MaterialGrouping::Finish(std::vector<std::vector<MaterialGroup>>* lines) {
  impl_->grouper.Finish(lines);
}

bool GroupMaterialLinesFromColumns(Database& db, const std::vector<MaterialCategory>& categories,
                                   const JoinedNames& names, const StandardMaterials& standard,
                                   int quantity_digits,
                                   std::vector<std::vector<MaterialGroup>>* lines) {
  MaterialGrouping grouping(db, categories, names, standard, quantity_digits);
  if (!grouping.Start()) return false;
  Statement stmt;
  if (!db.TryPrepare(stmt, MaterialLinesSelect())) return false;
  // The lines are read here and grouped on another thread meanwhile. Lines
  // that cannot count are not handed over.
  auto read = [](const RowReader& row, MaterialLine* line) {
    ReadMaterialLine(row, line);
    return RowRead::kKeep;
  };
  auto work = [&grouping](const std::vector<MaterialLine>& chunk) {
    for (const MaterialLine& line : chunk) {
      if (!grouping.Add(line)) return false;
    }
    return true;
  };
  if (!PipelineRows<MaterialLine>(stmt, 4096, read, work)) return false;
  grouping.Finish(lines);
  return true;
}

bool InsertMaterialGroups(Database& db, const std::vector<MaterialGroup>& lines, int64_t parent,
                          int quantity_digits) {
  Statement* insert = db.Cached(
      "insert into 材料价格(上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志) "
      "values(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11)");
  if (insert == nullptr) return false;
  auto bind = [insert](int index, const SqlValue& value) { BindValue(*insert, index, value); };
  for (const MaterialGroup& line : lines) {
    insert->BindInt64(1, parent);
    bind(2, line.keys[0]);
    bind(3, line.keys[1]);
    bind(4, line.keys[2]);
    // FtRou(total(数量),qd): total() gives a REAL, read by FtRou as text.
    const double quantity = FtRouOfReal(line.quantity, quantity_digits);
    if (std::isnan(quantity)) {
      insert->BindNull(5);
    } else {
      insert->BindDouble(5, quantity);
    }
    bind(6, line.keys[3]);
    // (case when 信息价 is null then 0 else 信息价 end)
    if (line.keys[4].is_null()) {
      insert->BindInt64(7, 0);
    } else {
      bind(7, line.keys[4]);
    }
    for (int i = 5; i < kKeyColumns; ++i) bind(i + 3, line.keys[i]);
    const int rc = insert->Step();
    insert->Reset();
    if (rc != SQLITE_DONE) return false;
  }
  return true;
}

}  // namespace ftcalc
