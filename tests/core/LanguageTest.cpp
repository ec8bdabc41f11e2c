#include "Language.h"

#include <gtest/gtest.h>

using kotebu::chooseTranslation;

namespace {

struct LanguageCase {
    const char *name;
    QStringList desktop; // as QLocale::uiLanguages() lists them
    const char *chosen;  // "" for the game's own Japanese
};

class Languages : public ::testing::TestWithParam<LanguageCase> {};

} // namespace

// The desktop's languages as Qt reads them from LANG, LANGUAGE and the like,
// against the translations the game holds (and a German one).
TEST_P(Languages, FollowTheDesktopJapaneseFirstEnglishForTheRest)
{
    const LanguageCase &c = GetParam();
    EXPECT_EQ(chooseTranslation(c.desktop, {"de", "en", "ko", "zh_CN", "zh_TW"}), QString::fromLatin1(c.chosen));
}

INSTANTIATE_TEST_SUITE_P(, Languages,
    ::testing::Values(
        LanguageCase{"Japanese", {"ja-JP", "ja-Jpan-JP", "ja"}, ""},
        LanguageCase{"NoLanguageAtAll", {"C"}, ""},
        LanguageCase{"NothingListed", {}, ""},
        LanguageCase{"English", {"en-US", "en-Latn-US", "en"}, "en"},
        LanguageCase{"JapaneseAskedFirstOnAnEnglishDesktop", {"ja", "ja-Jpan-JP", "ja-JP", "en-US"}, ""},
        LanguageCase{"FirstWithATranslation", {"fr-FR", "fr", "de-DE", "de", "en-US"}, "de"},
        LanguageCase{"OnlyLanguagesWithoutOne", {"fr-FR", "fr-Latn-FR", "fr"}, "en"},
        LanguageCase{"JapaneseAfterOneWithout", {"fr-FR", "ja-JP"}, ""},
        // Chinese by the script its region writes.
        LanguageCase{"Mainland", {"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN"},
        LanguageCase{"SimplifiedByScript", {"zh-Hans-CN"}, "zh_CN"},
        LanguageCase{"Singapore", {"zh-SG", "zh-Hans-SG"}, "zh_CN"},
        LanguageCase{"ChineseAlone", {"zh"}, "zh_CN"},
        LanguageCase{"Taiwan", {"zh-TW", "zh-Hant-TW"}, "zh_TW"},
        LanguageCase{"TraditionalByScript", {"zh-Hant-TW"}, "zh_TW"},
        LanguageCase{"HongKong", {"zh-HK", "zh-Hant-HK"}, "zh_TW"},
        LanguageCase{"Macao", {"zh-MO"}, "zh_TW"},
        LanguageCase{"TraditionalWithoutRegion", {"zh-Hant"}, "zh_TW"},
        LanguageCase{"Korean", {"ko-KR", "ko-Kore-KR", "ko"}, "ko"}),
    [](const auto &info) { return std::string(info.param.name); });
