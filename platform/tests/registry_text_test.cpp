#include "platform/detail/registry_text.h"

#include <gtest/gtest.h>

namespace platform::detail {
namespace {

constexpr const char* kFilesKey = "HKEY_CURRENT_USER\\Software\\Quillet Applications\\Quillet\\Files";

TEST(RegistryTextTest, FormatsTheRegeditLayout) {
    RegistryDocument document;
    RegistryKey& key = document.FindOrAdd(kFilesKey);
    key.Set({"Directory", RegistryValue::Kind::String, "C:\\Quillet\\", 0});
    key.Set({"Quote", RegistryValue::Kind::String, "say \"hi\"", 0});
    key.Set({"CheckDay", RegistryValue::Kind::Dword, "", 30});
    EXPECT_EQ(FormatRegistryText(document),
              "REGEDIT4\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Quillet Applications\\Quillet\\Files]\r\n"
              "\"Directory\"=\"C:\\\\Quillet\\\\\"\r\n"
              "\"Quote\"=\"say \\\"hi\\\"\"\r\n"
              "\"CheckDay\"=dword:0000001e\r\n");
}

TEST(RegistryTextTest, ParsesWhatItFormats) {
    RegistryDocument document;
    document.FindOrAdd("HKEY_CURRENT_USER\\A").Set({"s", RegistryValue::Kind::String, "a\\b\"c", 0});
    document.FindOrAdd("HKEY_CURRENT_USER\\B").Set({"d", RegistryValue::Kind::Dword, "", 0xffffffffu});
    document.FindOrAdd("HKEY_CURRENT_USER\\B").Set({"empty", RegistryValue::Kind::String, "", 0});
    const ParsedRegistry parsed = ParseRegistryText(FormatRegistryText(document));
    EXPECT_TRUE(parsed.complete);
    EXPECT_EQ(parsed.document, document);
}

TEST(RegistryTextTest, MergesKeysAndValuesWithoutRegardToCase) {
    const ParsedRegistry parsed = ParseRegistryText(
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Files]\n\"Airport\"=\"a\"\n"
        "[HKEY_CURRENT_USER\\FILES]\n\"AIRPORT\"=\"b\"\n\"Navaids\"=dword:1\n");
    ASSERT_TRUE(parsed.complete);
    ASSERT_EQ(parsed.document.keys.size(), 1u);
    const RegistryKey& key = parsed.document.keys[0];
    EXPECT_EQ(key.path, "HKEY_CURRENT_USER\\Files");
    ASSERT_EQ(key.values.size(), 2u);
    EXPECT_EQ(key.values[0].name, "Airport");
    EXPECT_EQ(key.values[0].text, "b");
    EXPECT_EQ(key.Find("navaids")->dword, 1u);
}

TEST(RegistryTextTest, DamagedLinesAreSkippedAndKept) {
    const char* good = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"a\"=\"1\"\r\n";
    const struct {
        const char* tail;
        bool sound;
        const char* why;
    } cases[] = {
        {"\"b\"=\"unterminated", false, "file cut inside a string"},
        {"\"b\"=dword:0000", true, "fewer than 8 digits are read"},
        {"\"b\"=dword:", false, "no digits"},
        {"\"b\"=dword:123456789", false, "too many digits"},
        {"\"b\"=dword:zz", false, "not hex"},
        {"\"b\"=\"x\\q\"", false, "unknown escape"},
        {"\"b\"=\"x\" junk", false, "text after the value"},
        {"garbage", false, "not a line of the format"},
        {"[HKEY_CURRENT_USER\\Cut", false, "key line cut"},
    };
    for (const auto& test : cases) {
        const ParsedRegistry parsed = ParseRegistryText(std::string(good) + test.tail + "\r\n\"c\"=\"3\"\r\n");
        SCOPED_TRACE(test.why);
        ASSERT_EQ(parsed.document.keys.size(), 1u);
        const RegistryKey& key = parsed.document.keys[0];
        EXPECT_EQ(key.Find("a")->text, "1");
        EXPECT_EQ(parsed.complete, test.sound);
        // What comes after a bad line is read all the same.
        ASSERT_NE(key.Find("c"), nullptr);
        EXPECT_EQ(key.Find("c")->text, "3");
        if (!test.sound) {
            EXPECT_EQ(key.otherLines, std::vector<std::string>{test.tail});
            EXPECT_NE(FormatRegistryText(parsed.document).find(std::string(test.tail) + "\r\n"), std::string::npos);
        }
    }
    const ParsedRegistry noHeader = ParseRegistryText("\"a\"=\"1\"\n[HKEY_CURRENT_USER\\K]\n\"b\"=\"2\"\n");
    EXPECT_FALSE(noHeader.complete);
    EXPECT_EQ(noHeader.document.otherLines, std::vector<std::string>{"\"a\"=\"1\""});  // value before any key
    EXPECT_EQ(noHeader.document.Find("HKEY_CURRENT_USER\\K")->Find("b")->text, "2");
    EXPECT_EQ(ParseRegistryText(FormatRegistryText(noHeader.document)).document, noHeader.document);
    EXPECT_TRUE(ParseRegistryText("").complete);
}

}  // namespace
}  // namespace platform::detail
