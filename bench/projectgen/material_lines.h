// The material lines (分部分项材料明细) of the quotas of a generated
// project: labour, materials of every kind, composite mixes with their
// components, machines and their fuel, percentage rows, main materials and
// equipment, in the proportions of the quota's fee profession.
#ifndef FTCALC_BENCH_PROJECTGEN_MATERIAL_LINES_H_
#define FTCALC_BENCH_PROJECTGEN_MATERIAL_LINES_H_

#include <sqlite3.h>

#include <cstdint>
#include <vector>

#include "item_tree.h"
#include "materials.h"
#include "sqlite_util.h"

namespace ftcalc::projectgen {

class MaterialLineWriter {
 public:
  MaterialLineWriter(sqlite3* db, const MaterialCatalogue& catalogue, Random& random,
                     int lines_per_quota);

  // Writes the lines of one quota (its 编号 must be assigned) and returns
  // the quota's base price per unit (定额基价): the lines' standard prices
  // times their quantities, main material and equipment excluded.
  double WriteQuota(const TreeRow& quota);

  int64_t lines_written() const { return next_id_ - 1; }

 private:
  struct Line {
    int material = 0;
    int kind = 0;
    double quantity = 0;
    int parent_line = 0;  // index+1 of the composite line in this quota
  };
  void AddLine(std::vector<Line>& lines, std::vector<int>& used, int material, int kind,
               double quantity, int parent_line = 0);
  bool AddFromPool(std::vector<Line>& lines, std::vector<int>& used, Use use);
  double QuantityFor(Use use);

  const MaterialCatalogue& catalogue_;
  Random& random_;
  PairedCounts counts_;
  Statement insert_;
  int64_t next_id_ = 1;
};

}  // namespace ftcalc::projectgen

#endif  // FTCALC_BENCH_PROJECTGEN_MATERIAL_LINES_H_
