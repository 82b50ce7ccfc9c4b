#include "json_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "data/number_text.h"

namespace ftcalc::cli {
namespace {

// Length of the valid UTF-8 sequence at text[i], or 0 when there is none
// (overlong forms, surrogates and code points above U+10FFFF are invalid).
size_t Utf8SequenceLength(std::string_view text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  size_t length;
  unsigned int min_second = 0x80, max_second = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) min_second = 0xA0;
    if (lead == 0xED) max_second = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) min_second = 0x90;
    if (lead == 0xF4) max_second = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < min_second || byte(i + 1) > max_second) return 0;
  for (size_t k = 2; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

bool IsJsonNumber(std::string_view text) {
  size_t i = 0;
  const auto digit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  if (i < text.size() && text[i] == '-') ++i;
  if (!digit(i)) return false;
  if (text[i] == '0') {
    ++i;
  } else {
    while (digit(i)) ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (!digit(i)) return false;
    while (digit(i)) ++i;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digit(i)) return false;
    while (digit(i)) ++i;
  }
  return i == text.size();
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(text, i, length);
      i += length;
    }
  }
  return out;
}

std::string JsonQuoted(std::string_view text) {
  const std::string valid = ValidUtf8(text);
  std::string out = "\"";
  for (char c : valid) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

// Indentation stops growing past kMaxIndentLevels: a tree nested thousands
// deep (a project's items may be) would otherwise be written in a size that
// grows with the square of its depth.
void JsonWriter::NewLine() {
  constexpr size_t kMaxIndentLevels = 32;
  out_ << '\n' << std::string(std::min(levels_.size(), kMaxIndentLevels) * 2, ' ');
}

void JsonWriter::BeforeValue() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!levels_.empty()) {
    if (levels_.back().count++ > 0) out_ << ',';
    NewLine();
  }
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ << '{';
  levels_.push_back({true, 0});
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ << '[';
  levels_.push_back({false, 0});
}

void JsonWriter::EndObject() {
  const bool empty = levels_.empty() || levels_.back().count == 0;
  if (!levels_.empty()) levels_.pop_back();
  if (!empty) NewLine();
  out_ << '}';
  if (levels_.empty()) out_ << '\n';
}

void JsonWriter::EndArray() {
  const bool empty = levels_.empty() || levels_.back().count == 0;
  if (!levels_.empty()) levels_.pop_back();
  if (!empty) NewLine();
  out_ << ']';
  if (levels_.empty()) out_ << '\n';
}

void JsonWriter::Key(std::string_view name) {
  BeforeValue();
  out_ << JsonQuoted(name) << ": ";
  after_key_ = true;
}

void JsonWriter::String(std::string_view text) {
  BeforeValue();
  out_ << JsonQuoted(text);
}

void JsonWriter::Number(double value) {
  if (!std::isfinite(value)) {
    Null();
    return;
  }
  BeforeValue();
  // NumberText writes "1E-6"; JSON accepts the exponent form.
  out_ << ftcalc::NumberText(value);
}

void JsonWriter::NumberText(std::string_view text) {
  if (!IsJsonNumber(text)) {
    String(text);
    return;
  }
  BeforeValue();
  out_ << text;
}

void JsonWriter::Integer(long long value) {
  BeforeValue();
  out_ << value;
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ << (value ? "true" : "false");
}

void JsonWriter::Null() {
  BeforeValue();
  out_ << "null";
}

}  // namespace ftcalc::cli
