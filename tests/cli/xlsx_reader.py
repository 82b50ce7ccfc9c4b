"""Reads the workbooks ftcalc writes with openpyxl (Debian's python3-openpyxl),
a reader written elsewhere, and checks them against the project database.

  xlsx_reader.py check-export WORKBOOK PROJECT.db QUANTITY_DECIMALS PRICE_DECIMALS
      every number of 清单, 工程取费, 材料价格 and 设备汇总 equals the stored
      value, number formats carry the decimals, the outline levels follow
      the item tree, and every sheet is set up for printing. Prints each
      problem on stderr (exit status 1 when there is one), then the dump.
  xlsx_reader.py dump WORKBOOK
      every non-empty row as "sheet<TAB>outline level<TAB>cells", numbers as
      Python writes them, so that a test can look for exact rows.

Run it with Debian's /usr/bin/python3, where python3-openpyxl is installed.
"""
import sqlite3
import sys

try:
    import openpyxl
except ImportError:
    sys.exit("openpyxl is missing: apt-get install python3-openpyxl")

problems = []


def problem(text):
    problems.append(text)


def number_format(decimals):
    return "#,##0" + ("." + "0" * decimals if decimals > 0 else "")


def check_number(sheet, cell, stored, decimals, what):
    """A stored number is in the cell as that very number (None for NULL),
    shown with the project's decimals."""
    value = cell.value
    if stored is None:
        if value is not None:
            problem(f"{sheet} {cell.coordinate} {what}: {value!r} where the project holds NULL")
        return
    if isinstance(stored, str):
        stored = float(stored) if stored.strip() else 0.0
    # libxlsxwriter writes a number with 16 significant digits ("%.16G"), so a
    # stored double that needs 17 (a sum such as 1.8100000000000003) reads
    # back as its 16-digit neighbour; every other one reads back exactly.
    if not isinstance(value, (int, float)) or isinstance(value, bool) or (
            value != stored and value != float("%.16g" % stored)):
        problem(f"{sheet} {cell.coordinate} {what}: {value!r} where the project holds {stored!r}")
    # A heading may hide its zero: "#,##0.000;-#,##0.000;".
    if cell.number_format.split(";")[0] != number_format(decimals):
        problem(f"{sheet} {cell.coordinate} {what}: format {cell.number_format!r}, "
                f"want {number_format(decimals)!r}")


def tree_rows(db):
    """The item tree in display order with each row's depth."""
    rows = db.execute("select 编号,上级编号,标志,编码,名称,工程量,综合单价,综合合价 "
                      "from 分部分项 order by 排序,rowid").fetchall()
    by_number = {r[0]: r for r in rows}
    children = {r[0]: [] for r in rows}
    roots = []
    for r in rows:
        (children[r[1]] if r[1] in by_number and r[1] != r[0] else roots).append(r)
    order = []
    stack = [(r, 0) for r in reversed(roots)]
    while stack:
        row, depth = stack.pop()
        order.append((row, depth, bool(children[row[0]])))
        stack.extend((c, depth + 1) for c in reversed(children[row[0]]))
    return order


def is_heading(kind):
    return kind not in ("项", "定额", "描述", "式")


def check_bill_of_quantities(ws, db, qd, pd):
    """The tree in display order, each chapter (a top-level heading with
    rows below it) closed by its subtotal: its own stored 综合合价."""
    sheet_rows = list(ws.iter_rows(min_row=2))
    expected = []
    chapter = None
    for row, depth, has_children in tree_rows(db):
        if depth == 0:
            if chapter:
                expected.append(("subtotal", chapter))
            chapter = row if has_children and is_heading(row[2]) else None
        expected.append(("row", row, depth))
    if chapter:
        expected.append(("subtotal", chapter))
    if len(sheet_rows) != len(expected):
        problem(f"清单: {len(sheet_rows)} rows, want {len(expected)}")
    for cells, want in zip(sheet_rows, expected):
        level = ws.row_dimensions[cells[0].row].outlineLevel or 0
        if want[0] == "subtotal":
            name, total = want[1][4], want[1][7]
            if cells[1].value != name + " 小计" or level != 0:
                problem(f"清单 row {cells[0].row}: {cells[1].value!r} at level {level}, "
                        f"want the subtotal of {name!r}")
            check_number("清单", cells[5], total, pd, "小计")
            continue
        (number, _, kind, code, name, quantity, unit_price, total), depth = want[1], want[2]
        if (cells[0].value or None) != (code or None) or cells[1].value != name:
            problem(f"清单 row {cells[0].row}: {cells[0].value!r} {cells[1].value!r}, "
                    f"want {code!r} {name!r} (编号 {number})")
        check_number("清单", cells[3], quantity, qd, "工程量")
        check_number("清单", cells[4], unit_price, pd, "综合单价")
        check_number("清单", cells[5], total, pd, "综合合价")
        if level != min(depth, 7):
            problem(f"清单 row {cells[0].row} ({name}): outline level {level}, want {min(depth, 7)}")


