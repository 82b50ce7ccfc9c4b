-- Sample project: a 5.2 km section of a four-lane expressway, priced by bill of
-- quantities.  Load after schema/project.sql.
BEGIN;

-- Project archive and parameters
INSERT INTO 工程档案(名称,内容) VALUES('工程名称','某高速公路K0+000~K5+200段');
INSERT INTO 工程档案(名称,内容) VALUES('工程号','X-OLD');
INSERT INTO 工程档案(名称,内容) VALUES('建设单位','某省高速公路建设管理有限公司');
INSERT INTO 工程档案(名称,内容) VALUES('编制单位','某交通规划勘察设计院');
INSERT INTO 工程档案(名称,内容) VALUES('编制日期','2024-05-20');
INSERT INTO 工程档案(名称,内容) VALUES('计价方式','清单法');
INSERT INTO 工程档案(名称,内容) VALUES('小型工程≤','500000');
INSERT INTO 工程档案(名称,内容) VALUES('建筑面积','135200');
INSERT INTO 工程档案(名称,内容) VALUES('工程造价','0元');
INSERT INTO 工程档案(名称,内容) VALUES('单方造价','0元');
INSERT INTO 工程档案(名称,内容) VALUES('系统值_利润','7');
INSERT INTO 工程档案(名称,内容) VALUES('系统值_税金','11');
INSERT INTO 参数(名称,内容) VALUES('价格小数位','2');
INSERT INTO 参数(名称,内容) VALUES('工程量小数位','3');

-- Report rows of the host (emptied by every full calculation)
INSERT INTO 生成报表(编号,名称,标志) VALUES(1,'投标报价汇总表',0);
INSERT INTO 生成报表(编号,名称,标志) VALUES(2,'工程量清单',0);
INSERT INTO 生成报表(编号,名称,标志) VALUES(3,'工程量清单单价分析表',0);
INSERT INTO 生成报表(编号,名称,标志) VALUES(4,'计日工表',0);
INSERT INTO 生成报表(编号,名称,标志) VALUES(5,'暂列金额明细表',0);

