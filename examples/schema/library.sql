-- Library database (attached under the base name of its file, e.g. RoadLib).
-- No declared keys: the rows refer to each other by 编号, which the host fills.

-- Library parameters: the row 计算设置 holds a block of name=value lines.
CREATE TABLE 参数 (
  名称 TEXT,
  内容 TEXT
);

-- Calculation settings: a two-level tree of named setting texts.
CREATE TABLE 计算设置 (
  编号 INTEGER,
  上级编号 INTEGER,
  名称 TEXT,
  内容 TEXT
);
