#pragma once

// Helpers shared by the capacity tests: the capacity dialog opened from the
// real main window, and scripted typing into it.

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

#include "capacity/autoeqcdlg.h"
#include "dialogscript.h"
#include "maindlgtest.h"

// Opens the capacity dialog from the EQC button (or from the menu) and runs
// act on it; a dialog still open afterwards is cancelled.
inline void RunEqcDialog(MainDialogRig& rig, const std::function<void(QDialog*)>& act,
                         bool fromMenu = false) {
    DialogScript script;
    script.On(CAutoEQCDlg::IDD, [&act](QDialog* d) {
        act(d);
        if (d->isVisible()) d->close();
    });
    if (fromMenu) {
        rig.RunCommand(CZephDlgJ::ID_EQC_INPUT);
    } else {
        QTest::mouseClick(rig.dlg->Control(CZephDlgJ::IDC_EQC), Qt::LeftButton);
    }
    QVERIFY2(script.Done(), qPrintable(script.Pending()));
}

// Chooses item index of a combo box through its drop-down list.
inline void ChooseIn(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
}

// Acts on the dialog step by step: "id=text" types text into box id,
// "click=id" clicks control id, "system=n" chooses a system, "leave" moves
// the focus to the room-name box with Tab, "enter" presses Enter.
inline void Act(QDialog* d, const QStringList& steps) {
    for (const QString& step : steps) {
        const QString key = step.section('=', 0, 0);
        const QString value = step.section('=', 1);
        if (key == QLatin1String("click")) {
            ClickOn(d, value.toInt());
        } else if (key == QLatin1String("system")) {
            ChooseIn(qobject_cast<QComboBox*>(Ctl(d, CAutoEQCDlg::IDC_SYSTEM)), value.toInt());
        } else if (key == QLatin1String("leave")) {
            Ctl(d, CAutoEQCDlg::IDC_ROOM_NAME)->setFocus(Qt::TabFocusReason);
        } else if (key == QLatin1String("enter")) {
            PressEnter(d);
        } else {
            TypeInto(d, key.toInt(), value);
        }
    }
}
