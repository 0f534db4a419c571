#include "gathrel/listings_merge.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <unordered_set>
#include <vector>

#include "gathrel/line_sort.h"
#include "gathrel/position_text.h"
#include "navdata/record_lines.h"
#include "platform/numbers.h"
#include "platform/text.h"

namespace gathrel {

namespace {

constexpr std::string_view kHeaderMark = " - ";
constexpr std::string_view kCityMark = ", ";
constexpr std::size_t kTypeLength = 3;
constexpr std::size_t kNavaidFields = 6;  // type, ident, frequency, latitude, longitude, elevation
// Title, ident, elevation, latitude, longitude, then the ATIS frequency to the end.
constexpr std::size_t kAtisField = 5;
// Heading, length, surface, ILS frequency, then the ILS ident to the end.
constexpr std::size_t kIlsIdentField = 4;

bool Holds(std::string_view line, std::string_view word) { return line.find(word) != std::string_view::npos; }

std::vector<std::string> TabFields(std::string_view line) {
    std::vector<std::string> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(platform::Trimmed(line.substr(0, tab)));
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

bool IsTypeWord(const std::string& type) {
    return type.size() == kTypeLength &&
           std::all_of(type.begin(), type.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
}

std::optional<std::string> AngleText(const std::string& text, Axis axis) {
    const auto degrees = ReadPositionText(text, axis);
    if (!degrees) return std::nullopt;
    return PositionAngleText(*degrees, axis);
}

// Lines of a listing, LF or CR LF, with the byte offset after each.
template <class Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
    std::size_t offset = 0;
    while (offset < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', offset), bytes.size());
        std::string_view line = bytes.substr(offset, end - offset);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        offset = end + 1;
        visit(line, std::min(offset, bytes.size()));
    }
}

class Merger {
public:
    Merger(BuilderDatabase& database, std::size_t totalBytes, ScanProgress& progress)
        : database_(database), total_(totalBytes), progress_(progress) {
        known_.insert(database.navaidLines.begin(), database.navaidLines.end());
        known_.insert(database.airportLines.begin(), database.airportLines.end());
    }

    void ReadNavaids(std::string_view listing) {
        progress_.SetStatus("Reading Data");
        ForEachLine(listing, [&](std::string_view line, std::size_t offset) {
            NavaidLine(line);
            progress_.SetProgress(offset, total_);
        });
        done_ = listing.size();
    }

    void ReadAirports(std::string_view listing) {
        progress_.SetStatus("Reading Data");
        ForEachLine(listing, [&](std::string_view line, std::size_t offset) {
            AirportLine(line);
            progress_.SetProgress(done_ + offset, total_);
        });
    }

    MergeCounts counts;

private:
    void NavaidLine(std::string_view line) {
        if (platform::Trimmed(line).empty()) return;
        if (const std::size_t mark = line.find(kHeaderMark); mark != std::string_view::npos) {
            navaidCountry_ = platform::Trimmed(line.substr(0, mark));
            navaidName_ = platform::Trimmed(line.substr(mark + kHeaderMark.size()));
            if (database_.AddCountry(navaidCountry_)) ++counts.countriesAdded;
            progress_.SetStatus(navaidCountry_);
            return;
        }
        if (Holds(line, "Type") && Holds(line, "ID")) return;
        const std::vector<std::string> fields = TabFields(line);
        const auto latitude = fields.size() >= kNavaidFields ? AngleText(fields[3], Axis::Latitude) : std::nullopt;
        const auto longitude = fields.size() >= kNavaidFields ? AngleText(fields[4], Axis::Longitude) : std::nullopt;
        const auto frequency = fields.size() >= kNavaidFields ? platform::ParseDouble(fields[2]) : std::nullopt;
        if (!latitude || !longitude || !frequency || !IsTypeWord(fields[0])) {
            ++counts.linesLeftOut;
            return;
        }
        const std::string record =
            navdata::ComposeNavaidLine({navaidCountry_, fields[0], fields[1], *frequency, *latitude, *longitude,
                                        platform::LeadingInt(fields.back()), navaidName_}) +
            '\n';
        if (Add(database_.navaidLines, record)) ++counts.navaidsAdded;
    }

    void AirportLine(std::string_view line) {
        if (platform::Trimmed(line).empty()) return;
        if (const std::size_t mark = line.find(kHeaderMark); mark != std::string_view::npos) {
            AirportHeader(line, mark);
            return;
        }
        if (Holds(line, "ID") && Holds(line, "Elevation")) {
            AirportValues(line);
            return;
        }
        if (Holds(line, "Runway") && Holds(line, "Length") && Holds(line, "Surface")) return;
        Runway(line);
    }

    void AirportHeader(std::string_view line, std::size_t mark) {
        const std::string_view place = line.substr(0, mark);
        const std::size_t comma = place.find(kCityMark);
        airport_ = navdata::AirportLineTexts{};
        haveValues_ = false;
        airport_.city = comma == std::string_view::npos ? std::string() : platform::Trimmed(place.substr(0, comma));
        airport_.country =
            platform::Trimmed(comma == std::string_view::npos ? place : place.substr(comma + kCityMark.size()));
        airport_.name = platform::Trimmed(line.substr(mark + kHeaderMark.size()));
        progress_.SetStatus(airport_.country);
    }

    void AirportValues(std::string_view line) {
        const std::vector<std::string> fields = TabFields(line);
        const auto latitude = fields.size() >= kAtisField ? AngleText(fields[3], Axis::Latitude) : std::nullopt;
        const auto longitude = fields.size() >= kAtisField ? AngleText(fields[4], Axis::Longitude) : std::nullopt;
        if (!latitude || !longitude) {
            haveValues_ = false;
            ++counts.linesLeftOut;
            return;
        }
        airport_.ident = fields[1];
        airport_.elevation = fields[2];
        airport_.latitude = *latitude;
        airport_.longitude = *longitude;
        // The ATIS field runs to the end of the line.
        std::string atis;
        for (std::size_t i = kAtisField; i < fields.size(); ++i) atis += fields[i];
        airport_.atisFrequency = atis;
        haveValues_ = true;
    }

    void Runway(std::string_view line) {
        const std::vector<std::string> fields = TabFields(line);
        if (!haveValues_ || fields.size() < kIlsIdentField) {
            ++counts.linesLeftOut;
            return;
        }
        navdata::AirportLineTexts runway = airport_;
        runway.runwayHeading = fields[0];
        runway.runwayLength = fields[1];
        runway.surface = fields[2];
        runway.ilsFrequency = fields[3];
        for (std::size_t i = kIlsIdentField; i < fields.size(); ++i) runway.ilsIdent += fields[i];
        if (Add(database_.airportLines, navdata::ComposeAirportLine(runway) + '\n')) ++counts.airportsAdded;
    }

    bool Add(std::vector<std::string>& lines, std::string record) {
        if (!known_.insert(record).second) return false;
        lines.push_back(std::move(record));
        return true;
    }

    BuilderDatabase& database_;
    std::size_t total_;
    std::size_t done_ = 0;
    ScanProgress& progress_;
    std::unordered_set<std::string> known_;
    std::string navaidCountry_;
    std::string navaidName_;
    navdata::AirportLineTexts airport_;
    bool haveValues_ = false;
};

// The sorts' swaps on the status line: the first, one in every so many (a text for each
// would cost more than the sort), and the last.
class SwapStatus {
public:
    explicit SwapStatus(ScanProgress& progress) : progress_(progress) {}

    void Swap(std::string_view smaller, std::string_view greater) {
        smaller_.assign(smaller);
        greater_.assign(greater);
        if (swaps_++ % kShownEvery == 0) ShowLast();
    }

    void ShowLast() {
        if (swaps_ > 0) progress_.SetStatusLine(platform::Format("Swap %s - %s", smaller_.c_str(), greater_.c_str()));
    }

private:
    static constexpr std::size_t kShownEvery = 4096;
    ScanProgress& progress_;
    std::size_t swaps_ = 0;
    std::string smaller_;
    std::string greater_;
};

}  // namespace

MergeCounts MergeListings(BuilderDatabase& database, std::string_view navaidListing, std::string_view airportListing,
                          ScanProgress& progress) {
    Merger merger(database, navaidListing.size() + airportListing.size(), progress);
    merger.ReadNavaids(navaidListing);
    merger.ReadAirports(airportListing);
    if (merger.counts.navaidsAdded + merger.counts.airportsAdded + merger.counts.countriesAdded > 0) {
        database.unsaved = true;
    }
    return merger.counts;
}

void SortBuilderDatabase(BuilderDatabase& database, ScanProgress& progress) {
    SwapStatus swaps(progress);
    const SwapObserver onSwap = [&](std::string_view smaller, std::string_view greater) {
        swaps.Swap(smaller, greater);
    };
    SortLinesByKey(database.airportLines, onSwap);
    SortByKey(
        database.countries, [](const navdata::CountryEntry& entry) { return SortKey(entry.name); }, onSwap);
    SortLinesByKey(database.navaidLines, onSwap);
    swaps.ShowLast();
}

}  // namespace gathrel
