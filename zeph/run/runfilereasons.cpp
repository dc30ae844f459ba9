#include "run/runfilereasons.h"

#include <QLocale>

#include "run/runfile.h"
#include "tolvex/checkdata.h"

namespace zeph::runfile {

namespace {

// C-locale, the shortest text that reads back as the same double.
QString Number(double v) {
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

QString TooLargeText() {
    return QStringLiteral("ファイルが大きすぎます。読めるのは %1 MiB までです。")
        .arg(kRunFileMaxBytes / (1024 * 1024));
}

QString EmptyText() {
    return QStringLiteral("ファイルが空です。");
}

QString NotRunFileText() {
    return QStringLiteral("Zeph の作業ファイルではありません。");
}

QString TruncatedText() {
    return QStringLiteral("ファイルが途中で切れています。");
}

QString BrokenText(qint64 offset) {
    return QStringLiteral("ファイルが壊れています (%1 バイト目)。").arg(offset);
}

QString BadNumberText(qint64 offset) {
    return QStringLiteral("ファイルの %1 バイト目の数値が読めません。").arg(offset);
}

QString InvalidUtf8Text() {
    return QStringLiteral("ファイルに UTF-8 の文字として読めないところがあります。");
}

QString TooDeepText() {
    return QStringLiteral("ファイルの入れ子が深すぎます。");
}

QString TooManyPartsText() {
    return QStringLiteral("ファイルの中の項目が多すぎます。");
}

QString NewerVersionText(const QString& version) {
    return QStringLiteral(
               "バージョン %1 のファイルは読めません。新しい版の Zeph で保存されています。")
        .arg(version);
}

QString TooManyPointsText() {
    return QStringLiteral("点が多すぎます。読めるのは %1 点までです。")
        .arg(QString::fromStdString(CCheckData().nci(0, kRunFileMaxPoints)));
}

QString MissingText(const QString& path) {
    return QStringLiteral("項目「%1」がありません。").arg(path);
}

QString WrongTypeText(const QString& path) {
    return QStringLiteral("項目「%1」の形式が正しくありません。").arg(path);
}

QString NotTextText(const QString& path) {
    return QStringLiteral("項目「%1」に文字として読めないところがあります。").arg(path);
}

QString EmptySystemText(qsizetype system) {
    return QStringLiteral("終了した系統 %1 に点がありません。").arg(system + 1);
}

QString CurrentPointPlace(qsizetype index) {
    return QStringLiteral("描画中の系統の %1 番目の点").arg(index + 1);
}

QString FinishedPointPlace(qsizetype system, qsizetype index) {
    return QStringLiteral("終了した系統 %1 の %2 番目の点").arg(system + 1).arg(index + 1);
}

QString SettingsPlace() {
    return QStringLiteral("設定");
}

QString ViewRangePlace() {
    return QStringLiteral("表示範囲");
}

QString ConditionsPlace() {
    return QStringLiteral("能力計算の条件");
}

QString LastResultPlace() {
    return QStringLiteral("最後の能力計算の結果");
}

QString ArchivedResultPlace(qsizetype index) {
    return QStringLiteral("記録された %1 番目の能力計算の結果").arg(index + 1);
}

QString CurrentSystemPlace() {
    return QStringLiteral("描画中の系統");
}

QString FinishedSystemPlace(qsizetype system) {
    return QStringLiteral("終了した系統 %1").arg(system + 1);
}

QString OutOfRangeText(const QString& place, QLatin1String key, double value,
                       const Bounds& bounds) {
    QString range = Number(bounds.min) + QStringLiteral(" 〜 ") + Number(bounds.max);
    if (bounds.zeroToo) {
        range = QStringLiteral("0 または ") + range;
    }
    return QStringLiteral("%1の %2 の値 %3 が範囲外です (%4)。")
        .arg(place, key, Number(value), range);
}

QString ChoiceText(const QString& place, QLatin1String key, int value, int max) {
    return QStringLiteral("%1の %2 の値 %3 が範囲外です (0 〜 %4)。")
        .arg(place, key)
        .arg(value)
        .arg(max);
}

QString NumberingText(const QString& place, int number, int expected) {
    return QStringLiteral("%1の番号が %2 です。%3 のはずです。")
        .arg(place)
        .arg(number)
        .arg(expected);
}

QString PointNoText(int pointNo, qsizetype count) {
    return QStringLiteral("描画中の系統の最後の点番号 %1 が点の数 %2 と合いません。")
        .arg(pointNo)
        .arg(count);
}

QString SystemCountText() {
    return QStringLiteral("終了した系統の数と、その名前や点の数が合いません。");
}

QString ViewRangeOrderText() {
    return QStringLiteral("表示範囲の最大値が最小値より大きくありません。");
}

QString PressureTextText(const QString& text) {
    return QStringLiteral("大気圧「%1」が %2 〜 %3 hPa の数値ではありません。")
        .arg(text, Number(kPressure.min), Number(kPressure.max));
}

QString NameNotTextText(const QString& place) {
    return QStringLiteral("%1の名前が文字として読めません。").arg(place);
}

QString CannotOpenText(const QString& path, const QString& error) {
    return QStringLiteral("ファイル「%1」を開けません (%2)。").arg(path, error);
}

QString CannotReadText(const QString& path, const QString& error) {
    return QStringLiteral("ファイル「%1」を読めません (%2)。").arg(path, error);
}

QString CannotSaveText(const QString& path, const QString& error) {
    return QStringLiteral("ファイル「%1」に保存できません (%2)。元のファイルはそのままです。")
        .arg(path, error);
}

}  // namespace zeph::runfile
