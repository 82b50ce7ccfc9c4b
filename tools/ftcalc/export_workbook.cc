#include "export_workbook.h"

#include <utility>
#include <vector>

#include "xlsx_book.h"

namespace ftcalc::cli {
namespace {

constexpr double kNameWidth = 50;     // longer names run under the next column
constexpr double kFormulaWidth = 40;  // 计算式 texts can be long

class WorkbookWriter {
 public:
  WorkbookWriter(const ReportData& data, XlsxBook& book) : data_(data), book_(book) {}

  void Cover();
  void BillOfQuantities();
  void FeeTables();
  // 材料价格 and 设备汇总: category rows as headings with their lines one
  // outline level below, total rows in bold.
  void Summary(const ReportTable& table);

 private:
  CellStyle Price(bool bold = false) const { return CellStyle::Number(data_.price_decimals, bold); }
  CellStyle Quantity(bool bold = false) const {
    return CellStyle::Number(data_.quantity_decimals, bold);
  }
  // A note row in place of the rows of a table that could not be read.
  static void Note(XlsxSheet& sheet, int row, const std::string& note) {
    if (!note.empty()) sheet.Text(row, 1, note);
  }
  // Writes item `index` and its rows below it from sheet row `row` on;
  // returns the next free row.
  int ItemRows(XlsxSheet& sheet, size_t index, int depth, int row) const;

