// ftcalc-projectgen: writes a synthetic highway project into a folder.
//
//   ftcalc-projectgen OUTDIR [options]   (--help lists them)
//
// Size L is the default (7,600 bill items, about 20,000 quotas and 290,000
// material lines, 4,400 headings on four levels, 1,150 description rows),
// laid out as the data model says; XL is five times L.
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "project_generator.h"

namespace {

void Usage(FILE* out) {
  std::fprintf(out,
               "usage: ftcalc-projectgen OUTDIR [options]\n"
               "  writes OUTDIR/project.db, OUTDIR/RoadLib.db, OUTDIR/Other.db\n"
               "tree:\n"
               "  --items N               bill items (default 7600)\n"
               "  --quotas-per-item F     mean quota rows per bill item (default 2.65)\n"
               "  --lines-per-quota F     mean material lines per quota (default 14.5)\n"
               "  --headings N            heading rows, chapters included (default 4400)\n"
               "  --heading-levels N      heading levels 级1 … 级N, 1 to 4 (default 4)\n"
               "  --descriptions N        description rows under headings (default 1150)\n"
               "  --own-sheet-share F     share of quotas with their own fee sheet (default 0.1)\n"
               "  --repeat-share F        share of quotas that repeat an earlier quota of their\n"
               "                          chapter: same lines, prices and own sheet (default 0)\n"
               "tables:\n"
               "  --keyed                 every 编号 a declared INTEGER PRIMARY KEY, material and\n"
               "                          fee lines numbered across the table (default: keys only\n"
               "                          where the data model names one, lines numbered within\n"
               "                          their quota or item)\n"
               "  --standard-materials W  where 定额材料明细 lives: project or library (default:\n"
               "                          library, project with --keyed)\n"
               "  --integer-type T        declared type of the integer columns that are no key:\n"
               "                          INTEGER, INT, NUMERIC or none (default INTEGER)\n"
               "  --indexes               also create secondary indexes on 上级编号, 主表, 标志, 排序\n"
               "other:\n"
               "  --seed N                random seed (default 1)\n"
               "  --schema-dir DIR        folder of project.sql, library.sql, other.sql\n"
               "                          (default %s)\n",
               FTCALC_DEFAULT_SCHEMA_DIR);
}

bool ParseInt(const char* text, long long minimum, long long* value) {
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || v < minimum) return false;
  *value = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  ftcalc::projectgen::GeneratorOptions options;
  std::string out_dir;
  std::string schema_dir = FTCALC_DEFAULT_SCHEMA_DIR;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](const char* name) -> const char* {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "ftcalc-projectgen: %s needs a value\n", name);
        std::exit(2);
      }
      return argv[++i];
    };
    auto integer = [&](const char* name, long long minimum) {
      long long v = 0;
      if (!ParseInt(value(name), minimum, &v) || v > 100000000) {
        std::fprintf(stderr, "ftcalc-projectgen: bad value for %s: %s\n", name, argv[i]);
        std::exit(2);
      }
      return v;
    };
    auto real = [&](const char* name, double minimum, double maximum) {
      const char* text = value(name);
      char* end = nullptr;
      const double v = std::strtod(text, &end);
      if (end == text || *end != '\0' || !(v >= minimum && v <= maximum)) {
        std::fprintf(stderr, "ftcalc-projectgen: %s takes a number from %g to %g\n", name,
                     minimum, maximum);
        std::exit(2);
      }
      return v;
    };
    if (arg == "--help" || arg == "-h") {
      Usage(stdout);
      return 0;
    } else if (arg == "--items") {
      options.items = static_cast<int>(integer("--items", 1));
    } else if (arg == "--quotas-per-item") {
      options.quotas_per_item = real("--quotas-per-item", 1, 1000);
    } else if (arg == "--lines-per-quota") {
      options.lines_per_quota = real("--lines-per-quota", 1, 1000);
    } else if (arg == "--headings") {
      options.headings = static_cast<int>(integer("--headings", 1));
    } else if (arg == "--heading-levels") {
      options.heading_levels = static_cast<int>(integer("--heading-levels", 1));
      if (options.heading_levels > 4) {
        std::fprintf(stderr, "ftcalc-projectgen: --heading-levels takes 1 to 4\n");
        return 2;
      }
    } else if (arg == "--descriptions") {
      options.descriptions = static_cast<int>(integer("--descriptions", 0));
    } else if (arg == "--seed") {
      options.seed = static_cast<uint64_t>(integer("--seed", 0));
    } else if (arg == "--own-sheet-share") {
      options.own_sheet_share = real("--own-sheet-share", 0, 1);
    } else if (arg == "--repeat-share") {
      options.repeat_share = real("--repeat-share", 0, 1);
    } else if (arg == "--keyed") {
      options.layout.keys = ftcalc::projectgen::KeyLayout::kKeyed;
    } else if (arg == "--standard-materials") {
      const std::string where = value("--standard-materials");
      if (where != "project" && where != "library") {
        std::fprintf(stderr, "ftcalc-projectgen: --standard-materials takes project or library\n");
        return 2;
      }
      options.layout.materials = where == "project" ? ftcalc::projectgen::MaterialsHome::kProject
                                                    : ftcalc::projectgen::MaterialsHome::kLibrary;
    } else if (arg == "--integer-type") {
      if (!ftcalc::projectgen::ParseIntegerDeclaration(value("--integer-type"),
                                                       &options.layout.integers)) {
        std::fprintf(stderr,
                     "ftcalc-projectgen: --integer-type takes INTEGER, INT, NUMERIC or none\n");
        return 2;
      }
    } else if (arg == "--indexes") {
      options.indexes = true;
    } else if (arg == "--schema-dir") {
      schema_dir = value("--schema-dir");
    } else if (!arg.empty() && arg[0] == '-') {
      std::fprintf(stderr, "ftcalc-projectgen: unknown option %s\n", arg.c_str());
      Usage(stderr);
      return 2;
    } else if (out_dir.empty()) {
      out_dir = arg;
    } else {
      std::fprintf(stderr, "ftcalc-projectgen: more than one output folder given\n");
      return 2;
    }
  }
  if (out_dir.empty()) {
    Usage(stderr);
    return 2;
  }

  const auto start = std::chrono::steady_clock::now();
  ftcalc::projectgen::GeneratedCounts counts;
  std::string error;
  if (!ftcalc::projectgen::WriteProjectFolder(out_dir, schema_dir, options, &counts, &error)) {
    std::fprintf(stderr, "ftcalc-projectgen: %s\n", error.c_str());
    return 1;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  struct stat info {};
  const std::string project = out_dir + "/project.db";
  stat(project.c_str(), &info);
  const ftcalc::projectgen::SchemaLayout& layout = options.layout;
  std::printf(
      "%s: %lld tree rows (%lld headings, %lld bill items, %lld quotas of which %lld repeated, "
      "%lld descriptions), %lld material lines, %lld own fee sheets (%lld lines); %s layout, "
      "standard materials in the %s, integer columns %s%s; %.1f MB in %.2f s\n",
      project.c_str(), static_cast<long long>(counts.tree_rows),
      static_cast<long long>(counts.headings), static_cast<long long>(counts.items),
      static_cast<long long>(counts.quotas), static_cast<long long>(counts.repeated_quotas),
      static_cast<long long>(counts.descriptions), static_cast<long long>(counts.material_lines),
      static_cast<long long>(counts.own_sheets), static_cast<long long>(counts.own_sheet_lines),
      layout.table_wide_line_keys() ? "keyed" : "data-model",
      layout.materials_in_library() ? "library" : "project",
      ftcalc::projectgen::IntegerDeclarationName(layout.integers),
      options.indexes ? ", with indexes" : "", static_cast<double>(info.st_size) / 1e6, seconds);
  return 0;
}
