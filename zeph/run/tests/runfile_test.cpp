// The run file: a run comes back bit for bit and writes the same report;
// a file that is not a whole, consistent run of this version is refused
// with its reason; a failed save leaves the old file as it was.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>

#include "file_size_limit.h"
#include "run/runfile.h"
#include "run/writefile.h"
#include "samplereport.h"

Q_DECLARE_METATYPE(std::function<void(QByteArray&)>)

namespace {

using Edit = std::function<void(QByteArray&)>;

bool Same(double a, double b) {
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

bool SameValues(const _CORVO& a, const _CORVO& b) {
    return std::memcmp(&a, &b, sizeof(_CORVO)) == 0;
}

bool SamePoints(const QList<CZephData>& a, const QList<CZephData>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].N != b[i].N || a[i].Style != b[i].Style || a[i].Pn != b[i].Pn ||
            !SameValues(a[i].GetValues(), b[i].GetValues())) {
            return false;
        }
    }
    return true;
}

bool SameResult(const CAutoCal_Ret& a, const CAutoCal_Ret& b) {
    bool same = a.name == b.name && a.system == b.system;
    for (double CAutoCal_Ret::*field : kCapacityNumbers) {
        same = same && Same(a.*field, b.*field);
    }
    return same;
}

bool SameConditions(const EqcConditions& a, const EqcConditions& b) {
    bool same = a.roomName == b.roomName && a.system == b.system;
    for (double EqcConditions::*field :
         {&EqcConditions::pressure, &EqcConditions::outdoorDb, &EqcConditions::outdoorWb,
          &EqcConditions::outdoorAirflow, &EqcConditions::roomDb, &EqcConditions::roomRh,
          &EqcConditions::floorArea, &EqcConditions::ceilingHeight, &EqcConditions::airChangeRate,
          &EqcConditions::fanLoad, &EqcConditions::maxSensible, &EqcConditions::maxLatent,
          &EqcConditions::minSensible, &EqcConditions::minLatent, &EqcConditions::contactFactor,
          &EqcConditions::supplyTemp}) {
        same = same && Same(a.*field, b.*field);
    }
    return same;
}

// Values whose shortest text is long, that sit at the ends of the doubles,
// or whose sign only the bits show.
const double kAwkward[] = {0.1 + 0.2,
                           1e-300,
                           12.345678901234567,
                           -0.0,
                           5e-324,
                           2.2250738585072014e-308,
                           999.0,
                           -999.9999999999999,
                           1013.25 / 3,
                           0.035000000000000003};

// Two finished systems and two archived results (the sample report's), and
// a system being drawn whose values are awkward doubles and random bit
// patterns, a capacity result not yet archived and a pending point.
RunState RichRun() {
    RunState run;
    const ReportData sample = sample::SampleRun();
    run.allPoints = sample.points;
    run.systemNames = sample.systemNames;
    run.systemCount = 2;
    run.archivedCount = 6;
    run.eqcResults = sample.results;

    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> anyValue(-999.0, 999.0);
    const char* names[] = {"OA", "外気ミックス", "ﾊﾞｲﾊﾟｽ", "%s%n", "", "\xF0\x9F\x8C\x80 x"};
    int awkward = 0;
    for (int n = 1; n <= 30; ++n) {
        CZephData p;
        p.N = n;
        p.Style = static_cast<STYLE>(n % 4);
        p.Pn = names[n % std::size(names)];
        for (double* v : {&p.Db, &p.Db1, &p.Db2, &p.Wb, &p.Rh, &p.Dp, &p.Hi, &p.Xi, &p.Xi1, &p.Xi2,
                          &p.Px, &p.Dn, &p.Mt}) {
            *v = awkward < static_cast<int>(std::size(kAwkward)) ? kAwkward[awkward++]
                                                                 : anyValue(random);
        }
        run.points.append(p);
    }
    run.pointNo = 30;
    run.systemName = QStringLiteral("系統 3 \U0001F300");
    run.pressureText = QStringLiteral("1005.5");
    run.unitMode = 0;
    run.range = ViewRange{40.0, -10.0, 0.0300000000000001, 0.001};
    run.rangePreset = 2;
    run.eqcInput = EqcConditions{.roomName = QStringLiteral("室 A"),
                                 .system = 1,
                                 .pressure = 1005.5,
                                 .outdoorDb = 33.3,
                                 .outdoorWb = 27.1,
                                 .outdoorAirflow = 1234.5678,
                                 .roomDb = 26.0,
                                 .roomRh = 50.0,
                                 .floorArea = 0.1 + 0.2,
                                 .ceilingHeight = 2.7,
                                 .airChangeRate = 6.0,
                                 .fanLoad = -0.0,
                                 .maxSensible = 123456789012.34567,
                                 .maxLatent = 1e-300,
                                 .minSensible = 12.345678901234567,
                                 .minLatent = 5e-324,
                                 .contactFactor = 0.95,
                                 .supplyTemp = 10.0};
    run.eqcResult = sample.results.first();
    run.eqcResult.name = QStringLiteral("最後");
    run.eqcResult.mixDb = 0.1 + 0.2;
    run.eqcResult.supplyWb = -0.0;
    run.eqcPending = 1;
    run.current.pending = 1;
    run.current.name = QStringLiteral("待ち");
    run.current.values.Db = 20.0;
    return run;
}

