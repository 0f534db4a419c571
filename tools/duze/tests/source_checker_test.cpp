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

}  // namespace
