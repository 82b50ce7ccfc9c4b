// The report page. Everything is inline: the styles, the SVG chart and a
// few lines of script for expanding the tree; the page refers to nothing
// outside itself. Every text from the project goes through Html().
#include <algorithm>
#include <cmath>
#include <sstream>

#include "data/number_text.h"
#include "json_writer.h"
#include "report_data.h"

namespace ftcalc::cli {
namespace {

std::string Html(std::string_view text) {
  const std::string valid = ValidUtf8(text);
  std::string out;
  out.reserve(valid.size());
  for (char c : valid) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Dash(const std::string& text) { return text.empty() ? "—" : Html(text); }

constexpr char kStyle[] = R"CSS(
:root { --ink:#1f2933; --muted:#66788a; --line:#e4e8ee; --soft:#f5f7fa; --accent:#1f6feb; }
* { box-sizing:border-box; }
body { margin:0; background:#eef1f5; color:var(--ink);
  font:14px/1.5 "Noto Sans CJK SC","Source Han Sans SC","PingFang SC","Microsoft YaHei",
    "Helvetica Neue",Arial,sans-serif; }
main { max-width:1180px; margin:0 auto; padding:28px 24px 48px; }
header.top { background:#fff; border-radius:10px; padding:24px 28px; box-shadow:0 1px 3px rgba(0,0,0,.06); }
h1 { font-size:24px; margin:0 0 6px; font-weight:600; }
.facts { color:var(--muted); margin:0; }
.facts span + span::before { content:"·"; margin:0 .6em; color:#b5c0cc; }
.cards { display:flex; gap:16px; margin-top:18px; flex-wrap:wrap; }
.card { flex:1 1 220px; background:var(--soft); border-radius:8px; padding:12px 16px; }
.card .label { color:var(--muted); font-size:13px; }
.card .value { font-size:26px; font-weight:600; font-variant-numeric:tabular-nums; letter-spacing:.01em; }
.card .unit { font-size:14px; color:var(--muted); margin-left:4px; font-weight:400; }
section { background:#fff; border-radius:10px; padding:20px 28px 24px; margin-top:20px;
  box-shadow:0 1px 3px rgba(0,0,0,.06); }
h2 { font-size:18px; margin:0 0 14px; font-weight:600; }
h3 { font-size:15px; margin:18px 0 8px; font-weight:600; color:#3d4b5a; }
.num { text-align:right; font-variant-numeric:tabular-nums; white-space:nowrap; }
table { border-collapse:collapse; width:100%; }
th { text-align:left; font-weight:600; color:var(--muted); font-size:13px; border-bottom:2px solid var(--line); padding:6px 10px; }
th.num { text-align:right; }
td { border-bottom:1px solid var(--line); padding:5px 10px; vertical-align:baseline; }
table.fees { table-layout:fixed; }
table.fees col.n { width:6em; } table.fees col.v { width:11em; } table.fees col.f { width:42%; }
td.formula { color:var(--muted); font-size:12.5px; word-break:break-all; }
tr.group td { background:var(--soft); font-weight:600; }
tr.total td { font-weight:600; border-top:2px solid var(--line); }
.note { color:var(--muted); font-style:italic; }
.chart text { font-size:13px; fill:var(--ink); }
.chart text.value { fill:var(--muted); font-variant-numeric:tabular-nums; }
.tree .head, .tree .row { display:grid; grid-template-columns:minmax(0,1fr) 8em 9.5em 10.5em; gap:0 12px;
  padding:5px 6px; border-bottom:1px solid var(--line); align-items:center; min-height:32px; }
.tree .head { font-weight:600; color:var(--muted); font-size:13px; border-bottom:2px solid var(--line); }
.tree .head span:not(:first-child) { text-align:right; }
.tree details > summary { list-style:none; cursor:pointer; }
.tree details > summary::-webkit-details-marker { display:none; }
.tree .name { display:flex; gap:6px; min-width:0; align-items:baseline; }
.tree .twisty { width:1em; flex:none; color:var(--muted); transition:transform .15s; display:inline-block; }
.tree details[open] > summary .twisty { transform:rotate(90deg); }
.tree .code { color:var(--muted); font-size:12.5px; white-space:nowrap; }
.tree .kind-1 { font-weight:600; background:#f0f4fa; }
.tree .kind-2 { font-weight:600; }
.tree .kind-q { color:#52606d; font-size:13px; }
.tree .kind-d { color:var(--muted); font-style:italic; font-size:13px; }
.tree summary:hover .row, .tree .row:hover { background:#f7f9fc; }
.tools { float:right; }
.tools button { font:inherit; font-size:13px; border:1px solid var(--line); background:#fff; border-radius:6px;
  padding:2px 10px; margin-left:6px; cursor:pointer; color:var(--ink); }
.warn { background:#fff7e6; border:1px solid #f5d08a; border-radius:8px; padding:10px 14px; margin-top:16px; }
footer { color:var(--muted); font-size:12px; margin-top:20px; text-align:center; }
@media print { body { background:#fff; } section, header.top { box-shadow:none; } .tools { display:none; } }
)CSS";

constexpr char kScript[] = R"JS(
function setAll(open) {
  document.querySelectorAll('.tree details').forEach(function (d) { d.open = open; });
}
)JS";

// Horizontal bars, one per chapter, with the amount and share written
// beside each bar.
std::string Chart(const ReportData& data) {
  if (data.chapters.empty()) return "<p class=\"note\">没有章节</p>";
  double max = 0, sum = 0;
  for (const ReportChapter& c : data.chapters) {
    if (std::isfinite(c.value)) {
      max = std::max(max, c.value);
      sum += c.value;
    }
  }
  const int label_width = 250, bar_width = 560, row = 34, top = 6;
  const int width = label_width + bar_width + 190;
  const int height = top * 2 + row * static_cast<int>(data.chapters.size());
  std::ostringstream svg;
  svg << "<svg class=\"chart\" role=\"img\" aria-label=\"各章造价\" viewBox=\"0 0 " << width << " "
      << height << "\" width=\"100%\" preserveAspectRatio=\"xMinYMin meet\" "
      << ">\n";
  const char* colors[] = {"#1f6feb", "#2f81f7", "#388bfd", "#4c9aff",
                          "#58a6ff", "#6cb6ff", "#79c0ff"};
  for (size_t i = 0; i < data.chapters.size(); ++i) {
    const ReportChapter& c = data.chapters[i];
    const double value = std::isfinite(c.value) ? c.value : 0;
    const int y = top + row * static_cast<int>(i);
    const double length = max > 0 && value > 0 ? std::max(2.0, value / max * bar_width) : 0;
    const double share = sum > 0 ? value / sum * 100 : 0;
    svg << "  <g>\n"
        << "    <title>" << Html(c.name) << " " << Html(c.total) << "</title>\n"
        << "    <text x=\"" << label_width - 12 << "\" y=\"" << y + row / 2 + 5
        << "\" text-anchor=\"end\">" << Html(c.name) << "</text>\n"
        << "    <rect x=\"" << label_width << "\" y=\"" << y + 6 << "\" width=\""
        << FixedText(1, length) << "\" height=\"" << row - 12 << "\" rx=\"3\" fill=\""
        << colors[i % 7] << "\"/>\n"
        << "    <text class=\"value\" x=\"" << FixedText(1, label_width + length + 8) << "\" y=\""
        << y + row / 2 + 5 << "\">" << Html(c.total) << "  (" << FixedText(1, share)
        << "%)</text>\n"
        << "  </g>\n";
  }
  svg << "</svg>\n";
  return svg.str();
}

std::string KindClass(const std::string& kind) {
  if (kind == "级1") return "kind-1";
  if (kind == "级2") return "kind-2";
  if (kind == "定额") return "kind-q";
  if (kind == "描述") return "kind-d";
  return "";
}

std::string ItemRow(const ReportItem& item, size_t depth, bool has_children) {
  std::ostringstream row;
  row << "<div class=\"row " << KindClass(item.kind)
      << "\"><span class=\"name\" style=\"padding-left:" << FixedText(1, depth * 1.4)
      << "em\"><span class=\"twisty\">" << (has_children ? "▸" : "") << "</span>";
  if (!item.code.empty()) row << "<span class=\"code\">" << Html(item.code) << "</span>";
  row << "<span>" << Html(item.name) << "</span></span>";
  if (item.kind == "描述") {
    row << "<span></span><span></span><span></span></div>";
  } else if (item.kind != "项" && item.kind != "定额") {
    // Headings carry only the rolled-up total.
    row << "<span></span><span></span><span class=\"num\">" << Dash(item.total) << "</span></div>";
  } else {
    row << "<span class=\"num\">" << Dash(item.quantity) << "</span><span class=\"num\">"
        << Dash(item.unit_price) << "</span><span class=\"num\">" << Dash(item.total)
        << "</span></div>";
  }
  return row.str();
}

// The tree as nested <details>, written with an explicit stack so that a
// deep tree cannot exhaust the call stack. Chapters and their sections
// start open.
std::string Tree(const ReportData& data) {
  std::ostringstream out;
  out << "<div class=\"tree\"><div class=\"head\"><span>编码 / 名称</span><span>工程量</span>"
         "<span>综合单价</span><span>综合合价</span></div>\n";
  struct Frame {
    const std::vector<size_t>* list;
    size_t next;
  };
  std::vector<Frame> stack{{&data.roots, 0}};
  while (!stack.empty()) {
    Frame& frame = stack.back();
    if (frame.next == frame.list->size()) {
      stack.pop_back();
      if (!stack.empty()) out << "</details>\n";
      continue;
    }
    const size_t index = (*frame.list)[frame.next++];
    const ReportItem& item = data.items[index];
    const size_t depth = stack.size() - 1;
    if (item.children.empty()) {
      out << ItemRow(item, depth, false) << "\n";
    } else {
      out << "<details" << (depth < 2 ? " open" : "") << "><summary>" << ItemRow(item, depth, true)
          << "</summary>\n";
      stack.push_back({&item.children, 0});
    }
  }
  out << "</div>\n";
  return out.str();
}

std::string Table(const ReportTable& table, bool formula_column = false) {
  std::ostringstream out;
  if (!table.note.empty() && table.rows.empty()) {
    return "<p class=\"note\">" + Html(table.note) + "</p>\n";
  }
  if (formula_column) {
    out << "<table class=\"fees\"><colgroup><col class=\"n\"><col><col class=\"f\"><col "
           "class=\"v\">"
           "</colgroup><thead><tr>";
  } else {
    out << "<table><thead><tr>";
  }
  for (size_t c = 0; c < table.headers.size(); ++c) {
    out << "<th" << (table.numeric[c] ? " class=\"num\"" : "") << ">" << Html(table.headers[c])
        << "</th>";
  }
  out << "</tr></thead><tbody>\n";
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const std::vector<std::string>& row = table.rows[r];
    const std::string& style = table.styles[r];
    if (style == "group") {
      out << "<tr class=\"group\"><td colspan=\"" << table.headers.size() << "\">" << Html(row[1])
          << "</td></tr>\n";
      continue;
    }
    out << "<tr" << (style.empty() ? "" : " class=\"" + style + "\"") << ">";
    for (size_t c = 0; c < row.size(); ++c) {
      const bool formula = formula_column && table.headers[c] == "计算式";
      out << "<td"
          << (table.numeric[c] ? " class=\"num\""
              : formula        ? " class=\"formula\""
                               : "")
          << ">" << Html(row[c]) << "</td>";
    }
    out << "</tr>\n";
  }
  out << "</tbody></table>\n";
  if (!table.note.empty()) out << "<p class=\"note\">" << Html(table.note) << "</p>\n";
  return out.str();
}

}  // namespace

std::string RenderReportHtml(const ReportData& data) {
  std::ostringstream page;
  const std::string title = data.name.empty() ? "工程造价报告" : data.name;
  page << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
       << "<title>" << Html(title) << "</title>\n<style>" << kStyle << "</style>\n"
       << "<script>" << kScript << "</script>\n</head>\n<body>\n<main>\n";

  page << "<header class=\"top\">\n<h1>" << Html(title) << "</h1>\n<p class=\"facts\">";
  for (const auto& [name, value] : data.facts) {
    page << "<span>" << Html(name) << " " << Html(value) << "</span>";
  }
  page << "</p>\n<div class=\"cards\">\n"
       << "<div class=\"card\"><div class=\"label\">工程造价</div><div class=\"value\" id=\"cost\">"
       << Dash(data.cost) << "<span class=\"unit\">元</span></div></div>\n"
       << "<div class=\"card\"><div class=\"label\">单方造价</div><div class=\"value\" "
          "id=\"unit-cost\">"
       << Dash(data.unit_cost) << "<span class=\"unit\">元</span></div></div>\n"
       << "</div>\n";
  if (!data.warnings.empty()) {
    page << "<div class=\"warn\"><strong>部分数据无法读取：</strong><ul>";
    for (const std::string& warning : data.warnings) page << "<li>" << Html(warning) << "</li>";
    page << "</ul></div>\n";
  }
  page << "</header>\n";

  page << "<section id=\"chapters\">\n<h2>各章造价</h2>\n" << Chart(data) << "</section>\n";

  page << "<section id=\"items\">\n<div class=\"tools\"><button type=\"button\" "
          "onclick=\"setAll(true)\">"
          "全部展开</button><button type=\"button\" "
          "onclick=\"setAll(false)\">全部折叠</button></div>\n"
       << "<h2>工程量清单</h2>\n"
       << (data.items.empty() ? "<p class=\"note\">没有清单</p>\n" : Tree(data)) << "</section>\n";

  page << "<section id=\"fees\">\n<h2>工程取费</h2>\n";
  if (data.fee_tables.empty()) page << "<p class=\"note\">没有取费表</p>\n";
  for (const ReportTable& table : data.fee_tables) {
    page << "<h3>" << Html(table.title) << "</h3>\n" << Table(table, true);
  }
  page << "</section>\n";

  page << "<section id=\"materials\">\n<h2>" << Html(data.materials.title) << "</h2>\n"
       << Table(data.materials) << "</section>\n";
  page << "<section id=\"equipment\">\n<h2>" << Html(data.equipment.title) << "</h2>\n"
       << Table(data.equipment) << "</section>\n";

  page << "<footer>金额单位：元，价格小数位 " << data.price_decimals << "。项目文件 "
       << Html(data.project_file) << "</footer>\n</main>\n</body>\n</html>\n";
  return page.str();
}

}  // namespace ftcalc::cli
