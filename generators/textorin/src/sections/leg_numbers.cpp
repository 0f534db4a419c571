#include "leg_numbers.h"

namespace textorin {
namespace {

constexpr double kLowestAtis = 118.0;
constexpr double kAboveHighestAtis = 137.0;

}  // namespace

NavaidCounts FirstNavaidNumbers(const GenerationRun& run, size_t leg) {
    NavaidCounts first{1, 1, 1};
    for (size_t earlier = 1; earlier < leg; earlier += 2) {
        NavaidCounts counts = run.route.CountLegNavaids(earlier);
        first.vor1 += counts.vor1;
        first.vor2 += counts.vor2;
        first.ndb += counts.ndb;
    }
    return first;
}

bool IsAtisFrequency(double megahertz) { return megahertz >= kLowestAtis && megahertz < kAboveHighestAtis; }

}  // namespace textorin
