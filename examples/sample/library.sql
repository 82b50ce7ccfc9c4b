-- Library database of the sample (RoadLib.db).  Load after schema/library.sql.
BEGIN;

-- Library parameters: defaults for the decimals, as name=value lines
INSERT INTO 参数(名称,内容) VALUES('计算设置','工程量小数位=3
价格小数位=2');
INSERT INTO 参数(名称,内容) VALUES('定额版本','2018');

-- Calculation settings
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(1,0,'向上汇总','计日工=综合合价
分部分项=合价_人工费,合价_材料费,合价_机械费,综合合价');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(2,0,'材料价格','');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(3,2,'材料汇总','人工=2:人工' || char(13,10) || '材料=0:材料,商品砼,泵商砼,泵送砼|组合材料按组成材料计;1:材料,配比' || char(13,10) || '' || char(13,10) || '//机械台班与机上燃料合并列示' || char(13,10) || '机械=0:机械,机材' || char(13,10) || '主材=2:主材');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(4,2,'恢复数据','备注=1
调整系数=0');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(5,2,'不算价差','''人工''');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(6,0,'汇总合价','');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(7,6,'分部分项直接定额费合计','select total(合价_定额基价) as 合价 from 分部分项 where 标志=''定额'' and 单价取费=[]');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(8,6,'分部分项人工费合计','select total(合价_人工费) as 合价 from 分部分项 where 标志=''定额'' and 单价取费=[]');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(9,6,'分部分项机械费合计','select total(合价_机械费) as 合价 from 分部分项 where 标志=''定额'' and 单价取费=[]');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(10,6,'第100章至700章合计','清单法;select total(综合合价) as 合价 from 分部分项 where 标志=''项''
定额法;select total(综合合价) as 合价 from 分部分项 where 标志=''定额''');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(11,6,'设备购置费合计','工程总价;select total(合价_设备费) as 合价 from 分部分项 where 标志=''定额''');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(12,6,'计日工合计','select total(综合合价) as 合价 from 计日工 where 标志=''合计''');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(13,6,'暂列金额合计','select total(合价) as 合价 from 暂列金额 where 标志=''合计''');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(20,0,'报表','');
INSERT INTO 计算设置(编号,上级编号,名称,内容) VALUES(21,20,'材料汇总','//报表分组用，不参与计算
全部=2:人工,材料,机械');

COMMIT;
