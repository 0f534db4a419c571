#include "demodata/world_source.h"

#include "fsinstall/airport_database.h"
#include "magnetic_variation.h"
#include "nav_dat.h"
#include "navaid_world.h"
#include "platform/files.h"
#include "platform/text.h"
#include "single_byte_text.h"

namespace demodata {

namespace {

void FoldTexts(std::vector<fsinstall::Airport>& airports) {
    for (fsinstall::Airport& airport : airports) {
        airport.city = Latin1(airport.city);
        airport.country = Latin1(airport.country);
        airport.name = Latin1(airport.name);
    }
}

std::string Summary(const NavaidWorldCounts& taken, const NavDatSkipped& skipped) {
    return platform::Format(
        "%zu NDBs, %zu VORs and %zu ILS; left out: %zu DMEs and TACANs of VORs (their VOR's), %zu other DMEs and "
        "TACANs, %zu ILS whose airport is not in the demo, %zu ILS along none of their airport's runways, %zu ILS "
        "given twice, %zu glide slopes and markers, %zu navaids off their band; %zu lines no navaid (%zu of the "
        "file's own, %zu short, %zu with bad numbers, %zu of unknown rows)",
        taken.ndbs, taken.vors, taken.ils, taken.dmesOfVors, taken.otherDmes, taken.ilsWithoutAirport,
        taken.ilsWithoutRunway, taken.ilsRepeated, taken.ilsParts, taken.offBand, skipped.Total(), skipped.fileLines,
        skipped.shortLines, skipped.badNumbers, skipped.unknownRows);
}

}  // namespace

std::optional<DemoWorld> ReadDemoWorld(const DemoWorldSources& sources, std::string& error) {
    auto airports = fsinstall::ReadAirportDatabase(sources.airportDatabase, sources.everyAirport);
    const auto designations = ReadRunwayDesignations(sources.airportDatabase);
    if (!airports || !designations) {
        error = "cannot read the airport database " + sources.airportDatabase;
        return std::nullopt;
    }
    SetMagneticVariations(*airports, *designations);
    FoldTexts(*airports);
    DemoWorld world;
    world.content.airports = std::move(*airports);
    if (sources.navaidFile.empty()) return world;
    std::string text;
    if (!platform::ReadHostFileBytes(sources.navaidFile, text)) {
        error = "cannot read the navaid file " + sources.navaidFile;
        return std::nullopt;
    }
    const NavDatFile file = ReadNavDat(text);
    world.navaidSummary = Summary(AddNavaids(file.records, world.content), file.skipped);
    return world;
}

}  // namespace demodata
