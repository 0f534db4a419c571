#include "gathrel/replace_question.h"

#include <gtest/gtest.h>

namespace gathrel {
namespace {

struct QuestionCase {
    const char* what;
    DatabaseCounts held;
    DatabaseCounts found;
    const char* question;
};

TEST(ReplaceQuestion, NamesEachDatabaseThatHoldsRecordsWithBothCounts) {
    const QuestionCase cases[] = {
        {"nothing held", {0, 0, 0, 0}, {4, 10, 1, 2}, ""},
        {"airports alone",
         {37649, 0, 0, 0},
         {4, 10, 1, 2},
         "Airport.nav holds 37649 airports; the scan found 4. Replace it?"},
        {"one of each word",
         {0, 1, 1, 0},
         {0, 0, 1, 0},
         "Navaids.nav holds 1 navaid; the scan found 0.\nIls.nav holds 1 ILS; the scan found 1.\nReplace them?"},
        {"all four",
         {37649, 9000, 300, 245},
         {4, 12, 1, 3},
         "Airport.nav holds 37649 airports; the scan found 4.\n"
         "Navaids.nav holds 9000 navaids; the scan found 12.\n"
         "Ils.nav holds 300 ILS; the scan found 1.\n"
         "Country.nav holds 245 countries; the scan found 3.\n"
         "Replace them?"},
        {"a country alone", {0, 0, 0, 1}, {4, 0, 0, 2}, "Country.nav holds 1 country; the scan found 2. Replace it?"},
    };
    for (const QuestionCase& c : cases) EXPECT_EQ(ReplaceQuestion(c.held, c.found), c.question) << c.what;
}

}  // namespace
}  // namespace gathrel
