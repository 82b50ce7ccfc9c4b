// The one decision point of a step: try its fast path; if that declines,
// run its plain statements.
//
// A fast path reads the project in bulk and writes by key, relying on what
// it has checked about the data and the schema. It declines (returns
// false) wherever its result could differ from the plain statements'. It
// runs under a savepoint and quietly: a statement that fails inside it is
// not reported but makes it decline. Either way, everything it wrote is
// undone and the plain statements run from the same state, so the user
// sees exactly the errors, and the database holds exactly the values, that
// the plain statements give.
//
// A fast path writes less often than the statements (a row once where they
// write it three times, a number not written again where it stays) and
// reads ahead what they read later. A trigger in the project sees every
// write and may write in turn, so where the project (or the connection's
// temp schema) has one, no fast path runs.
#ifndef FTCALC_CALC_FAST_PATH_H_
#define FTCALC_CALC_FAST_PATH_H_

#include <functional>

#include "calc/context.h"

namespace ftcalc {

// Runs `fast` as described above; true when it did the step's work. Never
// runs it when the context's options turn the fast paths off, or where a
// trigger is defined. `step` names the step in the timing output
// (FTCALC_TIMINGS).
bool TryFastPath(EngineContext& ctx, const char* step, const std::function<bool()>& fast);

}  // namespace ftcalc

#endif  // FTCALC_CALC_FAST_PATH_H_
