// Seams of a closed polygon: edges that it walks both ways, as the bridge by which one
// outline takes a lake or an inland sea in. The fill covers a seam; it is no coast.
#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace trevalo {

// A point as a key that equal points share exactly.
using PointKey = std::pair<std::uint64_t, std::uint64_t>;

// For each edge i (point i to point i + 1, the last back to the first), whether the
// polygon also walks it the other way.
std::vector<bool> SeamEdges(std::span<const PointKey> polygon);

}  // namespace trevalo
