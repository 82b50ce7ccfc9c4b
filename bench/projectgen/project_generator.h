// A synthetic but realistic highway project of any size: the shapes of the
// sample expressway project (examples/sample), scaled, in the tree shape of
// a real bill (a few quotas per bill item, headings up to four levels deep,
// description rows), with the tables declared as a host may declare them
// (schema_layout.h).
//
// Two ways in:
//  - WriteProjectFolder creates DIR/project.db, DIR/RoadLib.db and
//    DIR/Other.db from the trial schema and fills them (the benchmark).
//  - FillProject fills databases that already hold the trial schema's empty
//    tables, through a connection on which the project database is main and
//    the library and other-quota databases are attached (the tests).
//
// The same options and seed always give the same project; the key layout,
// the declared integer types and the home of the standard materials change
// only keys and declarations, never a value. Generation runs in one
// transaction with prepared inserts.
#ifndef FTCALC_BENCH_PROJECTGEN_PROJECT_GENERATOR_H_
#define FTCALC_BENCH_PROJECTGEN_PROJECT_GENERATOR_H_

#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "schema_layout.h"

namespace ftcalc::projectgen {

struct GeneratorOptions {
  // Size L: about 20,000 quotas and 290,000 material lines.
  int items = 7600;               // bill items (项)
  double quotas_per_item = 2.65;  // mean quota rows per bill item
  double lines_per_quota = 14.5;  // mean material lines per quota
  int headings = 4400;            // heading rows, chapters included
  int heading_levels = 4;         // 级1 … 级4
  int descriptions = 1150;        // 描述 rows under headings
  double own_sheet_share = 0.1;   // quotas with their own fee sheet
  double repeat_share = 0;        // quotas repeating an earlier one (lines, prices, sheet)
  SchemaLayout layout;            // declared keys and types, home of 定额材料明细
  bool indexes = false;           // secondary indexes on 上级编号, 主表, 标志, 排序
  uint64_t seed = 1;
  // Schema names of the attached databases on the connection (FillProject).
  std::string library_schema = "RoadLib";
  std::string other_schema = "其他";
};

struct GeneratedCounts {
  int64_t tree_rows = 0;
  int64_t headings = 0;
  int64_t items = 0;
  int64_t quotas = 0;
  int64_t repeated_quotas = 0;  // quotas repeating an earlier one
  int64_t descriptions = 0;
  int64_t material_lines = 0;
  int64_t own_sheets = 0;      // quotas with their own fee sheet
  int64_t own_sheet_lines = 0; // rows of 分部分项取费明细 (bill items' included)
};

// Declares the tables for options.layout (they must be empty), then fills
// them. Returns false with a message in *error when a statement fails; the
// transaction is then rolled back.
bool FillProject(sqlite3* db, const GeneratorOptions& options, GeneratedCounts* counts,
                 std::string* error);

// Replaces DIR/project.db, DIR/RoadLib.db and DIR/Other.db (creating DIR
// when needed). `schema_dir` holds project.sql, library.sql and other.sql.
bool WriteProjectFolder(const std::string& dir, const std::string& schema_dir,
                        const GeneratorOptions& options, GeneratedCounts* counts,
                        std::string* error);

}  // namespace ftcalc::projectgen

#endif  // FTCALC_BENCH_PROJECTGEN_PROJECT_GENERATOR_H_
