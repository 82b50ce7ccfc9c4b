#include "data/ftrou.h"

#include "data/number_text.h"

namespace ftcalc {
namespace {

// FtRou(value, decimals): the value is read through SQLite's text form of it
// and atof (NULL and unreadable text count as 0); the decimals as a 32-bit
// integer (NULL counts as 0).
void FtRouFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
  const unsigned char* text = argc > 0 ? sqlite3_value_text(argv[0]) : nullptr;
  double value = text ? CAtof(reinterpret_cast<const char*>(text)) : 0.0;
  int decimals = argc > 1 ? sqlite3_value_int(argv[1]) : 0;
  sqlite3_result_double(context, RoundHalfUp(decimals, value));
}

}  // namespace

int RegisterFtRou(sqlite3* db) {
  return sqlite3_create_function(db, "FtRou", 2, SQLITE_UTF8, nullptr, FtRouFunction, nullptr,
                                 nullptr);
}

void UnregisterFtRou(sqlite3* db) {
  sqlite3_create_function(db, "FtRou", 2, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace ftcalc
