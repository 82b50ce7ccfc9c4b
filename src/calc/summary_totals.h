// Rebuild of the named totals in 汇总合价.
#ifndef FTCALC_CALC_SUMMARY_TOTALS_H_
#define FTCALC_CALC_SUMMARY_TOTALS_H_

#include <string>

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
// A material line's price in the equipment sums (a, b: line, standard).
std::string LinePrice();
// An amount pasted into a statement: rounded to the price decimals; a
// value that is not finite counts as 0 rather than paste as "inf".
std::string AmountLiteral(const EngineContext& ctx, double value);

}  // namespace ftcalc

#endif  // FTCALC_CALC_SUMMARY_TOTALS_H_
