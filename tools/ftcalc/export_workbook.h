// The calculated project as the workbook an estimate is handed in as: a
// cover (封面), the bill of quantities with its quotas (清单), the fee
// tables (工程取费), the material price list (材料价格) and the equipment
// summary (设备汇总).
//
// Every number in it is a stored value of the project, written as a real
// number and shown with the project's price or quantity decimals by its
// number format; nothing is worked out again.
#ifndef FTCALC_TOOLS_EXPORT_WORKBOOK_H_
#define FTCALC_TOOLS_EXPORT_WORKBOOK_H_

#include <string>

#include "report_data.h"

namespace ftcalc::cli {

// Writes the workbook of `data` to `path` (replacing a file there only once
// the whole workbook is written). False with the reason on failure.
bool WriteProjectWorkbook(const ReportData& data, const std::string& path, std::string* error);

}  // namespace ftcalc::cli

#endif  // FTCALC_TOOLS_EXPORT_WORKBOOK_H_
