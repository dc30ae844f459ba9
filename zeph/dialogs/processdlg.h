#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include "dialogs/fieldranges.h"

class CDialogHost;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The conventions every process dialog and tool window shares:
// - it opens with its top-left corner on the top-left corner of the host's
//   chart (kept on the screen);
// - Enter runs OnCalculate(), whatever control has the focus; Escape does
//   nothing (Cancel and the close box still cancel);
// - Down and Up move along a fixed cycle of fields, wrapping at both ends
//   and skipping disabled fields; a field focused by other means (mouse,
//   Tab) is where the cycle goes on from;
// - a failed test shows its error code through the host and gives the
//   field the focus with its whole text selected;
// - every control carries its numeric identifier as its objectName.
class CProcessDlg : public QDialog {
    Q_OBJECT

  public:
    // templateId becomes the dialog's objectName, caption its title.
    CProcessDlg(int templateId, const QString& caption, CDialogHost* host,
                QWidget* parent = nullptr);
    ~CProcessDlg() override;

    // The control with identifier id (nullptr if there is none).
    QWidget* Control(int id) const;
    QLineEdit* Edit(int id) const;

    // Position in the field cycle of the field that last had the focus.
    int FocusIndex = 0;

  protected:
    // The dialog's calculate or OK action: Enter and its button run it.
    virtual void OnCalculate() = 0;

    CDialogHost* Host() const { return m_host; }

    // Controls, created as children of the dialog with id as objectName.
    QLineEdit* MakeEdit(int id, const QString& text = {});
    // An edit for a number: it takes at most zeph::kMaxNumberChars
    // characters.
    QLineEdit* MakeNumberEdit(int id, const QString& text = {});
    QPushButton* MakeButton(int id, const QString& text);
    QRadioButton* MakeRadio(int id, const QString& text);
    QCheckBox* MakeCheck(int id, const QString& text);
    QLabel* MakeLabel(const QString& text, int id = 0);
    // The row of the calculate button calcId, which runs OnCalculate(), and
    // the cancel button 2, which rejects the dialog.
    QHBoxLayout* MakeCalcCancelRow(int calcId);

    // The fields Down and Up move through, in order.
    void SetFieldCycle(const QList<int>& ids);
    // Moves step (+1 Down, −1 Up) along the cycle.
    void MoveFocus(int step);

    // The text of edit id, or empty when there is no such edit.
    QString Text(int id) const;
    void SetText(int id, const QString& text);
    // True when the number checker accepts the text of edit id.
    bool IsNumeric(int id) const;
    // The value of edit id, thousands separators ignored, C-locale.
    double Value(int id) const;
    // True when edit id holds a valid point number: a whole number from 1
    // to the host's point count (compared as a double, so no text can
    // overflow); n receives it.
    bool ReadPointNo(int id, int* n) const;
    // Two different valid point numbers from edits idA and idB. Otherwise
    // error code 1 with the focus on the first that fails (B also when it
    // equals A), and false.
    bool ReadPointPair(int idA, int idB, int* a, int* b);

    // Shows error code through the host, puts the focus on field focusId
    // with its text selected, and returns false.
    bool Fail(int code, int focusId);
    // Gives field id the focus with its whole text selected and the caret
    // in view.
    void FocusOnError(int id);

    // Reads edit id as a number within min … max (inclusive). The whole
    // text (blanks around it aside) must be a number; otherwise, or out of
    // range, the prompt "<min> から <max> までの数値を入力して下さい。" is
    // shown, the field gets the focus with its text selected, and the result
    // is false.
    bool ReadRanged(int id, double min, double max, double* out);
    bool ReadRanged(int id, const zeph::FieldRange& range, double* out = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void PlaceOverChart();

    CDialogHost* m_host;
    QList<int> m_cycle;
};
