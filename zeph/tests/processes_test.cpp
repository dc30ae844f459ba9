// The process buttons other than cooling, from the main window: each opens
// its dialog, which refuses bad input with its code and focus, and on OK the
// operation shows its result in the point box or adds it to the list.
// Expected states are the engine's own results.

#include <QtTest>

#include <cmath>

#include "corvo/corvoapp.h"
#include "dialogscript.h"
#include "maindlgtest.h"
#include "run/constants.h"
#include "run/strings.h"

Q_DECLARE_METATYPE(_CORVO)

using zeph::MsgAnswer;
using zeph::MsgIcon;

namespace {

constexpr double kP = 1013.25;

// The points every test starts from, numbered from 1 (dry bulb, RH).
constexpr double kPoints[][2] = {{20, 50}, {26, 50}, {32, 60}, {5, 50},
                                 {20, 60}, {30, 20}, {25, 60}};
constexpr int kCount = 7;

_CORVO Pt(int n) {
    return CCorvoApp().cal_DBRH(kPoints[n - 1][0], kPoints[n - 1][1], kP);
}

_CORVO WithOrigins(_CORVO r, const _CORVO& a, const _CORVO* b = nullptr) {
    r.Db1 = a.Db;
    r.Xi1 = a.Xi;
    if (b != nullptr) {
        r.Db2 = b->Db;
        r.Xi2 = b->Xi;
    }
    return r;
}

void AddPoints(MainDialogRig& rig) {
    for (int n = 1; n <= kCount; ++n) {
        rig.dlg->Run().AppendPoint(
            CZephRun::MakePointRecord(Pt(n), n, QStringLiteral("P%1").arg(n), zeph::kStylePlain));
    }
    rig.dlg->Run().SetPointNo(kCount);
}

// The template of each process button's dialog.
int TemplateOf(int button) {
    static const QHash<int, int> kTemplates{{5104, 333}, {5103, 335}, {5101, 339},
                                            {5102, 331}, {5100, 334}, {5097, 329}};
    return kTemplates.value(button);
}

// Steps in a dialog: "id=text" types text into edit id, "id" clicks
// control id.
void Fill(QDialog* d, const QStringList& steps) {
    for (const QString& step : steps) {
        const qsizetype eq = step.indexOf(QLatin1Char('='));
        if (eq < 0) {
            ClickOn(d, step.toInt());
        } else {
            TypeInto(d, step.left(eq).toInt(), step.mid(eq + 1));
        }
    }
}

struct Outcome {
    bool ran = false;
    bool open = false;  // the dialog stayed open after Enter
    QString focus;      // then: the field with the focus
};

// Presses process button, fills its dialog and presses Enter; a dialog that
// stays open is cancelled after noting where the focus is.
Outcome RunProcess(MainDialogRig& rig, int button, const QStringList& steps) {
    Outcome out;
    DialogScript script;
    script.On(TemplateOf(button), [&](QDialog* d) {
        out.ran = true;
        Fill(d, steps);
        PressEnter(d);
        out.open = d->isVisible();
        if (out.open) {
            out.focus = QApplication::focusWidget()->objectName();
            d->reject();
        }
    });
    QTest::mouseClick(rig.dlg->Control(button), Qt::LeftButton);
    return out;
}

bool Near(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

bool BoxEmptyAndFree(MainDialogRig& rig) {
    for (int id : {3009, 3008, 3007, 3006, 3005, 3004, 3003, 3002}) {
        if (!rig.Edit(id)->text().isEmpty() || rig.Edit(id)->isReadOnly()) return false;
    }
    return true;
}

}  // namespace

class ProcessesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void results_data();
    void results();
    void refusals_data();
    void refusals();
    void heatInWattsIsShownGroupedAndHeldInKcal();
    void humidifierPreheats_data();
    void humidifierPreheats();
    void hotWaterThatCannotHumidify_data();
    void hotWaterThatCannotHumidify();
    void slopeIsTheSameEitherWayRound();
    void cancelledDialogKeepsThePendingPoint_data();
    void cancelledDialogKeepsThePendingPoint();
};

