// ftcalc check: reads every fee formula of a project, read-only, and lists
// what the calculation would not evaluate as written, with where it is.
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "calc/project_fees.h"
#include "calc/summary_totals.h"
#include "commands.h"
#include "data/fields.h"
#include "data/text_util.h"
#include "engine/setup.h"
#include "formula_problems.h"
#include "json_writer.h"
#include "project_files.h"
#include "project_reader.h"
#include "text_table.h"
#include "tree_problems.h"

namespace ftcalc::cli {
namespace {

struct CheckOptions {
  std::string project;
  std::string library;
  std::string other;
  bool json = false;
};

// One problem with its place: table, sheet (profession, item or table
// name), 顺号 and 项目 of the line.
struct Problem {
  std::string table;
  std::string sheet;
  std::string number;
  std::string name;
  std::string kind;
  std::string message;
};

struct Sheet {
  std::string table;
  std::string title;
  SheetKind kind;
  std::vector<SheetLine> lines;
};

class ProjectCheck {
 public:
  ProjectCheck(sqlite3* db, std::string library_alias)
      : db_(db), library_(std::move(library_alias)) {}

  std::vector<Problem> Run() {
    LoadSummaryNames();
    CheckUnitPriceSheets();
    CheckOwnSheets();
    CheckSpecialtyTables();
    CheckProjectTotalTable();
    CheckItemTree();
    return std::move(problems_);
  }

 private:
  // A query that cannot be read (a missing table or column) is itself a
  // problem: the calculation would fail on it too.
  bool Read(const std::string& sql, Query& query, const std::string& where) {
    std::string error;
    if (ReadQuery(db_, sql, query, &error)) return true;
    problems_.push_back({where, "", "", "", "unreadable", "无法读取：" + error});
    return false;
  }

  std::vector<SheetLine> Lines(const std::string& sql, const std::string& where) {
    std::vector<SheetLine> lines;
    Query query;
    if (!Read(sql, query, where)) return lines;
    for (query.First(); !query.Eof(); query.Next()) {
      lines.push_back(
          {FieldText(query, "顺号"), FieldText(query, "项目"), FieldText(query, "公式")});
    }
    return lines;
  }

  void Check(const Sheet& sheet) {
    const std::set<std::string>& names =
        sheet.kind == SheetKind::kProjectTotal ? project_names_ : profession_names_;
    for (const FormulaProblem& p : FindFormulaProblems(sheet.lines, sheet.kind, names)) {
      const SheetLine& line = sheet.lines[p.line];
      problems_.push_back(
          {sheet.table, sheet.title, Trim(line.number), Trim(line.name), p.kind, p.message});
    }
  }

  // The names 汇总合价 will hold after the next calculation: under 清单法
  // the seven chapter equipment rows, and every configured total that
  // applies under the project's pricing method (per profession when its
  // statement holds "单价取费=[]").
  void LoadSummaryNames() {
    const std::string method = ArchiveValue(db_, "计价方式");
    if (method == "清单法") {
      for (int chapter = 0; chapter < kChapterCount; ++chapter) {
        project_names_.insert(ChapterRowName(chapter));
      }
    }
    if (library_.empty()) return;
    const std::string settings = "\"" + library_ + "\".计算设置";
    Query query;
    if (!Read("select 名称,内容 from " + settings + " where 上级编号 in(select 编号 from " +
                  settings + " where 名称='汇总合价')",
              query, library_ + ".计算设置")) {
      return;
    }
    for (query.First(); !query.Eof(); query.Next()) {
      const std::string name = Trim(FieldText(query, "名称"));
      for (const std::string& line : SplitLines(Trim(FieldText(query, "内容")))) {
        if (line.empty()) continue;
        const std::string statement = StatementOfLine(line, method);
        if (statement.empty()) continue;
        (Contains(statement, kPerProfessionPlaceholder) ? profession_names_ : project_names_)
            .insert(name);
      }
    }
  }

  void CheckUnitPriceSheets() {
    Query index;
    if (!Read("select 编号,取费专业 from 取费索引 where 类别='综合单价' order by 排序,rowid", index,
              "取费索引")) {
      return;
    }
    for (index.First(); !index.Eof(); index.Next()) {
      Sheet sheet{
          "工程取费", "综合单价 " + FieldText(index, "取费专业"), SheetKind::kUnitPrice, {}};
      sheet.lines = Lines("select 顺号,项目,公式 from 工程取费 where 主表=" +
                              FieldNumberLiteral(index, "编号") + " order by 排序,rowid",
                          "工程取费");
      Check(sheet);
    }
  }

