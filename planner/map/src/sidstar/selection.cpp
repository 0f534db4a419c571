#include "map/sidstar_selection.h"

#include "map/sidstar_leg_line.h"
#include "map/sidstar_runways.h"

namespace trevalo {
namespace {

constexpr double kArcSecondsPerDegree = 3600.0;

void AppendOfType(const TileContents& contents, const std::string& airport, const std::string& runway,
                  const std::string& type, ListedProcedures& listed) {
    for (const TileRecord* record : contents.RunwayRecords(airport, runway)) {
        if (record->procedure.header.type != type) continue;
        if (listed.procedures.size() == static_cast<std::size_t>(kMaxListedProcedures)) {
            listed.cut = true;
            return;
        }
        listed.procedures.push_back(record->procedure);
        listed.legsCut = listed.legsCut || record->legsCut;
    }
}

}  // namespace

ListedProcedures ProceduresOfRunway(const TileContents& contents, const SidStarRequest& request) {
    ListedProcedures listed;
    AppendOfType(contents, request.airportIdent, request.runway, request.type, listed);
    if (const std::optional<std::string> parallel = ParallelDesignatorOf(request.runway)) {
        AppendOfType(contents, request.airportIdent, *parallel, request.type, listed);
    }
    return listed;
}

int CopyLegRecords(const Procedure& procedure, std::span<fileval> storage) {
    if (storage.empty()) return 0;
    const std::size_t count = std::min(procedure.legs.size(), storage.size() - 1);
    for (std::size_t i = 0; i < count; ++i) {
        FillLegRecord(storage[i], static_cast<int>(i) + 1, procedure.legs[i], procedure.header.procedureIdent);
    }
    storage[count].Empty();
    return static_cast<int>(count);
}

void AppendProcedurePoints(std::span<const fileval> legs, SidStar& procedure) {
    for (const fileval& leg : legs) {
        if (leg.GetLine() == nullptr || procedure.GetSize() >= scenrix::kSidStarCapacity) return;
        procedure.Add(-leg.longitude * kArcSecondsPerDegree, leg.latitude * kArcSecondsPerDegree, leg.GetLine());
    }
}

}  // namespace trevalo
