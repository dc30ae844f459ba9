#include "run/strings.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace zeph {
namespace {

// The context of the table's texts in the translations (each entry names it
// too: lupdate reads the literal).
constexpr const char* kContext = "zeph::Strings";

struct StringEntry {
    int id;
    const char* text;  // UTF-8, the Japanese interface's text and the translation's source
};

// Sorted by id. The wide blanks are ideographic spaces (U+3000) and belong
// to the texts, as do the ASCII quotes of 6136.
constexpr StringEntry kStrings[] = {
    {101, QT_TRANSLATE_NOOP("zeph::Strings", "&About Zeph...")},
    {102, QT_TRANSLATE_NOOP("zeph::Strings", "冷却のシミュレーションが出来ます。")},
    {103, QT_TRANSLATE_NOOP("zeph::Strings", "空気の混合がシミュレーション出来ます。")},
    {104, QT_TRANSLATE_NOOP("zeph::Strings", "加熱のシミュレーションが出来ます。")},
    {105, QT_TRANSLATE_NOOP("zeph::Strings", "２点間のスロープ計算のシミュレーションが出来ます。")},
    {106, QT_TRANSLATE_NOOP("zeph::Strings", "加湿のシミュレーションが出来ます。")},
    {107, QT_TRANSLATE_NOOP("zeph::Strings", "２点のポイント差を表示します。")},
    {108, QT_TRANSLATE_NOOP("zeph::Strings", "コイル容量を計算し表示します。")},
    {109, QT_TRANSLATE_NOOP("zeph::Strings", "空調機の容量を計算し表示します。")},
    {110, QT_TRANSLATE_NOOP("zeph::Strings", "計算する大気圧を変更出来ます。")},
    {111,
     QT_TRANSLATE_NOOP("zeph::Strings",
                       "シミュレーションするシステムをメモして下さい、設定しない場合はsystem 1, 2, "
                       "の様に自動で設定されます。")},
    {112, QT_TRANSLATE_NOOP("zeph::Strings",
                            "シミュレーションするポイント名をメモの為設定して下さい、設定しなくても"
                            "計算には支障はありませ"
                            "ん。")},
    {113, QT_TRANSLATE_NOOP("zeph::Strings", "乾球温度温度摂氏の単位でを設定して下さい。")},
    {114, QT_TRANSLATE_NOOP("zeph::Strings", "湿球温度を摂氏の単位で設定して下さい。")},
    {115, QT_TRANSLATE_NOOP("zeph::Strings", "相対湿度を設定して下さい。")},
    {116, QT_TRANSLATE_NOOP("zeph::Strings", "露点温度を摂氏の単位で設定して下さい。")},
    {117,
     QT_TRANSLATE_NOOP("zeph::Strings",
                       "エンタルピを設定して下さい、単位を変更するとこの値の自動で変化します。")},
    {118, QT_TRANSLATE_NOOP("zeph::Strings", "絶対湿度を設定して下さい。")},
    {119, QT_TRANSLATE_NOOP("zeph::Strings", "空気の比重量を設定して下さい。")},
    {120, QT_TRANSLATE_NOOP("zeph::Strings", "ポイント番号の情報を表示します。")},
    {6000, QT_TRANSLATE_NOOP("zeph::Strings", "換気回数シミュレーションボタン")},
    {6002, QT_TRANSLATE_NOOP("zeph::Strings", "計算表のリセット")},
    {6003, QT_TRANSLATE_NOOP("zeph::Strings", "計算ポイントを表にプロットします。")},
    {6004, QT_TRANSLATE_NOOP("zeph::Strings", "次の表を表示します。")},
    {6005, QT_TRANSLATE_NOOP("zeph::Strings", "全ての計算を終了します。")},
    {6006, QT_TRANSLATE_NOOP("zeph::Strings", "表の温度レンジを変更します。")},
    {6007, QT_TRANSLATE_NOOP("zeph::Strings", "表示単位の選択ボタンです。")},
    {6008, QT_TRANSLATE_NOOP("zeph::Strings", "自動計算ボタン")},
    {6010, QT_TRANSLATE_NOOP("zeph::Strings", "コイル出口状態の自動計算を行います。")},
    {6011, QT_TRANSLATE_NOOP("zeph::Strings", "再熱の自動計算を行います。")},
    {6100, QT_TRANSLATE_NOOP("zeph::Strings", "再熱が必要です　！")},
    {6101, QT_TRANSLATE_NOOP("zeph::Strings", "予熱が必要です　！")},
    {6102, QT_TRANSLATE_NOOP("zeph::Strings", "温水の温度が低すぎます")},
    {6103, QT_TRANSLATE_NOOP("zeph::Strings", "換気回数を入力して下さい　！")},
    {6104, QT_TRANSLATE_NOOP("zeph::Strings", "２つ以上のデータが入力されました。")},
    {6105, QT_TRANSLATE_NOOP("zeph::Strings", "この機能はありません　！")},
    {6106, QT_TRANSLATE_NOOP("zeph::Strings", "データをファイルに記録しますか　？")},
    {6107, QT_TRANSLATE_NOOP("zeph::Strings", "入力されたデータが不正です　！")},
    {6108, QT_TRANSLATE_NOOP("zeph::Strings",
                             "指定換気回数がシステム送風量（熱量から算出）より多い為、バイパスによ"
                             "り風量を増やします。")},
    {6109, QT_TRANSLATE_NOOP("zeph::Strings",
                             "セットした換気回数が小さ過ぎます、熱量から算出した値　[ ")},
    {6110, QT_TRANSLATE_NOOP("zeph::Strings", " N/H ] に自動的にセットされます  ! ")},
    {6111, QT_TRANSLATE_NOOP("zeph::Strings", "有効でないポイント番号を指定しました　！")},
    {6112, QT_TRANSLATE_NOOP("zeph::Strings", "温度入力データが不正です")},
    {6113, QT_TRANSLATE_NOOP("zeph::Strings", "SHFデータは （1.0～0.5） の数値としてください。！")},
    {6114,
     QT_TRANSLATE_NOOP("zeph::Strings", "CFデータは （1.0～0.7） の数値としてください。　！")},
    {6115, QT_TRANSLATE_NOOP("zeph::Strings", "エンタルピ データが不正です　！")},
    {6116, QT_TRANSLATE_NOOP("zeph::Strings", "不正な混合データです　！")},
    {6117, QT_TRANSLATE_NOOP("zeph::Strings", "不正な風量データです　！")},
    {6118, QT_TRANSLATE_NOOP("zeph::Strings", "不正な熱量データです　！")},
    {6119, QT_TRANSLATE_NOOP("zeph::Strings", "不正なSAデータです　！")},
    {6120, QT_TRANSLATE_NOOP("zeph::Strings", "不正なOAデータです　！")},
    {6121, QT_TRANSLATE_NOOP("zeph::Strings", "容積データが不正です　！")},
    {6122, QT_TRANSLATE_NOOP("zeph::Strings", "不正な換気回数データです　！")},
    {6123, QT_TRANSLATE_NOOP("zeph::Strings", "入力温度データが大きすぎます ！　")},
    {6124, QT_TRANSLATE_NOOP("zeph::Strings", "ポイント１と２の番号を反対にして下さい　！")},
    {6127, QT_TRANSLATE_NOOP("zeph::Strings", "設定した最低吹出温度は、低過ぎます[")},
    {6128, QT_TRANSLATE_NOOP("zeph::Strings", "℃]に　OffCoil温度を自動で再設定しました。")},
    {6129, QT_TRANSLATE_NOOP("zeph::Strings", "正の数値を入力して下さい。")},
    {6130, QT_TRANSLATE_NOOP("zeph::Strings", "値が過大です、再度入力して下さい。")},
    {6131, QT_TRANSLATE_NOOP("zeph::Strings", "値が小さ過ぎます、再度入力して下さい。")},
    {6132, QT_TRANSLATE_NOOP("zeph::Strings", "床面積が入力されていません。")},
    {6133, QT_TRANSLATE_NOOP("zeph::Strings", "天井高が入力されていません。")},
    {6134, QT_TRANSLATE_NOOP("zeph::Strings", "最大全熱が入力されていません。")},
    {6135, QT_TRANSLATE_NOOP("zeph::Strings", "最大顕熱の値が不正または、入力されていません。")},
    {6136, QT_TRANSLATE_NOOP("zeph::Strings",
                             "Off Coil "
                             "の温度が\"１０℃以下\"になります、通常の冷水システムでは使えません。熱"
                             "源選定のとき注意　！")},
    {6137,
     QT_TRANSLATE_NOOP("zeph::Strings", "指定したポイントの露点温度が低すぎ計算できません。")},
    {6200, QT_TRANSLATE_NOOP("zeph::Strings", "エンタルピ(Kcal/kg)")},
    {6202, QT_TRANSLATE_NOOP("zeph::Strings", "エンタルピ(KJ/kg)")},
    {6203, QT_TRANSLATE_NOOP("zeph::Strings", "全熱量(Kcal/h)")},
    {6204, QT_TRANSLATE_NOOP("zeph::Strings", "全熱量(W)")},
    {6206, QT_TRANSLATE_NOOP("zeph::Strings", "顕熱量(Kcal/h)")},
    {6207, QT_TRANSLATE_NOOP("zeph::Strings", "顕熱量(W)")},
    {6209, QT_TRANSLATE_NOOP("zeph::Strings", "潜熱量(Kcal/h)")},
    {6210, QT_TRANSLATE_NOOP("zeph::Strings", "潜熱量(W)")},
    {6215, QT_TRANSLATE_NOOP("zeph::Strings", "(Kcal/kg)")},
    {6217, QT_TRANSLATE_NOOP("zeph::Strings", "(KJ/kg)")},
    {6220, QT_TRANSLATE_NOOP("zeph::Strings", "(Kcal/h)")},
    {6221, QT_TRANSLATE_NOOP("zeph::Strings", "(W)")},
    {35794, QT_TRANSLATE_NOOP("zeph::Strings", "表示範囲のオプションを設定します。\n表示範囲")},
};

}  // namespace

QString LoadResString(int id) {
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const StringEntry& e, int key) { return e.id < key; });
    if (it == end || it->id != id) {
        return {};
    }
    return QCoreApplication::translate(kContext, it->text);
}

QString ErrorText(int code) {
    // The string of each error code 1 … 17.
    static constexpr int kErrorStrings[] = {6111, 6112, 6113, 6114, 6115, 6116, 6117, 6118, 6119,
                                            6120, 6121, 6122, 6102, 6107, 6123, 6124, 6137};
    if (code < 1 || code > static_cast<int>(std::size(kErrorStrings))) {
        return {};
    }
    return LoadResString(kErrorStrings[code - 1]);
}

QString RangePrompt(double min, double max) {
    return QCoreApplication::translate("zeph::FieldRange",
                                       "%1 から %2 までの数値を入力して下さい。")
        .arg(QString::asprintf("%.15g", min), QString::asprintf("%.15g", max));
}

}  // namespace zeph
