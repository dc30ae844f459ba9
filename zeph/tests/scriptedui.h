#pragma once

// A user interface for tests: records every message box (exact text,
// caption, icon, buttons) and every beep, and answers message boxes from a
// script. Install it for the life of a test with CScriptedUi::Scope.

#include <QList>
#include <QString>
#include <QStringList>

#include "main/ui.h"

class CScriptedUi : public zeph::CUserInterface {
  public:
    struct Message {
        QString text;
        QString caption;
        zeph::MsgIcon icon;
        zeph::MsgButtons buttons;
    };

    zeph::MsgAnswer MessageBox(QWidget*, const QString& text, const QString& caption,
                               zeph::MsgIcon icon, zeph::MsgButtons buttons) override {
        messages.append({text, caption, icon, buttons});
        if (!answers.isEmpty()) {
            return answers.takeFirst();
        }
        // Unscripted: the first button of the box.
        switch (buttons) {
            case zeph::MsgButtons::YesNo:
                return zeph::MsgAnswer::Yes;
            case zeph::MsgButtons::Ok:
            case zeph::MsgButtons::OkCancel:
                break;
        }
        return zeph::MsgAnswer::Ok;
    }

    void Beep() override { ++beeps; }

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
    }

    QList<Message> messages;
    QList<zeph::MsgAnswer> answers;
    int beeps = 0;

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
