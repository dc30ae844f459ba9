#pragma once

#include <QCoreApplication>

#include <clocale>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli.h"
#include "optionwalk.h"
#include "run/language.h"

// The language of the texts the size and report modes write: the report,
// the program's messages and the chart's titles. The modes that link the
// run include this; the states mode has no texts to translate.
namespace zeph::batch {

// The help's lines for the option --lang, shared by the modes' help texts
// (a literal, so that it joins theirs).
#define ZEPH_BATCH_LANGUAGE_HELP                                               \
    "  --lang ja|en      the language of the texts: Japanese or English; by\n" \
    "                    default the program's (the one last chosen in its\n"  \
    "                    menu, else the desktop's)\n"

// Reads the value of --lang into language; the usage error when it names
// no language.
inline OptionError ReadLanguage(std::string_view value, std::optional<Language>& language) {
    language =
        LanguageFromCode(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    if (!language) return "unknown language " + Quoted(value) + " for --lang: use ja or en";
    return std::nullopt;
}

// Makes the application object of type App (QCoreApplication, or
// QGuiApplication for pictures) and installs the language chosen, else
// the one the program would start in. Numbers stay in C rules whatever the
// desktop's locale, as in the program.
template <typename App = QCoreApplication>
std::unique_ptr<App> StartWithLanguage(std::optional<Language> chosen) {
    static int argc = 1;
    static char name[] = "zeph-batch";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<App>(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    InstallLanguage(StartupLanguage(chosen));
    return app;
}

}  // namespace zeph::batch
