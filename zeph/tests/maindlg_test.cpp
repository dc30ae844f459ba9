// The main dialog as a user meets it: start-up state, controls, keys,
// focus rules, selectors, messages, the context menu, reset, finish and
// close, and starting the program without a desktop.

#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QtTest>

#include "corvo/corvofunction.h"
#include "maindlgtest.h"
#include "run/strings.h"

using Id = CZephDlgJ::ControlId;
using zeph::MsgIcon;

class MainDialogTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void startUpState();
    void controlsCarryTheirNumbersLabelsAndTooltips();
    void showErrorTexts();
    void enterCalculatesAndNeverFinishes();
    void escapeIsIgnored();
    void lettersNAndYAreTextOnlyInTheNameBoxes();
    void arrowKeysCycleThroughTheValueBoxes();
    void leavingAValueBoxWithANonNumberBeeps();
    void windowDeactivationDoesNotTouchTheBoxes();
    void unitSwitchReshowsTheEnthalpy();
    void unitSwitchConvertsATypedEnthalpy();
    void rangePresetsAndPressure();
    void contextMenuGraysEmptyBoxesAndEndsWithAbout();
    void withoutADesktopTheProgramSaysSoAndFails();
    void arrowsFromBoxesOutsideTheCycleStartAtItsEnds_data();
    void arrowsFromBoxesOutsideTheCycleStartAtItsEnds();
    void pressureTakesOnlyPositiveNumbers_data();
    void pressureTakesOnlyPositiveNumbers();
    void windowFitsASmallScreen();
};

void MainDialogTest::startUpState() {
    MainDialogRig rig;
    CZephDlgJ& d = *rig.dlg;
    QCOMPARE(d.windowTitle(), QStringLiteral("無題[*] - Psychrometric Chart"));
    QVERIFY(!d.isWindowModified());
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->text(), QStringLiteral("System 1"));
    QCOMPARE(d.m_strSystem, QStringLiteral("System 1"));
    QCOMPARE(rig.Edit(Id::IDC_PRESSURE)->text(), QStringLiteral("1013.25"));
    QCOMPARE(d.Run().State().pressureText, QStringLiteral("1013.25"));
    QCOMPARE(d.m_comboRange->currentText(), QStringLiteral("M"));
    QCOMPARE(d.m_comboUnit->currentText(), QStringLiteral("SI"));
    QCOMPARE(d.Run().State().unitMode, 1);
    QCOMPARE(d.m_staticHiLabel->text(), QStringLiteral("エンタルピ(KJ/kg)"));
    QCOMPARE(d.Run().State().range.maxDb, 45.0);
    QCOMPARE(d.Run().State().range.minDb, -5.0);
    QCOMPARE(d.Run().State().range.maxXi, 0.035);
    QCOMPARE(d.Run().State().range.minXi, 0.0);
    QVERIFY(!d.m_btnAutoCalc->isEnabled());
    QCOMPARE(d.Run().State().current.pending, 0);
    QCOMPARE(d.Run().State().current.style, 2);
    QCOMPARE(d.GetPointCount(), 0);
    for (int id : {3009, 3008, 3007, 3006, 3005, 3004, 3003, 3002}) {
        QVERIFY2(rig.Edit(id)->text().isEmpty(), qPrintable(QString::number(id)));
        QVERIFY(!rig.Edit(id)->isReadOnly());
    }
    QVERIFY(!d.windowIcon().isNull());
}

