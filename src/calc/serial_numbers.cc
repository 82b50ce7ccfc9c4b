#include "calc/serial_numbers.h"

#include <cstdint>

#include "data/sql_exec.h"
#include "entry/engine_state.h"

namespace ftcalc {

// The priced rows (bill items under 清单法, quotas otherwise) are numbered
// 1, 2, 3... in display order; every other row is left without a number.
void NumberItems() {
  EngineState& engine = Engine();
  ExecSql("update 分部分项 set 序号=NULL");
  Query& query = engine.WorkQuery();
  OpenQuery(query, std::string("select 编号,序号 from 分部分项") +
                       (engine.pricing_method == "清单法" ? " where 标志='项'" : " where 标志='定额'") +
                       " order by 排序,rowid");
  int64_t serial = 0;
  for (query.First(); !query.Eof(); query.Next()) {
    ++serial;
    EditRow(query);
    SetFieldInteger(query, "序号", serial);
    PostRow(query);
  }
}

}  // namespace ftcalc
