#include "gui/language.h"

#include <QAction>
#include <QActionGroup>
#include <QFont>
#include <QMenu>
#include <QWidget>

#include "chart/chartfonts.h"

namespace zeph {

namespace {

// The size of the Japanese interface's font (TextFont).
constexpr int kJapaneseFontPoints = 9;

// Identifiers of the language submenu and its items.
constexpr int kLanguageMenuId = 35809;
constexpr int kJapaneseItemId = 35820;
constexpr int kEnglishItemId = 35821;

// The menu's last choice in this run.
std::optional<Language>& Chosen() {
    static std::optional<Language> chosen;
    return chosen;
}

}  // namespace

void ApplyInterfaceFont(QWidget* window) {
    if (CurrentLanguage() == Language::Japanese) {
        InstallFontSubstitutes();
        QFont font = TextFont();
        font.setPointSize(kJapaneseFontPoints);
        window->setFont(font);
    } else {
        // A font with nothing set: the window takes the desktop's again.
        window->setFont(QFont());
    }
}

void ChooseLanguage(Language language) {
    SaveLanguage(language);
    Chosen() = language;
    if (language != CurrentLanguage()) {
        InstallLanguage(language);
    }
}

QMenu* CreateLanguageMenu(QWidget* parent) {
    // The menu and its items read the same in every language, so that they
    // can be found whatever language is shown.
    auto* menu = new QMenu(QString::fromUtf8("言語 / Language"), parent);
    menu->setObjectName(QString::number(kLanguageMenuId));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const Language checked = Chosen().value_or(CurrentLanguage());
    const struct {
        Language language;
        int id;
        const char* name;
    } items[] = {
        {Language::Japanese, kJapaneseItemId, "日本語"},
        {Language::English, kEnglishItemId, "English"},
    };
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.name));
        action->setObjectName(QString::number(item.id));
        action->setCheckable(true);
        action->setChecked(item.language == checked);
        group->addAction(action);
        const Language language = item.language;
        QObject::connect(action, &QAction::triggered, menu,
                         [language] { ChooseLanguage(language); });
    }
    return menu;
}

}  // namespace zeph
