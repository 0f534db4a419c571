#include "map/sidstar_store.h"

#include "map/sidstar_tile_writer.h"

namespace trevalo {

std::string SidStarStore::PathFor(double latitude, double westLongitude) const {
    return TileFilePath(baseDirectory_, latitude, westLongitude);
}

TileContents SidStarStore::Read(double latitude, double westLongitude) const {
    TileContents contents;
    const TileStatus status = ReadTileFile(PathFor(latitude, westLongitude), contents);
    ReportTileStatus(status);
    return contents;
}

std::optional<TileRecord> SidStarStore::Find(double latitude, double westLongitude, const ProcedureKey& key) const {
    const TileContents contents = Read(latitude, westLongitude);
    if (const TileRecord* record = contents.Find(key)) return *record;
    return std::nullopt;
}

bool SidStarStore::Save(double latitude, double westLongitude, Procedure& procedure) const {
    const TileStatus status = SaveProcedure(PathFor(latitude, westLongitude), procedure);
    ReportTileStatus(status);
    return status == TileStatus::Ok;
}

bool SidStarStore::Delete(double latitude, double westLongitude, const ProcedureKey& key) const {
    const TileStatus status = DeleteProcedure(PathFor(latitude, westLongitude), key);
    ReportTileStatus(status);
    return status == TileStatus::Ok;
}

}  // namespace trevalo
