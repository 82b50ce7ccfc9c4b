#include "calc/material_groups.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

#include "calc/item_tree.h"
#include "data/ftrou.h"
#include "data/sql_exec.h"
#include "entry/engine_state.h"

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
  if (rank(a.type) != rank(b.type)) return rank(a.type) < rank(b.type) ? -1 : 1;
  switch (a.type) {
    case SQLITE_NULL: return 0;
    case SQLITE_INTEGER: return a.integer < b.integer ? -1 : a.integer > b.integer;
    case SQLITE_FLOAT: return a.real < b.real ? -1 : a.real > b.real;
    default: {
      const size_t common = std::min(a.text.size(), b.text.size());
      const int bytes = common == 0 ? 0 : std::memcmp(a.text.data(), b.text.data(), common);
      if (bytes != 0) return bytes;
      return a.text.size() < b.text.size() ? -1 : a.text.size() > b.text.size();
    }
  }
}

// Appends a value to a group key the way AppendColumnKey appends a column.
void AppendValueKey(const SqlValue& value, std::string* key) {
  *key += static_cast<char>('0' + value.type);
  switch (value.type) {
    case SQLITE_INTEGER:
      key->append(reinterpret_cast<const char*>(&value.integer), sizeof value.integer);
      break;
    case SQLITE_FLOAT:
      key->append(reinterpret_cast<const char*>(&value.real), sizeof value.real);
      break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
      const uint64_t size = value.text.size();
      key->append(reinterpret_cast<const char*>(&size), sizeof size);
      *key += value.text;
      break;
    }
    default: break;
  }
}

// Appends column `column` of the current row (of storage class `type`) to
// a byte string that is equal for two rows exactly when the rows fall in
// one group (given one number kind per column and no negative zero).
void AppendColumnKey(sqlite3_stmt* stmt, int column, int type, std::string* key) {
  *key += static_cast<char>('0' + type);
  switch (type) {
    case SQLITE_INTEGER: {
      const int64_t value = sqlite3_column_int64(stmt, column);
      key->append(reinterpret_cast<const char*>(&value), sizeof value);
      break;
    }
    case SQLITE_FLOAT: {
      const double value = sqlite3_column_double(stmt, column);
      key->append(reinterpret_cast<const char*>(&value), sizeof value);
      break;
    }
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
      const void* data = type == SQLITE_TEXT
                             ? static_cast<const void*>(sqlite3_column_text(stmt, column))
                             : sqlite3_column_blob(stmt, column);
      const uint64_t size = static_cast<uint64_t>(sqlite3_column_bytes(stmt, column));
      key->append(reinterpret_cast<const char*>(&size), sizeof size);
      if (data != nullptr) key->append(static_cast<const char*>(data), size);
      break;
    }
    default: break;
  }
}

// "标志 in(...)" on a TEXT column against text literals.
bool KindMatches(const SqlValue& kind, const CategoryPart& part) {
  if (kind.type != SQLITE_TEXT) return false;
  return std::find(part.kinds.begin(), part.kinds.end(), kind.text) != part.kinds.end();
}

// "层级=0" and "层级>0" on an INTEGER-affinity column: a text (or blob)
// left in it ranks above every number, NULL matches neither.
bool LevelMatches(const SqlValue& level, const std::string& flag) {
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

struct Group {
  std::vector<SqlValue> keys;
  std::vector<std::vector<double>> quantities;  // per part, in gathered order
};

}  // namespace

