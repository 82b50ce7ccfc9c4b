// The engine context: everything one call of the engine hands to the
// driver and the calculation steps. The entry point owns it for the length
// of the call and passes it down; nothing below reaches for a global.
//
//   db        the session on the host's handle (statements, errors)
//   settings  what the setup read: aliases, decimals, pricing method ...
//   ui        the host interface: progress window, message pump
//   options   whether the fast paths may run (FTCALC_PLAIN=1 turns them off)
//   handoff   results one step hands to a later one in the same call
//
// Thread safety: one thread, the host's calling thread. A step may work on
// another thread of its own, but only on values it copied out of the
// context; it never hands the context itself to that thread.
#ifndef FTCALC_CALC_CONTEXT_H_
#define FTCALC_CALC_CONTEXT_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/database.h"
#include "ui/host.h"

namespace ftcalc {

// The project's parameters and the names the statements use, as the setup
// leaves them. They outlive a call: a call that skips the setup reuses them.
struct ProjectSettings {
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

  // The library's schema name as written in a statement: the alias itself
  // when it is a plain identifier (the usual case), else in double quotes,
  // so that a library file named, say, "Road-Lib 2018.db" still works.
  std::string LibrarySchema() const;
  // Decimal texts of the price and quantity decimals, as pasted into SQL.
  std::string PriceDigits() const { return std::to_string(price_decimals); }
  std::string QuantityDigits() const { return std::to_string(quantity_decimals); }
  // Bill-of-quantities pricing (计价方式 清单法).
  bool bill_pricing() const { return pricing_method == "清单法"; }
};

struct CalcOptions {
  // False runs every step by its plain statements only.
  bool fast_paths = true;
  // The fast paths' switch as the environment sets it: FTCALC_PLAIN=1
  // turns them off.
  static CalcOptions FromEnvironment();
};

struct MaterialListAhead;

// Results that one step hands to a later one within a call. Each says who
// fills it, who may drop it and who takes it.
struct StepHandoff {
  StepHandoff();
  ~StepHandoff();
  StepHandoff(const StepHandoff&) = delete;
  StepHandoff& operator=(const StepHandoff&) = delete;

  // The material list's category lines, worked out by the quota step's
  // fast path in its pass over the material lines; dropped by the fee
  // sheets when one writes a column the list reads; taken by the material
  // list step's fast path. See material_list_ahead.h.
  std::unique_ptr<MaterialListAhead> material_list;
  void DropMaterialList();

  // The rowids of the material lines whose 标志 is an equipment-like kind,
  // in rowid order: every line the equipment summary's statement can
  // select. Listed by the quota step's pass over the lines; taken by the
  // equipment summary's fast path, which reads only these lines.
  std::optional<std::vector<int64_t>> equipment_lines;
};

// Sends the data layer's errors to the host's error window.
class ErrorWindowSink : public ErrorSink {
 public:
  explicit ErrorWindowSink(HostUi& ui) : ui_(ui) {}
  void ReportDbError(const std::string& message, const std::string& detail) override {
    ui_.ShowDbError(message, detail);
  }

 private:
  HostUi& ui_;
};

class EngineContext {
 public:
  EngineContext(Database& db, const ProjectSettings& settings, HostUi& ui, CalcOptions options)
      : db(db), settings(settings), ui(ui), options(options) {}
  EngineContext(const EngineContext&) = delete;
  EngineContext& operator=(const EngineContext&) = delete;

  Database& db;
  const ProjectSettings& settings;
  HostUi& ui;
  const CalcOptions options;
  StepHandoff handoff;
  // The steps whose fast path declined in this call, in order (for tests
  // and the timing output).
  std::vector<std::string> declined_fast_paths;
};

// The progress update every calculation step makes: the label followed by
// the project name, on the window's fixed scale of 1 to 100.
void ShowStepProgress(EngineContext& ctx, const std::string& label, int position);

// Lets the host process its pending window messages.
inline void ProcessMessages(EngineContext& ctx) { ctx.ui.ProcessMessages(); }

}  // namespace ftcalc

#endif  // FTCALC_CALC_CONTEXT_H_
