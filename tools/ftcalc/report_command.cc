// ftcalc report: the calculated project as one self-contained HTML page
// and/or as JSON, read on a read-only connection.
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "commands.h"
#include "engine/setup.h"
#include "project_files.h"
#include "report_data.h"

namespace ftcalc::cli {
namespace {

struct ReportOptions {
  std::string project;
  std::string library;
  std::string other;
  std::string html;
  std::string json;
};

bool WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) {
    std::cerr << "ftcalc: cannot write '" << path << "'\n";
    return false;
  }
  out << content;
  out.close();
  if (!out) {
    std::cerr << "ftcalc: cannot write '" << path << "'\n";
    return false;
  }
  return true;
}

int RunReport(const ReportOptions& options) {
  if (options.html.empty() && options.json.empty()) {
    std::cerr << "ftcalc: report needs --html FILE or --json FILE (or both)\n";
    return 2;
  }
  std::string error;
  ProjectConnection connection;
  if (!connection.OpenReadOnly(options.project, options.library, options.other, &error)) {
    std::cerr << "ftcalc: " << error << "\n";
    return 2;
  }
  const ReportData data =
      ReadReportData(connection.handle(), options.project,
                     options.library.empty() ? std::string() : FileBaseName(options.library));
  if (!options.html.empty() && !WriteFile(options.html, RenderReportHtml(data))) return 2;
  if (!options.json.empty() && !WriteFile(options.json, RenderReportJson(data))) return 2;
  for (const std::string& warning : data.warnings) {
    std::cerr << "ftcalc: report: cannot read " << warning << "\n";
  }
  return data.warnings.empty() ? 0 : 1;
}

}  // namespace

void AddReportCommand(CLI::App& app, int& exit_code) {
  auto options = std::make_shared<ReportOptions>();
  CLI::App* report = app.add_subcommand(
      "report", "write the calculated project as a self-contained HTML page and/or JSON");
  report->add_option("project", options->project, "project database file")->required();
  report
      ->add_option("--library", options->library, "library database (attached under its base name)")
      ->required();
  report->add_option("--other", options->other, "other-quota library (attached as 其他)")
      ->required();
  report->add_option("--html", options->html, "write the HTML page to this file");
  report->add_option("--json", options->json, "write the data as JSON to this file");
  report->callback([options, &exit_code] { exit_code = RunReport(*options); });
}

}  // namespace ftcalc::cli
