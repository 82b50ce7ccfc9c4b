#include "xlsx_book.h"

#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "data/number_text.h"
#include "json_writer.h"
#include "text_table.h"

namespace ftcalc::cli {
namespace {

constexpr int kMaxOutlineLevel = 7;  // Excel's deepest row group
constexpr int kMaxDecimals = 15;     // a double holds no more
// Excel refuses longer texts in a cell, and in a page header.
constexpr size_t kMaxCellBytes = 32767;
constexpr size_t kMaxHeaderBytes = 120;
constexpr uint8_t kPaperA4 = 9;
constexpr double kMinWidth = 6;
constexpr double kDefaultMaxWidth = 60;

// `text` cut to at most `bytes` bytes at a character boundary.
std::string Cut(std::string text, size_t bytes) {
  if (text.size() <= bytes) return text;
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

// "#,##0.00" for 2 decimals, "#,##0" for none; with `hide_zero` the
// section for 0 is empty.
std::string NumberFormat(int decimals, bool hide_zero) {
  std::string format = "#,##0";
  if (decimals > 0) format += "." + std::string(std::min(decimals, kMaxDecimals), '0');
  return hide_zero ? format + ";-" + format + ";" : format;
}

// Columns a number takes under NumberFormat(decimals).
double NumberWidth(double value, int decimals) {
  const std::string digits = FixedText(std::clamp(decimals, 0, kMaxDecimals), std::fabs(value));
  const size_t point = digits.find('.');
  const size_t whole = point == std::string::npos ? digits.size() : point;
  return static_cast<double>(digits.size() + (whole - 1) / 3 + (value < 0 ? 1 : 0));
}

// A page header text: "&" is Excel's code character.
std::string HeaderText(const std::string& text) {
  std::string escaped;
  for (char c : Cut(text, kMaxHeaderBytes)) {
    escaped += c;
    if (c == '&') escaped += '&';
  }
  return escaped;
}

}  // namespace

void XlsxSheet::Measure(int column, double width) {
  if (column < 0) return;
  if (static_cast<size_t>(column) >= widths_.size()) widths_.resize(column + 1, kMinWidth);
  widths_[column] = std::max(widths_[column], width + 2);
}

void XlsxSheet::Headers(const std::vector<std::string>& headers) {
  CellStyle style;
  style.header = true;
  for (size_t c = 0; c < headers.size(); ++c) Text(0, static_cast<int>(c), headers[c], style);
}

void XlsxSheet::Text(int row, int column, const std::string& text, const CellStyle& style) {
  const std::string cell = Cut(ValidUtf8(text), kMaxCellBytes);
  if (worksheet_write_string(sheet_, row, column, cell.c_str(), book_.Format(style)) !=
      LXW_NO_ERROR) {
    book_.Fail("cannot write a text at row " + std::to_string(row + 1));
  }
  Measure(column, static_cast<double>(DisplayWidth(cell)) * (style.bold || style.header ? 1.1 : 1) +
                      2.0 * style.indent);
}

void XlsxSheet::Number(int row, int column, std::optional<double> value, const CellStyle& style) {
  lxw_error rc = LXW_NO_ERROR;
  if (!value) {
    rc = worksheet_write_blank(sheet_, row, column, book_.Format(style));
  } else if (!std::isfinite(*value)) {
    CellStyle text = style;
    text.decimals = -1;
    Text(row, column, NumberText(*value), text);
  } else {
    rc = worksheet_write_number(sheet_, row, column, *value, book_.Format(style));
    Measure(column, NumberWidth(*value, style.decimals));
  }
  if (rc != LXW_NO_ERROR) book_.Fail("cannot write a number at row " + std::to_string(row + 1));
}

void XlsxSheet::OutlineLevel(int row, int level) {
  lxw_row_col_options options = {};
  options.level = static_cast<uint8_t>(std::clamp(level, 0, kMaxOutlineLevel));
  worksheet_set_row_opt(sheet_, row, LXW_DEF_ROW_HEIGHT, nullptr, &options);
}

void XlsxSheet::Merge(int row, int first, int last, const std::string& text,
                      const CellStyle& style) {
  const std::string cell = Cut(ValidUtf8(text), kMaxCellBytes);
  if (worksheet_merge_range(sheet_, row, first, row, last, cell.c_str(), book_.Format(style)) !=
      LXW_NO_ERROR) {
    book_.Fail("cannot write a title at row " + std::to_string(row + 1));
  }
}

void XlsxSheet::MaxWidth(int column, double width) { max_widths_[column] = width; }

void XlsxSheet::Finish() {
  for (size_t c = 0; c < widths_.size(); ++c) {
    auto cap = max_widths_.find(static_cast<int>(c));
    const double width =
        std::min(widths_[c], cap == max_widths_.end() ? kDefaultMaxWidth : cap->second);
    worksheet_set_column(sheet_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                         nullptr);
  }
}

XlsxBook::XlsxBook(const std::string& path, const std::string& title)
    : path_(path),
      temp_path_(path + ".part-" + std::to_string(getpid())),
      title_(ValidUtf8(title)) {
  book_ = workbook_new(temp_path_.c_str());
  if (book_ == nullptr) {
    Fail("cannot start the workbook (out of memory)");
    return;
  }
  lxw_doc_properties properties = {};
  properties.title = const_cast<char*>(title_.c_str());
  workbook_set_properties(book_, &properties);
}

XlsxBook::~XlsxBook() {
  if (book_ != nullptr) lxw_workbook_free(book_);
  std::remove(temp_path_.c_str());
}

XlsxSheet* XlsxBook::AddSheet(const std::string& name) {
  if (book_ == nullptr) return nullptr;
  lxw_worksheet* sheet = workbook_add_worksheet(book_, name.c_str());
  if (sheet == nullptr) {
    Fail("cannot add the sheet " + name);
    return nullptr;
  }
  worksheet_set_landscape(sheet);
  worksheet_set_paper(sheet, kPaperA4);
  worksheet_fit_to_pages(sheet, 1, 0);  // as wide as one page, as long as it takes
  worksheet_repeat_rows(sheet, 0, 0);
  worksheet_freeze_panes(sheet, 1, 0);
  worksheet_outline_settings(sheet, LXW_TRUE, LXW_FALSE, LXW_TRUE, LXW_FALSE);
  worksheet_set_header(sheet, ("&C" + HeaderText(title_) + " " + HeaderText(name)).c_str());
  worksheet_set_footer(sheet, "&C第 &P 页，共 &N 页");
  sheets_.push_back(std::unique_ptr<XlsxSheet>(new XlsxSheet(*this, sheet)));
  return sheets_.back().get();
}

lxw_format* XlsxBook::Format(const CellStyle& style) {
  const auto key = std::make_tuple(style.decimals, style.bold, style.indent, style.header,
                                   style.shaded, style.hide_zero);
  auto found = formats_.find(key);
  if (found != formats_.end()) return found->second;
  lxw_format* format = workbook_add_format(book_);
  if (style.decimals >= 0) {
    format_set_num_format(format, NumberFormat(style.decimals, style.hide_zero).c_str());
  }
  if (style.bold || style.header) format_set_bold(format);
  if (style.indent > 0) format_set_indent(format, static_cast<uint8_t>(std::min(style.indent, 15)));
  if (style.header) {
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    format_set_bottom(format, LXW_BORDER_THIN);
  }
  if (style.header || style.shaded) {
    format_set_pattern(format, LXW_PATTERN_SOLID);
    format_set_bg_color(format, style.header ? 0xD9E1F2 : 0xF2F2F2);
  }
  formats_.emplace(key, format);
  return format;
}

void XlsxBook::Fail(const std::string& what) {
  if (failure_.empty()) failure_ = what;
}

bool XlsxBook::Close(std::string* error) {
  if (book_ == nullptr && failure_.empty()) failure_ = "the workbook was already written";
  if (!failure_.empty()) {
    *error = "cannot write '" + path_ + "': " + failure_;
    return false;
  }
  for (const auto& sheet : sheets_) sheet->Finish();
  const lxw_error rc = workbook_close(book_);  // frees the workbook whatever happens
  book_ = nullptr;
  if (rc != LXW_NO_ERROR) {
    *error = "cannot write '" + path_ + "': " + lxw_strerror(rc);
    std::remove(temp_path_.c_str());
    return false;
  }
  if (std::rename(temp_path_.c_str(), path_.c_str()) != 0) {
    *error = "cannot write '" + path_ + "': " + std::strerror(errno);
    std::remove(temp_path_.c_str());
    return false;
  }
  return true;
}

bool SameFileAsAny(const std::string& output, const std::vector<std::string>& inputs) {
  struct stat out;
  if (stat(output.c_str(), &out) != 0) return false;
  for (const std::string& input : inputs) {
    struct stat in;
    if (stat(input.c_str(), &in) == 0 && in.st_dev == out.st_dev && in.st_ino == out.st_ino) {
      return true;
    }
  }
  return false;
}

}  // namespace ftcalc::cli
