// With FTCALC_TIMINGS=2 in the environment, the time of every statement is
// added up by its first words (numbers masked), for finding the slow ones
// of a step. Off otherwise, at the cost of one test per statement.
#ifndef FTCALC_DATA_STATEMENT_TIMINGS_H_
#define FTCALC_DATA_STATEMENT_TIMINGS_H_

#include <chrono>
#include <string>

namespace ftcalc {

class StatementClock {
 public:
  explicit StatementClock(const std::string& sql);
  ~StatementClock();
  StatementClock(const StatementClock&) = delete;
  StatementClock& operator=(const StatementClock&) = delete;

  static bool Enabled();

 private:
  const std::string* sql_;
  std::chrono::steady_clock::time_point start_;
};

// Prints the statements that took the most time since the last call (to
// stderr) and starts afresh; does nothing unless timings are enabled.
void PrintStatementTimings();

}  // namespace ftcalc

#endif  // FTCALC_DATA_STATEMENT_TIMINGS_H_
