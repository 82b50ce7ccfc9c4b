#include "fee_sheets.h"

#include <cmath>

namespace ftcalc::projectgen {
namespace {

const char* const kProfessionNames[kProfessionCount] = {
    "人工土方", "机械土方", "路面", "构造物I", "技术复杂大桥", "隧道", "钢材及钢结构"};

// Per profession: the rates of lines 2.1-2.11, 3.1-3.5, 4.1-4.5 in per cent.
const double kRates[kProfessionCount][21] = {
    {0.28, 0.12, 0, 0, 0, 0, 1.26, 0.59, 1.57, 0.89, 0.24, 16, 0.5, 8, 7, 1, 3.66, 0.33, 0.14,
     0.13, 0.23},
    {0.35, 0.15, 0, 0, 0, 0, 1.38, 0.59, 1.42, 0.49, 0.51, 16, 0.5, 8, 7, 1, 3.26, 0.37, 0.14,
     0.12, 0.21},
    {0.41, 0.18, 0, 0, 0, 0, 1.15, 0.65, 1.92, 0.8, 0.42, 16, 0.5, 8, 7, 1, 3.09, 0.28, 0.12, 0.11,
     0.37},
    {0.58, 0.22, 0.35, 0, 0, 0, 1.04, 0.77, 2.65, 1.3, 0.59, 16, 0.5, 8, 7, 1, 4.44, 0.38, 0.29,
     0.15, 0.41},
    {0.63, 0.16, 0.42, 0, 0, 0.15, 0, 0.81, 2.72, 1.68, 0.47, 16, 0.5, 8, 7, 1, 4.72, 0.31, 0.21,
     0.14, 0.46},
    {0.26, 0, 0, 0, 0, 0, 0, 1.1, 2.57, 1.23, 0.51, 16, 0.5, 8, 7, 1, 4.22, 0.34, 0.27, 0.16, 0.39},
    {0.22, 0.08, 0.3, 0, 0, 0, 0.9, 0.48, 1.91, 0.56, 0.33, 16, 0.5, 8, 7, 1, 2.42, 0.19, 0.11,
     0.08, 0.48},
};

struct RatedLine {
  const char* label;
  const char* name;
  const char* rate_name;
  bool on_labour_and_machine;  // base: labour + machine markers (else <1.1>)
  bool on_labour;              // base: labour marker only
};

const RatedLine kRatedLines[21] = {
    {"2.1", "冬季施工增加费", "冬季施工增加费率", true, false},
    {"2.2", "雨季施工增加费", "雨季施工增加费率", true, false},
    {"2.3", "夜间施工增加费", "夜间施工增加费率", true, false},
    {"2.4", "高原地区施工增加费", "高原地区施工增加费率", true, false},
    {"2.5", "风沙地区施工增加费", "风沙地区施工增加费率", true, false},
    {"2.6", "沿海地区施工增加费", "沿海地区施工增加费率", true, false},
    {"2.7", "行车干扰工程施工增加费", "行车干扰工程施工增加费率", true, false},
    {"2.8", "安全施工措施费", "安全施工措施费率", false, false},
    {"2.9", "临时设施费", "临时设施费率", false, false},
    {"2.10", "施工辅助费", "施工辅助费率", false, false},
    {"2.11", "工地转移费", "工地转移费率", false, false},
    {"3.1", "养老保险费", "养老保险费率", false, true},
    {"3.2", "失业保险费", "失业保险费率", false, true},
    {"3.3", "医疗保险费", "医疗保险费率", false, true},
    {"3.4", "住房公积金", "住房公积金率", false, true},
    {"3.5", "工伤保险费", "工伤保险费率", false, true},
    {"4.1", "基本费用", "基本费用费率", false, false},
    {"4.2", "主副食运费补贴", "主副食运费补贴费率", false, false},
    {"4.3", "职工探亲路费", "职工探亲路费费率", false, false},
    {"4.4", "职工取暖补贴", "职工取暖补贴费率", false, false},
    {"4.5", "财务费用", "财务费用费率", false, false},
};

std::string RateRef(const std::string& name, double rate) {
  return "[费率:" + name + "=" + ShortNumber(rate) + "%]";
}

FeeLine Plain(const char* label, const char* name, std::string formula) {
  return FeeLine{label, name, std::move(formula), std::nullopt, ""};
}

FeeLine Rated(const char* label, const char* name, const std::string& base,
              const std::string& rate_name, double rate) {
  return FeeLine{label, name, base + "*" + RateRef(rate_name, rate), rate, rate_name};
}

std::string SumOf(const char* prefix, int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    if (i > 1) text += "+";
    text += "<" + std::string(prefix) + std::to_string(i) + ">";
  }
  return text;
}

}  // namespace

