#pragma once

#include "dialogs/processdlg.h"

// A dialog that computes by itself and can live beside the main window: the
// calculator, the coil capacity and the capacity result. The owner keeps the
// object; its window is opened with Create() (modeless) and, when the user
// closes it, the dialog only announces closed() and the owner destroys the
// window (DestroyWindow), keeping the object for the next opening. Run with
// DoModal() the same dialog simply ends its modal loop when closed.
class CToolDlg : public CProcessDlg {
    Q_OBJECT

  public:
    using CProcessDlg::CProcessDlg;

    // Opens the window modeless, freshly initialised; nothing happens when
    // it is already open.
    void Create();
    // Runs the dialog modally, freshly initialised; returns the result code.
    int DoModal();
    // Closes the window; the object stays.
    void DestroyWindow();
    // True while the window is open.
    bool IsOpen() const { return isVisible(); }

  Q_SIGNALS:
    // The user closed the modeless window: code 1 OK, 2 Cancel or the close
    // box. The owner destroys the window.
    void closed(int code);

  protected:
    // Fills the controls for a new window (labels by the unit mode, texts).
    virtual void OnInitDialog() = 0;
    // Ends the window with code 1 (OK) or 2 (Cancel): announced when
    // modeless, the end of the modal loop otherwise.
    void EndDialog(int code);

    // Cancel and the close box.
    void reject() override { EndDialog(2); }

  private:
    bool m_modeless = false;
};