def check_table(ws, db, sql, numbers, qd, pd):
    """Rows that are not category titles hold the stored numbers in order."""
    stored = db.execute(sql).fetchall()
    rows = [r for r in ws.iter_rows(min_row=2) if any(c.value is not None for c in r)]
    # Category titles are merged across the row; a note ("没有设备") stands
    # alone in the second column.
    lines = [r for r in rows if r[0].coordinate not in ws.merged_cells
             and any(c.value is not None for i, c in enumerate(r) if i != 1)]
    if len(lines) != len(stored):
        problem(f"{ws.title}: {len(lines)} rows, want {len(stored)}")
    for cells, values in zip(lines, stored):
        for column, what in numbers:
            decimals = qd if what == "数量" else pd
            check_number(ws.title, cells[column], values[column], decimals, what)


def check_export(path, db_path, qd, pd):
    wb = openpyxl.load_workbook(path)
    db = sqlite3.connect(db_path)
    if wb.sheetnames != ["封面", "清单", "工程取费", "材料价格", "设备汇总"]:
        problem(f"sheets {wb.sheetnames}")
        return
    for ws in wb:
        setup = ws.page_setup
        if ws.freeze_panes != "A2" or ws.print_title_rows != "$1:$1":
            problem(f"{ws.title}: frozen {ws.freeze_panes}, repeated {ws.print_title_rows}")
        if setup.orientation != "landscape" or str(setup.paperSize) != "9":
            problem(f"{ws.title}: {setup.orientation} paper {setup.paperSize}")
        for letter, dimension in ws.column_dimensions.items():
            if not dimension.width or dimension.width < 6:
                problem(f"{ws.title}: column {letter} width {dimension.width}")
    cost = db.execute("select 内容 from 工程档案 where 名称='工程造价'").fetchone()[0]
    check_number("封面", wb["封面"]["B3"], float(cost.rstrip("元")), pd, "工程造价")
    check_bill_of_quantities(wb["清单"], db, qd, pd)
    check_table(wb["材料价格"], db,
                "select 编码,名称,单位,数量,基价,信息价,价差,合价 from 材料价格 "
                "where 上级编号>=0 and ifnull(标志,'')<>'分类' order by 排序,rowid",
                [(3, "数量"), (4, "基价"), (5, "信息价"), (6, "价差"), (7, "合价")], qd, pd)
    check_table(wb["设备汇总"], db,
                "select 编码,名称,单位,数量,基价,信息价,合价 from 设备汇总 "
                "where 上级编号>=0 order by 排序,rowid",
                [(3, "数量"), (4, "基价"), (5, "信息价"), (6, "合价")], qd, pd)
    fees = []
    for number, profession, kind in db.execute(
            "select 编号,取费专业,类别 from 取费索引 where 类别 in('工程总价','专业工程') "
            "order by 类别='专业工程',排序,rowid").fetchall():
        if kind == "工程总价" and profession != "工程总价":
            continue
        where = "主表=?" + (" and 专业取费=?" if kind == "专业工程" else "")
        args = (number, profession) if kind == "专业工程" else (number,)
        fees += db.execute(f"select 顺号,项目,计算式,费用 from 工程取费 where {where} "
                           "order by 排序,rowid", args).fetchall()
    ws = wb["工程取费"]
    lines = [r for r in ws.iter_rows(min_row=2) if r[0].coordinate not in ws.merged_cells]
    if len(lines) != len(fees):
        problem(f"工程取费: {len(lines)} lines, want {len(fees)}")
    for cells, fee in zip(lines, fees):
        if cells[1].value != fee[1]:
            problem(f"工程取费 row {cells[0].row}: {cells[1].value!r}, want {fee[1]!r}")
        check_number("工程取费", cells[3], fee[3], pd, "费用")


def dump(path):
    wb = openpyxl.load_workbook(path)
    for ws in wb:
        for row in ws.iter_rows():
            values = ["" if c.value is None else repr(c.value) if not isinstance(c.value, str)
                      else c.value for c in row]
            if any(values):
                level = ws.row_dimensions[row[0].row].outlineLevel or 0
                print("\t".join([ws.title, str(level)] + values).rstrip("\t"))


if __name__ == "__main__":
    if len(sys.argv) == 6 and sys.argv[1] == "check-export":
        check_export(sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5]))
        for text in problems:
            print(text, file=sys.stderr)
        dump(sys.argv[2])
        sys.exit(1 if problems else 0)
    if len(sys.argv) == 3 and sys.argv[1] == "dump":
        dump(sys.argv[2])
        sys.exit(0)
    sys.exit(__doc__)
