#include "formula_problems.h"

#include <algorithm>
#include <map>

#include "calc/fee_sheet.h"
#include "calc/fee_table.h"
#include "calc/project_fees.h"
#include "data/text_util.h"
#include "formula/check_formula.h"
#include "formula/evaluate_formula.h"
#include "formula/substitute.h"
#include "json_writer.h"

namespace ftcalc::cli {
namespace {

// Whether `reference` ("[系统:...]") is one of the unit-price sheet's
// system markers.
bool IsFeeMarker(const std::string& reference) {
  for (int marker = 0; marker < kFeeMarkerCount; ++marker) {
    if (reference == FeeMarkerText(marker)) return true;
  }
  return false;
}

// The markers' names, for the message: "定额费合计、直接人工费合计、...".
std::string FeeMarkerNames() {
  static constexpr char kPrefix[] = "[系统:";
  std::string names;
  for (int marker = 0; marker < kFeeMarkerCount; ++marker) {
    std::string text = FeeMarkerText(marker);
    text = text.substr(sizeof kPrefix - 1, text.size() - sizeof kPrefix);
    names += (names.empty() ? "" : "、") + text;
  }
  return names;
}

// The texts between `open` and the next `close` (each reference once, in
// order of first appearance). An `open` without `close` after it is no
// reference.
std::vector<std::string> Enclosed(const std::string& text, char open, char close) {
  std::vector<std::string> found;
  for (size_t start = text.find(open); start != std::string::npos;
       start = text.find(open, start + 1)) {
    const size_t end = text.find(close, start + 1);
    if (end == std::string::npos) break;
    std::string inner = text.substr(start + 1, end - start - 1);
    if (std::find(found.begin(), found.end(), inner) == found.end()) found.push_back(inner);
    start = end;
  }
  return found;
}

void ReplaceEnclosed(std::string& text, char open, char close, const std::string& prefix,
                     const std::string& by) {
  for (const std::string& inner : Enclosed(text, open, close)) {
    if (StartsWith(inner, prefix)) ReplaceAll(text, std::string(1, open) + inner + close, by);
  }
}

// The formula as the engine hands it to the evaluator, with every row
// reference and every system value standing for the number 1 (their own
// problems are reported separately).
std::string TextToEvaluate(const std::string& formula, SheetKind kind) {
  std::string text = Trim(formula);
  ReplaceEnclosed(text, '[', ']', "系统:", "1");
  ReplaceEnclosed(text, '<', '>', "", "1");
  SubstituteRates(text, -1);
  if (kind == SheetKind::kProjectTotal) SubstituteActuals(text);
  // A fee table's row is evaluated as the table's own formula text; a
  // unit-price sheet's line goes to the evaluator as it stands.
  return kind == SheetKind::kUnitPrice ? text : FeeFormulaText(text);
}

// Strips the line break that every message of the check starts with.
std::string CheckMessage(std::string message) {
  while (!message.empty() && (message.front() == '\r' || message.front() == '\n')) {
    message.erase(0, 1);
  }
  return message;
}

// Which lines still hold an open row reference after the engine's own
// resolution, index-aligned with `lines` (duplicates of a label follow
// its first line).
std::vector<bool> UnresolvedAfterPasses(const std::vector<SheetLine>& lines, SheetKind kind) {
  std::vector<bool> open(lines.size(), false);
  if (kind == SheetKind::kUnitPrice) {
    std::vector<FeeLine> fee_lines;
    for (const SheetLine& line : lines) fee_lines.push_back({line.number, line.name, line.formula});
    const Query no_item;  // the markers read 0: only the references matter here
    FeeSheet sheet(fee_lines, no_item, FeeBasis::kUnit, 2);
    sheet.Resolve();
    for (size_t i = 0; i < lines.size(); ++i) {
      open[i] = Contains(sheet.WorkingFormula("<:" + Trim(lines[i].number) + ">"), "<");
    }
    return open;
  }
  std::vector<FeeRow> rows;
  for (const SheetLine& line : lines) {
    std::string formula = Trim(line.formula);
    SubstituteRates(formula, -1);
    if (kind == SheetKind::kProjectTotal) SubstituteActuals(formula);
    rows.push_back({"<" + Trim(line.number) + ">", formula});
  }
  KnownValues known;
  AddFirstValues(rows, known);
  const std::vector<std::string> resolved = ResolveRowReferences(rows, known);
  std::map<std::string, size_t> first;
  for (size_t i = 0; i < rows.size(); ++i) first.emplace(rows[i].name, i);
  for (size_t i = 0; i < rows.size(); ++i) open[i] = Contains(resolved[first[rows[i].name]], "<");
  return open;
}

// The reference graph of a sheet: edges[i] are the lines that line i
// refers to (by the first line of each label).
struct ReferenceGraph {
  std::vector<std::vector<size_t>> edges;
  std::vector<size_t> cycle;  // kNoCycle or the number of the line's cycle
  std::vector<bool> broken;   // refers, directly or through others, to a
                              // missing label or a cycle
  std::vector<size_t> depth;  // longest chain of references below a line
};

constexpr size_t kNoCycle = static_cast<size_t>(-1);

// Strongly connected components (iterative Tarjan). Returns for every line
// the number of its cycle (a component of two or more lines, or a line that
// refers to itself), kNoCycle for a line on none.
std::vector<size_t> CyclesOfLines(const std::vector<std::vector<size_t>>& edges) {
  const size_t n = edges.size();
  const size_t unset = static_cast<size_t>(-1);
  std::vector<size_t> index(n, unset), low(n, 0);
  std::vector<bool> on_stack(n, false);
  std::vector<size_t> cycle(n, kNoCycle);
  size_t cycles = 0;
  std::vector<size_t> stack;
  size_t counter = 0;
  for (size_t root = 0; root < n; ++root) {
    if (index[root] != unset) continue;
    std::vector<std::pair<size_t, size_t>> work{{root, 0}};
    index[root] = low[root] = counter++;
    stack.push_back(root);
    on_stack[root] = true;
    while (!work.empty()) {
      auto& [v, next] = work.back();
      if (next < edges[v].size()) {
        const size_t w = edges[v][next++];
        if (index[w] == unset) {
          index[w] = low[w] = counter++;
          stack.push_back(w);
          on_stack[w] = true;
          work.push_back({w, 0});
        } else if (on_stack[w]) {
          low[v] = std::min(low[v], index[w]);
        }
        continue;
      }
      if (low[v] == index[v]) {
        std::vector<size_t> component;
        size_t w;
        do {
          w = stack.back();
          stack.pop_back();
          on_stack[w] = false;
          component.push_back(w);
        } while (w != v);
        const bool self = std::find(edges[v].begin(), edges[v].end(), v) != edges[v].end();
        if (component.size() > 1 || self) {
          for (size_t c : component) cycle[c] = cycles;
          ++cycles;
        }
      }
      const size_t finished = v;
      work.pop_back();
      if (!work.empty()) low[work.back().first] = std::min(low[work.back().first], low[finished]);
    }
  }
  return cycle;
}

}  // namespace

std::vector<FormulaProblem> FindFormulaProblems(const std::vector<SheetLine>& lines, SheetKind kind,
                                                const std::set<std::string>& system_names) {
  std::vector<FormulaProblem> problems;
  const size_t n = lines.size();
  std::map<std::string, size_t> label_line;
  for (size_t i = 0; i < n; ++i) label_line.emplace(Trim(lines[i].number), i);

  ReferenceGraph graph;
  graph.edges.resize(n);
  std::vector<bool> missing(n, false);
  for (size_t i = 0; i < n; ++i) {
    const std::string formula = Trim(lines[i].formula);

    for (const std::string& inner : Enclosed(formula, '[', ']')) {
      const std::string reference = "[" + inner + "]";
      if (StartsWith(inner, "系统:")) {
        const std::string name = inner.substr(std::string("系统:").size());
        bool known;
        if (kind == SheetKind::kUnitPrice) {
          known = IsFeeMarker(reference);
        } else {
          known = system_names.count(name) > 0 ||
                  (kind == SheetKind::kSpecialty && reference == kSmallProjectMarker);
        }
        if (!known) {
          problems.push_back({i, "unknown-system",
                              reference + (kind == SheetKind::kUnitPrice
                                               ? " 不是系统标记（" + FeeMarkerNames() + "）"
                                               : " 不是汇总合价会有的合计，按 0 计")});
        }
      } else if (StartsWith(inner, "费率:") && !Contains(inner, "=")) {
        problems.push_back({i, "rate-without-value", reference + " 没有“=”和费率值，按 0 计"});
      } else if (StartsWith(inner, "实际:") && !Contains(inner, "=")) {
        problems.push_back({i, "actual-without-value", reference + " 没有“=”和实际值，按 0 计"});
      }
    }

    for (const std::string& label : Enclosed(formula, '<', '>')) {
      auto target = label_line.find(label);
      if (target == label_line.end()) {
        missing[i] = true;
        problems.push_back(
            {i, "missing-row", "引用的顺号 <" + label + "> 在本表中不存在，按 0 计"});
      } else {
        graph.edges[i].push_back(target->second);
      }
    }

    const std::string text = TextToEvaluate(formula, kind);
    const std::string prepared = PrepareFormula(text);
    const FormulaCheck check = CheckFormula(prepared);
    const std::string message = check.message;
    if (!formula.empty() && prepared.empty()) {
      problems.push_back({i, "empty", "公式没有可计算的内容，按 0 计"});
    } else if (!check.ok()) {
      problems.push_back(
          {i, "rejected",
           "公式检查不通过：" + CheckMessage(message) + "（计算文本 " + ValidUtf8(text) + "）"});
    }
  }

  graph.cycle = CyclesOfLines(graph.edges);
  for (size_t i = 0; i < n; ++i) {
    if (graph.cycle[i] == kNoCycle || label_line[Trim(lines[i].number)] != i) continue;
    std::string members;
    for (size_t j = 0; j < n; ++j) {
      if (graph.cycle[j] == graph.cycle[i] && label_line[Trim(lines[j].number)] == j) {
        members += (members.empty() ? "<" : " <") + Trim(lines[j].number) + ">";
      }
    }
    problems.push_back({i, "cycle", "循环引用（" + members + "），按 0 计"});
  }

  // A line is broken when it reaches a missing label or a cycle; its value
  // is then 0 for that reason, not for the pass limit.
  graph.broken.assign(n, false);
  for (size_t i = 0; i < n; ++i) graph.broken[i] = missing[i] || graph.cycle[i] != kNoCycle;
  for (bool changed = true; changed;) {
    changed = false;
    for (size_t i = 0; i < n; ++i) {
      if (graph.broken[i]) continue;
      for (size_t j : graph.edges[i]) {
        if (graph.broken[j]) {
          graph.broken[i] = changed = true;
          break;
        }
      }
    }
  }
  graph.depth.assign(n, 0);
  for (size_t round = 0; round < n; ++round) {
    bool changed = false;
    for (size_t i = 0; i < n; ++i) {
      if (graph.broken[i]) continue;
      for (size_t j : graph.edges[i]) {
        if (graph.depth[j] + 1 > graph.depth[i]) {
          graph.depth[i] = graph.depth[j] + 1;
          changed = true;
        }
      }
    }
    if (!changed) break;
  }

  const std::vector<bool> unresolved = UnresolvedAfterPasses(lines, kind);
  const int passes = kind == SheetKind::kUnitPrice ? kFeeSheetPasses : kResolvePasses;
  for (size_t i = 0; i < n; ++i) {
    if (!unresolved[i] || graph.broken[i] || label_line[Trim(lines[i].number)] != i) continue;
    problems.push_back({i, "pass-limit",
                        "引用链过长：" + std::to_string(passes) + " 遍后仍未算出（引用链长 " +
                            std::to_string(graph.depth[i]) + "），按 0 计"});
  }

  std::stable_sort(
      problems.begin(), problems.end(),
      [](const FormulaProblem& a, const FormulaProblem& b) { return a.line < b.line; });
  return problems;
}

}  // namespace ftcalc::cli
