#include "Core/Language.h"
#include "QXLocalized.h"
#include "QXUserDefaults.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

using namespace orvane::language;

namespace {

const QString kAppleLanguages = QStringLiteral("AppleLanguages");

class LanguageTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        QXUserDefaults::standardUserDefaults().removeObjectForKey(kAppleLanguages);
        setLanguage(QStringLiteral("en"));
    }

    static void storeLanguages(const QVariantList &languages)
    {
        QXUserDefaults::standardUserDefaults().setObject(languages, kAppleLanguages);
    }
};

} // namespace

TEST_F(LanguageTest, TypeNumbersAndCodesMapBothWays)
{
    const QList<QPair<int, QString>> table = {{1, "en"}, {2, "ar"}, {3, "ja"},    {4, "de"},       {6, "ru"},
                                              {7, "es"}, {8, "fr"}, {9, "pt-PT"}, {10, "zh-Hans"}, {11, "zh-Hant"}};
    for (const auto &[type, code] : table) {
        EXPECT_EQ(lanStringFromType(type), code);
        EXPECT_EQ(lanTypeFromString(code), type);
    }
    // There is no type 5; unknown numbers and codes mean English.
    EXPECT_EQ(lanStringFromType(5), "en");
    EXPECT_EQ(lanStringFromType(-1), "en");
    EXPECT_EQ(lanTypeFromString("pt"), 1);
    EXPECT_EQ(lanTypeFromString("zh-Hans-CN"), 1);
}

TEST_F(LanguageTest, StoredLanguageIsReducedByPrefix)
{
    const QList<QPair<QString, QString>> cases = {{"zh-Hans-CN", "zh-Hans"}, {"zh-Hant-TW", "zh-Hant"},
                                                  {"pt-BR", "en"},           {"pt-PT", "pt-PT"},
                                                  {"en-GB", "en"},           {"ja-JP", "ja"},
                                                  {"ar-EG", "ar"},           {"it-IT", "en"}};
    for (const auto &[stored, expected] : cases) {
        storeLanguages({stored, QStringLiteral("de")});
        EXPECT_EQ(currentLanguageString(), expected) << stored.toStdString();
        EXPECT_EQ(currentLanguage(), lanTypeFromString(expected));
    }
    storeLanguages({QStringLiteral("zh-Hans-CN")});
    EXPECT_EQ(currentLanguage(), 10);
}

TEST_F(LanguageTest, ChoosingJapaneseStoresItAloneAndTranslatesKeys)
{
    setLanguageWithType(3);
    EXPECT_EQ(QXUserDefaults::standardUserDefaults().arrayForKey(kAppleLanguages), QVariantList{"ja"});
    EXPECT_EQ(installedLanguage(), "ja");
    EXPECT_EQ(currentLanguage(), 3);
    EXPECT_EQ(qxLocalized("ov_playlist"), QStringLiteral("再生リスト"));

    setLanguageWithType(10);
    EXPECT_EQ(qxLocalized("ov_playlist"), QStringLiteral("播放列表"));
    setLanguageWithType(5);
    EXPECT_EQ(QXUserDefaults::standardUserDefaults().arrayForKey(kAppleLanguages), QVariantList{"en"});
    EXPECT_EQ(qxLocalized("ov_playlist"), QStringLiteral("Play list"));
}

TEST_F(LanguageTest, OneTranslatorAtATimeAndArabicRunsRightToLeft)
{
    setLanguageWithType(2);
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    setLanguageWithType(4);
    // A translator left installed from before would answer first with its own text.
    EXPECT_EQ(qxLocalized("ov_back"), QStringLiteral("Zurück"));
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST_F(LanguageTest, UnknownCodeOrNoneFallsBackToTheStartupLanguage)
{
    storeLanguages({QStringLiteral("fr-FR")});
    applyStartupLanguage();
    EXPECT_EQ(installedLanguage(), "fr");
    setLanguage(QStringLiteral("ja"));
    setLanguage(QStringLiteral("xx"));
    EXPECT_EQ(installedLanguage(), "fr");
    setLanguage(QStringLiteral("ja"));
    setLanguage(std::nullopt);
    EXPECT_EQ(installedLanguage(), "fr");
    EXPECT_EQ(qxLocalized("ov_back"), QStringLiteral("Retour"));
}