  void CheckOwnSheets() {
    Query query;
    if (!Read("select a.主表,a.顺号,a.项目,a.公式,b.编码 from 分部分项取费明细 a left join "
              "分部分项 b "
              "on b.编号=a.主表 order by a.主表,a.编号,a.rowid",
              query, "分部分项取费明细")) {
      return;
    }
    Sheet sheet{"分部分项取费明细", "", SheetKind::kUnitPrice, {}};
    std::string item;
    for (query.First();; query.Next()) {
      const bool end = query.Eof();
      const std::string next = end ? std::string() : FieldText(query, "主表");
      if (end || next != item) {
        if (!sheet.lines.empty()) Check(sheet);
        if (end) break;
        item = next;
        const std::string code = Trim(FieldText(query, "编码"));
        sheet.title = "编号 " + item + (code.empty() ? "" : " " + code);
        sheet.lines.clear();
      }
      sheet.lines.push_back(
          {FieldText(query, "顺号"), FieldText(query, "项目"), FieldText(query, "公式")});
    }
  }

  // The fee tables, read as the project-fee step reads them.
  void CheckSpecialtyTables() {
    Query index;
    if (!Read(kSpecialtyTablesSql, index, "取费索引")) return;
    for (index.First(); !index.Eof(); index.Next()) {
      const std::string profession = FieldText(index, "取费专业");
      Sheet sheet{"工程取费", "专业工程 " + profession, SheetKind::kSpecialty, {}};
      sheet.lines =
          Lines(FeeTableRowsSql(SpecialtyRowsWhere(FieldNumberLiteral(index, "编号"), profession)),
                "工程取费");
      Check(sheet);
    }
  }

  void CheckProjectTotalTable() {
    Query index;
    if (!Read(kProjectTotalTableSql, index, "取费索引")) return;
    if (index.RecordCount() == 0) return;
    index.First();
    Sheet sheet{"工程取费", "工程总价", SheetKind::kProjectTotal, {}};
    sheet.lines = Lines(FeeTableRowsSql(ProjectTotalRowsWhere(FieldNumberLiteral(index, "编号"))),
                        "工程取费");
    Check(sheet);
  }

  // Rows the calculation leaves out of every total above them.
  void CheckItemTree() {
    std::vector<TreeProblem> tree;
    std::string error;
    if (!FindTreeProblems(db_, &tree, &error)) {
      problems_.push_back({"分部分项", "", "", "", "unreadable", "无法读取：" + error});
      return;
    }
    for (const TreeProblem& p : tree) {
      const std::string row = "编号 " + std::to_string(p.rows[0]);
      if (p.kind == TreeProblem::Kind::kCycle) {
        problems_.push_back({"分部分项", row, "", "", "tree_cycle",
                             "上级编号构成循环（" + CycleText(p) + "），这些行不计入任何上级的合计"});
      } else {
        const std::string parent =
            p.parent == "NULL" ? "上级编号为空" : "上级编号 " + p.parent + " 不是任何行的编号";
        problems_.push_back(
            {"分部分项", row, "", "", "tree_orphan", parent + "，该行不计入任何上级的合计"});
      }
    }
  }

  sqlite3* db_;
  std::string library_;
  std::set<std::string> project_names_;
  std::set<std::string> profession_names_;
  std::vector<Problem> problems_;
};

void PrintJson(const CheckOptions& options, const std::vector<Problem>& problems) {
  JsonWriter json(std::cout);
  json.BeginObject();
  json.Member("project", options.project);
  json.Key("problem_count");
  json.Integer(static_cast<long long>(problems.size()));
  json.Key("problems");
  json.BeginArray();
  for (const Problem& p : problems) {
    json.BeginObject();
    json.Member("table", p.table);
    json.Member("sheet", p.sheet);
    json.Member("顺号", p.number);
    json.Member("项目", p.name);
    json.Member("kind", p.kind);
    json.Member("message", p.message);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void PrintText(const std::vector<Problem>& problems) {
  if (problems.empty()) {
    std::cout << "没有发现问题：所有取费公式都能按原样计算，分部分项的上级编号没有循环和悬空。\n";
    return;
  }
  TextTable table({"表", "取费", "顺号", "项目", "问题"});
  for (const Problem& p : problems) {
    table.AddRow({p.table, p.sheet, p.number, p.name, ValidUtf8(p.message)});
  }
  table.Print(std::cout);
  std::cout << "\n" << problems.size() << " 个问题\n";
}

int RunCheck(const CheckOptions& options) {
  std::string error;
  ProjectConnection connection;
  if (!connection.OpenReadOnly(options.project, options.library, options.other, &error)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  ProjectCheck check(connection.handle(),
                     options.library.empty() ? std::string() : FileBaseName(options.library));
  const std::vector<Problem> problems = check.Run();
  if (options.json) {
    PrintJson(options, problems);
  } else {
    PrintText(problems);
  }
  return problems.empty() ? 0 : 1;
}

}  // namespace

void AddCheckCommand(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<CheckOptions>();
  CLI::App* check = app.add_subcommand(
      "check",
      "list the fee formulas that would not calculate as written, and cycles and orphans of "
      "the item tree (read-only)");
  check->add_option("project", options->project, "project database file")->required();
  check
      ->add_option("--library", options->library, "library database (attached under its base name)")
      ->required();
  check->add_option("--other", options->other, "other-quota library (attached as 其他)")
      ->required();
  check->add_flag("--json", options->json, "print the problems as JSON");
  check->callback([options, &exit_code] { exit_code = RunCheck(*options); });
}

}  // namespace ftcalc::cli
