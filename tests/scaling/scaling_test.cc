// No calculation step may do work that grows faster than the project.
//
// The full calculation runs on two generated projects, one four times the
// other, and the work SQLite does is counted: the virtual-machine steps of
// every statement the engine runs (a step per row visited, plus a few per
// statement). Linear work grows about 4 times; a step that scans a table
// once per row of another grows about 16 times. The count does not depend
// on the machine or its load, so the test is exact where a timing is not.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "project_generator.h"
#include "support/test_project.h"

namespace ftcalc::testing {
namespace {

// The smaller project has the shape of a real bill, a few quotas per bill
// item under headings up to four levels deep: bill items outside the
// general chapter, headings below the chapter headings and description rows
// as below; the larger has four times as many. The general chapter (10
// items, 6 headings) and the 6 other chapter headings are the same in both.
constexpr int kChapterItems = 150;
constexpr int kSubheadings = 88;
constexpr int kDescriptions = 23;
constexpr int kFixedItems = 10;
constexpr int kFixedHeadings = 12;

struct StatementWork {
  int64_t runs = 0;
  int64_t steps = 0;
};

struct Work {
  int64_t steps = 0;
  int64_t runs = 0;
  // By statement shape: the text's first 60 characters, numbers and number
  // lists as "#" and long text literals as '?', so that the per-row
  // statements of one step fall into one group.
  std::map<std::string, StatementWork> by_statement;
};

std::string StatementShape(const char* sql) {
  std::string shape;
  int characters = 0;
  for (const char* p = sql ? sql : ""; *p != '\0' && characters < 60;) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c >= '0' && c <= '9') {
      // A number, or a list of them ("not in(1,2,3)" grows with the project).
      do {
        if (*p == ',') ++p;
        while ((*p >= '0' && *p <= '9') || *p == '.') ++p;
      } while (*p == ',' && p[1] >= '0' && p[1] <= '9');
      shape += '#';
    } else if (c == '\'') {
      // A text literal ('' inside it is a quote). Long ones (names, codes,
      // formulas) vary from row to row just like numbers; short ones are
      // kinds and flags ('定额', '项') and stay.
      const char* end = p + 1;
      int length = 0;
      for (; *end != '\0'; ++end) {
        if (*end == '\'' && end[1] == '\'') {
          ++end;
        } else if (*end == '\'') {
          ++end;
          break;
        }
        if ((static_cast<unsigned char>(*end) & 0xC0) != 0x80) ++length;
      }
      shape += length <= 4 ? std::string(p, end) : std::string("'?'");
      p = end;
    } else if (c == '\n' || c == '\r' || c == '\t') {
      shape += ' ';
      ++p;
    } else {
      // One UTF-8 character.
      const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
      for (int i = 0; i < length && *p != '\0'; ++i) shape += *p++;
    }
    ++characters;
  }
  return shape;
}

// Called by SQLite when a statement run ends (done, reset or finalized).
int CountStatement(unsigned type, void* context, void* statement, void*) {
  if (type != SQLITE_TRACE_PROFILE) return 0;
  auto* work = static_cast<Work*>(context);
  auto* stmt = static_cast<sqlite3_stmt*>(statement);
  const int steps = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_VM_STEP, 1);
  StatementWork& group = work->by_statement[StatementShape(sqlite3_sql(stmt))];
  ++group.runs;
  group.steps += steps;
  ++work->runs;
  work->steps += steps;
  return 0;
}

