#include "generation/result_text.h"

#include <gtest/gtest.h>

namespace trevalo {
namespace {

TEST(ResultText, EachMixOfResultsHasItsText) {
    const std::string named =
        "The basic files was created as well as the main adventure file.\nbut these could not "
        "be created: ";
    const std::string access = ".\nPlease ensure you have proper access to all the directories.";
    const struct {
        SituationFiles files;
        std::string text;
    } cases[] = {
        {{true, true, true, true}, kAllCreatedText},
        {{true, false, true, false}, kNoPlanNoWeatherText},
        {{true, true, false, false}, kNoPlanNoWeatherText},
        {{false, false, true, false}, kNothingButBasicsText},
        {{true, true, true, false}, named + "Trip.wx" + access},
        {{true, false, true, true}, named + "Trip.pln" + access},
        {{true, true, false, true}, named + "the GPS route of Trip.flt" + access},
        {{false, true, true, true}, named + "Trip.flt" + access},
        {{false, true, true, false}, named + "Trip.flt, Trip.wx" + access},
    };
    for (const auto& test : cases) EXPECT_EQ(ResultText("Trip", test.files, {}), test.text);
    EXPECT_EQ(ResultText("Trip", {}, {"Trip.flt to C:\\FS2000\\Adv\\Other", "Trip.wx to C:\\FS2000\\Adv\\Other"}),
              std::string(kAllCreatedText) +
                  "\n\nThese files could not be copied:\nTrip.flt to C:\\FS2000\\Adv\\Other\nTrip.wx to "
                  "C:\\FS2000\\Adv\\Other");
}

}  // namespace
}  // namespace trevalo
