#include "calc/material_line_lookups.h"

#include "data/schema_info.h"

namespace ftcalc {

bool StandardMaterials::Load(Database& db) {
  rows_.clear();
  if (!IsIntegerKeyColumn(db, "定额材料明细", "编号")) return false;
  Statement stmt;
  if (!db.TryPrepare(stmt, "select 编号,编码,名称,单位,基价 from 定额材料明细")) return false;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    const RowReader row(stmt);
    StandardMaterial& material = rows_[row.Integer(0)];
    row.ValueInto(1, &material.code);
    row.ValueInto(2, &material.name);
    row.ValueInto(3, &material.unit);
    row.ValueInto(4, &material.price);
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

bool LoadQuotaColumn(Database& db, const std::string& column,
                     std::unordered_map<int64_t, SqlValue>* values) {
  values->clear();
  if (!IsIntegerKeyColumn(db, "分部分项", "编号")) return false;
  Statement stmt;
  if (!db.TryPrepare(stmt, "select 编号," + column + " from 分部分项")) return false;
  int rc;
  while ((rc = stmt.Step()) == SQLITE_ROW) {
    const RowReader row(stmt);
    row.ValueInto(1, &(*values)[row.Integer(0)]);
  }
  return rc == SQLITE_DONE;
}

bool LoadKindValues(Database& db, const std::string& subquery, bool scalar,
                    std::unordered_set<int64_t>* values) {
  values->clear();
  if (!HasNumericAffinity(db, "分部分项材料明细", "标志")) return false;
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

const char* MaterialLinesSelect() {
  return "select a.主表,a.实际量,a.标志,a.上级编号,a.编码,a.名称,a.单位,a.基价,a.信息价,a.增值税率,"
         "a.三材,a.供应方,a.材料编号,case when a.上级编号=0 then null else (select fa.实际量 from "
         "分部分项材料明细 fa where fa.主表=a.主表 and fa.编号=a.上级编号) end from 分部分项材料明细 "
         "a order by a.rowid";
}

void ReadMaterialLine(const RowReader& row, MaterialLine* line) {
  SqlValue* columns[] = {&line->quota,        &line->amount,      &line->kind,
                         &line->level,        &line->code,        &line->name,
                         &line->unit,         &line->own_price,   &line->market_price,
                         &line->vat_rate,     &line->class_key,   &line->supplier_key,
                         &line->material_key, &line->parent_amount};
  for (int i = 0; i < 14; ++i) row.ValueInto(i, columns[i]);
}

}  // namespace ftcalc