void MainDialogTest::controlsCarryTheirNumbersLabelsAndTooltips() {
    MainDialogRig rig;
    struct Expected {
        int id;
        const char* caption;  // button caption; nullptr for other controls
        int tip;
        bool enabled;
    };
    const Expected controls[] = {
        {3000, nullptr, 6006, true},     {5138, nullptr, 6007, true},
        {5106, "自動計算", 6008, false}, {3011, nullptr, 110, true},
        {3010, nullptr, 111, true},      {3009, nullptr, 112, true},
        {3008, nullptr, 113, true},      {3007, nullptr, 114, true},
        {3006, nullptr, 115, true},      {3005, nullptr, 116, true},
        {3004, nullptr, 117, true},      {3003, nullptr, 118, true},
        {3002, nullptr, 119, true},      {5029, "&Yes", 6003, true},
        {5033, "&No", 6002, true},       {5020, "計算", 6003, true},
        {5105, "SHF", 102, true},        {5104, "MIX", 103, true},
        {5103, "(R)HEAT", 104, true},    {5102, "SLOPE", 105, true},
        {5101, "H + H", 106, true},      {5100, "DLT", 107, true},
        {5099, "CAP", 108, true},        {5098, "EQC", 109, true},
        {5097, "CP", 120, true},         {5096, "リセット", 6004, true},
        {1, "完了", 6005, true},
    };
    for (const Expected& e : controls) {
        QWidget* w = rig.dlg->Control(e.id);
        QVERIFY2(w != nullptr, qPrintable(QString::number(e.id)));
        QCOMPARE(w->objectName(), QString::number(e.id));
        QCOMPARE(w->toolTip(), zeph::LoadResString(e.tip));
        QVERIFY(!w->toolTip().isEmpty());
        QCOMPARE(w->isEnabled(), e.enabled);
        if (e.caption != nullptr) {
            QCOMPARE(qobject_cast<QPushButton*>(w)->text(), QString::fromUtf8(e.caption));
        }
    }
    QVERIFY(qobject_cast<QPushButton*>(rig.dlg->Control(1))->isDefault());
    QVERIFY(rig.dlg->Control(5037) == rig.dlg->m_Graph);
    QCOMPARE(qobject_cast<QGroupBox*>(rig.dlg->Control(5145))->title(),
             QStringLiteral("ポイントボックス"));

    QStringList labels;
    for (auto* label : rig.dlg->findChildren<QLabel*>()) {
        labels << label->text();
    }
    for (const char* text :
         {"大気圧 (mb)", "システム", "ポイント名", "乾球温度 (℃)", "湿球温度 (℃)", "相対湿度 ( % )",
          "露点温度 (℃)", "絶対湿度(Kg/kg・DA)", "比重量 (Kg/m3)", "冷　却", "混　合", "加　熱",
          "２点の線上", "加　湿", "ポイント差", "コイル容量", "空調機容量", "ポイント表示",
          "Ｆ1キーを押すと、ＯｎＬｉｎｅＨｅｌｐが表示されます。"}) {
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);
    }
    QStringList groups;
    for (auto* group : rig.dlg->findChildren<QGroupBox*>()) {
        groups << group->title();
    }
    QVERIFY(groups.contains(QStringLiteral("グラフ表示")));

    // The chart grows with the window.
    const QSize before = rig.dlg->m_Graph->size();
    rig.dlg->resize(rig.dlg->size() + QSize(200, 150));
    QTRY_VERIFY(rig.dlg->m_Graph->width() > before.width() &&
                rig.dlg->m_Graph->height() > before.height());
}

void MainDialogTest::showErrorTexts() {
    MainDialogRig rig;
    const char* texts[] = {
        "有効でないポイント番号を指定しました　！",
        "温度入力データが不正です",
        "SHFデータは （1.0～0.5） の数値としてください。！",
        "CFデータは （1.0～0.7） の数値としてください。　！",
        "エンタルピ データが不正です　！",
        "不正な混合データです　！",
        "不正な風量データです　！",
        "不正な熱量データです　！",
        "不正なSAデータです　！",
        "不正なOAデータです　！",
        "容積データが不正です　！",
        "不正な換気回数データです　！",
        "温水の温度が低すぎます",
        "入力されたデータが不正です　！",
        "入力温度データが大きすぎます ！　",
        "ポイント１と２の番号を反対にして下さい　！",
        "指定したポイントの露点温度が低すぎ計算できません。",
    };
    for (int code = 0; code <= 18; ++code) {
        rig.ui.Clear();
        rig.dlg->ShowError(code);
        QCOMPARE(rig.ui.messages.size(), 1);
        const auto& m = rig.ui.messages.first();
        const QString expected =
            code >= 1 && code <= 17 ? QString::fromUtf8(texts[code - 1]) : QString();
        QCOMPARE(m.text, expected);
        QVERIFY(m.icon == MsgIcon::Question);
        QVERIFY(m.buttons == zeph::MsgButtons::Ok);
    }
}

