-- Other-quota library (attached as 其他): lookup tables of the material codes.
-- No declared keys: the material lines refer to the rows by 编号, which the
-- host fills.

-- Material kinds (人工, 材料, 机械, 主材, 设备 ...).
CREATE TABLE 材料标志 (
  编号 INTEGER,
  名称 TEXT
);

-- Three-materials classes (钢材, 木材, 水泥).
CREATE TABLE 材料三材 (
  编号 INTEGER,
  名称 TEXT
);

-- Suppliers (承包人, 发包人).
CREATE TABLE 材料供应方 (
  编号 INTEGER,
  名称 TEXT
);
