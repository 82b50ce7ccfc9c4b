// ftcalc explain: how one quota or bill item got its price, worked out
// again from the calculated project with the engine's own fee-sheet and
// formula code, on a read-only connection.
#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calc/bill_items.h"
#include "calc/fee_outcome.h"
#include "calc/fee_sheet.h"
#include "calc/material_kinds.h"
#include "calc/quota_costs.h"
#include "calc/unit_price_fees.h"
#include "commands.h"
#include "data/fields.h"
#include "data/ftrou.h"
#include "data/number_text.h"
#include "data/text_util.h"
#include "engine/setup.h"
#include "json_writer.h"
#include "project_files.h"
#include "project_reader.h"
#include "text_table.h"

namespace ftcalc::cli {
namespace {

struct ExplainOptions {
  std::string project;
  std::string library;
  std::string other;
  long long item = 0;
};

using Align = TextTable::Align;

// The kinds a material line can be of, with the label the table shows.
struct KindLabel {
  MaterialKind kind;
  const char* label;
};
constexpr KindLabel kKindLabels[] = {{MaterialKind::kLabour, "人工"},
                                     {MaterialKind::kMaterial, "材料"},
                                     {MaterialKind::kMachine, "机械"},
                                     {MaterialKind::kMainMaterial, "主材"},
                                     {MaterialKind::kEquipment, "设备"}};

const char* LabelOf(MaterialKind kind) {
  for (const KindLabel& entry : kKindLabels) {
    if (entry.kind == kind) return entry.label;
  }
  return "其他";
}

// The label of the kind the quota step sums a line `a` under, as a column
// of the explain query: the first kind whose selection takes the line's
// 标志, else "其他". The selection is the step's own, so that a line
// counts here exactly where it counts there (for labour, main material
// and equipment only the first 材料标志 row of the name does).
std::string KindLabelSql() {
  std::string sql = "(case";
  for (const KindLabel& entry : kKindLabels) {
    sql += " when " + KindSelectOf("其他", entry.kind).Condition() + " then '" + entry.label + "'";
  }
  return sql + " else '其他' end)";
}

bool IsDirectCostLabel(const std::string& label) {
  for (MaterialKind kind : kDirectCostKinds) {
    if (label == LabelOf(kind)) return true;
  }
  return false;
}

class Explainer {
 public:
  Explainer(sqlite3* db, int digits, std::ostream& out) : db_(db), digits_(digits), out_(out) {}

  // Returns the exit code.
  int Run(long long number) {
    std::string error;
    if (!ReadQuery(db_, "select * from 分部分项 where 编号=" + std::to_string(number), item_,
                   &error)) {
      std::cerr << "ftcalc: cannot read 分部分项: " << error << "\n";
      return 1;
    }
    if (item_.RecordCount() == 0) {
      std::cerr << "ftcalc: 分部分项 has no row with 编号 " << number << "\n";
      return 2;
    }
    item_.First();
    number_ = std::to_string(number);
    const std::string kind = FieldText(item_, "标志");
    out_ << "编号 " << number_ << "  " << kind << "  " << Trim(FieldText(item_, "编码")) << "  "
         << ValidUtf8(Trim(FieldText(item_, "名称"))) << "\n";
    out_ << "工程量 " << FieldText(item_, "工程量") << "    价格小数位 " << digits_;
    if (kind == "定额") out_ << "    单价取费 " << ValidUtf8(FieldText(item_, "单价取费"));
    out_ << "\n";
    if (kind == "定额") {
      if (CAtol(FieldText(item_, "计算")) == 1) {
        out_ << "计算=1：全面计算不重算这一行，下面按它现存的单价重新推算。\n";
      }
      ExplainMaterials();
      return ExplainFeeSheet() ? 0 : 1;
    }
    if (kind == "项") return ExplainBillItem() ? 0 : 1;
    out_ << "这一行不是定额也不是清单项（标志 " << kind << "），没有自己的价格计算。\n";
    return 0;
  }

