#include "project_generator.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <utility>
#include <vector>

#include "fee_sheets.h"
#include "item_tree.h"
#include "material_lines.h"
#include "materials.h"
#include "sqlite_util.h"

namespace ftcalc::projectgen {
namespace {

std::string Quoted(const std::string& schema) { return "\"" + schema + "\""; }

void WriteOtherLibrary(sqlite3* db, const std::string& schema) {
  const std::string s = Quoted(schema);
  Statement kind(db, "insert into " + s + ".材料标志(编号,名称) values(?,?)");
  const auto& names = KindNames();
  for (size_t id = 1; id < names.size(); ++id) kind.Set(1, int(id)).Set(2, names[id]).Run();
  Exec(db, "insert into " + s + ".材料三材(编号,名称) values(1,'钢材'),(2,'木材'),(3,'水泥');" +
               "insert into " + s + ".材料供应方(编号,名称) values(1,'承包人'),(2,'发包人');");
}

// The library's parameters and calculation settings, as the sample's.
void WriteLibrary(sqlite3* db, const std::string& schema) {
  const std::string s = Quoted(schema);
  Statement parameter(db, "insert into " + s + ".参数(名称,内容) values(?,?)");
  parameter.Set(1, "计算设置").Set(2, "工程量小数位=3\n价格小数位=2").Run();
  parameter.Set(1, "定额版本").Set(2, "2018").Run();

  Statement setting(db, "insert into " + s + ".计算设置(编号,上级编号,名称,内容) values(?,?,?,?)");
  auto add = [&setting](int id, int parent, const char* name, const std::string& content) {
    setting.Set(1, id).Set(2, parent).Set(3, name).Set(4, content).Run();
  };
  add(1, 0, "向上汇总", "计日工=综合合价\n分部分项=合价_人工费,合价_材料费,合价_机械费,综合合价");
  add(2, 0, "材料价格", "");
  add(3, 2, "材料汇总",
      "人工=2:人工\r\n材料=0:材料,商品砼,泵商砼,泵送砼|组合材料按组成材料计;1:材料,配比\r\n\r\n"
      "//机械台班与机上燃料合并列示\r\n机械=0:机械,机材\r\n主材=2:主材");
  add(4, 2, "恢复数据", "备注=1\n调整系数=0");
  add(5, 2, "不算价差", "'人工'");
  add(6, 0, "汇总合价", "");
  add(7, 6, "分部分项直接定额费合计",
      "select total(合价_定额基价) as 合价 from 分部分项 where 标志='定额' and 单价取费=[]");
  add(8, 6, "分部分项人工费合计",
      "select total(合价_人工费) as 合价 from 分部分项 where 标志='定额' and 单价取费=[]");
  add(9, 6, "分部分项机械费合计",
      "select total(合价_机械费) as 合价 from 分部分项 where 标志='定额' and 单价取费=[]");
  add(10, 6, "第100章至700章合计",
      "清单法;select total(综合合价) as 合价 from 分部分项 where 标志='项'\n"
      "定额法;select total(综合合价) as 合价 from 分部分项 where 标志='定额'");
  add(11, 6, "设备购置费合计",
      "工程总价;select total(合价_设备费) as 合价 from 分部分项 where 标志='定额'");
  add(12, 6, "计日工合计", "select total(综合合价) as 合价 from 计日工 where 标志='合计'");
  add(13, 6, "暂列金额合计", "select total(合价) as 合价 from 暂列金额 where 标志='合计'");
  add(20, 0, "报表", "");
  add(21, 20, "材料汇总", "//报表分组用，不参与计算\n全部=2:人工,材料,机械");
}

void WriteArchive(sqlite3* db, int length_km) {
  Statement archive(db, "insert into 工程档案(名称,内容) values(?,?)");
  const std::string length = std::to_string(length_km);
  const char* const rows[][2] = {
      {"工程名称", nullptr},
      {"工程号", "X-OLD"},
      {"建设单位", "某省高速公路建设管理有限公司"},
      {"编制单位", "某交通规划勘察设计院"},
      {"编制日期", "2024-05-20"},
      {"计价方式", "清单法"},
      {"小型工程≤", "500000"},
      {"建筑面积", nullptr},
      {"工程造价", "0元"},
      {"单方造价", "0元"},
      {"系统值_利润", "7"},
      {"系统值_税金", "11"},
  };
  for (const auto& row : rows) {
    std::string value;
    if (row[1] != nullptr) {
      value = row[1];
    } else if (std::strcmp(row[0], "工程名称") == 0) {
      value = "某高速公路K0+000~K" + length + "+000段";
    } else {
      value = std::to_string(length_km * 26000);  // 26 m wide
    }
    archive.Set(1, row[0]).Set(2, value).Run();
  }
  Exec(db,
       "insert into 参数(名称,内容) values('价格小数位','2'),('工程量小数位','3');"
       "insert into 生成报表(编号,名称,标志) values(1,'投标报价汇总表',0),(2,'工程量清单',0),"
       "(3,'工程量清单单价分析表',0),(4,'计日工表',0),(5,'暂列金额明细表',0);");
}

void WriteStandardMaterials(sqlite3* db, const MaterialCatalogue& catalogue) {
  Statement insert(db, "insert into 定额材料明细(编号,编码,名称,单位,基价) values(?,?,?,?,?)");
  for (const Material& m : catalogue.all()) {
    insert.Set(1, m.id).Set(2, m.code).Set(3, m.name).Set(4, m.unit).Set(5, m.price).Run();
  }
}

void WriteDayWorkAndSums(sqlite3* db, Random& random) {
  Statement day(db, "insert into 计日工(综合合价,标志) values(?,?)");
  for (const char* section : {"劳务", "材料", "机械"}) {
    double total = 0;
    const int count = random.Int(3, 8);
    for (int i = 0; i < count; ++i) {
      const double amount = Round(random.Real(2000, 60000), 0);
      total += amount;
      day.Set(1, amount).Set(2, section).Run();
    }
    day.Set(1, total).Set(2, "合计").Run();
  }
  Exec(db,
       "insert into 暂列金额(合价,标志) values(800000,'项'),(1000000,'项'),(500000,'项'),"
       "(2300000,'合计');");
}

// The state a previous calculation left: component records of every
// quota, stale totals, a material price list and an equipment summary with
// the user's own values in them.
void WritePreviousResults(sqlite3* db, const std::vector<TreeRow>& rows,
                          const std::vector<double>& base_prices,
                          const MaterialCatalogue& catalogue, Random& random) {
  Statement components(db,
                       "insert into 分部分项单价费率费用(主表,冬季,雨季,夜间,高原,风沙,沿海,行车,"
                       "安全,临时,施工,工地,综合1,综合2,养老,失业,医疗,住房,工伤,综合3,基本,主副,"
                       "职工,补贴,费用,综合4) values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
                       "?,?,?)");
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].flag != "定额") continue;
    components.Set(1, rows[i].id);
    const std::vector<double> values = PreviousComponents(random, base_prices[i] * 1.25);
    for (size_t k = 0; k < values.size(); ++k) components.Set(static_cast<int>(k) + 2, values[k]);
    components.Run();
  }
  Exec(db,
       "insert into 汇总合价(分类,名称,合价) values('工程总价','第100章 设备费',0),"
       "('工程总价','第100章至700章合计',1);");

  Statement price(db,
                  "insert into 材料价格(上级编号,编码,名称,单位,基价,信息价,增值税率,三材,供应方,"
                  "标志,排序,备注,调整系数) values(?,?,?,?,?,?,?,?,?,?,?,?,?)");
  const char* const three_names[] = {nullptr, "钢材", "木材", "水泥"};
  const auto& kinds = KindNames();
  struct Category {
    const char* name;
    std::vector<int> kinds;
  };
  const Category categories[] = {{"人工", {kLabour}},
                                 {"材料", {kMaterial, kReadyMix, kPumpedReadyMix, kMix,
                                           kSiteConcrete, kPumpedConcrete}},
                                 {"机械", {kMachine, kMachineFuel}}};
  double order = 1;
  for (const Category& category : categories) {
    price.Set(1, 0).Set(3, "◆" + std::string(category.name) + "◆").Set(10, "分类").Set(11, order++);
    price.Run();
    const int64_t parent = sqlite3_last_insert_rowid(db);
    for (const Material& m : catalogue.all()) {
      bool in = false;
      for (int k : category.kinds) in = in || m.kind == k;
      if (!in || m.price == 0) continue;
      price.Set(1, parent).Set(2, m.code).Set(3, m.name).Set(4, m.unit).Set(5, m.price);
      price.Set(6, m.info_price).Set(7, m.info_price > 0 ? m.vat : 0.0);
      price.Set(8, three_names[m.three]).Set(9, "承包人").Set(10, kinds[m.kind]).Set(11, order++);
      if (m.id % 17 == 5) price.Set(12, "按到场价");
      if (m.id % 23 == 4) price.Set(13, 1.02);
      price.Run();
    }
  }
  price.Set(1, 0).Set(3, "#### 合 计 ####").Set(10, "合计").Set(11, order++).Run();

  Statement equipment(db,
                      "insert into 设备汇总(上级编号,编码,名称,单位,基价,信息价,供应方,标志,主要,"
                      "排序) values(0,?,?,?,?,?,?,'设备',?,?)");
  order = 1;
  for (int id : catalogue.OfUse(Use::kEquipment)) {
    const Material& m = catalogue.ById(id);
    equipment.Set(1, m.code).Set(2, m.name).Set(3, m.unit).Set(4, m.price).Set(5, m.info_price);
    equipment.Set(6, "承包人");
    if (id % 3 == 0) equipment.Set(7, 1);
    equipment.Set(8, order++).Run();
  }
  Exec(db, "insert into 设备汇总(上级编号,名称,标志,排序) values(0,'#### 合 计 ####','合计'," +
               std::to_string(static_cast<int>(order)) + ")");
}

