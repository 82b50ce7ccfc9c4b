#include "calc/carry_over.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "data/fields.h"
#include "data/number_text.h"
#include "data/text_util.h"

namespace ftcalc {
namespace {

constexpr char kNullPart[] = "\x01";
constexpr char kBlankPart[] = "\x02";

// True for a text that SQLite reads as one numeric literal when pasted
// unquoted: an optional sign, digits with an optional point (or a point
// and digits), an optional exponent, nothing else.
bool IsPlainNumber(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t exponent = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++exponent;
    if (exponent == 0) return false;
  }
  return i == text.size();
}

// Key part of a value compared as text ("col='t'"). Equal texts give equal
// parts; so do a number and a text that reads wholly as that number, which
// keeps the key coarse enough for columns of numeric affinity, where SQLite
// compares '12' with 12 as numbers.
std::string TextPart(const SqlValue& value) {
  switch (value.type()) {
    case SQLITE_NULL:
      return kNullPart;
    case SQLITE_INTEGER:
      return "#" + NumberText(static_cast<double>(value.integer()));
    case SQLITE_FLOAT:
      return "#" + NumberText(value.real());
    default:
      break;
  }
  if (!value.text().empty() && CAtofLength(value.text()) == value.text().size()) {
    return "#" + NumberText(CAtof(value.text()));
  }
  return "'" + std::string(value.text());
}

bool SameColumnName(std::string_view a, std::string_view b) {
  return AsciiUpper(Trim(a)) == AsciiUpper(Trim(b));
}

std::string IdList(const std::vector<int64_t>& ids) {
  std::string out;
  for (int64_t id : ids) {
    if (!out.empty()) out += ",";
    out += std::to_string(id);
  }
  return out;
}

std::string Signature(const std::vector<bool>& skipped) {
  std::string out;
  for (bool s : skipped) out += s ? '1' : '0';
  return out;
}

}  // namespace

std::string CarriedValue(const Query& query, std::string_view field, CarryKind kind) {
  const SqlValue& value = query.Value(query.FieldIndex(field));
  if (value.is_null()) return "null";
  switch (kind) {
    case CarryKind::kNumber:
      return FieldNumberLiteral(query, field);
    case CarryKind::kText:
      return "'" + SqlQuoted(FieldText(query, field)) + "'";
    case CarryKind::kAsIs:
      break;
  }
  if (value.type() == SQLITE_INTEGER || value.type() == SQLITE_FLOAT) {
    return FieldNumberLiteral(query, field);
  }
  std::string text = FieldText(query, field);
  if (IsPlainNumber(text)) return text;
  return "'" + SqlQuoted(text) + "'";
}

std::string MatchCondition(const Query& previous, const MatchColumn& column) {
  const std::string& name = column.name;
  const SqlValue& value = previous.Value(previous.FieldIndex(name));
  switch (column.kind) {
    case MatchKind::kText:
      if (value.is_null()) return name + " is null";
      return name + "='" + SqlQuoted(FieldText(previous, name)) + "'";
    case MatchKind::kNumber:
      if (value.is_null()) return name + " is null";
      return "cast(" + name + " as real)=" + FieldNumberLiteral(previous, name);
    case MatchKind::kClass: {
      std::string text = FieldText(previous, name);
      if (Trim(text).empty()) return " (" + name + " is null or " + name + "='') ";
      return " " + name + "='" + SqlQuoted(text) + "' ";
    }
  }
  return std::string();
}

std::vector<bool> SkippedColumns(const std::vector<MatchColumn>& columns,
                                 const std::vector<std::string>& skip) {
  std::vector<bool> skipped(columns.size(), false);
  for (size_t i = 0; i < columns.size(); ++i) {
    for (const std::string& name : skip) {
      skipped[i] = skipped[i] || SameColumnName(name, columns[i].name);
    }
  }
  return skipped;
}

std::string CarryOverConditions(const std::vector<MatchColumn>& columns, const Query& previous,
                                const std::vector<std::string>& skip) {
  const std::vector<bool> skipped = SkippedColumns(columns, skip);
  std::string conditions;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (skipped[i]) continue;
    if (!conditions.empty()) conditions += " and ";
    conditions += MatchCondition(previous, columns[i]);
  }
  return conditions;
}

CarryOver::CarryOver(Database& db, std::string table, std::vector<MatchColumn> columns)
    : db_(db), table_(std::move(table)), columns_(std::move(columns)) {}

std::string CarryOver::SnapshotSelect() const {
  std::string sql = "select 编号";
  for (const MatchColumn& column : columns_) {
    sql += ",";
    sql += column.kind == MatchKind::kNumber ? "cast(" + column.name + " as real)" : column.name;
  }
  return sql + " from " + table_;
}