  const ReportData& data_;
  XlsxBook& book_;
};

void WorkbookWriter::Cover() {
  XlsxSheet* sheet = book_.AddSheet("封面");
  if (sheet == nullptr) return;
  sheet->Headers({"项目", "内容"});
  CellStyle bold;
  bold.bold = true;
  int row = 1;
  sheet->Text(row, 0, "工程名称", bold);
  sheet->Text(row++, 1, data_.name, bold);
  sheet->Text(row, 0, "工程造价（元）", bold);
  sheet->Number(row++, 1, data_.cost_value, Price(true));
  sheet->Text(row, 0, "单方造价（元）", bold);
  sheet->Number(row++, 1, data_.unit_cost_value, Price(true));
  for (const auto& [name, value] : data_.facts) {
    sheet->Text(row, 0, name);
    sheet->Text(row++, 1, value);
  }
  if (data_.chapters.empty()) return;
  ++row;
  CellStyle shaded = bold;
  shaded.shaded = true;
  sheet->Text(row, 0, "各章合计", shaded);
  sheet->Text(row++, 1, "综合合价", shaded);
  for (size_t root : data_.roots) {
    const ReportItem& item = data_.items[root];
    if (!IsHeadingKind(item.kind)) continue;
    sheet->Text(row, 0, item.name);
    sheet->Number(row++, 1, item.total_value, Price());
  }
}

int WorkbookWriter::ItemRows(XlsxSheet& sheet, size_t index, int depth, int row) const {
  // Explicit stack: a project's tree may be deep, and the reader has already
  // cut every loop, so each row is visited once.
  std::vector<std::pair<size_t, int>> pending{{index, depth}};
  while (!pending.empty()) {
    const auto [at, level] = pending.back();
    pending.pop_back();
    const ReportItem& item = data_.items[at];
    const bool heading = IsHeadingKind(item.kind);
    CellStyle name;
    name.bold = heading;
    name.indent = level;
    CellStyle quantity = Quantity(heading);
    quantity.hide_zero = heading;  // a heading has no quantity of its own,
    CellStyle code;
    code.bold = heading;
    sheet.Text(row, 0, item.code, code);
    sheet.Text(row, 1, item.name, name);
    sheet.Text(row, 2, item.unit);
    sheet.Number(row, 3, item.quantity_value, quantity);
    CellStyle unit_price = Price(heading);
    unit_price.hide_zero = heading;  // nor a unit price
    sheet.Number(row, 4, item.unit_price_value, unit_price);
    sheet.Number(row, 5, item.total_value, Price(heading));
    sheet.OutlineLevel(row, level);
    ++row;
    for (auto child = item.children.rbegin(); child != item.children.rend(); ++child) {
      pending.push_back({*child, level + 1});
    }
  }
  return row;
}

void WorkbookWriter::BillOfQuantities() {
  XlsxSheet* sheet = book_.AddSheet("清单");
  if (sheet == nullptr) return;
  sheet->Headers({"编码", "名称", "单位", "工程量", "综合单价", "综合合价"});
  sheet->MaxWidth(1, kNameWidth);
  int row = 1;
  for (size_t root : data_.roots) {
    row = ItemRows(*sheet, root, 0, row);
    const ReportItem& chapter = data_.items[root];
    if (!IsHeadingKind(chapter.kind) || chapter.children.empty()) continue;
    // The chapter's subtotal: its own stored 综合合价, closing its rows.
    CellStyle total;
    total.bold = true;
    total.shaded = true;
    sheet->Text(row, 0, "", total);
    sheet->Text(row, 1, chapter.name + " 小计", total);
    sheet->Text(row, 2, "", total);
    sheet->Text(row, 3, "", total);
    sheet->Text(row, 4, "", total);
    CellStyle money = Price(true);
    money.shaded = true;
    sheet->Number(row++, 5, chapter.total_value, money);
  }
  if (data_.items.empty()) Note(*sheet, row, "没有清单项目");
}

void WorkbookWriter::FeeTables() {
  XlsxSheet* sheet = book_.AddSheet("工程取费");
  if (sheet == nullptr) return;
  sheet->Headers({"顺号", "项目", "计算式", "费用"});
  sheet->MaxWidth(2, kFormulaWidth);
  CellStyle title;
  title.bold = true;
  title.shaded = true;
  int row = 1;
  for (const ReportTable& table : data_.fee_tables) {
    sheet->Merge(row, 0, 3, table.title, title);
    ++row;
    for (size_t r = 0; r < table.rows.size(); ++r) {
      const bool total = table.styles[r] == "total";
      CellStyle text;
      text.bold = total;
      sheet->Text(row, 0, table.rows[r][0], text);
      sheet->Text(row, 1, table.rows[r][1], text);
      sheet->Text(row, 2, table.rows[r][2], text);
      sheet->Number(row, 3, table.values[r][3], Price(total));
      sheet->OutlineLevel(row++, 1);
    }
    if (table.rows.empty()) Note(*sheet, row++, table.note);
  }
  if (data_.fee_tables.empty()) Note(*sheet, row, "没有取费表");
}

void WorkbookWriter::Summary(const ReportTable& table) {
  XlsxSheet* sheet = book_.AddSheet(table.title);
  if (sheet == nullptr) return;
  sheet->Headers(table.headers);
  sheet->MaxWidth(1, kNameWidth);
  const int columns = static_cast<int>(table.headers.size());
  int row = 1;
  bool in_group = false;
  for (size_t r = 0; r < table.rows.size(); ++r, ++row) {
    const std::vector<std::string>& cells = table.rows[r];
    const std::string& style = table.styles[r];
    if (style == "group") {
      CellStyle group;
      group.bold = true;
      group.shaded = true;
      sheet->Merge(row, 0, columns - 1, cells[1], group);
      in_group = true;
      continue;
    }
    const bool total = style == "total";
    if (total) in_group = false;
    CellStyle text;
    text.bold = total;
    for (int c = 0; c < columns; ++c) {
      if (!table.numeric[c]) {
        sheet->Text(row, c, cells[c], text);
      } else {
        // 数量 is a quantity; every other number of these tables is money.
        sheet->Number(row, c, table.values[r][c],
                      table.headers[c] == "数量" ? Quantity(total) : Price(total));
      }
    }
    if (in_group) sheet->OutlineLevel(row, 1);
  }
  if (table.rows.empty()) Note(*sheet, row, table.note);
}

}  // namespace

bool WriteProjectWorkbook(const ReportData& data, const std::string& path, std::string* error) {
  XlsxBook book(path, data.name);
  WorkbookWriter writer(data, book);
  writer.Cover();
  writer.BillOfQuantities();
  writer.FeeTables();
  writer.Summary(data.materials);
  writer.Summary(data.equipment);
  return book.Close(error);
}

}  // namespace ftcalc::cli
