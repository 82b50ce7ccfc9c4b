// Serial numbers 序号 of the priced rows.
#ifndef FTCALC_CALC_SERIAL_NUMBERS_H_
#define FTCALC_CALC_SERIAL_NUMBERS_H_

#include <string>

namespace ftcalc {

struct EngineContext;

// The priced rows (bill items under 清单法, quotas otherwise) get 1, 2, 3...
// in display order; every other row is left without a number.
void NumberItems(EngineContext& ctx);

}  // namespace ftcalc

#endif  // FTCALC_CALC_SERIAL_NUMBERS_H_