// The lines of an item's own fee sheet. 编号 is the sheet order: it counts
// on across the whole table with table-wide keys, from 1 in every sheet
// otherwise.
class FeeLineWriter {
 public:
  FeeLineWriter(sqlite3* db, bool table_wide_keys)
      : insert_(db,
                "insert into 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,"
                "实际名称,实际,标志) values(?,?,?,?,?,?,?,?,NULL,NULL,NULL)"),
        table_wide_keys_(table_wide_keys) {}

  // A quota's sheet: formulas and rates.
  void Write(int owner, const std::vector<FeeLine>& lines) {
    for (size_t k = 0; k < lines.size(); ++k) {
      const FeeLine& line = lines[k];
      Begin(owner, k).Set(3, line.label).Set(4, line.name).Set(5, line.formula).SetNull(6);
      if (line.rate) insert_.Set(7, line.rate_name).Set(8, *line.rate);
      insert_.Run();
    }
  }
  // A bill item's lines without formulas: the amounts as the user typed them.
  void Write(int owner, const std::vector<std::pair<std::string, double>>& amounts) {
    for (size_t k = 0; k < amounts.size(); ++k) {
      Begin(owner, k).Set(3, std::to_string(k + 1)).Set(4, amounts[k].first).SetNull(5);
      insert_.Set(6, amounts[k].second).Run();
    }
  }
  int64_t lines_written() const { return written_; }

