// A synthetic but realistic highway project of any size: the shapes of the
// sample expressway project (examples/sample), scaled.
//
// Two ways in:
//  - WriteProjectFolder creates DIR/project.db, DIR/RoadLib.db and
//    DIR/Other.db from the trial schema and fills them (the benchmark).
//  - FillProject fills databases that already hold the trial schema's empty
//    tables, through a connection on which the project database is main and
//    the library and other-quota databases are attached (the tests).
//
// The same options and seed always give the same project. Generation runs
// in one transaction with prepared inserts.
#ifndef FTCALC_BENCH_PROJECTGEN_PROJECT_GENERATOR_H_
#define FTCALC_BENCH_PROJECTGEN_PROJECT_GENERATOR_H_

#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace ftcalc::projectgen {

struct GeneratorOptions {
  int items = 2000;            // bill items (项)
  int quotas_per_item = 10;    // mean quota rows per bill item
  int lines_per_quota = 15;    // mean material lines per quota
  int headings = 500;          // heading rows, chapters included
  double own_sheet_share = 0.1;  // quotas with their own fee sheet
  bool indexes = false;        // secondary indexes on 上级编号, 主表, 标志, 排序
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
  int64_t material_lines = 0;
  int64_t own_sheets = 0;      // quotas with their own fee sheet
  int64_t own_sheet_lines = 0; // rows of 分部分项取费明细 (bill items' included)
};

// Returns false with a message in *error when a statement fails; the
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
