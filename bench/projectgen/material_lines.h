// The material lines (分部分项材料明细) of the quotas of a generated
// project: labour, materials of every kind, composite mixes with their
// components, machines and their fuel, percentage rows, main materials and
// equipment, in the proportions of the quota's fee profession.
#ifndef FTCALC_BENCH_PROJECTGEN_MATERIAL_LINES_H_
#define FTCALC_BENCH_PROJECTGEN_MATERIAL_LINES_H_

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "item_tree.h"
#include "materials.h"
#include "sqlite_util.h"

namespace ftcalc::projectgen {

class MaterialLineWriter {
 public:
  // With `table_wide_keys`, 编号 runs across the whole table (1, 2, 3 … and
  // on into the next quota); otherwise it restarts at 1 in every quota. A
  // component's 上级编号 is its composite line's 编号 either way.
  MaterialLineWriter(sqlite3* db, const MaterialCatalogue& catalogue, Random& random,
                     double lines_per_quota, bool table_wide_keys);

  // Writes the lines of one quota (its 编号 must be assigned) and returns
  // the quota's base price per unit (定额基价): the lines' standard prices
  // times their quantities, main material and equipment excluded. The lines
  // of a quota marked may_repeat are kept for WriteRepeat.
  double WriteQuota(const TreeRow& quota);

  // Writes under `quota` the very lines (materials, quantities, prices,
  // codes) of `original`, an earlier quota marked may_repeat, and returns
  // the same base price.
  double WriteRepeat(const TreeRow& quota, const TreeRow& original);

  int64_t lines_written() const { return next_sequence_ - 1; }

 private:
  struct Line {
    int material = 0;
    int kind = 0;
    double quantity = 0;
    int parent_line = 0;  // index+1 of the composite line in this quota
  };
  // A line's columns as written, apart from 编号, 主表 and 上级编号.
  struct LineValues {
    int parent_line = 0;
    int material = 0;
    std::optional<std::string> code, name, unit;
    double price = 0, market_price = 0, vat = 0, quantity = 0;
    int kind = 0, three = 0, supplier = 0;
  };
  void AddLine(std::vector<Line>& lines, std::vector<int>& used, int material, int kind,
               double quantity, int parent_line = 0);
  bool AddFromPool(std::vector<Line>& lines, std::vector<int>& used, Use use);
  double QuantityFor(Use use);
  std::vector<Line> Compose(const TreeRow& quota);
  void Insert(int quota_id, const std::vector<LineValues>& lines);

  const MaterialCatalogue& catalogue_;
  Random& random_;
  PairedCounts counts_;
  Statement insert_;
  bool table_wide_keys_;
  int64_t next_sequence_ = 1;  // the next line's position in the whole table, from 1
  // Lines and base price of the quotas that may be repeated, by 编号.
  std::unordered_map<int, std::pair<std::vector<LineValues>, double>> kept_;
};

}  // namespace ftcalc::projectgen

#endif  // FTCALC_BENCH_PROJECTGEN_MATERIAL_LINES_H_
