// The queue behind SceneryLogWriter: files' logs waiting for the writing thread.
#pragma once

#include "platform/ordered_worker.h"
#include "runway_ends.h"
#include "scenrix/scenery_reader.h"

namespace scenrix {

struct SceneryLogWriter::Queue {
    // Takes one file's logs, written after those added before; a file that logs nothing
    // starts no thread.
    void Add(detail::RunwayLogs&& logs) {
        if (!logs.corrections.empty() || !logs.invalidRunways.empty()) writer.Add(std::move(logs));
    }

    platform::OrderedWorker<detail::RunwayLogs> writer{[](detail::RunwayLogs& logs) { logs.Write(); }};
};

}  // namespace scenrix
