#include "data/statement_timings.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace ftcalc {
namespace {

std::map<std::string, std::pair<double, int>>& Totals() {
  static std::map<std::string, std::pair<double, int>> totals;
  return totals;
}

}  // namespace

bool StatementClock::Enabled() {
  static const bool enabled = [] {
    const char* value = std::getenv("FTCALC_TIMINGS");
    return value != nullptr && std::string(value) == "2";
  }();
  return enabled;
}

StatementClock::StatementClock(const std::string& sql) : sql_(Enabled() ? &sql : nullptr) {
  if (sql_) start_ = std::chrono::steady_clock::now();
}

StatementClock::~StatementClock() {
  if (!sql_) return;
  std::string key;
  for (char c : sql_->substr(0, 72)) key += (c >= '0' && c <= '9') ? '#' : c;
  auto& entry = Totals()[key];
  entry.first += std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  entry.second += 1;
}

void PrintStatementTimings() {
  if (!StatementClock::Enabled()) return;
  std::vector<std::pair<double, std::string>> rows;
  for (const auto& [key, value] : Totals()) {
    rows.emplace_back(value.first, std::to_string(value.second) + "x " + key);
  }
  std::sort(rows.rbegin(), rows.rend());
  for (size_t i = 0; i < rows.size() && i < 30; ++i) {
    std::fprintf(stderr, "ftcalc statement: %8.3f s  %s\n", rows[i].first, rows[i].second.c_str());
  }
  Totals().clear();
}

}  // namespace ftcalc
