#include "calc/material_line_lookups.h"

#include <unordered_set>

#include "data/schema_info.h"

namespace ftcalc {

bool ForEachKeyedRow(Database& db, const std::string& sql,
                     const std::function<void(int64_t key, const RowReader& row)>& each) {
  Statement stmt;
  if (!db.TryPrepare(stmt, sql)) return false;
  std::unordered_set<int64_t> seen;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    const RowReader row(stmt);
    const int type = row.Type(0);
    if (type == SQLITE_NULL) continue;
    if (type != SQLITE_INTEGER) return false;
    const int64_t key = row.Integer(0);
    if (!seen.insert(key).second) return false;
    each(key, row);
  }
  return rc == SQLITE_DONE;
}

bool StandardMaterials::Load(Database& db) {
  rows_.clear();
  return ForEachKeyedRow(db, "select 编号,编码,名称,单位,基价 from 定额材料明细",
                         [this](int64_t key, const RowReader& row) {
                           StandardMaterial& material = rows_[key];
                           row.ValueInto(1, &material.code);
                           row.ValueInto(2, &material.name);
                           row.ValueInto(3, &material.unit);
                           row.ValueInto(4, &material.price);
                         });
}

const StandardMaterial* StandardMaterials::Find(const SqlValue& material_key,
                                                bool* decided) const {
  *decided = material_key.type() == SQLITE_INTEGER || material_key.type() == SQLITE_NULL;
  if (material_key.type() != SQLITE_INTEGER) return nullptr;
  auto found = rows_.find(material_key.integer());
  return found == rows_.end() ? nullptr : &found->second;
}

bool LoadQuotaColumn(Database& db, const std::string& column,
                     std::unordered_map<int64_t, SqlValue>* values) {
  values->clear();
  return ForEachKeyedRow(db, "select 编号," + column + " from 分部分项",
                         [values](int64_t key, const RowReader& row) {
                           row.ValueInto(1, &(*values)[key]);
                         });
}

bool LoadKindValues(Database& db, const std::string& subquery, bool scalar,
                    std::unordered_set<int64_t>* values) {
  values->clear();
  if (!ComparesAsStored(db, "分部分项材料明细", "标志")) return false;
  Statement stmt;
  if (!db.TryPrepare(stmt, scalar ? "select (" + subquery + ")" : subquery)) return false;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    const RowReader row(stmt);
    const int type = row.Type(0);
    if (type == SQLITE_NULL) continue;
    if (type != SQLITE_INTEGER) return false;
    values->insert(row.Integer(0));
  }
  return rc == SQLITE_DONE;
}

bool ParentAmounts::Load(Database& db) {
  amounts_.clear();
  // Only the lines some component names: a few of them, found in one scan
  // (SQLite keeps the named keys in an index of its own for the "in").
  if (!ComparesAsStored(db, "分部分项材料明细", "编号") ||
      !ComparesAsStored(db, "分部分项材料明细", "上级编号")) {
    return false;
  }
  Statement stmt;
  if (!db.TryPrepare(stmt,
                     "select 主表,编号,实际量 from 分部分项材料明细 where (主表,编号) in (select "
                     "主表,上级编号 from 分部分项材料明细 where 上级编号<>0)")) {
    return false;
  }
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    const RowReader row(stmt);
    if (row.Type(0) != SQLITE_INTEGER || row.Type(1) != SQLITE_INTEGER) return false;
    auto [found, added] = amounts_.try_emplace({row.Integer(0), row.Integer(1)});
    if (added) {
      row.ValueInto(2, &found->second.value);
    } else {
      found->second.repeated = true;
    }
  }
  return rc == SQLITE_DONE;
}

SqlValue ParentAmounts::Find(const SqlValue& quota, const SqlValue& level, bool* decided) const {
  // A NULL on either side joins nothing.
  *decided = true;
  if (quota.is_null() || level.is_null()) return SqlValue::Null();
  *decided = quota.type() == SQLITE_INTEGER && level.type() == SQLITE_INTEGER;
  if (!*decided) return SqlValue::Null();
  auto found = amounts_.find({quota.integer(), level.integer()});
  if (found == amounts_.end()) return SqlValue::Null();
  *decided = !found->second.repeated;
  return found->second.value;
}

const char* MaterialLinesSelect() {
  return "select a.主表,a.实际量,a.标志,a.上级编号,a.编码,a.名称,a.单位,a.基价,a.信息价,a.增值税率,"
         "a.三材,a.供应方,a.材料编号,a.rowid from 分部分项材料明细 a order by a.rowid";
}

void ReadMaterialLine(const RowReader& row, MaterialLine* line) {
  SqlValue* columns[] = {&line->quota,        &line->amount,      &line->kind,
                         &line->level,        &line->code,        &line->name,
                         &line->unit,         &line->own_price,   &line->market_price,
                         &line->vat_rate,     &line->class_key,   &line->supplier_key,
                         &line->material_key, &line->row_key};
  for (int i = 0; i < 14; ++i) row.ValueInto(i, columns[i]);
}

}  // namespace ftcalc