QJsonObject RootOf(const QByteArray& bytes) {
    return QJsonDocument::fromJson(bytes).object();
}

QByteArray BytesOf(const QJsonObject& root) {
    return QJsonDocument(root).toJson();
}

// A small valid file: two points drawn, two finished systems.
QByteArray SmallFile() {
    RunState run;
    run.points = sample::SampleRun().points.mid(0, 2);
    run.pointNo = 2;
    run.allPoints = sample::SampleRun().points;
    run.systemNames = sample::SampleRun().systemNames;
    run.systemCount = 2;
    run.archivedCount = 6;
    return RunFileBytes(run);
}

// An edit of the small file's JSON at the field path (keys and indices).
Edit Set(QStringList path, QJsonValue value) {
    return [path, value](QByteArray& bytes) {
        std::function<QJsonValue(const QJsonValue&, qsizetype)> set = [&](const QJsonValue& at,
                                                                          qsizetype i) {
            if (i == path.size()) return value;
            bool isIndex = false;
            const int index = path[i].toInt(&isIndex);
            if (isIndex) {
                QJsonArray array = at.toArray();
                array[index] = set(array.at(index), i + 1);
                return QJsonValue(array);
            }
            QJsonObject object = at.toObject();
            if (value.isUndefined() && i + 1 == path.size()) {
                object.remove(path[i]);
            } else {
                object[path[i]] = set(object.value(path[i]), i + 1);
            }
            return QJsonValue(object);
        };
        bytes = BytesOf(set(RootOf(bytes), 0).toObject());
    };
}

Edit Replace(const QByteArray& before, const QByteArray& after) {
    return [before, after](QByteArray& bytes) { bytes.replace(before, after); };
}

Edit Whole(const QByteArray& replacement) {
    return [replacement](QByteArray& bytes) { bytes = replacement; };
}

QStringList Path(const char* dotted) {
    return QString::fromLatin1(dotted).split(QLatin1Char('.'));
}

}  // namespace

class RunFileTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void runComesBackBitForBit();
    void unknownFieldsAreIgnored();
    void refused_data();
    void refused();
    void everyCutIsTruncated();
    void failedSaveKeepsTheOldFile();
    void loadRefusesAnOversizedFileUnread();
};

