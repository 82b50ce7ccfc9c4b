// How the tables of a generated project are declared. A host owns its
// schema: it may declare a key only where the data model names one, give the
// integer columns any declared type that holds integers, and keep the
// standard materials (定额材料明细) in the project or in the library. The
// generator starts from the trial schema's empty tables and declares them
// again as a layout asks, so that the benchmark and the tests can try the
// engine on each.
#ifndef FTCALC_BENCH_PROJECTGEN_SCHEMA_LAYOUT_H_
#define FTCALC_BENCH_PROJECTGEN_SCHEMA_LAYOUT_H_

#include <sqlite3.h>

#include <string>

namespace ftcalc::projectgen {

enum class KeyLayout {
  // Keys only where the data model names them: the row key of 分部分项, the
  // integer keys of 定额材料明细 and 取费索引, the 编号 the database assigns in
  // 材料价格 and 设备汇总. Material lines number from 1 within their quota,
  // fee lines within their item; neither table has a declared key.
  kDataModel,
  // Every 编号 an INTEGER PRIMARY KEY (the material and fee lines, the report
  // rows, the library's settings, the other-quota lookups too), the lines
  // numbered across the whole table.
  kKeyed,
};

// The declared type of the columns that hold integers but are no declared
// key (a key stays INTEGER PRIMARY KEY, SQLite's rowid).
enum class IntegerDeclaration { kInteger, kInt, kNumeric, kNone };

enum class MaterialsHome {
  kByLayout,  // the library for the data-model layout, the project when keyed
  kProject,
  kLibrary,
};

struct SchemaLayout {
  KeyLayout keys = KeyLayout::kDataModel;
  IntegerDeclaration integers = IntegerDeclaration::kInteger;
  MaterialsHome materials = MaterialsHome::kByLayout;

  bool table_wide_line_keys() const { return keys == KeyLayout::kKeyed; }
  bool materials_in_library() const {
    return materials == MaterialsHome::kLibrary ||
           (materials == MaterialsHome::kByLayout && keys == KeyLayout::kDataModel);
  }
};

// Declares the tables of the main (project), `library` and `other` schemas
// of the connection again for `layout`: each table whose declared keys or
// integer types differ is dropped and created anew with the same columns,
// and 定额材料明细 moves to the database the layout names. Columns the
// trial schema declares INTEGER count as integer columns. The tables must
// be empty; throws GeneratorError otherwise or when a statement fails.
void DeclareTables(sqlite3* db, const SchemaLayout& layout, const std::string& library,
                   const std::string& other);

// The text of a declared type for the command line and the notes:
// "INTEGER", "INT", "NUMERIC", "none"; and back (false for anything else).
const char* IntegerDeclarationName(IntegerDeclaration declaration);
bool ParseIntegerDeclaration(const std::string& text, IntegerDeclaration* declaration);

}  // namespace ftcalc::projectgen

#endif  // FTCALC_BENCH_PROJECTGEN_SCHEMA_LAYOUT_H_
