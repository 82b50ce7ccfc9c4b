#include "report_data.h"

#include <map>

#include "data/number_text.h"
#include "data/fields.h"
#include "data/text_util.h"
#include "json_writer.h"
#include "project_reader.h"

namespace ftcalc::cli {
namespace {

class Reader {
 public:
  Reader(sqlite3* db, ReportData& data) : db_(db), data_(data) {}

  bool Read(const std::string& sql, Query& query, const std::string& what) {
    std::string error;
    if (ReadQuery(db_, sql, query, &error)) return true;
    data_.warnings.push_back(what + "：" + error);
    return false;
  }

  // A text field, made valid UTF-8 (pages and JSON need it).
  static std::string Text(const Query& query, const char* field) {
    return ValidUtf8(Trim(FieldText(query, field)));
  }
  std::string Money(const Query& query, const char* field) const {
    const int index = query.FieldIndex(field);
    if (index < 0 || query.Value(index).is_null()) return std::string();
    return MoneyText(FieldNumber(query, field), data_.price_decimals);
  }
  // The stored number itself (a REAL to its last bit, not through its
  // 15-digit text); a text read as the engine reads it; nullopt for NULL
  // or a missing column.
  static std::optional<double> Value(const Query& query, const char* field) {
    const int index = query.FieldIndex(field);
    if (index < 0 || query.Value(index).is_null()) return std::nullopt;
    const SqlValue& value = query.Value(index);
    if (value.type() == SQLITE_FLOAT) return value.real();
    if (value.type() == SQLITE_INTEGER) return static_cast<double>(value.integer());
    return FieldNumber(query, field);
  }
  // The values row of a table row: `fields` names the column read into
  // each numeric cell (nullptr for a text cell).
  static std::vector<std::optional<double>> Values(const Query& query,
                                                   std::initializer_list<const char*> fields) {
    std::vector<std::optional<double>> values;
    for (const char* field : fields) {
      values.push_back(field ? Value(query, field) : std::nullopt);
    }
    return values;
  }
  static std::string Amount(const Query& query, const char* field) {
    const int index = query.FieldIndex(field);
    if (index < 0 || query.Value(index).is_null()) return std::string();
    return NumberText(FieldNumber(query, field));
  }

  void Header() {
    data_.name = ValidUtf8(ArchiveValue(db_, "工程名称"));
    for (const char* name : {"建设单位", "编制单位", "编制日期", "计价方式", "建筑面积"}) {
      const std::string value = ArchiveValue(db_, name);
      if (!value.empty()) data_.facts.push_back({name, ValidUtf8(value)});
    }
    // 工程造价 and 单方造价 are stored as a number followed by 元.
    for (auto [name, target] : {std::pair<const char*, std::string*>{"工程造价", &data_.cost},
                                {"单方造价", &data_.unit_cost}}) {
      const std::string value = ArchiveValue(db_, name);
      if (CAtofLength(value) > 0) {
        *target = MoneyText(CAtof(value), data_.price_decimals);
        (target == &data_.cost ? data_.cost_value : data_.unit_cost_value) = CAtof(value);
      }
    }
    if (!HasTable(db_, "main", "工程档案")) data_.warnings.push_back("工程档案：no such table");
  }

  // The tree in display order; a row whose parent is missing (or whose
  // parent links form a loop) is shown at the top level.
  void Items() {
    Query query;
    const bool has_unit = HasColumn(db_, "分部分项", "单位");
    if (!Read(std::string("select 编号,上级编号,标志,编码,名称,") + (has_unit ? "单位," : "") +
                  "工程量,综合单价,综合合价 from 分部分项 order by 排序,rowid",
              query, "分部分项")) {
      return;
    }
    std::map<std::string, size_t> by_number;
    std::vector<std::string> parents;
    for (query.First(); !query.Eof(); query.Next()) {
      ReportItem item;
      item.number = FieldText(query, "编号");
      item.kind = Text(query, "标志");
      item.code = Text(query, "编码");
      item.name = Text(query, "名称");
      if (has_unit) item.unit = Text(query, "单位");
      item.quantity = Amount(query, "工程量");
      item.unit_price = Money(query, "综合单价");
      item.total = Money(query, "综合合价");
      item.quantity_value = Value(query, "工程量");
      item.unit_price_value = Value(query, "综合单价");
      item.total_value = Value(query, "综合合价");
      by_number.emplace(item.number, data_.items.size());
      parents.push_back(FieldText(query, "上级编号"));
      data_.items.push_back(std::move(item));
    }
    const size_t n = data_.items.size();
    std::vector<long> parent(n, -1);
    for (size_t i = 0; i < n; ++i) {
      auto found = by_number.find(parents[i]);
      if (found != by_number.end() && found->second != i)
        parent[i] = static_cast<long>(found->second);
    }
    // Break loops: walk up from each row; a row whose walk meets a row
    // again is made a root. A walk ends early at a row already known to
    // reach the top: no loop lies above it, and making rows roots never
    // changes that. So a deep tree is walked once, not once per row.
    std::vector<bool> reaches_top(n, false);
    std::vector<size_t> walked_by(n, n);  // the row whose walk met it last
    std::vector<size_t> path;
    for (size_t i = 0; i < n; ++i) {
      path.assign(1, i);
      walked_by[i] = i;
      bool loop = false;
      for (long p = parent[i]; p >= 0 && !reaches_top[p]; p = parent[p]) {
        if (walked_by[p] == i) {
          loop = true;
          break;
        }
        walked_by[p] = i;
        path.push_back(static_cast<size_t>(p));
      }
      if (loop) {
        parent[i] = -1;
        reaches_top[i] = true;
      } else {
        for (size_t row : path) reaches_top[row] = true;
      }
    }
    for (size_t i = 0; i < n; ++i) {
      if (parent[i] < 0) {
        data_.roots.push_back(i);
      } else {
        data_.items[parent[i]].children.push_back(i);
      }
    }
  }

