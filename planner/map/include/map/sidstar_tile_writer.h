// Writing the SID/STAR tile files: a save or a delete composes the cell's whole new file
// and replaces it at once, so no other airport's or runway's record is ever touched.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "map/sidstar_tile_file.h"

namespace trevalo {

// The record's lines: header, the nine keys, then legs t01, t02, ...
std::vector<std::string> RecordLines(const Procedure& procedure);

// The file's lines with the procedure saved: record (number, airport, runway) is replaced
// where it stands; a negative number or one not in the file is appended as the lowest
// free number of the airport and runway, after a blank line. The procedure comes back as
// stored (within limits, with its number).
std::vector<std::string> LinesWithProcedureSaved(const TileContents& contents, Procedure& procedure);

// The file's lines without the record, the later numbers of its airport and runway moved
// down by one so that they stay contiguous; nullopt when there is no such record.
std::optional<std::vector<std::string>> LinesWithProcedureDeleted(const TileContents& contents,
                                                                  const ProcedureKey& key);

// The same on the file at path (its folder created when missing). Refuses texts the file
// cannot keep before anything is written.
TileStatus SaveProcedure(const std::string& path, Procedure& procedure);
TileStatus DeleteProcedure(const std::string& path, const ProcedureKey& key);

}  // namespace trevalo
