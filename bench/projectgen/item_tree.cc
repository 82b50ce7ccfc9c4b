#include "item_tree.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>

#include "fee_sheets.h"

namespace ftcalc::projectgen {
namespace {

struct SectionTemplate {
  const char* code;
  const char* name;
  std::vector<const char*> subsections;  // names; codes are code-1, code-2 …
};

struct QuotaTemplate {
  const char* code;
  const char* name;
  int profession;
};

struct ChapterTemplate {
  const char* name;
  double item_weight;  // share of the bill items of chapters 200-700
  std::vector<SectionTemplate> sections;
  std::vector<const char*> items;
  std::vector<QuotaTemplate> quotas;
};

const std::vector<ChapterTemplate>& Chapters() {
  static const std::vector<ChapterTemplate> chapters = {
      {"第200章 路基", 0.25,
       {{"202", "场地清理", {"清理与掘除", "挖除旧路面", "拆除结构物"}},
        {"203", "挖方路基", {"路基挖方", "改路改河挖方"}},
        {"204", "填方路基", {"路基填筑（包括填前压实）", "结构物台背回填"}},
        {"205", "特殊地区路基处理", {"软土地基处理", "滑坡处理"}},
        {"207", "坡面排水", {"边沟", "排水沟", "截水沟"}},
        {"208", "护坡、护面墙", {"植物护坡", "浆砌片石护坡"}},
        {"209", "挡土墙", {"浆砌挡土墙", "混凝土挡土墙"}}},
       {"挖土方", "挖石方", "利用土方", "借土填方", "清理现场", "砍树挖根", "M7.5浆砌片石边沟",
        "C25混凝土挡土墙", "强夯处理", "塑料排水板", "碎石垫层", "拱形骨架护坡"},
       {{"1-1-9-8", "2.0m3以内挖掘机挖装土方 普通土", kMachineEarthwork},
        {"1-1-11-17", "15t以内自卸汽车运土 第一个1km", kMachineEarthwork},
        {"1-1-11-18", "15t以内自卸汽车运土 每增运0.5km", kMachineEarthwork},
        {"1-1-6-2", "人工挖运土方 普通土 第一个20m", kManualEarthwork},
        {"1-1-15-26", "机械打眼开炸石方 次坚石", kMachineEarthwork},
        {"1-1-18-5", "高速、一级公路 填方路基 20t以内振动压路机压实 土方", kMachineEarthwork},
        {"1-1-1-12", "清除表土 135kW以内推土机", kMachineEarthwork},
        {"1-2-3-1", "浆砌片石 边沟、排水沟、截水沟", kStructureI},
        {"4-6-2-9", "现浇混凝土挡土墙 泵送", kStructureI},
        {"1-3-11-2", "袋装砂井 塑料排水板", kMachineEarthwork}}},
      {"第300章 路面", 0.15,
       {{"304", "水泥稳定土底基层、基层", {"水泥稳定碎石", "水泥稳定土"}},
        {"308", "透层和粘层", {"透层", "粘层"}},
        {"309", "热拌沥青混合料面层", {"中面层", "上面层", "下面层"}},
        {"310", "改性沥青混合料面层", {"SMA面层"}},
        {"312", "水泥混凝土面板", {"收费广场面板"}},
        {"313", "路肩及中央分隔带", {"培土路肩", "中央分隔带回填土"}}},
       {"厚200mm水泥稳定碎石底基层", "厚180mm水泥稳定碎石基层", "透层", "粘层",
        "中粒式沥青混凝土 AC-20C 厚60mm", "细粒式SBS改性沥青混凝土 AC-13C 厚40mm",
        "粗粒式沥青混凝土 AC-25C 厚80mm", "C35水泥混凝土面板 厚260mm"},
       {{"2-1-7-5", "厂拌水泥稳定碎石 水泥剂量4% 压实厚度20cm", kPavement},
        {"2-1-9-11", "12.5m以内摊铺机铺筑基层混合料", kPavement},
        {"2-2-16-3", "透层 石油沥青 半刚性基层", kPavement},
        {"2-2-11-6", "拌和 中粒式沥青混凝土 320t/h以内", kPavement},
        {"2-2-13-21", "15t以内自卸汽车运输沥青混合料 第一个1km", kPavement},
        {"2-2-14-46", "摊铺 中粒式沥青混合料 320t/h以内拌和设备配套", kPavement},
        {"2-2-11-12", "拌和 细粒式改性沥青混凝土 320t/h以内", kPavement},
        {"2-2-17-3", "水泥混凝土路面 滑模摊铺机铺筑", kPavement}}},
      {"第400章 桥梁、涵洞", 0.30,
       {{"403", "钢筋", {"基础钢筋（含灌注桩、承台、沉桩、沉井等）", "下部结构钢筋", "上部结构钢筋"}},
        {"405", "钻孔灌注桩", {"陆上钻孔灌注桩", "水中钻孔灌注桩"}},
        {"410", "混凝土工程", {"下部结构混凝土", "上部结构混凝土"}},
        {"411", "预应力混凝土工程", {"预制T梁", "现浇箱梁"}},
        {"416", "桥梁支座", {"板式橡胶支座"}},
        {"419", "圆管涵及倒虹吸管涵", {"钢筋混凝土圆管涵"}},
        {"424", "桥梁结构健康监测", {"监测系统"}}},
       {"光圆钢筋（HPB300）", "带肋钢筋（HRB400）", "桩径1.5m钻孔灌注桩", "桩径1.8m钻孔灌注桩",
        "C30混凝土墩身", "C40预制T梁", "C50现浇箱梁", "钢绞线", "板式橡胶支座",
        "单孔Φ1.0m钢筋混凝土圆管涵", "桥梁结构健康监测系统"},
       {{"4-4-7-22", "灌注桩钢筋 光圆钢筋", kComplexBridge},
        {"4-4-7-23", "灌注桩钢筋 带肋钢筋", kComplexBridge},
        {"4-4-5-118", "回旋钻机钻孔 桩径150cm以内 孔深40m以内 砂土", kComplexBridge},
        {"4-4-7-14", "灌注桩混凝土 回旋钻成孔 桩径150cm以内", kComplexBridge},
        {"4-6-3-4", "现浇混凝土墩身 泵送", kStructureI},
        {"4-7-14-3", "预制T梁混凝土", kComplexBridge},
        {"4-7-2-3", "圆管涵 管节预制安装 管径1.0m", kStructureI},
        {"4-8-3-12", "钢绞线 束长40m以内", kSteelStructure},
        {"4-9-1-2", "板式橡胶支座 安装", kStructureI}}},
      {"第500章 隧道", 0.15,
       {{"502", "洞口与明洞工程", {"洞口土石方", "洞门墙"}},
        {"503", "洞身开挖", {"洞身开挖", "超前支护"}},
        {"504", "洞身衬砌", {"喷锚支护", "混凝土衬砌"}},
        {"505", "防水与排水", {"防水层", "排水管"}},
        {"509", "隧道机电预埋", {"预埋管件"}}},
       {"洞口土石方 挖土方", "M7.5浆砌片石洞门墙", "洞身开挖 石方", "喷射C25混凝土",
        "C25模筑混凝土衬砌", "中空注浆锚杆", "防水板", "Φ100mm纵向排水管"},
       {{"3-1-3-17", "正洞机械开挖 Ⅳ级围岩 隧道长度1000m以内", kTunnel},
        {"3-1-4-3", "正洞出渣 15t以内自卸汽车运输", kTunnel},
        {"3-1-8-1", "喷射混凝土 湿喷", kTunnel},
        {"3-1-9-6", "模筑混凝土衬砌 泵送", kTunnel},
        {"3-1-6-1", "洞口边仰坡 中空注浆锚杆", kTunnel},
        {"3-1-9-2", "洞门墙 浆砌片石", kTunnel},
        {"1-1-9-8", "2.0m3以内挖掘机挖装土方 普通土（洞口）", kMachineEarthwork},
        {"3-1-11-2", "防水板 铺设", kTunnel}}},
      {"第600章 安全设施及预埋管线", 0.10,
       {{"602", "护栏", {"波形梁钢护栏", "混凝土护栏"}},
        {"604", "道路交通标志", {"单柱式交通标志", "门架式交通标志"}},
        {"605", "道路交通标线", {"热熔标线"}},
        {"606", "可变信息标志", {"门架式可变信息标志"}},
        {"607", "隔离栅", {"钢板网隔离栅"}}},
       {"路侧波形梁钢护栏 Gr-A-4E", "热熔型涂料路面标线（白色）", "单柱式交通标志",
        "门架式可变信息标志", "钢板网隔离栅", "C30混凝土护栏"},
       {{"5-1-3-4", "波形梁钢护栏 钢管立柱 打入式", kSteelStructure},
        {"5-1-8-2", "热熔标线 白色", kPavement},
        {"5-1-5-1", "单柱式交通标志 安装", kSteelStructure},
        {"5-1-6-3", "钢板网隔离栅", kSteelStructure},
        {"5-1-1-2", "现浇混凝土护栏", kStructureI}}},
      {"第700章 绿化及环境保护设施", 0.05,
       {{"703", "撒播草种和铺植草皮", {"撒播草种"}},
        {"704", "种植乔木、灌木和攀援植物", {"种植乔木", "种植灌木"}},
        {"706", "声屏障", {"吸音板声屏障"}}},
       {"撒播草种（含表土）", "人工种植乔木（胸径8cm）", "种植灌木", "铺植草皮", "吸音板声屏障"},
       {{"6-1-2-1", "撒播草籽 人工撒播", kManualEarthwork},
        {"6-1-5-3", "人工种植乔木 胸径8cm以内 带土球", kManualEarthwork},
        {"6-1-5-7", "人工种植灌木", kManualEarthwork},
        {"6-1-3-1", "人工铺草皮", kManualEarthwork},
        {"5-3-2-1", "声屏障 吸音板安装", kSteelStructure}}},
  };
  return chapters;
}

std::string Letter(int index) {
  std::string text(1, static_cast<char>('a' + index % 26));
  if (index >= 26) text += std::to_string(index / 26);
  return text;
}

// A chainage such as K12+600.
std::string Chainage(int metres) {
  char text[32];
  std::snprintf(text, sizeof text, "K%d+%03d", metres / 1000, metres % 1000);
  return text;
}

// Quotas of a chapter that later quotas may repeat: the first ones, up to
// this many (a real bill repeats a few hundred quotas of each chapter).
constexpr size_t kRepeatPool = 200;

const char* const kDescriptions[] = {
    "路基填筑均含填前压实及分层碾压，压实度按设计要求控制",
    "绿化工程养护期按两年计",
    "本节工程量按设计图纸净量计算",
    "弃方运距按实际运距计，综合单价包括弃土场整理",
    "含施工期间的临时排水及交通疏导",
    "钢筋按设计图示重量计，搭接及损耗不另计量",
};

class TreeBuilder {
 public:
  TreeBuilder(const TreeShape& shape, Random& random)
      : shape_(shape),
        random_(random),
        quota_counts_(shape.quotas_per_item, 1, random),
        originals_(8) {}

