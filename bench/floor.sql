-- The SQL floor: the least work any engine must do to price a project.
--
--   sqlite3 project.db < bench/floor.sql
--
-- One pass over the material lines, priced (market price, else own base
-- price, else the standard material's) and summed per quota and kind; one
-- update of every quota row with its unit and total costs and a composite
-- price; one update of every bill item from its quotas; one transaction.
-- Rounding with round(): the floor runs in the plain sqlite3 shell. Kinds
-- are the 编号 of the other-quota library's 材料标志 (1 人工, 2-7
-- materials, 8-9 machines, 10 主材, 11 设备), so the library need not be
-- attached.
BEGIN;

CREATE TEMP TABLE floor_quota (
  id INTEGER PRIMARY KEY,
  labour REAL,
  material REAL,
  machine REAL,
  main REAL,
  equipment REAL
);

INSERT INTO floor_quota(id, labour, material, machine, main, equipment)
SELECT 主表,
       round(total(CASE WHEN 标志 = 1 AND 上级编号 = 0 THEN v END), 2),
       round(total(CASE WHEN 标志 BETWEEN 2 AND 7 AND 上级编号 = 0 THEN v END), 2),
       round(total(CASE WHEN 标志 IN (8, 9) AND 上级编号 = 0 THEN v END), 2),
       round(total(CASE WHEN 标志 = 10 THEN v END), 2),
       round(total(CASE WHEN 标志 = 11 THEN v END), 2)
FROM (SELECT a.主表, a.标志, a.上级编号,
             (CASE WHEN a.信息价 > 0 THEN a.信息价
                   WHEN a.基价 <> 0 THEN a.基价
                   ELSE b.基价 END) * a.实际量 AS v
      FROM 分部分项材料明细 a LEFT JOIN 定额材料明细 b ON b.编号 = a.材料编号)
GROUP BY 主表;

UPDATE 分部分项
SET 单价_人工费 = q.labour,
    单价_材料费 = q.material,
    单价_机械费 = q.machine,
    合价_人工费 = round(q.labour * 工程量, 2),
    合价_材料费 = round(q.material * 工程量, 2),
    合价_机械费 = round(q.machine * 工程量, 2),
    合价_主材费 = round(q.main * 工程量, 2),
    合价_设备费 = q.equipment,
    综合单价 = round((q.labour + q.material + q.machine) * 1.25, 2),
    综合合价 = round(round((q.labour + q.material + q.machine) * 1.25, 2) * 工程量, 2),
    计算 = 1
FROM floor_quota q
WHERE q.id = 分部分项.编号;

UPDATE 分部分项
SET 综合合价 = s.total,
    综合单价 = CASE WHEN 工程量 <> 0 THEN round(s.total / 工程量, 2) ELSE 0 END,
    计算 = 1
FROM (SELECT 上级编号 AS id, round(total(综合合价), 2) AS total
      FROM 分部分项 WHERE 标志 = '定额' GROUP BY 上级编号) s
WHERE s.id = 分部分项.编号 AND 分部分项.标志 = '项';

COMMIT;
