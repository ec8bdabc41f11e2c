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
// against the translations the game holds.
TEST_P(Languages, FollowTheDesktopJapaneseFirstEnglishForTheRest)
{
    const LanguageCase &c = GetParam();
    EXPECT_EQ(chooseTranslation(c.desktop, {"en", "de"}), QString::fromLatin1(c.chosen));
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
        LanguageCase{"JapaneseAfterOneWithout", {"fr-FR", "ja-JP"}, ""}),
    [](const auto &info) { return std::string(info.param.name); });
