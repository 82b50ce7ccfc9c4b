#include "run_summary.h"

#include <string>
#include <vector>

#include "calc/project_fees.h"
#include "data/sqlite_handle.h"

namespace ftcalc::cli {
namespace {

// Rows of a read-only query, columns as SQLite's text; empty on any error
// (a project may lack a table the summary looks at).
std::vector<std::vector<std::string>> Rows(sqlite3* db, const std::string& sql) {
  std::vector<std::vector<std::string>> rows;
  Statement stmt;
  if (stmt.Prepare(db, sql) != SQLITE_OK) return rows;
  while (stmt.Step() == SQLITE_ROW) {
    std::vector<std::string> row;
    for (int i = 0; i < stmt.ColumnCount(); ++i) row.push_back(stmt.ColumnText(i));
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string First(sqlite3* db, const char* sql) {
  auto rows = Rows(db, sql);
  return rows.empty() || rows[0].empty() ? std::string() : rows[0][0];
}

}  // namespace

void PrintRunSummary(sqlite3* db, int errors, bool saved, std::ostream& out) {
  out << "工程名称: " << First(db, "select 内容 from 工程档案 where 名称='工程名称'") << "\n";
  out << "定额行数: " << First(db, "select count(*) from 分部分项 where 标志='定额'") << "\n";
  out << "数据库错误: " << errors << "\n";
  if (!saved) {
    out << "计算结果: 未保存\n";
    return;
  }
  const std::string cost = First(db, "select 内容 from 工程档案 where 名称='工程造价'");
  if (!cost.empty()) {
    out << "工程造价: " << cost << "\n";
    out << "单方造价: " << First(db, "select 内容 from 工程档案 where 名称='单方造价'") << "\n";
    // The first lines of the project-total table, found as the project-fee
    // step finds it.
    const std::string fee_sql = "select 顺号,项目,费用 from 工程取费 where 主表=(" +
                                std::string(kProjectTotalTableSql) + ") order by 排序 limit 8";
    auto fees = Rows(db, fee_sql);
    for (const auto& row : fees) out << "  " << row[0] << "\t" << row[1] << "\t" << row[2] << "\n";
  }
}

}  // namespace ftcalc::cli
