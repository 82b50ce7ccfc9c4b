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
  if (!KeysCompareAsStored(db)) return false;
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

bool ParentAmounts::KeysCompareAsStored(Database& db) {
  return ComparesAsStored(db, "分部分项材料明细", "编号") &&
         ComparesAsStored(db, "分部分项材料明细", "上级编号");
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

void ParentAmountsInOrder::Note(const MaterialLine& line) {
  // A NULL 主表 or 编号 joins nothing; any other key that is no INTEGER
  // could join by SQLite's comparison rules, which are not copied here.
  if (line.quota.is_null()) return;
  if (line.quota.type() != SQLITE_INTEGER) {
    consistent_ = false;
    return;
  }
  const int64_t quota = line.quota.integer();
  if (!in_quota_ || quota != quota_) {
    if (in_quota_) finished_quotas_.insert(quota_);
    // The quota's lines do not come together.
    if (finished_quotas_.count(quota) > 0) consistent_ = false;
    lines_.clear();
    in_quota_ = true;
    quota_ = quota;
  }
  if (line.key.is_null()) return;
  if (line.key.type() != SQLITE_INTEGER) {
    consistent_ = false;
    return;
  }
  Line& noted = lines_[line.key.integer()];
  // A component already looked this key up: it found no line, or one line
  // where the join has two.
  if (noted.asked) consistent_ = false;
  if (++noted.count == 1) noted.amount = line.amount;
}

SqlValue ParentAmountsInOrder::Find(const SqlValue& quota, const SqlValue& level,
                                    bool* decided) {
  *decided = true;
  if (quota.is_null() || level.is_null()) return SqlValue::Null();
  *decided = quota.type() == SQLITE_INTEGER && level.type() == SQLITE_INTEGER;
  if (!*decided) return SqlValue::Null();
  if (!in_quota_ || quota.integer() != quota_) {
    consistent_ = false;
    return SqlValue::Null();
  }
  Line& noted = lines_[level.integer()];
  noted.asked = true;
  if (noted.count == 0) return SqlValue::Null();
  *decided = noted.count == 1;
  return noted.amount;
}

const char* MaterialLinesSelect() {
  return "select a.主表,a.实际量,a.标志,a.上级编号,a.编码,a.名称,a.单位,a.基价,a.信息价,a.增值税率,"
         "a.三材,a.供应方,a.材料编号,a.rowid,a.编号 from 分部分项材料明细 a order by a.rowid";
}

void ReadMaterialLine(const RowReader& row, MaterialLine* line) {
  SqlValue* columns[] = {&line->quota,        &line->amount,      &line->kind,
                         &line->level,        &line->code,        &line->name,
                         &line->unit,         &line->own_price,   &line->market_price,
                         &line->vat_rate,     &line->class_key,   &line->supplier_key,
                         &line->material_key, &line->row_key,     &line->key};
  for (int i = 0; i < 15; ++i) row.ValueInto(i, columns[i]);
}

}  // namespace ftcalc
