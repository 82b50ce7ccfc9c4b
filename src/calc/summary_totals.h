// Rebuild of the named totals in 汇总合价.
#ifndef FTCALC_CALC_SUMMARY_TOTALS_H_
#define FTCALC_CALC_SUMMARY_TOTALS_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ftcalc {

class EngineContext;
class Query;

void BuildSummaryTotals(EngineContext& ctx);

// The two ways of the chapter equipment rows (清单法 only). The plain
// statements price each equipment quota by its own statement and write
// the chapter's row after every quota; the fast path prices them all with
// one grouped query and writes each row's last value once, and must leave
// exactly what the plain statements leave.
void BuildChapterEquipmentPlain(EngineContext& ctx);
bool BuildChapterEquipmentFast(EngineContext& ctx);

// A configured total of the form "select total(C) as 合价 from 分部分项
// where 标志='定额' and 单价取费=[]" gives one sum per profession. The
// statements scan the table once per profession; here one pass over the
// quota rows adds each row's total(C), in rowid order, to the professions
// whose "单价取费='<profession>'" holds for it, and does so for the columns
// of the configured totals still to come (`ahead`) at the same time: the
// totals' inserts change nothing 分部分项 holds, where no trigger does (the
// caller gives no `ahead` then).
class ProfessionSums {
 public:
  // The columns of the configured totals of the form above, in their order.
  void set_ahead(std::vector<std::string> columns) { ahead_ = std::move(columns); }

  // The sums of `column` for `professions`, worked out now or by an earlier
  // pass over the same professions; null where a pass fails.
  const std::vector<double>* Find(EngineContext& ctx, const std::string& column,
                                  const std::vector<std::string>& professions);

 private:
  bool Work(EngineContext& ctx, const std::vector<std::string>& columns,
            const std::vector<std::string>& professions);

  std::vector<std::string> ahead_;
  std::vector<std::string> professions_;
  std::map<std::string, std::vector<double>> sums_;
};

// C of a configured total of that form, or "" for any other statement.
std::string ProfessionTotalColumn(const std::string& statement);

// Inserts the rows of such a total as the statements do, with the sums of
// `sums`. False (nothing inserted) for any other statement, or where the
// sums could differ (see TotalAddsInRowOrder).
bool InsertProfessionTotalsFast(EngineContext& ctx, const std::string& name,
                                const std::string& statement,
                                const std::vector<std::string>& professions,
                                ProfessionSums* sums);

// The names of the chapter equipment rows: the mark of chapter `chapter`
// (0 to 6) followed by "章 设备费".
std::string ChapterRowName(int chapter);

// The statement of one line of a configured total under the pricing method
// `method`, or "" when the line does not apply. A line "method;statement"
// applies under its own method and always under 工程总价; the statement
// ends at a further ";". A statement holding kPerProfessionPlaceholder
// gives one row per specialty profession (the placeholder becoming
// 单价取费='profession'), any other one 工程总价 row.
std::string StatementOfLine(const std::string& line, const std::string& method);
inline constexpr char kPerProfessionPlaceholder[] = "单价取费=[]";

// Shared by both.
constexpr int kChapterCount = 7;
// "第100" ... "第700", in the order a chapter heading is tested against them.
extern const char* const kChapterMarks[kChapterCount];
// Inserts the seven rows, each with 合价 0.
void InsertChapterRows(EngineContext& ctx);
// The chapter headings and the quotas with equipment, in display order.
extern const char kEquipmentQuotasSelect[];
// Whether the current row of that select starts a chapter.
bool StartsChapter(const Query& rows);
// The chapter (0 to 6) whose mark the heading's name holds, or -1.
int ChapterOf(const std::string& chapter_name);
// The update of chapter row `chapter` to `amount`.
std::string ChapterRowUpdate(int chapter, const std::string& amount);
// A material line's price in the equipment sums (a, b: line, standard):
// the quota step's own (LinePriceSql).
std::string LinePrice();
// Inserts one 汇总合价 row of a configured total; false when the insert
// fails (it is reported).
bool InsertTotal(EngineContext& ctx, const std::string& category, const std::string& name,
                 double value);
// An amount pasted into a statement: rounded to the price decimals; a
// value that is not finite counts as 0 rather than paste as "inf".
std::string AmountLiteral(const EngineContext& ctx, double value);

}  // namespace ftcalc

#endif  // FTCALC_CALC_SUMMARY_TOTALS_H_