void ProcessesTest::results_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<_CORVO>("expected");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("style");

    const CCorvoApp e;
    const _CORVO p1 = Pt(1), p2 = Pt(2), p3 = Pt(3), p5 = Pt(5), p6 = Pt(6), p7 = Pt(7);
    const QString heat = QStringLiteral("Heat"), hum = QStringLiteral("Hum");
    const QString bp = QStringLiteral("B.P");

    QTest::newRow("heat by 10 K") << 5103 << QStringList{"5041", "5045=1", "5050=10"}
                                  << WithOrigins(e.cal_DBX(30, p1.Xi, kP), p1) << heat << 0;
    QTest::newRow("heat 0 with SHF 0")
        << 5103 << QStringList{"5045=1", "5043=0", "5073=1000", "5075=0"} << WithOrigins(p1, p1)
        << heat << 0;
    // Three parts of A to one of B: the enthalpy and humidity ratio 3:1.
    QTest::newRow("mix 3 to 1") << 5104 << QStringList{"5062=2", "5065=3", "5070=3"}
                                << WithOrigins(e.cal_HX((3 * p2.Hi + p3.Hi) / 4,
                                                        (3 * p2.Xi + p3.Xi) / 4, kP),
                                               p2, &p3)
                                << QStringLiteral("Mix") << 1;
    QTest::newRow("steam below 95 %")
        << 5101 << QStringList{"5126=1", "5125=5"}
        << WithOrigins(e.cal_HX(p1.Hi + 641 * (p5.Xi - p1.Xi), p5.Xi, kP), p1) << hum << 0;
    QTest::newRow("hot water at constant enthalpy")
        << 5101 << QStringList{"5113", "5126=1", "5125=5"}
        << WithOrigins(e.cal_HX(p1.Hi, p5.Xi, kP), p1) << hum << 0;
    QTest::newRow("water box cleared by the steam radio")
        << 5101 << QStringList{"5113", "5135", "5112", "5113", "5126=1", "5125=5"}
        << WithOrigins(e.cal_HX(p1.Hi, p5.Xi, kP), p1) << hum << 0;
    const _CORVO w = e.cal_DBRH(40, 100, kP);
    const double slope = (w.Hi - p1.Hi) / (w.Xi - p1.Xi);
    QTest::newRow("hot water at 40 C")
        << 5101 << QStringList{"5113", "5135", "5127=40", "5126=1", "5125=5"}
        << WithOrigins(e.cal_HX(p1.Hi + slope * (p5.Xi - p1.Xi), p5.Xi, kP), p1) << hum << 0;
    QTest::newRow("slope 2 K from the warm dry point")
        << 5102 << QStringList{"5092=6", "5046=7", "5134=2"} << e.cal_SHFOnPointDt(p7, p6, 2, kP)
        << bp << 2;
    QTest::newRow("slope over the whole span") << 5102 << QStringList{"5092=3", "5046=2", "5134=6"}
                                               << e.cal_SHFOnPointDt(p2, p3, 6, kP) << bp << 2;
    QTest::newRow("slope by 4.186... kJ/kg in SI")
        << 5102 << QStringList{"5093", "5092=3", "5046=2", "5094=4.18605157382981"}
        << e.cal_SHFOnPointDh(p2, p3, 1, kP) << bp << 2;
    QTest::newRow("difference") << 5100 << QStringList{"5075=2", "5074=3"} << e.cal_Dlt(p2, p3)
                                << QString() << 3;
    QTest::newRow("stored point") << 5097 << QStringList{"5001=3"} << p3 << QStringLiteral("P3")
                                  << 3;
}

void ProcessesTest::results() {
    QFETCH(int, button);
    QFETCH(QStringList, steps);
    QFETCH(_CORVO, expected);
    QFETCH(QString, label);
    QFETCH(int, style);
    MainDialogRig rig;
    AddPoints(rig);
    CZephDlgJ& d = *rig.dlg;

    const Outcome out = RunProcess(rig, button, steps);
    QVERIFY(out.ran);
    QVERIFY2(!out.open, qPrintable(out.focus));
    QVERIFY2(rig.ui.messages.isEmpty(), qPrintable(rig.ui.Texts().join('|')));
    QCOMPARE(d.Run().State().current.pending, 1);
    QCOMPARE(d.Run().State().current.name, label);
    QCOMPARE(d.Run().State().current.style, style);
    const _CORVO& c = d.Run().State().current.values;
    QVERIFY2(Near(c.Db, expected.Db), qPrintable(QString::number(c.Db, 'g', 17)));
    QVERIFY(Near(c.Hi, expected.Hi) && Near(c.Xi, expected.Xi) && Near(c.Rh, expected.Rh));
    QVERIFY(Near(c.Db1, expected.Db1) && Near(c.Xi1, expected.Xi1));
    QVERIFY(Near(c.Db2, expected.Db2) && Near(c.Xi2, expected.Xi2));
    QCOMPARE(rig.Edit(3008)->text(), QString::asprintf("%6.2f", expected.Db));
    QVERIFY(rig.Edit(3008)->isReadOnly());
    QCOMPARE(d.GetPointCount(), kCount);

    QTest::mouseClick(d.Control(CZephDlgJ::IDC_YES), Qt::LeftButton);
    QCOMPARE(d.GetPointCount(), kCount + 1);
    const CZephData& added = d.Run().State().points.last();
    QCOMPARE(int(added.Style), style);
    QCOMPARE(QString::fromStdString(added.Pn), label);
    QVERIFY(Near(added.Db, expected.Db) && Near(added.Db1, expected.Db1));
}