// Generates a project with `scale` times the base counts, its tables laid
// out as `keys` says, runs the full calculation and counts its work.
void CalculateProject(int scale, projectgen::KeyLayout keys, Work* work) {
  TestProject project;
  projectgen::GeneratorOptions options;
  options.items = kFixedItems + scale * kChapterItems;
  options.quotas_per_item = 2.65;
  options.headings = kFixedHeadings + scale * kSubheadings;
  options.heading_levels = 4;
  options.descriptions = scale * kDescriptions;
  options.layout.keys = keys;
  options.seed = 7;
  projectgen::GeneratedCounts counts;
  std::string error;
  ASSERT_TRUE(projectgen::FillProject(project.db(), options, &counts, &error)) << error;

  sqlite3_trace_v2(project.db(), SQLITE_TRACE_PROFILE, CountStatement, work);
  project.RunFull();
  sqlite3_trace_v2(project.db(), 0, nullptr, nullptr);

  // A generated project must calculate cleanly; an error would also leave
  // work undone and the counts meaningless.
  EXPECT_TRUE(project.errors().empty())
      << project.errors().size() << " database errors on the project with " << counts.quotas
      << " quotas; the first: " << project.errors()[0].message << "\n  "
      << project.errors()[0].detail;
  std::printf("project x%d: %lld quotas, %lld material lines: %lld statements, %lld VM steps\n",
              scale, static_cast<long long>(counts.quotas),
              static_cast<long long>(counts.material_lines), static_cast<long long>(work->runs),
              static_cast<long long>(work->steps));
}

double Ratio(int64_t large, int64_t small) {
  return small > 0 ? static_cast<double>(large) / static_cast<double>(small) : 1e9;
}

// The statement groups that do the most work on the larger project, with
// their counts on both.
std::string TopStatements(const Work& small, const Work& large, size_t count) {
  std::vector<std::pair<std::string, StatementWork>> groups(large.by_statement.begin(),
                                                            large.by_statement.end());
  std::sort(groups.begin(), groups.end(),
            [](const auto& a, const auto& b) { return a.second.steps > b.second.steps; });
  std::ostringstream out;
  out << "   steps x1    steps x4  ratio   runs x1  runs x4  statement\n";
  for (size_t i = 0; i < groups.size() && i < count; ++i) {
    const auto found = small.by_statement.find(groups[i].first);
    const StatementWork before = found == small.by_statement.end() ? StatementWork{} : found->second;
    char line[96];
    std::snprintf(line, sizeof line, "%11lld %11lld %6.1f %9lld %8lld  ",
                  static_cast<long long>(before.steps), static_cast<long long>(groups[i].second.steps),
                  Ratio(groups[i].second.steps, before.steps), static_cast<long long>(before.runs),
                  static_cast<long long>(groups[i].second.runs));
    out << line << groups[i].first << "\n";
  }
  return out.str();
}

void ExpectLinearWork(projectgen::KeyLayout keys) {
  Work small;
  Work large;
  CalculateProject(1, keys, &small);
  if (::testing::Test::HasFatalFailure()) return;
  CalculateProject(4, keys, &large);
  if (::testing::Test::HasFatalFailure()) return;

  // FTCALC_SCALING_REPORT_ROWS sets how many statement groups are listed.
  const char* rows = std::getenv("FTCALC_SCALING_REPORT_ROWS");
  const std::string report = TopStatements(small, large, rows ? std::strtoul(rows, nullptr, 10) : 20);
  std::printf("%s", report.c_str());

  const double ratio = Ratio(large.steps, small.steps);
  EXPECT_LT(ratio, 5.0) << "four times the project took " << ratio
                        << " times the VM steps (linear: about 4, quadratic: about 16)\n"
                        << report;

  // A quadratic step can hide in a large linear total at these sizes: every
  // statement group that does a noticeable share of the work must grow
  // clearly less than quadratically on its own.
  for (const auto& [shape, work] : large.by_statement) {
    if (work.steps * 100 < large.steps) continue;
    const auto found = small.by_statement.find(shape);
    const int64_t before = found == small.by_statement.end() ? 0 : found->second.steps;
    EXPECT_LT(Ratio(work.steps, before), 8.0)
        << "statements \"" << shape << "\" did " << before << " VM steps on the project and "
        << work.steps << " on the one four times its size\n"
        << report;
  }
}

// Material lines numbered within their quota, fee lines within their item,
// no declared key on either, the standard materials in the library.
TEST(ScalingTest, FullCalculationWorkGrowsLinearlyOnTheDataModelLayout) {
  ExpectLinearWork(projectgen::KeyLayout::kDataModel);
}

// Every 编号 a declared INTEGER PRIMARY KEY, lines numbered across the table.
TEST(ScalingTest, FullCalculationWorkGrowsLinearlyOnTableWideKeys) {
  ExpectLinearWork(projectgen::KeyLayout::kKeyed);
}

}  // namespace
}  // namespace ftcalc::testing
