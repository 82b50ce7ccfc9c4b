// Serial numbers 序号 of the priced rows.
#ifndef FTCALC_CALC_SERIAL_NUMBERS_H_
#define FTCALC_CALC_SERIAL_NUMBERS_H_

#include <string>

namespace ftcalc {

void NumberItems();

}  // namespace ftcalc

#endif  // FTCALC_CALC_SERIAL_NUMBERS_H_
