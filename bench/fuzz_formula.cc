// libFuzzer target: the input bytes are a formula text. Every entry point of
// the formula engine must end, stay inside its text and keep its contract
// on any input; the sanitizers and these checks report any breach.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/number_text.h"
#include "formula/check_formula.h"
#include "formula/evaluate_formula.h"
#include "formula/reduce.h"
#include "formula/substitute.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsAscii(const std::string& t) {
  for (char c : t) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

void Evaluate(const std::string& formula) {
  std::string text = formula;
  const bool ok = ftcalc::EvaluateFormula(text);
  // The shortcuts give what the stages give.
  std::string staged = formula;
  Require(ftcalc::EvaluateByStages(staged) == ok);
  Require(staged == text);
  const double number = ftcalc::EvaluateFormulaNumber(formula);
  const double read = ftcalc::CAtof(text);
  Require(number == read || (number != number && read != read));
  // A failure leaves nothing; a success leaves only ASCII (every byte of
  // 128 or more was dropped or rejected).
  Require(ok || text.empty());
  Require(IsAscii(text));
  Require(!formula.empty() || (ok && text.empty()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);

  Evaluate(input);

  // The prepared text, checked and evaluated again. Once it
  // is ASCII, preparing it again must change nothing.
  const std::string prepared = ftcalc::PrepareFormula(input);
  const ftcalc::FormulaCheck check = ftcalc::CheckFormula(prepared);
  Require(check.ok() == (std::string(check.message).empty()));
  Require(check.ok() || check.position <= prepared.size());
  if (IsAscii(prepared)) {
    Require(ftcalc::PrepareFormula(prepared) == prepared);
    Evaluate(prepared);
  }

  // The stages without a check in front: any text must reduce and end.
  std::string raw = input;
  ftcalc::ReduceFormula(raw);

  std::string rates = input;
  ftcalc::SubstituteRates(rates, -1);
  Evaluate(rates);
  rates = input;
  ftcalc::SubstituteRates(rates, 2);
  std::string actuals = input;
  ftcalc::SubstituteActuals(actuals);
  Evaluate(actuals);
  return 0;
}
