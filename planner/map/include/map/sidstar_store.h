// The SID/STAR tile files of one base directory as the dialogs use them: records found,
// saved and deleted by position and identity, every failure shown to the user.
#pragma once

#include <optional>
#include <string>

#include "map/sidstar_tile_file.h"

namespace trevalo {

class SidStarStore {
public:
    explicit SidStarStore(std::string baseDirectory) : baseDirectory_(std::move(baseDirectory)) {}

    std::string PathFor(double latitude, double westLongitude) const;

    // The cell's records; an unreadable file is reported and reads as empty.
    TileContents Read(double latitude, double westLongitude) const;
    // The record, or nullopt when it is absent.
    std::optional<TileRecord> Find(double latitude, double westLongitude, const ProcedureKey& key) const;

    // Saves the procedure (see LinesWithProcedureSaved); on success its header holds the
    // number it was stored under. False after the failure was shown.
    bool Save(double latitude, double westLongitude, Procedure& procedure) const;
    // Deletes the record and renumbers the later ones of its runway. False when it was not
    // there or the failure was shown.
    bool Delete(double latitude, double westLongitude, const ProcedureKey& key) const;

private:
    std::string baseDirectory_;
};

}  // namespace trevalo
