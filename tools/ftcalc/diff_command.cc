// ftcalc diff: what changed between two calculated versions of a project.
// Exit status as diff's: 0 equal, 1 different, 2 a file that cannot be
// opened or read, or an output that cannot be written.
#include <iostream>
#include <memory>
#include <string>

#include "calculated_project.h"
#include "commands.h"
#include "diff_output.h"
#include "project_diff.h"
#include "xlsx_book.h"

namespace ftcalc::cli {
namespace {

struct DiffOptions {
  std::string a;
  std::string b;
  std::string library;
  std::string other;
  bool csv = false;
  bool json = false;
  std::string xlsx;
};

int RunDiff(const DiffOptions& options) {
  if (!options.xlsx.empty() &&
      SameFileAsAny(options.xlsx, {options.a, options.b, options.library, options.other})) {
    std::cerr << "ftcalc: diff: '" << options.xlsx
              << "' is one of the compared files; choose another file for the workbook\n";
    return 2;
  }
  ReportData a, b;
  std::string error;
  // Both are read before anything is written, so bad input writes nothing.
  if (!ReadCalculatedProject({options.a, options.library, options.other}, &a, &error) ||
      !ReadCalculatedProject({options.b, options.library, options.other}, &b, &error)) {
    std::cerr << "ftcalc: diff: " << error << "\n";
    return 2;
  }
  for (const ReportData* data : {&a, &b}) {
    for (const std::string& warning : data->warnings) {
      std::cerr << "ftcalc: diff: " << data->project_file << ": cannot read " << warning << "\n";
    }
  }
  if (!a.warnings.empty() || !b.warnings.empty()) {
    // A table missing on one side would show as all of it added or removed.
    std::cerr << "ftcalc: diff: not compared: a table could not be read\n";
    return 2;
  }
  const ProjectDiff diff = CompareProjects(a, b);
  const DiffSides sides{options.a, options.b};
  if (!options.xlsx.empty() && !WriteDiffWorkbook(diff, sides, options.xlsx, &error)) {
    std::cerr << "ftcalc: diff: " << error << "\n";
    return 2;
  }
  if (options.json) {
    PrintDiffJson(diff, sides, std::cout);
  } else if (options.csv) {
    PrintDiffCsv(diff, std::cout);
  } else {
    PrintDiffText(diff, sides, std::cout);
  }
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "ftcalc: diff: cannot write the output\n";
    return 2;
  }
  return diff.equal() ? 0 : 1;
}

}  // namespace

void AddDiffCommand(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<DiffOptions>();
  CLI::App* command = app.add_subcommand(
      "diff", "list what changed between two calculated versions of a project "
              "(exit 0 equal, 1 different, 2 trouble)");
  command->add_option("a", options->a, "the earlier version's project database")->required();
  command->add_option("b", options->b, "the later version's project database")->required();
  command
      ->add_option("--library", options->library,
                   "library database (attached under its base name)")
      ->required();
  command->add_option("--other", options->other, "other-quota library (attached as 其他)")
      ->required();
  auto* csv = command->add_flag("--csv", options->csv, "print the changes as CSV");
  auto* json = command->add_flag("--json", options->json, "print the changes as JSON");
  csv->excludes(json);
  command->add_option("--xlsx", options->xlsx, "also write the changes as a workbook to this file");
  command->callback([options, &exit_code] { exit_code = RunDiff(*options); });
}

}  // namespace ftcalc::cli