  // Chapters: the top-level headings (not descriptions, items or quotas
  // that ended up at the top).
  void Chapters() {
    double sum = 0;
    for (size_t root : data_.roots) {
      const ReportItem& item = data_.items[root];
      if (!IsHeadingKind(item.kind)) continue;
      ReportChapter chapter{item.name,
                            item.total.empty() ? MoneyText(0, data_.price_decimals) : item.total,
                            CAtof(item.total)};
      sum += chapter.value;
      data_.chapters.push_back(chapter);
    }
    data_.chapters_total = MoneyText(RoundHalfUp(data_.price_decimals, sum), data_.price_decimals);
  }

  void FeeTable(const std::string& title, const std::string& where) {
    ReportTable table;
    table.title = title;
    table.headers = {"顺号", "项目", "计算式", "费用"};
    table.numeric = {false, false, false, true};
    Query query;
    if (Read("select 顺号,项目,计算式,费用 from 工程取费 where " + where + " order by 排序,rowid",
             query, "工程取费")) {
      for (query.First(); !query.Eof(); query.Next()) {
        const std::string name = Text(query, "项目");
        table.rows.push_back(
            {Text(query, "顺号"), name, Text(query, "计算式"), Money(query, "费用")});
        table.values.push_back(Values(query, {nullptr, nullptr, nullptr, "费用"}));
        table.styles.push_back(name == "工程总价" ? "total" : "");
      }
    }
    if (table.rows.empty()) table.note = "没有取费行";
    data_.fee_tables.push_back(std::move(table));
  }

  void FeeTables() {
    Query index;
    if (!Read("select 编号,取费专业,类别 from 取费索引 where 类别 in('工程总价','专业工程') "
              "order by 类别='专业工程',排序,rowid",
              index, "取费索引")) {
      return;
    }
    for (index.First(); !index.Eof(); index.Next()) {
      const std::string kind = FieldText(index, "类别");
      const std::string profession = FieldText(index, "取费专业");
      if (kind == "工程总价" && profession != "工程总价") continue;
      std::string where = "主表=" + FieldNumberLiteral(index, "编号");
      if (kind == "专业工程") where += " and 专业取费='" + SqlQuoted(profession) + "'";
      FeeTable(kind == "工程总价" ? "工程总价" : "专业工程 " + ValidUtf8(profession), where);
    }
  }

  void Materials() {
    ReportTable& table = data_.materials;
    table.title = "材料价格";
    table.headers = {"编码", "名称", "单位", "数量", "基价", "信息价", "价差", "合价"};
    table.numeric = {false, false, false, true, true, true, true, true};
    Query query;
    if (!Read("select 编码,名称,单位,数量,基价,信息价,价差,合价,标志 from 材料价格 "
              "where 上级编号>=0 order by 排序,rowid",
              query, "材料价格")) {
      table.note = "无法读取材料价格";
      return;
    }
    for (query.First(); !query.Eof(); query.Next()) {
      const std::string flag = Text(query, "标志");
      std::string name = Text(query, "名称");
      if (flag == "分类" && StartsWith(name, "◆")) {
        ReplaceAll(name, "◆", "");
      }
      table.rows.push_back({Text(query, "编码"), name, Text(query, "单位"), Amount(query, "数量"),
                            Money(query, "基价"), Money(query, "信息价"), Money(query, "价差"),
                            Money(query, "合价")});
      table.values.push_back(
          Values(query, {nullptr, nullptr, nullptr, "数量", "基价", "信息价", "价差", "合价"}));
      table.styles.push_back(flag == "分类" ? "group" : flag == "合计" ? "total" : "");
    }
    if (table.rows.empty()) table.note = "没有材料";
  }

  void Equipment() {
    ReportTable& table = data_.equipment;
    table.title = "设备汇总";
    table.headers = {"编码", "名称", "单位", "数量", "基价", "信息价", "合价", "主要"};
    table.numeric = {false, false, false, true, true, true, true, false};
    Query query;
    if (!Read("select 编码,名称,单位,数量,基价,信息价,合价,主要,标志 from 设备汇总 "
              "where 上级编号>=0 order by 排序,rowid",
              query, "设备汇总")) {
      table.note = "无法读取设备汇总";
      return;
    }
    for (query.First(); !query.Eof(); query.Next()) {
      const std::string flag = Text(query, "标志");
      const bool key = CAtof(FieldText(query, "主要")) != 0;
      table.rows.push_back({Text(query, "编码"), Text(query, "名称"), Text(query, "单位"),
                            Amount(query, "数量"), Money(query, "基价"), Money(query, "信息价"),
                            Money(query, "合价"), key ? "★" : ""});
      table.values.push_back(
          Values(query, {nullptr, nullptr, nullptr, "数量", "基价", "信息价", "合价", nullptr}));
      table.styles.push_back(flag == "合计" ? "total" : "");
    }
    if (table.rows.empty()) table.note = "没有设备";
  }

 private:
  sqlite3* db_;
  ReportData& data_;
};

}  // namespace

ReportData ReadReportData(sqlite3* db, const std::string& project_file,
                          const std::string& library_alias) {
  ReportData data;
  data.project_file = ValidUtf8(project_file);
  const ProjectDecimals decimals = ReadProjectDecimals(db, library_alias);
  data.price_decimals = decimals.price;
  data.quantity_decimals = decimals.quantity;
  Reader reader(db, data);
  reader.Header();
  reader.Items();
  reader.Chapters();
  reader.FeeTables();
  reader.Materials();
  reader.Equipment();
  return data;
}

}  // namespace ftcalc::cli
