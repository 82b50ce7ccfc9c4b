-- Project database of the trial: every table the calculation engine reads or
-- writes in the project file, declared as a host may declare them.  Keys are
-- declared only where the data model names one: the row key of the item tree,
-- the integer keys of the standard materials and of the fee-sheet index, and
-- the 编号 that the database assigns in the rebuilt summary tables.  The
-- material lines and fee lines have no declared key (SQLite's rowid is
-- theirs), and there are no secondary indexes.

-- Item tree: headings, bill items (项), quota items (定额), description rows.
CREATE TABLE 分部分项 (
  编号 INTEGER PRIMARY KEY,
  上级编号 INTEGER,
  标志 TEXT,
  名称 TEXT,
  编码 TEXT,
  排序 REAL,
  序号 INTEGER,
  工程量 REAL,
  附注信息 TEXT,
  计算 INTEGER,
  单价取费 TEXT,
  定额基价 REAL,
  单价_人工费 REAL,
  单价_材料费 REAL,
  单价_机械费 REAL,
  主材费 REAL,
  设备费 REAL,
  合价_人工费 REAL,
  合价_材料费 REAL,
  合价_机械费 REAL,
  合价_主材费 REAL,
  合价_设备费 REAL,
  合价_定额基价 REAL,
  直接费 REAL,
  直接工程费 REAL,
  其他费用 REAL,
  规费 REAL,
  管理费 REAL,
  间接费 REAL,
  利润 REAL,
  增值税 REAL,
  合价_其他费用 REAL,
  合价_间接费 REAL,
  合价_利润 REAL,
  合价_增值税 REAL,
  综合单价 REAL,
  综合合价 REAL
);

-- Material lines of the quota items.  编号 numbers the lines within their
-- quota (1, 2, 3 … in every quota); a component line's 上级编号 is the 编号
-- of its composite line in the same quota (same 主表).
CREATE TABLE 分部分项材料明细 (
  编号 INTEGER,
  主表 INTEGER,
  上级编号 INTEGER,
  材料编号 INTEGER,
  编码 TEXT,
  名称 TEXT,
  单位 TEXT,
  基价 REAL,
  信息价 REAL,
  增值税率 REAL,
  实际量 REAL,
  标志 INTEGER,
  三材 INTEGER,
  供应方 INTEGER
);

-- Own fee sheet of an item (quota or bill item), one row per fee line.
-- 编号 is the line's order within its sheet (1, 2, 3 … in every item).
CREATE TABLE 分部分项取费明细 (
  编号 INTEGER,
  主表 INTEGER,
  顺号 TEXT,
  项目 TEXT,
  公式 TEXT,
  费用 REAL,
  费率名称 TEXT,
  费率 REAL,
  实际名称 TEXT,
  实际 REAL,
  标志 TEXT
);

-- Components of the unit-price fee sheet of every quota item.
CREATE TABLE 分部分项单价费率费用 (
  主表 INTEGER,
  冬季 REAL,
  雨季 REAL,
  夜间 REAL,
  高原 REAL,
  风沙 REAL,
  沿海 REAL,
  行车 REAL,
  安全 REAL,
  临时 REAL,
  施工 REAL,
  工地 REAL,
  综合1 REAL,
  综合2 REAL,
  养老 REAL,
  失业 REAL,
  医疗 REAL,
  住房 REAL,
  工伤 REAL,
  综合3 REAL,
  基本 REAL,
  主副 REAL,
  职工 REAL,
  补贴 REAL,
  费用 REAL,
  综合4 REAL
);

-- Lines of the standard fee sheets (unit-price, profession and project-total).
-- 费率 holds a number or a text, so it has no declared type.
CREATE TABLE 工程取费 (
  主表 INTEGER,
  专业取费 TEXT,
  顺号 TEXT,
  项目 TEXT,
  公式 TEXT,
  排序 REAL,
  费率,
  计算式 TEXT,
  费用 REAL
);

-- Index of the fee sheets.
CREATE TABLE 取费索引 (
  编号 INTEGER PRIMARY KEY,
  取费专业 TEXT,
  类别 TEXT,
  排序 REAL
);

-- Named totals, rebuilt on every full calculation.
CREATE TABLE 汇总合价 (
  分类 TEXT,
  名称 TEXT,
  合价 REAL
);

-- Material price list, rebuilt on every full calculation.  备注 and
-- 调整系数 are user columns carried over from build to build.
CREATE TABLE 材料价格 (
  编号 INTEGER PRIMARY KEY,
  上级编号 INTEGER,
  编码 TEXT,
  名称 TEXT,
  单位 TEXT,
  数量 REAL,
  基价 REAL,
  信息价 REAL,
  增值税率 REAL,
  三材 TEXT,
  供应方 TEXT,
  标志 TEXT,
  价差 REAL,
  合价 REAL,
  含税合价 REAL,
  排序 REAL,
  备注 TEXT,
  调整系数 REAL
);

-- Equipment summary, rebuilt on every full calculation.  主要 is the user's
-- key-equipment mark, carried over from build to build.
CREATE TABLE 设备汇总 (
  编号 INTEGER PRIMARY KEY,
  上级编号 INTEGER,
  编码 TEXT,
  名称 TEXT,
  单位 TEXT,
  数量 REAL,
  基价 REAL,
  信息价 REAL,
  供应方 TEXT,
  标志 TEXT,
  主要,
  合价 REAL,
  排序 REAL
);

-- Project archive: name/value records.
CREATE TABLE 工程档案 (
  名称 TEXT,
  内容 TEXT
);

-- Project parameters: name/value records.
CREATE TABLE 参数 (
  名称 TEXT,
  内容 TEXT
);

-- Report-generation rows of the host.
CREATE TABLE 生成报表 (
  编号 INTEGER,
  名称 TEXT,
  标志 INTEGER
);

-- Day work.
CREATE TABLE 计日工 (
  综合合价 REAL,
  标志 TEXT
);

-- Provisional sums.
CREATE TABLE 暂列金额 (
  合价 REAL,
  标志 TEXT
);

-- Standard material data of the quota library.  It may as well live in the
-- library database: statements name it unqualified, and SQLite takes the
-- first database that has it, the project's first.
CREATE TABLE 定额材料明细 (
  编号 INTEGER PRIMARY KEY,
  编码 TEXT,
  名称 TEXT,
  单位 TEXT,
  基价 REAL
);
