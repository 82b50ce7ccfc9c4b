#include <cstdint>
#include <limits>
#include <vector>

#include "data/fields.h"
#include "data/number_text.h"
#include "data/text_util.h"
#include "engine/setup.h"

namespace ftcalc {
namespace {

// Opens `sql`; true with the first row's 内容 in *value when it returned a
// row.
bool LookUp(Database& db, const std::string& sql, std::string* value) {
  Query query;
  if (!db.Open(query, sql) || query.RecordCount() == 0) return false;
  query.First();
  *value = FieldText(query, "内容");
  return true;
}

int32_t IntegerValue(const std::string& text) {
  int64_t value = CAtol(text);
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

// The project's parameter, else the library's setting line, else `fallback`.
int32_t Decimals(Database& db, const std::string& name, const std::vector<std::string>& settings,
                 int32_t fallback) {
  std::string value;
  if (LookUp(db, "select 内容 from 参数 where 名称='" + name + "'", &value)) return IntegerValue(value);
  bool found = false;
  std::string line_value = SettingValue(settings, name, &found);
  return found ? IntegerValue(line_value) : fallback;
}

}  // namespace

int DefaultPriceDecimals(const std::string& exe_dir) {
  return Contains(exe_dir, "水利") ? 5 : 2;
}

int DefaultQuantityDecimals(const std::string& exe_dir) {
  return Contains(exe_dir, "电力") ? 4 : 3;
}

ProjectDecimals ReadDecimals(Database& db, const ProjectSettings& settings) {
  std::vector<std::string> lines;
  std::string value;
  if (LookUp(db, "select 内容 from " + settings.LibrarySchema() + ".参数 where 名称='计算设置'",
             &value)) {
    lines = SplitLines(value);
  }
  ProjectDecimals decimals;
  decimals.quantity = Decimals(db, "工程量小数位", lines, DefaultQuantityDecimals(settings.exe_dir));
  decimals.price = Decimals(db, "价格小数位", lines, DefaultPriceDecimals(settings.exe_dir));
  return decimals;
}

void LoadParameters(Database& db, ProjectSettings& settings) {
  settings.library_alias = FileBaseName(settings.library_path);

  std::string value;
  settings.project_name.clear();
  if (LookUp(db, "select 内容 from 工程档案 where 名称='工程名称'", &value)) {
    settings.project_name = Trim(value);
  }

  const std::string number = FileBaseName(settings.project_path);
  if (!number.empty() && LookUp(db, "select 内容 from 工程档案 where 名称='工程号'", &value)) {
    if (Trim(number) != Trim(value)) {
      db.Exec("update 工程档案 set 内容='" + SqlQuoted(number) + "' where 名称='工程号'");
    }
  }

  settings.pricing_method.clear();
  if (LookUp(db, "select 内容 from 工程档案 where 名称='计价方式'", &value)) {
    settings.pricing_method = Trim(value);
  }

  const ProjectDecimals decimals = ReadDecimals(db, settings);
  settings.quantity_decimals = decimals.quantity;
  settings.price_decimals = decimals.price;
}

}  // namespace ftcalc
