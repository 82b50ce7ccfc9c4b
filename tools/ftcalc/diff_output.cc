#include "diff_output.h"

#include "json_writer.h"
#include "text_table.h"

namespace ftcalc::cli {
namespace {

using Align = TextTable::Align;

// "67" or "67→70" when the row has another 编号 in B.
std::string NumbersShown(const DiffEntry& entry) {
  if (entry.number_a.empty()) return entry.number_b;
  if (entry.number_b.empty() || entry.number_b == entry.number_a) return entry.number_a;
  return entry.number_a + "→" + entry.number_b;
}

std::string Renamed(const std::string& a, const std::optional<std::string>& b) {
  return b ? a + " → " + *b : a;
}

bool IsItems(const std::string& table) { return table == kItemsTable; }

void PrintTotals(const ProjectDiff& diff, std::ostream& out) {
  TextTable table({"项目", "A", "B", "差额"},
                  {Align::kLeft, Align::kRight, Align::kRight, Align::kRight});
  for (const ValueChange& total : diff.totals) {
    table.AddRow({total.field, ValueText(total.a, total.decimals), ValueText(total.b, total.decimals),
                  DifferenceText(total.difference, total.decimals)});
  }
  for (const ChapterChange& chapter : diff.chapters) {
    const ValueChange& total = chapter.total;
    table.AddRow({"  " + chapter.name, ValueText(total.a, total.decimals),
                  ValueText(total.b, total.decimals),
                  total.a && total.b ? DifferenceText(total.difference, total.decimals)
                                     : total.a ? "删除" : "新增"});
  }
  table.Print(out);
}

// The rows of one table's entries: a changed row gives a line per changed
// value, an added or removed one a line with its main value.
void PrintEntries(const ProjectDiff& diff, const std::string& name, std::ostream& out) {
  const size_t changed = diff.Count(name, ChangeKind::kChanged);
  const size_t added = diff.Count(name, ChangeKind::kAdded);
  const size_t removed = diff.Count(name, ChangeKind::kRemoved);
  if (changed + added + removed == 0) return;
  out << "\n"
      << name << "：" << changed << " 项变动，" << added << " 项新增，" << removed << " 项删除\n";
  const bool items = IsItems(name);
  const bool fees = name == kFeesTable;
  std::vector<std::string> headers;
  if (items) {
    headers = {"变动", "编号", "标志", "编码", "名称", "数值", "A", "B", "差额", "位置"};
  } else if (fees) {
    headers = {"变动", "顺号", "项目", "数值", "A", "B", "差额", "取费表"};
  } else {
    headers = {"变动", "编码", "名称", "单位", "数值", "A", "B", "差额", "类别"};
  }
  std::vector<Align> align(headers.size(), Align::kLeft);
  const size_t first_number = headers.size() - 4;
  for (size_t c = first_number; c < first_number + 3; ++c) align[c] = Align::kRight;
  TextTable table(headers, align);
  for (const DiffEntry& entry : diff.entries) {
    if (entry.table != name) continue;
    std::vector<std::string> identity{ChangeName(entry.kind)};
    if (items) {
      identity.insert(identity.end(), {NumbersShown(entry), entry.row_kind,
                                       Renamed(entry.code, entry.code_b),
                                       Renamed(entry.name, entry.name_b)});
    } else if (fees) {
      identity.insert(identity.end(), {entry.code, entry.name});
    } else {
      identity.insert(identity.end(), {entry.code, entry.name, entry.unit});
    }
    std::vector<const ValueChange*> shown;
    for (const ValueChange& value : entry.values) {
      if (entry.kind == ChangeKind::kChanged || value.field == entry.main_field) {
        shown.push_back(&value);
      }
    }
    if (shown.empty()) shown.push_back(nullptr);  // renamed only
    bool first = true;
    for (const ValueChange* value : shown) {
      std::vector<std::string> cells =
          first ? identity : std::vector<std::string>(identity.size(), std::string());
      if (value) {
        cells.insert(cells.end(),
                     {value->field, ValueText(value->a, value->decimals),
                      ValueText(value->b, value->decimals),
                      DifferenceText(value->difference, value->decimals)});
      } else {
        cells.insert(cells.end(), {"", "", "", ""});
      }
      cells.push_back(first ? entry.place : std::string());
      table.AddRow(std::move(cells));
      first = false;
    }
  }
  table.Print(out);
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

void CsvLine(std::ostream& out, const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out << ",";
    out << CsvField(fields[i]);
  }
  out << "\r\n";
}

std::vector<std::string> CsvValue(const ValueChange& value) {
  return {value.field, ValueText(value.a, value.decimals), ValueText(value.b, value.decimals),
          DifferenceText(value.difference, value.decimals)};
}

void JsonNumber(JsonWriter& json, const char* key, std::optional<double> value, int decimals) {
  json.Key(key);
  if (value) {
    json.NumberText(ValueText(value, decimals));
  } else {
    json.Null();
  }
}

// `name_key` names the member holding the value's name.
void JsonValue(JsonWriter& json, const ValueChange& value, const char* name_key = "数值") {
  json.BeginObject();
  json.Member(name_key, value.field);
  JsonNumber(json, "a", value.a, value.decimals);
  JsonNumber(json, "b", value.b, value.decimals);
  JsonNumber(json, "差额", value.difference, value.decimals);
  json.EndObject();
}

}  // namespace

void PrintDiffText(const ProjectDiff& diff, const DiffSides& sides, std::ostream& out) {
  out << "A  " << ValidUtf8(sides.a) << "\nB  " << ValidUtf8(sides.b) << "\n\n";
  if (diff.equal()) {
    out << "两个工程相同：没有差别。\n";
    return;
  }
  PrintTotals(diff, out);
  if (diff.fees_not_recalculated) {
    out << "\n注意：各章合计变了，工程造价没有变。B 的取费和工程造价还没有重新计算"
           "（部分重算只算到各章），请先完整计算 B。\n";
  }
  for (const char* table : {kItemsTable, kMaterialsTable, kEquipmentTable, kFeesTable}) {
    PrintEntries(diff, table, out);
  }
}

void PrintDiffCsv(const ProjectDiff& diff, std::ostream& out) {
  CsvLine(out, {"表", "变动", "编号", "编号B", "标志", "编码", "名称", "编码B", "名称B", "单位",
                "位置", "数值", "A", "B", "差额"});
  auto summary = [&](const char* table, const std::string& name, const ValueChange& value) {
    if (!value.changed()) return;
    const ChangeKind kind =
        value.a && value.b ? ChangeKind::kChanged : value.a ? ChangeKind::kRemoved : ChangeKind::kAdded;
    std::vector<std::string> fields{table, ChangeName(kind), "", "", "", "", name, "", "", "", ""};
    for (std::string& field : CsvValue(value)) fields.push_back(std::move(field));
    CsvLine(out, fields);
  };
  for (const ValueChange& total : diff.totals) summary("合计", total.field, total);
  for (const ChapterChange& chapter : diff.chapters) summary("章", chapter.name, chapter.total);
  for (const DiffEntry& entry : diff.entries) {
    const std::vector<std::string> identity{
        entry.table,     ChangeName(entry.kind),   entry.number_a,        entry.number_b,
        entry.row_kind,  entry.code,               entry.name,            entry.code_b.value_or(""),
        entry.name_b.value_or(""), entry.unit,     entry.place};
    if (entry.values.empty()) {
      std::vector<std::string> fields = identity;
      fields.insert(fields.end(), {"", "", "", ""});
      CsvLine(out, fields);
    }
    for (const ValueChange& value : entry.values) {
      std::vector<std::string> fields = identity;
      for (std::string& field : CsvValue(value)) fields.push_back(std::move(field));
      CsvLine(out, fields);
    }
  }
}

void PrintDiffJson(const ProjectDiff& diff, const DiffSides& sides, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.Member("a", ValidUtf8(sides.a));
  json.Member("b", ValidUtf8(sides.b));
  json.Key("equal");
  json.Bool(diff.equal());
  json.Key("fees_not_recalculated");
  json.Bool(diff.fees_not_recalculated);
  json.Key("totals");
  json.BeginArray();
  for (const ValueChange& total : diff.totals) JsonValue(json, total, "名称");
  json.EndArray();
  json.Key("chapters");
  json.BeginArray();
  for (const ChapterChange& chapter : diff.chapters) {
    json.BeginObject();
    json.Member("名称", chapter.name);
    JsonNumber(json, "a", chapter.total.a, chapter.total.decimals);
    JsonNumber(json, "b", chapter.total.b, chapter.total.decimals);
    JsonNumber(json, "差额", chapter.total.difference, chapter.total.decimals);
    json.EndObject();
  }
  json.EndArray();
  json.Key("changes");
  json.BeginArray();
  for (const DiffEntry& entry : diff.entries) {
    json.BeginObject();
    json.Member("表", entry.table);
    json.Member("变动", ChangeName(entry.kind));
    if (IsItems(entry.table)) {
      // 编号 is A's (B's for an added row); 编号_b is B's when both exist.
      json.Key("编号");
      json.NumberText(entry.number_a.empty() ? entry.number_b : entry.number_a);
      if (!entry.number_a.empty() && !entry.number_b.empty()) {
        json.Key("编号_b");
        json.NumberText(entry.number_b);
      }
      json.Member("标志", entry.row_kind);
    }
    if (entry.table == kFeesTable) {
      json.Member("取费表", entry.place);
      json.Member("顺号", entry.code);
      json.Member("项目", entry.name);
    } else {
      json.Member("编码", entry.code);
      json.Member("名称", entry.name);
      if (entry.code_b) json.Member("编码_b", *entry.code_b);
      if (entry.name_b) json.Member("名称_b", *entry.name_b);
      if (!IsItems(entry.table) || !entry.unit.empty()) json.Member("单位", entry.unit);
      json.Member(IsItems(entry.table) ? "位置" : "类别", entry.place);
    }
    json.Key("values");
    json.BeginArray();
    for (const ValueChange& value : entry.values) JsonValue(json, value);
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  out << "\n";
}

}  // namespace ftcalc::cli
