#pragma once

#include <QChar>
#include <QString>

#include "main/zephdlgj.h"

// The names of the main window's commands as its buttons, its context menu
// and the undo history ("元に戻す: 混合") show them.
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
    {CZephDlgJ::IDC_SHF, "冷　却", "SHF", 102},
    {CZephDlgJ::IDC_MIX, "混　合", "MIX", 103},
    {CZephDlgJ::IDC_HEAT, "加　熱", "(R)HEAT", 104},
    {CZephDlgJ::IDC_SLOPE, "２点の線上", "SLOPE", 105},
    {CZephDlgJ::IDC_HH, "加　湿", "H + H", 106},
    {CZephDlgJ::IDC_DLT, "ポイント差", "DLT", 107},
    {CZephDlgJ::IDC_CAP, "コイル容量", "CAP", 108},
    {CZephDlgJ::IDC_EQC, "空調機容量", "EQC", 109},
    {CZephDlgJ::IDC_CP, "ポイント表示", "CP", 120},
};

// The names of the steps of the undo history; the reset and 自動計算 buttons
// carry theirs as captions.
inline constexpr char kStepAddPoint[] = "点の追加";
inline constexpr char kStepDeletePoint[] = "点を削除";
inline constexpr char kStepReset[] = "リセット";
inline constexpr char kStepCapacity[] = "自動計算";
inline constexpr char kStepPressure[] = "圧力の変更";
inline constexpr char kStepUnit[] = "単位の変更";
inline constexpr char kStepRange[] = "表示範囲の変更";
inline constexpr char kStepSystemName[] = "システム名の変更";
// A change no command recorded.
inline constexpr char kStepOther[] = "変更";

// The context-menu items of the history: "元に戻す: <step>" and so on.
inline constexpr char kMenuUndo[] = "元に戻す";
inline constexpr char kMenuRedo[] = "やり直し";

// The step a process button makes: the label above it without its spacing
// ("混合"); empty for an identifier that is no process button.
inline QString ProcessStepName(int id) {
    for (const ProcessButton& p : kProcessButtons) {
        if (p.id == id) {
            return QString::fromUtf8(p.label).remove(QChar(0x3000));
        }
    }
    return {};
}

}  // namespace zeph