void MainDialogTest::enterCalculatesAndNeverFinishes() {
    MainDialogRig rig;
    // Enter on the default button "完了" calculates (nothing here) instead of
    // ending the run.
    rig.dlg->Control(1)->setFocus();
    rig.Key(1, Qt::Key_Return);
    QVERIFY(rig.dlg->isVisible());
    QCOMPARE(rig.dlg->Run().State().systemNames.size(), 0);

    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.dlg->Control(1)->setFocus();
    rig.Key(1, Qt::Key_Enter);
    QVERIFY(rig.dlg->isVisible());
    QCOMPARE(rig.dlg->Run().State().current.pending, 1);
    QCOMPARE(rig.Edit(Id::IDC_DB)->text(), QStringLiteral(" 26.00"));
}

void MainDialogTest::escapeIsIgnored() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Key(Id::IDC_DB, Qt::Key_Escape);
    QTest::keyClick(rig.dlg.get(), Qt::Key_Escape);
    QVERIFY(rig.dlg->isVisible());
    QCOMPARE(rig.Edit(Id::IDC_DB)->text(), QStringLiteral("26"));
}

void MainDialogTest::lettersNAndYAreTextOnlyInTheNameBoxes() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    QCOMPARE(rig.dlg->Run().State().current.pending, 1);

    // Names with n and y go into the name boxes and accept nothing.
    rig.Type(Id::IDC_NAME, QStringLiteral("Supply Nyx"));
    QCOMPARE(rig.Edit(Id::IDC_NAME)->text(), QStringLiteral("Supply Nyx"));
    rig.Edit(Id::IDC_SYSTEM)->clear();
    rig.Type(Id::IDC_SYSTEM, QStringLiteral("Yen line"));
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->text(), QStringLiteral("Yen line"));
    QCOMPARE(rig.dlg->Run().State().current.pending, 1);
    QCOMPARE(rig.dlg->GetPointCount(), 0);

    // In a value box Y is Yes: the point is added, no letter is entered.
    rig.Edit(Id::IDC_WB)->setFocus();
    rig.Key(Id::IDC_WB, Qt::Key_Y);
    QCOMPARE(rig.dlg->GetPointCount(), 1);
    QCOMPARE(rig.Edit(Id::IDC_WB)->text(), QString());
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_DB));

    // With the focus on a button, N is No.
    rig.AddPoint(QStringLiteral("20"), QStringLiteral("40"));
    rig.Type(Id::IDC_DB, QStringLiteral("22"));
    rig.Type(Id::IDC_RH, QStringLiteral("45"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    rig.dlg->Control(Id::IDC_RESET)->setFocus();
    rig.Key(Id::IDC_RESET, Qt::Key_N);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
    QCOMPARE(rig.dlg->GetPointCount(), 2);

    // A name box locked for display takes no letters: Y there is Yes.
    rig.dlg->ShowStoredPoint(1);
    rig.Edit(Id::IDC_NAME)->setFocus();
    rig.Key(Id::IDC_NAME, Qt::Key_Y);
    QCOMPARE(rig.dlg->GetPointCount(), 3);
    QCOMPARE(rig.dlg->Run().State().points.last().Style, 3);
}

void MainDialogTest::arrowKeysCycleThroughTheValueBoxes() {
    MainDialogRig rig;
    rig.Edit(Id::IDC_XI)->setFocus();
    QCOMPARE(rig.dlg->m_nFocusField, 6);
    rig.Key(Id::IDC_XI, Qt::Key_Down);
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_DB));
    rig.Key(Id::IDC_DB, Qt::Key_Up);
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_XI));

    // The arrows never reach the system box; from it Down goes to dry bulb.
    rig.Edit(Id::IDC_SYSTEM)->setFocus();
    QCOMPARE(rig.dlg->m_nFocusField, 0);
    QCOMPARE(rig.Edit(Id::IDC_SYSTEM)->selectedText(), QStringLiteral("System 1"));
    rig.Key(Id::IDC_SYSTEM, Qt::Key_Down);
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_DB));
    const int order[] = {3007, 3006, 3005, 3004, 3003, 3008};
    for (int id : order) {
        QTest::keyClick(rig.Focus(), Qt::Key_Down);
        QCOMPARE(rig.Focus()->objectName(), QString::number(id));
    }
    // Also from a combo box, the arrows move between the boxes.
    rig.dlg->m_comboRange->setFocus();
    QTest::keyClick(rig.dlg->m_comboRange, Qt::Key_Up);
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_XI));
    QCOMPARE(rig.dlg->m_comboRange->currentText(), QStringLiteral("M"));
}

