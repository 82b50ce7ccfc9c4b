// ftcalc eval / subst: the formula engine on the command line, for checking
// fee formulas and for comparing results line by line with another
// implementation.
//
//   ftcalc eval "FORMULA"            result text; exit 1 when rejected
//   ftcalc eval --batch FILE         per line: input TAB 1|0 TAB result
//   ftcalc subst --rates|--actuals (--batch FILE | "TEXT")
//                                    per line: input TAB substituted text
//
// A formula that starts with "-" goes after "--": ftcalc eval -- "-5+3".
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "commands.h"
#include "data/gbk.h"
#include "formula/check_formula.h"
#include "formula/evaluate_formula.h"
#include "formula/substitute.h"

namespace ftcalc::cli {
namespace {

// The lines of a UTF-8 text file, each without its line break (LF or
// CR LF). False, with a one-line reason, when the file cannot be read.
bool ReadLines(const std::string& path, std::vector<std::string>* lines, std::string* error) {
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    *error = path + ": " + std::strerror(errno);
    return false;
  }
  std::string content;
  char buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  const int read_errno = errno;
  std::fclose(file);
  if (failed) {
    *error = path + ": " + std::strerror(read_errno);
    return false;
  }
  for (size_t from = 0; from < content.size();) {
    size_t end = content.find('\n', from);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines->push_back(std::move(line));
    from = end + 1;
  }
  return true;
}

void WriteFields(const std::string& a, const char* b, const std::string* c) {
  std::fwrite(a.data(), 1, a.size(), stdout);
  std::fputc('\t', stdout);
  std::fputs(b, stdout);
  if (c != nullptr) {
    std::fputc('\t', stdout);
    std::fwrite(c->data(), 1, c->size(), stdout);
  }
  std::fputc('\n', stdout);
}

// One formula: its result, or why it cannot be evaluated (the check's
// message after the checked text, as the warning box shows it).
int EvalOne(const std::string& formula) {
  const std::string prepared = PrepareFormula(formula);
  if (!formula.empty() && prepared.empty()) {
    std::printf("公式为空 (nothing is left once blanks, line breaks and Chinese characters are removed)\n");
    return 1;
  }
  const FormulaCheck check = CheckFormula(prepared);
  if (!check.ok()) {
    // The message starts with CR LF; a terminal wants LF.
    std::printf("%s\n%s\n", GbkToUtf8(prepared).c_str(), std::string(check.message).substr(2).c_str());
    return 1;
  }
  std::string text = formula;
  EvaluateFormula(text);
  std::printf("%s\n", text.c_str());
  return 0;
}

int EvalBatch(const std::string& path) {
  std::vector<std::string> lines;
  std::string error;
  if (!ReadLines(path, &lines, &error)) {
    std::fprintf(stderr, "ftcalc eval: %s\n", error.c_str());
    return 2;
  }
  for (const std::string& line : lines) {
    std::string text = line;
    const bool ok = EvaluateFormula(text);
    WriteFields(line, ok ? "1" : "0", &text);
  }
  return 0;
}

struct SubstOptions {
  bool rates = false;
  bool actuals = false;
  int digits = -1;
  std::string batch;
  std::string text;
};

std::string Substitute(const SubstOptions& options, const std::string& input) {
  std::string text = input;
  if (options.rates) {
    SubstituteRates(text, options.digits);
  } else {
    SubstituteActuals(text);
  }
  return text;
}

int SubstCommand(const SubstOptions& options) {
  std::vector<std::string> lines;
  if (options.batch.empty()) {
    lines.push_back(options.text);
  } else {
    std::string error;
    if (!ReadLines(options.batch, &lines, &error)) {
      std::fprintf(stderr, "ftcalc subst: %s\n", error.c_str());
      return 2;
    }
  }
  for (const std::string& line : lines) {
    const std::string text = Substitute(options, line);
    WriteFields(line, text.c_str(), nullptr);
  }
  return 0;
}

}  // namespace

void AddFormulaCommands(CLI::App& app, int& exit_code) {
  auto* eval = app.add_subcommand("eval", "Evaluate a fee formula as the engine does");
  auto formula = std::make_shared<std::string>();
  auto batch = std::make_shared<std::string>();
  auto* formula_option =
      eval->add_option("formula", *formula, "The formula (UTF-8); put it after -- if it starts with -");
  auto* batch_option = eval->add_option(
      "--batch", *batch, "File of formulas, one per line; prints input TAB 1|0 TAB result");
  formula_option->excludes(batch_option);
  eval->callback([&exit_code, formula, batch, formula_option, batch_option] {
    if (batch_option->count() > 0) {
      exit_code = EvalBatch(*batch);
    } else if (formula_option->count() > 0) {
      exit_code = EvalOne(*formula);
    } else {
      std::fprintf(stderr, "ftcalc eval: give a formula or --batch FILE\n");
      exit_code = 2;
    }
  });

  auto* subst = app.add_subcommand(
      "subst", "Replace the bracketed rate or actual-value references of formulas by their values");
  auto options = std::make_shared<SubstOptions>();
  auto* rates = subst->add_flag("--rates", options->rates, "Substitute rates (费率:)");
  auto* actuals = subst->add_flag("--actuals", options->actuals, "Substitute actual values (实际:)");
  rates->excludes(actuals);
  subst->add_option("--digits", options->digits,
                    "Round rates to this many decimals (-1: full precision, as the engine uses)");
  auto* subst_batch = subst->add_option(
      "--batch", options->batch, "File of formulas, one per line; prints input TAB result");
  auto* subst_text = subst->add_option("text", options->text, "One formula (UTF-8)");
  subst_text->excludes(subst_batch);
  subst->callback([&exit_code, options, subst_batch, subst_text] {
    if (!options->rates && !options->actuals) {
      std::fprintf(stderr, "ftcalc subst: give --rates or --actuals\n");
      exit_code = 2;
    } else if (subst_batch->count() == 0 && subst_text->count() == 0) {
      std::fprintf(stderr, "ftcalc subst: give a formula or --batch FILE\n");
      exit_code = 2;
    } else {
      exit_code = SubstCommand(*options);
    }
  });
}

}  // namespace ftcalc::cli
