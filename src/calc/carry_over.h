// Carry-over of user values from the previous build of a rebuilt summary
// table (设备汇总, 材料价格) to the new build.
//
// The rule is one update per previous line, in the order of the previous
// lines:
//   update T set <assignments> where <c1> and <c2> and ...
// where every ci compares a match column of the table with the previous
// line's value NULL-safely: a NULL matches NULL ("col is null"), a text
// matches its own text (quotes doubled), a number column is compared as its
// number ("cast(col as real)=" + the value pasted as a number).
//
// Run literally, each of these updates scans the whole table: quadratic in
// the number of lines. CarryOver runs the same updates, each restricted by
// "编号 in(...)" to the candidate rows that a hash map from a normalised
// match key to the new rows' 编号 yields. Invariant: whenever the conditions
// of a previous line hold for a surviving row, that row's key equals the
// previous line's key (the key is coarser than the SQL comparison, never
// finer), so the candidate list contains every surviving row that the
// unrestricted update would change, and SQLite, evaluating the unchanged
// conditions, still decides which of them match. Rows of the previous
// build that the unrestricted update would also touch are deleted right
// after the carry-over and their values were read before it, so leaving
// them out changes nothing. The updates run in the previous lines' order,
// so a later line still overwrites an earlier one on the same new row.
#ifndef FTCALC_CALC_CARRY_OVER_H_
#define FTCALC_CALC_CARRY_OVER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/database.h"

namespace ftcalc {

enum class MatchKind {
  kText,    // col='<text>', NULL as "col is null"
  kNumber,  // cast(col as real)=<number>, NULL as "col is null"
  kClass,   // like kText, but a value that is blank after trimming matches
            // a NULL or empty column: " (col is null or col='') "
};

struct MatchColumn {
  std::string name;
  MatchKind kind;
};

// How a carried value is written into the assignment "col=<value>". A NULL
// value is always written as null, so that it is carried as NULL.
enum class CarryKind {
  kNumber,  // as a number: FieldNumberLiteral
  kText,    // between quotes, quotes doubled
  kAsIs,    // a number as a number; a text that is a plain number literal as
            // it stands (the value a pasted text would give); any other text
            // between quotes instead of breaking the statement
};

// The text of `field` of the current row as it goes into an assignment.
std::string CarriedValue(const Query& query, std::string_view field, CarryKind kind);

// The condition of one match column for the current row of `previous`.
std::string MatchCondition(const Query& previous, const MatchColumn& column);
// The conditions of every match column not named in `skip`, joined by
// " and ": the where clause of the plain update
//   update T set <assignments> where <conditions>
// of the current previous line.
std::string CarryOverConditions(const std::vector<MatchColumn>& columns, const Query& previous,
                                const std::vector<std::string>& skip);

// The same updates, each restricted to its candidate rows (see above).
class CarryOver {
 public:
  // `table` is rebuilt in place: its previous lines carry 上级编号 -2.
  CarryOver(Database& db, std::string table, std::vector<MatchColumn> columns);
  CarryOver(const CarryOver&) = delete;
  CarryOver& operator=(const CarryOver&) = delete;

  // Reads 编号 and the match columns of every row that survives the
  // rebuild (上级编号 is not -2). Call once the new rows are inserted.
  // False when they cannot be read, or a 编号 is not an integer.
  bool LoadNewRows();

  // Runs the update for the current row of `previous` (a query on the
  // previous lines with every match column). `assignments` is the text after
  // "set"; `assigned` names the columns it writes. A match column named in
  // `skip` is left out of the conditions. False when a statement failed.
  bool Apply(const Query& previous, const std::string& assignments,
             const std::vector<std::string>& assigned, const std::vector<std::string>& skip = {});

 private:
  std::string KeyOfPrevious(const Query& previous, const std::vector<bool>& skipped) const;
  std::string KeyOfRow(const std::vector<std::string>& parts,
                       const std::vector<bool>& skipped) const;
  bool Rekey(const std::vector<int64_t>& ids);
  std::string SnapshotSelect() const;
  // Key parts of the current row of a query made by SnapshotSelect().
  std::vector<std::string> SnapshotParts(const Query& rows) const;

  Database& db_;
  std::string table_;
  std::vector<MatchColumn> columns_;
  // Key parts of each surviving row, by 编号; the maps below hold, for each
  // set of skipped columns in use, the rows by their key.
  std::unordered_map<int64_t, std::vector<std::string>> parts_;
  std::unordered_map<std::string, std::unordered_map<std::string, std::vector<int64_t>>> index_;
};

}  // namespace ftcalc

#endif  // FTCALC_CALC_CARRY_OVER_H_