 private:
  Statement& Begin(int owner, size_t position) {
    ++written_;
    return insert_.Set(1, table_wide_keys_ ? written_ : static_cast<int64_t>(position) + 1)
        .Set(2, owner);
  }
  Statement insert_;
  bool table_wide_keys_;
  int64_t written_ = 0;
};

constexpr const char* kMoneyColumns =
    "单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,"
    "合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,"
    "增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价";
constexpr int kMoneyColumnCount = 25;

void WriteTree(sqlite3* db, const std::vector<TreeRow>& rows,
               const std::vector<double>& base_prices, Random& random) {
  std::string sql = std::string("insert into 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,"
                                "附注信息,计算,单价取费,定额基价,") +
                    kMoneyColumns + ") values(?,?,?,?,?,?,NULL,?,?,?,?,?";
  for (int i = 0; i < kMoneyColumnCount; ++i) sql += ",?";
  sql += ")";
  Statement insert(db, sql);
  for (size_t i = 0; i < rows.size(); ++i) {
    const TreeRow& row = rows[i];
    const bool description = row.flag == "描述";
    insert.Set(1, row.id);
    insert.Set(2, row.parent < 0 ? 0 : rows[static_cast<size_t>(row.parent)].id);
    insert.Set(3, row.flag).Set(4, row.name);
    if (row.code.empty()) {
      insert.SetNull(5);
    } else {
      insert.Set(5, row.code);
    }
    insert.Set(6, static_cast<double>((i + 1) * 10));
    if (description) {
      insert.SetNull(7);
    } else {
      insert.Set(7, row.quantity);
    }
    insert.Set(8, row.note).Set(9, row.calculated);
    if (row.profession >= 0) insert.Set(10, ProfessionName(row.profession));
    if (description) {
      insert.SetNull(11);
      for (int k = 0; k < kMoneyColumnCount; ++k) insert.SetNull(12 + k);
    } else {
      insert.Set(11, base_prices[i]);
      for (int k = 0; k < kMoneyColumnCount; ++k) insert.Set(12 + k, 0.0);
      if (row.without_lines) {
        // Unit costs typed in by the user, consistent with the base price.
        const double labour = Round(base_prices[i] * random.Real(0.2, 0.4), 2);
        const double material = Round(base_prices[i] * random.Real(0.3, 0.6), 2);
        insert.Set(12, labour).Set(13, material)
            .Set(14, Round(base_prices[i] - labour - material, 2));
      }
    }
    insert.Run();
  }
}

