#include "data/page_cache.h"

#include <string>

#include "data/host_handle.h"

namespace ftcalc {
namespace {

// The first column of the one row `sql` gives, or false.
bool ReadInteger(sqlite3* db, const char* sql, int64_t* value) {
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
    sqlite3_finalize(stmt);
    return false;
  }
  const bool read = sqlite3_step(stmt) == SQLITE_ROW;
  if (read) *value = sqlite3_column_int64(stmt, 0);
  sqlite3_finalize(stmt);
  return read;
}

}  // namespace

PageCacheForTheCall::PageCacheForTheCall(sqlite3* db) : db_(db) {
  if (db_ == nullptr) return;
  int64_t setting = 0;
  int64_t page_size = 0;
  if (!ReadInteger(db_, "pragma main.cache_size", &setting) ||
      !ReadInteger(db_, "pragma main.page_size", &page_size)) {
    return;
  }
  // A positive setting counts pages, a negative one KiB.
  const int64_t kib = setting >= 0 ? setting * page_size / 1024 : -setting;
  if (kib >= kCallCacheKiB) return;
  host_setting_ = setting;
  raised_ = ExecOn(db_, "pragma main.cache_size=-" + std::to_string(kCallCacheKiB));
}

PageCacheForTheCall::~PageCacheForTheCall() {
  if (raised_) ExecOn(db_, "pragma main.cache_size=" + std::to_string(host_setting_));
}

}  // namespace ftcalc