void RunFileTest::runComesBackBitForBit() {
    const RunState run = RichRun();
    QCOMPARE(RunFileProblem(run), QString());
    const QByteArray bytes = RunFileBytes(run);
    const RunFileResult read = ReadRunFile(bytes);
    QCOMPARE(read.reason, QString());
    QVERIFY(read.state);
    const RunState& back = *read.state;

    QVERIFY(SamePoints(back.points, run.points));
    QCOMPARE(back.pointNo, 30);
    QVERIFY(SamePoints(back.allPoints, run.allPoints));
    QCOMPARE(back.systemNames, run.systemNames);
    QCOMPARE(back.systemCount, 2);
    QCOMPARE(back.archivedCount, 6);
    QCOMPARE(back.systemName, run.systemName);
    QCOMPARE(back.pressureText, run.pressureText);
    QCOMPARE(back.unitMode, 0);
    QVERIFY(Same(back.range.maxXi, run.range.maxXi) && back.range == run.range);
    QCOMPARE(back.rangePreset, 2);
    QVERIFY(SameConditions(back.eqcInput, run.eqcInput));
    QCOMPARE(back.eqcPending, 1);
    QVERIFY(SameResult(back.eqcResult, run.eqcResult));
    QCOMPARE(back.eqcResults.size(), run.eqcResults.size());
    for (qsizetype i = 0; i < run.eqcResults.size(); ++i) {
        QVERIFY(SameResult(back.eqcResults[i], run.eqcResults[i]));
    }
    // The point waiting for Yes is not saved: nothing is pending.
    QCOMPARE(back.current.pending, 0);
    QCOMPARE(back.current.name, QString());
    QVERIFY(SameValues(back.current.values, _CORVO{}));

    // The same bytes again, and the same report word for word.
    QCOMPARE(RunFileBytes(back), bytes);
    const QDate day(2021, 8, 10);
    QCOMPARE(QByteArray::fromStdString(CWriteFile(ReportOf(back), day).Text()),
             QByteArray(sample::kSampleReport));
}

void RunFileTest::unknownFieldsAreIgnored() {
    QByteArray bytes = SmallFile();
    Set(Path("comment"), QJsonObject{{QStringLiteral("by"), QJsonArray{1, 2}}})(bytes);
    Set(Path("system.points.0.colour"), QStringLiteral("red"))(bytes);
    Set(Path("capacity.conditions.later"), 3)(bytes);
    const RunFileResult read = ReadRunFile(bytes);
    QCOMPARE(read.reason, QString());
    QVERIFY(read.state);
    QCOMPARE(RunFileBytes(*read.state), SmallFile());
}

