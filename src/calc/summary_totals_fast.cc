// The fast paths of 汇总合价: the chapter equipment rows from one grouped
// query, the per-profession totals from one pass over the quota rows.
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "calc/context.h"
#include "calc/summary_totals.h"
#include "data/fields.h"
#include "data/text_util.h"
#include "data/number_text.h"
#include "data/row_reader.h"
#include "data/schema_info.h"

namespace ftcalc {
namespace {

// Per-quota quantity literals for the grouped equipment query. A temporary
// table of this connection only: nothing of it reaches the project file.
constexpr char kQuantityTable[] = "temp.ftcalc_equipment_quantity";
constexpr char kCreateQuantityTable[] =
    "create temp table ftcalc_equipment_quantity(编号 integer primary key, 工程量)";

// Rows per insert into the quantity table (SQLite's compound-select limit).
constexpr size_t kInsertChunk = 500;

struct EquipmentQuota {
  int64_t key = 0;
  std::string number;    // 编号 as pasted
  std::string quantity;  // 工程量 as pasted (a number literal)
};


// Equipment amount of every quota in `quotas`, by 编号.
//
// The amount of one quota n of quantity text q is, by definition, 合计 of
//   select FtRou(total(FtRou(<price> * a.实际量 * q, D)), D) as 合计
//   from 分部分项材料明细 a left join 定额材料明细 b on b.编号=a.材料编号
//   where 主表=n and a.标志=(select 编号 from M.材料标志 where 名称='设备')
// Run once per quota, that scans every material line per quota. Instead the
// literals q are loaded into a temporary table keyed by 编号 and one grouped
// query joins them, so that each line is multiplied by the very value (and
// storage class) SQLite parses from the literal q; the per-line and per-sum
// FtRou are kept. (Joining 分部分项.工程量 itself would not do: the literal
// holds only 15 significant digits, a whole value pastes as an integer, and
// SQLite's own number texts may round differently.) A quota without equipment lines has no group and reads 0,
// as total() over no rows does. Summation order within a group may differ
// from the per-quota scan, but every summand is already rounded to D
// decimals, so the rounded sum cannot differ. The cross join keeps the
// material lines as the outer loop, so each line costs two key look-ups.
bool EquipmentAmounts(EngineContext& ctx, const std::vector<EquipmentQuota>& quotas,
                      std::unordered_map<int64_t, double>* amounts) {
  if (quotas.empty()) return true;
  Database& db = ctx.db;
  const std::string digits = ctx.settings.PriceDigits();

  if (!db.TryExec(std::string("drop table if exists ") + kQuantityTable) ||
      !db.TryExec(kCreateQuantityTable)) {
    return false;
  }
  for (size_t begin = 0; begin < quotas.size(); begin += kInsertChunk) {
    std::string sql = std::string("insert into ") + kQuantityTable + "(编号,工程量) values ";
    size_t end = std::min(quotas.size(), begin + kInsertChunk);
    for (size_t i = begin; i < end; ++i) {
      if (i > begin) sql += ",";
      sql += "(" + quotas[i].number + "," + quotas[i].quantity + ")";
    }
    if (!db.TryExec(sql)) return false;
  }

  Query query;
  if (!db.Open(query, "select q.编号 as 编号,FtRou(total(FtRou( " + LinePrice() +
                          " * a.实际量 * q.工程量," + digits + "))," + digits +
                          ") as 合计 from 分部分项材料明细 a cross join " + kQuantityTable +
                          " q on q.编号=a.主表 left join 定额材料明细 b on b.编号=a.材料编号 "
                          "where a.标志=(select 编号 from " +
                          ctx.settings.other_library_alias +
                          ".材料标志 where 名称='设备') group by q.编号")) {
    return false;
  }
  for (query.First(); !query.Eof(); query.Next()) {
    (*amounts)[CAtol(FieldText(query, "编号"))] = FieldNumber(query, "合计");
  }
  return db.TryExec(std::string("drop table if exists ") + kQuantityTable);
}

}  // namespace

bool BuildChapterEquipmentFast(EngineContext& ctx) {
  // The grouped query joins a line to its quota by "q.编号=a.主表" where the
  // statement compares "主表=<编号>": the same rows only when 主表 holds
  // numbers as numbers.
  if (!HasNumericAffinity(ctx.db, "分部分项材料明细", "主表")) return false;
  InsertChapterRows(ctx);
  Query walk;
  if (!ctx.db.Open(walk, kEquipmentQuotasSelect)) return false;

  // A quota counts only once a chapter heading has been met, so only those
  // quotas need an amount.
  std::vector<EquipmentQuota> quotas;
  bool in_chapter = false;
  for (walk.First(); !walk.Eof(); walk.Next()) {
    if (StartsChapter(walk)) {
      in_chapter = true;
    } else if (FieldText(walk, "标志") == "定额" && in_chapter) {
      EquipmentQuota quota;
      quota.number = FieldNumberLiteral(walk, "编号");
      quota.key = CAtol(quota.number);
      quota.quantity = FieldNumberLiteral(walk, "工程量");
      quotas.push_back(std::move(quota));
    }
  }
  std::unordered_map<int64_t, double> amounts;
  if (!EquipmentAmounts(ctx, quotas, &amounts)) return false;

  // Every quota of a chapter rewrites the chapter's row with the running
  // sum, so the row ends with the last value written; writing only that
  // last value once leaves the same table (the rows are not otherwise
  // touched in between).
  std::string last_written[kChapterCount];
  bool written[kChapterCount] = {};
  std::string chapter;
  double sum = 0;
  size_t next_quota = 0;
  for (walk.First(); !walk.Eof(); walk.Next()) {
    if (StartsChapter(walk)) {
      chapter = FieldText(walk, "名称");
      sum = 0;
      continue;
    }
    if (FieldText(walk, "标志") != "定额" || chapter.empty()) continue;
    // Quotas reach this point in the order in which they were collected.
    const EquipmentQuota& quota = quotas[next_quota++];
    auto found = amounts.find(quota.key);
    if (found != amounts.end()) sum += found->second;
    const int index = ChapterOf(chapter);
    if (index >= 0) {
      last_written[index] = AmountLiteral(ctx, sum);
      written[index] = true;
    }
  }
  for (int i = 0; i < kChapterCount; ++i) {
    if (written[i] && ctx.db.Exec(ChapterRowUpdate(i, last_written[i])) < 0) return false;
  }
  return true;
}

std::string ProfessionTotalColumn(const std::string& statement) {
  static const std::string kHead = "select total(";
  static const std::string kTail =
      std::string(") as 合价 from 分部分项 where 标志='定额' and ") + kPerProfessionPlaceholder;
  if (statement.size() <= kHead.size() + kTail.size() ||
      statement.compare(0, kHead.size(), kHead) != 0 ||
      statement.compare(statement.size() - kTail.size(), kTail.size(), kTail) != 0) {
    return std::string();
  }
  const std::string column =
      statement.substr(kHead.size(), statement.size() - kHead.size() - kTail.size());
  return IsPlainIdentifier(column) ? column : std::string();
}

namespace {

// Adds up, per column and profession, the rows of `sql`: the columns'
// values, then one flag per profession. With `grouped` each value is its
// row's total(); else it is the value as stored, which total() would take
// as the same double where it is a number (NULL adds nothing). False where
// a stored value is a TEXT or BLOB (total() reads those by rules of its
// own) or the read fails.
bool AddRows(EngineContext& ctx, const std::string& sql, bool grouped, size_t professions,
             std::vector<std::vector<double>>* sums) {
  Statement rows;
  if (!ctx.db.TryPrepare(rows, sql)) return false;
  const size_t columns = sums->size();
  const int first_flag = static_cast<int>(columns);
  std::vector<bool> matches(professions);
  int rc;
  while ((rc = rows.Step()) == SQLITE_ROW) {
    const RowReader row(rows);
    for (size_t i = 0; i < professions; ++i) {
      const ValueView flag = row.View(first_flag + static_cast<int>(i));
      matches[i] = flag.type == SQLITE_INTEGER && flag.integer != 0;
    }
    for (size_t c = 0; c < columns; ++c) {
      const ValueView value = row.View(static_cast<int>(c));
      double number = 0;
      if (value.type == SQLITE_FLOAT) {
        number = value.real;
      } else if (!grouped && value.type == SQLITE_INTEGER) {
        number = static_cast<double>(value.integer);
      } else if (!grouped && value.type == SQLITE_NULL) {
        continue;
      } else {
        return false;
      }
      for (size_t i = 0; i < professions; ++i) {
        if (matches[i]) (*sums)[c][i] += number;
      }
    }
  }
  return rc == SQLITE_DONE;
}

}  // namespace

bool ProfessionSums::Work(EngineContext& ctx, const std::vector<std::string>& columns,
                          const std::vector<std::string>& professions) {
  std::vector<std::vector<double>> sums(columns.size(),
                                        std::vector<double>(professions.size(), 0.0));
  if (!professions.empty()) {
    // The quota rows in rowid order, as each statement's scan meets them;
    // SQLite tests each profession as the where clause would. Read as
    // stored first; where a value is a text, grouped by rowid, which gives
    // each row's own total(C).
    std::string values;
    std::string totals;
    for (size_t c = 0; c < columns.size(); ++c) {
      values += (c > 0 ? ",(" : "(") + columns[c] + ")";
      totals += (c > 0 ? ",total(" : "total(") + columns[c] + ")";
    }
    std::string flags;
    for (const std::string& profession : professions) {
      flags += ",单价取费='" + SqlQuoted(profession) + "'";
    }
    const std::string from = " from 分部分项 where 标志='定额'";
    if (!AddRows(ctx, "select " + values + flags + from + " order by rowid", false,
                 professions.size(), &sums)) {
      for (std::vector<double>& column : sums) std::fill(column.begin(), column.end(), 0.0);
      if (!AddRows(ctx, "select " + totals + flags + from + " group by rowid", true,
                   professions.size(), &sums)) {
        return false;
      }
    }
  }
  professions_ = professions;
  for (size_t c = 0; c < columns.size(); ++c) sums_[columns[c]] = std::move(sums[c]);
  return true;
}

const std::vector<double>* ProfessionSums::Find(EngineContext& ctx, const std::string& column,
                                                const std::vector<std::string>& professions) {
  if (professions != professions_) {
    sums_.clear();
  } else if (auto found = sums_.find(column); found != sums_.end()) {
    return &found->second;
  }
  // The columns still to come in one pass with this one; should one of
  // them not read (a column the table lacks), this one on its own.
  std::vector<std::string> columns{column};
  for (const std::string& other : ahead_) {
    if (other != column && sums_.count(other) == 0 &&
        std::find(columns.begin(), columns.end(), other) == columns.end()) {
      columns.push_back(other);
    }
  }
  if (!(columns.size() > 1 && Work(ctx, columns, professions)) &&
      !Work(ctx, {column}, professions)) {
    return nullptr;
  }
  return &sums_.at(column);
}

bool InsertProfessionTotalsFast(EngineContext& ctx, const std::string& name,
                                const std::string& statement,
                                const std::vector<std::string>& professions,
                                ProfessionSums* sums) {
  const std::string column = ProfessionTotalColumn(statement);
  if (column.empty() || !TotalAddsInRowOrder()) return false;
  const std::vector<double>* found = sums->Find(ctx, column, professions);
  if (found == nullptr) return false;
  const std::vector<double> values = *found;
  for (size_t i = 0; i < professions.size(); ++i) {
    if (!InsertTotal(ctx, professions[i], name, values[i])) return false;
  }
  return true;
}

}  // namespace ftcalc
