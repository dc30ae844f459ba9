#pragma once

// What a window shows, walked for Japanese left in the English interface
// and compared across a change of language.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QTableWidget>

#include "japanese_text.h"

// Every text that root and its children show, each as "<class>
// <objectName>: <text>": titles, labels, buttons, group titles, edits, list
// and table texts, menus and actions, tooltips and status tips.
inline QStringList ShownTextsIn(QWidget* root) {
    QStringList found;
    auto check = [&found](const QObject* owner, const QString& text) {
        if (!text.isEmpty()) {
            found << QString::fromLatin1(owner->metaObject()->className()) + QLatin1Char(' ') +
                         owner->objectName() + QStringLiteral(": ") + text;
        }
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : std::as_const(widgets)) {
        for (const QString& text : {w->windowTitle(), w->toolTip(), w->statusTip()}) {
            check(w, text);
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            check(w, label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            check(w, button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            check(w, group->title());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            check(w, edit->text());
            check(w, edit->placeholderText());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) {
                check(w, combo->itemText(i));
            }
        } else if (auto* menu = qobject_cast<QMenu*>(w)) {
            check(w, menu->title());
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int column = 0; column < table->columnCount(); ++column) {
                const QTableWidgetItem* header = table->horizontalHeaderItem(column);
                check(w, header != nullptr ? header->text() : QString());
                for (int row = 0; row < table->rowCount(); ++row) {
                    const QTableWidgetItem* item = table->item(row, column);
                    check(w, item != nullptr ? item->text() : QString());
                }
            }
        }
        for (const QAction* action : w->actions()) {
            for (const QString& text : {action->text(), action->toolTip(), action->statusTip()}) {
                check(action, text);
            }
        }
    }
    return found;
}

// The texts of ShownTextsIn that hold a Japanese character.
inline QStringList JapaneseTextsIn(QWidget* root) {
    QStringList found = ShownTextsIn(root);
    found.removeIf([](const QString& text) { return !HasJapanese(text); });
    return found;
}