  std::vector<TreeRow> Build();

 private:
  int Add(TreeRow row) {
    rows_.push_back(std::move(row));
    return static_cast<int>(rows_.size()) - 1;
  }
  int Heading(int parent, const char* flag, const std::string& name, const std::string& code,
              int chapter);
  int Item(int parent, const std::string& name, const std::string& code, int chapter,
           std::optional<std::string> note, double quantity);
  void Quota(int parent, const QuotaTemplate& quota, double budget, int chapter);
  bool Repeat(TreeRow& row);
  void QuotasOf(int item, const ChapterTemplate& chapter, int chapter_no);
  void GeneralChapter();
  void Chapter(const ChapterTemplate& chapter, int chapter_no, int subheadings, int items);
  void AddDescriptions();

  const TreeShape& shape_;
  Random& random_;
  PairedCounts quota_counts_;
  std::vector<TreeRow> rows_;
  int quota_no_ = 0;
  int chapter_quotas_ = 0;
  int item_no_ = 0;
  double own_sheet_credit_ = 0;
  double repeat_credit_ = 0;
  std::vector<std::vector<int>> originals_;  // per chapter: rows that may be repeated
};

int TreeBuilder::Heading(int parent, const char* flag, const std::string& name,
                         const std::string& code, int chapter) {
  TreeRow row;
  row.parent = parent;
  row.flag = flag;
  row.name = name;
  row.code = code;
  row.chapter = chapter;
  return Add(std::move(row));
}

int TreeBuilder::Item(int parent, const std::string& name, const std::string& code, int chapter,
                      std::optional<std::string> note, double quantity) {
  TreeRow row;
  row.parent = parent;
  row.flag = "项";
  row.name = name;
  row.code = code;
  row.chapter = chapter;
  row.note = std::move(note);
  row.quantity = quantity;
  ++item_no_;
  return Add(std::move(row));
}

// Makes `row` a repeat of an earlier quota of its chapter when the share of
// repeats asks for one and there is one to repeat.
bool TreeBuilder::Repeat(TreeRow& row) {
  std::vector<int>& originals = originals_[static_cast<size_t>(row.chapter)];
  repeat_credit_ += shape_.repeat_share;
  if (repeat_credit_ < 1 || row.without_lines || originals.empty()) return false;
  repeat_credit_ -= 1;
  const int index = originals[static_cast<size_t>(random_.Int(0, static_cast<int>(originals.size()) - 1))];
  const TreeRow& original = rows_[static_cast<size_t>(index)];
  row.repeat_of = index;
  row.code = original.code;
  row.name = original.name;
  row.profession = original.profession;
  row.equipment = original.equipment;
  row.main_material = original.main_material;
  row.own_sheet = original.own_sheet;
  return true;
}

void TreeBuilder::Quota(int parent, const QuotaTemplate& quota, double budget, int chapter) {
  const int q = quota_no_++;
  TreeRow row;
  row.parent = parent;
  row.flag = "定额";
  row.name = quota.name;
  row.code = quota.code;
  row.chapter = chapter;
  row.profession = quota.profession;
  row.budget = budget;
  // Rare rows, spread evenly so that every feature shows up in small
  // projects as well as in large ones.
  row.calculated = q % 1000 == 7 ? 1 : 0;        // locked by the user
  row.without_lines = q % 500 == 123;            // unit costs typed in
  if (q % 700 == 350) row.code = "//" + row.code;  // left out of the material list
  row.entered_late = q % 97 == 40;
  // Equipment: the first quota of chapters 400 and 600, then now and then.
  row.equipment = (chapter == 4 || chapter == 6) && (chapter_quotas_ == 0 || q % 150 == 75);
  ++chapter_quotas_;
  row.main_material = (quota.profession == kPavement || quota.profession == kSteelStructure ||
                       quota.profession == kStructureI) &&
                      q % 10 == 3;
  if (Repeat(row)) {
    Add(std::move(row));
    return;
  }
  own_sheet_credit_ += shape_.own_sheet_share;
  if (own_sheet_credit_ >= 1) {
    own_sheet_credit_ -= 1;
    row.own_sheet = q % 3 == 2 ? 2 : 1;
  }
  std::vector<int>& originals = originals_[static_cast<size_t>(chapter)];
  row.may_repeat =
      shape_.repeat_share > 0 && !row.without_lines && originals.size() < kRepeatPool;
  const bool may_repeat = row.may_repeat;
  const int index = Add(std::move(row));
  if (may_repeat) originals.push_back(index);
}

void TreeBuilder::QuotasOf(int item, const ChapterTemplate& chapter, int chapter_no) {
  const int count = quota_counts_.Next();
  // A quota's work costs from ten thousand to a million yuan; the quotas of
  // an item share the item's amount unevenly.
  const double budget = random_.LogReal(1e4, 1e6) * count;
  for (int i = 0; i < count; ++i) {
    const auto& quotas = chapter.quotas;
    Quota(item, quotas[static_cast<size_t>(random_.Int(0, static_cast<int>(quotas.size()) - 1))],
          budget / count * random_.Real(0.3, 1.7), chapter_no);
  }
}

void TreeBuilder::GeneralChapter() {
  const int chapter = Heading(-1, "级1", "第100章 总则", "", 1);
  const int general = Heading(chapter, "级2", "通则", "101", 1);
  const int insurance = Heading(general, "级3", "保险费", "101-1", 1);
  Item(insurance, "按合同条款规定，提供建筑工程一切险", "101-1-a", 1, "0.3%", 1);
  Item(insurance, "按合同条款规定，提供第三方责任险", "101-1-b", 1, "5000", 0);
  const int management = Heading(chapter, "级2", "工程管理", "102", 1);
  const int documents = Item(management, "竣工文件", "102-1", 1, "", 1);
  rows_[static_cast<size_t>(documents)].fee_lines = {
      {"直接费", 42000}, {"管理费", 2520}, {"利润", 3303.38}, {"增值税", 4304.84},
      {"综合单价", 52128.22}};
  Item(management, "施工环保费", "102-2", 1, "0.5%", 1);
  Item(management, "安全生产费", "102-3", 1, "1.5%", 1);
  Item(management, "信息化管理系统", "102-4", 1, "0.2%", 1);
  const int temporary = Heading(chapter, "级2", "临时工程与设施", "103", 1);
  const int roads = Item(temporary, "临时道路修建、养护与拆除（包括原道路的养护费）", "103-1", 1,
                         std::nullopt, 1);
  Quota(roads, {"7-1-1-1", "汽车便道 平原微丘区 路基宽7m", kMachineEarthwork}, 150000, 1);
  Quota(roads, {"7-1-3-2", "临时钢便桥 搭设与拆除（含材料回收）", kSteelStructure}, 80000, 1);
  Item(temporary, "临时供电设施架设、维护与拆除", "103-2", 1, "80000", 1);
  const int camp = Heading(chapter, "级2", "承包人驻地建设", "104", 1);
  const int camp_item = Item(camp, "承包人驻地建设", "104-1", 1, "1%", 1);
  rows_[static_cast<size_t>(camp_item)].fee_lines = {{"综合单价", 25000000}};
}

// The headings of one chapter below its 级1 heading, level by level (级2,
// then 级3, then 级4): 40% and 60% of them with three levels, 15%, 35% and
// 50% with four.
std::vector<int> LevelCounts(int subheadings, int levels_below) {
  static const std::vector<std::vector<double>> shares = {{}, {1.0}, {0.4, 0.6}, {0.15, 0.35, 0.5}};
  std::vector<int> counts;
  int used = 0;
  const auto& share = shares[static_cast<size_t>(levels_below)];
  for (size_t k = 0; k < share.size(); ++k) {
    int count = k + 1 == share.size() ? subheadings - used
                                      : static_cast<int>(std::lround(subheadings * share[k]));
    // Two sections at least where there are more levels: the first holds
    // items directly, the next ones the deeper headings.
    if (k == 0) count = std::max(share.size() > 1 ? std::min(2, subheadings) : 1, count);
    count = std::max(0, std::min(count, subheadings - used));
    counts.push_back(count);
    used += count;
  }
  return counts;
}

// How many children each heading of a level gets when `children` headings
// of the next level are dealt out in turn over the `parents` listed.
std::vector<int> DealOut(int children, int headings, const std::vector<int>& parents) {
  std::vector<int> counts(static_cast<size_t>(headings), 0);
  for (int i = 0; i < children && !parents.empty(); ++i) {
    ++counts[static_cast<size_t>(parents[static_cast<size_t>(i) % parents.size()])];
  }
  return counts;
}

void TreeBuilder::Chapter(const ChapterTemplate& chapter, int chapter_no, int subheadings,
                          int items) {
  const int top = Heading(-1, "级1", chapter.name, "", chapter_no);
  chapter_quotas_ = 0;
  const int levels_below = std::max(0, std::min(3, shape_.heading_levels - 1));
  const std::vector<int> per_level = LevelCounts(subheadings, levels_below);
  // children[k][j]: headings of level k+1 under the j-th heading of level k
  // (level 0 is 级2). The first section holds items directly (and, in
  // chapters 200 and 500, quotas as well: a mixed section); the others share
  // the 级3 headings, and every 级3 heading the 级4 ones.
  std::vector<std::vector<int>> children;
  for (size_t k = 0; k + 1 < per_level.size(); ++k) {
    std::vector<int> parents;
    for (int j = k == 0 && per_level[0] > 1 ? 1 : 0; j < per_level[k]; ++j) parents.push_back(j);
    children.push_back(DealOut(per_level[k + 1], per_level[k], parents));
  }
  int leaves = per_level.empty() ? 1 : 0;
  for (size_t k = 0; k < per_level.size(); ++k) {
    for (int j = 0; j < per_level[k]; ++j) {
      if (k == children.size() || children[k][static_cast<size_t>(j)] == 0) ++leaves;
    }
  }
  const int per_leaf = items / leaves;
  int extra = items % leaves;

  int item_template = 0;
  auto fill_leaf = [&](int leaf, const std::string& code) {
    const int count = per_leaf + (extra > 0 ? 1 : 0);
    if (extra > 0) --extra;
    for (int i = 0; i < count; ++i) {
      const char* name = chapter.items[static_cast<size_t>(item_template++) % chapter.items.size()];
      const int item = Item(leaf, name, code + "-" + Letter(i), chapter_no, std::nullopt,
                            Round(random_.LogReal(300, 200000), 1));
      // Now and then an item priced by its own fee lines instead of quotas:
      // a lump sum, of quantity 1.
      if (item_no_ % 250 == 100) {
        const double direct = Round(random_.Real(10000, 90000), 2);
        rows_[static_cast<size_t>(item)].quantity = 1;
        rows_[static_cast<size_t>(item)].fee_lines = {
            {"直接费", direct}, {"管理费", Round(direct * 0.06, 2)},
            {"综合单价", Round(direct * 1.06 * 1.0742 * 1.09, 2)}};
      } else {
        QuotasOf(item, chapter, chapter_no);
      }
    }
  };
  if (per_level.empty()) {
    fill_leaf(top, std::to_string(chapter_no) + "00");
    return;
  }

  const size_t section_templates = chapter.sections.size();
  int level3 = 0;  // running index of the 级3 headings, in display order
  int metres = 0;  // chainage of the next 级4 stretch
  for (int s = 0; s < per_level[0]; ++s) {
    const SectionTemplate& t = chapter.sections[static_cast<size_t>(s) % section_templates];
    const int round = s / static_cast<int>(section_templates);
    std::string name = t.name;
    if (round > 0) {
      // Long projects repeat the same works section by section.
      name += "（K" + std::to_string(round * 8) + "+000~K" + std::to_string(round * 8 + 8) +
              "+000）";
    }
    const int section = Heading(top, "级2", name, t.code, chapter_no);
    const int subsections = children.empty() ? 0 : children[0][static_cast<size_t>(s)];
    if (subsections == 0) {
      fill_leaf(section, t.code);
      if (s == 0 && (chapter_no == 2 || chapter_no == 5)) {
        Quota(section, chapter.quotas[0], 300000, chapter_no);
        Quota(section, chapter.quotas[1 % chapter.quotas.size()], 300000, chapter_no);
      }
      continue;
    }
    for (int k = 0; k < subsections; ++k) {
      const std::string code = std::string(t.code) + "-" + std::to_string(k + 1);
      const char* sub_name = t.subsections[static_cast<size_t>(k) % t.subsections.size()];
      const int sub = Heading(section, "级3", sub_name, code, chapter_no);
      const int stretches = children.size() > 1 ? children[1][static_cast<size_t>(level3)] : 0;
      ++level3;
      if (stretches == 0) {
        fill_leaf(sub, code);
        continue;
      }
      for (int m = 0; m < stretches; ++m, metres += 600) {
        const std::string stretch_code = code + "-" + std::to_string(m + 1);
        const int stretch = Heading(sub, "级4", Chainage(metres) + "~" + Chainage(metres + 600) + "段",
                                    stretch_code, chapter_no);
        fill_leaf(stretch, stretch_code);
      }
    }
  }
}

// Spreads the description rows evenly over the headings, each the first
// row under its heading.
void TreeBuilder::AddDescriptions() {
  int headings = 0;
  for (const TreeRow& row : rows_) headings += row.flag.rfind("级", 0) == 0 ? 1 : 0;
  const int64_t count = shape_.descriptions;
  if (count <= 0 || headings == 0) return;
  std::vector<TreeRow> rows;
  rows.reserve(rows_.size() + static_cast<size_t>(count));
  std::vector<int> moved(rows_.size(), -1);
  auto remap = [&moved](int index) { return index < 0 ? index : moved[static_cast<size_t>(index)]; };
  int64_t heading = 0;
  int written = 0;
  for (size_t i = 0; i < rows_.size(); ++i) {
    TreeRow row = std::move(rows_[i]);
    row.parent = remap(row.parent);
    row.repeat_of = remap(row.repeat_of);
    moved[i] = static_cast<int>(rows.size());
    const bool is_heading = row.flag.rfind("级", 0) == 0;
    const int chapter = row.chapter;
    rows.push_back(std::move(row));
    if (!is_heading) continue;
    const int64_t due = (heading + 1) * count / headings - heading * count / headings;
    ++heading;
    for (int64_t d = 0; d < due; ++d) {
      TreeRow description;
      description.parent = moved[i];
      description.flag = "描述";
      description.name = kDescriptions[written++ % std::size(kDescriptions)];
      description.chapter = chapter;
      rows.push_back(std::move(description));
    }
  }
  rows_ = std::move(rows);
}

std::vector<TreeRow> TreeBuilder::Build() {
  GeneralChapter();
  const int general_items = item_no_;
  const int general_headings = static_cast<int>(
      std::count_if(rows_.begin(), rows_.end(),
                    [](const TreeRow& r) { return r.flag.rfind("级", 0) == 0; }));
  const auto& chapters = Chapters();
  const int chapter_count = static_cast<int>(chapters.size());
  const int items = std::max(chapter_count, shape_.items - general_items);
  const int subheadings =
      std::max(chapter_count, shape_.headings - general_headings - chapter_count);

  // Split items and subheadings by the chapters' weights, largest
  // remainders last so that the totals come out exactly.
  auto split = [&](int total) {
    std::vector<int> parts;
    int used = 0;
    for (int c = 0; c < chapter_count; ++c) {
      const double weight = chapters[static_cast<size_t>(c)].item_weight;
      const int part = c + 1 == chapter_count ? std::max(1, total - used)
                                              : std::max(1, static_cast<int>(total * weight));
      parts.push_back(part);
      used += part;
    }
    return parts;
  };
  const std::vector<int> item_parts = split(items);
  const std::vector<int> heading_parts = split(subheadings);
  for (int c = 0; c < chapter_count; ++c) {
    Chapter(chapters[static_cast<size_t>(c)], c + 2, heading_parts[static_cast<size_t>(c)],
            item_parts[static_cast<size_t>(c)]);
  }
  AddDescriptions();
  return std::move(rows_);
}

}  // namespace

std::vector<TreeRow> BuildItemTree(const TreeShape& shape, Random& random) {
  return TreeBuilder(shape, random).Build();
}

void NumberRows(std::vector<TreeRow>& rows) {
  int next = 1;
  for (TreeRow& row : rows) {
    if (!row.entered_late) row.id = next++;
  }
  for (TreeRow& row : rows) {
    if (row.entered_late) row.id = next++;
  }
}

}  // namespace ftcalc::projectgen
