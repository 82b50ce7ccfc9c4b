#include "calc/serial_numbers.h"

#include <cstdint>

#include "calc/context.h"
#include "calc/fast_path.h"
#include "data/fields.h"

namespace ftcalc {

std::string NumberedRowsSql(const EngineContext& ctx) {
  return std::string("select 编号,序号 from 分部分项") +
         (ctx.settings.bill_pricing() ? " where 标志='项'" : " where 标志='定额'") +
         " order by 排序,rowid";
}

void NumberItemsPlain(EngineContext& ctx) {
  Database& db = ctx.db;
  db.Exec("update 分部分项 set 序号=NULL");
  Query rows;
  db.Open(rows, NumberedRowsSql(ctx));
  int64_t serial = 0;
  for (rows.First(); !rows.Eof(); rows.Next()) {
    ++serial;
    rows.Edit();
    SetFieldInteger(rows, "序号", serial);
    db.Post(rows);
  }
}

void NumberItems(EngineContext& ctx) {
  if (TryFastPath(ctx, "生成序号", [&ctx] { return NumberItemsFast(ctx); })) return;
  NumberItemsPlain(ctx);
}

}  // namespace ftcalc
