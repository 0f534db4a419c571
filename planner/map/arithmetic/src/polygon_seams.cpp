#include "maparithmetic/polygon_seams.h"

#include <algorithm>

namespace trevalo {
namespace {

struct EdgeEntry {
    PointKey low, high;  // the ends' keys, smaller first
    bool forward;        // walked from low to high
    std::size_t index;
};

}  // namespace

std::vector<bool> SeamEdges(std::span<const PointKey> polygon) {
    const std::size_t n = polygon.size();
    std::vector<bool> seams(n, false);
    if (n < 2) return seams;
    std::vector<EdgeEntry> edges;
    edges.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const PointKey& from = polygon[i];
        const PointKey& to = polygon[(i + 1) % n];
        edges.push_back({std::min(from, to), std::max(from, to), from < to, i});
    }
    std::sort(edges.begin(), edges.end(),
              [](const EdgeEntry& a, const EdgeEntry& b) { return a.low != b.low ? a.low < b.low : a.high < b.high; });
    for (std::size_t first = 0; first < n;) {
        std::size_t last = first;
        bool forward = false, backward = false;
        while (last < n && edges[last].low == edges[first].low && edges[last].high == edges[first].high) {
            (edges[last].forward ? forward : backward) = true;
            ++last;
        }
        if (forward && backward && edges[first].low != edges[first].high)
            for (std::size_t k = first; k < last; ++k) seams[edges[k].index] = true;
        first = last;
    }
    return seams;
}

}  // namespace trevalo
