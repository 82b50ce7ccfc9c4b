// A calculated project read for handing in or comparing: opened read-only
// (nothing run on it can change a file), refused when it has not been
// calculated, and read once into the report's data.
#ifndef FTCALC_TOOLS_CALCULATED_PROJECT_H_
#define FTCALC_TOOLS_CALCULATED_PROJECT_H_

#include <string>

#include "report_data.h"

namespace ftcalc::cli {

struct ProjectPaths {
  std::string project;
  std::string library;
  std::string other;
};

// Reads the project at `paths` into *data. False with a one-line message
// when a file cannot be opened or the project is not calculated (its tree
// has no row, or no calculation has written its 工程造价 yet). Tables
// that cannot be read are named in
// data->warnings, as the report names them.
bool ReadCalculatedProject(const ProjectPaths& paths, ReportData* data, std::string* error);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_CALCULATED_PROJECT_H_
