#include "scenery_log_queue.h"

namespace scenrix {

SceneryLogWriter::SceneryLogWriter() : queue_(std::make_unique<Queue>()) {}

SceneryLogWriter::~SceneryLogWriter() = default;

void SceneryLogWriter::Finish() {
    if (std::exception_ptr failure = queue_->writer.Close()) std::rethrow_exception(failure);
}

}  // namespace scenrix