const char* ProfessionName(int profession) { return kProfessionNames[profession]; }

std::vector<FeeLine> UnitPriceSheet(int profession, Random* random) {
  const bool with_main_material = profession == kPavement || profession == kSteelStructure;
  std::string direct = "[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]";
  if (with_main_material) direct += "+[系统:直接主材费合计]";

  std::vector<FeeLine> lines;
  lines.push_back(Plain("1", "直接费", direct));
  lines.push_back(Plain("1.1", "定额直接费", "[系统:定额费合计]"));
  lines.push_back(Plain("2", profession == kTunnel ? "措施费" : "其他费用", SumOf("2.", 11)));
  for (int i = 0; i < 21; ++i) {
    if (i == 11) lines.push_back(Plain("3", "规费", SumOf("3.", 5)));
    if (i == 16) lines.push_back(Plain("4", "管理费", SumOf("4.", 5)));
    const RatedLine& line = kRatedLines[i];
    double rate = kRates[profession][i];
    // A user's own copy: a few rates changed to the contract's values.
    if (random != nullptr && rate > 0 && random->Chance(0.3)) {
      rate = Round(rate * random->Real(0.8, 1.2), 2);
    }
    const std::string base = line.on_labour_and_machine
                                 ? "([系统:直接人工费合计]+[系统:直接机械费合计])"
                             : line.on_labour ? "[系统:直接人工费合计]"
                                              : "<1.1>";
    lines.push_back(Rated(line.label, line.name, base, line.rate_name, rate));
  }
  double profit = 7.42;
  if (random != nullptr && random->Chance(0.4)) profit = random->Chance(0.5) ? 6.5 : 8;
  lines.push_back(Rated("5", "利润", "(<1.1>+<2>+<4>)", "利润率", profit));
  lines.push_back(Rated("6", "增值税", "(<1>+<2>+<3>+<4>+<5>)", "增值税率", 9));
  lines.push_back(Plain("7", "综合单价", "<1>+<2>+<3>+<4>+<5>+<6>"));
  lines.push_back(Plain("8", "间接费", "<3>+<4>"));
  return lines;
}

std::vector<FeeLine> ShortOwnSheet(Random& random) {
  const double overhead = random.Chance(0.5) ? 5 : Round(random.Real(3, 6), 1);
  return {
      Plain("1", "直接费",
            "[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]+[系统:直接主材费合计]"),
      Rated("2", "管理费", "<1>", "管理费率", overhead),
      Rated("3", "利润", "(<1>+<2>)", "利润率", 7.42),
      Rated("4", "增值税", "(<1>+<2>+<3>)", "增值税率", 9),
      Plain("5", "综合单价", "<1>+<2>+<3>+<4>"),
  };
}

