#include "schema_layout.h"

#include <set>
#include <vector>

#include "sqlite_util.h"

namespace ftcalc::projectgen {
namespace {

constexpr const char* kStandardMaterials = "定额材料明细";

struct Column {
  std::string name;
  std::string type;           // as declared
  std::string default_value;  // SQL text of the default, "" for none
  bool key = false;
};

std::string Identifier(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Literal(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::vector<Column> Columns(sqlite3* db, const std::string& schema, const std::string& table) {
  std::vector<Column> columns;
  for (const auto& row : Select(db, "select name, type, ifnull(dflt_value,''), pk from "
                                    "pragma_table_info(" + Literal(table) + "," +
                                        Literal(schema) + ") order by cid")) {
    columns.push_back({row[0], row[1], row[2], row[3] != "0"});
  }
  return columns;
}

std::vector<std::string> Tables(sqlite3* db, const std::string& schema) {
  std::vector<std::string> tables;
  for (const auto& row : Select(db, "select name from " + Identifier(schema) +
                                        ".sqlite_master where type='table' and name not like "
                                        "'sqlite\\_%' escape '\\' order by name")) {
    tables.push_back(row[0]);
  }
  return tables;
}

// The tables whose 编号 is a declared key in the layout.
bool HasNumberKey(const std::string& table, KeyLayout keys) {
  static const std::set<std::string> data_model = {"分部分项", kStandardMaterials, "取费索引",
                                                   "材料价格", "设备汇总"};
  static const std::set<std::string> keyed_too = {"分部分项材料明细", "分部分项取费明细", "生成报表",
                                                  "计算设置", "材料标志", "材料三材", "材料供应方"};
  return data_model.count(table) > 0 || (keys == KeyLayout::kKeyed && keyed_too.count(table) > 0);
}

// The table's columns as the layout declares them.
std::vector<Column> Declared(const std::vector<Column>& current, const std::string& table,
                             const SchemaLayout& layout) {
  const bool keyed = HasNumberKey(table, layout.keys);
  std::vector<Column> columns = current;
  for (Column& column : columns) {
    column.key = keyed && column.name == "编号";
    const std::string type = Upper(column.type);
    const bool integer = type == "INTEGER";
    if (column.key) {
      column.type = "INTEGER";  // only this spelling makes the column the rowid
    } else if (integer) {
      column.type = layout.integers == IntegerDeclaration::kNone
                        ? ""
                        : IntegerDeclarationName(layout.integers);
    }
  }
  return columns;
}

bool SameDeclaration(const std::vector<Column>& a, const std::vector<Column>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].type != b[i].type || a[i].key != b[i].key) return false;
  }
  return true;
}

void Create(sqlite3* db, const std::string& schema, const std::string& table,
            const std::vector<Column>& columns) {
  std::string sql = "create table " + Identifier(schema) + "." + Identifier(table) + " (";
  for (size_t i = 0; i < columns.size(); ++i) {
    const Column& column = columns[i];
    sql += (i ? ",\n  " : "\n  ") + Identifier(column.name);
    if (!column.type.empty()) sql += " " + column.type;
    if (column.key) sql += " PRIMARY KEY";
    if (!column.default_value.empty()) sql += " DEFAULT " + column.default_value;
  }
  Exec(db, sql + "\n)");
}

void DropEmpty(sqlite3* db, const std::string& schema, const std::string& table) {
  const std::string name = Identifier(schema) + "." + Identifier(table);
  if (Select(db, "select exists(select 1 from " + name + ")")[0][0] != "0") {
    throw GeneratorError("cannot declare " + schema + "." + table + " again: it holds rows");
  }
  Exec(db, "drop table " + name);
}

}  // namespace

void DeclareTables(sqlite3* db, const SchemaLayout& layout, const std::string& library,
                   const std::string& other) {
  const std::string materials_home = layout.materials_in_library() ? library : "main";
  for (const std::string& schema : {std::string("main"), library, other}) {
    for (const std::string& table : Tables(db, schema)) {
      const std::vector<Column> current = Columns(db, schema, table);
      const std::vector<Column> declared = Declared(current, table, layout);
      const bool moves = table == kStandardMaterials && schema != materials_home;
      if (!moves && SameDeclaration(current, declared)) continue;
      DropEmpty(db, schema, table);
      Create(db, moves ? materials_home : schema, table, declared);
    }
  }
}

const char* IntegerDeclarationName(IntegerDeclaration declaration) {
  switch (declaration) {
    case IntegerDeclaration::kInt: return "INT";
    case IntegerDeclaration::kNumeric: return "NUMERIC";
    case IntegerDeclaration::kNone: return "none";
    default: return "INTEGER";
  }
}

bool ParseIntegerDeclaration(const std::string& text, IntegerDeclaration* declaration) {
  for (IntegerDeclaration d : {IntegerDeclaration::kInteger, IntegerDeclaration::kInt,
                               IntegerDeclaration::kNumeric, IntegerDeclaration::kNone}) {
    if (Upper(text) == Upper(IntegerDeclarationName(d))) {
      *declaration = d;
      return true;
    }
  }
  return false;
}

}  // namespace ftcalc::projectgen
