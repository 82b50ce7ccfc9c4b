#include "calc/serial_numbers.h"

namespace ftcalc {

void NumberItems() {}

}  // namespace ftcalc
