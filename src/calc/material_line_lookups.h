// What a pass over the material lines' own columns looks up instead of
// having SQLite join it line by line: the standard materials, a column of
// the quota rows, a composite line's 实际量, and the kind values a
// condition on a.标志 selects.
//
// A look-up by key equals the join or subquery it replaces only when the
// key names one row: each loader reads the keys the statements join on and
// checks that, whatever keys the host declared (a table may declare none).
// Each states when the value it gives is exactly what the join or subquery
// would give, and returns false where it cannot be sure; the caller then
// leaves the work to the statements.
#ifndef FTCALC_CALC_MATERIAL_LINE_LOOKUPS_H_
#define FTCALC_CALC_MATERIAL_LINE_LOOKUPS_H_

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "data/database.h"
#include "data/row_reader.h"

namespace ftcalc {

// Runs `sql`, whose first column is the key a statement joins on, and hands
// every row with a key to `each`. False when a key is neither an INTEGER
// nor NULL, or when it repeats (a join would then read several rows), or
// when the statement fails. Rows without a key join nothing and are
// skipped.
bool ForEachKeyedRow(Database& db, const std::string& sql,
                     const std::function<void(int64_t key, const RowReader& row)>& each);

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
  // Reads every standard material (from wherever the unqualified name
  // leads: the project or the library). False when a 编号 is not an
  // INTEGER or repeats, or the table cannot be read.
  bool Load(Database& db);

  // The row a line's 材料编号 names, or nullptr for none (the subquery's
  // NULL). A line's INTEGER key finds the row of that key and NULL finds
  // none; *decided is false for any other value, which SQLite would first
  // convert.
  const StandardMaterial* Find(const SqlValue& material_key, bool* decided) const;

 private:
  std::unordered_map<int64_t, StandardMaterial> rows_;
};

// Column `column` of every row of 分部分项 by its 编号, the value
// "(select <column> from 分部分项 where 编号=<key>)" and the join
// "fb.编号=a.主表" give. False when a 编号 is not an INTEGER or repeats.
bool LoadQuotaColumn(Database& db, const std::string& column,
                     std::unordered_map<int64_t, SqlValue>* values);

// The a.标志 values that "a.标志=(<subquery>)" (`scalar`) or "a.标志
// in(<subquery>)" hold for, among INTEGER 标志 values: the one value the
// scalar subquery gives, or every value the list gives. A NULL matches
// nothing. False when a value is not an INTEGER (SQLite would compare it
// by rules of its own), or when 标志 has TEXT affinity.
bool LoadKindValues(Database& db, const std::string& subquery, bool scalar,
                    std::unordered_set<int64_t>* values);

// The 实际量 of the composite lines that components name: the line of the
// same 主表 whose 编号 is a component's 上级编号 ("fa.主表=a.主表 and
// fa.编号=a.上级编号"; line numbers restart in every quota).
class ParentAmounts {
 public:
  // Reads the lines that some component names. False when one of them has
  // a 主表 or 编号 that is not an INTEGER, or the read fails.
  bool Load(Database& db);

  // Whether 编号 and 上级编号 of the lines compare as stored, which the
  // look-up by INTEGER keys needs.
  static bool KeysCompareAsStored(Database& db);

  // The composite's 实际量 for a component line of quota `quota` and level
  // `level` (its 上级编号): NULL when no line has that key, as the join
  // gives. *decided is false where a look-up cannot match the join: a key
  // that is not an INTEGER, or a key that several lines share (the join
  // would give one row for each).
  SqlValue Find(const SqlValue& quota, const SqlValue& level, bool* decided) const;

 private:
  struct KeyHash {
    size_t operator()(const std::pair<int64_t, int64_t>& key) const {
      return std::hash<int64_t>()(key.first * 1000003 + key.second);
    }
  };
  struct Amount {
    SqlValue value;
    bool repeated = false;
  };
  std::unordered_map<std::pair<int64_t, int64_t>, Amount, KeyHash> amounts_;
};

// One material line as the passes over the lines' own columns read it, in
// rowid order: its columns as stored (`key` its 编号), and its rowid.
struct MaterialLine {
  SqlValue quota, amount, kind, level, code, name, unit, own_price, market_price, vat_rate,
      class_key, supplier_key, material_key, row_key, key;
};

// The same look-up as ParentAmounts, worked out from the lines as a pass
// reads them in rowid order instead of by a statement of its own (which
// scans the lines twice): each line is noted before any later line looks
// its composite up. Only the current quota's lines are held. That answers
// as the join does where each quota's lines come one after the other and
// every composite line comes before its components, as hosts write them;
// Consistent() says, once every line was noted, whether that held. Where
// it did not, an answer may have been wrong, and what was worked out from
// them must be dropped.
class ParentAmountsInOrder {
 public:
  // The next line in rowid order.
  void Note(const MaterialLine& line);
  // As ParentAmounts::Find, for a component of the quota noted last.
  SqlValue Find(const SqlValue& quota, const SqlValue& level, bool* decided);
  bool Consistent() const { return consistent_; }

 private:
  struct Line {
    SqlValue amount;
    int count = 0;       // lines of the quota with this 编号 so far
    bool asked = false;  // a component looked it up
  };
  bool consistent_ = true;
  bool in_quota_ = false;
  int64_t quota_ = 0;
  std::unordered_set<int64_t> finished_quotas_;
  std::unordered_map<int64_t, Line> lines_;  // the current quota's, by 编号
};

// The statement that reads every MaterialLine, and the read of one row.
const char* MaterialLinesSelect();
void ReadMaterialLine(const RowReader& row, MaterialLine* line);

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_LINE_LOOKUPS_H_
