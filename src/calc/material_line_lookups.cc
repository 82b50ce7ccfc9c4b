#include "calc/material_line_lookups.h"

#include "calc/item_tree.h"
#include "data/sql_exec.h"
#include "data/sqlite_handle.h"

namespace ftcalc {

bool StandardMaterials::Load() {
  rows_.clear();
  if (!IsIntegerKeyColumn("定额材料明细", "编号")) return false;
  Statement stmt;
  if (!TryPrepare(stmt, "select 编号,编码,名称,单位,基价 from 定额材料明细")) return false;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    sqlite3_stmt* s = stmt.get();
    StandardMaterial& row = rows_[sqlite3_column_int64(s, 0)];
    row.code = ColumnValue(s, 1);
    row.name = ColumnValue(s, 2);
    row.unit = ColumnValue(s, 3);
    row.price = ColumnValue(s, 4);
  }
  return rc == SQLITE_DONE;
}

const StandardMaterial* StandardMaterials::Find(const SqlValue& material_key,
                                                bool* decided) const {
  *decided = material_key.type == SQLITE_INTEGER || material_key.type == SQLITE_NULL;
  if (material_key.type != SQLITE_INTEGER) return nullptr;
  auto found = rows_.find(material_key.integer);
  return found == rows_.end() ? nullptr : &found->second;
}

bool LoadQuotaColumn(const std::string& column, std::unordered_map<int64_t, SqlValue>* values) {
  values->clear();
  if (!IsIntegerKeyColumn("分部分项", "编号")) return false;
  Statement stmt;
  if (!TryPrepare(stmt, "select 编号," + column + " from 分部分项")) return false;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    (*values)[sqlite3_column_int64(stmt.get(), 0)] = ColumnValue(stmt.get(), 1);
  }
  return rc == SQLITE_DONE;
}

bool LoadKindValues(const std::string& subquery, bool scalar, std::unordered_set<int64_t>* values) {
  values->clear();
  if (!HasNumericAffinity("分部分项材料明细", "标志")) return false;
  Statement stmt;
  if (!TryPrepare(stmt, scalar ? "select (" + subquery + ")" : subquery)) return false;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    const int type = sqlite3_column_type(stmt.get(), 0);
    if (type == SQLITE_NULL) continue;
    if (type != SQLITE_INTEGER) return false;
    values->insert(sqlite3_column_int64(stmt.get(), 0));
  }
  return rc == SQLITE_DONE;
}

}  // namespace ftcalc