void MainDialogTest::leavingAValueBoxWithANonNumberBeeps() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DN, QStringLiteral("abc"));
    rig.Edit(Id::IDC_DB)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(rig.ui.beeps, 1);
    QCOMPARE(rig.Edit(Id::IDC_DN)->text(), QString());
    QTRY_COMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_DN));
    QVERIFY(rig.ui.messages.isEmpty());

    // Numbers pass, with separators and leading blanks too; no loop follows.
    rig.Type(Id::IDC_DN, QStringLiteral(" 1.2"));
    rig.Edit(Id::IDC_DB)->setFocus(Qt::TabFocusReason);
    QTest::qWait(20);
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_DB));
    QCOMPARE(rig.ui.beeps, 1);
    QCOMPARE(rig.Edit(Id::IDC_DN)->text(), QStringLiteral(" 1.2"));
}

void MainDialogTest::windowDeactivationDoesNotTouchTheBoxes() {
    MainDialogRig rig;
    rig.Type(Id::IDC_NAME, QStringLiteral("OA"));
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!rig.dlg->isActiveWindow());
    QApplication::setActiveWindow(rig.dlg.get());
    QTRY_VERIFY(rig.dlg->isActiveWindow());
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_NAME));
    QCOMPARE(rig.Edit(Id::IDC_NAME)->text(), QStringLiteral("OA"));

    // A half-typed value survives a trip to another window untouched.
    rig.Type(Id::IDC_HI, QStringLiteral("5x"));
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY(!rig.dlg->isActiveWindow());
    QApplication::setActiveWindow(rig.dlg.get());
    QTRY_VERIFY(rig.dlg->isActiveWindow());
    QCOMPARE(rig.ui.beeps, 0);
    QCOMPARE(rig.Edit(Id::IDC_HI)->text(), QStringLiteral("5x"));
    QCOMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_HI));
}

void MainDialogTest::unitSwitchReshowsTheEnthalpy() {
    MainDialogRig rig;
    _CORVO v{};
    v.Db = 20.0;
    v.Hi = 10.0;  // kcal/kg(DA)
    v.Xi = 0.008;
    rig.dlg->ShowPoint(CZephRun::MakePointRecord(v, 0, QString(), 2), QString(), 1);
    QCOMPARE(rig.Edit(Id::IDC_HI)->text(), QStringLiteral(" 41.86052"));
    rig.Choose(Id::IDC_UNIT, 0);
    QCOMPARE(rig.dlg->Run().State().unitMode, 0);
    QCOMPARE(rig.dlg->m_staticHiLabel->text(), QStringLiteral("エンタルピ(Kcal/kg)"));
    QCOMPARE(rig.Edit(Id::IDC_HI)->text(), QStringLiteral(" 10.00000"));
    QCOMPARE(rig.dlg->m_strHi, QStringLiteral(" 10.00000"));
    rig.Choose(Id::IDC_UNIT, 1);
    QCOMPARE(rig.dlg->Run().State().unitMode, 1);
    QCOMPARE(rig.dlg->m_staticHiLabel->text(), QStringLiteral("エンタルピ(KJ/kg)"));
    QCOMPARE(rig.Edit(Id::IDC_HI)->text(), QStringLiteral(" 41.86052"));
}

