// The chapter equipment rows of 汇总合价 by their plain statements.
#include <string>

#include "calc/context.h"
#include "calc/summary_totals.h"
#include "data/fields.h"

namespace ftcalc {

void BuildChapterEquipmentPlain(EngineContext& ctx) {
  Database& db = ctx.db;
  const std::string d = ctx.settings.PriceDigits();
  InsertChapterRows(ctx);
  // Each quota of a chapter adds its equipment amount to the chapter's
  // running sum and writes the sum to the chapter's row; a quota before
  // the first chapter heading counts nowhere.
  Query walk;
  db.Open(walk, kEquipmentQuotasSelect);
  Query amount;
  std::string chapter;
  double sum = 0;
  for (walk.First(); !walk.Eof(); walk.Next()) {
    if (StartsChapter(walk)) {
      chapter = FieldText(walk, "名称");
      sum = 0;
      continue;
    }
    if (FieldText(walk, "标志") != "定额" || chapter.empty()) continue;
    db.Open(amount, "select FtRou(total(FtRou( " + LinePrice() + " * a.实际量 * " +
                        FieldNumberLiteral(walk, "工程量") + "," + d + "))," + d +
                        ") as 合计 from 分部分项材料明细 a left join 定额材料明细 b on "
                        "b.编号=a.材料编号 where 主表=" +
                        FieldNumberLiteral(walk, "编号") + " and a.标志=(select 编号 from " +
                        ctx.settings.other_library_alias + ".材料标志 where 名称='设备')");
    sum += FieldNumber(amount, "合计");
    const int index = ChapterOf(chapter);
    if (index >= 0) db.Exec(ChapterRowUpdate(index, AmountLiteral(ctx, sum)));
  }
}

}  // namespace ftcalc
