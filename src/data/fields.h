// Field access on the current row of a query, by the engine's rules.
//
// A field reference is a column name, or a position written as digits:
// "0", or any text from whose start atol reads a positive number.
// Access to a closed query, an unknown name or a position past the last
// field yields empty text, 0 or no assignment; it is never an error.
#ifndef FTCALC_DATA_FIELDS_H_
#define FTCALC_DATA_FIELDS_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "data/query.h"

namespace ftcalc {

// Text of the field. Integer fields read as the decimal of their atol
// value, float fields as NumberText(atof(text)), others as SQLite gives
// them; NULL as empty text.
std::string FieldText(const Query& query, std::string_view field);
// atof of the field's raw text, rounded with RoundHalfUp unless digits is -1.
double FieldNumber(const Query& query, std::string_view field, int digits = -1);

// Assign to the current row (the caller puts it into edit state and posts).
// True whenever the query is open, even if the field does not exist.
bool SetFieldInteger(Query& query, std::string_view field, int64_t value);
bool SetFieldNumber(Query& query, std::string_view field, int digits, double value);

// A field's value pasted into a statement as a number: INTEGER and REAL
// fields as FieldText gives them; NULL, TEXT or anything not finite as
// NumberText(atof(text)) (0 when unreadable), so that a missing or
// malformed number never breaks or changes a statement.
std::string FieldNumberLiteral(const Query& query, std::string_view field);

// A number text pasted into a statement: the text itself when it reads
// whole as one finite number, else NumberText(atof(text)) ("0" when that
// is not finite either). An empty text is "0": nothing is ever pasted
// empty.
std::string NumberLiteral(const std::string& text);

}  // namespace ftcalc

#endif  // FTCALC_DATA_FIELDS_H_
