#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The language of the interface. The texts in the code are the Japanese
// interface; the English one is translations/zeph_en.ts, compiled into the
// program's resources. A start takes the language of the command line
// (--lang), else the one last chosen in the context menu, else the
// desktop's.
namespace zeph {

enum class Language { Japanese, English };

// "ja" or "en".
QString LanguageCode(Language language);
// The language of a code "ja" or "en" (any case); nothing for another.
std::optional<Language> LanguageFromCode(const QString& code);

// The desktop's language among uiLanguages (as QLocale::uiLanguages gives
// them, most preferred first: "ja-JP", "en-US", ...): the first that is
// Japanese or English; English when neither is listed.
Language DesktopLanguage(const QStringList& uiLanguages);

// The option --lang of a command line (arguments without the program
// name): "--lang ja", "--lang=en". Other arguments are left alone.
struct LanguageOption {
    std::optional<Language> language;  // nothing when the option is not given
    QString error;                     // a one-line reason when it is malformed
};
LanguageOption ParseLanguageOption(const QStringList& arguments);

// The language chosen in the context menu, remembered with
// QSettings("Zeph", "Zeph"); nothing when none is stored.
std::optional<Language> SavedLanguage();
void SaveLanguage(Language language);

// The language a start uses: the command line's, else the saved one, else
// the desktop's (QLocale::system().uiLanguages()).
Language StartupLanguage(std::optional<Language> commandLine);

// Installs the translators of language on the application, replacing those
// of an earlier call: the program's (none for Japanese) and Qt's own
// qtbase_<code>.qm where the system has it. Qt then sends every widget
// QEvent::LanguageChange. Needs the application object.
void InstallLanguage(Language language);
// The language installed last; Japanese before any.
Language CurrentLanguage();

}  // namespace zeph
