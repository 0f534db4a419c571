#include "adf/key_list.h"

#include <gtest/gtest.h>

#include "adf/values/key_commands.h"

namespace {

using adf::KeyCommandValues;

TEST(KeyList, FindsTheFirstEntryOfACodeAndPassesOverEntriesWithoutTab) {
    const std::vector<std::string> list = {"_111", "_100\tCTRL \"p\"", "_1000\t\"x\"", "_111\t\"a\"", "_111\t\"b\""};
    EXPECT_EQ(adf::FindKeyEntry(list, "_111"), 3);
    EXPECT_EQ(adf::FindKeyEntry(list, "_100"), 1);
    EXPECT_EQ(adf::FindKeyEntry(list, "_10"), -1);
    EXPECT_EQ(adf::FindKeyEntry({}, "_100"), -1);
    EXPECT_EQ(adf::KeyOfEntry(list[1]), "CTRL \"p\"");
    EXPECT_EQ(adf::KeyOfEntry("_102"), "");
}

TEST(KeyList, ChoosingAKeyReplacesTheCodesEntryOrAppendsOne) {
    std::vector<std::string> list = KeyCommandValues::DefaultKeyList();
    adf::RemoveKeyEntry(list, "_111");
    EXPECT_EQ(adf::FindKeyEntry(list, "_111"), -1);
    adf::SetKeyEntry(list, "_111", adf::MakeKeyText(adf::KeyModifier::None, "b"));
    EXPECT_EQ(list.back(), "_111\t\"b\"");
    adf::SetKeyEntry(list, "_100", adf::MakeKeyText(adf::KeyModifier::Shift, "g"));
    EXPECT_EQ(list.front(), "_100\tSHIFT \"g\"");
    EXPECT_EQ(list.size(), 6u);
}

TEST(KeyList, AKeyHeldByAnotherCodeIsTakenBlanksAside) {
    const std::vector<std::string> list = KeyCommandValues::DefaultKeyList();
    struct Case {
        const char* code;
        std::string key;
        bool taken;
    } cases[] = {
        {"_107U", adf::MakeKeyText(adf::KeyModifier::Ctrl, "d"), true},
        {"_107D", adf::MakeKeyText(adf::KeyModifier::Ctrl, "d"), false},  // its own key again
        {"_100", adf::MakeKeyText(adf::KeyModifier::Ctrl, "r"), true},    // the default CTRL"r"
        {"_100", adf::MakeKeyText(adf::KeyModifier::Shift, "r"), false},
        {"_102", adf::MakeKeyText(adf::KeyModifier::None, "a"), true},
    };
    for (const Case& c : cases) EXPECT_EQ(adf::KeyTaken(list, c.code, c.key), c.taken) << c.code << " " << c.key;
}

TEST(KeyList, OptionsCarryTheirCaptionsAndTheLettersSkipI) {
    const adf::KeyOption* option = adf::FindKeyOption("_112");
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(adf::KeyOptionCaption(*option, "CTRL \"r\""), "Restart Adventure (CTRL \"r\")");
    EXPECT_EQ(adf::FindKeyOption("_114"), nullptr);
    EXPECT_STREQ(adf::kKeyLetters[8], "e");
    EXPECT_STREQ(adf::kKeyLetters[25], "z");
}

}  // namespace
