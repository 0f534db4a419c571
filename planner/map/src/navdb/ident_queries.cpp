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

const std::unordered_map<std::string, std::vector<const AirportRecord*>>& NavDatabase::AirportIndex() const {
    std::call_once(airportIndexBuilt_, [this] {
        size_t records = 0;
        for (const std::vector<AirportRecord>& cell : airportGrid) records += cell.size();
        airportsByIdent_.reserve(records);
        for (const std::vector<AirportRecord>& cell : airportGrid) {
            for (const AirportRecord& airport : cell) {
                const std::string key = IdentKey(airport.id);
                if (!key.empty()) airportsByIdent_[key].push_back(&airport);
            }
        }
    });
    return airportsByIdent_;
}

const std::vector<const AirportRecord*>& NavDatabase::AirportsWithIdent(std::string_view ident) const {
    static const std::vector<const AirportRecord*> kNone;
    const auto& index = AirportIndex();
    const auto found = index.find(IdentKey(ident));
    return found == index.end() ? kNone : found->second;
}

int NavDatabase::AirportIdentCount() const { return static_cast<int>(AirportIndex().size()); }

std::vector<int> NavDatabase::NavaidsWithIdent(const std::string& ident) const {
    return PositionsWithIdent(navaidLines, ident, navaidLines.GetSize(),
                              [](const CNavaidArray& list, int i) { return list.GetNID(i); });
}

}  // namespace trevalo