void MainDialogTest::unitSwitchConvertsATypedEnthalpy() {
    MainDialogRig rig;
    rig.Type(Id::IDC_HI, QStringLiteral("41.86052"));
    rig.Choose(Id::IDC_UNIT, 0);
    QCOMPARE(rig.Edit(Id::IDC_HI)->text(), QStringLiteral(" 10.00000"));
    rig.Choose(Id::IDC_UNIT, 0);  // the same unit again changes nothing
    QCOMPARE(rig.Edit(Id::IDC_HI)->text(), QStringLiteral(" 10.00000"));
    rig.Choose(Id::IDC_UNIT, 1);
    QCOMPARE(rig.Edit(Id::IDC_HI)->text(), QStringLiteral(" 41.86052"));
}

void MainDialogTest::rangePresetsAndPressure() {
    MainDialogRig rig;
    const ViewRange& g = rig.dlg->Run().State().range;
    rig.Choose(Id::IDC_RANGE, 2);
    QCOMPARE(g.maxDb, 60.0);
    QCOMPARE(g.minDb, 0.0);
    QCOMPARE(g.maxXi, 0.055);
    QCOMPARE(g.minXi, 0.0);
    rig.Choose(Id::IDC_RANGE, 0);
    QCOMPARE(g.maxDb, 20.0);
    QCOMPARE(g.minDb, -30.0);
    QCOMPARE(g.maxXi, 0.01);
    QCOMPARE(g.minXi, 0.0);
    // The range limits what the point box accepts.
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Key(Id::IDC_RH, Qt::Key_Return);
    QCOMPARE(rig.ui.Texts(), QStringList{QStringLiteral("データが表示範囲を超えています")});

    // Leaving the pressure box hands the new pressure to the chart.
    rig.Edit(Id::IDC_PRESSURE)->clear();
    rig.Type(Id::IDC_PRESSURE, QStringLiteral("900"));
    QTest::keyClick(rig.Edit(Id::IDC_PRESSURE), Qt::Key_Tab);
    QCOMPARE(rig.dlg->Run().State().pressureText, QStringLiteral("900"));
    QCOMPARE(rig.dlg->m_strPressure, QStringLiteral("900"));
}

void MainDialogTest::contextMenuGraysEmptyBoxesAndEndsWithAbout() {
    MainDialogRig rig;
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_XI, QStringLiteral("0.01"));
    rig.Popup(rig.dlg->m_Graph, [](QMenu* menu) {
        QCOMPARE(menu->title(), QStringLiteral("一般機能"));
        const QList<QAction*> actions = menu->actions();
        QStringList texts;
        for (QAction* a : actions) {
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        const QStringList expected = {
            "開く...",
            "上書き保存",
            "名前を付けて保存...",
            "最近使ったファイル",
            "-",
            "元に戻す",
            "やり直し",
            "点を削除",
            "-",
            "簡易計算器",
            "コイル容量",
            "空調容量",
            "-",
            "乾球温度一定",
            "湿球温度一定",
            "相対湿度一定",
            "露点温度一定",
            "エンタルピ一定",
            "絶対湿度一定",
            "-",
            "表示範囲オプション",
            "線図の表示",
            "-",
            "ビットマップ画像の保存",
            "画像ファイルに保存 (PNG / PDF)...",
            "印刷...",
            "-",
            "言語 / Language",
            "-",
            "&About Zeph...",
        };
        QCOMPARE(texts, expected);
        const int enabled[] = {35789, 35791, 35790, 35782, 35777, 35794, 35796, 35807, 16};
        const int grayed[] = {35804, 35805, 35806, 35781, 35780, 35779, 35776, 35795};
        for (int c : enabled) {
            QVERIFY2(MainDialogRig::Item(menu, c)->isEnabled(), qPrintable(QString::number(c)));
        }
        for (int c : grayed) {
            QVERIFY2(!MainDialogRig::Item(menu, c)->isEnabled(), qPrintable(QString::number(c)));
        }
    });

    // The About box: its caption, the product title with the version, OK.
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == QStringLiteral("100")) {
            seen = true;
            QCOMPARE(modal->windowTitle(), QStringLiteral("About ZephJ"));
            auto* title = modal->findChild<QLabel*>(QStringLiteral("title"));
            QVERIFY(title != nullptr);
            QVERIFY(title->text().startsWith(QStringLiteral("ZephJ Version ")));
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        }
    });
    poll.start();
    rig.RunCommand(CZephDlgJ::ID_ABOUT);
    poll.stop();
    QVERIFY(seen);
    QVERIFY(rig.dlg->isVisible());
}

