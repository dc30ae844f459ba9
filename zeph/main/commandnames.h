#pragma once

#include <QChar>
#include <QCoreApplication>
#include <QString>

#include "main/zephdlgj.h"

// The names of the main window's commands as its buttons, its context menu
// and the undo history ("元に戻す: 混合") show them. The texts are the
// Japanese interface's and the sources of the translations (context
// zeph::Commands); CommandText gives them in the interface's language.
namespace zeph {

// A process button: its identifier, the label above it, its caption and
// the string of its tooltip. In the order of the panel, three to a row.
struct ProcessButton {
    int id;
    const char* label;
    const char* caption;
    int tip;
};

inline constexpr ProcessButton kProcessButtons[] = {
    {CZephDlgJ::IDC_SHF, QT_TRANSLATE_NOOP("zeph::Commands", "冷　却"), "SHF", 102},
    {CZephDlgJ::IDC_MIX, QT_TRANSLATE_NOOP("zeph::Commands", "混　合"), "MIX", 103},
    {CZephDlgJ::IDC_HEAT, QT_TRANSLATE_NOOP("zeph::Commands", "加　熱"), "(R)HEAT", 104},
    {CZephDlgJ::IDC_SLOPE, QT_TRANSLATE_NOOP("zeph::Commands", "２点の線上"), "SLOPE", 105},
    {CZephDlgJ::IDC_HH, QT_TRANSLATE_NOOP("zeph::Commands", "加　湿"), "H + H", 106},
    {CZephDlgJ::IDC_DLT, QT_TRANSLATE_NOOP("zeph::Commands", "ポイント差"), "DLT", 107},
    {CZephDlgJ::IDC_CAP, QT_TRANSLATE_NOOP("zeph::Commands", "コイル容量"), "CAP", 108},
    {CZephDlgJ::IDC_EQC, QT_TRANSLATE_NOOP("zeph::Commands", "空調機容量"), "EQC", 109},
    {CZephDlgJ::IDC_CP, QT_TRANSLATE_NOOP("zeph::Commands", "ポイント表示"), "CP", 120},
};

// The names of the steps of the undo history; the reset and 自動計算 buttons
// carry theirs as captions.
inline constexpr const char* kStepAddPoint = QT_TRANSLATE_NOOP("zeph::Commands", "点の追加");
inline constexpr const char* kStepDeletePoint = QT_TRANSLATE_NOOP("zeph::Commands", "点を削除");
inline constexpr const char* kStepReset = QT_TRANSLATE_NOOP("zeph::Commands", "リセット");
inline constexpr const char* kStepCapacity = QT_TRANSLATE_NOOP("zeph::Commands", "自動計算");
inline constexpr const char* kStepPressure = QT_TRANSLATE_NOOP("zeph::Commands", "圧力の変更");
inline constexpr const char* kStepUnit = QT_TRANSLATE_NOOP("zeph::Commands", "単位の変更");
inline constexpr const char* kStepRange = QT_TRANSLATE_NOOP("zeph::Commands", "表示範囲の変更");
inline constexpr const char* kStepSystemName =
    QT_TRANSLATE_NOOP("zeph::Commands", "システム名の変更");
// A change no command recorded.
inline constexpr const char* kStepOther = QT_TRANSLATE_NOOP("zeph::Commands", "変更");

// The context-menu items of the history: "元に戻す: <step>" and so on.
inline constexpr const char* kMenuUndo = QT_TRANSLATE_NOOP("zeph::Commands", "元に戻す");
inline constexpr const char* kMenuRedo = QT_TRANSLATE_NOOP("zeph::Commands", "やり直し");

// A name above in the language of the interface.
inline QString CommandText(const char* name) {
    return QCoreApplication::translate("zeph::Commands", name);
}

// The name of a step in the language of the interface: a name above
// without the spacing of the buttons' labels ("混合").
inline QString StepName(const char* name) {
    return CommandText(name).remove(QChar(0x3000));
}

// The step a process button makes: the label above it, a name for
// StepName; kStepOther for an identifier that is no process button.
inline const char* ProcessStepSource(int id) {
    for (const ProcessButton& p : kProcessButtons) {
        if (p.id == id) {
            return p.label;
        }
    }
    return kStepOther;
}

}  // namespace zeph
