// Feeds arbitrary text to the SID/STAR tile reader, then saves and deletes a record in it:
// the result must read back with every other record as it was.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "map/sidstar_tile_writer.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const trevalo::TileContents contents = trevalo::ParseTileText(text);
    for (const trevalo::TileRecord& record : contents.records) {
        if (record.procedure.legs.size() > static_cast<size_t>(trevalo::kMaxProcedureLegs)) __builtin_trap();
    }
    if (contents.records.empty()) return 0;
    trevalo::Procedure saved = contents.records.front().procedure;
    const std::vector<std::string> lines = trevalo::LinesWithProcedureSaved(contents, saved);
    const trevalo::TileContents reread = trevalo::ParseTileText(Joined(lines));
    if (reread.records.size() < contents.records.size()) __builtin_trap();
    if (const auto deleted = trevalo::LinesWithProcedureDeleted(reread, saved.header.Key())) {
        if (trevalo::ParseTileText(Joined(*deleted)).records.size() + 1 != reread.records.size()) __builtin_trap();
    }
    return 0;
}
