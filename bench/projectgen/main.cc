// ftcalc-projectgen: writes a synthetic highway project into a folder.
//
//   ftcalc-projectgen OUTDIR [--items N] [--quotas-per-item N]
//       [--lines-per-quota N] [--headings N] [--own-sheet-share F]
//       [--indexes] [--seed N] [--schema-dir DIR]
//
// Size L is the default (2,000 bill items, 20,000 quotas, 300,000 material
// lines, 500 headings); XL is --items 10000.
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
               "  --items N             bill items (default 2000)\n"
               "  --quotas-per-item N   mean quota rows per bill item (default 10)\n"
               "  --lines-per-quota N   mean material lines per quota (default 15)\n"
               "  --headings N          heading rows, chapters included (default 500)\n"
               "  --own-sheet-share F   share of quotas with their own fee sheet (default 0.1)\n"
               "  --indexes             also create secondary indexes on 上级编号, 主表, 标志, 排序\n"
               "  --seed N              random seed (default 1)\n"
               "  --schema-dir DIR      folder of project.sql, library.sql, other.sql\n"
               "                        (default %s)\n",
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
    if (arg == "--help" || arg == "-h") {
      Usage(stdout);
      return 0;
    } else if (arg == "--items") {
      options.items = static_cast<int>(integer("--items", 1));
    } else if (arg == "--quotas-per-item") {
      options.quotas_per_item = static_cast<int>(integer("--quotas-per-item", 1));
    } else if (arg == "--lines-per-quota") {
      options.lines_per_quota = static_cast<int>(integer("--lines-per-quota", 1));
    } else if (arg == "--headings") {
      options.headings = static_cast<int>(integer("--headings", 1));
    } else if (arg == "--seed") {
      options.seed = static_cast<uint64_t>(integer("--seed", 0));
    } else if (arg == "--own-sheet-share") {
      const char* text = value("--own-sheet-share");
      char* end = nullptr;
      const double share = std::strtod(text, &end);
      if (end == text || *end != '\0' || !(share >= 0 && share <= 1)) {
        std::fprintf(stderr, "ftcalc-projectgen: --own-sheet-share takes a number from 0 to 1\n");
        return 2;
      }
      options.own_sheet_share = share;
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
  std::printf(
      "%s: %lld tree rows (%lld headings, %lld bill items, %lld quotas), %lld material lines, "
      "%lld own fee sheets (%lld lines)%s; %.1f MB in %.2f s\n",
      project.c_str(), static_cast<long long>(counts.tree_rows),
      static_cast<long long>(counts.headings), static_cast<long long>(counts.items),
      static_cast<long long>(counts.quotas), static_cast<long long>(counts.material_lines),
      static_cast<long long>(counts.own_sheets), static_cast<long long>(counts.own_sheet_lines),
      options.indexes ? ", with indexes" : "", static_cast<double>(info.st_size) / 1e6, seconds);
  return 0;
}