void ProcessesTest::refusals_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("message");  // string number of the error
    QTest::addColumn<QString>("focus");

    QTest::newRow("heat: point 1.5")
        << 5103 << QStringList{"5045=1.5", "5043=1", "5073=1"} << 6111 << "5045";
    QTest::newRow("heat: negative heat")
        << 5103 << QStringList{"5045=1", "5043=-1", "5073=1000"} << 6118 << "5043";
    QTest::newRow("heat: air volume 0")
        << 5103 << QStringList{"5045=1", "5043=10", "5073=0"} << 6117 << "5073";
    QTest::newRow("heat: SHF above 1")
        << 5103 << QStringList{"5045=1", "5043=10", "5073=10", "5075=1.01"} << 6113 << "5075";
    QTest::newRow("heat: negative rise")
        << 5103 << QStringList{"5041", "5045=1", "5050=-1"} << 6112 << "5050";
    QTest::newRow("mix: a point with itself")
        << 5104 << QStringList{"5062=2", "5065=2", "5070=1"} << 6111 << "5065";
    QTest::newRow("mix: ratio 0") << 5104 << QStringList{"5062=2", "5065=3", "5070=0"} << 6116
                                  << "5070";
    QTest::newRow("humidifier: B drier than A")
        << 5101 << QStringList{"5126=5", "5125=1"} << 6124 << "5125";
    QTest::newRow("humidifier: no water temperature")
        << 5101 << QStringList{"5113", "5135", "5126=1", "5125=5"} << 6107 << "5127";
    QTest::newRow("slope: 0.01 K beyond the span")
        << 5102 << QStringList{"5092=3", "5046=2", "5134=6.01"} << 6123 << "5134";
    QTest::newRow("slope: distance 0")
        << 5102 << QStringList{"5092=3", "5046=2", "5134=0"} << 6112 << "5134";
    QTest::newRow("slope: negative distance")
        << 5102 << QStringList{"5092=3", "5046=2", "5134=-1"} << 6112 << "5134";
    QTest::newRow("slope: A colder than B")
        << 5102 << QStringList{"5092=2", "5046=3", "5134=1"} << 6124 << "5046";
    QTest::newRow("slope by enthalpy: A lower than B")
        << 5102 << QStringList{"5093", "5092=2", "5046=3", "5094=1"} << 6124 << "5046";
    QTest::newRow("slope by enthalpy: 0")
        << 5102 << QStringList{"5093", "5092=3", "5046=2", "5094=0"} << 6115 << "5094";
    QTest::newRow("difference: count + 1")
        << 5100 << QStringList{"5075=1", "5074=8"} << 6111 << "5074";
    QTest::newRow("point display: 0") << 5097 << QStringList{"5001=0"} << 6111 << "5001";
    QTest::newRow("point display: count + 1") << 5097 << QStringList{"5001=8"} << 6111 << "5001";
    QTest::newRow("point display: text") << 5097 << QStringList{"5001=abc"} << 6111 << "5001";
    QTest::newRow("point display: beyond int")
        << 5097 << QStringList{"5001=99999999999"} << 6111 << "5001";
}