 private:
  std::string Money(double value) const { return MoneyText(value, digits_); }
  std::string Stored(const char* column) const { return Money(FieldNumber(item_, column)); }

  // ---- material lines ------------------------------------------------------

  void ExplainMaterials() {
    const std::string p = std::to_string(digits_);
    // The lines joined to the library as the quota step joins them, priced
    // by its rule.
    const LineSource source = MaterialLineTables();
    const std::string sql =
        "select a.编号, a.上级编号, ifnull(nullif(a.编码,''),b.编码) as 编码, "
        "ifnull(nullif(a.名称,''),b.名称) as 名称, " +
        source.unit + " as 单位, a.实际量, f.名称 as 类别, " + KindLabelSql() + " as 种类, " +
        LinePriceSourceSql("b.编号 is null") + " as 来源, " + source.price + " as 价格, FtRou(" +
        source.price + "*a.实际量," + p + ") as 金额, FtRou(" + source.price +
        "*a.实际量*fb.工程量," + p + ") as 主材金额" + source.from_with_quota +
        " left join \"其他\".材料标志 f on f.编号=a.标志 where a.主表=" + number_ +
        " order by a.编号,a.rowid";
    Query lines;
    std::string error;
    out_ << "\n材料明细\n";
    if (!ReadQuery(db_, sql, lines, &error)) {
      out_ << "  无法读取：" << error << "\n";
      return;
    }
    if (lines.RecordCount() == 0) {
      out_ << "  没有材料明细：人工费、材料费、机械费按这一行录入的单价计。\n";
      PrintUnitCosts({});
      return;
    }
    std::map<std::string, double> top_sums;     // per kind, top-level lines
    std::map<std::string, double> percentages;  // per kind, Σ 实际量 of % lines
    double main_total = 0, equipment = 0;
    TextTable table({"类别", "编码", "名称", "单位", "实际量", "价格", "来源", "金额"},
                    {Align::kLeft, Align::kLeft, Align::kLeft, Align::kLeft, Align::kRight,
                     Align::kRight, Align::kLeft, Align::kRight});
    for (lines.First(); !lines.Eof(); lines.Next()) {
      const std::string flag = FieldText(lines, "类别");
      const std::string kind = FieldText(lines, "种类");
      const bool top = CAtof(FieldText(lines, "上级编号")) == 0;
      const bool priced = !lines.Value(lines.FieldIndex("价格")).is_null();
      const double amount = FieldNumber(lines, "金额");
      const bool percent = FieldText(lines, "单位") == "%";
      std::string note = FieldText(lines, "来源");
      if (IsDirectCostLabel(kind)) {
        if (top) top_sums[kind] += amount;
        if (percent) percentages[kind] += FieldNumber(lines, "实际量");
        if (!top && !percent) note += note.empty() ? "组成，不计入" : "，组成不计入";
      } else if (kind == "主材") {
        // Priced for the quota's whole quantity, as the quota step sums it.
        main_total += FieldNumber(lines, "主材金额");
      } else if (kind == "设备") {
        equipment += amount;
      } else {
        note += note.empty() ? "不计入" : "，不计入";
      }
      table.AddRow({flag.empty() ? "?" : ValidUtf8(flag) + (kind == flag ? "" : "/" + kind),
                    (top ? "" : "└ ") + ValidUtf8(FieldText(lines, "编码")),
                    ValidUtf8(FieldText(lines, "名称")), ValidUtf8(FieldText(lines, "单位")),
                    FieldText(lines, "实际量"), priced ? Money(FieldNumber(lines, "价格")) : "—",
                    note, priced ? Money(amount) : "—"});
    }
    table.Print(out_, "  ");
    out_ << "  价格：信息价大于 0 用信息价，否则基价不为 0 用基价，否则用定额库基价。\n";

    std::map<std::string, double> unit_costs;
    for (MaterialKind direct : kDirectCostKinds) {
      const std::string kind = LabelOf(direct);
      const double base = RoundHalfUp(digits_, top_sums[kind]);
      const double extra = RoundHalfUp(digits_, base * percentages[kind] / 100);
      unit_costs[kind] = base + extra;
      percent_notes_[kind] =
          percentages[kind] != 0
              ? Money(base) + " + " + NumberText(percentages[kind]) + "% = " + Money(base + extra)
              : std::string();
    }
    unit_costs["主材"] = RoundHalfUp(digits_, main_total);
    unit_costs["设备"] = RoundHalfUp(digits_, equipment);
    PrintUnitCosts(unit_costs);
  }