bool GroupMaterialLines(const std::vector<MaterialCategory>& categories, const std::string& source,
                        const JoinedNames* names, std::vector<std::vector<MaterialGroup>>* lines) {
  if (!TotalAddsInRowOrder()) return false;
  if (!HasNumericAffinity("分部分项材料明细", "上级编号")) return false;
  if (std::all_of(categories.begin(), categories.end(),
                  [](const MaterialCategory& c) { return c.parts.empty(); })) {
    return false;  // nothing to read the lines for
  }
  Statement stmt;
  if (!TryPrepare(stmt, source) || sqlite3_column_count(stmt.get()) != kLevelColumn + 1) {
    return false;
  }

  std::vector<std::unordered_map<std::string, size_t>> index(categories.size());
  std::vector<std::vector<Group>> groups(categories.size());
  bool kinds_seen[kKeyColumns][2] = {};  // per column: INTEGER seen, REAL seen
  std::string key;
  int rc;
  // Key columns 6 to 8 as the join gives them.
  auto joined = [names](sqlite3_stmt* s, int column) {
    SqlValue value = ColumnValue(s, column);
    if (names == nullptr) return value;
    const auto& by_key = names->by_key[column - kFirstNameColumn];
    int64_t key = 0;
    if (!IntegerKey(value, &key)) return SqlValue::Null();
    auto found = by_key.find(key);
    return found == by_key.end() ? SqlValue::Null() : found->second;
  };
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    sqlite3_stmt* s = stmt.get();
    // The kind and level decide whether the line counts at all; the other
    // columns are read only for lines that do.
    const SqlValue kind = joined(s, kKeyColumns - 1);
    if (kind.type != SQLITE_NULL && kind.type != SQLITE_TEXT) return false;
    const SqlValue level = ColumnValue(s, kLevelColumn);
    bool keyed = false;
    for (size_t c = 0; c < categories.size(); ++c) {
      const std::vector<CategoryPart>& parts = categories[c].parts;
      for (size_t p = 0; p < parts.size(); ++p) {
        if (!KindMatches(kind, parts[p]) || !LevelMatches(level, parts[p].flag)) continue;
        if (sqlite3_column_type(s, kQuantityColumn) != SQLITE_FLOAT) return false;
        if (!keyed) {
          key.clear();
          for (int i = 0; i < kKeyColumns; ++i) {
            const bool looked_up = names != nullptr && i >= kFirstNameColumn;
            const SqlValue name = looked_up ? joined(s, i) : SqlValue::Null();
            const int type = looked_up ? name.type : sqlite3_column_type(s, i);
            if (type == SQLITE_INTEGER) kinds_seen[i][0] = true;
            if (type == SQLITE_FLOAT) {
              const double real = looked_up ? name.real : sqlite3_column_double(s, i);
              if (real == 0 && std::signbit(real)) return false;
              kinds_seen[i][1] = true;
            }
            if (kinds_seen[i][0] && kinds_seen[i][1]) return false;
            if (looked_up) {
              AppendValueKey(name, &key);
            } else {
              AppendColumnKey(s, i, type, &key);
            }
          }
          keyed = true;
        }
        auto [found, added] = index[c].emplace(key, groups[c].size());
        if (added) {
          std::vector<SqlValue> keys(kKeyColumns);
          for (int i = 0; i < kKeyColumns; ++i) {
            keys[i] = i >= kFirstNameColumn ? joined(s, i) : ColumnValue(s, i);
          }
          groups[c].push_back({std::move(keys), std::vector<std::vector<double>>(parts.size())});
        }
        groups[c][found->second].quantities[p].push_back(
            sqlite3_column_double(s, kQuantityColumn));
      }
    }
  }
  if (rc != SQLITE_DONE) return false;

  lines->assign(categories.size(), {});
  for (size_t c = 0; c < categories.size(); ++c) {
    std::vector<MaterialGroup>& out = (*lines)[c];
    for (Group& group : groups[c]) {
      double total = 0;
      for (const std::vector<double>& part : group.quantities) {
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
  return true;
}

bool InsertMaterialGroups(const std::vector<MaterialGroup>& lines, int64_t parent,
                          int quantity_digits) {
  Connection* connection = Engine().connection.get();
  if (connection == nullptr || connection->handle() == nullptr) return false;
  Statement* insert = connection->Cached(
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
