// The page cache of a connection for the length of one engine call.
//
// SQLite's default cache holds 2 MiB of pages. A full calculation rewrites
// every quota row and reads each large table more than once; with the
// default cache it fetches the same pages from the file again and again,
// and spills changed pages to the file (with the journal's syncs that must
// come first) before its commit. The call therefore raises the cache of the
// project (main) to kCallCacheKiB where the host's setting is smaller, and
// gives the host its own setting back when the call ends. What is stored
// does not depend on the cache.
#ifndef FTCALC_DATA_PAGE_CACHE_H_
#define FTCALC_DATA_PAGE_CACHE_H_

#include <cstdint>

#include "data/sqlite_api.h"

namespace ftcalc {

class PageCacheForTheCall {
 public:
  static constexpr int64_t kCallCacheKiB = 16 * 1024;

  // Raises the cache of `db`'s main database, where it is smaller. Nothing
  // is changed where the setting cannot be read or written.
  explicit PageCacheForTheCall(sqlite3* db);
  // Sets the host's own cache size again.
  ~PageCacheForTheCall();
  PageCacheForTheCall(const PageCacheForTheCall&) = delete;
  PageCacheForTheCall& operator=(const PageCacheForTheCall&) = delete;

 private:
  sqlite3* db_;
  bool raised_ = false;
  int64_t host_setting_ = 0;  // as "pragma cache_size" gives it
};

}  // namespace ftcalc

#endif  // FTCALC_DATA_PAGE_CACHE_H_
