#include "materials.h"

#include <cstdio>

namespace ftcalc::projectgen {
namespace {

struct Base {
  const char* code;
  const char* name;
  const char* unit;
  double price;
  int kind;
  Use use;
  int three;
  double info_price;
  double vat;
};

// The sample project's standard materials, 编号 1 to 63 in this order.
const Base kSampleMaterials[] = {
    {"1001001", "人工", "工日", 106.28, kLabour, Use::kLabour, 0, 0, 0},
    {"1051001", "机械工", "工日", 106.28, kLabour, Use::kLabour, 0, 0, 0},
    {"1999001", "其他人工费", "%", 0.0, kLabour, Use::kLabourPercent, 0, 0, 0},
    {"2001001", "HPB300钢筋", "t", 3470.09, kMaterial, Use::kSteel, 1, 0, 0},
    {"2001002", "HRB400钢筋", "t", 3581.2, kMaterial, Use::kSteel, 1, 3169.2, 13},
    {"2003004", "型钢", "t", 3700.0, kMaterial, Use::kSteel, 1, 0, 0},
    {"2003026", "波形梁钢板", "t", 5213.68, kMaterial, Use::kSteel, 1, 5600, 13},
    {"2003027", "钢管立柱", "t", 4786.32, kMaterial, Use::kSteel, 1, 0, 0},
    {"2001021", "20~22号铁丝", "kg", 6.41, kMaterial, Use::kSundry, 0, 0, 0},
    {"2009011", "电焊条", "kg", 4.89, kMaterial, Use::kSundry, 0, 0, 0},
    {"2009041", "中空注浆锚杆", "m", 38.0, kMaterial, Use::kSundry, 0, 0, 0},
    {"2099001", "回收钢材", "t", 2000.0, kMaterial, Use::kSalvage, 0, 0, 0},
    {"4003002", "原木", "m3", 1367.52, kMaterial, Use::kTimber, 2, 0, 0},
    {"4003003", "锯材", "m3", 1794.87, kMaterial, Use::kTimber, 2, 0, 0},
    {"3001001", "石油沥青", "t", 3504.27, kMaterial, Use::kAsphalt, 0, 4600, 13},
    {"3001002", "SBS改性沥青", "t", 4871.79, kMaterial, Use::kAsphalt, 0, 5850, 13},
    {"5509001", "32.5级水泥", "t", 299.15, kMaterial, Use::kCement, 3, 420, 13},
    {"5509002", "42.5级水泥", "t", 341.88, kMaterial, Use::kCement, 3, 0, 0},
    {"5503005", "中(粗)砂", "m3", 87.38, kMaterial, Use::kAggregate, 0, 0, 0},
    {"5505016", "碎石(4cm)", "m3", 82.52, kMaterial, Use::kAggregate, 0, 110, 0},
    {"5505005", "片石", "m3", 61.17, kMaterial, Use::kAggregate, 0, 0, 0},
    {"5505013", "矿粉", "t", 174.76, kMaterial, Use::kAggregate, 0, 0, 0},
    {"3005004", "水", "m3", 2.72, kMaterial, Use::kAggregate, 0, 0, 0},
    {"5005002", "硝铵炸药", "kg", 11.8, kMaterial, Use::kExplosive, 0, 13.5, 0},
    {"5005008", "非电毫秒雷管", "个", 3.45, kMaterial, Use::kExplosive, 0, 0, 0},
    {"5009011", "热熔标线涂料", "kg", 5.8, kMaterial, Use::kSundry, 0, 0, 0},
    {"5009015", "玻璃珠", "kg", 4.2, kMaterial, Use::kSundry, 0, 0, 0},
    {"4013001", "草籽", "kg", 60.0, kMaterial, Use::kPlant, 0, 0, 0},
    {"4013021", "乔木(胸径8cm)", "株", 320.0, kMaterial, Use::kPlant, 0, 0, 0},
    {"7801001", "其他材料费", "%", 0.0, kMaterial, Use::kMaterialPercent, 0, 0, 0},
    {"1505002", "C20商品混凝土", "m3", 388.35, kReadyMix, Use::kConcrete, 0, 0, 0},
    {"1505005", "C25泵送商品混凝土", "m3", 417.48, kPumpedReadyMix, Use::kConcrete, 0, 460, 3},
    {"1501021", "C30水下混凝土", "m3", 335.0, kSiteConcrete, Use::kConcrete, 0, 0, 0},
    {"1501005", "M7.5水泥砂浆", "m3", 229.0, kMix, Use::kMortar, 0, 0, 0},
    {"1503012", "C25喷射混凝土", "m3", 395.0, kPumpedConcrete, Use::kConcrete, 0, 0, 0},
    {"3003002", "柴油", "kg", 7.26, kMachineFuel, Use::kFuel, 0, 8.05, 0},
    {"3003001", "汽油", "kg", 8.12, kMachineFuel, Use::kFuel, 0, 0, 0},
    {"3005002", "电", "kW·h", 0.85, kMachineFuel, Use::kFuel, 0, 0, 0},
    {"8001002", "135kW以内履带式推土机", "台班", 1228.71, kMachine, Use::kMachine, 0, 0, 0},
    {"8001027", "2.0m3以内履带式单斗挖掘机", "台班", 1768.33, kMachine, Use::kMachine, 0, 0, 0},
    {"8001049", "3.0m3以内轮胎式装载机", "台班", 1077.62, kMachine, Use::kMachine, 0, 0, 0},
    {"8001079", "20t以内振动压路机", "台班", 1330.86, kMachine, Use::kMachine, 0, 0, 0},
    {"8001083", "18~21t光轮压路机", "台班", 652.5, kMachine, Use::kMachine, 0, 0, 0},
    {"8007014", "15t以内自卸汽车", "台班", 895.62, kMachine, Use::kMachine, 0, 0, 0},
    {"8007003", "4t以内载货汽车", "台班", 480.35, kMachine, Use::kMachine, 0, 0, 0},
    {"8003005", "300t/h以内稳定土厂拌设备", "台班", 1857.26, kMachine, Use::kMachine, 0, 0, 0},
    {"8003047", "320t/h以内沥青混合料拌和设备", "台班", 22380.54, kMachine, Use::kMachine, 0, 0, 0},
    {"8003058", "12.5m以内沥青混合料摊铺机", "台班", 4865.1, kMachine, Use::kMachine, 0, 0, 0},
    {"8003040", "4000L以内沥青洒布车", "台班", 982.44, kMachine, Use::kMachine, 0, 0, 0},
    {"8011043", "Φ1500mm以内回旋钻机", "台班", 1405.66, kMachine, Use::kMachine, 0, 0, 0},
    {"8005051", "60m3/h以内混凝土输送泵", "台班", 1120.37, kMachine, Use::kMachine, 0, 0, 0},
    {"8005062", "5m3/h以内混凝土喷射机", "台班", 410.25, kMachine, Use::kMachine, 0, 0, 0},
    {"8017049", "9m3/min以内电动空压机", "台班", 680.14, kMachine, Use::kMachine, 0, 0, 0},
    {"8001102", "气腿式风动凿岩机", "台班", 18.5, kMachine, Use::kMachine, 0, 0, 0},
    {"8015028", "32kV·A以内交流电弧焊机", "台班", 197.43, kMachine, Use::kMachine, 0, 0, 0},
    {"8009027", "20t以内汽车式起重机", "台班", 1213.59, kMachine, Use::kMachine, 0, 0, 0},
    {"8011071", "护栏立柱打桩机", "台班", 962.18, kMachine, Use::kMachine, 0, 0, 0},
    {"8003081", "热熔标线设备", "台班", 851.2, kMachine, Use::kMachine, 0, 0, 0},
    {"8099001", "小型机具使用费", "元", 1.0, kMachine, Use::kSmallTools, 0, 0, 0},
    {"9001001", "振弦式应变传感器", "个", 2800.0, kEquipment, Use::kEquipment, 0, 0, 13},
    {"9001002", "数据采集仪", "台", 46000.0, kEquipment, Use::kEquipment, 0, 45000, 13},
    {"9001003", "LED可变信息情报板", "套", 185000.0, kEquipment, Use::kEquipment, 0, 198000, 13},
    {"9001004", "情报板控制器", "台", 26000.0, kEquipment, Use::kEquipment, 0, 0, 0},
};

// A family of further materials: the same name pattern at several sizes.
struct Family {
  const char* code_prefix;  // five digits; two more are appended
  const char* pattern;      // printf pattern with one %s for the size
  const char* unit;
  double price;             // price of the first size; later sizes cost more
  double step;              // relative price step per size
  int kind;
  Use use;
  int three;
  std::vector<const char*> sizes;
};

const std::vector<Family>& Families() {
  static const std::vector<Family> families = {
      {"20011", "HRB400钢筋Φ%s", "t", 3560, 0.01, kMaterial, Use::kSteel, 1,
       {"8", "10", "12", "14", "16", "18", "20", "22", "25", "28", "32"}},
      {"20012", "钢绞线%s", "t", 5480, 0.02, kMaterial, Use::kSteel, 1,
       {"Φs12.7", "Φs15.2", "Φs17.8"}},
      {"20031", "钢板δ=%smm", "t", 3890, 0.01, kMaterial, Use::kSteel, 1,
       {"6", "8", "10", "12", "16", "20", "25"}},
      {"20032", "镀锌钢管DN%s", "t", 5120, 0.015, kMaterial, Use::kSteel, 1,
       {"25", "40", "50", "80", "100", "150"}},
      {"40031", "组合钢模板%s", "t", 5800, 0.01, kMaterial, Use::kTimber, 0,
       {"平模", "角模", "异形模"}},
      {"55050", "碎石(%scm)", "m3", 78.0, 0.02, kMaterial, Use::kAggregate, 0,
       {"1", "2", "3", "6", "8"}},
      {"55051", "石屑%s", "m3", 65.0, 0.02, kMaterial, Use::kAggregate, 0, {"(0~5mm)", "(5~10mm)"}},
      {"55052", "砂砾%s", "m3", 58.0, 0.03, kMaterial, Use::kAggregate, 0, {"", "(天然级配)"}},
      {"55053", "块石%s", "m3", 88.0, 0.03, kMaterial, Use::kAggregate, 0, {"", "(料石)"}},
      {"15050", "%s商品混凝土", "m3", 360.0, 0.04, kReadyMix, Use::kConcrete, 0,
       {"C15", "C25", "C30", "C35", "C40", "C50"}},
      {"15051", "%s泵送商品混凝土", "m3", 395.0, 0.04, kPumpedReadyMix, Use::kConcrete, 0,
       {"C20", "C30", "C35", "C40", "C50"}},
      {"15010", "%s水下混凝土", "m3", 320.0, 0.04, kSiteConcrete, Use::kConcrete, 0,
       {"C25", "C35"}},
      {"15011", "%s混凝土", "m3", 300.0, 0.04, kSiteConcrete, Use::kConcrete, 0,
       {"C15", "C20", "C25", "C30", "C40"}},
      {"15030", "%s喷射混凝土", "m3", 380.0, 0.04, kPumpedConcrete, Use::kConcrete, 0,
       {"C20", "C30"}},
      {"15012", "%s水泥砂浆", "m3", 210.0, 0.05, kMix, Use::kMortar, 0, {"M5", "M10", "M15"}},
      {"50090", "%s", "kg", 6.5, 0.1, kMaterial, Use::kSundry, 0,
       {"反光膜", "防水卷材", "土工布", "土工格栅", "沥青麻絮", "橡胶止水带", "环氧树脂",
        "桥梁支座垫石胶", "隔离栅网片", "防眩板"}},
      {"50091", "PVC排水管Φ%smm", "m", 18.0, 0.12, kMaterial, Use::kSundry, 0,
       {"50", "75", "100", "110", "160", "200"}},
      {"20092", "锚杆Φ%s", "m", 22.0, 0.1, kMaterial, Use::kSundry, 0, {"22", "25", "28", "32"}},
      {"40130", "%s", "株", 45.0, 0.25, kMaterial, Use::kPlant, 0,
       {"灌木(高1m)", "乔木(胸径5cm)", "乔木(胸径10cm)", "攀援植物", "草皮"}},
      {"80010", "%skW以内履带式推土机", "台班", 820.0, 0.12, kMachine, Use::kMachine, 0,
       {"75", "90", "105", "165", "240"}},
      {"80011", "%sm3以内履带式单斗挖掘机", "台班", 980.0, 0.15, kMachine, Use::kMachine, 0,
       {"0.6", "1.0", "1.5", "3.0"}},
      {"80012", "%st以内振动压路机", "台班", 880.0, 0.12, kMachine, Use::kMachine, 0,
       {"10", "15", "25"}},
      {"80013", "%s平地机", "台班", 1150.0, 0.1, kMachine, Use::kMachine, 0,
       {"120kW以内", "150kW以内", "180kW以内"}},
      {"80070", "%st以内自卸汽车", "台班", 560.0, 0.12, kMachine, Use::kMachine, 0,
       {"5", "8", "10", "12", "20", "25"}},
      {"80071", "%sL以内洒水汽车", "台班", 620.0, 0.12, kMachine, Use::kMachine, 0,
       {"4000", "6000", "8000", "10000"}},
      {"80090", "%st以内汽车式起重机", "台班", 690.0, 0.15, kMachine, Use::kMachine, 0,
       {"8", "12", "16", "25", "40", "50"}},
      {"80091", "%st以内履带式起重机", "台班", 980.0, 0.15, kMachine, Use::kMachine, 0,
       {"15", "25", "40", "50", "80"}},
      {"80110", "Φ%smm以内回旋钻机", "台班", 1100.0, 0.1, kMachine, Use::kMachine, 0,
       {"1000", "2000", "2500"}},
      {"80111", "%s冲击钻机", "台班", 950.0, 0.1, kMachine, Use::kMachine, 0,
       {"Φ1200mm以内", "Φ1500mm以内", "Φ2000mm以内"}},
      {"80050", "%s混凝土搅拌机", "台班", 180.0, 0.2, kMachine, Use::kMachine, 0,
       {"250L以内", "350L以内", "500L以内"}},
      {"80051", "%s混凝土输送泵", "台班", 900.0, 0.12, kMachine, Use::kMachine, 0,
       {"30m3/h以内", "45m3/h以内", "80m3/h以内"}},
      {"80052", "%s混凝土搅拌运输车", "台班", 1100.0, 0.1, kMachine, Use::kMachine, 0,
       {"3m3以内", "6m3以内", "8m3以内"}},
      {"80030", "%s沥青混合料拌和设备", "台班", 9800.0, 0.25, kMachine, Use::kMachine, 0,
       {"160t/h以内", "240t/h以内", "400t/h以内"}},
      {"80031", "%s沥青混合料摊铺机", "台班", 3200.0, 0.15, kMachine, Use::kMachine, 0,
       {"6m以内", "9m以内", "15m以内"}},
      {"80032", "%s轮胎式压路机", "台班", 820.0, 0.12, kMachine, Use::kMachine, 0,
       {"16t以内", "20t以内", "30t以内"}},
      {"80150", "%s交流电弧焊机", "台班", 150.0, 0.15, kMachine, Use::kMachine, 0,
       {"21kV·A以内", "42kV·A以内", "50kV·A以内"}},
      {"80170", "%s电动空压机", "台班", 420.0, 0.15, kMachine, Use::kMachine, 0,
       {"3m3/min以内", "6m3/min以内", "10m3/min以内", "20m3/min以内"}},
      {"80171", "%s隧道通风机", "台班", 560.0, 0.2, kMachine, Use::kMachine, 0,
       {"55kW以内", "110kW以内", "2×110kW以内"}},
      {"80172", "%s凿岩台车", "台班", 5600.0, 0.2, kMachine, Use::kMachine, 0,
       {"二臂", "三臂"}},
      {"30030", "%s", "kg", 7.4, 0.05, kMachineFuel, Use::kFuel, 0, {"重油", "煤", "液化石油气"}},
      {"90010", "%s", "套", 18000.0, 0.6, kEquipment, Use::kEquipment, 0,
       {"车辆检测器", "气象检测器", "能见度检测仪", "视频监控摄像机", "紧急电话分机",
        "隧道照明控制柜", "射流风机控制柜", "光纤光栅解调仪"}},
  };
  return families;
}

}  // namespace

const std::vector<std::string>& KindNames() {
  static const std::vector<std::string> names = {
      "", "人工", "材料", "商品砼", "泵商砼", "配比", "普通砼", "泵送砼", "机械", "机材", "主材", "设备"};
  return names;
}

MaterialCatalogue::MaterialCatalogue() : by_use_(static_cast<size_t>(Use::kEquipment) + 1) {
  for (const Base& base : kSampleMaterials) {
    Material m;
    m.code = base.code;
    m.name = base.name;
    m.unit = base.unit;
    m.price = base.price;
    m.kind = base.kind;
    m.use = base.use;
    m.three = base.three;
    m.info_price = base.info_price;
    m.vat = base.info_price > 0 || base.kind == kEquipment ? base.vat : 0;
    Add(std::move(m));
  }
  int family_index = 0;
  for (const Family& family : Families()) {
    double price = family.price;
    int size_index = 0;
    for (const char* size : family.sizes) {
      char name[160];
      std::snprintf(name, sizeof name, family.pattern, size);
      char code[16];
      std::snprintf(code, sizeof code, "%s%02d", family.code_prefix, size_index + 1);
      Material m;
      m.code = code;
      m.name = name;
      m.unit = family.unit;
      m.price = price;
      m.kind = family.kind;
      m.use = family.use;
      m.three = family.three;
      // About a third of the materials have a market price, with VAT on
      // the dearer ones.
      if ((family_index + size_index) % 3 == 0 && family.use != Use::kMachine) {
        m.info_price = price * (1.08 + 0.02 * (size_index % 4));
        m.vat = family.kind == kReadyMix || family.kind == kPumpedReadyMix ? 3
                : price > 1000                                              ? 13
                                                                            : 0;
      }
      Add(std::move(m));
      price *= 1 + family.step;
      ++size_index;
    }
    ++family_index;
  }
  for (auto& m : materials_) {
    m.price = static_cast<double>(static_cast<long long>(m.price * 100 + 0.5)) / 100;
    m.info_price = static_cast<double>(static_cast<long long>(m.info_price * 100 + 0.5)) / 100;
  }
}

void MaterialCatalogue::Add(Material material) {
  material.id = static_cast<int>(materials_.size()) + 1;
  by_use_[static_cast<size_t>(material.use)].push_back(material.id);
  materials_.push_back(std::move(material));
}

const std::vector<int>& MaterialCatalogue::OfUse(Use use) const {
  return by_use_[static_cast<size_t>(use)];
}

}  // namespace ftcalc::projectgen
