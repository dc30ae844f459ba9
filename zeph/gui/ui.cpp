#include "gui/ui.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

namespace zeph {

namespace {

// A dialog without a parent given opens over the active window.
QWidget* DialogParent(QWidget* parent) {
    if (parent == nullptr) {
        parent = QApplication::activeModalWidget();
    }
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    return parent;
}

// "ext" of a name filter that ends in "(*.ext)"; empty for any other.
QString FilterSuffix(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ ()*?]+)\\)$"));
    const QRegularExpressionMatch match = pattern.match(filter.trimmed());
    return match.hasMatch() ? match.captured(1) : QString();
}

}  // namespace

CUserInterface::~CUserInterface() = default;

MsgAnswer CDesktopUserInterface::MessageBox(QWidget* parent, const QString& text,
                                            const QString& caption, MsgIcon icon,
                                            MsgButtons buttons) {
    QMessageBox box(DialogParent(parent));
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
        case MsgButtons::SaveDiscardCancel:
            box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Save);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        case QMessageBox::Yes:
        case QMessageBox::Save:
            return MsgAnswer::Yes;
        case QMessageBox::No:
        case QMessageBox::Discard:
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

std::optional<QString> CDesktopUserInterface::OpenFileDialog(QWidget* parent,
                                                             const FileDialogRequest& request) {
    return FileDialog(parent, request, false);
}

bool CDesktopUserInterface::PrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, DialogParent(parent));
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> CDesktopUserInterface::SaveFileDialog(QWidget* parent,
                                                             const FileDialogRequest& request) {
    return FileDialog(parent, request, true);
}

std::optional<QString> CDesktopUserInterface::FileDialog(QWidget* parent,
                                                         const FileDialogRequest& request,
                                                         bool save) {
    QFileDialog dialog(DialogParent(parent), request.caption);
    const QFileInfo proposed(request.proposedPath);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || request.createPrompt ? QFileDialog::AnyFile
                                                    : QFileDialog::ExistingFile);
    if (save && !request.overwritePrompt) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    // A name typed without an extension gets the one of the chosen type.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &request](const QString& filter) {
                         const QString suffix = FilterSuffix(filter);
                         dialog.setDefaultSuffix(suffix.isEmpty() ? request.defaultSuffix : suffix);
                     });
    if (!request.proposedPath.isEmpty()) {
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const QString chosen = dialog.selectedFiles().constFirst();
        if (!save && request.createPrompt && !QFileInfo::exists(chosen)) {
            const QString question =
                chosen + QLatin1Char('\n') +
                QCoreApplication::translate("zeph::CDesktopUserInterface",
                                            "このファイルは存在しません。作成しますか？");
            if (MessageBox(&dialog, question, dialog.windowTitle(), MsgIcon::Exclamation,
                           MsgButtons::YesNo) != MsgAnswer::Yes) {
                continue;
            }
        }
        return chosen;
    }
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