void WriteStandardSheets(sqlite3* db) {
  Statement index(db, "insert into 取费索引(编号,取费专业,类别,排序) values(?,?,?,?)");
  Statement line(db,
                 "insert into 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) "
                 "values(?,?,?,?,?,?,?,NULL,NULL)");
  auto write_lines = [&line](int sheet, const char* profession, const std::vector<FeeLine>& lines,
                             bool rate_as_text) {
    int order = 1;
    for (const FeeLine& fee : lines) {
      line.Set(1, sheet).Set(2, profession).Set(3, fee.label).Set(4, fee.name).Set(5, fee.formula);
      line.Set(6, static_cast<double>(order++));
      if (!fee.rate) {
        line.SetNull(7);
      } else if (rate_as_text) {
        line.Set(7, ShortNumber(*fee.rate));  // typed in as text by the user
      } else {
        line.Set(7, *fee.rate);
      }
      line.Run();
    }
  };

  int sheet = 1;
  for (int p = 0; p < kProfessionCount; ++p, ++sheet) {
    index.Set(1, sheet).Set(2, kProfessionNames[p]).Set(3, "综合单价").Set(4, double(sheet)).Run();
    write_lines(sheet, kProfessionNames[p], UnitPriceSheet(p), p == kManualEarthwork);
  }
  for (int p = 0; p < kProfessionCount; ++p, ++sheet) {
    index.Set(1, sheet).Set(2, kProfessionNames[p]).Set(3, "专业工程").Set(4, double(sheet)).Run();
    const double small = 1.5;
    const double standard = p == kComplexBridge || p == kTunnel ? 1.2 : 0.8;
    write_lines(sheet, kProfessionNames[p],
                {Plain("1", "定额直接费", "[系统:分部分项直接定额费合计]"),
                 Plain("2", "人工费", "[系统:分部分项人工费合计]"),
                 Plain("3", "施工机械使用费", "[系统:分部分项机械费合计]"),
                 Rated("4", "小型工程增加费", "[系统:小型工程]", "小型工程增加费率", small),
                 Rated("5", "施工标准化与安全措施费", "(<1>+<4>)", "施工标准化费率", standard),
                 Plain("6", "专业工程费合计", "<1>+<4>+<5>")},
                p == kManualEarthwork);
  }
  index.Set(1, sheet).Set(2, "工程总价").Set(3, "工程总价").Set(4, double(sheet)).Run();
  write_lines(sheet, "工程总价",
              {Plain("1", "第100章至第700章清单合计", "[系统:第100章至700章合计]"),
               Plain("2", "已包含在清单合计中的专业工程暂估价", "[实际:专业工程暂估价=350000.00]"),
               Plain("3", "清单合计减去专业工程暂估价", "<1>-<2>"),
               Plain("4", "计日工合计", "[系统:计日工合计]"),
               Plain("5", "暂列金额", "[系统:暂列金额合计]"),
               Plain("6", "暂定金", "[实际:暂定金=350.50]"),
               Plain("7", "工程设备费", "[系统:第400章 设备费]+[系统:第600章 设备费]"),
               Plain("8", "工程总价", "<1>+<4>+<5>+<6>+<7>")},
              false);
}

std::vector<double> PreviousComponents(Random& random, double unit_price) {
  // Measure fees are a few per cent of the price, social charges follow
  // labour, overheads a few per cent again.
  std::vector<double> values;
  auto part = [&](double share) {
    const double v = Round(unit_price * share * random.Real(0.5, 1.5), 2);
    values.push_back(v);
    return v;
  };
  double s1 = 0, s2 = 0;
  for (int i = 1; i <= 11; ++i) {
    const double v = part(i <= 7 && i != 1 && i != 2 && i != 7 ? 0 : 0.004);
    (i == 4 || i == 5 || i == 7) ? s2 += v : s1 += v;
  }
  values.push_back(Round(s1, 2));
  values.push_back(Round(s2, 2));
  double s3 = 0;
  for (int i = 0; i < 5; ++i) s3 += part(i == 0 ? 0.03 : 0.008);
  values.push_back(Round(s3, 2));
  double s4 = 0;
  for (int i = 0; i < 5; ++i) s4 += part(i == 0 ? 0.035 : 0.002);
  values.push_back(Round(s4, 2));
  return values;
}

}  // namespace ftcalc::projectgen
