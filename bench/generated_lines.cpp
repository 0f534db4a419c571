#include "generated_lines.h"

#include "navdata_testing/scenery_lines.h"

namespace bench {
namespace {

void Append(LineBlock& block, const std::string& line) {
    block.starts.push_back(block.bytes.size());
    block.bytes += line;
    block.bytes += '\0';
}

std::string Ident(const char* prefix, std::size_t i) { return prefix + std::to_string(i); }

}  // namespace

LineBlock GenerateAirportLines(std::size_t count) {
    static const char* const kHeadings[] = {"90.0", "270.0", "09L", "27R", "180.0", "36"};
    static const char kSides[] = {'L', 'R', 'C', 'H', 0};
    LineBlock block;
    for (std::size_t i = 0; i < count; ++i) {
        navdata::testing::AirportFields f;
        f.ident = Ident("K", i);
        f.name = Ident("Airport ", i);
        f.elevation = static_cast<double>(i % 9000) + 0.5;
        f.runwayHeading = kHeadings[i % std::size(kHeadings)];
        f.runwayLength = static_cast<int>(2000 + i % 10000);
        f.atisFrequency = i % 3 == 0 ? 0.0 : 118.0 + static_cast<double>(i % 100) * 0.025;
        f.ilsFrequency = i % 2 == 0 ? 0.0 : 108.1 + static_cast<double>(i % 40) * 0.05;
        f.side = kSides[i % std::size(kSides)];
        f.magneticVariation = static_cast<double>(i % 41) - 20.0;
        Append(block, navdata::testing::SceneryAirportLine(f));
    }
    return block;
}

LineBlock GenerateNavaidLines(std::size_t count) {
    static const char* const kTypes[] = {"VOR", "NDB", "ILS", "GPS"};
    LineBlock block;
    for (std::size_t i = 0; i < count; ++i) {
        navdata::testing::NavaidFields f;
        f.type = kTypes[i % std::size(kTypes)];
        f.ident = Ident("N", i % 100000);
        f.name = Ident("NAVAID ", i);
        f.frequency = f.type == std::string("NDB") ? 200.0 + static_cast<double>(i % 300)
                                                   : 108.0 + static_cast<double>(i % 200) * 0.05;
        f.elevation = static_cast<int>(i % 5000);
        if (f.type == std::string("GPS")) {
            f.frequency = 0;
            f.elevation = 0;
        }
        Append(block, navdata::testing::SceneryNavaidLine(f));
    }
    return block;
}

}  // namespace bench
