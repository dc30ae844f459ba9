#include "run/runfilereasons.h"

#include <QCoreApplication>
#include <QLocale>

#include "run/runfile.h"
#include "tolvex/checkdata.h"

namespace zeph::runfile {

namespace {

// The texts are the Japanese interface's and the sources of their
// translations, in the context zeph::runfile.

// C-locale, the shortest text that reads back as the same double.
QString Number(double v) {
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

QString TooLargeText() {
    return QCoreApplication::translate("zeph::runfile",
                                       "ファイルが大きすぎます。読めるのは %1 MiB までです。")
        .arg(kRunFileMaxBytes / (1024 * 1024));
}

QString EmptyText() {
    return QCoreApplication::translate("zeph::runfile", "ファイルが空です。");
}

QString NotRunFileText() {
    return QCoreApplication::translate("zeph::runfile", "Zeph の作業ファイルではありません。");
}

QString TruncatedText() {
    return QCoreApplication::translate("zeph::runfile", "ファイルが途中で切れています。");
}

QString BrokenText(qint64 offset) {
    return QCoreApplication::translate("zeph::runfile", "ファイルが壊れています (%1 バイト目)。")
        .arg(offset);
}

QString BadNumberText(qint64 offset) {
    return QCoreApplication::translate("zeph::runfile",
                                       "ファイルの %1 バイト目の数値が読めません。")
        .arg(offset);
}

QString InvalidUtf8Text() {
    return QCoreApplication::translate("zeph::runfile",
                                       "ファイルに UTF-8 の文字として読めないところがあります。");
}

QString TooDeepText() {
    return QCoreApplication::translate("zeph::runfile", "ファイルの入れ子が深すぎます。");
}

QString TooManyPartsText() {
    return QCoreApplication::translate("zeph::runfile", "ファイルの中の項目が多すぎます。");
}

QString NewerVersionText(const QString& version) {
    return QCoreApplication::translate(
               "zeph::runfile",
               "バージョン %1 のファイルは読めません。新しい版の Zeph で保存されています。")
        .arg(version);
}

QString TooManyPointsText() {
    return QCoreApplication::translate("zeph::runfile",
                                       "点が多すぎます。読めるのは %1 点までです。")
        .arg(QString::fromStdString(CCheckData().nci(0, kRunFileMaxPoints)));
}

QString MissingText(const QString& path) {
    return QCoreApplication::translate("zeph::runfile", "項目「%1」がありません。").arg(path);
}

QString WrongTypeText(const QString& path) {
    return QCoreApplication::translate("zeph::runfile", "項目「%1」の形式が正しくありません。")
        .arg(path);
}

QString NotTextText(const QString& path) {
    return QCoreApplication::translate("zeph::runfile",
                                       "項目「%1」に文字として読めないところがあります。")
        .arg(path);
}

QString EmptySystemText(qsizetype system) {
    return QCoreApplication::translate("zeph::runfile", "終了した系統 %1 に点がありません。")
        .arg(system + 1);
}

QString CurrentPointPlace(qsizetype index) {
    return QCoreApplication::translate("zeph::runfile", "描画中の系統の %1 番目の点")
        .arg(index + 1);
}

QString FinishedPointPlace(qsizetype system, qsizetype index) {
    return QCoreApplication::translate("zeph::runfile", "終了した系統 %1 の %2 番目の点")
        .arg(system + 1)
        .arg(index + 1);
}

QString SettingsPlace() {
    return QCoreApplication::translate("zeph::runfile", "設定");
}

QString ViewRangePlace() {
    return QCoreApplication::translate("zeph::runfile", "表示範囲");
}

QString ConditionsPlace() {
    return QCoreApplication::translate("zeph::runfile", "能力計算の条件");
}

QString LastResultPlace() {
    return QCoreApplication::translate("zeph::runfile", "最後の能力計算の結果");
}

QString ArchivedResultPlace(qsizetype index) {
    return QCoreApplication::translate("zeph::runfile", "記録された %1 番目の能力計算の結果")
        .arg(index + 1);
}

QString CurrentSystemPlace() {
    return QCoreApplication::translate("zeph::runfile", "描画中の系統");
}

QString FinishedSystemPlace(qsizetype system) {
    return QCoreApplication::translate("zeph::runfile", "終了した系統 %1").arg(system + 1);
}

QString OutOfRangeText(const QString& place, QLatin1String key, double value,
                       const Bounds& bounds) {
    QString range = Number(bounds.min) + QCoreApplication::translate("zeph::runfile", " 〜 ") +
                    Number(bounds.max);
    if (bounds.zeroToo) {
        range = QCoreApplication::translate("zeph::runfile", "0 または ") + range;
    }
    return QCoreApplication::translate("zeph::runfile", "%1の %2 の値 %3 が範囲外です (%4)。")
        .arg(place, key, Number(value), range);
}

QString ChoiceText(const QString& place, QLatin1String key, int value, int max) {
    return QCoreApplication::translate("zeph::runfile", "%1の %2 の値 %3 が範囲外です (0 〜 %4)。")
        .arg(place, key)
        .arg(value)
        .arg(max);
}

QString NumberingText(const QString& place, int number, int expected) {
    return QCoreApplication::translate("zeph::runfile", "%1の番号が %2 です。%3 のはずです。")
        .arg(place)
        .arg(number)
        .arg(expected);
}

QString PointNoText(int pointNo, qsizetype count) {
    return QCoreApplication::translate("zeph::runfile",
                                       "描画中の系統の最後の点番号 %1 が点の数 %2 と合いません。")
        .arg(pointNo)
        .arg(count);
}

QString SystemCountText() {
    return QCoreApplication::translate("zeph::runfile",
                                       "終了した系統の数と、その名前や点の数が合いません。");
}

QString ViewRangeOrderText() {
    return QCoreApplication::translate("zeph::runfile",
                                       "表示範囲の最大値が最小値より大きくありません。");
}

QString PressureTextText(const QString& text) {
    return QCoreApplication::translate("zeph::runfile",
                                       "大気圧「%1」が %2 〜 %3 hPa の数値ではありません。")
        .arg(text, Number(kPressure.min), Number(kPressure.max));
}

QString NameNotTextText(const QString& place) {
    return QCoreApplication::translate("zeph::runfile", "%1の名前が文字として読めません。")
        .arg(place);
}

QString CannotOpenText(const QString& path, const QString& error) {
    return QCoreApplication::translate("zeph::runfile", "ファイル「%1」を開けません (%2)。")
        .arg(path, error);
}

QString CannotReadText(const QString& path, const QString& error) {
    return QCoreApplication::translate("zeph::runfile", "ファイル「%1」を読めません (%2)。")
        .arg(path, error);
}

QString CannotSaveText(const QString& path, const QString& error) {
    return QCoreApplication::translate(
               "zeph::runfile", "ファイル「%1」に保存できません (%2)。元のファイルはそのままです。")
        .arg(path, error);
}

}  // namespace zeph::runfile