  void PrintUnitCosts(const std::map<std::string, double>& computed) {
    out_ << "\n单价\n";
    TextTable table({"项目", "由材料明细", "存储"}, {Align::kLeft, Align::kRight, Align::kRight});
    for (MaterialKind direct : kDirectCostKinds) {
      const std::string kind = LabelOf(direct);
      const std::string column = UnitCostColumn(direct);
      auto found = computed.find(kind);
      std::string from_lines = found == computed.end() ? "—" : Money(found->second);
      if (found != computed.end() && !percent_notes_[kind].empty()) {
        from_lines = percent_notes_[kind];
      }
      table.AddRow({column, from_lines, Stored(column.c_str())});
    }
    if (computed.count("主材")) {
      table.AddRow({"合价_主材费（×工程量）", Money(computed.at("主材")), Stored("合价_主材费")});
      table.AddRow({"合价_设备费", Money(computed.at("设备")), Stored("合价_设备费")});
    }
    table.AddRow({"定额基价", "", Stored("定额基价")});
    table.Print(out_, "  ");
  }

  // ---- the fee sheet -------------------------------------------------------

  // The lines `sql` reads from `table`; a failure is shown when `report`
  // says so, and leaves no lines.
  std::vector<FeeLine> SheetLines(const std::string& sql, const std::string& table,
                                  bool report = true) {
    std::vector<FeeLine> lines;
    Query query;
    std::string error;
    if (!ReadQuery(db_, sql, query, &error)) {
      if (report) out_ << "  无法读取 " << table << "：" << error << "\n";
      return lines;
    }
    for (query.First(); !query.Eof(); query.Next()) {
      lines.push_back(
          {FieldText(query, "顺号"), FieldText(query, "项目"), FieldText(query, "公式")});
    }
    return lines;
  }

  std::vector<FeeLine> StandardSheet(const std::string& profession, bool report = true) {
    return SheetLines(StandardFeeSheetSql(profession), "工程取费", report);
  }
  std::vector<FeeLine> OwnSheet(const std::string& number, bool report = true) {
    return SheetLines(OwnFeeSheetSql(number, "顺号,项目,公式"), "分部分项取费明细", report);
  }

  // The basis of a full calculation: the first sheet, in the order the
  // calculation walks its quotas, that names a unit or total line decides
  // it.
  FeeBasis FullRunBasis(std::string* decided_by) {
    Query quotas;
    if (!ReadQuery(db_, QuotaRowsSql("0", "编号,单价取费"), quotas, nullptr)) {
      return FeeBasis::kUndetermined;
    }
    std::map<std::string, FeeBasis> standard;
    for (quotas.First(); !quotas.Eof(); quotas.Next()) {
      const std::string number = FieldNumberLiteral(quotas, "编号");
      const std::vector<FeeLine> own = OwnSheet(number, false);
      FeeBasis basis;
      if (!own.empty()) {
        basis = BasisOfSheet(own);
      } else {
        const std::string profession = FieldText(quotas, "单价取费");
        auto cached = standard.find(profession);
        if (cached == standard.end()) {
          cached =
              standard.emplace(profession, BasisOfSheet(StandardSheet(profession, false))).first;
        }
        basis = cached->second;
      }
      if (basis != FeeBasis::kUndetermined) {
        *decided_by = number;
        return basis;
      }
    }
    return FeeBasis::kUndetermined;
  }

