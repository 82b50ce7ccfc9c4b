// Bill item prices from their quotas, their own fee sheets and the general chapter.
#ifndef FTCALC_CALC_BILL_ITEMS_H_
#define FTCALC_CALC_BILL_ITEMS_H_

#include <string>

namespace ftcalc {

struct EngineContext;

// item "0": the whole project; otherwise one bill item 编号. Only under 清单法.
void RollUpBillItems(EngineContext& ctx, const std::string& item);

}  // namespace ftcalc

#endif  // FTCALC_CALC_BILL_ITEMS_H_