void RunFileTest::refused_data() {
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("reason");
    auto row = [](const char* name, Edit edit, const char* reason) {
        QTest::newRow(name) << edit << QString::fromUtf8(reason);
    };
    const char* notRunFile = "Zeph の作業ファイルではありません。";
    row("empty", Whole(" \n"), "ファイルが空です。");
    row("text", Whole("Zeph\n"), notRunFile);
    row("JSON array", Whole("[1]"), notRunFile);
    row("other format", Set(Path("format"), QStringLiteral("zeph-chart")), notRunFile);
    row("no format", Set(Path("format"), QJsonValue::Undefined), notRunFile);
    row("newer version", Set(Path("version"), 2),
        "バージョン 2 のファイルは読めません。新しい版の Zeph で保存されています。");
    row("version as text", Set(Path("version"), QStringLiteral("1")),
        "項目「version」の形式が正しくありません。");
    row("version 0", Set(Path("version"), 0), "項目「version」の形式が正しくありません。");
    row("too large", Whole(QByteArray(kRunFileMaxBytes + 1, ' ')),
        "ファイルが大きすぎます。読めるのは 16 MiB までです。");
    row(
        "garbage after the end", [](QByteArray& b) { b = "{}x"; },
        "ファイルが壊れています (3 バイト目)。");
    row("broken in the middle", Replace("\"unitMode\": 1", "\"unitMode\" 1"),
        "ファイルが壊れています (");
    row("invalid UTF-8", Replace("RoomAir", "Room\xFF"),
        "ファイルに UTF-8 の文字として読めないところがあります。");
    row("lone surrogate", Replace("RoomAir", "Room\\ud800"),
        "項目「system.points[1].name」に文字として読めないところがあります。");
    row("number beyond a double", Replace("33,", "1e400,"), "ファイルの ");
    row(
        "nested too deep",
        [](QByteArray& b) {
            b.insert(1, "\"x\":" + QByteArray(2000, '[') + QByteArray(2000, ']') + ",");
        },
        "ファイルの入れ子が深すぎます。");
    row(
        "too many objects",
        [](QByteArray& b) { b.insert(1, "\"x\":[" + QByteArray("[],").repeated(400000) + "1],"); },
        "ファイルの中の項目が多すぎます。");
    row("absurd temperature", Set(Path("system.points.0.Db"), 1e300),
        "描画中の系統の 1 番目の点の Db の値 1e+300 が範囲外です (-1000 〜 1000)。");
    row("null for a number", Set(Path("system.points.0.Xi"), QJsonValue::Null),
        "項目「system.points[0].Xi」の形式が正しくありません。");
    row("text for a number", Set(Path("finishedSystems.1.points.2.Hi"), QStringLiteral("-1")),
        "項目「finishedSystems[1].points[2].Hi」の形式が正しくありません。");
    row("missing value", Set(Path("system.points.1.Mt"), QJsonValue::Undefined),
        "項目「system.points[1].Mt」がありません。");
    row("style 7", Set(Path("system.points.1.style"), 7),
        "描画中の系統の 2 番目の点の style の値 7 が範囲外です (0 〜 3)。");
    row("style 1.5", Set(Path("system.points.1.style"), 1.5),
        "項目「system.points[1].style」の形式が正しくありません。");
    row("points out of order", Set(Path("system.points.0.n"), 2),
        "描画中の系統の 1 番目の点の番号が 2 です。1 のはずです。");
    row("finished system numbered on", Set(Path("finishedSystems.1.points.0.n"), 4),
        "終了した系統 2 の 1 番目の点の番号が 4 です。1 のはずです。");
    row("finished system without points", Set(Path("finishedSystems.0.points"), QJsonArray()),
        "終了した系統 1 に点がありません。");
    row("pointNo", Set(Path("system.pointNo"), 5),
        "描画中の系統の最後の点番号 5 が点の数 2 と合いません。");
    row("too many points",
        Set(Path("system.points"),
            QJsonArray::fromVariantList(QVariantList(kRunFileMaxPoints + 1, QVariantMap()))),
        "点が多すぎます。読めるのは 100,000 点までです。");
    row("unit mode 2", Set(Path("unitMode"), 2), "設定の unitMode の値 2 が範囲外です (0 〜 1)。");
    row("preset 3", Set(Path("rangePreset"), 3),
        "表示範囲の rangePreset の値 3 が範囲外です (0 〜 2)。");
    row("range upside down", Set(Path("viewRange.minDb"), 50),
        "表示範囲の最大値が最小値より大きくありません。");
    row("range humidity", Set(Path("viewRange.maxXi"), 35),
        "表示範囲の maxXi の値 35 が範囲外です (0 〜 1)。");
    for (const char* pressure : {"1,013.25", " 1013.25", "1e3", "200", "abc", ""}) {
        QTest::addRow("pressure \"%s\"", pressure)
            << Set(Path("pressure"), QString::fromLatin1(pressure))
            << QStringLiteral("大気圧「%1」が 300 〜 1200 hPa の数値ではありません。")
                   .arg(QString::fromLatin1(pressure));
    }
    row("negative zero spelled otherwise", Set(Path("system.points.0.Rh"), QStringLiteral("-0.0")),
        "項目「system.points[0].Rh」の形式が正しくありません。");
    row("no capacity", Set(Path("capacity"), QJsonValue::Undefined),
        "項目「capacity」がありません。");
    row("capacity system 2", Set(Path("capacity.conditions.system"), 2),
        "能力計算の条件の system の値 2 が範囲外です (0 〜 1)。");
    row("result pressure", Set(Path("capacity.lastResult.pressure"), 50),
        "最後の能力計算の結果の pressure の値 50 が範囲外です (0 または 300 〜 1200)。");
    row("pending as number", Set(Path("capacity.lastResultPending"), 1),
        "項目「capacity.lastResultPending」の形式が正しくありません。");
    row("archive not a list", Set(Path("capacity.archivedResults"), QJsonObject()),
        "項目「capacity.archivedResults」の形式が正しくありません。");
}

