// Small helpers for writing a generated project: a prepared statement that
// is bound and stepped row after row, statement execution that throws on
// error, and a seeded random source whose sequence does not depend on the
// standard library's distributions (the same seed gives the same project
// everywhere).
#ifndef FTCALC_BENCH_PROJECTGEN_SQLITE_UTIL_H_
#define FTCALC_BENCH_PROJECTGEN_SQLITE_UTIL_H_

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ftcalc::projectgen {

// Any SQLite failure while generating; caught at the library's boundary.
class GeneratorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Runs one or more statements; throws GeneratorError with the statement.
void Exec(sqlite3* db, const std::string& sql);

// Every row of a query, each column as its text ("" for NULL); throws
// GeneratorError with the statement.
std::vector<std::vector<std::string>> Select(sqlite3* db, const std::string& sql);

// A prepared insert (or any statement without result rows). Bind the
// parameters of one row with Set(), then Run(): the statement is stepped,
// reset and its bindings cleared for the next row. Parameters are numbered
// from 1 in the order of the statement's "?".
class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Set(int index, int64_t value);
  Statement& Set(int index, int value) { return Set(index, static_cast<int64_t>(value)); }
  Statement& Set(int index, double value);
  Statement& Set(int index, const std::string& value);
  Statement& Set(int index, const char* value);  // nullptr binds NULL
  Statement& SetNull(int index);
  template <typename T>
  Statement& Set(int index, const std::optional<T>& value) {
    return value ? Set(index, *value) : SetNull(index);
  }
  void Run();

 private:
  void Check(int rc, const char* what);
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
  std::string sql_;
};

// splitmix64: tiny, fast and fully specified.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next();
  // Uniform integer in [lo, hi].
  int Int(int lo, int hi);
  // Uniform real in [lo, hi).
  double Real(double lo, double hi);
  // Log-uniform real in [lo, hi): quantities spread over orders of magnitude.
  double LogReal(double lo, double hi);
  bool Chance(double p) { return Real(0, 1) < p; }

 private:
  uint64_t state_;
};

// Counts that vary from row to row but keep their mean: the draws come in
// pairs b1+d, b2-d with |d| <= min(b1,b2)-minimum, where b1, b2 are the
// mean's whole part plus the fraction carried from draw to draw (so a mean
// of 2.5 gives bases 2, 3, 2, 3 …; a whole mean is kept exactly).
class PairedCounts {
 public:
  PairedCounts(double mean, int minimum, Random& random);
  int Next();

 private:
  int Base();
  int whole_;
  double fraction_;
  int minimum_;
  Random& random_;
  double carried_ = 0;
  int pending_ = 0;
  bool have_pending_ = false;
};

// Rounds half away from zero to `decimals` places (the generated amounts
// are stored as a host would store typed-in values).
double Round(double value, int decimals);

// Shortest decimal text of a rate or amount with at most 4 decimals:
// 0.28, 16, 7.42.
std::string ShortNumber(double value);

}  // namespace ftcalc::projectgen

#endif  // FTCALC_BENCH_PROJECTGEN_SQLITE_UTIL_H_
