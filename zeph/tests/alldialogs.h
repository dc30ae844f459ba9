#pragma once

// Every process dialog and tool window, made for a host that needs no main
// window, for the tests that look at what each one shows.

#include <QtTest>

#include <functional>
#include <memory>

#include "dialogs/airchangedlgj.h"
#include "dialogs/calpointdlgj.h"
#include "dialogs/coilcapdlgj.h"
#include "dialogs/deltadlgj.h"
#include "dialogs/dialoghost.h"
#include "dialogs/generaldlgj.h"
#include "dialogs/graphviewrangedlg.h"
#include "dialogs/heatdlgj.h"
#include "dialogs/hhdlgj.h"
#include "dialogs/mixdlgj.h"
#include "dialogs/reheaterdlgj.h"
#include "dialogs/shfdlgj.h"
#include "dialogs/slopcaldlgj.h"
#include "dialogs/tooldlg.h"
#include "gui/ui.h"
#include "run/pointtext.h"
#include "run/strings.h"

// A host with two points that shows error codes as the main window does.
class TextHost : public CDialogHost {
  public:
    int GetPointCount() const override { return 2; }
    _CORVO GetPointValues(int) const override { return zeph::FailedState(); }
    void ShowError(int code) override {
        zeph::ShowMessage(zeph::ErrorText(code), zeph::MsgIcon::Question);
    }
    int UnitMode() const override { return unitMode; }
    QString PressureText() const override { return QStringLiteral("1013.25"); }
    QWidget* ChartWidget() const override { return nullptr; }

    int unitMode = 0;
};

using DialogMaker = std::function<CProcessDlg*(CDialogHost*)>;

inline QList<DialogMaker> AllDialogMakers() {
    return {
        [](CDialogHost* h) { return new CShfDlgJ(h); },
        [](CDialogHost* h) { return new CMixDlgJ(h); },
        [](CDialogHost* h) { return new CHeatDlgJ(h); },
        [](CDialogHost* h) { return new CCalPointDlgJ(h); },
        [](CDialogHost* h) { return new CDeltaDlgJ(h); },
        [](CDialogHost* h) { return new CHHDlgJ(h); },
        [](CDialogHost* h) { return new CReHeaterDlgJ(h); },
        [](CDialogHost* h) { return new CSlopCalDlgJ(h); },
        [](CDialogHost* h) { return new CGeneralDlgJ(h); },
        [](CDialogHost* h) { return new CCoilCapDlgJ(h); },
        [](CDialogHost* h) { return new CAirChangeDlgJ(h); },
        [](CDialogHost* h) { return new CGraphViewRangeDlg(h); },
    };
}

// Opens the dialog as its opener would, without a modal loop: a tool
// window through Create(), which fills it for the unit mode.
inline void OpenDialog(CProcessDlg* dialog) {
    if (auto* tool = qobject_cast<CToolDlg*>(dialog)) {
        tool->Create();
    } else {
        dialog->show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
}

// Opens every dialog of AllDialogMakers in both unit modes, one at a time,
// and hands each open one to look.
inline void ForEachDialog(const std::function<void(CProcessDlg*)>& look) {
    TextHost host;
    for (int unitMode : {0, 1}) {
        host.unitMode = unitMode;
        for (const DialogMaker& make : AllDialogMakers()) {
            const std::unique_ptr<CProcessDlg> dialog(make(&host));
            OpenDialog(dialog.get());
            look(dialog.get());
        }
    }
}
