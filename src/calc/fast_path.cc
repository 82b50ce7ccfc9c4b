#include "calc/fast_path.h"

#include <cstdio>
#include <cstdlib>

#include "data/schema_info.h"
#include "data/transaction.h"

namespace ftcalc {

bool TryFastPath(EngineContext& ctx, const char* step, const std::function<bool()>& fast) {
  if (!ctx.options.fast_paths || ctx.db.transaction_lost() || HasTriggers(ctx.db)) return false;
  Savepoint savepoint(ctx.db, "ftcalc_fast_path");
  if (!savepoint.active()) return false;
  bool done = false;
  {
    Database::QuietScope quiet(ctx.db);
    done = fast() && !quiet.failed();
    // Statements the fast path stepped itself may have met a failure after
    // which SQLite ended the transaction: nothing may run after that.
    if (!ctx.db.CheckTransaction(quiet.failed() ? quiet.first_failure()
                                                : ctx.db.LastHandleError())) {
      return false;
    }
  }
  if (done && savepoint.Release()) return true;
  savepoint.Rollback();
  ctx.declined_fast_paths.push_back(step);
  if (std::getenv("FTCALC_TIMINGS") != nullptr) {
    std::fprintf(stderr, "ftcalc timing: %s: fast path declined, plain statements run\n", step);
  }
  return false;
}

}  // namespace ftcalc
