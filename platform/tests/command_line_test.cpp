#include <gtest/gtest.h>

#include "platform/process.h"

namespace platform {
namespace {

TEST(CommandLineTest, SplitsByWindowsRules) {
    using Args = std::vector<std::string>;
    const struct {
        const char* line;
        Args args;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {" -q  Build.txt ", {"-q", "Build.txt"}},
        {"a\tb", {"a", "b"}},
        {"\"C:\\Program Files\\x.txt\" -e", {"C:\\Program Files\\x.txt", "-e"}},
        {"l:C:\\Wx\\a.wx", {"l:C:\\Wx\\a.wx"}},
        {"ab\"c d\"e", {"abc de"}},
        {"\"\"", {""}},
        {"a \"\" b", {"a", "", "b"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"a\\\\\\\"b", {"a\\\"b"}},    // 3 backslashes + quote: one backslash, literal quote
        {"a\\\\\"b c\"", {"a\\b c"}},  // 2 backslashes + quote: one backslash, quote opens
        {"C:\\dir\\ x", {"C:\\dir\\", "x"}},
        {"\"unclosed arg", {"unclosed arg"}},
    };
    for (const auto& test : cases) EXPECT_EQ(SplitCommandLine(test.line), test.args) << test.line;
}

}  // namespace
}  // namespace platform
