// The report's data as JSON: the numbers as number literals in the same
// text as on the page, NULL as null.
#include <sstream>

#include "json_writer.h"
#include "report_data.h"

namespace ftcalc::cli {
namespace {

void Amount(JsonWriter& json, std::string_view name, const std::string& text) {
  json.Key(name);
  if (text.empty()) {
    json.Null();
  } else {
    json.NumberText(text);
  }
}

void Table(JsonWriter& json, const ReportTable& table) {
  json.BeginObject();
  json.Member("title", table.title);
  json.Key("rows");
  json.BeginArray();
  for (size_t r = 0; r < table.rows.size(); ++r) {
    json.BeginObject();
    if (!table.styles[r].empty()) json.Member("row", table.styles[r]);
    for (size_t c = 0; c < table.headers.size(); ++c) {
      if (table.numeric[c]) {
        Amount(json, table.headers[c], table.rows[r][c]);
      } else {
        json.Member(table.headers[c], table.rows[r][c]);
      }
    }
    json.EndObject();
  }
  json.EndArray();
  if (!table.note.empty()) json.Member("note", table.note);
  json.EndObject();
}

// Items nested as in the tree, written with an explicit stack.
void Items(JsonWriter& json, const ReportData& data) {
  struct Frame {
    const std::vector<size_t>* list;
    size_t next;
  };
  json.BeginArray();
  std::vector<Frame> stack{{&data.roots, 0}};
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next == frame.list->size()) {
      stack.pop_back();
      json.EndArray();
      if (!stack.empty()) json.EndObject();
      continue;
    }
    const ReportItem& item = data.items[(*frame.list)[frame.next++]];
    json.BeginObject();
    json.Key("编号");
    json.NumberText(item.number);
    json.Member("标志", item.kind);
    json.Member("编码", item.code);
    json.Member("名称", item.name);
    Amount(json, "工程量", item.quantity);
    Amount(json, "综合单价", item.unit_price);
    Amount(json, "综合合价", item.total);
    if (item.children.empty()) {
      json.EndObject();
    } else {
      json.Key("children");
      json.BeginArray();
      stack.push_back({&item.children, 0});
    }
  }
}

}  // namespace

std::string RenderReportJson(const ReportData& data) {
  std::ostringstream out;
  JsonWriter json(out);
  json.BeginObject();
  json.Member("project_file", data.project_file);
  json.Member("工程名称", data.name);
  json.Key("价格小数位");
  json.Integer(data.price_decimals);
  Amount(json, "工程造价", data.cost);
  Amount(json, "单方造价", data.unit_cost);
  json.Key("facts");
  json.BeginObject();
  for (const auto& [name, value] : data.facts) json.Member(name, value);
  json.EndObject();

  json.Key("chapters");
  json.BeginArray();
  for (const ReportChapter& chapter : data.chapters) {
    json.BeginObject();
    json.Member("名称", chapter.name);
    Amount(json, "综合合价", chapter.total);
    json.EndObject();
  }
  json.EndArray();
  Amount(json, "chapters_total", data.chapters_total);

  json.Key("items");
  Items(json, data);

  json.Key("fee_tables");
  json.BeginArray();
  for (const ReportTable& table : data.fee_tables) Table(json, table);
  json.EndArray();
  json.Key("materials");
  Table(json, data.materials);
  json.Key("equipment");
  Table(json, data.equipment);

  json.Key("warnings");
  json.BeginArray();
  for (const std::string& warning : data.warnings) json.String(warning);
  json.EndArray();
  json.EndObject();
  return out.str();
}

}  // namespace ftcalc::cli
