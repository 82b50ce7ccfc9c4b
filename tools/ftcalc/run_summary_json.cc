// The run summary as JSON for `ftcalc calc --json` / `recalc --json`.
#include "data/number_text.h"
#include "data/fields.h"
#include "json_writer.h"
#include "project_reader.h"
#include "run_summary.h"

namespace ftcalc::cli {
namespace {

// A stored "number元" text as a number; null when it holds none.
void StoredAmount(JsonWriter& json, std::string_view key, const std::string& text) {
  json.Key(key);
  if (CAtofLength(text) == 0) {
    json.Null();
  } else {
    json.Number(CAtof(text));
  }
}

}  // namespace

void PrintRunSummaryJson(sqlite3* db, const std::vector<RunError>& errors, double milliseconds,
                         bool saved, std::ostream& out) {
  JsonWriter json(out);
  json.BeginObject();
  json.Member("工程名称", ArchiveValue(db, "工程名称"));
  json.Key("milliseconds");
  json.NumberText(FixedText(1, milliseconds));
  json.Key("saved");
  json.Bool(saved);
  json.Key("error_count");
  json.Integer(static_cast<long long>(errors.size()));
  json.Key("errors");
  json.BeginArray();
  for (const RunError& error : errors) {
    json.BeginObject();
    json.Member("message", error.message);
    json.Member("statement", error.detail);
    json.EndObject();
  }
  json.EndArray();

  Query query;
  json.Key("定额行数");
  if (ReadQuery(db, "select count(*) as n from 分部分项 where 标志='定额'", query, nullptr)) {
    query.First();
    json.Integer(CAtol(FieldText(query, "n")));
  } else {
    json.Null();
  }
  StoredAmount(json, "工程造价", ArchiveValue(db, "工程造价"));
  StoredAmount(json, "单方造价", ArchiveValue(db, "单方造价"));

  json.Key("chapters");
  json.BeginArray();
  if (ReadQuery(
          db,
          "select 名称,综合合价 from 分部分项 where 上级编号=0 and 标志 not in('项','定额','描述') "
          "order by 排序,rowid",
          query, nullptr)) {
    for (query.First(); !query.Eof(); query.Next()) {
      json.BeginObject();
      json.Member("名称", FieldText(query, "名称"));
      json.MemberNumber("综合合价", FieldNumber(query, "综合合价"));
      json.EndObject();
    }
  }
  json.EndArray();

  json.Key("工程取费");
  json.BeginArray();
  if (ReadQuery(db,
                "select 顺号,项目,费用 from 工程取费 where 主表=(select 编号 from 取费索引 "
                "where 取费专业='工程总价' and 类别='工程总价') order by 排序,rowid",
                query, nullptr)) {
    for (query.First(); !query.Eof(); query.Next()) {
      json.BeginObject();
      json.Member("顺号", FieldText(query, "顺号"));
      json.Member("项目", FieldText(query, "项目"));
      json.MemberNumber("费用", FieldNumber(query, "费用"));
      json.EndObject();
    }
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace ftcalc::cli