void MainDialogTest::withoutADesktopTheProgramSaysSoAndFails() {
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zeph");
    if (!QFile::exists(program)) {
        QSKIP("the program zeph is not built beside the tests");
    }
    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        base.remove(QString::fromLatin1(name));
    }
    QProcessEnvironment unreachable = base;
    unreachable.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4711"));

    for (const QProcessEnvironment& env : {base, unreachable}) {
        QProcess zeph;
        zeph.setProcessEnvironment(env);
        zeph.start(program, {});
        QVERIFY(zeph.waitForFinished(30000));
        QCOMPARE(zeph.exitStatus(), QProcess::NormalExit);
        QVERIFY(zeph.exitCode() != 0);
        const QStringList lines = QString::fromLocal8Bit(zeph.readAllStandardError())
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().contains(QStringLiteral("needs a graphical desktop")),
                 qPrintable(lines.first()));
    }
}

void MainDialogTest::arrowsFromBoxesOutsideTheCycleStartAtItsEnds_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("name, Down") << 3009 << int(Qt::Key_Down) << 3008;
    QTest::newRow("name, Up") << 3009 << int(Qt::Key_Up) << 3003;
    QTest::newRow("pressure, Down") << 3011 << int(Qt::Key_Down) << 3008;
    QTest::newRow("pressure, Up") << 3011 << int(Qt::Key_Up) << 3003;
    QTest::newRow("system, Down") << 3010 << int(Qt::Key_Down) << 3008;
    QTest::newRow("specific weight, Down") << 3002 << int(Qt::Key_Down) << 3008;
}

void MainDialogTest::arrowsFromBoxesOutsideTheCycleStartAtItsEnds() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    MainDialogRig rig;
    // The cycle was last at the wet-bulb box; a name is typed, then Down.
    rig.Edit(Id::IDC_WB)->setFocus(Qt::MouseFocusReason);
    rig.Type(from, QStringLiteral("RA"));
    rig.Key(from, Qt::Key(key));
    QCOMPARE(rig.Focus(), rig.dlg->Control(to));
    QTest::keyClicks(rig.Focus(), QStringLiteral("26"));
    QCOMPARE(rig.Edit(to)->text(), QStringLiteral("26"));
}

void MainDialogTest::pressureTakesOnlyPositiveNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");     // empty: refused
    QTest::addColumn<bool>("outOfRange");  // refused with the range prompt
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("letters") << "abc"
                             << "" << false;
    QTest::newRow("zero") << "0"
                          << "" << false;
    QTest::newRow("negative") << "-5"
                              << "" << false;
    QTest::newRow("exponent") << "1e3"
                              << "" << false;
    QTest::newRow("plain") << "900"
                           << "900" << false;
    QTest::newRow("separators") << "1,013.25"
                                << "1013.25" << false;
    // A positive number is held to the pressures air can have at a site.
    QTest::newRow("lowest") << "300"
                            << "300" << false;
    QTest::newRow("highest") << "1200"
                             << "1200" << false;
    QTest::newRow("below the lowest") << "299.9"
                                      << "" << true;
    QTest::newRow("above the highest") << "1200.1"
                                       << "" << true;
    QTest::newRow("64 digits") << QString(64, QLatin1Char('9')) << "" << true;
}

