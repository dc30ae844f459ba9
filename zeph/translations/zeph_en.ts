<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CAirChangeDlgJ</name>
    <message>
        <source>換気回数による吹出し温度推定</source>
        <translation>Supply Air Temperature by Air Changes</translation>
    </message>
    <message>
        <source>コイル出口最低温度</source>
        <translation>Minimum off-coil temperature</translation>
    </message>
    <message>
        <source>℃</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>部屋容積 (m3)</source>
        <translation>Room volume (m3)</translation>
    </message>
    <message>
        <source>換気回数 (N/H)</source>
        <translation>Air changes (N/H)</translation>
    </message>
    <message>
        <source>試算</source>
        <translation>Tabulate</translation>
    </message>
    <message>
        <source>換気回数</source>
        <translation>Air changes</translation>
    </message>
    <message>
        <source>吹出温度</source>
        <translation>Supply temp.</translation>
    </message>
    <message>
        <source>換気回数を、上表でマウス選択。</source>
        <translation>Click an air-change rate in the table above.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Too Low !</source>
        <translation>Too low!</translation>
    </message>
    <message>
        <source>入力した熱量が大きすぎます。</source>
        <translation>The heat entered is too large for the room volume.</translation>
    </message>
    <message>
        <source>有効な行を選定してください。</source>
        <translation>Select a valid row of the table.</translation>
    </message>
</context>
<context>
    <name>CAutoEQCDlg</name>
    <message>
        <source>EQC ダイアログ</source>
        <translation>EQC: AHU Capacity</translation>
    </message>
    <message>
        <source>部屋名など</source>
        <translation>Room name, etc.</translation>
    </message>
    <message>
        <source>床面積 (m2)</source>
        <translation>Floor area (m2)</translation>
    </message>
    <message>
        <source>天井高 (m)</source>
        <translation>Ceiling height (m)</translation>
    </message>
    <message>
        <source>単純冷却サイクル</source>
        <translation>Simple cooling cycle</translation>
    </message>
    <message>
        <source>バイパス制御</source>
        <translation>Bypass control</translation>
    </message>
    <message>
        <source>システム</source>
        <translation>System</translation>
    </message>
    <message>
        <source>外気量 (m3/h)</source>
        <translation>Outdoor air (m3/h)</translation>
    </message>
    <message>
        <source>外気</source>
        <translation>Outdoor Air</translation>
    </message>
    <message>
        <source>外気（ＤＢ）（℃）</source>
        <translation>OA (DB) (°C)</translation>
    </message>
    <message>
        <source>（ＷＢ）（℃）</source>
        <translation>(WB) (°C)</translation>
    </message>
    <message>
        <source>（ＲＨ）（％）</source>
        <translation>(RH) (%)</translation>
    </message>
    <message>
        <source>室内</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>室内（ＤＢ）（℃）</source>
        <translation>Room (DB) (°C)</translation>
    </message>
    <message>
        <source>（ＷＢ）</source>
        <translation>(WB)</translation>
    </message>
    <message>
        <source>（ＲＨ）</source>
        <translation>(RH)</translation>
    </message>
    <message>
        <source>負荷</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>最大 全熱</source>
        <translation>Max. total</translation>
    </message>
    <message>
        <source>最大 顕熱</source>
        <translation>Max. sensible</translation>
    </message>
    <message>
        <source>最大 SHF</source>
        <translation>Max. SHF</translation>
    </message>
    <message>
        <source>最小 全熱</source>
        <translation>Min. total</translation>
    </message>
    <message>
        <source>最小 顕熱</source>
        <translation>Min. sensible</translation>
    </message>
    <message>
        <source>最小 SHF</source>
        <translation>Min. SHF</translation>
    </message>
    <message>
        <source>大気圧 (mb)</source>
        <translation>Pressure (mb)</translation>
    </message>
    <message>
        <source>Ｃ．Ｆ</source>
        <translation>C.F</translation>
    </message>
    <message>
        <source>換気回数 (N/H)</source>
        <translation>Air changes (N/H)</translation>
    </message>
    <message>
        <source>吹出温度 (℃)</source>
        <translation>Supply air temp. (°C)</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>入力ボックスの移動は、Tab / Shift+ Tab をお使いください。</source>
        <translation>Use Tab / Shift+Tab to move between the boxes.</translation>
    </message>
