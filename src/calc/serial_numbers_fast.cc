// The serial numbers' fast path: the statements clear the number of every
// row of 分部分项 and then write each priced row's, rewriting the whole
// table even when no number changes. Here a row is written only when what
// it ends up holding differs from what it holds: a number to clear, or a
// serial it does not hold yet.
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "calc/context.h"
#include "calc/serial_numbers.h"
#include "data/fields.h"
#include "data/schema_info.h"

namespace ftcalc {
namespace {

// Whether 序号 may hold NULL: with NOT NULL declared, clearing it fails, and
// the statements must meet that failure as they would.
bool NumberMayBeCleared(Database& db) {
  Query info;
  if (!db.Open(info, "select \"notnull\" from pragma_table_info('分部分项') where name='序号'",
               /*report_errors=*/false) ||
      info.RecordCount() != 1) {
    return false;
  }
  info.First();
  return FieldText(info, "notnull") == "0";
}

}  // namespace

bool NumberItemsFast(EngineContext& ctx) {
  Database& db = ctx.db;
  // Every row has its own integer key, so "编号=<key>" writes the one row
  // the statements' write reaches. An INTEGER serial stays an INTEGER only
  // in a column of INTEGER or NUMERIC affinity; elsewhere a stored number
  // is no proof that writing it again would store the same.
  if (!IsIntegerKeyColumn(db, "分部分项", "编号") || !NumberMayBeCleared(db)) return false;
  const bool serials_stay_integers = HasNumericAffinity(db, "分部分项", "序号") &&
                                     RealAffinityColumns(db, "分部分项").count("序号") == 0;

  // What every row holds now, where it holds anything.
  Query held;
  if (!db.Open(held, "select 编号,序号 from 分部分项 where 序号 is not null",
               /*report_errors=*/false)) {
    return false;
  }
  std::unordered_map<int64_t, SqlValue> numbers;
  numbers.reserve(held.RecordCount());
  for (held.First(); !held.Eof(); held.Next()) {
    if (held.Value(0).type() != SQLITE_INTEGER) return false;
    numbers.emplace(held.Value(0).integer(), held.Value(1));
  }
  held.Close();

  Query rows;
  if (!db.Open(rows, NumberedRowsSql(ctx), /*report_errors=*/false)) return false;
  int64_t serial = 0;
  for (rows.First(); !rows.Eof(); rows.Next()) {
    ++serial;
    if (rows.Value(0).type() != SQLITE_INTEGER) return false;
    const int64_t key = rows.Value(0).integer();
    auto found = numbers.find(key);
    const bool holds_it = found != numbers.end() && serials_stay_integers &&
                          found->second.type() == SQLITE_INTEGER &&
                          found->second.integer() == serial;
    if (found != numbers.end()) numbers.erase(found);
    if (holds_it) continue;
    db.ExecNumbers("update 分部分项 set 序号={} where 编号={}",
                   {std::to_string(serial), std::to_string(key)});
  }
  // The rows left hold a number that the step clears.
  std::vector<int64_t> cleared;
  cleared.reserve(numbers.size());
  for (const auto& entry : numbers) cleared.push_back(entry.first);
  std::sort(cleared.begin(), cleared.end());
  for (int64_t key : cleared) {
    db.ExecNumbers("update 分部分项 set 序号=NULL where 编号={}", {std::to_string(key)});
  }
  return true;
}

}  // namespace ftcalc
