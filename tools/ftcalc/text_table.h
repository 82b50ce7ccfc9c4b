// Aligned plain-text tables for the terminal. Widths count display
// columns: a CJK character takes two, so Chinese names line up.
#ifndef FTCALC_TOOLS_TEXT_TABLE_H_
#define FTCALC_TOOLS_TEXT_TABLE_H_

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ftcalc::cli {

// Terminal columns that the UTF-8 `text` takes (wide characters count 2).
size_t DisplayWidth(std::string_view text);

class TextTable {
 public:
  enum class Align { kLeft, kRight };

  // One column per header; `align` gives each column's alignment (left
  // when shorter than the headers).
  explicit TextTable(std::vector<std::string> headers, std::vector<Align> align = {});

  void AddRow(std::vector<std::string> cells);

  // Writes the header, a rule and the rows, each line starting with
  // `indent`. The last column is not padded.
  void Print(std::ostream& out, std::string_view indent = "") const;

 private:
  std::vector<std::string> headers_;
  std::vector<Align> align_;
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_TEXT_TABLE_H_
