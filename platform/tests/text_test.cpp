#include "platform/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, FormatsTrimsAndChangesCase) {
    EXPECT_EQ(platform::Format("%s%03d*%3d", "N", 47, 5), "N047*  5");
    EXPECT_EQ(platform::Format("%s", ""), "");
    const std::string longText(5000, 'x');
    EXPECT_EQ(platform::Format("[%s]", longText.c_str()).size(), 5002u);

    struct Case {
        const char* text;
        const char* trimmed;
    };
    const Case cases[] = {{"  a b \t\r\n", "a b"}, {"", ""}, {" \t ", ""}, {"x", "x"}};
    for (const auto& c : cases) EXPECT_EQ(platform::Trimmed(c.text), c.trimmed) << c.text;

    EXPECT_EQ(platform::UpperCased("Edfa 07l"), "EDFA 07L");
    EXPECT_EQ(platform::LowerCased("SUMMER"), "summer");
}

}  // namespace
