#include "gathrel/lines_freed_later.h"

#include <utility>

#include "platform/ordered_worker.h"

namespace gathrel {

void FreeLinesLater(std::vector<std::string>&& lines) {
    // One thread, started with the first list; freeing is all it does with each.
    static platform::OrderedWorker<std::vector<std::string>> freeing([](std::vector<std::string>&) {});
    if (!lines.empty()) freeing.Add(std::exchange(lines, {}));
}

void ReplaceLines(std::vector<std::string>& kept, std::vector<std::string>&& fresh, scenrix::LineKind kind) {
    FreeLinesLater(scenrix::KeepLineStorage(kind, std::exchange(kept, std::move(fresh))));
}

}  // namespace gathrel
