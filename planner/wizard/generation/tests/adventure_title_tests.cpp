#include "generation/adventure_title.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(AdventureTitle, TitlesThatNameAFolderOfTheirOwn) {
    const struct {
        const char* title;
        const char* rule;  // a piece of the message; null: accepted
    } cases[] = {
        {"Seattle Hop", nullptr},
        {"123456789012345678901234567", nullptr},  // 27 characters
        {"Con Air", nullptr},
        {"Wave", nullptr},
        {"", "You must enter the Title"},
        {"1234567890123456789012345678", "cannot be more than 27 characters"},
        {".", "end with a blank or a dot"},
        {"..", "end with a blank or a dot"},
        {"Trip.", "end with a blank or a dot"},
        {"Trip ", "end with a blank or a dot"},
        {"a\\b", "may not hold any of the characters"},
        {"a/b", "may not hold any of the characters"},
        {"C:x", "may not hold any of the characters"},
        {"Trip*", "may not hold any of the characters"},
        {"Trip?", "may not hold any of the characters"},
        {"a<b>c", "may not hold any of the characters"},
        {"tab\there", "may not hold any of the characters"},
        {"CON", "kept for a device"},
        {"nul.txt", "kept for a device"},
        {"Com1", "kept for a device"},
        {"LPT9", "kept for a device"},
        {"Wav", "folders of the suite's own files"},
        {"SIDSTAR", "folders of the suite's own files"},
        {"map", "folders of the suite's own files"},
    };
    for (const auto& test : cases) {
        const auto refusal = TitleRefusal(test.title);
        if (test.rule == nullptr) {
            EXPECT_FALSE(refusal.has_value()) << test.title << ": " << *refusal;
        } else {
            ASSERT_TRUE(refusal.has_value()) << test.title;
            EXPECT_NE(refusal->find(test.rule), std::string::npos) << test.title << ": " << *refusal;
        }
    }
    EXPECT_EQ(TitleRefusal(""), kTitleMissingMessage);
    EXPECT_EQ(TitleRefusal(std::string(28, 'a')), kTitleTooLongMessage);
}

}  // namespace
}  // namespace trevalo
