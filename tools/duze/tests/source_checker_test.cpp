#include "duze/source_checker.h"

#include <gtest/gtest.h>

namespace {

using duze::CheckSource;

std::string Errors(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& e : CheckSource(lines)) text += std::to_string(e.line) + ": " + e.message + "\n";
    return text;
}

TEST(SourceChecker, SoundSourcePasses) {
    EXPECT_EQ(Errors({
                  "\tDECLARE iCount, dValue\t' counters",
                  "\tGOSUB subRun",
                  "subRun:",
                  "\tif icount = 1 AND DVALUE > .5",
                  "\t\tPRINT \"It's 'quoted'\", iCount",
                  "\tELSEIF iCount = 2",
                  "\t\tWHILE TRUE\t\t'loop",
                  "\t\tENDWHILE",
                  "\tELSE",
                  "\t\tONKEY KV(CTRL \"p\") GOSUB SUBRUN",
                  "\tENDIF",
                  "\tONEXP_CLEAR",
                  "\tONEXP_CLEAR\tsubRun",
                  "\tPERFORMANCE MEDIUM 3",
                  "\tADV_KEYS ADD, KV(SHIFT \"q\")\t\t'Quit KV()",
                  "\tONKEY KV(\"x\") GOSUB subRun",
                  "\tONEXP_TRUE ON_GROUND AND VELOCITY_INDICATED >=120 GOSUB subRun",
                  "\tONEXP_TRUE VELOCITY_INDICATED > VELOCITY_Y GOSUB subRun",
                  "\tGOTO subRun",
                  "RETURN",
              }),
              "");
}

TEST(SourceChecker, EachFaultNamedWithItsLine) {
    struct Case {
        std::vector<std::string> lines;
        std::string errors;
    };
    const Case cases[] = {
        {{"\tIF PLANE_ALT > 5"}, "1: IF not closed\n"},
        {{"\tENDIF"}, "1: ENDIF without IF\n"},
        {{"\tELSE"}, "1: ELSE without IF\n"},
        {{"\tWHILE TRUE", "\tENDIF"}, "1: WHILE not closed\n2: ENDIF without IF\n"},
        {{"\tGOSUB subMissing"}, "1: label subMissing not defined\n"},
        {{"\tONEXP_CLEAR subMissing"}, "1: label subMissing not defined\n"},
        {{"\tONEXP_TRUE ON_GROUND GOSUB subGone"}, "1: label subGone not defined\n"},
        {{"\tdSound_play = ELAPSED_TIME"}, "1: variable dSound_play not declared\n"},
        {{"\tPRINT \"open"}, "1: string not closed\n"},
        {{"subA:", "subA:"}, "2: label subA defined twice\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(Errors(c.lines), c.errors) << c.lines.front();
}

// The statements the generator fills with values: what a definition without the value
// writes is refused.
TEST(SourceChecker, StatementsWithValuesNeedThem) {
    const std::string performance = "PERFORMANCE needs a level (LOW, MEDIUM, HIGH or FRAME) and a number";
    const std::string key = "KV needs a key: KV(CTRL \"k\")";
    const std::string speed = "VELOCITY_INDICATED must be compared with a positive speed";
    struct Case {
        const char* line;
        std::string error;  // empty: accepted
    };
    const Case cases[] = {
        {"\tPERFORMANCE HIGH 5", ""},
        {"\tPERFORMANCE Frame 25", ""},
        {"\tPERFORMANCE DEFAULT ", performance},
        {"\tPERFORMANCE HIGH ", performance},
        {"\tPERFORMANCE HIGH -1", performance},
        {"\tPERFORMANCE HIGH 5x", performance},
        {"\tONKEY KV(CTRL \"p\") GOSUB subA", ""},
        {"\tONKEY KV() GOSUB subA", key},
        {"\tONKEY KV(CTRL) GOSUB subA", key},
        {"\tADV_KEYS ADD, KV(\"\")", key},
        {"\tONEXP_TRUE VELOCITY_INDICATED >=55 GOSUB subA", ""},
        {"\tONEXP_TRUE ON_GROUND AND VELOCITY_INDICATED >=-1 GOSUB subA", speed},
        {"\tONEXP_TRUE VELOCITY_INDICATED >= 0 GOSUB subA", speed},
        {"\tONEXP_TRUE ON_GROUND AND VELOCITY_INDICATED >= GOSUB subA", speed},
        {"\tIF VELOCITY_INDICATED > 255", "IF not closed"},
    };
    for (const Case& c : cases) {
        const std::string errors = Errors({"subA:", c.line});
        EXPECT_EQ(errors, c.error.empty() ? "" : "2: " + c.error + "\n") << c.line;
    }
}

}  // namespace
