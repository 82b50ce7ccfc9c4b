// The material list's category lines worked out in one pass over the
// gathered material lines, instead of one grouped insert per category that
// scans and sorts all of them again.
//
// Each category's insert groups its parts' lines (a UNION ALL) by code,
// name, unit, prices, VAT, class, supplier and kind, sums the quantities
// with total() and writes one line per group in the order of those nine
// columns. GroupMaterialLines reproduces that: rows of one group are added
// in the order the insert's sorter hands them over (part by part, each in
// the gathered order; the sorter keeps rows with equal keys in the order
// they came), and the groups are ordered as SQLite compares values. It
// declines (returns false) where it could not be sure to match: when total()
// would not add in row order, when a grouped column mixes INTEGER and REAL
// values (equal numbers of both kinds share a group but differ in what is
// written), on a REAL negative zero, or on a quantity that is not REAL.
#ifndef FTCALC_CALC_MATERIAL_GROUPS_H_
#define FTCALC_CALC_MATERIAL_GROUPS_H_

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "calc/material_categories.h"
#include "calc/material_line_lookups.h"
#include "data/query.h"

namespace ftcalc {

// One line of a category: the nine grouped values and the summed quantity.
struct MaterialGroup {
  std::vector<SqlValue> keys;  // 编码,名称,单位,基价,信息价,增值税率,三材,供应方,标志
  double quantity = 0;         // total() of the group's quantities
};

// The names the class, supplier and kind columns join, by integer key, for
// a source that gives the lines' own keys there: a key names the row of
// that key (a left join on a key that names one row, from a numeric column),
// anything else no row (NULL).
struct JoinedNames {
  std::unordered_map<int64_t, SqlValue> by_key[3];  // 三材, 供应方, 标志
};

// The lines of every category in `categories`, in insert order, from the
// gathered lines as `source` (a select of their columns in gathered order,
// such as GatheredLinesSelect) returns them; with `names`, its class,
// supplier and kind columns hold keys to look up there.
bool GroupMaterialLines(Database& db, const std::vector<MaterialCategory>& categories,
                        const std::string& source, const JoinedNames* names,
                        std::vector<std::vector<MaterialGroup>>* lines);

// The material list's lines worked out from MaterialLines fed one by one in
// rowid order (see GroupMaterialLinesFromColumns, which reads them itself).
class MaterialGrouping {
 public:
  MaterialGrouping(Database& db, const std::vector<MaterialCategory>& categories,
                   const JoinedNames& names, const StandardMaterials& standard,
                   int quantity_digits);
  ~MaterialGrouping();
  MaterialGrouping(const MaterialGrouping&) = delete;
  MaterialGrouping& operator=(const MaterialGrouping&) = delete;

  // Reads the quotas whose lines count; false when the lines cannot be
  // grouped here. With `parents_in_order` the composite lines' amounts are
  // noted from the lines added (every line, in rowid order) rather than
  // read first; ParentsConsistent() then says whether the grouping holds.
  bool Start(bool parents_in_order = false);
  // The next line; false where the statements must decide.
  bool Add(const MaterialLine& line);
  // False where the amounts noted in order may have answered otherwise than
  // the join (see ParentAmountsInOrder): the grouping must be dropped.
  bool ParentsConsistent() const;
  // The lines of every category, in insert order.
  void Finish(std::vector<std::vector<MaterialGroup>>* lines);

 private:
  struct Impl;
  const std::vector<MaterialCategory>& categories_;
  std::unique_ptr<Impl> impl_;
};

// The same lines from the material lines' own columns (the parent line's
// and the quota's quantities joined by key): which lines count, their
// code, name, unit and price (their own or their standard material's) and
// their rounded quantity are worked out here by SQLite's rules (see
// value_arithmetic.h), with the same guards. Declines, besides, where those
// rules are not copied: a TEXT or BLOB read as a number, a 主表 or 材料编号
// (where the library is read) that is neither an INTEGER nor NULL, a quota
// table not keyed by an INTEGER 编号.
bool GroupMaterialLinesFromColumns(Database& db, const std::vector<MaterialCategory>& categories,
                                   const JoinedNames& names, const StandardMaterials& standard,
                                   int quantity_digits,
                                   std::vector<std::vector<MaterialGroup>>* lines);

// Inserts one category's lines under category row `parent`, as the grouped
// insert would: quantity FtRou'd to `quantity_digits`, a NULL information
// price written as 0. False (nothing reported) when a line fails, so that
// the caller can run the statement instead.
bool InsertMaterialGroups(Database& db, const std::vector<MaterialGroup>& lines, int64_t parent,
                          int quantity_digits);

}  // namespace ftcalc

#endif  // FTCALC_CALC_MATERIAL_GROUPS_H_
