#include "navaid_world.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <unordered_map>

#include "scenrix/scenery_layout.h"
#include "single_byte_text.h"

namespace demodata {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNmPerDegree = 60.0;
// A DME this near a VOR of its ident is the VOR's own.
constexpr double kSamePlaceNm = 1.0;
// How far a localizer's course may lie from its runway's heading (offset localizers
// and headings of other years included).
constexpr double kCourseToleranceDegrees = 10.0;
// NDBs from the long-wave band to the top of the medium-wave band, in kHz.
constexpr int kLowestNdb = 100;
constexpr int kHighestNdb = 1799;
// VHF navaids, in hundredths of a MHz: from 108.00 MHz, 200 channels of 50 kHz, which
// the scenery's VOR section counts; its ILS records hold any frequency of the band.
constexpr int kLowestVhf = 10800;
constexpr int kVhfStep = 5;
constexpr int kVhfChannels = 200;
constexpr int kVhfBandEnd = kLowestVhf + kVhfChannels * kVhfStep;

double Radians(double degrees) { return degrees * kPi / 180.0; }

struct Offset {
    double east = 0.0, north = 0.0;  // NM
};

// b as seen from a on a plane about a, good for the few miles of an airport.
Offset OffsetOf(double latitudeA, double longitudeA, double latitudeB, double longitudeB) {
    double dLongitude = std::remainder(longitudeB - longitudeA, 360.0);
    return {dLongitude * std::cos(Radians(latitudeA)) * kNmPerDegree, (latitudeB - latitudeA) * kNmPerDegree};
}

double DistanceNm(const NavDatRecord& a, const NavDatRecord& b) {
    const Offset o = OffsetOf(a.latitude, a.longitude, b.latitude, b.longitude);
    return std::hypot(o.east, o.north);
}

// Difference of two headings taken round 360, from 0 to 180.
double HeadingDistance(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

std::optional<int> VhfChannel(int frequency) {
    const int above = frequency - kLowestVhf;
    if (above < 0 || above % kVhfStep != 0 || above / kVhfStep >= kVhfChannels) return std::nullopt;
    return above / kVhfStep;
}

bool InVhfBand(int frequency) { return frequency >= kLowestVhf && frequency < kVhfBandEnd; }

double Megahertz(int frequency) { return frequency / 100.0; }

double Metres(int feet) { return feet / scenrix::scenery::kFeetPerMetre; }

fsinstall::Ndb MakeNdb(const NavDatRecord& r) {
    return {Latin1(r.ident), Latin1(r.name), static_cast<double>(r.frequency),
            r.latitude,      r.longitude,    Metres(r.elevationFeet)};
}

fsinstall::Vor MakeVor(const NavDatRecord& r, int channel) {
    return {fsinstall::VorKind::Vor, Latin1(r.ident), Latin1(r.name), channel, r.latitude, r.longitude,
            Metres(r.elevationFeet)};
}

bool IsDme(NavDatRow row) { return row == NavDatRow::DmeOfIls || row == NavDatRow::Dme; }
bool IsLocalizer(NavDatRow row) { return row == NavDatRow::IlsLocalizer || row == NavDatRow::LocalizerAlone; }

class LocalizerJoin {
public:
    explicit LocalizerJoin(std::vector<fsinstall::Airport>& airports) {
        for (fsinstall::Airport& airport : airports) byIdent_.emplace(airport.ident, &airport);
    }

    // The runway the localizer lies along, or nullptr with the reason counted.
    fsinstall::Runway* RunwayOf(const NavDatRecord& localizer, NavaidWorldCounts& counts) const {
        const auto found = byIdent_.find(localizer.airport);
        if (found == byIdent_.end()) {
            ++counts.ilsWithoutAirport;
            return nullptr;
        }
        fsinstall::Runway* best = nullptr;
        double bestAcross = 0.0;
        for (fsinstall::Runway& runway : found->second->runways) {
            const double off = std::min(HeadingDistance(localizer.value, runway.heading),
                                        HeadingDistance(localizer.value, runway.heading + 180.0));
            if (off > kCourseToleranceDegrees) continue;
            const double across = AcrossCentreLine(localizer, runway);
            if (best == nullptr || across < bestAcross) {
                best = &runway;
                bestAcross = across;
            }
        }
        if (best == nullptr) ++counts.ilsWithoutRunway;
        return best;
    }

private:
    // How far the localizer lies off the runway's centre line, extended, in NM.
    static double AcrossCentreLine(const NavDatRecord& localizer, const fsinstall::Runway& runway) {
        const Offset o = OffsetOf(runway.latitude, runway.longitude, localizer.latitude, localizer.longitude);
        const double heading = Radians(runway.heading);
        return std::fabs(o.east * std::cos(heading) - o.north * std::sin(heading));
    }

    std::unordered_map<std::string, fsinstall::Airport*> byIdent_;
};

fsinstall::Ils MakeIls(const NavDatRecord& r) {
    const auto kind =
        r.row == NavDatRow::IlsLocalizer ? fsinstall::IlsKind::WithGlideSlope : fsinstall::IlsKind::LocalizerAlone;
    return {kind, Latin1(r.ident), Megahertz(r.frequency), r.latitude, r.longitude, r.value};
}

}  // namespace

NavaidWorldCounts AddNavaids(const std::vector<NavDatRecord>& records, fsinstall::SceneryContent& world) {
    NavaidWorldCounts counts;
    std::multimap<std::string, const NavDatRecord*> vorsByIdent;
    for (const NavDatRecord& r : records)
        if (r.row == NavDatRow::Vor) vorsByIdent.emplace(r.ident, &r);
    const LocalizerJoin join(world.airports);
    for (const NavDatRecord& r : records) {
        if (r.row == NavDatRow::Ndb) {
            if (r.frequency < kLowestNdb || r.frequency > kHighestNdb) {
                ++counts.offBand;
                continue;
            }
            world.ndbs.push_back(MakeNdb(r));
            ++counts.ndbs;
        } else if (r.row == NavDatRow::Vor) {
            const std::optional<int> channel = VhfChannel(r.frequency);
            if (!channel) {
                ++counts.offBand;
                continue;
            }
            world.vors.push_back(MakeVor(r, *channel));
            ++counts.vors;
        } else if (IsDme(r.row)) {
            const auto [first, last] = vorsByIdent.equal_range(r.ident);
            bool atVor = false;
            for (auto v = first; v != last && !atVor; ++v) atVor = DistanceNm(r, *v->second) <= kSamePlaceNm;
            ++(atVor ? counts.dmesOfVors : counts.otherDmes);
        } else if (IsLocalizer(r.row)) {
            if (!InVhfBand(r.frequency)) {
                ++counts.offBand;
                continue;
            }
            if (fsinstall::Runway* runway = join.RunwayOf(r, counts)) {
                const fsinstall::Ils ils = MakeIls(r);
                if (std::find(runway->ils.begin(), runway->ils.end(), ils) != runway->ils.end()) {
                    ++counts.ilsRepeated;
                    continue;
                }
                runway->ils.push_back(ils);
                ++counts.ils;
            }
        } else {
            ++counts.ilsParts;
        }
    }
    return counts;
}

}  // namespace demodata
