// What `ftcalc report` shows, read once from a calculated project: every
// number already in the text it is shown in (as stored, with the project's
// price decimals), so that the HTML page and the JSON file say the same.
// The stored values themselves are kept beside the texts for the readers
// that need numbers (the workbook, the comparison of two versions).
#ifndef FTCALC_TOOLS_REPORT_DATA_H_
#define FTCALC_TOOLS_REPORT_DATA_H_

#include <optional>
#include <string>
#include <vector>

#include "data/sqlite_api.h"

namespace ftcalc::cli {

// One row of 分部分项. Money texts are empty for NULL.
struct ReportItem {
  std::string number;  // 编号
  std::string kind;    // 标志: 级1 …, 项, 定额, 描述
  std::string code;    // 编码
  std::string name;    // 名称
  std::string unit;  // 单位; empty when the table has no such column
  std::string quantity;
  std::string unit_price;        // 综合单价
  std::string total;             // 综合合价
  std::vector<size_t> children;  // indexes into ReportData::items, display order
  // The stored numbers behind quantity, unit_price and total (nullopt for
  // NULL; a text is read as the engine reads it).
  std::optional<double> quantity_value, unit_price_value, total_value;
};

// Whether a row kind (标志) is a heading: every kind but bill items (项),
// quotas (定额), descriptions (描述) and 式 rows.
inline bool IsHeadingKind(const std::string& kind) {
  return kind != "项" && kind != "定额" && kind != "描述" && kind != "式";
}

struct ReportChapter {
  std::string name;
  std::string total;  // as shown
  double value = 0;   // for the chart
};

// A table of texts; `style` per row: "" plain, "group" (a category heading
// spanning the row), "total" (a total row).
struct ReportTable {
  std::string title;
  std::vector<std::string> headers;
  std::vector<bool> numeric;  // per column: right-aligned numbers
  std::vector<std::vector<std::string>> rows;
  // Per row and column, the stored number behind a numeric cell (nullopt
  // for NULL and for text columns); as many as `rows`.
  std::vector<std::vector<std::optional<double>>> values;
  std::vector<std::string> styles;
  std::string note;  // why the table is empty or incomplete
};

struct ReportData {
  std::string project_file;
  std::string name;
  int price_decimals = 2;
  int quantity_decimals = 3;
  std::string cost;       // 工程造价, number part as shown ("" when none)
  std::string unit_cost;  // 单方造价
  std::optional<double> cost_value, unit_cost_value;
  std::vector<std::pair<std::string, std::string>> facts;  // 建设单位, 编制日期 …

  std::vector<ReportChapter> chapters;
  std::string chapters_total;
  std::vector<ReportItem> items;
  std::vector<size_t> roots;

  std::vector<ReportTable> fee_tables;  // project total first, then specialties
  ReportTable materials;
  ReportTable equipment;

  std::vector<std::string> warnings;  // what could not be read
};

// Reads everything the report shows; never fails: what cannot be read is
// left empty and explained in `warnings` and the tables' notes.
ReportData ReadReportData(sqlite3* db, const std::string& project_file,
                          const std::string& library_alias);

// The page: one self-contained HTML document (styles, chart and script
// inline, no external reference of any kind).
std::string RenderReportHtml(const ReportData& data);
// The same data as JSON.
std::string RenderReportJson(const ReportData& data);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_REPORT_DATA_H_