void ProcessesTest::refusals() {
    QFETCH(int, button);
    QFETCH(QStringList, steps);
    QFETCH(int, message);
    QFETCH(QString, focus);
    MainDialogRig rig;
    AddPoints(rig);

    const Outcome out = RunProcess(rig, button, steps);
    QVERIFY(out.open);
    QCOMPARE(out.focus, focus);
    QCOMPARE(rig.ui.Texts(), QStringList{zeph::LoadResString(message)});
    QVERIFY(rig.ui.messages.first().icon == MsgIcon::Question);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    QCOMPARE(rig.dlg->GetPointCount(), kCount);
}

void ProcessesTest::heatInWattsIsShownGroupedAndHeldInKcal() {
    MainDialogRig rig;
    AddPoints(rig);
    QString shown;
    DialogScript script;
    script.On(335, [&](QDialog* d) {
        Fill(d, {"5045=1", "5043=1163", "5073=0"});
        PressEnter(d);  // refused for the air volume
        shown = CtlEdit(d, 5043)->text();
        Fill(d, {"5073=1000"});
        PressEnter(d);
    });
    QTest::mouseClick(rig.dlg->Control(CZephDlgJ::IDC_HEAT), Qt::LeftButton);
    QVERIFY(script.Done());
    QCOMPARE(shown, QStringLiteral("1,163"));
    QCOMPARE(rig.ui.Texts(), QStringList{zeph::LoadResString(6117)});
    const double kcal = 1163 / CCorvoFunction().CALWKJ(1);
    const _CORVO r = CCorvoApp().cal_Heat_Air(Pt(1), kcal, 1000, 1.0, kP);
    QVERIFY(Near(rig.dlg->Run().State().current.values.Db, r.Db));
    QVERIFY(std::abs(r.Db - 23.41) < 0.005);  // 1000 kcal/h warm 1000 m³/h by about 3.4 K
}

void ProcessesTest::humidifierPreheats_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("ok");
    QTest::newRow("steam, OK") << QStringList{"5126=4", "5125=5"} << true;
    QTest::newRow("steam, Cancel") << QStringList{"5126=4", "5125=5"} << false;
    QTest::newRow("hot water, OK") << QStringList{"5113", "5126=4", "5125=5"} << true;
    QTest::newRow("hot water, Cancel") << QStringList{"5113", "5126=4", "5125=5"} << false;
}

void ProcessesTest::humidifierPreheats() {
    QFETCH(QStringList, steps);
    QFETCH(bool, ok);
    MainDialogRig rig;
    AddPoints(rig);
    CZephDlgJ& d = *rig.dlg;
    rig.ui.answers = {ok ? MsgAnswer::Ok : MsgAnswer::Cancel};

    QVERIFY(!RunProcess(rig, 5101, steps).open);
    QCOMPARE(rig.ui.Texts(), QStringList{zeph::LoadResString(6101)});
    QVERIFY(rig.ui.messages.first().icon == MsgIcon::Exclamation);
    QVERIFY(rig.ui.messages.first().buttons == zeph::MsgButtons::OkCancel);
    if (!ok) {
        QCOMPARE(d.GetPointCount(), kCount);
        QCOMPARE(d.Run().State().current.pending, 0);
        QVERIFY(BoxEmptyAndFree(rig));
        return;
    }
    // The preheating point is in the list at once, heated at A's humidity.
    QCOMPARE(d.GetPointCount(), kCount + 1);
    const CZephData heat = d.Run().State().points.last();
    QCOMPARE(QString::fromStdString(heat.Pn), QStringLiteral("Heat"));
    QCOMPARE(int(heat.Style), 0);
    QCOMPARE(heat.Xi, Pt(4).Xi);
    QVERIFY(heat.Db > Pt(4).Db && heat.Db1 == Pt(4).Db && heat.Xi1 == Pt(4).Xi);
    // "Hum" waits from there, at B's humidity ratio and not above 95 %.
    QCOMPARE(d.Run().State().current.name, QStringLiteral("Hum"));
    QCOMPARE(d.Run().State().current.pending, 1);
    QVERIFY(std::abs(d.Run().State().current.values.Xi - Pt(5).Xi) < 1e-7);
    QVERIFY(d.Run().State().current.values.Rh <= 95.0 + 1e-6);
    QCOMPARE(d.Run().State().current.values.Db1, heat.Db);
    QCOMPARE(d.Run().State().current.values.Xi1, heat.Xi);
    QTest::mouseClick(d.Control(CZephDlgJ::IDC_YES), Qt::LeftButton);
    QCOMPARE(d.GetPointCount(), kCount + 2);  // "Hum" only, "Heat" not again
    QCOMPARE(QString::fromStdString(d.Run().State().points.last().Pn), QStringLiteral("Hum"));
}

