// One route point as the flight plan sees it, and the bounded lists of them that the
// flight-plan page keeps: the route as the map view gives it, and the flight plan made
// from it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace trevalo {

inline constexpr int kMaxRouteRecords = 500;
// An altitude of -1 marks an unused record: handed to a list, it ends the list there.
inline constexpr int kUnusedAltitude = -1;

inline constexpr const char* kAirportRecordType = "A";
inline constexpr const char* kProcedureRecordType = "U";

struct RouteRecord {
    int altitude = kUnusedAltitude;  // feet
    std::string ident;               // a user point's contains "USER_EXTRA" or is "USER"
    std::string type;                // "A" airport, "U" procedure point, else the navaid's letter
    std::string latitude;            // angle text, "N047* 27'57.00"
    std::string longitude;
    std::string routeText;   // written after the altitude in waypoint lines
    std::string recordLine;  // the point's database record line
    std::string extra;       // the point's role in the route ("VOR2"); written to no file

    bool IsUsed() const { return altitude != kUnusedAltitude; }
    bool operator==(const RouteRecord&) const = default;
};

// Records from index 0 up to the first unused one, at most kMaxRouteRecords. Every
// access is bounded: what lies outside the list is refused or reads as unused.
class RouteRecordList {
public:
    int Count() const { return static_cast<int>(records_.size()); }
    bool Empty() const { return records_.empty(); }
    bool Full() const { return Count() >= kMaxRouteRecords; }

    // The record at index; an unused record outside the list.
    const RouteRecord& At(int index) const;
    const std::vector<RouteRecord>& Records() const { return records_; }

    // Stores a used record at index (at most one past the end, while there is room) or
    // ends the list at index with an unused one. Anything else does nothing; false then.
    bool Set(int index, RouteRecord record);
    // Inserts before index (0 to Count()); a full list refuses.
    bool Insert(int index, RouteRecord record);
    void Append(RouteRecord record) { Insert(Count(), std::move(record)); }
    void Remove(int index);
    void Clear() { records_.clear(); }

private:
    std::vector<RouteRecord> records_;
};

}  // namespace trevalo
