// Feeds arbitrary text to the nav.dat reader, takes what it reads into a world of one
// airport and composes every line from it; each line must have its record's width.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "nav_dat.h"
#include "navaid_lines.h"
#include "navaid_world.h"
#include "navdata/line_widths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fsinstall::SceneryContent world;
    fsinstall::Airport& airport = world.airports.emplace_back();
    airport.ident = "ZQLA";
    airport.runways.resize(2);
    airport.runways[1].heading = 90.0;
    demodata::AddNavaids(demodata::ReadNavDat(text).records, world);
    for (const fsinstall::Ndb& ndb : world.ndbs)
        if (demodata::NavaidLine(ndb).size() != navdata::kNavaidLineWidth) std::abort();
    for (const fsinstall::Vor& vor : world.vors)
        if (demodata::NavaidLine(vor).size() != navdata::kNavaidLineWidth) std::abort();
    for (const fsinstall::Runway& runway : airport.runways)
        for (const fsinstall::Ils& ils : runway.ils)
            if (demodata::IlsLine(airport, runway, ils).size() != navdata::kIlsLineWidth) std::abort();
    return 0;
}
