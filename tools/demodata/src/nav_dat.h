// The nav.dat navaid file (810 format): one radio navaid a line, its fields parted by
// blanks: row code, latitude, longitude, elevation in feet, frequency, range in NM, a
// value of the row's own (a VOR's slaved variation, a localizer's true course), ident,
// then for the parts of an ILS (rows 4 to 9) the airport's ident and the runway, and
// last the name, which may hold blanks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace demodata {

enum class NavDatRow {
    Ndb = 2,
    Vor = 3,             // VOR, VOR-DME and VORTAC
    IlsLocalizer = 4,    // the localizer of an ILS with its glide slope
    LocalizerAlone = 5,  // LOC, LDA and SDF
    GlideSlope = 6,
    OuterMarker = 7,
    MiddleMarker = 8,
    InnerMarker = 9,
    DmeOfIls = 12,  // a DME tuned with an ILS or a VOR
    Dme = 13,       // a DME or TACAN of its own, or one beside a VOR or NDB
};

struct NavDatRecord {
    NavDatRow row = NavDatRow::Ndb;
    double latitude = 0.0;
    double longitude = 0.0;  // east positive
    int elevationFeet = 0;
    int frequency = 0;  // kHz for an NDB; hundredths of a MHz otherwise (11670 is 116.70 MHz)
    int rangeNm = 0;
    double value = 0.0;  // VOR: slaved variation, east positive; localizer: true course
    std::string ident;
    std::string airport;  // rows 4 to 9
    std::string runway;   // rows 4 to 9, such as "27R"
    std::string name;     // UTF-8
};

// Lines passed over, by why; none of them stops the reading.
struct NavDatSkipped {
    std::size_t fileLines = 0;    // the file's origin ("I" or "A") and version lines and its "99" end
    std::size_t shortLines = 0;   // fewer fields than the row has
    std::size_t badNumbers = 0;   // a row code or number that is none, or a position off the globe
    std::size_t unknownRows = 0;  // a row code of no navaid
    std::size_t Total() const { return fileLines + shortLines + badNumbers + unknownRows; }
};

struct NavDatFile {
    std::vector<NavDatRecord> records;  // in file order
    NavDatSkipped skipped;
};

// The file's records; lines that are no record are skipped and counted, blank lines
// are passed over. Lines may end in CR LF or LF.
NavDatFile ReadNavDat(std::string_view text);

}  // namespace demodata