void RunFileTest::refused() {
    QFETCH(Edit, edit);
    QFETCH(QString, reason);
    QByteArray bytes = SmallFile();
    edit(bytes);
    const RunFileResult read = ReadRunFile(bytes);
    QVERIFY(!read.state);
    // A reason whose end depends on a byte offset is given by its start.
    const bool byStart = reason.endsWith(QLatin1Char(' ')) || reason.endsWith(QLatin1Char('('));
    QVERIFY2(byStart ? read.reason.startsWith(reason) : read.reason == reason,
             qPrintable(read.reason));
}

void RunFileTest::everyCutIsTruncated() {
    const QByteArray bytes = SmallFile();
    const qsizetype end = bytes.lastIndexOf('}');
    for (qsizetype n = 1; n < end; ++n) {
        const RunFileResult read = ReadRunFile(bytes.left(n));
        QVERIFY2(!read.state && read.reason == QStringLiteral("ファイルが途中で切れています。"),
                 qPrintable(QString::number(n) + QLatin1Char(' ') + read.reason));
    }
}

void RunFileTest::failedSaveKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.zeph"));
    QString reason;
    QVERIFY(SaveRunFile(path, RunState{}, &reason));
    QCOMPARE(reason, QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();

    {
        // A disk that fills up: the new file cannot be written whole.
        const FileSizeLimit limit(static_cast<rlim_t>(old.size()));
        QVERIFY(!SaveRunFile(path, RichRun(), &reason));
    }
    QVERIFY2(reason.startsWith(QStringLiteral("ファイル「%1」に保存できません (").arg(path)),
             qPrintable(reason));
    QVERIFY(reason.endsWith(QStringLiteral("元のファイルはそのままです。")));

    const QString missingFolder = dir.filePath(QStringLiteral("gone/run.zeph"));
    QVERIFY(!SaveRunFile(missingFolder, RichRun(), &reason));
    QVERIFY(
        reason.startsWith(QStringLiteral("ファイル「%1」に保存できません (").arg(missingFolder)));

    // A run that could not be read back is not written.
    RunState absurd;
    absurd.range.maxDb = 1e300;
    QVERIFY(!SaveRunFile(path, absurd, &reason));
    QCOMPARE(reason, QStringLiteral("表示範囲の maxDb の値 1e+300 が範囲外です (-100 〜 100)。"));
    RunState huge;
    huge.systemName = QString(kRunFileMaxBytes, QLatin1Char('x'));
    QVERIFY(!SaveRunFile(path, huge, &reason));
    QCOMPARE(reason, QStringLiteral("ファイルが大きすぎます。読めるのは 16 MiB までです。"));

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("run.zeph")});
    QVERIFY(LoadRunFile(path).state);
}

void RunFileTest::loadRefusesAnOversizedFileUnread() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.zeph"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Sparse: nothing is written, and nothing need be read to refuse it.
    QVERIFY(file.resize(4 * kRunFileMaxBytes));
    file.close();
    const RunFileResult big = LoadRunFile(path);
    QVERIFY(!big.state);
    QCOMPARE(big.reason, QStringLiteral("ファイルが大きすぎます。読めるのは 16 MiB までです。"));

    const RunFileResult missing = LoadRunFile(dir.filePath(QStringLiteral("none.zeph")));
    QVERIFY(!missing.state);
    QVERIFY(missing.reason.startsWith(QStringLiteral("ファイル「")));
    QVERIFY(missing.reason.contains(QStringLiteral("」を開けません (")));
}

QTEST_GUILESS_MAIN(RunFileTest)
#include "runfile_test.moc"
