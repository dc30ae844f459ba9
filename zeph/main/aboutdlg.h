#pragma once

#include <QDialog>

// The About box: the program icon, the product title with its version and
// an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // "ZephJ Version x.y.z".
    static QString ProductTitle();
};