-- Standard material data
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(1,'1001001','人工','工日',106.28);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(2,'1051001','机械工','工日',106.28);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(3,'1999001','其他人工费','%',0.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(4,'2001001','HPB300钢筋','t',3470.09);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(5,'2001002','HRB400钢筋','t',3581.2);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(6,'2003004','型钢','t',3700.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(7,'2003026','波形梁钢板','t',5213.68);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(8,'2003027','钢管立柱','t',4786.32);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(9,'2001021','20~22号铁丝','kg',6.41);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(10,'2009011','电焊条','kg',4.89);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(11,'2009041','中空注浆锚杆','m',38.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(12,'2099001','回收钢材','t',2000.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(13,'4003002','原木','m3',1367.52);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(14,'4003003','锯材','m3',1794.87);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(15,'3001001','石油沥青','t',3504.27);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(16,'3001002','SBS改性沥青','t',4871.79);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(17,'5509001','32.5级水泥','t',299.15);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(18,'5509002','42.5级水泥','t',341.88);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(19,'5503005','中(粗)砂','m3',87.38);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(20,'5505016','碎石(4cm)','m3',82.52);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(21,'5505005','片石','m3',61.17);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(22,'5505013','矿粉','t',174.76);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(23,'3005004','水','m3',2.72);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(24,'5005002','硝铵炸药','kg',11.8);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(25,'5005008','非电毫秒雷管','个',3.45);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(26,'5009011','热熔标线涂料','kg',5.8);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(27,'5009015','玻璃珠','kg',4.2);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(28,'4013001','草籽','kg',60.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(29,'4013021','乔木(胸径8cm)','株',320.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(30,'7801001','其他材料费','%',0.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(31,'1505002','C20商品混凝土','m3',388.35);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(32,'1505005','C25泵送商品混凝土','m3',417.48);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(33,'1501021','C30水下混凝土','m3',335.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(34,'1501005','M7.5水泥砂浆','m3',229.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(35,'1503012','C25喷射混凝土','m3',395.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(36,'3003002','柴油','kg',7.26);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(37,'3003001','汽油','kg',8.12);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(38,'3005002','电','kW·h',0.85);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(39,'8001002','135kW以内履带式推土机','台班',1228.71);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(40,'8001027','2.0m3以内履带式单斗挖掘机','台班',1768.33);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(41,'8001049','3.0m3以内轮胎式装载机','台班',1077.62);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(42,'8001079','20t以内振动压路机','台班',1330.86);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(43,'8001083','18~21t光轮压路机','台班',652.5);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(44,'8007014','15t以内自卸汽车','台班',895.62);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(45,'8007003','4t以内载货汽车','台班',480.35);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(46,'8003005','300t/h以内稳定土厂拌设备','台班',1857.26);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(47,'8003047','320t/h以内沥青混合料拌和设备','台班',22380.54);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(48,'8003058','12.5m以内沥青混合料摊铺机','台班',4865.1);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(49,'8003040','4000L以内沥青洒布车','台班',982.44);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(50,'8011043','Φ1500mm以内回旋钻机','台班',1405.66);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(51,'8005051','60m3/h以内混凝土输送泵','台班',1120.37);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(52,'8005062','5m3/h以内混凝土喷射机','台班',410.25);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(53,'8017049','9m3/min以内电动空压机','台班',680.14);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(54,'8001102','气腿式风动凿岩机','台班',18.5);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(55,'8015028','32kV·A以内交流电弧焊机','台班',197.43);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(56,'8009027','20t以内汽车式起重机','台班',1213.59);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(57,'8011071','护栏立柱打桩机','台班',962.18);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(58,'8003081','热熔标线设备','台班',851.2);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(59,'8099001','小型机具使用费','元',1.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(60,'9001001','振弦式应变传感器','个',2800.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(61,'9001002','数据采集仪','台',46000.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(62,'9001003','LED可变信息情报板','套',185000.0);
INSERT INTO 定额材料明细(编号,编码,名称,单位,基价) VALUES(63,'9001004','情报板控制器','台',26000.0);

-- Item tree (排序 is the display order; a heading precedes its rows)
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(1,0,'级1','第100章 总则',NULL,10.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(2,1,'级2','通则','101',20.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(3,2,'级3','保险费','101-1',30.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(4,3,'项','按合同条款规定，提供建筑工程一切险','101-1-a',40.0,NULL,1.0,'0.3%',0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(5,3,'项','按合同条款规定，提供第三方责任险','101-1-b',50.0,NULL,0.0,'5000',0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(6,1,'级2','工程管理','102',60.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(7,6,'项','竣工文件','102-1',70.0,NULL,1.0,'',0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(8,6,'项','施工环保费','102-2',80.0,NULL,1.0,'0.5%',0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(9,6,'项','安全生产费','102-3',90.0,NULL,1.0,'1.5%',0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(10,6,'项','信息化管理系统','102-4',100.0,NULL,1.0,'0.2%',0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(11,1,'级2','临时工程与设施','103',110.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(12,11,'项','临时道路修建、养护与拆除（包括原道路的养护费）','103-1',120.0,NULL,1.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(13,12,'定额','汽车便道 平原微丘区 路基宽7m','7-1-1-1',130.0,NULL,5.2,NULL,0,'机械土方',27972.82,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1km
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(14,12,'定额','临时钢便桥 搭设与拆除（含材料回收）','7-1-3-2',140.0,NULL,6.0,NULL,0,'钢材及钢结构',13525.33,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(15,11,'项','临时供电设施架设、维护与拆除','103-2',150.0,NULL,1.0,'80000',0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(16,1,'级2','承包人驻地建设','104',160.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(17,16,'项','承包人驻地建设','104-1',170.0,NULL,1.0,'1%',0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 总额
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(18,0,'级1','第200章 路基',NULL,180.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(19,18,'级2','场地清理','202',190.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(20,19,'级3','清理与掘除','202-1',200.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(21,20,'项','清理现场','202-1-a',210.0,NULL,182000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(22,21,'定额','清除表土 135kW以内推土机','1-1-1-12',220.0,NULL,546.0,NULL,0,'机械土方',471.58,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 100m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(23,18,'级2','挖方路基','203',230.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(24,23,'级3','路基挖方','203-1',240.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(25,24,'项','挖土方','203-1-a',250.0,NULL,125000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(26,25,'定额','2.0m3以内挖掘机挖装土方 普通土','1-1-9-8',260.0,NULL,125.0,NULL,0,'机械土方',3069.48,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(27,25,'定额','15t以内自卸汽车运土 第一个1km','1-1-11-17',270.0,NULL,125.0,NULL,0,'机械土方',5776.75,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(28,25,'定额','15t以内自卸汽车运土 每增运0.5km（增运2km）','1-1-11-18',280.0,NULL,125.0,NULL,0,'机械土方',3295.88,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(29,25,'定额','人工挖运土方 普通土 第一个20m','1-1-6-2',290.0,NULL,6.25,NULL,0,'人工土方',16069.54,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(30,24,'项','挖石方','203-1-b',300.0,NULL,38000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(31,30,'定额','机械打眼开炸石方 次坚石','1-1-15-26',310.0,NULL,38.0,NULL,0,'机械土方',20679.57,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(32,30,'定额','2.0m3以内挖掘机装石方','1-1-10-6',320.0,NULL,38.0,NULL,0,'机械土方',5388.75,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(33,30,'定额','15t以内自卸汽车运石 第一个1km','1-1-11-21',330.0,NULL,38.0,NULL,0,'机械土方',7971.02,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(34,18,'级2','填方路基','204',340.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(35,34,'级3','路基填筑（包括填前压实）','204-1',350.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(36,35,'描述','路基填筑均含填前压实及分层碾压，压实度按设计要求控制',NULL,360.0,NULL,NULL,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(37,35,'项','利用土方','204-1-a',370.0,NULL,98000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(38,37,'定额','高速、一级公路 填方路基 20t以内振动压路机压实 土方','1-1-18-5',380.0,NULL,98.0,NULL,0,'机械土方',4915.27,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(39,35,'项','借土填方','204-1-b',390.0,NULL,45000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(40,39,'定额','2.0m3以内挖掘机挖装土方 普通土（取土场）','1-1-9-8',400.0,NULL,45.0,NULL,0,'机械土方',3069.48,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(41,39,'定额','15t以内自卸汽车运土 第一个1km（借土）','1-1-11-17',410.0,NULL,45.0,NULL,1,'机械土方',5776.75,0.0,0.0,5776.75,NULL,NULL,0.0,0.0,259953.75,0.0,0.0,259953.75,5776.75,NULL,282.49,0.0,236.84,236.84,467.17,608.69,12712.05,10657.8,21022.65,27391.05,7371.94,331737.3); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(42,39,'定额','高速、一级公路 填方路基 20t以内振动压路机压实 土方','1-1-18-5',420.0,NULL,45.0,NULL,0,'机械土方',4915.27,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(43,18,'级2','坡面排水','207',430.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(44,43,'项','M7.5浆砌片石边沟','207-1',440.0,NULL,3200.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(45,44,'定额','浆砌片石 边沟、排水沟、截水沟','1-2-3-1',450.0,NULL,320.0,NULL,0,'构造物I',2553.08,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(46,18,'级2','挡土墙','209',460.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(47,46,'项','C25混凝土挡土墙','209-1-c',470.0,NULL,860.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(48,47,'定额','现浇混凝土挡土墙 泵送','4-6-2-9',480.0,NULL,86.0,NULL,0,'构造物I',5618.27,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(49,0,'级1','第300章 路面',NULL,490.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(50,49,'级2','水泥稳定土底基层、基层','304',500.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(51,50,'级3','水泥稳定碎石','304-3',510.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(52,51,'项','厚200mm水泥稳定碎石底基层','304-3-a',520.0,NULL,124800.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(53,52,'定额','厂拌水泥稳定碎石 水泥剂量4% 压实厚度20cm','2-1-7-5',530.0,NULL,124.8,NULL,0,'路面',31618.04,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(54,52,'定额','12.5m以内摊铺机铺筑基层混合料 厚20cm','2-1-9-11',540.0,NULL,124.8,NULL,0,'路面',2586.01,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(55,51,'项','厚180mm水泥稳定碎石基层','304-3-b',550.0,NULL,121160.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(56,55,'定额','厂拌水泥稳定碎石 水泥剂量5% 压实厚度18cm','2-1-7-5',560.0,NULL,121.16,NULL,0,'路面',29896.96,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(57,55,'定额','12.5m以内摊铺机铺筑基层混合料 厚18cm','2-1-9-11',570.0,NULL,121.16,NULL,0,'路面',2362.24,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(58,49,'级2','透层和粘层','308',580.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(59,58,'项','透层','308-1',590.0,NULL,121160.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(60,59,'定额','透层 石油沥青 半刚性基层','2-2-16-3',600.0,NULL,121.16,NULL,0,'路面',236.77,NULL,NULL,NULL,4738.0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(61,49,'级2','热拌沥青混合料面层','309',610.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(62,61,'项','中粒式沥青混凝土 AC-20C 厚60mm','309-2',620.0,NULL,117000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(63,62,'定额','拌和 中粒式沥青混凝土 320t/h以内','2-2-11-6',630.0,NULL,7.02,NULL,0,'路面',199228.39,NULL,NULL,NULL,516580.0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(64,62,'定额','15t以内自卸汽车运输沥青混合料 第一个1km','2-2-13-21',640.0,NULL,7.02,NULL,0,'路面',17464.59,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(65,62,'定额','摊铺 中粒式沥青混合料 320t/h以内拌和设备配套','2-2-14-46',650.0,NULL,7.02,NULL,0,'路面',18856.53,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(66,61,'项','细粒式SBS改性沥青混凝土 AC-13C 厚40mm','309-3',660.0,NULL,117000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(67,66,'定额','拌和 细粒式改性沥青混凝土 320t/h以内','2-2-11-12',670.0,NULL,4.68,NULL,0,'路面',204530.71,NULL,NULL,NULL,701800.0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(68,66,'定额','摊铺 细粒式沥青混合料 320t/h以内拌和设备配套','2-2-14-50',680.0,NULL,4.68,NULL,0,'路面',21106.28,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(69,0,'级1','第400章 桥梁、涵洞',NULL,690.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(70,69,'级2','钢筋','403',700.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(71,70,'级3','基础钢筋（含灌注桩、承台、沉桩、沉井等）','403-1',710.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(72,71,'项','光圆钢筋（HPB300）','403-1-a',720.0,NULL,18500.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- kg
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(73,72,'定额','灌注桩钢筋 光圆钢筋','4-4-7-22',730.0,NULL,18.5,NULL,0,'技术复杂大桥',4498.6,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1t
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(74,71,'项','带肋钢筋（HRB400）','403-1-b',740.0,NULL,126400.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- kg
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(75,74,'定额','灌注桩钢筋 带肋钢筋','4-4-7-23',750.0,NULL,126.4,NULL,0,'技术复杂大桥',4746.59,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1t
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(76,69,'级2','钻孔灌注桩','405',760.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(77,76,'项','桩径1.5m钻孔灌注桩','405-1-a',770.0,NULL,640.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(78,77,'定额','回旋钻机钻孔 桩径150cm以内 孔深40m以内 砂土','4-4-5-118',780.0,NULL,64.0,NULL,0,'技术复杂大桥',6856.55,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(79,77,'定额','灌注桩混凝土 回旋钻成孔 桩径150cm以内','4-4-7-14',790.0,NULL,113.1,NULL,0,'技术复杂大桥',5173.96,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(80,69,'级2','圆管涵及倒虹吸管涵','419',800.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(81,80,'项','单孔Φ1.0m钢筋混凝土圆管涵','419-1',810.0,NULL,240.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(82,81,'定额','圆管涵 管节预制安装 管径1.0m','4-7-2-3',820.0,NULL,24.0,NULL,0,'构造物I',6022.79,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(83,69,'级2','桥梁结构健康监测','424',830.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(84,83,'项','桥梁结构健康监测系统','424-1',840.0,NULL,1.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 套
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(85,84,'定额','结构健康监测系统 安装调试','补4-1',850.0,NULL,1.0,NULL,0,'技术复杂大桥',9819.42,NULL,NULL,NULL,NULL,179600.0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1套
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(86,0,'级1','第500章 隧道',NULL,860.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(87,86,'级2','洞口与明洞工程','502',870.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(88,87,'项','洞口土石方 挖土方','502-1-a',880.0,NULL,8600.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(89,88,'定额','2.0m3以内挖掘机挖装土方 普通土（洞口）','1-1-9-8',890.0,NULL,8.6,NULL,0,'机械土方',3069.48,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(90,87,'项','M7.5浆砌片石洞门墙','502-3-b',900.0,NULL,420.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(91,90,'定额','洞门墙 浆砌片石','3-1-9-2',910.0,NULL,42.0,NULL,0,'隧道',2779.23,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(902,87,'定额','洞口截水沟 浆砌片石','1-2-3-2',920.0,NULL,12.5,NULL,0,'隧道',2623.92,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(903,87,'定额','洞口边仰坡 中空注浆锚杆','3-1-6-1',930.0,NULL,18.6,NULL,0,'隧道',6197.33,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 100m
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(92,86,'级2','洞身开挖','503',940.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(93,92,'级3','洞身开挖','503-1',950.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(94,93,'项','洞身开挖 石方','503-1-a',960.0,NULL,56000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(95,94,'定额','正洞机械开挖 Ⅳ级围岩 隧道长度1000m以内','3-1-3-17',970.0,NULL,560.0,NULL,0,'隧道',10228.37,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 100m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(901,94,'定额','正洞出渣 15t以内自卸汽车运输（已含于开挖单价，仅计费）','//3-1-4-3',980.0,NULL,560.0,NULL,0,'隧道',2773.88,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 100m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(96,86,'级2','洞身衬砌','504',990.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(97,96,'级3','喷锚支护','504-1',1000.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(98,97,'项','喷射C25混凝土','504-1-a',1010.0,NULL,6800.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(99,98,'定额','喷射混凝土 湿喷','3-1-8-1',1020.0,NULL,680.0,NULL,0,'隧道',6975.18,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(100,96,'级3','混凝土衬砌','504-2',1030.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(101,100,'项','C25模筑混凝土衬砌','504-2-a',1040.0,NULL,12400.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(102,101,'定额','模筑混凝土衬砌 泵送','3-1-9-6',1050.0,NULL,1240.0,NULL,0,'隧道',5808.46,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10m3
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(103,0,'级1','第600章 安全设施及预埋管线',NULL,1060.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(104,103,'级2','护栏','602',1070.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(105,104,'级3','波形梁钢护栏','602-3',1080.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(106,105,'项','路侧波形梁钢护栏 Gr-A-4E','602-3-a',1090.0,NULL,9800.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(107,106,'定额','波形梁钢护栏 钢管立柱 打入式','5-1-3-4',1100.0,NULL,98.0,NULL,0,'钢材及钢结构',11114.51,NULL,NULL,NULL,9408.0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 100m
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(108,103,'级2','道路交通标线','605',1110.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(109,108,'项','热熔型涂料路面标线（白色）','605-1',1120.0,NULL,8500.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(110,109,'定额','热熔标线 白色','5-1-8-2',1130.0,NULL,85.0,NULL,0,'路面',3008.2,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 100m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(111,103,'级2','可变信息标志','606',1140.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(112,111,'项','门架式可变信息标志','606-1',1150.0,NULL,2.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 套
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(113,112,'定额','可变信息标志 门架式 安装调试','补6-1',1160.0,NULL,2.0,NULL,0,'钢材及钢结构',19425.76,NULL,NULL,NULL,NULL,224000.0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1套
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(114,0,'级1','第700章 绿化及环境保护设施',NULL,1170.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(115,114,'描述','绿化工程养护期按两年计',NULL,1180.0,NULL,NULL,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(116,114,'级2','撒播草种和铺植草皮','703',1190.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(117,116,'项','撒播草种（含表土）','703-1',1200.0,NULL,46000.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(118,117,'定额','撒播草籽 人工撒播','6-1-2-1',1210.0,NULL,46.0,NULL,0,'人工土方',921.24,318.84,540.0,62.4,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 1000m2
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(119,114,'级2','种植乔木','704',1220.0,NULL,0.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(120,119,'项','人工种植乔木（胸径8cm）','704-1',1230.0,NULL,800.0,NULL,0,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 株
INSERT INTO 分部分项(编号,上级编号,标志,名称,编码,排序,序号,工程量,附注信息,计算,单价取费,定额基价,单价_人工费,单价_材料费,单价_机械费,主材费,设备费,合价_人工费,合价_材料费,合价_机械费,合价_主材费,合价_设备费,合价_定额基价,直接费,直接工程费,其他费用,规费,管理费,间接费,利润,增值税,合价_其他费用,合价_间接费,合价_利润,合价_增值税,综合单价,综合合价) VALUES(121,120,'定额','人工种植乔木 胸径8cm以内 带土球','6-1-5-3',1240.0,NULL,80.0,NULL,0,'人工土方',3752.89,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL,NULL); -- 10株
-- money columns of a freshly entered project start at zero
UPDATE 分部分项 SET 定额基价=0 WHERE 定额基价 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 单价_人工费=0 WHERE 单价_人工费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 单价_材料费=0 WHERE 单价_材料费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 单价_机械费=0 WHERE 单价_机械费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 主材费=0 WHERE 主材费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 设备费=0 WHERE 设备费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_人工费=0 WHERE 合价_人工费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_材料费=0 WHERE 合价_材料费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_机械费=0 WHERE 合价_机械费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_主材费=0 WHERE 合价_主材费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_设备费=0 WHERE 合价_设备费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_定额基价=0 WHERE 合价_定额基价 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 直接费=0 WHERE 直接费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 直接工程费=0 WHERE 直接工程费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 其他费用=0 WHERE 其他费用 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 规费=0 WHERE 规费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 管理费=0 WHERE 管理费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 间接费=0 WHERE 间接费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 利润=0 WHERE 利润 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 增值税=0 WHERE 增值税 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_其他费用=0 WHERE 合价_其他费用 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_间接费=0 WHERE 合价_间接费 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_利润=0 WHERE 合价_利润 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 合价_增值税=0 WHERE 合价_增值税 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 综合单价=0 WHERE 综合单价 IS NULL AND 标志 NOT IN ('描述');
UPDATE 分部分项 SET 综合合价=0 WHERE 综合合价 IS NULL AND 标志 NOT IN ('描述');

-- Material lines of the quota items
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,13,0,1,'1001001','人工','工日',106.28,0.0,0.0,48.5,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,13,0,20,'5505016','碎石(4cm)','m3',0.0,0.0,0.0,180.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,13,0,23,'3005004','水','m3',2.72,0.0,0.0,30.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,13,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,2.1,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,13,0,42,'8001079','20t以内振动压路机','台班',1330.86,0.0,0.0,3.2,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,13,0,43,'8001083','18~21t光轮压路机','台班',652.5,0.0,0.0,1.6,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,14,0,1,'1001001','人工','工日',106.28,0.0,0.0,42.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,14,0,6,'2003004','型钢','t',3700.0,0.0,0.0,2.1,2,1,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,14,0,12,'2099001','回收钢材','t',-2100.0,0.0,0.0,1.68,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,14,0,10,'2009011','电焊条','kg',4.89,0.0,0.0,12.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,14,0,56,'8009027','20t以内汽车式起重机','台班',1213.59,0.0,0.0,3.5,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,14,0,55,'8015028','32kV·A以内交流电弧焊机','台班',197.43,0.0,0.0,2.6,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,22,0,1,'1001001','人工','工日',106.28,0.0,0.0,1.2,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,22,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,0.28,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,26,0,1,'1001001','人工','工日',106.28,0.0,0.0,4.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,26,0,40,'8001027','2.0m3以内履带式单斗挖掘机','台班',1768.33,0.0,0.0,1.28,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,26,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,0.31,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,27,0,44,'8007014','15t以内自卸汽车','台班',895.62,0.0,0.0,6.45,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,28,0,44,'8007014','15t以内自卸汽车','台班',895.62,0.0,0.0,3.68,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,29,0,1,'1001001','人工','工日',106.28,0.0,0.0,151.2,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,29,0,3,'1999001','其他人工费',NULL,0.0,0.0,0.0,10.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,31,0,1,'1001001','人工','工日',106.28,0.0,0.0,62.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,31,0,24,'5005002','硝铵炸药','kg',11.8,13.5,0.0,310.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,31,0,25,'5005008','非电毫秒雷管','个',3.45,0.0,0.0,420.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,31,0,30,'7801001','其他材料费','%',0.0,0.0,0.0,2.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,31,0,53,'8017049','9m3/min以内电动空压机','台班',680.14,0.0,0.0,8.4,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,31,0,54,'8001102','气腿式风动凿岩机','台班',18.5,0.0,0.0,24.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,31,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,2.3,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,32,0,1,'1001001','人工','工日',106.28,0.0,0.0,4.5,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,32,0,40,'8001027','2.0m3以内履带式单斗挖掘机','台班',1768.33,0.0,0.0,2.36,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,32,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,0.6,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,33,0,44,'8007014','15t以内自卸汽车','台班',895.62,0.0,0.0,8.9,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,38,0,1,'1001001','人工','工日',106.28,0.0,0.0,3.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,38,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,1.36,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,38,0,42,'8001079','20t以内振动压路机','台班',1330.86,0.0,0.0,1.85,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,38,0,43,'8001083','18~21t光轮压路机','台班',652.5,0.0,0.0,0.66,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,38,0,23,'3005004','水','m3',2.72,0.0,0.0,12.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,40,0,1,'1001001','人工','工日',106.28,0.0,0.0,4.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,40,0,40,'8001027','2.0m3以内履带式单斗挖掘机','台班',1768.33,0.0,0.0,1.28,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,40,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,0.31,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,41,0,44,'8007014','15t以内自卸汽车','台班',895.62,0.0,0.0,6.45,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,42,0,1,'1001001','人工','工日',106.28,0.0,0.0,3.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,42,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,1.36,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,42,0,42,'8001079','20t以内振动压路机','台班',1330.86,0.0,0.0,1.85,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,42,0,43,'8001083','18~21t光轮压路机','台班',652.5,0.0,0.0,0.66,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,42,0,23,'3005004','水','m3',2.72,0.0,0.0,12.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,45,0,1,'1001001','人工','工日',106.28,0.0,0.0,9.7,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,45,0,3,'1999001','其他人工费',NULL,0.0,0.0,0.0,10.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,45,0,34,'1501005','M7.5水泥砂浆','m3',229.0,0.0,0.0,3.5,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,45,3,17,'5509001','32.5级水泥','t',299.15,0.0,0.0,0.261,5,3,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,45,3,19,'5503005','中(粗)砂','m3',87.38,0.0,0.0,1.11,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,45,3,23,'3005004','水','m3',2.72,0.0,0.0,0.3,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,45,0,21,'5505005','片石','m3',61.17,0.0,0.0,11.5,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(8,45,0,23,NULL,NULL,NULL,2.72,0.0,0.0,1.8,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(9,45,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,12.3,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,48,0,1,'1001001','人工','工日',106.28,0.0,0.0,8.2,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,48,0,32,'1505005','C25泵送商品混凝土','m3',417.48,460.0,3.0,10.2,4,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,48,0,14,'4003003','锯材','m3',1794.87,0.0,0.0,0.05,2,2,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,48,0,13,'4003002','原木','m3',1367.52,0.0,0.0,0.02,2,2,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,48,0,23,'3005004','水','m3',2.72,0.0,0.0,1.2,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,48,0,51,'8005051','60m3/h以内混凝土输送泵','台班',1120.37,0.0,0.0,0.32,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,48,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,9.6,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,53,0,1,'1001001','人工','工日',106.28,0.0,0.0,7.3,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,53,0,17,'5509001','32.5级水泥','t',299.15,420.0,13.0,21.8,2,3,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,53,0,20,'5505016','碎石(4cm)','m3',82.52,110.0,0.0,278.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,53,0,23,'3005004','水','m3',2.72,0.0,0.0,28.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,53,0,46,'8003005','300t/h以内稳定土厂拌设备','台班',1857.26,0.0,0.0,0.26,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,53,0,41,'8001049','3.0m3以内轮胎式装载机','台班',1077.62,0.0,0.0,0.62,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,53,0,38,'3005002','电','kW·h',0.85,0.0,0.0,180.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,54,0,1,'1001001','人工','工日',106.28,0.0,0.0,3.9,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,54,0,48,'8003058','12.5m以内沥青混合料摊铺机','台班',4865.1,0.0,0.0,0.22,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,54,0,42,'8001079','20t以内振动压路机','台班',1330.86,0.0,0.0,0.46,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,54,0,43,'8001083','18~21t光轮压路机','台班',652.5,0.0,0.0,0.36,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,54,0,36,'3003002','柴油','kg',7.26,8.05,0.0,35.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,56,0,1,'1001001','人工','工日',106.28,0.0,0.0,6.6,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,56,0,17,'5509001','32.5级水泥','t',299.15,420.0,13.0,24.5,2,3,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,56,0,20,'5505016','碎石(4cm)','m3',82.52,110.0,0.0,250.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,56,0,23,'3005004','水','m3',2.72,0.0,0.0,25.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,56,0,46,'8003005','300t/h以内稳定土厂拌设备','台班',1857.26,0.0,0.0,0.23,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,56,0,41,'8001049','3.0m3以内轮胎式装载机','台班',1077.62,0.0,0.0,0.56,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,56,0,38,'3005002','电','kW·h',0.85,0.0,0.0,162.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,57,0,1,'1001001','人工','工日',106.28,0.0,0.0,3.6,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,57,0,48,'8003058','12.5m以内沥青混合料摊铺机','台班',4865.1,0.0,0.0,0.2,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,57,0,42,'8001079','20t以内振动压路机','台班',1330.86,0.0,0.0,0.42,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,57,0,43,'8001083','18~21t光轮压路机','台班',652.5,0.0,0.0,0.33,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,57,0,36,'3003002','柴油','kg',7.26,8.05,0.0,32.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,60,0,1,'1001001','人工','工日',106.28,0.0,0.0,0.9,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,60,0,15,'3001001','石油沥青','t',3504.27,4600.0,13.0,1.03,10,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,60,0,36,'3003002','柴油','kg',7.26,8.05,0.0,3.2,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,60,0,49,'8003040','4000L以内沥青洒布车','台班',982.44,0.0,0.0,0.12,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,63,0,1,'1001001','人工','工日',106.28,0.0,0.0,46.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,63,0,15,'3001001','石油沥青','t',3504.27,4600.0,13.0,112.3,10,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,63,0,20,'5505016','碎石(4cm)','m3',82.52,110.0,0.0,1010.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,63,0,19,'5503005','中(粗)砂','m3',87.38,0.0,0.0,380.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,63,0,22,'5505013','矿粉','t',174.76,0.0,0.0,96.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,63,0,47,'8003047','320t/h以内沥青混合料拌和设备','台班',22380.54,0.0,0.0,2.43,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,63,0,41,'8001049','3.0m3以内轮胎式装载机','台班',1077.62,0.0,0.0,4.1,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(8,63,0,38,'3005002','电','kW·h',0.85,0.0,0.0,2600.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,64,0,44,'8007014','15t以内自卸汽车','台班',895.62,0.0,0.0,19.5,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,65,0,1,'1001001','人工','工日',106.28,0.0,0.0,29.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,65,0,48,'8003058','12.5m以内沥青混合料摊铺机','台班',4865.1,0.0,0.0,1.67,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,65,0,42,'8001079','20t以内振动压路机','台班',1330.86,0.0,0.0,3.3,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,65,0,43,'8001083','18~21t光轮压路机','台班',652.5,0.0,0.0,2.1,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,65,0,36,'3003002','柴油','kg',0.0,0.0,0.0,260.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,67,0,1,'1001001','人工','工日',106.28,0.0,0.0,48.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,67,0,16,'3001002','SBS改性沥青','t',4871.79,5800.0,13.0,121.0,10,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,67,0,20,'5505016','碎石(4cm)','m3',82.52,110.0,0.0,960.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,67,0,19,'5503005','中(粗)砂','m3',87.38,0.0,0.0,410.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,67,0,22,'5505013','矿粉','t',174.76,0.0,0.0,110.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,67,0,47,'8003047','320t/h以内沥青混合料拌和设备','台班',22380.54,0.0,0.0,2.6,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,67,0,41,'8001049','3.0m3以内轮胎式装载机','台班',1077.62,0.0,0.0,4.3,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(8,67,0,38,'3005002','电','kW·h',0.85,0.0,0.0,2750.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,68,0,1,'1001001','人工','工日',106.28,0.0,0.0,31.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,68,0,48,'8003058','12.5m以内沥青混合料摊铺机','台班',4865.1,0.0,0.0,1.95,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,68,0,42,'8001079','20t以内振动压路机','台班',1330.86,0.0,0.0,3.6,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,68,0,43,'8001083','18~21t光轮压路机','台班',652.5,0.0,0.0,2.3,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,68,0,36,'3003002','柴油','kg',7.26,8.05,0.0,280.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,73,0,1,'1001001','人工','工日',106.28,0.0,0.0,6.8,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,73,0,4,'2001001','HPB300钢筋','t',3470.09,3950.0,13.0,1.025,2,1,2);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,73,0,9,'2001021','20~22号铁丝','kg',6.41,0.0,0.0,2.8,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,73,0,10,'2009011','电焊条','kg',4.89,0.0,0.0,1.2,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,73,0,55,'8015028','32kV·A以内交流电弧焊机','台班',197.43,0.0,0.0,0.28,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,73,0,56,'8009027','20t以内汽车式起重机','台班',1213.59,0.0,0.0,0.1,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,73,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,18.6,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,75,0,1,'1001001','人工','工日',106.28,0.0,0.0,6.2,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,75,0,5,'2001002','HRB400钢筋','t',3581.2,4200.0,13.0,1.025,2,1,2);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,75,0,9,'2001021','20~22号铁丝','kg',6.41,0.0,0.0,2.6,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,75,0,10,'2009011','电焊条','kg',4.89,0.0,0.0,5.3,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,75,0,55,'8015028','32kV·A以内交流电弧焊机','台班',197.43,0.0,0.0,1.05,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,75,0,56,'8009027','20t以内汽车式起重机','台班',1213.59,0.0,0.0,0.12,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,75,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,21.4,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,78,0,1,'1001001','人工','工日',106.28,0.0,0.0,22.3,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,78,0,23,'3005004','水','m3',2.72,0.0,0.0,58.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,78,0,14,'4003003','锯材','m3',1794.87,0.0,0.0,0.02,2,2,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,78,0,50,'8011043','Φ1500mm以内回旋钻机','台班',1405.66,0.0,0.0,2.8,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,78,0,38,NULL,NULL,NULL,0.85,0.0,0.0,420.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,79,0,1,'1001001','人工','工日',106.28,0.0,0.0,4.1,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,79,0,33,'1501021','C30水下混凝土','m3',335.0,0.0,0.0,12.6,6,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,79,2,18,'5509002','42.5级水泥','t',341.88,0.0,0.0,0.462,2,3,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,79,2,19,'5503005','中(粗)砂','m3',87.38,0.0,0.0,0.5,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,79,2,20,'5505016','碎石(4cm)','m3',82.52,0.0,0.0,0.77,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,79,2,23,'3005004','水','m3',2.72,0.0,0.0,0.19,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,79,0,56,'8009027','20t以内汽车式起重机','台班',1213.59,0.0,0.0,0.42,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(8,79,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,7.5,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,82,0,1,'1001001','人工','工日',106.28,0.0,0.0,28.6,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,82,0,31,'1505002','C20商品混凝土','m3',388.35,0.0,0.0,3.1,3,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,82,0,4,'2001001','HPB300钢筋','t',3470.09,0.0,0.0,0.11,2,1,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,82,0,5,'2001002','HRB400钢筋','t',3581.2,0.0,0.0,0.19,2,1,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,82,0,13,'4003002','原木','m3',0.0,0.0,0.0,0.01,2,2,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,82,0,56,'8009027','20t以内汽车式起重机','台班',1213.59,0.0,0.0,0.55,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,82,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,36.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,85,0,1,'1001001','人工','工日',106.28,0.0,0.0,86.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,85,0,10,'2009011','电焊条','kg',4.89,0.0,0.0,6.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,85,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,650.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,85,0,60,'9001001','振弦式应变传感器','个',2800.0,0.0,13.0,32.0,11,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,85,0,61,'9001002','数据采集仪','台',46000.0,45000.0,13.0,2.0,11,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,89,0,1,'1001001','人工','工日',106.28,0.0,0.0,4.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,89,0,40,'8001027','2.0m3以内履带式单斗挖掘机','台班',1768.33,0.0,0.0,1.28,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,89,0,39,'8001002','135kW以内履带式推土机','台班',1228.71,0.0,0.0,0.31,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,91,0,1,'1001001','人工','工日',106.28,0.0,0.0,11.8,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,91,0,34,'1501005','M7.5水泥砂浆','m3',229.0,0.0,0.0,3.5,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,91,2,17,'5509001','32.5级水泥','t',299.15,0.0,0.0,0.261,5,3,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,91,2,19,'5503005','中(粗)砂','m3',87.38,0.0,0.0,1.11,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,91,2,23,'3005004','水','m3',2.72,0.0,0.0,0.3,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,91,0,21,'5505005','片石','m3',61.17,0.0,0.0,11.5,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,91,0,23,'3005004','水','m3',2.72,0.0,0.0,1.9,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(8,91,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,15.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,902,0,1,'1001001','人工','工日',106.28,0.0,0.0,10.2,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,902,0,34,'1501005','M7.5水泥砂浆','m3',229.0,0.0,0.0,3.6,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,902,2,17,'5509001','32.5级水泥','t',299.15,0.0,0.0,0.261,5,3,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,902,2,19,'5503005','中(粗)砂','m3',87.38,0.0,0.0,1.11,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,902,2,23,'3005004','水','m3',2.72,0.0,0.0,0.3,5,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,902,0,21,'5505005','片石','m3',61.17,0.0,0.0,11.5,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,902,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,12.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,903,0,1,'1001001','人工','工日',106.28,0.0,0.0,13.5,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,903,0,11,'2009041','中空注浆锚杆','m',38.0,0.0,0.0,101.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,903,0,18,'5509002','42.5级水泥','t',341.88,0.0,0.0,0.2,2,3,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,903,0,53,'8017049','9m3/min以内电动空压机','台班',680.14,0.0,0.0,1.2,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,903,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,40.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,95,0,1,'1001001','人工','工日',106.28,0.0,0.0,58.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,95,0,24,'5005002','硝铵炸药','kg',11.8,13.5,0.0,62.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,95,0,25,'5005008','非电毫秒雷管','个',3.45,0.0,0.0,85.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,95,0,53,'8017049','9m3/min以内电动空压机','台班',680.14,0.0,0.0,3.8,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,95,0,54,'8001102','气腿式风动凿岩机','台班',18.5,0.0,0.0,12.5,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,95,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,45.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(7,95,0,38,'3005002','电','kW·h',0.85,0.0,0.0,210.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,901,0,1,'1001001','人工','工日',106.28,0.0,0.0,1.2,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,901,0,41,'8001049','3.0m3以内轮胎式装载机','台班',1077.62,0.0,0.0,0.86,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,901,0,44,'8007014','15t以内自卸汽车','台班',895.62,0.0,0.0,1.92,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,99,0,1,'1001001','人工','工日',106.28,0.0,0.0,16.8,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,99,0,35,'1503012','C25喷射混凝土','m3',395.0,0.0,0.0,12.0,7,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,99,0,52,'8005062','5m3/h以内混凝土喷射机','台班',410.25,0.0,0.0,0.92,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,99,0,38,'3005002','电','kW·h',0.85,0.0,0.0,85.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,102,0,1,'1001001','人工','工日',106.28,0.0,0.0,9.6,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,102,0,32,'1505005','C25泵送商品混凝土','m3',417.48,460.0,3.0,10.3,4,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,102,0,6,'2003004','型钢','t',3700.0,0.0,0.0,0.02,2,1,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,102,0,51,'8005051','60m3/h以内混凝土输送泵','台班',1120.37,0.0,0.0,0.35,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,102,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,22.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,107,0,1,'1001001','人工','工日',106.28,0.0,0.0,18.6,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,107,0,7,'2003026','波形梁钢板','t',5213.68,5600.0,13.0,1.68,10,1,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,107,0,8,'2003027','钢管立柱','t',4786.32,0.0,0.0,1.52,2,1,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,107,0,57,'8011071','护栏立柱打桩机','台班',962.18,0.0,0.0,1.4,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,107,0,56,'8009027','20t以内汽车式起重机','台班',1213.59,0.0,0.0,0.4,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,107,0,59,'8099001','小型机具使用费','元',1.0,0.0,0.0,30.0,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,110,0,1,'1001001','人工','工日',106.28,0.0,0.0,2.3,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,110,0,26,'5009011','热熔标线涂料','kg',5.8,0.0,0.0,376.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,110,0,27,'5009015','玻璃珠','kg',4.2,0.0,0.0,36.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,110,0,58,'8003081','热熔标线设备','台班',851.2,0.0,0.0,0.45,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,110,0,37,'3003001','汽油','kg',8.12,0.0,0.0,6.0,9,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,113,0,1,'1001001','人工','工日',106.28,0.0,0.0,42.0,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,113,0,6,'2003004','型钢','t',3700.0,0.0,0.0,3.2,2,1,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,113,0,10,'2009011','电焊条','kg',4.89,0.0,0.0,18.0,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,113,0,56,'8009027','20t以内汽车式起重机','台班',1213.59,0.0,0.0,2.5,8,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(5,113,0,62,'9001003','LED可变信息情报板','套',185000.0,198000.0,13.0,1.0,11,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(6,113,0,63,'9001004','情报板控制器','台',0.0,0.0,0.0,1.0,11,0,2);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(1,121,0,1,'1001001','人工','工日',106.28,0.0,0.0,4.2,1,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(2,121,0,29,'4013021','乔木(胸径8cm)','株',320.0,0.0,0.0,10.2,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(3,121,0,23,'3005004','水','m3',2.72,0.0,0.0,1.5,2,0,1);
INSERT INTO 分部分项材料明细(编号,主表,上级编号,材料编号,编码,名称,单位,基价,信息价,增值税率,实际量,标志,三材,供应方) VALUES(4,121,0,45,'8007003','4t以内载货汽车','台班',480.35,0.0,0.0,0.08,8,0,1);

-- Own fee sheets: the modified-asphalt mixing quota, and two bill items
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(1,67,'1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]+[系统:直接主材费合计]',NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(2,67,'2','管理费','<1>*[费率:管理费率=5%]',NULL,'管理费率',5,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(3,67,'3','利润','(<1>+<2>)*[费率:利润率=7.42%]',NULL,'利润率',7.42,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(4,67,'4','增值税','(<1>+<2>+<3>)*[费率:增值税率=9%]',NULL,'增值税率',9,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(5,67,'5','综合单价','<1>+<2>+<3>+<4>',NULL,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(1,7,'1','直接费',NULL,42000.0,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(2,7,'2','管理费',NULL,2520.0,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(3,7,'3','利润',NULL,3303.38,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(4,7,'4','增值税',NULL,4304.84,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(5,7,'5','综合单价',NULL,52128.22,NULL,NULL,NULL,NULL,NULL);
INSERT INTO 分部分项取费明细(编号,主表,顺号,项目,公式,费用,费率名称,费率,实际名称,实际,标志) VALUES(1,17,'1','综合单价',NULL,25000000.0,NULL,NULL,NULL,NULL,NULL);

-- Fee sheet index: unit-price sheets, profession sheets, project total
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(1,'人工土方','综合单价',1.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(2,'机械土方','综合单价',2.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(3,'路面','综合单价',3.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(4,'构造物I','综合单价',4.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(5,'技术复杂大桥','综合单价',5.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(6,'隧道','综合单价',6.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(7,'钢材及钢结构','综合单价',7.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(8,'人工土方','专业工程',8.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(9,'机械土方','专业工程',9.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(10,'构造物I','专业工程',10.0);
INSERT INTO 取费索引(编号,取费专业,类别,排序) VALUES(11,'工程总价','工程总价',11.0);

-- Fee sheet lines
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','1.1','定额直接费','[系统:定额费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2','其他费用','<2.1>+<2.2>+<2.3>+<2.4>+<2.5>+<2.6>+<2.7>+<2.8>+<2.9>+<2.10>+<2.11>',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.1','冬季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:冬季施工增加费率=0.28%]',4.0,'0.28',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.2','雨季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:雨季施工增加费率=0.12%]',5.0,'0.12',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.3','夜间施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:夜间施工增加费率=0%]',6.0,'0',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.4','高原地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:高原地区施工增加费率=0%]',7.0,'0',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.5','风沙地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:风沙地区施工增加费率=0%]',8.0,'0',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.6','沿海地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:沿海地区施工增加费率=0%]',9.0,'0',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.7','行车干扰工程施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:行车干扰工程施工增加费率=1.26%]',10.0,'1.26',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.8','安全施工措施费','<1.1>*[费率:安全施工措施费率=0.59%]',11.0,'0.59',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.9','临时设施费','<1.1>*[费率:临时设施费率=1.57%]',12.0,'1.57',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.10','施工辅助费','<1.1>*[费率:施工辅助费率=0.89%]',13.0,'0.89',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','2.11','工地转移费','<1.1>*[费率:工地转移费率=0.24%]',14.0,'0.24',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','3','规费','<3.1>+<3.2>+<3.3>+<3.4>+<3.5>',15.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','3.1','养老保险费','[系统:直接人工费合计]*[费率:养老保险费率=16%]',16.0,'16',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','3.2','失业保险费','[系统:直接人工费合计]*[费率:失业保险费率=0.5%]',17.0,'0.5',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','3.3','医疗保险费','[系统:直接人工费合计]*[费率:医疗保险费率=8%]',18.0,'8',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','3.4','住房公积金','[系统:直接人工费合计]*[费率:住房公积金率=7%]',19.0,'7',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','3.5','工伤保险费','[系统:直接人工费合计]*[费率:工伤保险费率=1%]',20.0,'1',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','4','管理费','<4.1>+<4.2>+<4.3>+<4.4>+<4.5>',21.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','4.1','基本费用','<1.1>*[费率:基本费用费率=3.66%]',22.0,'3.66',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','4.2','主副食运费补贴','<1.1>*[费率:主副食运费补贴费率=0.33%]',23.0,'0.33',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','4.3','职工探亲路费','<1.1>*[费率:职工探亲路费费率=0.14%]',24.0,'0.14',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','4.4','职工取暖补贴','<1.1>*[费率:职工取暖补贴费率=0.13%]',25.0,'0.13',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','4.5','财务费用','<1.1>*[费率:财务费用费率=0.23%]',26.0,'0.23',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','5','利润','(<1.1>+<2>+<4>)*[费率:利润率=7.42%]',27.0,'7.42',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','6','增值税','(<1>+<2>+<3>+<4>+<5>)*[费率:增值税率=9%]',28.0,'9',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','7','综合单价','<1>+<2>+<3>+<4>+<5>+<6>',29.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(1,'人工土方','8','间接费','<3>+<4>',30.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','1.1','定额直接费','[系统:定额费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2','其他费用','<2.1>+<2.2>+<2.3>+<2.4>+<2.5>+<2.6>+<2.7>+<2.8>+<2.9>+<2.10>+<2.11>',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.1','冬季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:冬季施工增加费率=0.35%]',4.0,0.35,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.2','雨季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:雨季施工增加费率=0.15%]',5.0,0.15,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.3','夜间施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:夜间施工增加费率=0%]',6.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.4','高原地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:高原地区施工增加费率=0%]',7.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.5','风沙地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:风沙地区施工增加费率=0%]',8.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.6','沿海地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:沿海地区施工增加费率=0%]',9.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.7','行车干扰工程施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:行车干扰工程施工增加费率=1.38%]',10.0,1.38,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.8','安全施工措施费','<1.1>*[费率:安全施工措施费率=0.59%]',11.0,0.59,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.9','临时设施费','<1.1>*[费率:临时设施费率=1.42%]',12.0,1.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.10','施工辅助费','<1.1>*[费率:施工辅助费率=0.49%]',13.0,0.49,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','2.11','工地转移费','<1.1>*[费率:工地转移费率=0.51%]',14.0,0.51,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','3','规费','<3.1>+<3.2>+<3.3>+<3.4>+<3.5>',15.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','3.1','养老保险费','[系统:直接人工费合计]*[费率:养老保险费率=16%]',16.0,16.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','3.2','失业保险费','[系统:直接人工费合计]*[费率:失业保险费率=0.5%]',17.0,0.5,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','3.3','医疗保险费','[系统:直接人工费合计]*[费率:医疗保险费率=8%]',18.0,8.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','3.4','住房公积金','[系统:直接人工费合计]*[费率:住房公积金率=7%]',19.0,7.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','3.5','工伤保险费','[系统:直接人工费合计]*[费率:工伤保险费率=1%]',20.0,1.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','4','管理费','<4.1>+<4.2>+<4.3>+<4.4>+<4.5>',21.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','4.1','基本费用','<1.1>*[费率:基本费用费率=3.26%]',22.0,3.26,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','4.2','主副食运费补贴','<1.1>*[费率:主副食运费补贴费率=0.37%]',23.0,0.37,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','4.3','职工探亲路费','<1.1>*[费率:职工探亲路费费率=0.14%]',24.0,0.14,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','4.4','职工取暖补贴','<1.1>*[费率:职工取暖补贴费率=0.12%]',25.0,0.12,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','4.5','财务费用','<1.1>*[费率:财务费用费率=0.21%]',26.0,0.21,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','5','利润','(<1.1>+<2>+<4>)*[费率:利润率=7.42%]',27.0,7.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','6','增值税','(<1>+<2>+<3>+<4>+<5>)*[费率:增值税率=9%]',28.0,9.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','7','综合单价','<1>+<2>+<3>+<4>+<5>+<6>',29.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(2,'机械土方','8','间接费','<3>+<4>',30.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]+[系统:直接主材费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','1.1','定额直接费','[系统:定额费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2','其他费用','<2.1>+<2.2>+<2.3>+<2.4>+<2.5>+<2.6>+<2.7>+<2.8>+<2.9>+<2.10>+<2.11>',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.1','冬季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:冬季施工增加费率=0.41%]',4.0,0.41,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.2','雨季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:雨季施工增加费率=0.18%]',5.0,0.18,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.3','夜间施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:夜间施工增加费率=0%]',6.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.4','高原地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:高原地区施工增加费率=0%]',7.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.5','风沙地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:风沙地区施工增加费率=0%]',8.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.6','沿海地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:沿海地区施工增加费率=0%]',9.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.7','行车干扰工程施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:行车干扰工程施工增加费率=1.15%]',10.0,1.15,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.8','安全施工措施费','<1.1>*[费率:安全施工措施费率=0.65%]',11.0,0.65,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.9','临时设施费','<1.1>*[费率:临时设施费率=1.92%]',12.0,1.92,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.10','施工辅助费','<1.1>*[费率:施工辅助费率=0.8%]',13.0,0.8,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','2.11','工地转移费','<1.1>*[费率:工地转移费率=0.42%]',14.0,0.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','3','规费','<3.1>+<3.2>+<3.3>+<3.4>+<3.5>',15.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','3.1','养老保险费','[系统:直接人工费合计]*[费率:养老保险费率=16%]',16.0,16.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','3.2','失业保险费','[系统:直接人工费合计]*[费率:失业保险费率=0.5%]',17.0,0.5,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','3.3','医疗保险费','[系统:直接人工费合计]*[费率:医疗保险费率=8%]',18.0,8.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','3.4','住房公积金','[系统:直接人工费合计]*[费率:住房公积金率=7%]',19.0,7.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','3.5','工伤保险费','[系统:直接人工费合计]*[费率:工伤保险费率=1%]',20.0,1.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','4','管理费','<4.1>+<4.2>+<4.3>+<4.4>+<4.5>',21.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','4.1','基本费用','<1.1>*[费率:基本费用费率=3.09%]',22.0,3.09,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','4.2','主副食运费补贴','<1.1>*[费率:主副食运费补贴费率=0.28%]',23.0,0.28,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','4.3','职工探亲路费','<1.1>*[费率:职工探亲路费费率=0.12%]',24.0,0.12,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','4.4','职工取暖补贴','<1.1>*[费率:职工取暖补贴费率=0.11%]',25.0,0.11,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','4.5','财务费用','<1.1>*[费率:财务费用费率=0.37%]',26.0,0.37,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','5','利润','(<1.1>+<2>+<4>)*[费率:利润率=7.42%]',27.0,7.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','6','增值税','(<1>+<2>+<3>+<4>+<5>)*[费率:增值税率=9%]',28.0,9.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','7','综合单价','<1>+<2>+<3>+<4>+<5>+<6>',29.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(3,'路面','8','间接费','<3>+<4>',30.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','1.1','定额直接费','[系统:定额费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2','其他费用','<2.1>+<2.2>+<2.3>+<2.4>+<2.5>+<2.6>+<2.7>+<2.8>+<2.9>+<2.10>+<2.11>',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.1','冬季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:冬季施工增加费率=0.58%]',4.0,0.58,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.2','雨季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:雨季施工增加费率=0.22%]',5.0,0.22,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.3','夜间施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:夜间施工增加费率=0.35%]',6.0,0.35,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.4','高原地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:高原地区施工增加费率=0%]',7.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.5','风沙地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:风沙地区施工增加费率=0%]',8.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.6','沿海地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:沿海地区施工增加费率=0%]',9.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.7','行车干扰工程施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:行车干扰工程施工增加费率=1.04%]',10.0,1.04,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.8','安全施工措施费','<1.1>*[费率:安全施工措施费率=0.77%]',11.0,0.77,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.9','临时设施费','<1.1>*[费率:临时设施费率=2.65%]',12.0,2.65,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.10','施工辅助费','<1.1>*[费率:施工辅助费率=1.3%]',13.0,1.3,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','2.11','工地转移费','<1.1>*[费率:工地转移费率=0.59%]',14.0,0.59,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','3','规费','<3.1>+<3.2>+<3.3>+<3.4>+<3.5>',15.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','3.1','养老保险费','[系统:直接人工费合计]*[费率:养老保险费率=16%]',16.0,16.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','3.2','失业保险费','[系统:直接人工费合计]*[费率:失业保险费率=0.5%]',17.0,0.5,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','3.3','医疗保险费','[系统:直接人工费合计]*[费率:医疗保险费率=8%]',18.0,8.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','3.4','住房公积金','[系统:直接人工费合计]*[费率:住房公积金率=7%]',19.0,7.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','3.5','工伤保险费','[系统:直接人工费合计]*[费率:工伤保险费率=1%]',20.0,1.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','4','管理费','<4.1>+<4.2>+<4.3>+<4.4>+<4.5>',21.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','4.1','基本费用','<1.1>*[费率:基本费用费率=4.44%]',22.0,4.44,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','4.2','主副食运费补贴','<1.1>*[费率:主副食运费补贴费率=0.38%]',23.0,0.38,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','4.3','职工探亲路费','<1.1>*[费率:职工探亲路费费率=0.29%]',24.0,0.29,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','4.4','职工取暖补贴','<1.1>*[费率:职工取暖补贴费率=0.15%]',25.0,0.15,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','4.5','财务费用','<1.1>*[费率:财务费用费率=0.41%]',26.0,0.41,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','5','利润','(<1.1>+<2>+<4>)*[费率:利润率=7.42%]',27.0,7.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','6','增值税','(<1>+<2>+<3>+<4>+<5>)*[费率:增值税率=9%]',28.0,9.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','7','综合单价','<1>+<2>+<3>+<4>+<5>+<6>',29.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(4,'构造物I','8','间接费','<3>+<4>',30.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','1.1','定额直接费','[系统:定额费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2','其他费用','<2.1>+<2.2>+<2.3>+<2.4>+<2.5>+<2.6>+<2.7>+<2.8>+<2.9>+<2.10>+<2.11>',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.1','冬季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:冬季施工增加费率=0.63%]',4.0,0.63,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.2','雨季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:雨季施工增加费率=0.16%]',5.0,0.16,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.3','夜间施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:夜间施工增加费率=0.42%]',6.0,0.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.4','高原地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:高原地区施工增加费率=0%]',7.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.5','风沙地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:风沙地区施工增加费率=0%]',8.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.6','沿海地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:沿海地区施工增加费率=0.15%]',9.0,0.15,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.7','行车干扰工程施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:行车干扰工程施工增加费率=0%]',10.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.8','安全施工措施费','<1.1>*[费率:安全施工措施费率=0.81%]',11.0,0.81,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.9','临时设施费','<1.1>*[费率:临时设施费率=2.72%]',12.0,2.72,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.10','施工辅助费','<1.1>*[费率:施工辅助费率=1.68%]',13.0,1.68,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','2.11','工地转移费','<1.1>*[费率:工地转移费率=0.47%]',14.0,0.47,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','3','规费','<3.1>+<3.2>+<3.3>+<3.4>+<3.5>',15.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','3.1','养老保险费','[系统:直接人工费合计]*[费率:养老保险费率=16%]',16.0,16.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','3.2','失业保险费','[系统:直接人工费合计]*[费率:失业保险费率=0.5%]',17.0,0.5,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','3.3','医疗保险费','[系统:直接人工费合计]*[费率:医疗保险费率=8%]',18.0,8.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','3.4','住房公积金','[系统:直接人工费合计]*[费率:住房公积金率=7%]',19.0,7.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','3.5','工伤保险费','[系统:直接人工费合计]*[费率:工伤保险费率=1%]',20.0,1.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','4','管理费','<4.1>+<4.2>+<4.3>+<4.4>+<4.5>',21.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','4.1','基本费用','<1.1>*[费率:基本费用费率=4.72%]',22.0,4.72,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','4.2','主副食运费补贴','<1.1>*[费率:主副食运费补贴费率=0.31%]',23.0,0.31,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','4.3','职工探亲路费','<1.1>*[费率:职工探亲路费费率=0.21%]',24.0,0.21,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','4.4','职工取暖补贴','<1.1>*[费率:职工取暖补贴费率=0.14%]',25.0,0.14,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','4.5','财务费用','<1.1>*[费率:财务费用费率=0.46%]',26.0,0.46,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','5','利润','(<1.1>+<2>+<4>)*[费率:利润率=7.42%]',27.0,7.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','6','增值税','(<1>+<2>+<3>+<4>+<5>)*[费率:增值税率=9%]',28.0,9.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','7','综合单价','<1>+<2>+<3>+<4>+<5>+<6>',29.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(5,'技术复杂大桥','8','间接费','<3>+<4>',30.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','1.1','定额直接费','[系统:定额费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2','措施费','<2.1>+<2.2>+<2.3>+<2.4>+<2.5>+<2.6>+<2.7>+<2.8>+<2.9>+<2.10>+<2.11>',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.1','冬季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:冬季施工增加费率=0.26%]',4.0,0.26,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.2','雨季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:雨季施工增加费率=0%]',5.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.3','夜间施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:夜间施工增加费率=0%]',6.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.4','高原地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:高原地区施工增加费率=0%]',7.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.5','风沙地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:风沙地区施工增加费率=0%]',8.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.6','沿海地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:沿海地区施工增加费率=0%]',9.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.7','行车干扰工程施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:行车干扰工程施工增加费率=0%]',10.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.8','安全施工措施费','<1.1>*[费率:安全施工措施费率=1.1%]',11.0,1.1,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.9','临时设施费','<1.1>*[费率:临时设施费率=2.57%]',12.0,2.57,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.10','施工辅助费','<1.1>*[费率:施工辅助费率=1.23%]',13.0,1.23,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','2.11','工地转移费','<1.1>*[费率:工地转移费率=0.51%]',14.0,0.51,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','3','规费','<3.1>+<3.2>+<3.3>+<3.4>+<3.5>',15.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','3.1','养老保险费','[系统:直接人工费合计]*[费率:养老保险费率=16%]',16.0,16.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','3.2','失业保险费','[系统:直接人工费合计]*[费率:失业保险费率=0.5%]',17.0,0.5,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','3.3','医疗保险费','[系统:直接人工费合计]*[费率:医疗保险费率=8%]',18.0,8.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','3.4','住房公积金','[系统:直接人工费合计]*[费率:住房公积金率=7%]',19.0,7.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','3.5','工伤保险费','[系统:直接人工费合计]*[费率:工伤保险费率=1%]',20.0,1.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','4','管理费','<4.1>+<4.2>+<4.3>+<4.4>+<4.5>',21.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','4.1','基本费用','<1.1>*[费率:基本费用费率=4.22%]',22.0,4.22,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','4.2','主副食运费补贴','<1.1>*[费率:主副食运费补贴费率=0.34%]',23.0,0.34,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','4.3','职工探亲路费','<1.1>*[费率:职工探亲路费费率=0.27%]',24.0,0.27,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','4.4','职工取暖补贴','<1.1>*[费率:职工取暖补贴费率=0.16%]',25.0,0.16,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','4.5','财务费用','<1.1>*[费率:财务费用费率=0.39%]',26.0,0.39,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','5','利润','(<1.1>+<2>+<4>)*[费率:利润率=7.42%]',27.0,7.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','6','增值税','(<1>+<2>+<3>+<4>+<5>)*[费率:增值税率=9%]',28.0,9.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','7','综合单价','<1>+<2>+<3>+<4>+<5>+<6>',29.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(6,'隧道','8','间接费','<3>+<4>',30.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','1','直接费','[系统:直接人工费合计]+[系统:直接材料费合计]+[系统:直接机械费合计]+[系统:直接主材费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','1.1','定额直接费','[系统:定额费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2','其他费用','<2.1>+<2.2>+<2.3>+<2.4>+<2.5>+<2.6>+<2.7>+<2.8>+<2.9>+<2.10>+<2.11>',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.1','冬季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:冬季施工增加费率=0.22%]',4.0,0.22,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.2','雨季施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:雨季施工增加费率=0.08%]',5.0,0.08,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.3','夜间施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:夜间施工增加费率=0.3%]',6.0,0.3,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.4','高原地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:高原地区施工增加费率=0%]',7.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.5','风沙地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:风沙地区施工增加费率=0%]',8.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.6','沿海地区施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:沿海地区施工增加费率=0%]',9.0,0.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.7','行车干扰工程施工增加费','([系统:直接人工费合计]+[系统:直接机械费合计])*[费率:行车干扰工程施工增加费率=0.9%]',10.0,0.9,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.8','安全施工措施费','<1.1>*[费率:安全施工措施费率=0.48%]',11.0,0.48,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.9','临时设施费','<1.1>*[费率:临时设施费率=1.91%]',12.0,1.91,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.10','施工辅助费','<1.1>*[费率:施工辅助费率=0.56%]',13.0,0.56,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','2.11','工地转移费','<1.1>*[费率:工地转移费率=0.33%]',14.0,0.33,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','3','规费','<3.1>+<3.2>+<3.3>+<3.4>+<3.5>',15.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','3.1','养老保险费','[系统:直接人工费合计]*[费率:养老保险费率=16%]',16.0,16.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','3.2','失业保险费','[系统:直接人工费合计]*[费率:失业保险费率=0.5%]',17.0,0.5,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','3.3','医疗保险费','[系统:直接人工费合计]*[费率:医疗保险费率=8%]',18.0,8.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','3.4','住房公积金','[系统:直接人工费合计]*[费率:住房公积金率=7%]',19.0,7.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','3.5','工伤保险费','[系统:直接人工费合计]*[费率:工伤保险费率=1%]',20.0,1.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','4','管理费','<4.1>+<4.2>+<4.3>+<4.4>+<4.5>',21.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','4.1','基本费用','<1.1>*[费率:基本费用费率=2.42%]',22.0,2.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','4.2','主副食运费补贴','<1.1>*[费率:主副食运费补贴费率=0.19%]',23.0,0.19,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','4.3','职工探亲路费','<1.1>*[费率:职工探亲路费费率=0.11%]',24.0,0.11,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','4.4','职工取暖补贴','<1.1>*[费率:职工取暖补贴费率=0.08%]',25.0,0.08,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','4.5','财务费用','<1.1>*[费率:财务费用费率=0.48%]',26.0,0.48,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','5','利润','(<1.1>+<2>+<4>)*[费率:利润率=7.42%]',27.0,7.42,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','6','增值税','(<1>+<2>+<3>+<4>+<5>)*[费率:增值税率=9%]',28.0,9.0,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','7','综合单价','<1>+<2>+<3>+<4>+<5>+<6>',29.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(7,'钢材及钢结构','8','间接费','<3>+<4>',30.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(8,'人工土方','1','定额直接费','[系统:分部分项直接定额费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(8,'人工土方','2','人工费','[系统:分部分项人工费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(8,'人工土方','3','施工机械使用费','[系统:分部分项机械费合计]',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(8,'人工土方','4','小型工程增加费','[系统:小型工程]*[费率:小型工程增加费率=1.5%]',4.0,'1.5',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(8,'人工土方','5','施工标准化与安全措施费','(<1>+<4>)*[费率:施工标准化费率=0.8%]',5.0,'0.8',NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(8,'人工土方','6','专业工程费合计','<1>+<4>+<5>',6.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(9,'机械土方','1','定额直接费','[系统:分部分项直接定额费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(9,'机械土方','2','人工费','[系统:分部分项人工费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(9,'机械土方','3','施工机械使用费','[系统:分部分项机械费合计]',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(9,'机械土方','4','小型工程增加费','[系统:小型工程]*[费率:小型工程增加费率=1.5%]',4.0,1.5,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(9,'机械土方','5','施工标准化与安全措施费','(<1>+<4>)*[费率:施工标准化费率=0.8%]',5.0,0.8,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(9,'机械土方','6','专业工程费合计','<1>+<4>+<5>',6.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(10,'构造物I','1','定额直接费','[系统:分部分项直接定额费合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(10,'构造物I','2','人工费','[系统:分部分项人工费合计]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(10,'构造物I','3','施工机械使用费','[系统:分部分项机械费合计]',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(10,'构造物I','4','小型工程增加费','[系统:小型工程]*[费率:小型工程增加费率=1.5%]',4.0,1.5,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(10,'构造物I','5','施工标准化与安全措施费','(<1>+<4>)*[费率:施工标准化费率=0.8%]',5.0,0.8,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(10,'构造物I','6','专业工程费合计','<1>+<4>+<5>',6.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(11,'工程总价','1','第100章至第700章清单合计','[系统:第100章至700章合计]',1.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(11,'工程总价','2','已包含在清单合计中的专业工程暂估价','[实际:专业工程暂估价=350000.00]',2.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(11,'工程总价','3','清单合计减去专业工程暂估价','<1>-<2>',3.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(11,'工程总价','4','计日工合计','[系统:计日工合计]',4.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(11,'工程总价','5','暂列金额','[系统:暂列金额合计]',5.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(11,'工程总价','6','暂定金','[实际:暂定金=350.50]',6.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(11,'工程总价','7','工程设备费','[系统:第400章 设备费]+[系统:第600章 设备费]',7.0,NULL,NULL,NULL);
INSERT INTO 工程取费(主表,专业取费,顺号,项目,公式,排序,费率,计算式,费用) VALUES(11,'工程总价','8','工程总价','<1>+<4>+<5>+<6>+<7>',8.0,NULL,NULL,NULL);

-- Component record of the locked quota (kept from the previous calculation)
INSERT INTO 分部分项单价费率费用(主表,冬季,雨季,夜间,高原,风沙,沿海,行车,安全,临时,施工,工地,综合1,综合2,养老,失业,医疗,住房,工伤,综合3,基本,主副,职工,补贴,费用,综合4) VALUES(41,20.22,8.67,0.0,0.0,0.0,0.0,79.72,34.08,82.03,28.31,29.46,202.77,79.72,0.0,0.0,0.0,0.0,0.0,0.0,188.32,21.37,8.09,6.93,12.13,236.84);

-- Day work: three sections, each closed by a 合计 row
INSERT INTO 计日工(综合合价,标志) VALUES(75000.0,'劳务');
INSERT INTO 计日工(综合合价,标志) VALUES(44000.0,'劳务');
INSERT INTO 计日工(综合合价,标志) VALUES(119000.0,'合计');
INSERT INTO 计日工(综合合价,标志) VALUES(9600.0,'材料');
INSERT INTO 计日工(综合合价,标志) VALUES(7800.0,'材料');
INSERT INTO 计日工(综合合价,标志) VALUES(17400.0,'合计');
INSERT INTO 计日工(综合合价,标志) VALUES(52000.0,'机械');
INSERT INTO 计日工(综合合价,标志) VALUES(57000.0,'机械');
INSERT INTO 计日工(综合合价,标志) VALUES(109000.0,'合计');
-- Provisional sums
INSERT INTO 暂列金额(合价,标志) VALUES(800000.0,'项');
INSERT INTO 暂列金额(合价,标志) VALUES(1000000.0,'项');
INSERT INTO 暂列金额(合价,标志) VALUES(1800000.0,'合计');

-- Results of the previous calculation (rebuilt by the engine)
INSERT INTO 汇总合价(分类,名称,合价) VALUES('工程总价','第100章 设备费',0.0);
INSERT INTO 汇总合价(分类,名称,合价) VALUES('工程总价','第100章至700章合计',1.0);
-- previous material list; 备注 and 调整系数 are the user's own values
INSERT INTO 材料价格(编号,上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,含税合价,排序,备注,调整系数) VALUES(1,0,NULL,'◆人工◆',NULL,NULL,NULL,NULL,NULL,NULL,NULL,'分类',NULL,NULL,NULL,1.0,NULL,NULL);
INSERT INTO 材料价格(编号,上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,含税合价,排序,备注,调整系数) VALUES(2,1,'1001001','人工','工日',NULL,106.28,0.0,0.0,NULL,'承包人','人工',NULL,NULL,NULL,2.0,'含机械工',1.0);
INSERT INTO 材料价格(编号,上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,含税合价,排序,备注,调整系数) VALUES(3,0,NULL,'◆材料◆',NULL,NULL,NULL,NULL,NULL,NULL,NULL,'分类',NULL,NULL,NULL,3.0,NULL,NULL);
INSERT INTO 材料价格(编号,上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,含税合价,排序,备注,调整系数) VALUES(4,3,'2001002','HRB400钢筋','t',NULL,3581.2,3169.2,13.0,'钢材','发包人','材料',NULL,NULL,NULL,4.0,'甲供材料',NULL);
INSERT INTO 材料价格(编号,上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,含税合价,排序,备注,调整系数) VALUES(5,3,'1505005','C25泵送商品混凝土','m3',NULL,417.48,405.32,3.0,NULL,'承包人','泵商砼',NULL,NULL,NULL,5.0,'商品砼按到场价',1.02);
INSERT INTO 材料价格(编号,上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,含税合价,排序,备注,调整系数) VALUES(6,0,NULL,'◆机械◆',NULL,NULL,NULL,NULL,NULL,NULL,NULL,'分类',NULL,NULL,NULL,6.0,NULL,NULL);
INSERT INTO 材料价格(编号,上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,含税合价,排序,备注,调整系数) VALUES(7,6,'3003002','柴油','kg',NULL,7.26,7.8,0.0,NULL,'承包人','机材',NULL,NULL,NULL,7.0,'旧信息价',1.05);
INSERT INTO 材料价格(编号,上级编号,编码,名称,单位,数量,基价,信息价,增值税率,三材,供应方,标志,价差,合价,含税合价,排序,备注,调整系数) VALUES(8,0,NULL,'#### 合 计 ####',NULL,NULL,NULL,NULL,NULL,NULL,NULL,'合计',NULL,NULL,NULL,8.0,NULL,NULL);
-- previous equipment summary; 主要 is the user's key-equipment mark
INSERT INTO 设备汇总(编号,上级编号,编码,名称,单位,数量,基价,信息价,供应方,标志,主要,合价,排序) VALUES(1,0,'9001001','振弦式应变传感器','个',NULL,2800.0,0.0,'承包人','设备',NULL,NULL,1.0);
INSERT INTO 设备汇总(编号,上级编号,编码,名称,单位,数量,基价,信息价,供应方,标志,主要,合价,排序) VALUES(2,0,'9001002','数据采集仪','台',NULL,46000.0,45000.0,'承包人','设备',1,NULL,2.0);
INSERT INTO 设备汇总(编号,上级编号,编码,名称,单位,数量,基价,信息价,供应方,标志,主要,合价,排序) VALUES(3,0,'9001003','LED可变信息情报板','套',NULL,185000.0,205000.0,'承包人','设备',1,NULL,3.0);
INSERT INTO 设备汇总(编号,上级编号,编码,名称,单位,数量,基价,信息价,供应方,标志,主要,合价,排序) VALUES(4,0,NULL,'#### 合 计 ####',NULL,NULL,NULL,NULL,NULL,'合计',NULL,NULL,4.0);

COMMIT;