// Secondary indexes a host may have created: every column 上级编号, 主表,
// 标志 and 排序 of the project's tables.
void CreateIndexes(sqlite3* db) {
  std::vector<std::string> tables;
  {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "select name from main.sqlite_master where type='table' order by name",
                       -1, &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
  }
  for (const std::string& table : tables) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, ("select name from pragma_table_info('" + table + "')").c_str(), -1,
                       &stmt, nullptr);
    std::vector<std::string> columns;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      const std::string column = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
      if (column == "上级编号" || column == "主表" || column == "标志" || column == "排序") {
        columns.push_back(column);
      }
    }
    sqlite3_finalize(stmt);
    for (const std::string& column : columns) {
      Exec(db, "create index \"idx_" + table + "_" + column + "\" on \"" + table + "\"(\"" +
                   column + "\")");
    }
  }
}

void Fill(sqlite3* db, const GeneratorOptions& options, GeneratedCounts& counts) {
  DeclareTables(db, options.layout, options.library_schema, options.other_schema);
  Random random(options.seed);
  const MaterialCatalogue catalogue;

  WriteOtherLibrary(db, options.other_schema);
  WriteLibrary(db, options.library_schema);
  // About 400 quotas per km of road.
  WriteArchive(db, std::max(1, static_cast<int>(options.items * options.quotas_per_item / 400)));
  WriteStandardMaterials(db, catalogue);
  WriteStandardSheets(db);

  TreeShape shape;
  shape.items = options.items;
  shape.quotas_per_item = options.quotas_per_item;
  shape.headings = options.headings;
  shape.heading_levels = options.heading_levels;
  shape.descriptions = options.descriptions;
  shape.own_sheet_share = options.own_sheet_share;
  shape.repeat_share = options.repeat_share;
  std::vector<TreeRow> rows = BuildItemTree(shape, random);
  NumberRows(rows);

  // Material lines and own fee sheets, quota by quota in display order.
  const bool table_wide_keys = options.layout.table_wide_line_keys();
  MaterialLineWriter lines(db, catalogue, random, options.lines_per_quota, table_wide_keys);
  FeeLineWriter fee_lines(db, table_wide_keys);
  std::unordered_map<int, std::vector<FeeLine>> kept_sheets;  // own sheets that may be repeated
  std::vector<double> base_prices(rows.size(), 0);
  for (size_t i = 0; i < rows.size(); ++i) {
    TreeRow& row = rows[i];
    if (row.flag.rfind("级", 0) == 0) ++counts.headings;
    if (row.flag == "描述") ++counts.descriptions;
    if (row.flag == "项") {
      ++counts.items;
      fee_lines.Write(row.id, row.fee_lines);
    }
    if (row.flag != "定额") continue;
    ++counts.quotas;
    const TreeRow* original =
        row.repeat_of >= 0 ? &rows[static_cast<size_t>(row.repeat_of)] : nullptr;
    if (original != nullptr) {
      ++counts.repeated_quotas;
      base_prices[i] = lines.WriteRepeat(row, *original);
    } else if (row.without_lines) {
      base_prices[i] = Round(random.LogReal(200, 20000), 2);
    } else {
      base_prices[i] = lines.WriteQuota(row);
    }
    row.quantity = base_prices[i] > 0 ? std::max(0.001, Round(row.budget / base_prices[i], 3)) : 1;
    if (row.own_sheet != 0) {
      ++counts.own_sheets;
      if (original != nullptr) {
        fee_lines.Write(row.id, kept_sheets.at(original->id));
        continue;
      }
      std::vector<FeeLine> sheet =
          row.own_sheet == 2 ? ShortOwnSheet(random) : UnitPriceSheet(row.profession, &random);
      fee_lines.Write(row.id, sheet);
      if (row.may_repeat) kept_sheets[row.id] = std::move(sheet);
    }
  }
  counts.tree_rows = static_cast<int64_t>(rows.size());
  counts.material_lines = lines.lines_written();
  counts.own_sheet_lines = fee_lines.lines_written();

  WriteTree(db, rows, base_prices, random);
  WriteDayWorkAndSums(db, random);
  WritePreviousResults(db, rows, base_prices, catalogue, random);
  if (options.indexes) CreateIndexes(db);
}

