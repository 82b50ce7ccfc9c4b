// What a pass over the material lines' own columns looks up instead of
// having SQLite join it line by line: the standard materials, a column of
// the quota rows, and the kind values a condition on a.标志 selects.
//
// Each loader states when the value it gives is exactly what the join or
// subquery would give, and returns false where it cannot be sure; the
// caller then leaves the work to the statement.
#ifndef FTCALC_CALC_MATERIAL_LINE_LOOKUPS_H_
#define FTCALC_CALC_MATERIAL_LINE_LOOKUPS_H_

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "data/database.h"
#include "data/row_reader.h"

namespace ftcalc {

// A row of 定额材料明细 as "(select <column> from 定额材料明细 where
// 编号=a.材料编号)" reads it.
struct StandardMaterial {
  SqlValue code;   // 编码
  SqlValue name;   // 名称
  SqlValue unit;   // 单位
  SqlValue price;  // 基价
};

class StandardMaterials {
 public:
  // Reads every standard material. False when 编号 is not the table's
  // INTEGER PRIMARY KEY (a row per key is what makes a look-up by key equal
  // to the subquery) or the table cannot be read.
  bool Load(Database& db);

  // The row a line's 材料编号 names, or nullptr for none (the subquery's
  // NULL). A line's INTEGER key finds the row of that key and NULL finds
  // none; *decided is false for any other value, which SQLite would first
  // convert.
  const StandardMaterial* Find(const SqlValue& material_key, bool* decided) const;

 private:
  std::unordered_map<int64_t, StandardMaterial> rows_;
};

// Column `column` of every row of 分部分项 by its INTEGER 编号, the value
// "(select <column> from 分部分项 where 编号=<key>)" gives. False when 编号
// is not the table's INTEGER PRIMARY KEY.
bool LoadQuotaColumn(Database& db, const std::string& column,
                     std::unordered_map<int64_t, SqlValue>* values);

// The a.标志 values that "a.标志=(<subquery>)" (`scalar`) or "a.标志
// in(<subquery>)" hold for, among INTEGER 标志 values: the one value the
// scalar subquery gives, or every value the list gives. A NULL matches
// nothing. False when a value is not an INTEGER (SQLite would compare it
// by rules of its own), or when 标志 is not of numeric affinity.
bool LoadKindValues(Database& db, const std::string& subquery, bool scalar,
                    std::unordered_set<int64_t>* values);

// One material line as the passes over the lines' own columns read it, in
// rowid order: its columns as stored, and its parent line's 实际量 (the row
// of key 上级编号 within its quota; NULL on the quota's own level, where no
// one reads it).
struct MaterialLine {
  SqlValue quota, amount, kind, level, code, name, unit, own_price, market_price, vat_rate,
      class_key, supplier_key, material_key, parent_amount;
};

// The statement that reads every MaterialLine, and the read of one row.
// The parent line is looked up by its INTEGER key 编号: callers make sure 编号
// is the table's INTEGER PRIMARY KEY, so that at most one row answers, the
// one a join on the key would give.
const char* MaterialLinesSelect();
void ReadMaterialLine(const RowReader& row, MaterialLine* line);

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_LINE_LOOKUPS_H_