std::vector<std::string> CarryOver::SnapshotParts(const Query& rows) const {
  std::vector<std::string> parts;
  for (size_t i = 0; i < columns_.size(); ++i) {
    const SqlValue& value = rows.Value(static_cast<int>(i) + 1);
    switch (columns_[i].kind) {
      case MatchKind::kText:
        parts.push_back(TextPart(value));
        break;
      case MatchKind::kClass:
        parts.push_back(value.is_null() || (value.type() == SQLITE_TEXT && value.text().empty())
                            ? kBlankPart
                            : TextPart(value));
        break;
      case MatchKind::kNumber:
        // cast(... as real) gives NULL or a REAL.
        parts.push_back(value.is_null() ? kNullPart : "#" + NumberText(value.real()));
        break;
    }
  }
  return parts;
}

bool CarryOver::LoadNewRows() {
  parts_.clear();
  index_.clear();
  Query rows;
  if (!db_.Open(rows, SnapshotSelect() + " where 上级编号 is not -2")) return false;
  for (rows.First(); !rows.Eof(); rows.Next()) {
    // The rows are restricted by "编号 in(<keys>)": keys must be integers.
    if (rows.Value(0).type() != SQLITE_INTEGER) return false;
    parts_[rows.Value(0).integer()] = SnapshotParts(rows);
  }
  return true;
}

std::string CarryOver::KeyOfRow(const std::vector<std::string>& parts,
                                const std::vector<bool>& skipped) const {
  std::string key;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (skipped[i]) continue;
    key += std::to_string(parts[i].size()) + ":" + parts[i];
  }
  return key;
}

std::string CarryOver::KeyOfPrevious(const Query& previous,
                                     const std::vector<bool>& skipped) const {
  std::vector<std::string> parts;
  for (const MatchColumn& column : columns_) {
    const SqlValue& value = previous.Value(previous.FieldIndex(column.name));
    switch (column.kind) {
      case MatchKind::kText:
        parts.push_back(TextPart(value));
        break;
      case MatchKind::kClass:
        parts.push_back(Trim(FieldText(previous, column.name)).empty() ? kBlankPart
                                                                       : TextPart(value));
        break;
      case MatchKind::kNumber:
        // The condition compares with the pasted number; cast() on the new
        // rows gives a double, equal to it when the condition holds.
        parts.push_back(value.is_null()
                            ? kNullPart
                            : "#" + NumberText(CAtof(FieldNumberLiteral(previous, column.name))));
        break;
    }
  }
  return KeyOfRow(parts, skipped);
}

bool CarryOver::Apply(const Query& previous, const std::string& assignments,
                      const std::vector<std::string>& assigned,
                      const std::vector<std::string>& skip) {
  const std::vector<bool> skipped = SkippedColumns(columns_, skip);
  bool rekey = false;
  for (size_t i = 0; i < columns_.size(); ++i) {
    for (const std::string& name : assigned) {
      rekey = rekey || SameColumnName(name, columns_[i].name);
    }
  }
  const std::string signature = Signature(skipped);
  auto found = index_.find(signature);
  if (found == index_.end()) {
    auto& built = index_[signature];
    for (const auto& [id, parts] : parts_) built[KeyOfRow(parts, skipped)].push_back(id);
    found = index_.find(signature);
  }
  std::vector<int64_t> ids;
  auto hit = found->second.find(KeyOfPrevious(previous, skipped));
  if (hit != found->second.end()) ids = hit->second;
  std::sort(ids.begin(), ids.end());

  // Run even without a candidate: a statement that cannot run must fail
  // here as it would unrestricted.
  const std::string sql = "update " + table_ + " set " + assignments + " where 编号 in(" +
                          IdList(ids) + ") and " + CarryOverConditions(columns_, previous, skip);
  if (db_.Exec(sql) < 0) return false;
  // A carried column that is also matched changes the keys of the rows it
  // was written to; later previous lines must see the new values.
  if (rekey && !ids.empty()) return Rekey(ids);
  return true;
}

bool CarryOver::Rekey(const std::vector<int64_t>& ids) {
  Query rows;
  if (!db_.Open(rows, SnapshotSelect() + " where 编号 in(" + IdList(ids) + ")")) return false;
  std::vector<std::pair<int64_t, std::vector<std::string>>> fresh;
  for (rows.First(); !rows.Eof(); rows.Next()) {
    // Only INTEGER keys are in parts_ (LoadNewRows).
    if (rows.Value(0).type() != SQLITE_INTEGER) continue;
    fresh.emplace_back(rows.Value(0).integer(), SnapshotParts(rows));
  }
  for (auto& [id, parts] : fresh) {
    auto old = parts_.find(id);
    if (old == parts_.end()) continue;
    for (auto& [signature, map] : index_) {
      std::vector<bool> skipped;
      for (char c : signature) skipped.push_back(c == '1');
      auto& from = map[KeyOfRow(old->second, skipped)];
      from.erase(std::remove(from.begin(), from.end(), id), from.end());
      map[KeyOfRow(parts, skipped)].push_back(id);
    }
    old->second = std::move(parts);
  }
  return true;
}

}  // namespace ftcalc