</context>
<context>
    <name>CAutoEQC_ResultDlg</name>
    <message>
        <source>空調機選定ダイアログ</source>
        <translation>AHU Selection</translation>
    </message>
    <message>
        <source>空調機容量（全熱）</source>
        <translation>AHU capacity (total)</translation>
    </message>
    <message>
        <source>（顕熱）</source>
        <translation>(sensible)</translation>
    </message>
    <message>
        <source>外気負荷</source>
        <translation>Outdoor air load</translation>
    </message>
    <message>
        <source>送風機負荷</source>
        <translation>Fan load</translation>
    </message>
    <message>
        <source>再熱(負荷補正）</source>
        <translation>Reheat (load correction)</translation>
    </message>
    <message>
        <source>システム再熱量</source>
        <translation>System reheat</translation>
    </message>
    <message>
        <source>全送風量</source>
        <translation>Total supply air</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾊﾟｽ送風量</source>
        <translation>Bypass air</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>コイル通過風量</source>
        <translation>Coil airflow</translation>
    </message>
    <message>
        <source>外気量</source>
        <translation>Outdoor air</translation>
    </message>
    <message>
        <source>換気回数</source>
        <translation>Air changes</translation>
    </message>
    <message>
        <source>吹出空気温度</source>
        <translation>Supply air temp.</translation>
    </message>
</context>
<context>
    <name>CCalPointDlgJ</name>
    <message>
        <source>CP</source>
        <translation>Show Point</translation>
    </message>
    <message>
        <source>ポイント番号</source>
        <translation>Point number</translation>
    </message>
</context>
<context>
    <name>CCapacityChain</name>
    <message>
        <source>送風量を算出できません。吹出温度または負荷を見直して下さい。</source>
        <translation>The supply airflow cannot be found. Check the supply air temperature and the loads.</translation>
    </message>
    <message>
        <source>計算結果が数値になりません。入力条件を見直して下さい。</source>
        <translation>The calculation gives no numeric result. Check the input conditions.</translation>
    </message>
</context>
<context>
    <name>CCoilCapDlgJ</name>
    <message>
        <source>Coil Capacity</source>
        <translation>Coil Capacity</translation>
    </message>
    <message>
        <source>ポイント[A]</source>
        <translation>Point [A]</translation>
    </message>
    <message>
        <source>ポイント[B]</source>
        <translation>Point [B]</translation>
    </message>
    <message>
        <source>風  量(CMH)</source>
        <translation>Airflow (CMH)</translation>
    </message>
    <message>
        <source>風量又は熱量を入力して下さい。</source>
        <translation>Enter the airflow or the total heat.</translation>
    </message>
    <message>
        <source>計算開始</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDeltaDlgJ</name>
    <message>
        <source>Points Difference</source>
        <translation>Point Difference</translation>
    </message>
    <message>
        <source>ポイント [A] とポイント [B] の差を算出する。</source>
        <translation>Calculates the difference between point [A] and point [B].</translation>
    </message>
    <message>
        <source>ポイント[A]</source>
        <translation>Point [A]</translation>
    </message>
    <message>
        <source>ポイント[B]</source>
        <translation>Point [B]</translation>
    </message>
</context>
<context>
    <name>CGeneralDlgJ</name>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>熱   量</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>送風量</source>
        <translation>Airflow</translation>
    </message>
    <message>
        <source>(CMH)</source>
        <translation>(CMH)</translation>
    </message>
    <message>
        <source>エンタルピ差</source>
        <translation>Enthalpy difference</translation>
    </message>
    <message>
        <source>温度差</source>
        <translation>Temperature difference</translation>
    </message>
    <message>
        <source>(℃)</source>
        <translation>(°C)</translation>
    </message>
    <message>
        <source>SHF</source>
        <translation>SHF</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CGraphViewRangeDlg</name>
    <message>
        <source>GraphView Range</source>
        <translation>Chart View Range</translation>
    </message>
    <message>
        <source>最大表示温度</source>
        <translation>Maximum dry bulb</translation>
    </message>
    <message>
        <source>（℃）</source>
        <translation>(°C)</translation>
    </message>
    <message>
        <source>最小表示温度</source>
        <translation>Minimum dry bulb</translation>
    </message>
    <message>
        <source>最大絶対湿度</source>
        <translation>Maximum humidity ratio</translation>
    </message>
    <message>
        <source>（g/Kg・DA）</source>
        <translation>(g/kg(DA))</translation>
    </message>
    <message>
        <source>最小絶対湿度</source>
        <translation>Minimum humidity ratio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>グラフの表示温度レンジを設定します。</source>
        <translation>Sets the ranges of the chart axes.</translation>
    </message>
    <message>
        <source>最大表示温度は最小表示温度より大きな値を入力して下さい。</source>
        <translation>The maximum dry bulb must be greater than the minimum dry bulb.</translation>
    </message>
    <message>
        <source>最大表示温度と最小表示温度の差は 1 ℃ 以上として下さい。</source>
        <translation>The maximum and minimum dry bulb must be at least 1 °C apart.</translation>
    </message>
    <message>
        <source>最大絶対湿度は最小絶対湿度より大きな値を入力して下さい。</source>
        <translation>The maximum humidity ratio must be greater than the minimum humidity ratio.</translation>
    </message>
</context>
<context>
    <name>CHHDlgJ</name>
    <message>
        <source>Humidifyer</source>
        <translation>Humidifier</translation>
    </message>
    <message>
        <source>空気入口ポイント  [A]</source>
        <translation>Air inlet point [A]</translation>
    </message>
    <message>
        <source>空気出口ポイント  [B]</source>
        <translation>Air outlet point [B]</translation>
    </message>
    <message>
        <source>蒸気加湿</source>
        <translation>Steam</translation>
    </message>
    <message>
        <source>温水加湿</source>
        <translation>Hot water</translation>
    </message>
    <message>
        <source>Hot Water</source>
        <translation>Water temperature</translation>
    </message>
    <message>
        <source>蒸気圧 (0.3 kg/c㎡)</source>
        <translation>Steam pressure (0.3 kg/cm²)</translation>
    </message>
    <message>
        <source>℃</source>
        <translation>°C</translation>
    </message>
</context>
<context>
    <name>CHeatDlgJ</name>
    <message>
        <source>Heating</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>ポイント番号</source>
        <translation>Point number</translation>
    </message>
    <message>
        <source>加熱</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>温度差(℃） </source>
        <translation>Temperature rise (°C)</translation>
    </message>
    <message>
        <source>送風量(CMH)</source>
        <translation>Airflow (CMH)</translation>
    </message>
    <message>
        <source>SHF</source>
        <translation>SHF</translation>
    </message>
</context>
<context>
    <name>CMixDlgJ</name>
    <message>
        <source>Mix Point</source>
        <translation>Mixing</translation>
    </message>
    <message>
        <source>ポイント[A] </source>
        <translation>Point [A]</translation>
    </message>
    <message>
        <source>ポイント[B]</source>
        <translation>Point [B]</translation>
    </message>
    <message>
        <source>比率 [A]/[B]</source>
        <translation>Ratio [A]/[B]</translation>
    </message>
    <message>
        <source>比率は、容量 [A] 割る [B] 容量で算出してください。</source>
        <translation>The ratio is the airflow of [A] divided by the airflow of [B].</translation>
    </message>
</context>
<context>
    <name>CProcessDlg</name>
    <message>
        <source>計算開始</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CReHeaterDlgJ</name>
    <message>
        <source>Re-Heater</source>
        <translation>Reheat</translation>
    </message>
    <message>
        <source>再熱の方式を指定</source>
        <translation>Choose how the supply air is reheated.</translation>
    </message>
    <message>
        <source>OffCoil最低温度</source>
        <translation>Minimum off-coil temperature</translation>
    </message>
    <message>
        <source>℃</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>吹出温度優先</source>
        <translation>By supply air temperature</translation>
    </message>
    <message>
        <source>換気回数優先</source>
        <translation>By air changes</translation>
    </message>
    <message>
        <source>コイル出口最低温度以上。</source>
        <translation>At least the minimum off-coil temperature.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CRunDocument</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Zeph 作業ファイル (*.zeph)</source>
        <translation>Zeph run files (*.zeph)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>ファイル「%1」を開けません。
%2</source>
        <translation>The file &quot;%1&quot; cannot be opened.
%2</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>ファイル「%1」に保存できません。
%2</source>
        <translation>The run cannot be saved to &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>「%1」の変更を保存しますか?</source>
        <translation>Do you want to save the changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>開く...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent Files</translation>
    </message>
</context>
<context>
    <name>CShfDlgJ</name>
    <message>
        <source>Cooling (SHF)</source>
        <translation>Cooling (SHF)</translation>
    </message>
    <message>
        <source>ポイント番号</source>
        <translation>Point number</translation>
    </message>
    <message>
        <source>SHF 値</source>
        <translation>SHF</translation>
    </message>
    <message>
        <source>コンタクトファクタ</source>
        <translation>Contact factor</translation>
    </message>
    <message>
        <source>自動計算</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>再熱設定</source>
        <translation>Reheat</translation>
    </message>
    <message>
        <source>吹出温度設定</source>
        <translation>Supply air temperature</translation>
    </message>
    <message>
        <source>計算開始</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSlopCalDlgJ</name>
    <message>
        <source>Slope</source>
        <translation>Point on a Line</translation>
    </message>
    <message>
        <source>ポイント［A]-[B] スロープ間&#x3000;の点を算出</source>
        <translation>Calculates a point on the line from [A] to [B].</translation>
    </message>
    <message>
        <source>ポイント[A]</source>
        <translation>Point [A]</translation>
    </message>
    <message>
        <source>ポイント[B]</source>
        <translation>Point [B]</translation>
    </message>
    <message>
        <source>乾球温度&#x3000;[A]からの差</source>
        <translation>Dry-bulb difference from [A]</translation>
    </message>
    <message>
        <source>エンタルピ&#x3000;［A]からの差</source>
        <translation>Enthalpy difference from [A]</translation>
    </message>
    <message>
        <source>℃</source>
        <translation>°C</translation>
    </message>
</context>
<context>
    <name>CWriteFile</name>
    <message>
        <source>単純冷房サイクル</source>
        <translation>Simple cooling cycle</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾊﾟｽ制御</source>
        <translation>Bypass control</translation>
    </message>
    <message>
        <source>自動計算データ</source>
        <translation>Capacity Calculation</translation>
    </message>
    <message>
        <source>床面積：%1(㎡) / 天井高：%2(m) </source>
        <translation>Floor area            :%1(m²) / Ceiling height:%2(m) </translation>
    </message>
    <message>
        <source>システムの種類：&#x3000;&#x3000;%1</source>
        <translation>System type           : %1</translation>
    </message>
    <message>
        <source>空調機全熱    ：   %1(kcal/h) / %2(kW) </source>
        <translation>Total capacity        :   %1(kcal/h) / %2(kW) </translation>
    </message>
    <message>
        <source>空調機顕熱    ：   %1(kcal/h) / %2(kW) </source>
        <translation>Sensible capacity     :   %1(kcal/h) / %2(kW) </translation>
    </message>
    <message>
        <source>外気負荷      ：   %1(kcal/h) / %2(kW) </source>
        <translation>Outdoor air load      :   %1(kcal/h) / %2(kW) </translation>
    </message>
    <message>
        <source>送風機負荷    ：   %1(kcal/h) / %2(kW) </source>
        <translation>Fan load              :   %1(kcal/h) / %2(kW) </translation>
    </message>
    <message>
        <source>負荷補正再熱  ：     %1(kW) </source>
        <translation>Load correction reheat:     %1(kW) </translation>
    </message>
    <message>
        <source>システム再熱  ：     %1(kW) </source>
        <translation>System reheat         :     %1(kW) </translation>
    </message>
    <message>
        <source>全送風量      ：     %1(CMH) 換気回数 %2(N/H)</source>
        <translation>Total airflow         :     %1(CMH) Air changes %2(N/H)</translation>
    </message>
    <message>
        <source>コイル通過風量：最大%1(CMH) 最小%2(CMH)</source>
        <translation>Coil airflow          :max %1(CMH) min %2(CMH)</translation>
    </message>
    <message>
        <source>ﾊﾞｲﾊﾟｽ風量&#x3000;&#x3000;：最大%1(CMH) 最小%2(CMH)</source>
        <translation>Bypass airflow        :max %1(CMH) min %2(CMH)</translation>
    </message>
    <message>
        <source>外気量        ：&#x3000;   %1(CMH) </source>
        <translation>Outdoor airflow       :     %1(CMH) </translation>
    </message>
</context>
<context>
    <name>CZephDlgJ</name>
    <message>
        <source>線図右上の「自動計算ボタン」を押して下さい。</source>
        <translation>Press the Auto Calc button at the top right of the chart.</translation>
    </message>
    <message>
        <source>一般機能</source>
        <translation>General</translation>
    </message>
    <message>
        <source>簡易計算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>コイル容量</source>
        <translation>Coil Capacity</translation>
    </message>
    <message>
        <source>空調容量</source>
        <translation>AHU Capacity</translation>
    </message>
    <message>
        <source>乾球温度一定</source>
        <translation>Constant Dry Bulb</translation>
    </message>
    <message>
        <source>湿球温度一定</source>
        <translation>Constant Wet Bulb</translation>
    </message>
    <message>
        <source>相対湿度一定</source>
        <translation>Constant Relative Humidity</translation>
    </message>
    <message>
        <source>露点温度一定</source>
        <translation>Constant Dew Point</translation>
    </message>
    <message>
        <source>エンタルピ一定</source>
        <translation>Constant Enthalpy</translation>
    </message>
    <message>
        <source>絶対湿度一定</source>
        <translation>Constant Humidity Ratio</translation>
    </message>
    <message>
        <source>表示範囲オプション</source>
        <translation>View Range Options</translation>
    </message>
    <message>
        <source>ビットマップ画像の保存</source>
        <translation>Save Bitmap Image</translation>
    </message>
    <message>
        <source>画像ファイルに保存 (PNG / PDF)...</source>
        <translation>Save as Image File (PNG / PDF)...</translation>
    </message>
    <message>
        <source>印刷...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>大気圧 (mb)</source>
        <translation>Pressure (mb)</translation>
    </message>
    <message>
        <source>システム</source>
        <translation>System</translation>
    </message>
    <message>
        <source>ポイントボックス</source>
        <translation>Point Box</translation>
    </message>
    <message>
        <source>ポイント名</source>
        <translation>Point name</translation>
    </message>
    <message>
        <source>乾球温度 (℃)</source>
        <translation>Dry bulb (°C)</translation>
    </message>
    <message>
        <source>湿球温度 (℃)</source>
        <translation>Wet bulb (°C)</translation>
    </message>
    <message>
        <source>相対湿度 ( % )</source>
        <translation>Relative humidity (%)</translation>
    </message>
    <message>
        <source>露点温度 (℃)</source>
        <translation>Dew point (°C)</translation>
    </message>
    <message>
        <source>絶対湿度(Kg/kg・DA)</source>
        <translation>Humidity ratio (kg/kg DA)</translation>
    </message>
    <message>
        <source>比重量 (Kg/m3)</source>
        <translation>Density (kg/m3)</translation>
    </message>
    <message>
        <source>グラフ表示</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Ｆ1キーを押すと、ＯｎＬｉｎｅＨｅｌｐが表示されます。</source>
        <translation>Press F1 for online help.</translation>
    </message>
    <message>
        <source>大気圧には正の数値 (hPa) を入力して下さい。</source>
        <translation>Enter a positive number (hPa) for the atmospheric pressure.</translation>
    </message>
    <message>
        <source>エンタルピ線</source>
        <translation>Enthalpy Lines</translation>
    </message>
    <message>
        <source>湿球温度線</source>
        <translation>Wet-Bulb Lines</translation>
    </message>
    <message>
        <source>比容積線</source>
        <translation>Specific Volume Lines</translation>
    </message>
    <message>
        <source>相対湿度の値</source>
        <translation>Relative Humidity Values</translation>
    </message>
    <message>
        <source>SHF スケール</source>
        <translation>SHF Scale</translation>
    </message>
    <message>
        <source>線図の表示</source>
        <translation>Chart Display</translation>
    </message>
    <message>
        <source>印刷を開始できませんでした。</source>
        <translation>Printing could not be started.</translation>
    </message>
    <message>
        <source>グラフの表示領域がないため、画像を保存できません。</source>
        <translation>The chart has no drawing area, so no image can be saved.</translation>
    </message>
    <message>
        <source>画像ファイルに保存</source>
        <translation>Save as Image File</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>PDF 文書 (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>ファイル名の拡張子を .png または .pdf にして下さい。</source>
        <translation>Give the file name the extension .png or .pdf.</translation>
    </message>
</context>
<context>
    <name>CZephGraph</name>
    <message>
        <source>温度 （℃）</source>
        <translation>Dry bulb (°C)</translation>
    </message>
    <message>
        <source>絶対湿度 (Kg/Kg)(DA)</source>
        <translation>Humidity ratio (kg/kg DA)</translation>
    </message>
</context>
<context>
    <name>ChartPage</name>
    <message>
        <source>大気圧 %1 hPa</source>
        <translation>Pressure %1 hPa</translation>
    </message>
    <message>
        <source>日付 %1</source>
        <translation>Date %1</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>zeph::CDesktopUserInterface</name>
    <message>
        <source>このファイルは存在しません。作成しますか？</source>
        <translation>This file does not exist. Do you want to create it?</translation>
    </message>
</context>
<context>
    <name>zeph::Commands</name>
    <message>
        <source>冷&#x3000;却</source>
        <translation>Cooling</translation>
    </message>
    <message>
        <source>混&#x3000;合</source>
        <translation>Mixing</translation>
    </message>
    <message>
        <source>加&#x3000;熱</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>２点の線上</source>
        <translation>On Line of 2 Points</translation>
    </message>
    <message>
        <source>加&#x3000;湿</source>
        <translation>Humidifying</translation>
    </message>
    <message>
        <source>ポイント差</source>
        <translation>Point Difference</translation>
    </message>
    <message>
        <source>コイル容量</source>
        <translation>Coil Capacity</translation>
    </message>
    <message>
        <source>空調機容量</source>
        <translation>AHU Capacity</translation>
    </message>
    <message>
        <source>ポイント表示</source>
        <translation>Show Point</translation>
    </message>
    <message>
        <source>点の追加</source>
        <translation>Add point</translation>
    </message>
    <message>
        <source>点を削除</source>
        <translation>Delete point</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>自動計算</source>
        <translation>Auto Calc</translation>
    </message>
    <message>
        <source>圧力の変更</source>
        <translation>Change pressure</translation>
    </message>
    <message>
        <source>単位の変更</source>
        <translation>Change units</translation>
    </message>
    <message>
        <source>表示範囲の変更</source>
        <translation>Change view range</translation>
    </message>
    <message>
        <source>システム名の変更</source>
        <translation>Rename system</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>zeph::EqcEntry</name>
    <message>
        <source>最小負荷が最大負荷を超えています、再度入力して下さい。</source>
        <translation>The minimum load exceeds the maximum load. Enter the loads again.</translation>
    </message>
    <message>
        <source>外気の湿球温度が乾球温度を超えています、再度入力して下さい。</source>
        <translation>The outdoor wet bulb exceeds the dry bulb. Enter it again.</translation>
    </message>
    <message>
        <source>室内の相対湿度が100％を超えています、再度入力して下さい。</source>
        <translation>The room relative humidity exceeds 100%. Enter it again.</translation>
    </message>
</context>
<context>
    <name>zeph::FieldRange</name>
    <message>
        <source>%1 から %2 までの数値を入力して下さい。</source>
        <translation>Enter a number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>zeph::PointText</name>
    <message>
        <source>データが表示範囲を超えています</source>
        <translation>The state lies outside the view range of the chart.</translation>
    </message>
</context>
<context>
    <name>zeph::Strings</name>
    <message>
        <source>&amp;About Zeph...</source>
        <translation>&amp;About Zeph...</translation>
    </message>
    <message>
        <source>冷却のシミュレーションが出来ます。</source>
        <translation>Simulates cooling and dehumidifying along an SHF line.</translation>
    </message>
    <message>
        <source>空気の混合がシミュレーション出来ます。</source>
        <translation>Simulates the mixing of two air streams.</translation>
    </message>
    <message>
        <source>加熱のシミュレーションが出来ます。</source>
        <translation>Simulates heating.</translation>
    </message>
    <message>
        <source>２点間のスロープ計算のシミュレーションが出来ます。</source>
        <translation>Finds a point on the line between two points.</translation>
    </message>
    <message>
        <source>加湿のシミュレーションが出来ます。</source>
        <translation>Simulates humidification.</translation>
    </message>
    <message>
        <source>２点のポイント差を表示します。</source>
        <translation>Shows the difference between two points.</translation>
    </message>
    <message>
        <source>コイル容量を計算し表示します。</source>
        <translation>Calculates the coil capacity.</translation>
    </message>
    <message>
        <source>空調機の容量を計算し表示します。</source>
        <translation>Sizes the air-conditioning unit.</translation>
    </message>
    <message>
        <source>計算する大気圧を変更出来ます。</source>
        <translation>The atmospheric pressure the states are calculated at.</translation>
    </message>
    <message>
        <source>シミュレーションするシステムをメモして下さい、設定しない場合はsystem 1, 2, の様に自動で設定されます。</source>
        <translation>A name for the system being simulated; without one it is named System 1, System 2, ... automatically.</translation>
    </message>
    <message>
        <source>シミュレーションするポイント名をメモの為設定して下さい、設定しなくても計算には支障はありません。</source>
        <translation>A name for the point, for your notes; the calculation does not need it.</translation>
    </message>
    <message>
        <source>乾球温度温度摂氏の単位でを設定して下さい。</source>
        <translation>Enter the dry-bulb temperature in °C.</translation>
    </message>
    <message>
        <source>湿球温度を摂氏の単位で設定して下さい。</source>
        <translation>Enter the wet-bulb temperature in °C.</translation>
    </message>
    <message>
        <source>相対湿度を設定して下さい。</source>
        <translation>Enter the relative humidity in %.</translation>
    </message>
    <message>
        <source>露点温度を摂氏の単位で設定して下さい。</source>
        <translation>Enter the dew-point temperature in °C.</translation>
    </message>
    <message>
        <source>エンタルピを設定して下さい、単位を変更するとこの値の自動で変化します。</source>
        <translation>Enter the enthalpy; the value is converted when the unit is changed.</translation>
    </message>
    <message>
        <source>絶対湿度を設定して下さい。</source>
        <translation>Enter the humidity ratio.</translation>
    </message>
    <message>
        <source>空気の比重量を設定して下さい。</source>
        <translation>Enter the density of the air.</translation>
    </message>
    <message>
        <source>ポイント番号の情報を表示します。</source>
        <translation>Shows the values of a point by its number.</translation>
    </message>
    <message>
        <source>換気回数シミュレーションボタン</source>
        <translation>Tabulates the supply air temperature for air-change rates.</translation>
    </message>
    <message>
        <source>計算表のリセット</source>
        <translation>Resets the calculation table.</translation>
    </message>
    <message>
        <source>計算ポイントを表にプロットします。</source>
        <translation>Plots the point on the chart.</translation>
    </message>
    <message>
        <source>次の表を表示します。</source>
        <translation>Starts the next system.</translation>
    </message>
    <message>
        <source>全ての計算を終了します。</source>
        <translation>Ends all calculations.</translation>
    </message>
    <message>
        <source>表の温度レンジを変更します。</source>
        <translation>Changes the temperature range of the chart.</translation>
    </message>
    <message>
        <source>表示単位の選択ボタンです。</source>
        <translation>Selects the units shown.</translation>
    </message>
    <message>
        <source>自動計算ボタン</source>
        <translation>Runs the capacity calculation.</translation>
    </message>
    <message>
        <source>コイル出口状態の自動計算を行います。</source>
        <translation>Finds the coil outlet state automatically.</translation>
    </message>
    <message>
        <source>再熱の自動計算を行います。</source>
        <translation>Calculates the reheat automatically.</translation>
    </message>
    <message>
        <source>再熱が必要です&#x3000;！</source>
        <translation>Reheat is required.</translation>
    </message>
    <message>
        <source>予熱が必要です&#x3000;！</source>
        <translation>Preheating is required.</translation>
    </message>
    <message>
        <source>温水の温度が低すぎます</source>
        <translation>The hot water temperature is too low.</translation>
    </message>
    <message>
        <source>換気回数を入力して下さい&#x3000;！</source>
        <translation>Enter the number of air changes per hour.</translation>
    </message>
    <message>
        <source>２つ以上のデータが入力されました。</source>
        <translation>Only two of the four values can be entered.</translation>
    </message>
    <message>
        <source>この機能はありません&#x3000;！</source>
        <translation>This function is not available.</translation>
    </message>
    <message>
        <source>データをファイルに記録しますか&#x3000;？</source>
        <translation>Do you want to save the data to a file?</translation>
    </message>
    <message>
        <source>入力されたデータが不正です&#x3000;！</source>
        <translation>The data entered is not valid.</translation>
    </message>
    <message>
        <source>指定換気回数がシステム送風量（熱量から算出）より多い為、バイパスにより風量を増やします。</source>
        <translation>The air-change rate set needs more air than the system airflow from the heat load; the airflow is increased through a bypass.</translation>
    </message>
    <message>
        <source>セットした換気回数が小さ過ぎます、熱量から算出した値&#x3000;[ </source>
        <translation>The air-change rate set is too low; it is set automatically to the rate from the heat load: [</translation>
    </message>
    <message>
        <source> N/H ] に自動的にセットされます  ! </source>
        <translation>N/H ].</translation>
    </message>
    <message>
        <source>有効でないポイント番号を指定しました&#x3000;！</source>
        <translation>The point number is not valid.</translation>
    </message>
    <message>
        <source>温度入力データが不正です</source>
        <translation>The temperature entered is not valid.</translation>
    </message>
    <message>
        <source>SHFデータは （1.0～0.5） の数値としてください。！</source>
        <translation>Enter an SHF from 0.5 to 1.0.</translation>
    </message>
    <message>
        <source>CFデータは （1.0～0.7） の数値としてください。&#x3000;！</source>
        <translation>Enter a contact factor from 0.7 to 1.0.</translation>
    </message>
    <message>
        <source>エンタルピ データが不正です&#x3000;！</source>
        <translation>The enthalpy entered is not valid.</translation>
    </message>
    <message>
        <source>不正な混合データです&#x3000;！</source>
        <translation>The mixing ratio is not valid.</translation>
    </message>
    <message>
        <source>不正な風量データです&#x3000;！</source>
        <translation>The airflow is not valid.</translation>
    </message>
    <message>
        <source>不正な熱量データです&#x3000;！</source>
        <translation>The heat is not valid.</translation>
    </message>
    <message>
        <source>不正なSAデータです&#x3000;！</source>
        <translation>The supply air data is not valid.</translation>
    </message>
    <message>
        <source>不正なOAデータです&#x3000;！</source>
        <translation>The outdoor air data is not valid.</translation>
    </message>
    <message>
        <source>容積データが不正です&#x3000;！</source>
        <translation>The room volume is not valid.</translation>
    </message>
    <message>
        <source>不正な換気回数データです&#x3000;！</source>
        <translation>The air-change rate is not valid.</translation>
    </message>
    <message>
        <source>入力温度データが大きすぎます ！&#x3000;</source>
        <translation>The temperature entered is too large.</translation>
    </message>
    <message>
        <source>ポイント１と２の番号を反対にして下さい&#x3000;！</source>
        <translation>Enter the two points in the reverse order.</translation>
    </message>
    <message>
        <source>設定した最低吹出温度は、低過ぎます[</source>
        <translation>The minimum supply air temperature set is too low; the off-coil temperature has been reset automatically to [</translation>
    </message>
    <message>
        <source>℃]に&#x3000;OffCoil温度を自動で再設定しました。</source>
        <translation>°C ].</translation>
    </message>
    <message>
        <source>正の数値を入力して下さい。</source>
        <translation>Enter a positive number.</translation>
    </message>
    <message>
        <source>値が過大です、再度入力して下さい。</source>
        <translation>The value is too large. Enter it again.</translation>
    </message>
    <message>
        <source>値が小さ過ぎます、再度入力して下さい。</source>
        <translation>The value is too small. Enter it again.</translation>
    </message>
    <message>
        <source>床面積が入力されていません。</source>
        <translation>The floor area has not been entered.</translation>
    </message>
    <message>
        <source>天井高が入力されていません。</source>
        <translation>The ceiling height has not been entered.</translation>
    </message>
    <message>
        <source>最大全熱が入力されていません。</source>
        <translation>The maximum total heat load has not been entered.</translation>
    </message>
    <message>
        <source>最大顕熱の値が不正または、入力されていません。</source>
        <translation>The maximum sensible heat load is not valid or has not been entered.</translation>
    </message>
    <message>
        <source>Off Coil の温度が&quot;１０℃以下&quot;になります、通常の冷水システムでは使えません。熱源選定のとき注意&#x3000;！</source>
        <translation>The off-coil temperature falls below 10 °C, which an ordinary chilled-water system cannot deliver. Take care when selecting the heat source.</translation>
    </message>
    <message>
        <source>指定したポイントの露点温度が低すぎ計算できません。</source>
        <translation>The dew point of this point is too low to calculate.</translation>
    </message>
    <message>
        <source>エンタルピ(Kcal/kg)</source>
        <translation>Enthalpy (kcal/kg)</translation>
    </message>
    <message>
        <source>エンタルピ(KJ/kg)</source>
        <translation>Enthalpy (kJ/kg)</translation>
    </message>
    <message>
        <source>全熱量(Kcal/h)</source>
        <translation>Total heat (kcal/h)</translation>
    </message>
    <message>
        <source>全熱量(W)</source>
        <translation>Total heat (W)</translation>
    </message>
    <message>
        <source>顕熱量(Kcal/h)</source>
        <translation>Sensible heat (kcal/h)</translation>
    </message>
    <message>
        <source>顕熱量(W)</source>
        <translation>Sensible heat (W)</translation>
    </message>
    <message>
        <source>潜熱量(Kcal/h)</source>
        <translation>Latent heat (kcal/h)</translation>
    </message>
    <message>
        <source>潜熱量(W)</source>
        <translation>Latent heat (W)</translation>
    </message>
    <message>
        <source>(Kcal/kg)</source>
        <translation>(kcal/kg)</translation>
    </message>
    <message>
        <source>(KJ/kg)</source>
        <translation>(kJ/kg)</translation>
    </message>
    <message>
        <source>(Kcal/h)</source>
        <translation>(kcal/h)</translation>
    </message>
    <message>
        <source>(W)</source>
        <translation>(W)</translation>
    </message>
    <message>
        <source>表示範囲のオプションを設定します。
表示範囲</source>
        <translation>Sets the options of the view range.
View range</translation>
    </message>
</context>
<context>
    <name>zeph::runfile</name>
    <message>
        <source>ファイルが大きすぎます。読めるのは %1 MiB までです。</source>
        <translation>The file is too large. Files of up to %1 MiB can be read.</translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Zeph の作業ファイルではありません。</source>
        <translation>This is not a Zeph run file.</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています。</source>
        <translation>The file is cut short.</translation>
    </message>
    <message>
        <source>ファイルが壊れています (%1 バイト目)。</source>
        <translation>The file is damaged (at byte %1).</translation>
    </message>
    <message>
        <source>ファイルの %1 バイト目の数値が読めません。</source>
        <translation>The number at byte %1 of the file cannot be read.</translation>
    </message>
    <message>
        <source>ファイルに UTF-8 の文字として読めないところがあります。</source>
        <translation>The file contains text that is not valid UTF-8.</translation>
    </message>
    <message>
        <source>ファイルの入れ子が深すぎます。</source>
        <translation>The file is nested too deeply.</translation>
    </message>
    <message>
        <source>ファイルの中の項目が多すぎます。</source>
        <translation>The file holds too many entries.</translation>
    </message>
    <message>
        <source>バージョン %1 のファイルは読めません。新しい版の Zeph で保存されています。</source>
        <translation>Files of version %1 cannot be read. The file was saved by a newer version of Zeph.</translation>
    </message>
    <message>
        <source>点が多すぎます。読めるのは %1 点までです。</source>
        <translation>There are too many points. Up to %1 points can be read.</translation>
    </message>
    <message>
        <source>項目「%1」がありません。</source>
        <translation>The entry &quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>項目「%1」の形式が正しくありません。</source>
        <translation>The entry &quot;%1&quot; has the wrong type.</translation>
    </message>
    <message>
        <source>項目「%1」に文字として読めないところがあります。</source>
        <translation>The entry &quot;%1&quot; contains text that cannot be read.</translation>
    </message>
    <message>
        <source>終了した系統 %1 に点がありません。</source>
        <translation>Finished system %1 has no points.</translation>
    </message>
    <message>
        <source>描画中の系統の %1 番目の点</source>
        <translation>point %1 of the current system</translation>
    </message>
    <message>
        <source>終了した系統 %1 の %2 番目の点</source>
        <translation>point %2 of finished system %1</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>the settings</translation>
    </message>
    <message>
        <source>表示範囲</source>
        <translation>the view range</translation>
    </message>
    <message>
        <source>能力計算の条件</source>
        <translation>the capacity conditions</translation>
    </message>
    <message>
        <source>最後の能力計算の結果</source>
        <translation>the last capacity result</translation>
    </message>
    <message>
        <source>記録された %1 番目の能力計算の結果</source>
        <translation>recorded capacity result %1</translation>
    </message>
    <message>
        <source>描画中の系統</source>
        <translation>the current system</translation>
    </message>
    <message>
        <source>終了した系統 %1</source>
        <translation>finished system %1</translation>
    </message>
    <message>
        <source> 〜 </source>
        <translation> to </translation>
    </message>
    <message>
        <source>0 または </source>
        <translation>0 or </translation>
    </message>
    <message>
        <source>%1の %2 の値 %3 が範囲外です (%4)。</source>
        <translation>The value %3 of %2 in %1 is out of range (%4).</translation>
    </message>
    <message>
        <source>%1の %2 の値 %3 が範囲外です (0 〜 %4)。</source>
        <translation>The value %3 of %2 in %1 is out of range (0 to %4).</translation>
    </message>
    <message>
        <source>%1の番号が %2 です。%3 のはずです。</source>
        <translation>The number of %1 is %2; it should be %3.</translation>
    </message>
    <message>
        <source>描画中の系統の最後の点番号 %1 が点の数 %2 と合いません。</source>
        <translation>The last point number %1 of the current system does not match its %2 points.</translation>
    </message>
    <message>
        <source>終了した系統の数と、その名前や点の数が合いません。</source>
        <translation>The number of finished systems does not match their names or point counts.</translation>
    </message>
    <message>
        <source>表示範囲の最大値が最小値より大きくありません。</source>
        <translation>A maximum of the view range is not greater than its minimum.</translation>
    </message>
    <message>
        <source>大気圧「%1」が %2 〜 %3 hPa の数値ではありません。</source>
        <translation>The atmospheric pressure &quot;%1&quot; is not a number from %2 to %3 hPa.</translation>
    </message>
    <message>
        <source>%1の名前が文字として読めません。</source>
        <translation>The name of %1 cannot be read as text.</translation>
    </message>
    <message>
        <source>ファイル「%1」を開けません (%2)。</source>
        <translation>The file &quot;%1&quot; cannot be opened (%2).</translation>
    </message>
    <message>
        <source>ファイル「%1」を読めません (%2)。</source>
        <translation>The file &quot;%1&quot; cannot be read (%2).</translation>
    </message>
    <message>
        <source>ファイル「%1」に保存できません (%2)。元のファイルはそのままです。</source>
        <translation>The run cannot be saved to &quot;%1&quot; (%2). The original file is unchanged.</translation>
    </message>
</context>
</TS>
