#include "data/ftrou.h"

#include <cmath>

#include "data/number_text.h"

namespace ftcalc {
namespace {

// The rounding decides between f/10^n and (f+1)/10^n, f = floor(x*10^n),
// on whether the remainder r of x*10^n is below 0.5 (0.5 - 0.00001 with
// decimals). The 15-digit text moves x*10^n by far less than 1e-6 while
// |x*10^n| < 1e7; so unless r is that close to the threshold, the text's
// value rounds to the same f+e (a move across an integer turns r from
// almost 1 to almost 0 and f by one, which leaves the sum).
bool TextCannotChangeRounding(double x, int digits) {
  if (!std::isfinite(x) || digits < 0 || digits > 9) return false;
  static constexpr double kScales[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
  const double s = x * kScales[digits];
  if (!(std::fabs(s) < 1e7)) return false;
  const double r = s - std::floor(s);
  const double threshold = digits == 0 ? 0.5 : 0.5 - 0.00001;
  return std::fabs(r - threshold) > 1e-5;
}

// FtRou(value, decimals): the value is read through SQLite's text form of it
// and atof (NULL and unreadable text count as 0); the decimals as a 32-bit
// integer (NULL counts as 0). An INTEGER's text is its digits, which atof
// reads as the nearest double, as the conversion does.
void FtRouFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
  const int decimals = argc > 1 ? sqlite3_value_int(argv[1]) : 0;
  double value = 0.0;
  if (argc > 0) {
    switch (sqlite3_value_type(argv[0])) {
      case SQLITE_FLOAT: {
        const double rounded = FtRouOfReal(sqlite3_value_double(argv[0]), decimals);
        if (std::isnan(rounded)) {
          sqlite3_result_null(context);
        } else {
          sqlite3_result_double(context, rounded);
        }
        return;
      }
      case SQLITE_INTEGER: value = static_cast<double>(sqlite3_value_int64(argv[0])); break;
      case SQLITE_NULL: break;
      default: {
        const unsigned char* text = sqlite3_value_text(argv[0]);
        value = text ? CAtof(reinterpret_cast<const char*>(text)) : 0.0;
      }
    }
  }
  sqlite3_result_double(context, RoundHalfUp(decimals, value));
}

}  // namespace

double FtRouOfReal(double x, int digits) {
  if (std::isnan(x)) return RoundHalfUp(digits, 0.0);  // SQLite hands NaN over as NULL
  if (TextCannotChangeRounding(x, digits)) return RoundHalfUp(digits, x);
  char text[64];  // "%!.15g" of any double is far shorter
  sqlite3_snprintf(sizeof text, text, "%!.15g", x);
  return RoundHalfUp(digits, CAtof(text));
}

bool FtRouOfValue(const SqlValue& x, int digits, double* result) {
  switch (x.type()) {
    case SQLITE_NULL: *result = RoundHalfUp(digits, 0.0); return true;
    case SQLITE_INTEGER: *result = RoundHalfUp(digits, static_cast<double>(x.integer())); return true;
    case SQLITE_FLOAT: *result = FtRouOfReal(x.real(), digits); return true;
    case SQLITE_TEXT: *result = RoundHalfUp(digits, CAtof(x.text())); return true;
    default: return false;
  }
}

// What SQLite holds as the function's user data: the handle it is on and
// the registration that keeps it; deleted by the destroy callback.
struct FtRouRegistration::Token {
  FtRouRegistration* owner;
  sqlite3* db;
};

void FtRouRegistration::Destroyed(void* token) {
  Token* t = static_cast<Token*>(token);
  if (t->owner != nullptr) t->owner->live_.erase(t);
  delete t;
}

FtRouRegistration::~FtRouRegistration() {
  // SQLite may still call Destroyed for these tokens later: they must not
  // point back here any more.
  for (Token* token : live_) token->owner = nullptr;
}

int FtRouRegistration::Register(sqlite3* db) {
  if (db == nullptr) return SQLITE_MISUSE;
  Token* token = new Token{this, db};
  live_.insert(token);
  // A registration already on `db` is replaced; SQLite destroys its token.
  const int rc = sqlite3_create_function_v2(db, "FtRou", 2, SQLITE_UTF8, token, FtRouFunction,
                                            nullptr, nullptr, Destroyed);
  // When the registration fails (FtRou is in place and a statement of the
  // handle is running, as when the engine is called from inside an SQL
  // function), SQLite destroys the new token at once; an older SQLite that
  // does not has left it in live_.
  if (rc != SQLITE_OK && live_.erase(token) > 0) delete token;
  return rc;
}

bool FtRouRegistration::IsRegisteredOn(sqlite3* db) const {
  for (const Token* token : live_) {
    if (token->db == db) return true;
  }
  return false;
}

void FtRouRegistration::RemoveAll() {
  // Removing a function destroys its token, which leaves live_.
  while (!live_.empty()) {
    Token* token = *live_.begin();
    sqlite3* db = token->db;
    live_.erase(live_.begin());
    token->owner = nullptr;
    sqlite3_create_function_v2(db, "FtRou", 2, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr,
                               nullptr);
  }
}

}  // namespace ftcalc
