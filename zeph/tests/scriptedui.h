#pragma once

// A user interface for tests: records every message box (exact text,
// caption, icon, buttons), every beep and every file dialog, and answers
// message boxes and file dialogs from a script. Install it for the life of a
// test with CScriptedUi::Scope.

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

#include "gui/ui.h"

class CScriptedUi : public zeph::CUserInterface {
  public:
    struct Message {
        QString text;
        QString caption;
        zeph::MsgIcon icon;
        zeph::MsgButtons buttons;
    };

    struct FileRequest {
        bool save;  // a save dialog, else an open dialog
        zeph::FileDialogRequest request;
    };

    zeph::MsgAnswer MessageBox(QWidget*, const QString& text, const QString& caption,
                               zeph::MsgIcon icon, zeph::MsgButtons buttons) override {
        messages.append({text, caption, icon, buttons});
        GuardRunaway();
        // The unsaved-changes question has its own script: the tests of
        // what follows it need not answer it.
        if (buttons == zeph::MsgButtons::SaveDiscardCancel) {
            return saveAnswers.isEmpty() ? zeph::MsgAnswer::No : saveAnswers.takeFirst();
        }
        if (!answers.isEmpty()) {
            return answers.takeFirst();
        }
        // Unscripted: the first button of the box.
        return zeph::FirstButtonAnswer(buttons);
    }

    void Beep() override { ++beeps; }

    std::optional<QString> OpenFileDialog(QWidget*, const zeph::FileDialogRequest& r) override {
        return FileDialog(false, r);
    }
    std::optional<QString> SaveFileDialog(QWidget*, const zeph::FileDialogRequest& r) override {
        return FileDialog(true, r);
    }

    // Answers the print dialog from printAnswers: a path prints into that
    // PDF file, std::nullopt (or no answer) cancels.
    bool PrintDialog(QWidget*, QPrinter& printer) override {
        ++printRequests;
        GuardRunaway();
        if (printAnswers.isEmpty() || !printAnswers.first()) {
            if (!printAnswers.isEmpty()) printAnswers.removeFirst();
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*printAnswers.takeFirst());
        return true;
    }

    QStringList Texts() const {
        QStringList texts;
        for (const Message& m : messages) {
            texts << m.text;
        }
        return texts;
    }

    void Clear() {
        messages.clear();
        answers.clear();
        beeps = 0;
        fileRequests.clear();
        fileAnswers.clear();
        printRequests = 0;
        printAnswers.clear();
    }

    QList<Message> messages;
    QList<zeph::MsgAnswer> answers;
    // Answers to the unsaved-changes question (Save / Discard / Cancel as
    // Yes / No / Cancel); unscripted, the changes are discarded.
    QList<zeph::MsgAnswer> saveAnswers;
    int beeps = 0;
    QList<FileRequest> fileRequests;
    // One answer per file dialog: a path, "" for the proposed path as it
    // stands, std::nullopt for Cancel. Unscripted dialogs are cancelled.
    QList<std::optional<QString>> fileAnswers;
    int printRequests = 0;
    QList<std::optional<QString>> printAnswers;

  private:
    std::optional<QString> FileDialog(bool save, const zeph::FileDialogRequest& r) {
        fileRequests.append({save, r});
        GuardRunaway();
        if (fileAnswers.isEmpty()) {
            return std::nullopt;
        }
        std::optional<QString> answer = fileAnswers.takeFirst();
        if (answer && answer->isEmpty()) {
            answer = r.proposedPath;
        }
        return answer;
    }

    // A program that asks again until it gets an answer would loop for ever
    // on an unscripted default; stop the test instead.
    void GuardRunaway() const {
        if (messages.size() + fileRequests.size() + printRequests > 1000) {
            qFatal("CScriptedUi: over 1000 questions; a dialog loop is not ending");
        }
    }

  public:
    // Installs the scripted interface and restores the previous one.
    class Scope {
      public:
        explicit Scope(CScriptedUi& ui) : m_previous(zeph::SetUi(&ui)) {}
        ~Scope() { zeph::SetUi(m_previous); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        zeph::CUserInterface* m_previous;
    };
};
