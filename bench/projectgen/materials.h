// The standard material data of a generated project (定额材料明细) and the
// material kinds of the other-quota library. The list starts with the
// materials of the sample project (same 编号, codes, names and prices) and
// adds the grades, sizes and models a real quota library has, so that a
// large project prices a few hundred distinct materials.
#ifndef FTCALC_BENCH_PROJECTGEN_MATERIALS_H_
#define FTCALC_BENCH_PROJECTGEN_MATERIALS_H_

#include <string>
#include <vector>

namespace ftcalc::projectgen {

// 编号 of 材料标志 rows, as in the sample's other-quota library.
enum Kind {
  kLabour = 1,         // 人工
  kMaterial = 2,       // 材料
  kReadyMix = 3,       // 商品砼
  kPumpedReadyMix = 4, // 泵商砼
  kMix = 5,            // 配比
  kSiteConcrete = 6,   // 普通砼
  kPumpedConcrete = 7, // 泵送砼
  kMachine = 8,        // 机械
  kMachineFuel = 9,    // 机材
  kMainMaterial = 10,  // 主材
  kEquipment = 11,     // 设备
};

// What a material is used as when the generator picks lines.
enum class Use {
  kLabour,
  kLabourPercent,    // 其他人工费, unit %
  kMaterialPercent,  // 其他材料费, unit %
  kSteel,
  kTimber,
  kCement,
  kAggregate,        // sand, stone, water
  kExplosive,
  kAsphalt,
  kSundry,           // marking paint, pipes, anchors ...
  kPlant,            // seed, trees, shrubs
  kConcrete,         // ready-mixed and site concrete, by kind
  kMortar,           // composite 配比 lines
  kFuel,
  kMachine,
  kSmallTools,       // 小型机具使用费
  kSalvage,          // 回收钢材: a credit, added on purpose only
  kEquipment,
};

struct Material {
  int id = 0;
  std::string code;
  std::string name;
  std::string unit;
  double price = 0;       // 基价
  int kind = kMaterial;   // default kind of its lines
  Use use = Use::kSundry;
  int three = 0;          // 材料三材: 1 steel, 2 timber, 3 cement
  double info_price = 0;  // 信息价 used on every line of it (0 = none)
  double vat = 0;         // 增值税率 with the information price
};

class MaterialCatalogue {
 public:
  MaterialCatalogue();

  const std::vector<Material>& all() const { return materials_; }
  const Material& ById(int id) const { return materials_[static_cast<size_t>(id - 1)]; }
  // 编号 of every material of one use, in catalogue order.
  const std::vector<int>& OfUse(Use use) const;

 private:
  void Add(Material material);
  std::vector<Material> materials_;
  std::vector<std::vector<int>> by_use_;
};

// 材料标志 names by 编号 (index 0 unused).
const std::vector<std::string>& KindNames();

}  // namespace ftcalc::projectgen

#endif  // FTCALC_BENCH_PROJECTGEN_MATERIALS_H_