bool MakeFolder(const std::string& dir, std::string* error) {
  std::string path;
  std::stringstream parts(dir);
  std::string part;
  if (!dir.empty() && dir[0] == '/') path = "/";
  while (std::getline(parts, part, '/')) {
    if (part.empty()) continue;
    path += part + "/";
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
      *error = "cannot create " + path + ": " + std::strerror(errno);
      return false;
    }
  }
  return true;
}

bool ReadFile(const std::string& path, std::string* text, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  *text = buffer.str();
  return true;
}

// A new database file holding the schema's empty tables.
bool CreateDatabase(const std::string& path, const std::string& schema, std::string* error) {
  for (const char* suffix : {"", "-journal", "-wal", "-shm"}) unlink((path + suffix).c_str());
  sqlite3* db = nullptr;
  bool ok = sqlite3_open(path.c_str(), &db) == SQLITE_OK;
  if (ok) {
    try {
      Exec(db, "pragma synchronous=off");
      Exec(db, schema);
    } catch (const GeneratorError& e) {
      *error = path + ": " + e.what();
      ok = false;
    }
  } else {
    *error = "cannot create " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
  }
  sqlite3_close(db);
  return ok;
}

}  // namespace

bool FillProject(sqlite3* db, const GeneratorOptions& options, GeneratedCounts* counts,
                 std::string* error) {
  GeneratedCounts local;
  try {
    Exec(db, "begin");
    try {
      Fill(db, options, local);
      Exec(db, "commit");
    } catch (...) {
      sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
      throw;
    }
  } catch (const GeneratorError& e) {
    if (error) *error = e.what();
    return false;
  }
  if (counts) *counts = local;
  return true;
}

bool WriteProjectFolder(const std::string& dir, const std::string& schema_dir,
                        const GeneratorOptions& options, GeneratedCounts* counts,
                        std::string* error) {
  std::string project_schema, library_schema, other_schema;
  if (!ReadFile(schema_dir + "/project.sql", &project_schema, error) ||
      !ReadFile(schema_dir + "/library.sql", &library_schema, error) ||
      !ReadFile(schema_dir + "/other.sql", &other_schema, error) || !MakeFolder(dir, error)) {
    return false;
  }
  const std::string project = dir + "/project.db";
  if (!CreateDatabase(dir + "/RoadLib.db", library_schema, error) ||
      !CreateDatabase(dir + "/Other.db", other_schema, error) ||
      !CreateDatabase(project, project_schema, error)) {
    return false;
  }
  sqlite3* db = nullptr;
  if (sqlite3_open(project.c_str(), &db) != SQLITE_OK) {
    *error = "cannot open " + project;
    sqlite3_close(db);
    return false;
  }
  GeneratorOptions folder_options = options;
  folder_options.library_schema = "RoadLib";
  folder_options.other_schema = "其他";
  bool ok = true;
  try {
    Exec(db, "pragma cache_size=-65536; pragma synchronous=off; pragma journal_mode=memory;");
    std::string quoted_dir;
    for (char c : dir) quoted_dir += c == '\'' ? std::string("''") : std::string(1, c);
    Exec(db, "attach database '" + quoted_dir + "/RoadLib.db' as RoadLib; attach database '" +
                 quoted_dir + "/Other.db' as 其他;");
    Exec(db, "pragma RoadLib.synchronous=off; pragma 其他.synchronous=off;");
  } catch (const GeneratorError& e) {
    *error = e.what();
    ok = false;
  }
  ok = ok && FillProject(db, folder_options, counts, error);
  sqlite3_close(db);
  return ok;
}

}  // namespace ftcalc::projectgen
