// A small JSON writer for the host's machine-readable output: objects,
// arrays, strings, numbers, booleans and null, written as they come, with
// the commas and indentation kept by the writer (two blanks a level, up to
// 32 levels).
//
// Strings are escaped for JSON; UTF-8 passes through unchanged, and a byte
// sequence that is not valid UTF-8 (a project text may hold anything) is
// written as U+FFFD, so the output is always valid JSON in UTF-8.
#ifndef FTCALC_TOOLS_JSON_WRITER_H_
#define FTCALC_TOOLS_JSON_WRITER_H_

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace ftcalc::cli {

// `text` with every invalid UTF-8 sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// `text` as a JSON string literal, quotes included.
std::string JsonQuoted(std::string_view text);

class JsonWriter {
 public:
  explicit JsonWriter(std::ostream& out) : out_(out) {}
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The name of the next member; only inside an object.
  void Key(std::string_view name);

  void String(std::string_view text);
  // A finite number in its shortest text (15 significant digits); null
  // when it is not finite.
  void Number(double value);
  // A number given as text, written as it stands when it is a valid JSON
  // number (so "5000.00" keeps its decimals); otherwise as a string.
  void NumberText(std::string_view text);
  void Integer(long long value);
  void Bool(bool value);
  void Null();

  // Shorthands for one member.
  void Member(std::string_view name, std::string_view text) {
    Key(name);
    String(text);
  }
  void MemberNumber(std::string_view name, double value) {
    Key(name);
    Number(value);
  }

 private:
  void BeforeValue();
  void NewLine();

  std::ostream& out_;
  struct Level {
    bool object;
    int count;
  };
  std::vector<Level> levels_;
  bool after_key_ = false;
};

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_JSON_WRITER_H_
