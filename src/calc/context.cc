#include "calc/context.h"

#include <cstdlib>
#include <cstring>

#include "calc/material_list_ahead.h"
#include "data/schema_info.h"

namespace ftcalc {

std::string ProjectSettings::LibrarySchema() const {
  const std::string& alias = library_alias;
  if (alias.empty() || IsPlainIdentifier(alias)) return alias;
  std::string quoted = "\"";
  for (char c : alias) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

CalcOptions CalcOptions::FromEnvironment() {
  CalcOptions options;
  const char* plain = std::getenv("FTCALC_PLAIN");
  options.fast_paths = plain == nullptr || std::strcmp(plain, "1") != 0;
  return options;
}

StepHandoff::StepHandoff() = default;
StepHandoff::~StepHandoff() = default;

void StepHandoff::DropMaterialList() { material_list.reset(); }

void ShowStepProgress(EngineContext& ctx, const std::string& label, int position) {
  const std::string& name = ctx.settings.project_name;
  ctx.ui.ShowProgress(name, label + name, 1, 100, position, kProgressUpdate, true);
}

}  // namespace ftcalc
