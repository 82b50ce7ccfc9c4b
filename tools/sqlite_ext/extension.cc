// ftcalc_ext: the engine as a loadable SQLite extension. Any SQLite client
// that loads it (the sqlite3 shell with `.load`, Python's sqlite3 module,
// a database browser) gets on its connection:
//
//   FtRou(x, n)                                 the engine's rounding
//   ftcalc_calculate(library, other [, exe_dir])
//       the full calculation of the connection's main database
//   ftcalc_recalculate(library, other, kind, item [, exe_dir])
//       the partial recalculation of one edited row and its ancestors
//
// Both calculations return the run's summary as JSON text. Database errors
// met by the engine are listed in it; a call that cannot run (a bad
// argument, a file that is no database, an open transaction) raises an SQL
// error and changes nothing.
#include <dlfcn.h>
#include <stdlib.h>

#include <climits>
#include <cstdint>
#include <new>
#include <string>

#include "calculation_call.h"
#include "data/ftrou.h"
#include "data/sqlite_api.h"

SQLITE_EXTENSION_INIT1

namespace ftcalc::ext {
namespace {

// Where the calculation may write, and what it may not be used from: it
// commits a transaction and attaches files, so a view or trigger of a
// database someone else made must not be able to call it.
constexpr int kCalculationFlags = SQLITE_UTF8 | SQLITE_DIRECTONLY;

const char* TypeName(sqlite3_value* value) {
  switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER: return "an integer";
    case SQLITE_FLOAT: return "a real number";
    case SQLITE_TEXT: return "a text";
    case SQLITE_BLOB: return "a blob";
    default: return "NULL";
  }
}

// One SQL call's arguments read into a request; the first bad one is
// reported as an SQL error naming the function and the argument.
class ArgumentReader {
 public:
  ArgumentReader(sqlite3_context* context, const char* function, sqlite3_value** argv)
      : context_(context), function_(function), argv_(argv) {}

  bool Path(int index, const char* name, std::string* out) {
    sqlite3_value* value = argv_[index];
    if (sqlite3_value_type(value) != SQLITE_TEXT) return Fail(index, name, "a file path as text");
    out->assign(reinterpret_cast<const char*>(sqlite3_value_text(value)),
                static_cast<size_t>(sqlite3_value_bytes(value)));
    // A path is used up to its first NUL; one with more after it is refused
    // rather than read as another file.
    if (out->find('\0') != std::string::npos) {
      return Fail(index, name, "a file path without NUL characters");
    }
    return true;
  }
  // A folder as text, or NULL for the default (left empty).
  bool OptionalFolder(int index, const char* name, std::string* out) {
    if (sqlite3_value_type(argv_[index]) == SQLITE_NULL) return true;
    return Path(index, name, out);
  }
  bool Integer(int index, const char* name, int32_t* out) {
    sqlite3_value* value = argv_[index];
    // The type is read before the value: reading converts.
    if (sqlite3_value_type(value) != SQLITE_INTEGER) return Fail(index, name, "a 32-bit integer");
    const sqlite3_int64 number = sqlite3_value_int64(value);
    if (number < INT32_MIN || number > INT32_MAX) return Fail(index, name, "a 32-bit integer");
    *out = static_cast<int32_t>(number);
    return true;
  }

 private:
  bool Fail(int index, const char* name, const char* wanted) {
    const std::string message = std::string(function_) + ": argument " + std::to_string(index + 1) +
                                " (" + name + ") must be " + wanted + ", not " +
                                TypeName(argv_[index]);
    sqlite3_result_error(context_, message.c_str(), -1);
    return false;
  }

