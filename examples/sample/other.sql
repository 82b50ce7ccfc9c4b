-- Other-quota library of the sample.  Load after schema/other.sql.
BEGIN;
INSERT INTO 材料标志(编号,名称) VALUES(1,'人工');
INSERT INTO 材料标志(编号,名称) VALUES(2,'材料');
INSERT INTO 材料标志(编号,名称) VALUES(3,'商品砼');
INSERT INTO 材料标志(编号,名称) VALUES(4,'泵商砼');
INSERT INTO 材料标志(编号,名称) VALUES(5,'配比');
INSERT INTO 材料标志(编号,名称) VALUES(6,'普通砼');
INSERT INTO 材料标志(编号,名称) VALUES(7,'泵送砼');
INSERT INTO 材料标志(编号,名称) VALUES(8,'机械');
INSERT INTO 材料标志(编号,名称) VALUES(9,'机材');
INSERT INTO 材料标志(编号,名称) VALUES(10,'主材');
INSERT INTO 材料标志(编号,名称) VALUES(11,'设备');
INSERT INTO 材料三材(编号,名称) VALUES(1,'钢材');
INSERT INTO 材料三材(编号,名称) VALUES(2,'木材');
INSERT INTO 材料三材(编号,名称) VALUES(3,'水泥');
INSERT INTO 材料供应方(编号,名称) VALUES(1,'承包人');
INSERT INTO 材料供应方(编号,名称) VALUES(2,'发包人');
COMMIT;
