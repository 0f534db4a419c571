#include "map/sidstar_runways.h"

#include "map/runway_numbers.h"
#include "platform/text.h"

namespace trevalo {
namespace {

constexpr const char* kDesignatorFormat = "%c%02d";
constexpr const char* kParallelFormat = "L/R%02d";

bool HasParallel(char side) { return side == 'L' || side == 'R'; }

}  // namespace

std::string RunwayDesignator(char side, int number) {
    return platform::Format(kDesignatorFormat, side != 0 ? side : ' ', NormalizeRunwayNumber(number));
}

std::string ParallelRunwayDesignator(int number) {
    return platform::Format(kParallelFormat, NormalizeRunwayNumber(number));
}

std::vector<std::string> RunwayLineDesignators(char side, double heading, double magneticVariation) {
    const RunwayNumbers numbers = RunwayNumbersFor(heading, magneticVariation);
    std::vector<std::string> designators;
    for (const int number : {numbers.endTwo, numbers.endOne}) {
        designators.push_back(RunwayDesignator(side, number));
        if (HasParallel(side)) designators.push_back(ParallelRunwayDesignator(number));
    }
    return designators;
}

std::optional<std::string> ParallelDesignatorOf(const std::string& designator) {
    if (designator.empty() || !HasParallel(designator.front()) || designator.starts_with("L/R")) return std::nullopt;
    return std::string("L/R") + designator.substr(1);
}

}  // namespace trevalo