  // The value a resolved line stands for where it is referred to:
  // negative values in parentheses, as the sheet substitutes them.
  static std::string ReferenceValue(std::string value) {
    if (value.size() > 2 && value.front() == '(' && value.back() == ')') {
      value = value.substr(1, value.size() - 2);
    }
    return CAtof(value) < 0 ? "(" + value + ")" : value;
  }

  bool ExplainFeeSheet() {
    std::vector<FeeLine> lines = OwnSheet(number_);
    const bool own = !lines.empty();
    const std::string profession = FieldText(item_, "单价取费");
    if (!own) lines = StandardSheet(profession);

    std::string decided_by;
    FeeBasis basis = FullRunBasis(&decided_by);
    const bool this_item_decides = decided_by.empty() || decided_by == number_;
    if (basis == FeeBasis::kUndetermined) basis = BasisOfSheet(lines);
    const bool total_basis = basis == FeeBasis::kTotal;

    out_ << "\n取费（"
         << (own ? "本行的取费明细 分部分项取费明细" : "工程取费 综合单价 " + ValidUtf8(profession))
         << "；系统标记取" << (total_basis ? "合价" : "单价") << "列";
    if (!this_item_decides) out_ << "，由编号 " << decided_by << " 的取费决定";
    out_ << "）\n";
    if (lines.empty()) {
      out_ << "  没有取费行：综合单价和综合合价为 0。\n";
    }

    FeeSheet sheet(lines, item_, basis, digits_);
    sheet.Resolve();
    std::map<std::string, std::string> resolved;  // reference -> value substituted
    for (const FeeLine& line : lines) {
      const std::string tag = "<:" + Trim(line.number) + ">";
      const std::string working = sheet.WorkingFormula(tag);
      // Only a line evaluated during the passes holds a number and was put
      // into the lines that refer to it; a formula whose references were
      // all filled in by the last pass is evaluated only when it is read.
      const std::string value = ReferenceValue(working);
      std::string bare = value;
      if (bare.size() > 2 && bare.front() == '(') bare = bare.substr(1, bare.size() - 2);
      if (!bare.empty() && CAtofLength(bare) == bare.size()) {
        resolved.emplace("<" + Trim(line.number) + ">", value);
      }
    }
    size_t label_width = 0, name_width = 0;
    for (const FeeLine& line : lines) {
      label_width = std::max(label_width, DisplayWidth(Trim(line.number)));
      name_width = std::max(name_width, DisplayWidth(Trim(line.name)));
    }
    const auto pad = [](const std::string& text, size_t width) {
      const size_t used = DisplayWidth(text);
      return text + std::string(used < width ? width - used : 0, ' ');
    };
    for (const FeeLine& line : lines) {
      const std::string label = Trim(line.number);
      std::string substituted = SubstitutedFeeFormula(line.formula, item_, basis);
      for (const auto& [reference, value] : resolved) ReplaceAll(substituted, reference, value);
      const std::string tag = "<:" + label + ">";
      const bool open = Contains(sheet.WorkingFormula(tag), "<");
      const double value = RoundHalfUp(digits_, CAtof(sheet.EvaluatedValue(tag)));
      out_ << "  " << pad(ValidUtf8(label), label_width) << "  "
           << pad(ValidUtf8(Trim(line.name)), name_width) << "  " << Money(value)
           << (open ? "（引用未解出，按 0 计）" : "") << "\n";
      const std::string formula = Trim(line.formula);
      const std::string indent(label_width + 4, ' ');
      out_ << indent << "公式  " << ValidUtf8(formula.empty() ? "（空）" : formula) << "\n";
      if (substituted != formula) out_ << indent << "代入  " << ValidUtf8(substituted) << "\n";
    }

    // Composite unit price and total, as the sheet's unit or total line gives them.
    const double quantity = FieldNumber(item_, "工程量");
    const SheetOutcome outcome = OutcomeOf(sheet, basis, quantity, digits_);
    const double unit = outcome.unit, total = outcome.total;
    out_ << "\n";
    switch (PricedByOf(sheet, basis)) {
      case PricedBy::kUnitLine:
        out_ << "综合单价 = " << sheet.unit_tag().substr(2, sheet.unit_tag().size() - 3)
             << " 行 = " << Money(unit) << "    存储 " << Stored("综合单价") << "\n";
        out_ << "综合合价 = " << Money(unit) << " × " << NumberText(quantity) << " = "
             << Money(total) << "    存储 " << Stored("综合合价") << "\n";
        break;
      case PricedBy::kTotalLine:
        out_ << "综合合价 = " << sheet.total_tag().substr(2, sheet.total_tag().size() - 3)
             << " 行 = " << Money(total) << "    存储 " << Stored("综合合价") << "\n";
        out_ << "综合单价 = " << Money(total) << " ÷ " << NumberText(quantity) << " = "
             << Money(unit) << "    存储 " << Stored("综合单价") << "\n";
        break;
      case PricedBy::kNothing:
        out_ << "取费没有名为 单价/综合单价/合价/综合合价 的行：综合单价 = 0，综合合价 = 0"
             << "    存储 " << Stored("综合单价") << " / " << Stored("综合合价") << "\n";
        break;
    }

    std::string written;
    for (const auto& [column, value] : outcome.columns) {
      written += (written.empty() ? "" : "，") + column + " " + Money(value);
    }
    if (ClearsPriceColumns(outcome, own && lines.size() == 1)) {
      out_ << "直接费和各项费用列先清为 0（单行取费或价格为 0）。\n";
    }
    if (!written.empty()) out_ << "写入列：" << ValidUtf8(written) << "\n";
    return true;
  }

