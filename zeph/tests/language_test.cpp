// The choice of the interface language: from the desktop's languages, the
// command line and the saved choice; the translators and fonts it
// installs; and the language submenu, which switches at once.

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "gui/language.h"
#include "run/strings.h"
#include "scriptedui.h"

using zeph::Language;

Q_DECLARE_METATYPE(Language)

class LanguageTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void desktopLanguage_data();
    void desktopLanguage();
    void languageOption_data();
    void languageOption();
    void commandLineOverridesTheSavedChoice();
    void installSwitchesTextsAndFont();
    void menuChoiceAppliedAtOnce();

  private:
    QTemporaryDir m_config;
};

void LanguageTest::initTestCase() {
    // The saved choice goes to a configuration folder of our own.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void LanguageTest::desktopLanguage_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<Language>("language");
    QTest::newRow("Japanese") << QStringList{"ja-JP"} << Language::Japanese;
    QTest::newRow("bare ja") << QStringList{"ja"} << Language::Japanese;
    QTest::newRow("English") << QStringList{"en-GB", "en"} << Language::English;
    QTest::newRow("German, then Japanese") << QStringList{"de-DE", "ja-JP"} << Language::Japanese;
    QTest::newRow("German, English, Japanese")
        << QStringList{"de-DE", "en-US", "ja"} << Language::English;
    QTest::newRow("neither") << QStringList{"fr-FR", "de"} << Language::English;
    QTest::newRow("none") << QStringList{} << Language::English;
    QTest::newRow("Jamaican is not Japanese") << QStringList{"jam-JM", "en"} << Language::English;
}

void LanguageTest::desktopLanguage() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(Language, language);
    QCOMPARE(zeph::DesktopLanguage(uiLanguages), language);
}

void LanguageTest::languageOption_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("language");  // -1 none, else Language
    QTest::addColumn<bool>("error");
    QTest::newRow("none") << QStringList{"file.txt"} << -1 << false;
    QTest::newRow("--lang en") << QStringList{"--lang", "en"} << int(Language::English) << false;
    QTest::newRow("--lang=ja") << QStringList{"--lang=ja"} << int(Language::Japanese) << false;
    QTest::newRow("upper case") << QStringList{"--lang", "EN"} << int(Language::English) << false;
    QTest::newRow("the last counts")
        << QStringList{"--lang=en", "--lang", "ja"} << int(Language::Japanese) << false;
    QTest::newRow("unknown language") << QStringList{"--lang", "fr"} << -1 << true;
    QTest::newRow("empty value") << QStringList{"--lang="} << -1 << true;
    QTest::newRow("value missing") << QStringList{"--lang"} << -1 << true;
}

void LanguageTest::languageOption() {
    QFETCH(QStringList, arguments);
    QFETCH(int, language);
    QFETCH(bool, error);
    const zeph::LanguageOption option = zeph::ParseLanguageOption(arguments);
    QCOMPARE(option.language.has_value(), language >= 0);
    if (option.language) {
        QCOMPARE(int(*option.language), language);
    }
    QCOMPARE(!option.error.isEmpty(), error);
}

void LanguageTest::commandLineOverridesTheSavedChoice() {
    zeph::SaveLanguage(Language::English);
    QCOMPARE(zeph::SavedLanguage(), std::optional<Language>(Language::English));
    QCOMPARE(zeph::StartupLanguage(std::nullopt), Language::English);
    QCOMPARE(zeph::StartupLanguage(Language::Japanese), Language::Japanese);
    zeph::SaveLanguage(Language::Japanese);
    QCOMPARE(zeph::StartupLanguage(std::nullopt), Language::Japanese);
    QCOMPARE(zeph::StartupLanguage(Language::English), Language::English);
}

void LanguageTest::installSwitchesTextsAndFont() {
    QWidget window;
    zeph::InstallLanguage(Language::Japanese);
    zeph::ApplyInterfaceFont(&window);
    QCOMPARE(zeph::LoadResString(6106), QStringLiteral("データをファイルに記録しますか　？"));
    QCOMPARE(window.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    QCOMPARE(window.font().pointSize(), 9);

    zeph::InstallLanguage(Language::English);
    zeph::ApplyInterfaceFont(&window);
    QCOMPARE(zeph::CurrentLanguage(), Language::English);
    QCOMPARE(zeph::LoadResString(6106), QStringLiteral("Do you want to save the data to a file?"));
    QCOMPARE(window.font(), QApplication::font());

    zeph::InstallLanguage(Language::Japanese);
    QCOMPARE(zeph::LoadResString(6106), QStringLiteral("データをファイルに記録しますか　？"));
}

void LanguageTest::menuChoiceAppliedAtOnce() {
    CScriptedUi ui;
    CScriptedUi::Scope scope(ui);
    zeph::InstallLanguage(Language::Japanese);
    zeph::SaveLanguage(Language::Japanese);
    const std::unique_ptr<QMenu> menu(zeph::CreateLanguageMenu(nullptr));
    QCOMPARE(menu->objectName(), QStringLiteral("35809"));
    QCOMPARE(menu->title(), QStringLiteral("言語 / Language"));
    auto* japanese = menu->findChild<QAction*>(QStringLiteral("35820"));
    auto* english = menu->findChild<QAction*>(QStringLiteral("35821"));
    QVERIFY(japanese != nullptr && english != nullptr);
    QCOMPARE(japanese->text(), QStringLiteral("日本語"));
    QCOMPARE(english->text(), QStringLiteral("English"));
    QVERIFY(japanese->isChecked() && !english->isChecked());

    english->trigger();
    QCOMPARE(zeph::CurrentLanguage(), Language::English);
    QCOMPARE(zeph::SavedLanguage(), std::optional<Language>(Language::English));
    QCOMPARE(zeph::LoadResString(6106), QStringLiteral("Do you want to save the data to a file?"));
    const std::unique_ptr<QMenu> again(zeph::CreateLanguageMenu(nullptr));
    QVERIFY(again->findChild<QAction*>(QStringLiteral("35821"))->isChecked());

    again->findChild<QAction*>(QStringLiteral("35820"))->trigger();
    QCOMPARE(zeph::CurrentLanguage(), Language::Japanese);
    QCOMPARE(zeph::SavedLanguage(), std::optional<Language>(Language::Japanese));
    QVERIFY(ui.messages.isEmpty());
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
