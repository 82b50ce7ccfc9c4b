// What the fast paths ask of the host's schema before they rely on it: a
// column's affinity, a table's integer key, the linked SQLite's arithmetic.
// Each answer is read from the schema itself (pragma_table_info), never
// assumed; a question that cannot be answered answers no.
#ifndef FTCALC_DATA_SCHEMA_INFO_H_
#define FTCALC_DATA_SCHEMA_INFO_H_

#include <string>
#include <unordered_set>

#include "data/database.h"

namespace ftcalc {

// True when `column` of `table` (unqualified, resolved as statements resolve
// it) has INTEGER, REAL or NUMERIC affinity. Only then does "column=<integer
// literal>" hold exactly for the rows whose IntegerKey is that integer: such
// a column stores every numeric text as a number, and a TEXT value left in
// it never equals a number.
bool HasNumericAffinity(Database& db, const std::string& table, const std::string& column);

// True when `column` of `table` exists and has any affinity but TEXT: then
// a comparison of it with a number literal converts nothing (INTEGER, REAL
// or NUMERIC affinity, where texts that read as numbers were stored as
// numbers, or no affinity, where a stored text never equals a number), and
// the integer and real values in it compare as numbers. Only a TEXT
// affinity turns the literal into text ('0'=0 holds there).
bool ComparesAsStored(Database& db, const std::string& table, const std::string& column);

// The columns of `table` that have REAL affinity, by their declared names:
// every number stored there (a bound double, an integer) reads back as
// that number in a REAL.
std::unordered_set<std::string> RealAffinityColumns(Database& db, const std::string& table);

// True when `column` is the INTEGER PRIMARY KEY of `table` ("schema.table",
// or a plain name resolved as statements resolve it): every row has its own
// integer there, so a left join on it and a scalar subquery on it read the
// same one row or none.
bool IsIntegerKeyColumn(Database& db, const std::string& table, const std::string& column);

// True when the linked SQLite's total() adds its values in plain double
// arithmetic, one after the other in the order it reads them (before 3.43;
// later versions compensate the rounding error). Only then does a running
// double sum in row order equal total() over the same rows.
bool TotalAddsInRowOrder();

// Whether the project (main) or the connection (temp) has any trigger: a
// write of one step could then change what a later step reads, and what a
// step worked out ahead for a later one no longer holds.
bool HasTriggers(Database& db);

// Whether `name` may stand in a statement as it is (letters, digits, "_"
// and non-ASCII bytes, not starting with a digit, no SQL keyword); else it
// must be written in double quotes.
bool IsPlainIdentifier(const std::string& name);

}  // namespace ftcalc

#endif  // FTCALC_DATA_SCHEMA_INFO_H_
