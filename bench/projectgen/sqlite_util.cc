#include "sqlite_util.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ftcalc::projectgen {

void Exec(sqlite3* db, const std::string& sql) {
  char* message = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string error = message ? message : sqlite3_errmsg(db);
    sqlite3_free(message);
    throw GeneratorError(error + "\n  in: " + sql.substr(0, 300));
  }
}

std::vector<std::vector<std::string>> Select(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
    std::string error = sqlite3_errmsg(db);
    sqlite3_finalize(stmt);
    throw GeneratorError(error + "\n  in: " + sql.substr(0, 300));
  }
  std::vector<std::vector<std::string>> rows;
  int rc;
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    std::vector<std::string>& row = rows.emplace_back();
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
      const unsigned char* text = sqlite3_column_text(stmt, i);
      row.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
    }
  }
  const std::string error = rc == SQLITE_DONE ? "" : sqlite3_errmsg(db);
  sqlite3_finalize(stmt);
  if (!error.empty()) throw GeneratorError(error + "\n  in: " + sql.substr(0, 300));
  return rows;
}

Statement::Statement(sqlite3* db, const std::string& sql) : db_(db), sql_(sql) {
  Check(sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt_, nullptr), "prepare");
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::Check(int rc, const char* what) {
  if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
    throw GeneratorError(std::string(what) + ": " + sqlite3_errmsg(db_) + "\n  in: " + sql_);
  }
}

Statement& Statement::Set(int index, int64_t value) {
  Check(sqlite3_bind_int64(stmt_, index, value), "bind");
  return *this;
}

Statement& Statement::Set(int index, double value) {
  Check(sqlite3_bind_double(stmt_, index, value), "bind");
  return *this;
}

Statement& Statement::Set(int index, const std::string& value) {
  Check(sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT),
        "bind");
  return *this;
}

Statement& Statement::Set(int index, const char* value) {
  if (value == nullptr) return SetNull(index);
  Check(sqlite3_bind_text(stmt_, index, value, -1, SQLITE_TRANSIENT), "bind");
  return *this;
}

Statement& Statement::SetNull(int index) {
  Check(sqlite3_bind_null(stmt_, index), "bind");
  return *this;
}

void Statement::Run() {
  const int rc = sqlite3_step(stmt_);
  if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
    std::string error = sqlite3_errmsg(db_);
    sqlite3_reset(stmt_);
    throw GeneratorError("step: " + error + "\n  in: " + sql_);
  }
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

uint64_t Random::Next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int Random::Int(int lo, int hi) {
  if (hi <= lo) return lo;
  const uint64_t span = static_cast<uint64_t>(hi - lo) + 1;
  return lo + static_cast<int>(Next() % span);
}

double Random::Real(double lo, double hi) {
  const double unit = static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
  return lo + (hi - lo) * unit;
}

double Random::LogReal(double lo, double hi) {
  return std::exp(Real(std::log(lo), std::log(hi)));
}

PairedCounts::PairedCounts(double mean, int minimum, Random& random)
    : whole_(static_cast<int>(std::floor(mean))),
      fraction_(mean - std::floor(mean)),
      minimum_(std::min(minimum, static_cast<int>(std::floor(mean)))),
      random_(random) {}

int PairedCounts::Base() {
  carried_ += fraction_;
  if (carried_ >= 1 - 1e-9) {
    carried_ -= 1;
    return whole_ + 1;
  }
  return whole_;
}

int PairedCounts::Next() {
  if (have_pending_) {
    have_pending_ = false;
    return pending_;
  }
  const int first = Base();
  const int second = Base();
  const int spread = std::min(first, second) - minimum_;
  const int d = random_.Int(-spread, spread);
  pending_ = second - d;
  have_pending_ = true;
  return first + d;
}

double Round(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

std::string ShortNumber(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4f", value);
  std::string text = buffer;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

}  // namespace ftcalc::projectgen
