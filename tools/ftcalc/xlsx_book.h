// Writing Excel workbooks for estimators (libxlsxwriter underneath): sheets
// of a header row and data rows, numbers kept as real numbers and shown
// with a given number of decimals, Chinese text measured for the column
// widths, and the print setup every handed-in table needs (A4 landscape,
// header row frozen and repeated on every page, page numbers).
//
// The file appears only when Close succeeds: the workbook is written beside
// it under a temporary name and renamed, so a failed or abandoned write
// never leaves a partial file, nor replaces an existing one.
#ifndef FTCALC_TOOLS_XLSX_BOOK_H_
#define FTCALC_TOOLS_XLSX_BOOK_H_

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace ftcalc::cli {

// How one cell looks. `decimals` < 0 is a text cell; otherwise the cell
// holds a number shown with that many decimals (thousands separated).
struct CellStyle {
  int decimals = -1;
  bool bold = false;
  int indent = 0;       // text indent steps (the tree's depth)
  bool header = false;  // the header row: bold, shaded, centred, bordered
  bool shaded = false;  // a group or subtotal row
  bool hide_zero = false;  // a number that is 0 shows as an empty cell

  static CellStyle Number(int decimals, bool bold = false) {
    CellStyle style;
    style.decimals = decimals;
    style.bold = bold;
    return style;
  }
};

class XlsxBook;

// One sheet: a header row (row 0, frozen and repeated when printed), then
// the rows its writer puts below. Owned by its book.
class XlsxSheet {
 public:
  XlsxSheet(const XlsxSheet&) = delete;
  XlsxSheet& operator=(const XlsxSheet&) = delete;

  // Writes the header row; each column starts as wide as its header.
  void Headers(const std::vector<std::string>& headers);
  void Text(int row, int column, const std::string& text, const CellStyle& style = {});
  // An empty cell (with the style's fill) when the value is absent; a value
  // that is not finite is written as its text (Excel holds no such number).
  void Number(int row, int column, std::optional<double> value, const CellStyle& style);
  // Puts `row` at outline level `level` (0 to 7; deeper levels are kept at
  // 7). A level above 0 makes the row collapsible under the row before the
  // group (summary rows above their details).
  void OutlineLevel(int row, int level);
  // Joins the cells of `row` from `first` to `last` into one cell.
  void Merge(int row, int first, int last, const std::string& text, const CellStyle& style);
  // Caps the width of a column (long names wrap no further than this).
  void MaxWidth(int column, double width);

 private:
  friend class XlsxBook;
  XlsxSheet(XlsxBook& book, lxw_worksheet* sheet) : book_(book), sheet_(sheet) {}
  void Measure(int column, double width);
  // Sets the column widths measured so far.
  void Finish();

  XlsxBook& book_;
  lxw_worksheet* sheet_;
  std::vector<double> widths_;
  std::map<int, double> max_widths_;
};

class XlsxBook {
 public:
  // Starts the workbook that Close will write to `path`. `title` goes into
  // the page header of every sheet and the document properties.
  XlsxBook(const std::string& path, const std::string& title);
  ~XlsxBook();
  XlsxBook(const XlsxBook&) = delete;
  XlsxBook& operator=(const XlsxBook&) = delete;

  // A new sheet with the page setup of a handed-in table; nullptr once the
  // book has failed (the reason comes from Close).
  XlsxSheet* AddSheet(const std::string& name);

  // Writes the file. On failure returns false with the reason, and nothing
  // is left at the path (an existing file there is kept unchanged).
  bool Close(std::string* error);

  lxw_format* Format(const CellStyle& style);
  // Records the first failure of a cell write (checked by Close).
  void Fail(const std::string& what);

 private:
  std::string path_;
  std::string temp_path_;
  std::string title_;
  lxw_workbook* book_ = nullptr;
  std::vector<std::unique_ptr<XlsxSheet>> sheets_;
  std::map<std::tuple<int, bool, int, bool, bool, bool>, lxw_format*> formats_;
  std::string failure_;
};

// Whether `output` names the same existing file as one of `inputs` (so
// writing it would destroy an input).
bool SameFileAsAny(const std::string& output, const std::vector<std::string>& inputs);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_XLSX_BOOK_H_
