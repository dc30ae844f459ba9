#include "dialogs/graphviewrangedlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/ui.h"

namespace {

// The narrowest temperature span shown, K, and the lowest top of the
// humidity axis, g/kg(DA).
constexpr double kMinTempSpan = 1.0;
constexpr double kMinMaxXi = 1.0;

// A value as the field shows it: up to 15 significant digits, so that a
// range read back unedited is the range that was shown (0.055 kg/kg shows
// as 55 and returns as 0.055).
QString FieldText(double value) {
    return QString::asprintf("%.15g", value);
}

}  // namespace

CGraphViewRangeDlg::CGraphViewRangeDlg(CDialogHost* host, QWidget* parent)
    : CProcessDlg(341, tr("GraphView Range"), host, parent) {
    auto* grid = new QGridLayout;
    const struct {
        int id;
        const char* label;
        const char* unit;
    } rows[] = {
        {IDC_MAX_DB, QT_TR_NOOP("最大表示温度"), QT_TR_NOOP("（℃）")},
        {IDC_MIN_DB, QT_TR_NOOP("最小表示温度"), QT_TR_NOOP("（℃）")},
        {IDC_MAX_XI, QT_TR_NOOP("最大絶対湿度"), QT_TR_NOOP("（g/Kg・DA）")},
        {IDC_MIN_XI, QT_TR_NOOP("最小絶対湿度"), QT_TR_NOOP("（g/Kg・DA）")},
    };
    int row = 0;
    for (const auto& r : rows) {
        QLineEdit* edit = MakeNumberEdit(r.id);
        edit->setAlignment(Qt::AlignRight);
        QLabel* label = MakeLabel(tr(r.label));
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(MakeLabel(tr(r.unit)), row, 2);
        ++row;
    }

    QPushButton* ok = MakeButton(1, tr("OK"));
    QPushButton* cancel = MakeButton(2, tr("ｷｬﾝｾﾙ"));
    connect(ok, &QPushButton::clicked, this, &CGraphViewRangeDlg::OnCalculate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeLabel(tr("グラフの表示温度レンジを設定します。")));
    layout->addLayout(grid);
    layout->addLayout(buttons);
    SetFieldCycle({IDC_MAX_DB, IDC_MIN_DB, IDC_MAX_XI, IDC_MIN_XI});
}

int CGraphViewRangeDlg::DoModal() {
    SetText(IDC_MAX_DB, FieldText(MaxDb));
    SetText(IDC_MIN_DB, FieldText(MinDb));
    SetText(IDC_MAX_XI, FieldText(MaxXi));
    SetText(IDC_MIN_XI, FieldText(MinXi));
    // The first field selected, ready to be typed over.
    FocusOnError(IDC_MAX_DB);
    return exec();
}

void CGraphViewRangeDlg::OnCalculate() {
    double maxDb = 0.0;
    double minDb = 0.0;
    double maxXi = 0.0;
    double minXi = 0.0;
    if (!ReadRanged(IDC_MAX_DB, 0.0, 60.0, &maxDb) ||
        !ReadRanged(IDC_MIN_DB, -50.0, 10.0, &minDb) ||
        !ReadRanged(IDC_MAX_XI, kMinMaxXi, 60.0, &maxXi) ||
        !ReadRanged(IDC_MIN_XI, 0.0, 10.0, &minXi)) {
        return;
    }
    // The chart cannot draw a range that is empty or upside down, and one
    // narrower than a kelvin shows no grid to read.
    if (maxDb <= minDb) {
        zeph::ShowMessage(tr("最大表示温度は最小表示温度より大きな値を入力して下さい。"),
                          zeph::MsgIcon::Exclamation);
        FocusOnError(IDC_MAX_DB);
        return;
    }
    if (maxDb - minDb < kMinTempSpan) {
        zeph::ShowMessage(tr("最大表示温度と最小表示温度の差は 1 ℃ 以上として下さい。"),
                          zeph::MsgIcon::Exclamation);
        FocusOnError(IDC_MAX_DB);
        return;
    }
    if (maxXi <= minXi) {
        zeph::ShowMessage(tr("最大絶対湿度は最小絶対湿度より大きな値を入力して下さい。"),
                          zeph::MsgIcon::Exclamation);
        FocusOnError(IDC_MAX_XI);
        return;
    }
    MaxDb = maxDb;
    MinDb = minDb;
    MaxXi = maxXi;
    MinXi = minXi;
    accept();
}