  sqlite3_context* context_;
  const char* function_;
  sqlite3_value** argv_;
};

void Respond(sqlite3_context* context, const char* function, const CalculationRequest& request) {
  try {
    std::string summary, error;
    if (RunCalculation(sqlite3_context_db_handle(context), request, &summary, &error)) {
      sqlite3_result_text(context, summary.c_str(), static_cast<int>(summary.size()),
                          SQLITE_TRANSIENT);
    } else {
      sqlite3_result_error(context, (std::string(function) + ": " + error).c_str(), -1);
    }
  } catch (const std::bad_alloc&) {
    sqlite3_result_error_nomem(context);
  } catch (const std::exception& e) {
    sqlite3_result_error(context, (std::string(function) + ": " + e.what()).c_str(), -1);
  }
}

void CalculateFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
  static constexpr char kName[] = "ftcalc_calculate";
  ArgumentReader arguments(context, kName, argv);
  CalculationRequest request;
  if (!arguments.Path(0, "library_path", &request.library_path) ||
      !arguments.Path(1, "other_path", &request.other_path) ||
      (argc > 2 && !arguments.OptionalFolder(2, "exe_dir", &request.exe_dir))) {
    return;
  }
  Respond(context, kName, request);
}

void RecalculateFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
  static constexpr char kName[] = "ftcalc_recalculate";
  ArgumentReader arguments(context, kName, argv);
  CalculationRequest request;
  request.partial = true;
  if (!arguments.Path(0, "library_path", &request.library_path) ||
      !arguments.Path(1, "other_path", &request.other_path) ||
      !arguments.Integer(2, "kind", &request.tree_kind) ||
      !arguments.Integer(3, "item", &request.item_no) ||
      (argc > 4 && !arguments.OptionalFolder(4, "exe_dir", &request.exe_dir))) {
    return;
  }
  Respond(context, kName, request);
}

// The extension file's own path, resolved while the loader's working
// folder is still the one a relative `.load ./ftcalc_ext` was given in.
std::string ExtensionFilePath() {
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&CalculateFunction), &info) == 0 || !info.dli_fname) {
    return std::string();
  }
  char resolved[PATH_MAX];
  return realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
}

// FtRou as the engine registers it. It stays on each connection that loaded
// the extension; SQLite removes it when the connection closes. (The engine's
// own registration at each setup finds it in place: a function cannot be
// replaced while the calling statement runs.)
FtRouRegistration& LoadTimeFtRou() {
  static FtRouRegistration* registration = new FtRouRegistration;  // used until unload
  return *registration;
}

int Register(sqlite3* db) {
  int rc = LoadTimeFtRou().Register(db);
  struct Function {
    const char* name;
    int arguments;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
  };
  static constexpr Function kFunctions[] = {
      {"ftcalc_calculate", 2, CalculateFunction},   {"ftcalc_calculate", 3, CalculateFunction},
      {"ftcalc_recalculate", 4, RecalculateFunction}, {"ftcalc_recalculate", 5, RecalculateFunction},
  };
  for (const Function& f : kFunctions) {
    if (rc != SQLITE_OK) break;
    rc = sqlite3_create_function(db, f.name, f.arguments, kCalculationFlags, nullptr, f.function,
                                 nullptr, nullptr);
  }
  return rc;
}

}  // namespace
}  // namespace ftcalc::ext

// The entry point SQLite derives from the file name ftcalc_ext.so.
extern "C" __attribute__((visibility("default"))) int sqlite3_ftcalcext_init(
    sqlite3* db, char** error_message, const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  // sqlite3_txn_state, which tells whether the caller holds a transaction.
  if (sqlite3_libversion_number() < 3034000) {
    *error_message = sqlite3_mprintf("ftcalc_ext needs SQLite 3.34 or later; this is %s",
                                     sqlite3_libversion());
    return SQLITE_ERROR;
  }
  try {
    ftcalc::ext::SetDefaultExecutable(ftcalc::ext::ExtensionFilePath());
  } catch (...) {
    return SQLITE_NOMEM;
  }
  const int rc = ftcalc::ext::Register(db);
  if (rc != SQLITE_OK) {
    *error_message = sqlite3_mprintf("ftcalc_ext: cannot register its functions: %s",
                                     sqlite3_errmsg(db));
  }
  return rc;
}
