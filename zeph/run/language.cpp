#include "run/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

namespace zeph {

namespace {

// The English translation, compiled from translations/zeph_en.ts.
constexpr const char* kEnglishCatalog = ":/i18n/zeph_en.qm";

// Where the menu's choice is kept: QSettings(organization, application).
constexpr const char* kSettingsOwner = "Zeph";
constexpr const char* kSettingsKey = "language";

struct Installed {
    Language language = Language::Japanese;
    QPointer<QTranslator> program;
    QPointer<QTranslator> qt;
};

Installed& State() {
    static Installed state;
    return state;
}

// A translator of the application loaded from path; nullptr (and nothing
// installed) when there is no such catalog.
QTranslator* InstallCatalog(const QString& path) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

}  // namespace

QString LanguageCode(Language language) {
    return language == Language::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
}

std::optional<Language> LanguageFromCode(const QString& code) {
    const QString lower = code.trimmed().toLower();
    if (lower == QLatin1String("ja")) {
        return Language::Japanese;
    }
    if (lower == QLatin1String("en")) {
        return Language::English;
    }
    return std::nullopt;
}

Language DesktopLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        // "ja-JP", "ja_JP", "ja": the language is the part before the region.
        const QString language =
            name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (const std::optional<Language> known = LanguageFromCode(language)) {
            return *known;
        }
    }
    return Language::English;
}

LanguageOption ParseLanguageOption(const QStringList& arguments) {
    const QString option = QStringLiteral("--lang");
    LanguageOption result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        QString value;
        if (argument == option) {
            if (i + 1 >= arguments.size()) {
                return {std::nullopt, QStringLiteral("--lang needs a language: ja or en")};
            }
            value = arguments.at(++i);
        } else if (argument.startsWith(option + QLatin1Char('='))) {
            value = argument.mid(option.size() + 1);
        } else {
            continue;
        }
        result.language = LanguageFromCode(value);
        if (!result.language) {
            return {std::nullopt,
                    QStringLiteral("unknown language \"%1\" for --lang: use ja or en").arg(value)};
        }
    }
    return result;
}

std::optional<Language> SavedLanguage() {
    const QSettings settings(QString::fromLatin1(kSettingsOwner),
                             QString::fromLatin1(kSettingsOwner));
    return LanguageFromCode(settings.value(QLatin1String(kSettingsKey)).toString());
}

void SaveLanguage(Language language) {
    QSettings settings(QString::fromLatin1(kSettingsOwner), QString::fromLatin1(kSettingsOwner));
    settings.setValue(QLatin1String(kSettingsKey), LanguageCode(language));
}

Language StartupLanguage(std::optional<Language> commandLine) {
    if (commandLine) {
        return *commandLine;
    }
    if (const std::optional<Language> saved = SavedLanguage()) {
        return *saved;
    }
    return DesktopLanguage(QLocale::system().uiLanguages());
}

void InstallLanguage(Language language) {
    Installed& state = State();
    delete state.program;
    delete state.qt;
    state.language = language;
    if (language == Language::English) {
        state.program = InstallCatalog(QString::fromLatin1(kEnglishCatalog));
        if (!state.program) {
            qWarning("zeph: the English translation is missing from the program");
        }
    } else {
        // Qt's own texts (standard buttons, file dialogs) are English
        // without a catalog; the system's Qt translations have the others.
        state.qt = InstallCatalog(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                  QStringLiteral("/qtbase_") + LanguageCode(language));
    }
}

Language CurrentLanguage() {
    return State().language;
}

}  // namespace zeph
