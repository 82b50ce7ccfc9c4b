// The engine state: what the setup hands to the calculation steps. One set
// exists per loaded library; every call shares it (calls must not overlap).
#ifndef FTCALC_ENTRY_ENGINE_STATE_H_
#define FTCALC_ENTRY_ENGINE_STATE_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "data/query.h"
#include "data/sqlite_handle.h"

namespace ftcalc {

// Holds the FtRou registration of one setup. Inactive when created; the
// first statement that needs FtRou activates it (RefreshFtRou).
class DataModule {
 public:
  DataModule() = default;
  DataModule(const DataModule&) = delete;
  DataModule& operator=(const DataModule&) = delete;

  // Deactivates, then activates the registration on `db`.
  void Refresh(sqlite3* db);
  // Removes the registration if this module made it.
  void Deactivate();
  bool active() const { return active_on_ != nullptr; }

 private:
  sqlite3* active_on_ = nullptr;
};

struct EngineState {
  std::string exe_dir;  // ends in the path separator
  std::string project_path;
  std::string library_path;
  std::string library_alias;
  std::string other_library_alias;
  std::string temp_dir;
  std::string attached_aliases;
  std::string project_name;
  std::string pricing_method;
  int32_t quantity_decimals = 0;
  int32_t price_decimals = 0;

  std::unique_ptr<DataModule> data_module;
  std::unique_ptr<Connection> connection;
  // Query slots: 0 LookupQuery, 4 FeeQuery, 5 WorkQuery, 6 WorkQuery2,
  // 7 WorkQuery3; the other slots are unused.
  std::array<std::unique_ptr<Query>, 10> queries;

  bool set_up() const { return connection != nullptr; }

  Query& LookupQuery() { return *queries[0]; }
  Query& FeeQuery() { return *queries[4]; }
  Query& WorkQuery() { return *queries[5]; }
  Query& WorkQuery2() { return *queries[6]; }
  Query& WorkQuery3() { return *queries[7]; }

  // The library's schema name as written in a statement: the alias itself
  // when it is a plain identifier (the usual case), else in double quotes,
  // so that a library file named, say, "Road-Lib 2018.db" still works.
  std::string LibrarySchema() const;

  // Decimal texts of the price and quantity decimals, as pasted into SQL.
  std::string PriceDigits() const { return std::to_string(price_decimals); }
  std::string QuantityDigits() const { return std::to_string(quantity_decimals); }
};

// The one engine state of this library.
EngineState& Engine();

// Re-registers FtRou on the engine connection (no-op before a setup).
void RefreshFtRou();

// Releases every object of the engine state (at library unload, and before
// a new setup replaces them). Never touches the host's handle beyond
// removing what the engine registered on it during the current call.
void ReleaseEngine();

}  // namespace ftcalc

#endif  // FTCALC_ENTRY_ENGINE_STATE_H_
