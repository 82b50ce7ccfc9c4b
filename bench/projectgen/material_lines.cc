#include "material_lines.h"

#include <algorithm>

#include "fee_sheets.h"

namespace ftcalc::projectgen {
namespace {

// Materials the lines name by number (the sample's standard materials).
constexpr int kOtherLabourPercent = 3;  // 其他人工费, standard unit %
constexpr int kMachineOperator = 2;     // 机械工
constexpr int kRebar = 5;               // HRB400钢筋, often supplied by the employer
constexpr int kSalvagedSteel = 12;      // 回收钢材, negative base price
constexpr int kCement325 = 17;
constexpr int kCement425 = 18;
constexpr int kSand = 19;
constexpr int kStone = 20;
constexpr int kWater = 23;
constexpr int kOtherMaterialPercent = 30;  // 其他材料费, unit %
constexpr int kSmallTools = 59;
constexpr int kBoardController = 63;  // 情报板控制器, supplied by the employer

struct UseWeight {
  Use use;
  double weight;
};

// The mix of the lines after labour, by fee profession.
std::vector<UseWeight> MixOf(int profession) {
  switch (profession) {
    case kManualEarthwork:  // also the planting of chapter 700
      return {{Use::kMachine, 0.35}, {Use::kFuel, 0.1}, {Use::kAggregate, 0.15},
              {Use::kPlant, 0.3}, {Use::kSundry, 0.1}};
    case kMachineEarthwork:
      return {{Use::kMachine, 0.6}, {Use::kFuel, 0.15}, {Use::kAggregate, 0.15},
              {Use::kSundry, 0.1}};
    case kPavement:
      return {{Use::kAggregate, 0.3}, {Use::kCement, 0.1}, {Use::kAsphalt, 0.1},
              {Use::kMachine, 0.35}, {Use::kFuel, 0.15}};
    case kTunnel:
      return {{Use::kExplosive, 0.12}, {Use::kConcrete, 0.12}, {Use::kSteel, 0.1},
              {Use::kSundry, 0.12},    {Use::kAggregate, 0.1}, {Use::kMachine, 0.3},
              {Use::kFuel, 0.14}};
    case kSteelStructure:
      return {{Use::kSteel, 0.35}, {Use::kSundry, 0.2}, {Use::kMachine, 0.35}, {Use::kFuel, 0.1}};
    default:  // structures and bridges
      return {{Use::kSteel, 0.15},     {Use::kTimber, 0.08}, {Use::kCement, 0.08},
              {Use::kAggregate, 0.15}, {Use::kConcrete, 0.14}, {Use::kSundry, 0.1},
              {Use::kMachine, 0.25},   {Use::kFuel, 0.05}};
  }
}

}  // namespace

MaterialLineWriter::MaterialLineWriter(sqlite3* db, const MaterialCatalogue& catalogue,
                                       Random& random, double lines_per_quota,
                                       bool table_wide_keys)
    : catalogue_(catalogue),
      random_(random),
      counts_(lines_per_quota, 3, random),
      insert_(db,
              "insert into 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,"
              "信息价,增值税率,实际量,标志,三材,供应方) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
      table_wide_keys_(table_wide_keys) {}

double MaterialLineWriter::QuantityFor(Use use) {
  switch (use) {
    case Use::kLabour: return Round(random_.LogReal(0.5, 150), 1);
    case Use::kSteel: return Round(random_.LogReal(0.01, 2.5), 3);
    case Use::kTimber: return Round(random_.LogReal(0.01, 0.5), 3);
    case Use::kCement: return Round(random_.LogReal(0.1, 30), 3);
    case Use::kAggregate: return Round(random_.LogReal(0.5, 300), 2);
    case Use::kExplosive: return Round(random_.LogReal(10, 400), 1);
    case Use::kAsphalt: return Round(random_.LogReal(0.5, 120), 3);
    case Use::kConcrete: return Round(random_.LogReal(1, 12), 2);
    case Use::kFuel: return Round(random_.LogReal(5, 300), 1);
    case Use::kMachine: return Round(random_.LogReal(0.05, 8), 2);
    default: return Round(random_.LogReal(0.5, 400), 2);
  }
}

void MaterialLineWriter::AddLine(std::vector<Line>& lines, std::vector<int>& used, int material,
                                 int kind, double quantity, int parent_line) {
  lines.push_back({material, kind, quantity, parent_line});
  if (parent_line == 0) used.push_back(material);
}

bool MaterialLineWriter::AddFromPool(std::vector<Line>& lines, std::vector<int>& used, Use use) {
  const std::vector<int>& pool = catalogue_.OfUse(use);
  if (pool.empty()) return false;
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int id = pool[static_cast<size_t>(random_.Int(0, static_cast<int>(pool.size()) - 1))];
    if (std::find(used.begin(), used.end(), id) != used.end()) continue;
    AddLine(lines, used, id, catalogue_.ById(id).kind, QuantityFor(use));
    return true;
  }
  return false;
}

std::vector<MaterialLineWriter::Line> MaterialLineWriter::Compose(const TreeRow& quota) {
  const int target = counts_.Next();
  std::vector<Line> lines;
  std::vector<int> used;
  const int profession = quota.profession;
  const bool earthwork = profession == kManualEarthwork || profession == kMachineEarthwork;

  AddLine(lines, used, 1, kLabour, QuantityFor(Use::kLabour));
  if (random_.Chance(0.2)) AddLine(lines, used, kMachineOperator, kLabour, QuantityFor(Use::kLabour));
  if (random_.Chance(0.08)) AddLine(lines, used, kOtherLabourPercent, kLabour, 10);
  if (quota.equipment) {
    const auto& pool = catalogue_.OfUse(Use::kEquipment);
    const int count = random_.Int(1, 3);
    for (int i = 0; i < count; ++i) {
      const int id = pool[static_cast<size_t>(random_.Int(0, static_cast<int>(pool.size()) - 1))];
      if (std::find(used.begin(), used.end(), id) == used.end()) {
        AddLine(lines, used, id, kEquipment, random_.Int(1, 4));
      }
    }
  }
  if (quota.main_material) {
    const Use use = profession == kPavement ? Use::kAsphalt : Use::kSteel;
    const auto& pool = catalogue_.OfUse(use);
    const int id = pool[static_cast<size_t>(random_.Int(0, static_cast<int>(pool.size()) - 1))];
    AddLine(lines, used, id, kMainMaterial, QuantityFor(use));
  }
  const bool composites =
      profession == kStructureI || profession == kComplexBridge || profession == kTunnel;
  if (composites && target - static_cast<int>(lines.size()) >= 6 && random_.Chance(0.25)) {
    if (random_.Chance(0.5)) {
      // Mortar (配比) with components of the same kind.
      const auto& mortars = catalogue_.OfUse(Use::kMortar);
      const int id = mortars[static_cast<size_t>(random_.Int(0, static_cast<int>(mortars.size()) - 1))];
      AddLine(lines, used, id, kMix, QuantityFor(Use::kConcrete));
      const int parent = static_cast<int>(lines.size());
      AddLine(lines, used, kCement325, kMix, Round(random_.Real(0.2, 0.35), 3), parent);
      AddLine(lines, used, kSand, kMix, Round(random_.Real(1.0, 1.2), 2), parent);
      AddLine(lines, used, kWater, kMix, Round(random_.Real(0.25, 0.35), 2), parent);
    } else {
      // Site concrete (普通砼) with components of kind 材料.
      const int id = catalogue_.OfUse(Use::kConcrete)[2];  // C30水下混凝土
      AddLine(lines, used, id, kSiteConcrete, QuantityFor(Use::kConcrete));
      const int parent = static_cast<int>(lines.size());
      AddLine(lines, used, kCement425, kMaterial, Round(random_.Real(0.35, 0.48), 3), parent);
      AddLine(lines, used, kSand, kMaterial, Round(random_.Real(0.45, 0.55), 2), parent);
      AddLine(lines, used, kStone, kMaterial, Round(random_.Real(0.75, 0.9), 2), parent);
      AddLine(lines, used, kWater, kMaterial, Round(random_.Real(0.18, 0.22), 2), parent);
    }
  }
  if (profession == kSteelStructure && random_.Chance(0.1)) {
    AddLine(lines, used, kSalvagedSteel, kMaterial, Round(random_.Real(0.05, 0.3), 3));
  }
  if (!earthwork && random_.Chance(0.15)) {
    AddLine(lines, used, kOtherMaterialPercent, kMaterial, random_.Int(1, 3));
  }
  if (random_.Chance(0.35)) AddLine(lines, used, kSmallTools, kMachine, QuantityFor(Use::kSundry));

  const std::vector<UseWeight> mix = MixOf(profession);
  int misses = 0;
  while (static_cast<int>(lines.size()) < target && misses < 20) {
    double pick = random_.Real(0, 1);
    Use use = mix.back().use;
    for (const UseWeight& w : mix) {
      if (pick < w.weight) {
        use = w.use;
        break;
      }
      pick -= w.weight;
    }
    if (!AddFromPool(lines, used, use)) ++misses;
  }

  return lines;
}

void MaterialLineWriter::Insert(int quota_id, const std::vector<LineValues>& lines) {
  const int64_t first = next_sequence_;
  for (size_t k = 0; k < lines.size(); ++k) {
    const LineValues& line = lines[k];
    const int64_t sequence = next_sequence_++;
    insert_.Set(1, table_wide_keys_ ? sequence : static_cast<int64_t>(k) + 1).Set(2, quota_id);
    const int64_t parent =
        line.parent_line == 0 ? 0 : table_wide_keys_ ? first + line.parent_line - 1 : line.parent_line;
    insert_.Set(3, parent).Set(4, line.material);
    insert_.Set(5, line.code).Set(6, line.name).Set(7, line.unit).Set(8, line.price);
    insert_.Set(9, line.market_price).Set(10, line.vat).Set(11, line.quantity).Set(12, line.kind);
    insert_.Set(13, line.three).Set(14, line.supplier);
    insert_.Run();
  }
}

double MaterialLineWriter::WriteQuota(const TreeRow& quota) {
  const std::vector<Line> lines = Compose(quota);
  // The rare values below follow each line's position in the whole table,
  // so that both key layouts hold the same values.
  std::vector<LineValues> values;
  double base_price = 0;
  int64_t id = next_sequence_;
  for (const Line& line : lines) {
    const Material& m = catalogue_.ById(line.material);
    LineValues v;
    v.parent_line = line.parent_line;
    v.material = m.id;
    const bool percent = line.material == kOtherLabourPercent ||
                         line.material == kOtherMaterialPercent;
    if (id % 97 != 13) {
      // Otherwise code, name and unit are left empty: the standard material's apply.
      v.code = m.code;
      v.name = m.name;
      if (line.material != kOtherLabourPercent) v.unit = m.unit;
    }
    v.price = m.price;
    if (line.material == kSalvagedSteel) v.price = -2100;
    if (id % 53 == 7 && !percent) v.price = 0;  // the standard price applies
    v.market_price = m.info_price;
    if (v.market_price > 0 && id % 89 == 11) v.market_price = Round(v.market_price * 1.05, 2);  // a dearer supplier
    v.vat = v.market_price > 0 || m.kind == kEquipment ? m.vat : 0.0;
    v.quantity = line.quantity;
    v.kind = line.kind;
    v.three = m.three;
    const bool employer = line.material == kBoardController ||
                          (line.material == kRebar && quota.chapter == 4);
    v.supplier = employer ? 2 : 1;
    values.push_back(std::move(v));
    if (line.parent_line == 0 && !percent && line.kind != kMainMaterial &&
        line.kind != kEquipment) {
      base_price += m.price * line.quantity;
    }
    ++id;
  }
  base_price = Round(base_price, 2);
  Insert(quota.id, values);
  if (quota.may_repeat) kept_[quota.id] = {std::move(values), base_price};
  return base_price;
}

double MaterialLineWriter::WriteRepeat(const TreeRow& quota, const TreeRow& original) {
  const auto found = kept_.find(original.id);
  if (found == kept_.end()) {
    throw GeneratorError("quota " + std::to_string(quota.id) + " repeats quota " +
                         std::to_string(original.id) + ", whose lines were not kept");
  }
  Insert(quota.id, found->second.first);
  return found->second.second;
}

}  // namespace ftcalc::projectgen
