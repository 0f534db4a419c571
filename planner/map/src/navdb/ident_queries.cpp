// Queries of the loaded record lists by ident.
#include "map/nav_database.h"
#include "platform/text.h"

namespace trevalo {
namespace {

std::string IdentKey(std::string_view ident) { return platform::UpperCased(platform::Trimmed(ident)); }

template <class List, class IdentOf>
std::vector<int> PositionsWithIdent(const List& list, const std::string& ident, int limit, IdentOf identOf) {
    std::vector<int> found;
    const std::string wanted = IdentKey(ident);
    if (wanted.empty()) return found;
    for (int i = 0; i < list.GetSize() && static_cast<int>(found.size()) < limit; ++i) {
        if (IdentKey(identOf(list, i)) == wanted) found.push_back(i);
    }
    return found;
}

}  // namespace

std::vector<int> NavDatabase::AirportLinesWithIdent(const std::string& ident, int limit) const {
    return PositionsWithIdent(airportLines, ident, limit,
                              [](const CAirportArray& list, int i) { return list.GetAID(i); });
}

const std::vector<const AirportRecord*>& NavDatabase::AirportsWithIdent(std::string_view ident) const {
    static const std::vector<const AirportRecord*> kNone;
    const auto found = airportsByIdent_.find(IdentKey(ident));
    return found == airportsByIdent_.end() ? kNone : found->second;
}

void NavDatabase::IndexAirports() {
    airportsByIdent_.clear();
    for (const std::vector<AirportRecord>& cell : airportGrid) {
        for (const AirportRecord& airport : cell) {
            const std::string key = IdentKey(airport.id);
            if (!key.empty()) airportsByIdent_[key].push_back(&airport);
        }
    }
}

std::vector<int> NavDatabase::NavaidsWithIdent(const std::string& ident) const {
    return PositionsWithIdent(navaidLines, ident, navaidLines.GetSize(),
                              [](const CNavaidArray& list, int i) { return list.GetNID(i); });
}

}  // namespace trevalo