void ProcessesTest::hotWaterThatCannotHumidify_data() {
    QTest::addColumn<QString>("water");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("at B's dew point")
        << QString::asprintf("%.17g", Pt(5).Dp) << QStringList{zeph::LoadResString(6102)};
    // Water hotter than the saturated air the engine solves is refused in
    // the dialog's field (fieldranges_test).
}

void ProcessesTest::hotWaterThatCannotHumidify() {
    QFETCH(QString, water);
    QFETCH(QStringList, messages);
    MainDialogRig rig;
    AddPoints(rig);
    QVERIFY(!RunProcess(rig, 5101, {"5113", "5135", "5127=" + water, "5126=1", "5125=5"}).open);
    QCOMPARE(rig.ui.messages.size(), messages.size());
    for (int i = 0; i < messages.size(); ++i) {
        if (messages.at(i).isEmpty()) {  // the engine's own message
            QVERIFY(rig.ui.messages.at(i).icon == MsgIcon::Stop);
        } else {
            QCOMPARE(rig.ui.messages.at(i).text, messages.at(i));
            QVERIFY(rig.ui.messages.at(i).icon == MsgIcon::Exclamation);
        }
    }
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    QCOMPARE(rig.dlg->GetPointCount(), kCount);
    QVERIFY(BoxEmptyAndFree(rig));
}

void ProcessesTest::slopeIsTheSameEitherWayRound() {
    MainDialogRig rig;
    AddPoints(rig);
    CZephDlgJ& d = *rig.dlg;
    // 30 °C / 20 % and 25 °C / 60 %: the warmer point has the lower
    // enthalpy, and 2 K from it is 28 °C, on the segment.
    QVERIFY(d.Run().ProcSlopeDt(6, 7, 2, kP));
    const _CORVO forward = d.Run().State().current.values;
    QVERIFY(d.Run().ProcSlopeDt(7, 6, 2, kP));
    QVERIFY(Near(forward.Db, 28.0) && Near(d.Run().State().current.values.Db, 28.0));
    QVERIFY(Near(d.Run().State().current.values.Xi, forward.Xi));
    QVERIFY(forward.Xi > Pt(6).Xi && forward.Xi < Pt(7).Xi);

    QVERIFY(d.Run().ProcSlopeDh(6, 7, 1, kP));
    const _CORVO byHi = d.Run().State().current.values;
    QVERIFY(d.Run().ProcSlopeDh(7, 6, 1, kP));
    QVERIFY(Near(byHi.Hi, Pt(7).Hi - 1) && Near(d.Run().State().current.values.Hi, byHi.Hi));
    QVERIFY(Near(d.Run().State().current.values.Db, byHi.Db));
}

void ProcessesTest::cancelledDialogKeepsThePendingPoint_data() {
    QTest::addColumn<int>("button");
    for (int button : {5104, 5103, 5101, 5102, 5100, 5097}) {
        QTest::newRow(qPrintable(QString::number(button))) << button;
    }
}

void ProcessesTest::cancelledDialogKeepsThePendingPoint() {
    QFETCH(int, button);
    MainDialogRig rig;
    AddPoints(rig);
    rig.Type(CZephDlgJ::IDC_DB, QStringLiteral("26"));
    rig.Type(CZephDlgJ::IDC_RH, QStringLiteral("40"));
    rig.Key(CZephDlgJ::IDC_RH, Qt::Key_Return);
    QCOMPARE(rig.dlg->Run().State().current.pending, 1);

    DialogScript script;
    script.On(TemplateOf(button), [](QDialog* d) {
        QTest::keyClick(d, Qt::Key_Escape);  // swallowed
        QVERIFY(d->isVisible());
        ClickOn(d, 2);
    });
    QTest::mouseClick(rig.dlg->Control(button), Qt::LeftButton);
    QVERIFY(script.Done());
    QTest::mouseClick(rig.dlg->Control(CZephDlgJ::IDC_YES), Qt::LeftButton);
    QCOMPARE(rig.dlg->GetPointCount(), kCount + 1);
    QCOMPARE(rig.dlg->Run().State().points.last().Rh, 40.0);
}

QTEST_MAIN(ProcessesTest)
#include "processes_test.moc"