void MainDialogTest::pressureTakesOnlyPositiveNumbers() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, outOfRange);
    MainDialogRig rig;
    CStaticGraph* g = rig.dlg->m_Graph;
    rig.Edit(Id::IDC_PRESSURE)->clear();
    rig.Type(Id::IDC_PRESSURE, typed);
    QTest::keyClick(rig.Edit(Id::IDC_PRESSURE), Qt::Key_Tab);
    if (kept.isEmpty()) {
        QCOMPARE(rig.ui.Texts(),
                 QStringList{outOfRange
                                 ? QStringLiteral("300 から 1200 までの数値を入力して下さい。")
                                 : QStringLiteral("大気圧には正の数値 (hPa) を入力して下さい。")});
        QCOMPARE(rig.ui.messages.first().icon, MsgIcon::Exclamation);
        kept = QStringLiteral("1013.25");
        QTRY_COMPARE(rig.Focus(), rig.dlg->Control(Id::IDC_PRESSURE));
    } else {
        QVERIFY(rig.ui.messages.isEmpty());
    }
    QCOMPARE(rig.Edit(Id::IDC_PRESSURE)->text(), kept);
    QCOMPARE(rig.dlg->Run().State().pressureText, kept);
    QCOMPARE(g->Pressure(), kept.toDouble());

    // Enter in the pressure box checks it before anything is solved.
    rig.ui.Clear();
    rig.Type(Id::IDC_DB, QStringLiteral("26"));
    rig.Type(Id::IDC_RH, QStringLiteral("50"));
    rig.Edit(Id::IDC_PRESSURE)->clear();
    rig.Type(Id::IDC_PRESSURE, QStringLiteral("x"));
    rig.Key(Id::IDC_PRESSURE, Qt::Key_Return);
    QCOMPARE(rig.ui.messages.size(), 1);
    QCOMPARE(rig.dlg->Run().State().current.pending, 0);
}

void MainDialogTest::windowFitsASmallScreen() {
    MainDialogRig rig;
    CZephDlgJ* d = rig.dlg.get();
    // A 1366 × 768 laptop at 125 % and an 800 × 600 logical screen, each
    // less a panel and the window frame.
    const QSize minimum = d->minimumSizeHint().expandedTo(d->minimumSize());
    QVERIFY2(minimum.width() <= 760 && minimum.height() <= 520,
             qPrintable(QStringLiteral("%1 x %2").arg(minimum.width()).arg(minimum.height())));
    // The test screen is 800 × 600: the window opens inside it.
    const QRect avail = d->screen()->availableGeometry();
    QVERIFY(avail.contains(d->frameGeometry()));
    // Every control can be scrolled into view inside the window.
    auto* scroll = d->findChild<QScrollArea*>(QStringLiteral("rightPanel"));
    QVERIFY(scroll != nullptr);
    for (QWidget* w : d->findChildren<QWidget*>()) {
        bool numbered = false;
        w->objectName().toInt(&numbered);
        if (!numbered || !w->isVisibleTo(d)) continue;
        if (scroll->widget()->isAncestorOf(w)) scroll->ensureWidgetVisible(w, 0, 0);
        const QRect inWindow(w->mapTo(d, QPoint(0, 0)), w->size());
        QVERIFY2(d->rect().contains(inWindow), qPrintable(w->objectName()));
        if (scroll->widget()->isAncestorOf(w)) {
            const QRect inView(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size());
            QVERIFY2(scroll->viewport()->rect().contains(inView), qPrintable(w->objectName()));
        }
    }
}

QTEST_MAIN(MainDialogTest)
#include "maindlg_test.moc"
