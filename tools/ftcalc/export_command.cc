// ftcalc export: the calculated project as the Excel workbook it is handed
// in as, read on a read-only connection.
#include <iostream>
#include <memory>
#include <string>

#include "calculated_project.h"
#include "commands.h"
#include "export_workbook.h"
#include "xlsx_book.h"

namespace ftcalc::cli {
namespace {

struct ExportOptions {
  ProjectPaths paths;
  std::string xlsx;
};

int RunExport(const ExportOptions& options) {
  if (SameFileAsAny(options.xlsx,
                    {options.paths.project, options.paths.library, options.paths.other})) {
    std::cerr << "ftcalc: export: '" << options.xlsx
              << "' is one of the project's files; choose another file for the workbook\n";
    return 2;
  }
  ReportData data;
  std::string error;
  if (!ReadCalculatedProject(options.paths, &data, &error)) {
    std::cerr << "ftcalc: export: " << error << "\n";
    return 2;
  }
  if (!WriteProjectWorkbook(data, options.xlsx, &error)) {
    std::cerr << "ftcalc: export: " << error << "\n";
    return 2;
  }
  size_t fee_lines = 0;
  for (const ReportTable& table : data.fee_tables) fee_lines += table.rows.size();
  std::cout << "wrote " << options.xlsx << ": 封面, 清单 (" << data.items.size()
            << " rows), 工程取费 (" << fee_lines << " lines), 材料价格 ("
            << data.materials.rows.size() << " rows), 设备汇总 (" << data.equipment.rows.size()
            << " rows)\n";
  for (const std::string& warning : data.warnings) {
    std::cerr << "ftcalc: export: cannot read " << warning << "\n";
  }
  return data.warnings.empty() ? 0 : 1;
}

}  // namespace

void AddExportCommand(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* command = app.add_subcommand(
      "export", "write the calculated project as the Excel workbook an estimate is handed in as");
  command->add_option("project", options->paths.project, "project database file")->required();
  command
      ->add_option("--library", options->paths.library,
                   "library database (attached under its base name)")
      ->required();
  command->add_option("--other", options->paths.other, "other-quota library (attached as 其他)")
      ->required();
  command->add_option("--xlsx", options->xlsx, "write the workbook to this file")->required();
  command->callback([options, &exit_code] { exit_code = RunExport(*options); });
}

}  // namespace ftcalc::cli
