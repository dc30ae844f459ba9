#include "main/ui.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zeph {

CUserInterface::~CUserInterface() = default;

MsgAnswer CDesktopUserInterface::MessageBox(QWidget* parent, const QString& text,
                                            const QString& caption, MsgIcon icon,
                                            MsgButtons buttons) {
    if (parent == nullptr) {
        parent = QApplication::activeModalWidget();
    }
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
        case MsgIcon::Stop:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
    }
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            // The close box of a Yes/No question answers No.
            box.setEscapeButton(QMessageBox::No);
            break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        default:
            break;
    }
    if (buttons == MsgButtons::Ok) {
        return MsgAnswer::Ok;
    }
    return buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}

void CDesktopUserInterface::Beep() {
    QApplication::beep();
}

namespace {

CUserInterface*& Installed() {
    static CUserInterface* installed = nullptr;
    return installed;
}

CDesktopUserInterface& Desktop() {
    static CDesktopUserInterface desktop;
    return desktop;
}

}  // namespace

CUserInterface& Ui() {
    CUserInterface* ui = Installed();
    return ui != nullptr ? *ui : Desktop();
}

CUserInterface* SetUi(CUserInterface* ui) {
    CUserInterface* previous = &Ui();
    Installed() = ui;
    return previous;
}

QString AppTitle() {
    return QStringLiteral("ZephJ");
}

MsgAnswer ShowMessage(const QString& text, MsgIcon icon, MsgButtons buttons) {
    return Ui().MessageBox(nullptr, text, AppTitle(), icon, buttons);
}

CEngineMessageGuard::CEngineMessageGuard()
    : m_previous(corvo::SetMessageSink([](const std::string& text) {
          ShowMessage(QString::fromStdString(text), MsgIcon::Stop, MsgButtons::Ok);
      })) {}

CEngineMessageGuard::~CEngineMessageGuard() {
    corvo::SetMessageSink(std::move(m_previous));
}

}  // namespace zeph
