// The comparison as a workbook: 汇总 with the totals and chapters, and one
// sheet per kind of change (变动, 新增, 删除), each row one value of one
// changed row, the numbers as real numbers.
#include "data/number_text.h"
#include "diff_output.h"
#include "xlsx_book.h"

namespace ftcalc::cli {
namespace {

constexpr double kPlaceWidth = 50;

void SummarySheet(const ProjectDiff& diff, XlsxBook& book) {
  XlsxSheet* sheet = book.AddSheet("汇总");
  if (sheet == nullptr) return;
  sheet->Headers({"项目", "A", "B", "差额"});
  int row = 1;
  auto line = [&](const std::string& name, const ValueChange& value, bool bold) {
    CellStyle text;
    text.bold = bold;
    sheet->Text(row, 0, name, text);
    sheet->Number(row, 1, value.a, CellStyle::Number(value.decimals, bold));
    sheet->Number(row, 2, value.b, CellStyle::Number(value.decimals, bold));
    sheet->Number(row, 3, value.difference, CellStyle::Number(value.decimals, bold));
    ++row;
  };
  for (const ValueChange& total : diff.totals) line(total.field, total, true);
  for (const ChapterChange& chapter : diff.chapters) line(chapter.name, chapter.total, false);
}

void ChangeSheet(const ProjectDiff& diff, ChangeKind kind, XlsxBook& book) {
  XlsxSheet* sheet = book.AddSheet(ChangeName(kind));
  if (sheet == nullptr) return;
  sheet->Headers({"表", "编号", "编号B", "标志", "编码", "名称", "单位", "位置", "数值", "A", "B",
                  "差额", "新编码", "新名称"});
  sheet->MaxWidth(5, kPlaceWidth);
  sheet->MaxWidth(7, kPlaceWidth);
  int row = 1;
  for (const DiffEntry& entry : diff.entries) {
    if (entry.kind != kind) continue;
    auto identity = [&] {
      sheet->Text(row, 0, entry.table);
      // 编号 as numbers, so that they sort and filter as numbers.
      for (int c : {1, 2}) {
        const std::string& number = c == 1 ? entry.number_a : entry.number_b;
        if (number.empty()) continue;
        if (CAtofLength(number) == number.size()) {
          sheet->Number(row, c, CAtof(number), CellStyle::Number(0));
        } else {
          sheet->Text(row, c, number);
        }
      }
      sheet->Text(row, 3, entry.row_kind);
      sheet->Text(row, 4, entry.code);
      sheet->Text(row, 5, entry.name);
      sheet->Text(row, 6, entry.unit);
      sheet->Text(row, 7, entry.place);
      if (entry.code_b) sheet->Text(row, 12, *entry.code_b);
      if (entry.name_b) sheet->Text(row, 13, *entry.name_b);
    };
    if (entry.values.empty()) identity(), ++row;
    for (const ValueChange& value : entry.values) {
      identity();
      sheet->Text(row, 8, value.field);
      sheet->Number(row, 9, value.a, CellStyle::Number(value.decimals));
      sheet->Number(row, 10, value.b, CellStyle::Number(value.decimals));
      sheet->Number(row, 11, value.difference, CellStyle::Number(value.decimals));
      ++row;
    }
  }
  if (row == 1) sheet->Text(row, 0, "没有");
}

}  // namespace

bool WriteDiffWorkbook(const ProjectDiff& diff, const DiffSides& sides, const std::string& path,
                       std::string* error) {
  XlsxBook book(path, "比较 " + sides.a + " → " + sides.b);
  SummarySheet(diff, book);
  for (ChangeKind kind : {ChangeKind::kChanged, ChangeKind::kAdded, ChangeKind::kRemoved}) {
    ChangeSheet(diff, kind, book);
  }
  return book.Close(error);
}

}  // namespace ftcalc::cli
