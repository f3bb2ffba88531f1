// The player's language from the environment, and the engine's texts before and after a
// translator is installed.
#include <gtest/gtest.h>

#include "platform/translation.h"

using quiltra::preferredLanguages;
using List = std::vector<std::string>;

TEST(PreferredLanguages, TheFirstSetLocaleVariableNamesTheLanguage)
{
    EXPECT_EQ(preferredLanguages(nullptr, nullptr, nullptr, "de_DE.UTF-8"), List{"de_DE.UTF-8"});
    EXPECT_EQ(preferredLanguages(nullptr, "fr_FR.UTF-8", "es_ES", "de_DE"), List{"fr_FR.UTF-8"});
    EXPECT_EQ(preferredLanguages(nullptr, "", "es_ES", "de_DE"), List{"es_ES"});
    EXPECT_EQ(preferredLanguages("", "", "", "de_DE"), List{"de_DE"});
    // LANGUAGE's list comes first, empty items skipped.
    EXPECT_EQ(preferredLanguages("fr:es::de", nullptr, nullptr, "en_US.UTF-8"),
              (List{"fr", "es", "de", "en_US.UTF-8"}));
}

TEST(PreferredLanguages, CAndPosixAlwaysMeanTheSourceTexts)
{
    EXPECT_TRUE(preferredLanguages(nullptr, nullptr, nullptr, nullptr).empty());
    EXPECT_TRUE(preferredLanguages("de", nullptr, nullptr, "C").empty());
    EXPECT_TRUE(preferredLanguages("de", "POSIX", nullptr, "de_DE").empty());
    EXPECT_TRUE(preferredLanguages("de", "C.UTF-8", nullptr, "de_DE").empty());
    EXPECT_TRUE(preferredLanguages("de", nullptr, nullptr, "").empty());
}

namespace {
std::string shouting(const char* context, const char* source)
{
    return std::string(context) + ":" + source + "!";
}
} // namespace

TEST(Translate, SourceTextsUntilATranslatorIsInstalled)
{
    EXPECT_EQ(quiltra::translate("Menu", "&File"), "&File");
    quiltra::installTranslator(&shouting);
    EXPECT_EQ(quiltra::translate("Menu", "&File"), "Menu:&File!");
    EXPECT_EQ(quiltra::translateStored("Help", std::string("Index")), "Help:Index!");
    quiltra::installTranslator(nullptr);
    EXPECT_EQ(quiltra::translateStored("Help", std::string("Index")), "Index");
}
