#include <cstdint>
#include <limits>
#include <vector>

#include "data/number_text.h"
#include "data/sql_exec.h"
#include "data/text_util.h"
#include "engine/setup.h"
#include "entry/engine_state.h"

namespace ftcalc {
namespace {

// Opens `sql` on LookupQuery; true with the first row's 内容 in *value when
// it returned a row.
bool LookUp(const std::string& sql, std::string* value) {
  Query& query = Engine().LookupQuery();
  if (!OpenQuery(query, sql) || query.RecordCount() == 0) return false;
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
int32_t Decimals(const std::string& name, const std::vector<std::string>& settings,
                 int32_t fallback) {
  std::string value;
  if (LookUp("select 内容 from 参数 where 名称='" + name + "'", &value)) return IntegerValue(value);
  bool found = false;
  std::string line_value = SettingValue(settings, name, &found);
  return found ? IntegerValue(line_value) : fallback;
}

}  // namespace

void LoadParameters() {
  EngineState& engine = Engine();
  engine.library_alias = FileBaseName(engine.library_path);

  std::string value;
  engine.project_name.clear();
  if (LookUp("select 内容 from 工程档案 where 名称='工程名称'", &value)) {
    engine.project_name = Trim(value);
  }

  const std::string number = FileBaseName(engine.project_path);
  if (!number.empty() && LookUp("select 内容 from 工程档案 where 名称='工程号'", &value)) {
    if (Trim(number) != Trim(value)) {
      ExecSql("update 工程档案 set 内容='" + SqlQuoted(number) + "' where 名称='工程号'");
    }
  }

  engine.pricing_method.clear();
  if (LookUp("select 内容 from 工程档案 where 名称='计价方式'", &value)) {
    engine.pricing_method = Trim(value);
  }

  std::vector<std::string> settings;
  if (LookUp("select 内容 from " + engine.LibrarySchema() + ".参数 where 名称='计算设置'", &value)) {
    settings = SplitLines(value);
  }

  const bool power = Contains(engine.exe_dir, "电力");
  const bool water = Contains(engine.exe_dir, "水利");
  engine.quantity_decimals = Decimals("工程量小数位", settings, power ? 4 : 3);
  engine.price_decimals = Decimals("价格小数位", settings, water ? 5 : 2);
}

}  // namespace ftcalc
