// Bill item prices from their quotas, their own fee sheets and the general chapter.
#ifndef FTCALC_CALC_BILL_ITEMS_H_
#define FTCALC_CALC_BILL_ITEMS_H_

#include <string>

namespace ftcalc {

struct EngineContext;

// The unit amounts whose plain sum is a bill item's composite unit price,
// each rolled up from its quotas: their amount x quantity summed and
// rounded, over the item's own quantity, rounded again.
inline constexpr const char* kCompositePriceParts[] = {
    "单价_人工费", "单价_材料费", "单价_机械费", "其他费用", "管理费", "利润", "增值税"};

// item "0": the whole project; otherwise one bill item 编号. Only under 清单法.
void RollUpBillItems(EngineContext& ctx, const std::string& item);

}  // namespace ftcalc

#endif  // FTCALC_CALC_BILL_ITEMS_H_
