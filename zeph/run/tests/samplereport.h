#pragma once

// A run of two systems and two capacity results, and its report word for
// word: shared by the tests of the report text and of the finish that
// writes it.

#include "run/writefile.h"

namespace sample {

inline CZephData Point(int n, const char* name, double db, double wb, double rh, double dp,
                       double hi, double xi, double dn) {
    CZephData p;
    p.N = n;
    p.Pn = name;
    p.Db = db;
    p.Wb = wb;
    p.Rh = rh;
    p.Dp = dp;
    p.Hi = hi;
    p.Xi = xi;
    p.Dn = dn;
    return p;
}

// Two systems of three points with a long, a wide, a half-width, an empty
// and a format-like name, and two capacity results (the second with texts
// longer than their fields).
inline ReportData SampleRun() {
    ReportData data;
    data.points = {
        Point(1, "OA", 33.0, 27.0, 63.0, 25.2, 20.5, 0.0200, 1.1450),
        Point(2, "RoomAir", 26.0, 18.7, 50.0, 14.8, 12.6, 0.010500, 1.1800),
        Point(3, "外気", 10.0, 5.5, 45.5, -1.2, 4.25, 0.003456, 1.2400),
        Point(1, "%s%n", 20.0, 14.0, 50.0, 9.3, 9.4, 0.007300, 1.2000),
        Point(2, "ﾐｯｸｽ", 22.5, 16.0, 52.0, 12.1, 10.7, 0.008800, 1.1900),
        Point(3, "", -5.0, -6.2, 80.0, -7.8, -1.0, 0.002000, 1.3100),
    };
    data.systemNames = {QStringLiteral("AHU-1"), QStringLiteral("系統 %1")};
    const CAutoCal_Ret simple{.name = QStringLiteral("Room %1"),
                              .floorArea = 120.5,
                              .ceilingHeight = 2.7,
                              .totalAirflow = 12345,
                              .outdoorAirflow = 2400,
                              .coilAirflowMax = 12345,
                              .airChangeRate = 38.1,
                              .outdoorAirLoad = 20000,
                              .fanLoad = 3000,
                              .systemReheat = 1720,
                              .sensibleCapacity = 60000,
                              .totalCapacity = 86000};
    const CAutoCal_Ret bypass{.name = QStringLiteral("室B"),
                              .system = 1,
                              .floorArea = 1234.5,
                              .ceilingHeight = 3.0,
                              .totalAirflow = 98000,
                              .outdoorAirflow = 15000,
                              .coilAirflowMax = 80000,
                              .coilAirflowMin = 52000,
                              .bypassAirflow1 = 46000,
                              .bypassAirflow2 = 18000,
                              .airChangeRate = 9.5,
                              .outdoorAirLoad = 215000,
                              .fanLoad = 12900,
                              .systemReheat = 43000,
                              .sensibleCapacity = 990000,
                              .totalCapacity = 1290000};
    data.results = {simple, bypass};
    return data;
}

inline const char* const kSampleReport = R"report(Location (AHU-1)  Date (2021 08 10)
---------------------------------------------------------------------------
No, Name,  DB  ,  WB  ,  RH  ,Dew Pt,  Entpy  ,Entpy(SI),    Abs   , Density
        , degC , degC ,  (%) , degC ,(Kcal/kg), (KJ/kg) ,(Kg/Kg.DA), (Kg/m3)
---------------------------------------------------------------------------
01,   OA, 33.00, 27.00, 63.00, 25.20,  20.5000,  85.8141,  0.020000,  1.1450
02,RoomAir, 26.00, 18.70, 50.00, 14.80,  12.6000,  52.7442,  0.010500,  1.1800
03, 外気, 10.00,  5.50, 45.50, -1.20,   4.2500,  17.7907,  0.003456,  1.2400

Location (系統 %1)  Date (2021 08 10)
---------------------------------------------------------------------------
No, Name,  DB  ,  WB  ,  RH  ,Dew Pt,  Entpy  ,Entpy(SI),    Abs   , Density
        , degC , degC ,  (%) , degC ,(Kcal/kg), (KJ/kg) ,(Kg/Kg.DA), (Kg/m3)
---------------------------------------------------------------------------
01, %s%n, 20.00, 14.00, 50.00,  9.30,   9.4000,  39.3489,  0.007300,  1.2000
02, ﾐｯｸｽ, 22.50, 16.00, 52.00, 12.10,  10.7000,  44.7908,  0.008800,  1.1900
03,     , -5.00, -6.20, 80.00, -7.80,  -1.0000,  -4.1861,  0.002000,  1.3100
---------------------------- 自動計算データ --------------------------------
Location (Room %1)
床面積： 120.5(㎡) / 天井高： 2.7(m) 
システムの種類：　　単純冷房サイクル
空調機全熱    ：     86,000(kcal/h) / 100.00(kW) 
空調機顕熱    ：     60,000(kcal/h) /  69.76(kW) 
外気負荷      ：     20,000(kcal/h) /  23.25(kW) 
送風機負荷    ：      3,000(kcal/h) /   3.48(kW) 
負荷補正再熱  ：       0.00(kW) 
システム再熱  ：       2.00(kW) 
全送風量      ：     12,345(CMH) 換気回数 38.1(N/H)
コイル通過風量：最大 12,345(CMH) 最小      0(CMH)
ﾊﾞｲﾊﾟｽ風量　　：最大      0(CMH) 最小      0(CMH)
外気量        ：　    2,400(CMH) 
---------------------------- 自動計算データ --------------------------------
Location (室B)
床面積：1,234.5(㎡) / 天井高： 3.0(m) 
システムの種類：　　ﾊﾞｲﾊﾟｽ制御
空調機全熱    ：   1,290,000(kcal/h) / 1,500.00(kW) 
空調機顕熱    ：    990,000(kcal/h) / 1,151.16(kW) 
外気負荷      ：    215,000(kcal/h) / 250.00(kW) 
送風機負荷    ：     12,900(kcal/h) /  15.00(kW) 
負荷補正再熱  ：       0.00(kW) 
システム再熱  ：      50.00(kW) 
全送風量      ：     98,000(CMH) 換気回数  9.5(N/H)
コイル通過風量：最大 80,000(CMH) 最小 52,000(CMH)
ﾊﾞｲﾊﾟｽ風量　　：最大 46,000(CMH) 最小 18,000(CMH)
外気量        ：　   15,000(CMH) 
------------------------------- Data End -----------------------------------
)report";

}  // namespace sample