  // ---- bill items ----------------------------------------------------------

  bool ExplainBillItem() {
    Query own;
    std::string error;
    if (ReadQuery(
            db_,
            "select 顺号,项目,费用 from 分部分项取费明细 where 主表=" + number_ + " order by rowid",
            own, &error) &&
        own.RecordCount() > 0) {
      out_ << "\n本项的取费明细（最后一行的费用就是综合单价）\n";
      TextTable table({"顺号", "项目", "费用"}, {Align::kLeft, Align::kLeft, Align::kRight});
      double last = 0;
      for (own.First(); !own.Eof(); own.Next()) {
        last = FieldNumber(own, "费用");
        table.AddRow({FieldText(own, "顺号"), ValidUtf8(FieldText(own, "项目")), Money(last)});
      }
      table.Print(out_, "  ");
      const double unit = RoundHalfUp(digits_, last);
      out_ << "\n综合单价 = " << Money(unit) << "    存储 " << Stored("综合单价") << "\n";
      out_ << "综合合价 = " << Money(unit) << " × " << FieldText(item_, "工程量") << " = "
           << Money(RoundHalfUp(digits_, unit * FieldNumber(item_, "工程量"))) << "    存储 "
           << Stored("综合合价") << "\n";
      return true;
    }
    const std::string note = Trim(FieldText(item_, "附注信息"));
    if (!note.empty()) {
      out_ << "\n附注信息 " << ValidUtf8(note)
           << (Contains(note, "%") ? "：按其他各章清单合计的百分比计价" : "：按固定金额计价")
           << "\n";
      out_ << "综合单价 " << Stored("综合单价") << "，综合合价 " << Stored("综合合价") << "\n";
      return true;
    }

    Query quotas;
    if (!ReadQuery(db_,
                   "select 编号,编码,名称,工程量,综合单价,综合合价 from 分部分项 where 标志='定额' "
                   "and 上级编号=" +
                       number_ + " order by 排序,rowid",
                   quotas, &error)) {
      out_ << "无法读取定额：" << error << "\n";
      return false;
    }
    out_ << "\n定额\n";
    if (quotas.RecordCount() == 0) {
      out_ << "  没有定额：综合单价和综合合价为 0。\n";
      return true;
    }
    TextTable table(
        {"编号", "编码", "名称", "工程量", "综合单价", "综合合价"},
        {Align::kRight, Align::kLeft, Align::kLeft, Align::kRight, Align::kRight, Align::kRight});
    for (quotas.First(); !quotas.Eof(); quotas.Next()) {
      table.AddRow({FieldText(quotas, "编号"), ValidUtf8(FieldText(quotas, "编码")),
                    ValidUtf8(FieldText(quotas, "名称")), FieldText(quotas, "工程量"),
                    Money(FieldNumber(quotas, "综合单价")),
                    Money(FieldNumber(quotas, "综合合价"))});
    }
    table.Print(out_, "  ");

    // Each unit amount is the rounded sum of the quotas' amount × quantity,
    // over the item's quantity; the composite is their plain sum.
    const std::string p = std::to_string(digits_);
    const auto& columns = kCompositePriceParts;
    std::string sql = "select ";
    for (const char* column : columns) {
      sql += std::string(column == columns[0] ? "" : ",") + "FtRou(total(" + column + "*工程量)," +
             p + ") as \"" + column + "\"";
    }
    sql += " from 分部分项 where 标志='定额' and 上级编号=" + number_;
    Query sums;
    if (!ReadQuery(db_, sql, sums, &error)) {
      out_ << "无法汇总：" << error << "\n";
      return false;
    }
    sums.First();
    const double quantity = FieldNumber(item_, "工程量");
    out_ << "\n单价分项（Σ 定额分项 × 定额工程量 ÷ 清单工程量 " << NumberText(quantity) << "）\n";
    TextTable parts({"项目", "合计", "单价", "存储"},
                    {Align::kLeft, Align::kRight, Align::kRight, Align::kRight});
    double unit = 0;
    for (const char* column : columns) {
      const double sum = FieldNumber(sums, column);
      const double part = quantity == 0 ? 0 : RoundHalfUp(digits_, sum / quantity);
      unit += part;
      parts.AddRow({column, Money(sum), Money(part), Stored(column)});
    }
    parts.Print(out_, "  ");
    out_ << "\n综合单价 = 各项单价之和 = " << Money(unit) << "    存储 " << Stored("综合单价")
         << "\n";
    out_ << "综合合价 = " << Money(unit) << " × " << NumberText(quantity) << " = "
         << Money(RoundHalfUp(digits_, unit * quantity)) << "    存储 " << Stored("综合合价")
         << "\n";
    return true;
  }

