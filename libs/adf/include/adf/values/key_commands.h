// The key-commands page's values: the ATC and co-pilot options and the key list, one
// entry per key code in use, each the code, a tab and the key ("_100\tCTRL \"p\"").
#pragma once

#include <string>
#include <vector>

namespace adf {

struct KeyCommandValues {
    int alwaysGivePosition = 1;  // key option "_100"
    int atcAlwaysContact = 1;
    int atcHelp = 0;  // key option "_102"
    int showWhenWrong = 1;
    int holdingPatterns = 0;
    int landingEmergency = 0;
    int warningsAndAdvice = 0;  // key option "_106"
    int courseChange = 0;       // key option "_108"
    int missedLanding = 0;
    int coPilotLands = 0;
    int pushBack = 1;    // key option "_111"
    int descend200 = 1;  // key option "_107D"
    int climb200 = 1;    // key option "_107U"
    int restart = 1;     // key option "_112"
    int quit = 1;        // key option "_113"
    int coPilotVSpeeds = 1;
    std::string holdingText{};
    std::string helpText{};
    std::vector<std::string> keyList = DefaultKeyList();

    static std::vector<std::string> DefaultKeyList() {
        return {"_100\tCTRL \"p\"", "_107U\tCTRL \"u\"", "_107D\tCTRL \"d\"",
                "_111\t\"a\"",      "_112\tCTRL\"r\"",   "_113\tCTRL\"q\""};
    }

    bool operator==(const KeyCommandValues&) const = default;
};

}  // namespace adf
