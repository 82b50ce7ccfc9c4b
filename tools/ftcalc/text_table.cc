#include "text_table.h"

#include <algorithm>

namespace ftcalc::cli {
namespace {

bool IsWide(unsigned int cp) {
  return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0x303E) ||
         (cp >= 0x3041 && cp <= 0x33FF) || (cp >= 0x3400 && cp <= 0x4DBF) ||
         (cp >= 0x4E00 && cp <= 0x9FFF) || (cp >= 0xA000 && cp <= 0xA4CF) ||
         (cp >= 0xAC00 && cp <= 0xD7A3) || (cp >= 0xF900 && cp <= 0xFAFF) ||
         (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
         (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

std::string Padding(size_t width, size_t target) {
  return width < target ? std::string(target - width, ' ') : std::string();
}

}  // namespace

size_t DisplayWidth(std::string_view text) {
  size_t width = 0;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (i + length > text.size()) length = 1;
    unsigned int cp = lead;
    if (length > 1) {
      cp = lead & (0x3F >> (length - 1));
      for (size_t k = 1; k < length; ++k) cp = (cp << 6) | (text[i + k] & 0x3F);
    }
    if (cp >= 0x20 || length > 1) width += IsWide(cp) ? 2 : 1;
    i += length;
  }
  return width;
}

TextTable::TextTable(std::vector<std::string> headers, std::vector<Align> align)
    : headers_(std::move(headers)), align_(std::move(align)) {
  align_.resize(headers_.size(), Align::kLeft);
}

void TextTable::AddRow(std::vector<std::string> cells) {
  cells.resize(headers_.size());
  rows_.push_back(std::move(cells));
}

void TextTable::Print(std::ostream& out, std::string_view indent) const {
  std::vector<size_t> widths(headers_.size(), 0);
  auto measure = [&](const std::vector<std::string>& cells) {
    for (size_t c = 0; c < cells.size(); ++c)
      widths[c] = std::max(widths[c], DisplayWidth(cells[c]));
  };
  measure(headers_);
  for (const auto& row : rows_) measure(row);

  auto print = [&](const std::vector<std::string>& cells) {
    std::string line(indent);
    for (size_t c = 0; c < cells.size(); ++c) {
      const bool last = c + 1 == cells.size();
      const size_t width = DisplayWidth(cells[c]);
      if (align_[c] == Align::kRight) {
        line += Padding(width, widths[c]) + cells[c];
      } else {
        line += cells[c];
        if (!last) line += Padding(width, widths[c]);
      }
      if (!last) line += "  ";
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  };
  print(headers_);
  size_t total = 0;
  for (size_t c = 0; c < widths.size(); ++c) total += widths[c] + (c + 1 < widths.size() ? 2 : 0);
  out << indent << std::string(total, '-') << "\n";
  for (const auto& row : rows_) print(row);
}

}  // namespace ftcalc::cli