  sqlite3* db_;
  int digits_;
  std::ostream& out_;
  Query item_;
  std::string number_;
  std::map<std::string, std::string> percent_notes_;
};

int RunExplain(const ExplainOptions& options) {
  std::string error;
  ProjectConnection connection;
  if (!connection.OpenReadOnly(options.project, options.library, options.other, &error)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  sqlite3* db = connection.handle();
  const std::string alias = options.library.empty() ? std::string() : FileBaseName(options.library);
  FtRouRegistration ftrou;
  ftrou.Register(db);
  Explainer explainer(db, PriceDecimals(db, alias), std::cout);
  const int status = explainer.Run(options.item);
  return status;
}

}  // namespace

void AddExplainCommand(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<ExplainOptions>();
  CLI::App* explain = app.add_subcommand(
      "explain", "show how one calculated quota or bill item got its price (read-only)");
  explain->add_option("project", options->project, "project database file")->required();
  explain
      ->add_option("--library", options->library, "library database (attached under its base name)")
      ->required();
  explain->add_option("--other", options->other, "other-quota library (attached as 其他)")
      ->required();
  explain->add_option("--item", options->item, "编号 of the row in 分部分项")->required();
  explain->callback([options, &exit_code] { exit_code = RunExplain(*options); });
}

}  // namespace ftcalc::cli
