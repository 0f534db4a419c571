// Writes scenery files (.bgl) that the suite's scenery reader reads: the NDB section,
// the VOR/ILS section and the facility section of airports, plain or compressed.
#pragma once

#include <cstdint>
#include <vector>

#include "fsinstall/scenery_content.h"

namespace fsinstall {

enum class Compression { Plain, Compressed };

// A plain file has the extended header and all three sections. A compressed file's
// header must leave the facility field 0 (a nonzero one marks the file plain), so it
// holds the navaid sections only and the airports are left out.
std::vector<std::uint8_t> WriteSceneryFile(const SceneryContent& content, Compression compression);

// The compressed form of a plain file's bytes: its header, the compression header and
// the stream of the rest. The header may not use the facility field.
std::vector<std::uint8_t> CompressSceneryFile(const std::vector<std::uint8_t>& plain);

}  // namespace fsinstall
